// The runtime's conversion to whole dots and string comparison, and the printer setup's resolution.
#include "framework/printing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/graphics.h"
#include "framework/runtime_values.h"
#include "framework/services.h"

namespace {

TEST(RuntimeValues, ConversionRoundsHalvesAwayFromZeroAndKeepsWholeValuesExact) {
    EXPECT_EQ(RuntimeCvtReal64ToSInt32(1840.0), 1840);
    EXPECT_EQ(RuntimeCvtReal64ToSInt32(254.0 / 25.4 * 183.0 + 10.0), 1840);
    EXPECT_EQ(RuntimeCvtReal64ToSInt32(1417.32), 1417);
    EXPECT_EQ(RuntimeCvtReal64ToSInt32(2.5), 3);
    EXPECT_EQ(RuntimeCvtReal64ToSInt32(-2.5), -3);
    EXPECT_EQ(RuntimeCvtReal64ToSInt32(-0.4), 0);
    EXPECT_EQ(RuntimeCvtReal64ToSInt32(1e12), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(RuntimeCvtReal64ToSInt32(-1e12), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(RuntimeCvtReal64ToSInt32(std::nan("")), 0);
}

TEST(RuntimeValues, StringComparisonIsZeroOnlyForEqualStrings) {
    EXPECT_EQ(RuntimeStringCompare("", ""), 0);
    EXPECT_EQ(RuntimeStringCompare(std::string(), ""), 0);
    EXPECT_GT(RuntimeStringCompare("/a.jpg", ""), 0);
    EXPECT_LT(RuntimeStringCompare("", " "), 0);
    EXPECT_NE(RuntimeStringCompare("A", "a"), 0);
}

TEST(Printing, AFreshSetupReportsThePageResolutionAndTheDialogIsTheService) {
    EXPECT_EQ(PrinterSetup().HorizontalResolution(), 300);
    SetPageResolution(254);
    const PrinterSetup setup;
    SetPageResolution(0);
    EXPECT_EQ(setup.HorizontalResolution(), 254) << "a setup keeps what it reported";
    EXPECT_EQ(PrinterSetup().HorizontalResolution(), 300);

    int shown = 0;
    Services().printDialog = [&](const Ref<PrinterSetup>& given) -> Ref<Graphics> {
        ++shown;
        EXPECT_EQ(given, nullptr);
        return nullptr;
    };
    EXPECT_EQ(OpenPrinterDialog(nullptr, nullptr), nullptr);
    EXPECT_EQ(shown, 1);
    RestoreRealServices();
}

}  // namespace
