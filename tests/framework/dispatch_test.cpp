#include "framework/dispatch.h"

#include <QPushButton>

#include "editor/Main.h"
#include "support.h"

namespace {

class DispatchTest : public FrameworkTest {};

TEST_F(DispatchTest, AThrowingHandlerIsReportedAndTheProgramGoesOn) {
    auto main = Main::Instance();
    auto button = main->Control<PushButton>("btnCdBoth");
    int runs = 0;
    button->InstallEventHandler(
        "Action", PlainHandler([&] {
            ++runs;
            main->filenaamDVD = "kept";
            throw NilObjectException("the picture of /tmp/a.jpg (not a picture) is nil");
        }));
    static_cast<QPushButton*>(button->Widget())->click();
    static_cast<QPushButton*>(button->Widget())->click();
    EXPECT_EQ(runs, 2) << "the program goes on after a failed handler";
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0], "the picture of /tmp/a.jpg (not a picture) is nil");
    EXPECT_EQ(main->filenaamDVD, "kept") << "state stays as the handler left it";
    EXPECT_TRUE(main->IsOpen());
}

TEST_F(DispatchTest, ForeignExceptionsAndFailingReportsAreContained) {
    EXPECT_FALSE(Dispatch([] { throw 42; }));
    EXPECT_EQ(reports.back(), "An unexpected error occurred.");
    Services().reportFailure = [](const std::string&) { throw std::runtime_error("report failed"); };
    EXPECT_FALSE(Dispatch([] { throw std::runtime_error("x"); }));
    EXPECT_TRUE(Dispatch([] {}));
}

TEST_F(DispatchTest, EventNamesAndHandlerKindsAreChecked) {
    auto main = Main::Instance();
    EXPECT_THROW(main->Control<PushButton>("btnCdBoth")->InstallEventHandler("Paint", PaintHandler()),
                 std::invalid_argument);
    EXPECT_THROW(main->Control<Canvas>("cdFront")->InstallEventHandler("Paint", PlainHandler()),
                 std::invalid_argument);
    EXPECT_THROW(main->Control<Canvas>("nope"), NilObjectException);
    EXPECT_THROW(main->Control<Canvas>("btnCdBoth"), NilObjectException) << "a button is no canvas";
}

}  // namespace
