#include "framework/services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include "framework/file_dialog.h"
#include "framework/printing.h"

namespace {

void ShowFailureBox(const std::string& message) {
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(),
                    QString::fromStdString(message), QMessageBox::Ok, QApplication::activeWindow());
    // Messages name files and paths: shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

// Inside the event loop the box opens once the failed event is over, so that a drop, for one, ends at
// once for the program it came from; outside it (a failed start-up) the box shows now.
void ReportFailure(const std::string& message) {
    if (QThread::currentThread()->loopLevel() > 0)
        QTimer::singleShot(0, qApp, [message] { ShowFailureBox(message); });
    else
        ShowFailureBox(message);
}

void OpenInBrowser(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

PlatformServices RealServices() {
    PlatformServices services;
    services.openFileDialog = ShowOpenFileDialog;
    services.printDialog = ShowPrintDialog;
    services.showUrl = OpenInBrowser;
    services.reportFailure = ReportFailure;
    return services;
}

}  // namespace

PlatformServices& Services() {
    static PlatformServices services = RealServices();
    return services;
}

void RestoreRealServices() {
    Services() = RealServices();
}

void ShowURL(const std::string& url) {
    Services().showUrl(url);
}
