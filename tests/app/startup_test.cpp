// The program's life: Ctrl+Q from any window and the order of shut-down, a failed start, the last window
// closing, and the executable started without a display.
#include "app/startup.h"

#include <QAction>
#include <QApplication>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

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
    // Runs the whole life of the program in this process and checks that nothing of it is left.
    int RunProgram(const startup::ViewMaker& view) {
        int argc = 1;
        char name[] = "kavrello4";
        char* argv[] = {name, nullptr};
        const int status = startup::ProgramMain(argc, argv, view);
        EXPECT_TRUE(OpenWindows().empty() && !MenuBar1::implicitInstance && !App() && !FileTypes1::pJpeg &&
                    RegisteredFileTypes().empty());
        return status;
    }
};

TEST_F(StartupTest, CtrlQInTheAboutBoxQuitsAndTheFileTypesOutliveTheWindowsAndTheMenuBar) {
    std::weak_ptr<Main> main;
    int events = 0;
    ObserveFileTypeRegistry([&](const std::string& event, const std::string& name) {
        ++events;
        EXPECT_TRUE(main.expired()) << event << " " << name << " while the main window lives";
        EXPECT_EQ(MenuBar1::implicitInstance, nullptr) << event << " " << name << " while the menu bar lives";
    });
    // Quit's key works in every window: here in the About box, which has no menu bar of its own, left
    // alone once the main window is closed.
    QTimer::singleShot(0, [] {
        MenuBar1::implicitInstance->Lookup("UntitledAbout")->Action()->trigger();
        Main::Instance()->Widget()->close();
        QWidget* about = GetImplicitWindow("About.About")->Widget();
        QApplication::setActiveWindow(about);
        QTest::keyClick(about, Qt::Key_Q, Qt::ControlModifier);
    });
    QObject timeout;  // a key that does not quit fails the test instead of hanging it
    bool stuck = false;
    QTimer::singleShot(5000, &timeout, [&] {
        stuck = true;
        RuntimeQuit();
    });
    const int status = RunProgram([&] {
        main = Main::Instance();
        EXPECT_EQ(App()->MenuBar(), main.lock()->MenuBar()) << "one bar for the program and the window";
    });
    EXPECT_EQ(std::tuple(status, stuck, events), std::tuple(0, false, 6))
        << "status, stuck, file type events";
    EXPECT_TRUE(reports.empty());
}

TEST_F(StartupTest, FailedStartupIsReportedSkipsTheLoopAndStillShutsDown) {
    bool loopRan = false;
    QTimer::singleShot(0, [&] { loopRan = true; });
    EXPECT_NE(RunProgram([] { throw NilObjectException("the main window is nil"); }), 0);
    EXPECT_FALSE(loopRan);
    EXPECT_EQ(reports, std::vector<std::string>{"\u200Ethe main window is nil"});
}

TEST_F(StartupTest, ClosingTheLastWindowEndsTheProgramAsQuitWould) {
    EXPECT_EQ(RunProgram([] {
                  Main::Instance();
                  QTimer::singleShot(0, [] { Main::Instance()->Widget()->close(); });
              }),
              0);
}

TEST_F(StartupTest, WithoutADisplayOneLineSaysSoAndTheStatusIsOne) {
    QTemporaryDir runtime;  // where a Wayland compositor answers as "wayland-up"
    QLocalServer compositor;
    ASSERT_TRUE(compositor.listen(runtime.filePath("wayland-up")));
    const std::tuple<QStringList, QString, std::string> cases[] = {
        {{"DISPLAY=:64999\t"}, "", "cannot open display \":64999%09\""},
        {{"WAYLAND_DISPLAY=wayland-up"}, "xcb", "no display is set (DISPLAY is empty)"},
        {{"WAYLAND_DISPLAY=wayland-down"},
         "",
         "cannot connect to Wayland display \"wayland-down\", and no display is set (DISPLAY is "
         "empty)"},
        {{"WAYLAND_DISPLAY=wayland-up", "QT_QPA_PLATFORM=wayland-unknown"},
         "",
         "the Wayland platform plugin is not installed"}};
    for (const auto& [variables, platform, problem] : cases) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "DISPLAY"})
            environment.remove(name);
        environment.insert("XDG_RUNTIME_DIR", runtime.path());
        for (const QString& variable : variables)
            environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
        QProcess program;
        program.setProcessEnvironment(environment);
        QStringList arguments{"-platformtheme", "none"};  // no platform of its own
        if (!platform.isEmpty()) arguments << "--platform" << platform;
        program.start(KAVRELLO_PROGRAM, arguments);
        ASSERT_TRUE(program.waitForFinished(60000));
        const std::string said = program.readAllStandardError().toStdString();
        EXPECT_EQ(std::pair(program.exitStatus(), program.exitCode()), std::pair(QProcess::NormalExit, 1))
            << said;
        EXPECT_EQ(said, "Kavrello 4: " + problem + "\n");
    }
}

}  // namespace
