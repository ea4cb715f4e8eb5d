// The runtime's string comparison and its conversion of a Double to a 32-bit integer.
#pragma once

#include <cstdint>
#include <string>

// Compares byte by byte: 0 when equal, negative when `a` sorts first, positive otherwise. A nil string
// is the empty string, which std::string already is when never set.
int32_t RuntimeStringCompare(const std::string& a, const std::string& b);

// Rounds to the nearest integer, halves away from zero (2.5 -> 3, -2.5 -> -3); whole values come out
// exact. Values beyond the Int32 range give its nearest end; NaN gives 0.
int32_t RuntimeCvtReal64ToSInt32(double value);
