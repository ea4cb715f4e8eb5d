// Objects and nil: reference-counted objects are shared pointers, nil is nullptr, and using nil
// raises NilObjectException naming what was nil.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

template <class T>
using Ref = std::shared_ptr<T>;

// Raised when a nil object is used; its text says what was nil (and, for a file, which file and why).
class NilObjectException : public std::runtime_error {
  public:
    explicit NilObjectException(const std::string& what) : std::runtime_error(what) {}
};

// The one check before a use: returns the object, or raises NilObjectException naming `what`.
template <class P>
auto& NonNil(const P& object, const std::string& what) {
    if (!object) throw NilObjectException(what + " is nil");
    return *object;
}
