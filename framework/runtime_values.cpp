#include "framework/runtime_values.h"

#include <cmath>
#include <limits>

int32_t RuntimeStringCompare(const std::string& a, const std::string& b) {
    const int order = a.compare(b);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

int32_t RuntimeCvtReal64ToSInt32(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::round(value);
    if (rounded <= double(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    if (rounded >= double(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
    return int32_t(rounded);
}
