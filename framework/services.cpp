#include "framework/services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTextBoundaryFinder>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "framework/file_dialog.h"
#include "framework/printing.h"

namespace {

// `text` no wider than `width`, shortened in its middle; a path keeps its last part, the file's name,
// whole where that takes at most three quarters of the width.
QString Shortened(const QString& text, const QFontMetrics& metrics, int width) {
    const qsizetype slash = text.lastIndexOf(u'/');
    const int room = slash < 0 ? 0 : width - metrics.horizontalAdvance(text.mid(slash));
    if (room < width / 4) return metrics.elidedText(text, Qt::ElideMiddle, width);
    return metrics.elidedText(text.left(slash), Qt::ElideMiddle, room) + text.mid(slash);
}

// `text` with a break opportunity (ZERO WIDTH SPACE) between its characters: the box wraps a word wider
// than itself only there, and would cut it off otherwise.
QString Breakable(const QString& text) {
    QString breakable;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype from = 0, to; (to = characters.toNextBoundary()) > 0; from = to)
        breakable += text.mid(from, to - from) + QChar(0x200B);
    breakable.chop(1);
    return breakable;
}

// The message with its over-wide names and paths (the text in each isolate) shortened in their middle, so
// that the box fits on the screen: a path to one `line` of the box, a name only beyond a few lines; either
// is made breakable when wider than half a line. The isolates stay, so the words around a name keep
// their order.
QString FittedMessage(QString message, const QFontMetrics& metrics, int line) {
    for (qsizetype start = message.indexOf(QChar(0x2068)); start >= 0;
         start = message.indexOf(QChar(0x2068), start + 1)) {
        const qsizetype end = message.indexOf(QChar(0x2069), start);
        if (end < 0) break;
        QString text = message.mid(start + 1, end - start - 1);
        // A path shares its line with the rest of its paragraph when that is short, as "(" and ")" are.
        const qsizetype from = message.lastIndexOf(u'\n', start) + 1, to = message.indexOf(u'\n', end);
        const int around = metrics.horizontalAdvance(message.mid(from, start + 1 - from)) +
                           metrics.horizontalAdvance(message.mid(end, to < 0 ? -1 : to - end));
        const int most = !text.contains(u'/') ? 4 * line : around < line / 4 ? line - around : line;
        if (metrics.horizontalAdvance(text) > most) text = Shortened(text, metrics, most);
        if (metrics.horizontalAdvance(text) > line / 2) text = Breakable(text);
        message.replace(start + 1, end - start - 1, text);
    }
    return message;
}

void ShowFailureBox(const std::string& message) {
    QMessageBox box(QMessageBox::Warning, QGuiApplication::applicationDisplayName(), QString(),
                    QMessageBox::Ok, QApplication::activeWindow());
    // Messages name files and paths: shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    const QString text = QString::fromStdString(message);
    const int screenWidth = box.screen()->availableGeometry().width();
    box.setText(FittedMessage(text, box.fontMetrics(), std::clamp(screenWidth - 200, 200, 800)));
    // The box gives its label a width of its own choice as it opens: the message is fitted to that width.
    box.show();
    if (const auto* label = box.findChild<QLabel*>("qt_msgbox_label"))
        box.setText(FittedMessage(text, label->fontMetrics(), label->contentsRect().width()));
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
