// The real start-up of Kavrello 4, quitting as soon as the main window has painted for the first time.
// Timed as a whole process, it measures exec to first paint plus the shut-down, whose own length it
// prints, so that the one can be told from the other.
#include "editor/Main.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

#include "app/startup.h"
#include "framework/runtime.h"

namespace {

class FirstPaint : public QObject {
  public:
    std::chrono::steady_clock::time_point painted;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            painted = std::chrono::steady_clock::now();
            QTimer::singleShot(0, [] { RuntimeQuit(); });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool quitting_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    FirstPaint watcher;
    const int status = startup::ProgramMain(argc, argv, [&] {
        auto main = Main::Instance();
        main->Widget()->installEventFilter(&watcher);
    });
    const auto after =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - watcher.painted);
    std::fprintf(stderr, "first paint to the end of shut-down: %.1f ms\n", after.count());
    return status;
}
