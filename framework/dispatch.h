// The one dispatch point through which every handler runs: no exception ever reaches Qt. What escapes
// a handler is reported to the user, and the program goes on with its state as the handler left it.
#pragma once

#include <exception>
#include <functional>
#include <string>

// Runs a handler; an escaping exception goes to the unhandled-exception report. Returns false then.
bool Dispatch(const std::function<void()>& handler);

// The text shown for an exception: its own message, or a plain one for a foreign exception.
std::string DescribeException(std::exception_ptr error);

// Reports an exception that no handler caught (through the platform's report service), each line of its
// text laid out left to right.
void UnhandledException(std::exception_ptr error);
