#include "framework/dispatch.h"

#include <new>

#include "framework/services.h"
#include "framework/shown_name.h"

std::string DescribeException(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        return "There is not enough memory to finish this.";
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "An unexpected error occurred.";
    }
}

void UnhandledException(std::exception_ptr error) {
    const std::string message = LeftToRightLines(DescribeException(error));
    try {
        if (Services().reportFailure) Services().reportFailure(message);
    } catch (...) {
        // A report that fails itself must not end the program either.
    }
}

bool Dispatch(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (...) {
        UnhandledException(std::current_exception());
        return false;
    }
}
