#include "app/startup.h"

#include <QAction>
#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <stdexcept>

#include "editor/Main.h"
#include "framework/filetype.h"
#include "support.h"

namespace {

class StartupTest : public FrameworkTest {
  protected:
    void TearDown() override {
        ObserveFileTypeRegistry(nullptr);
        FrameworkTest::TearDown();
    }

    // Runs the whole life of the program in this process.
    int RunProgram(const startup::ViewMaker& view) {
        int argc = 1;
        char name[] = "kavrello4";
        char* argv[] = {name, nullptr};
        return startup::ProgramMain(argc, argv, view);
    }
};

TEST_F(StartupTest, QuitShutsDownWindowsThenMenuBarThenFileTypesInOrder) {
    std::vector<std::string> events;
    std::weak_ptr<Main> main;
    // Quit's key works in every window: here in the About box, which has no menu bar of its own.
    QTimer::singleShot(0, [] {
        MenuBar1::implicitInstance->Lookup("UntitledAbout")->Action()->trigger();
        QWidget* about = GetImplicitWindow("About.About")->Widget();
        QApplication::setActiveWindow(about);
        QTest::keyClick(about, Qt::Key_Q, Qt::ControlModifier);
    });
    QObject timeout;
    bool stuck = false;
    QTimer::singleShot(5000, &timeout, [&] {
        stuck = true;
        RuntimeQuit();
    });
    ObserveFileTypeRegistry([&](const std::string& event, const std::string& name) {
        events.push_back(event + " " + name);
        if (event == "deregister") {
            EXPECT_TRUE(main.expired()) << "windows go before the file types";
            EXPECT_EQ(MenuBar1::implicitInstance, nullptr) << "the menu bar goes before the file types";
        }
    });
    const int status = RunProgram([&] {
        EXPECT_EQ(events.size(), 3u) << "file types are registered before the main window opens";
        auto window = Main::Instance();
        main = window;
        EXPECT_EQ(App()->MenuBar(), window->MenuBar()) << "one menu bar for the application and the window";
    });
    EXPECT_FALSE(stuck) << "Ctrl+Q did not quit";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"register image/jpeg", "register image/png",
                                                "register image/x-bmp", "deregister image/jpeg",
                                                "deregister image/png", "deregister image/x-bmp"}));
    EXPECT_FALSE(FileTypes1::pJpeg || FileTypes1::pPng || FileTypes1::pImageXBmp);
    EXPECT_EQ(App(), nullptr);
    EXPECT_TRUE(reports.empty());
}

TEST_F(StartupTest, FailedStartupIsReportedSkipsTheLoopAndStillShutsDown) {
    bool loopRan = false;
    QTimer::singleShot(0, [&] { loopRan = true; });
    const int status = RunProgram([] { throw NilObjectException("the main window is nil"); });
    EXPECT_NE(status, 0);
    EXPECT_FALSE(loopRan);
    EXPECT_EQ(reports, std::vector<std::string>{"the main window is nil"});
    EXPECT_EQ(MenuBar1::implicitInstance, nullptr);
    EXPECT_EQ(FileTypes1::pJpeg, nullptr);
    EXPECT_TRUE(RegisteredFileTypes().empty());
}

TEST_F(StartupTest, ClosingTheLastWindowEndsTheProgramAsQuitWould) {
    const int status = RunProgram([] {
        Main::Instance();
        QTimer::singleShot(0, [] { Main::Instance()->Widget()->close(); });
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(GetImplicitWindow("Main.Main"), nullptr);
    EXPECT_EQ(MenuBar1::implicitInstance, nullptr);
}

TEST_F(StartupTest, WithoutADisplayOneLineSaysSoAndTheStatusIsOne) {
    for (const QString display : {":64999", ""}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "DISPLAY"})
            environment.remove(name);
        if (!display.isEmpty()) environment.insert("DISPLAY", display);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(KAVRELLO_PROGRAM);
        ASSERT_TRUE(program.waitForFinished(60000));
        const QString said = program.readAllStandardError();
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << said.toStdString();
        EXPECT_EQ(program.exitCode(), 1) << said.toStdString();
        EXPECT_EQ(said, display.isEmpty() ? "Kavrello 4: no display is set (DISPLAY is empty)\n"
                                          : "Kavrello 4: cannot open display \":64999\"\n");
    }
}

}  // namespace
