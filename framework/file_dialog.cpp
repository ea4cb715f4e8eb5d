// The open-file dialog: Qt's file dialog, offering the types of the MIME database that the list names.
#include "framework/file_dialog.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMimeDatabase>
#include <QStringList>

#include "framework/services.h"

std::vector<std::string> OpenDialogFilters(const std::string& typeNames) {
    QMimeDatabase database;
    std::vector<std::string> filters;
    QStringList patterns;
    for (const QString& name : QString::fromStdString(typeNames).split(u';', Qt::SkipEmptyParts)) {
        const QMimeType type = database.mimeTypeForName(name.trimmed());
        // A name the system does not know, or one without file patterns, cannot be matched: skip it.
        if (!type.isValid() || type.globPatterns().isEmpty()) continue;
        filters.push_back(type.filterString().toStdString());
        patterns << type.globPatterns();
    }
    // The dialog starts on the first choice: the files of every type in the list at once.
    if (filters.size() > 1)
        filters.insert(filters.begin(), "Pictures (" + patterns.join(u' ').toStdString() + ")");
    filters.push_back("All files (*)");
    return filters;
}

Ref<FolderItem> ShowOpenFileDialog(const std::string& typeNames) {
    QStringList filters;
    for (const std::string& filter : OpenDialogFilters(typeNames)) filters << QString::fromStdString(filter);
    const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), QString(),
                                                      filters.join(QStringLiteral(";;")));
    if (path.isEmpty()) return nullptr;
    return GetFolderItem(QFile::encodeName(path).toStdString());
}

Ref<FolderItem> GetOpenFolderItem(const std::string& typeNames) {
    return Services().openFileDialog(typeNames);
}
