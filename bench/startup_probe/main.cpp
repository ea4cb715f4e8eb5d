// The real start-up of Kavrello 4, quitting as soon as the main window has painted for the first time.
// Timed as a whole process, it measures exec to first paint.
#include "editor/Main.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "app/startup.h"
#include "framework/runtime.h"

namespace {

class FirstPaint : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
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
    return startup::ProgramMain(argc, argv, [&] {
        auto main = Main::Instance();
        main->Widget()->installEventFilter(&watcher);
    });
}
