#include "framework/services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "framework/real_dialogs.h"

namespace {

void ShowFailureBox(const std::string& message) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Kavrello 4"), QString::fromStdString(message),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void OpenInBrowser(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

PlatformServices RealServices() {
    PlatformServices services;
    services.openFileDialog = ShowOpenFileDialog;
    services.printDialog = ShowPrintDialog;
    services.showUrl = OpenInBrowser;
    services.reportFailure = ShowFailureBox;
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
