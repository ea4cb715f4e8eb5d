// The print system's answer to a job: libcups's last request status, and whether its server answers.
#include "framework/print_queue.h"

#include <cups/cups.h>

#include <memory>

#include "framework/shown_name.h"

namespace {

// How long the window's thread waits for the print server to accept a connection, after libcups has
// already waited for it: a server that answers does so at once.
constexpr int kConnectWaitMs = 500;

// Whether the print server answers at all; a refused job's status says little when it does not.
bool ServerReachable() {
    const std::unique_ptr<http_t, void (*)(http_t*)> http(
        httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kConnectWaitMs,
                     nullptr),
        httpClose);
    return http != nullptr;
}

}  // namespace

std::string QueueRefusal(const std::string& printer) {
    // Every status from bad-request up is an error: the server's own and libcups's (no connection, ...).
    if (cupsLastError() < IPP_STATUS_ERROR_BAD_REQUEST) return {};
    std::string reason = cupsLastErrorString() ? cupsLastErrorString() : ippErrorString(cupsLastError());
    if (!ServerReachable())
        return "the print server (" + ShownName(cupsServer()) + ") cannot be reached, so the printer \"" +
               ShownName(printer) + "\" did not get it";
    while (!reason.empty() && (reason.back() == '.' || reason.back() == ' ')) reason.pop_back();
    return "the printer \"" + ShownName(printer) + "\" did not take it: " + ShownName(reason);
}
