// The print system's answer to a job handed to a printer queue: Qt gives a finished page to CUPS and
// drops the result, which libcups keeps as the calling thread's last request status.
#pragma once

#include <string>

// Why the print system did not take the job just handed to `printer` on this thread, or "" when it took
// it (also when the queue holds it, as a paused queue does). Valid only right after the hand-over: it
// reads the status of this thread's last request to the print system.
std::string QueueRefusal(const std::string& printer);
