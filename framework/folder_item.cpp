#include "framework/folder_item.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <filesystem>

#include "framework/picture_decoder.h"

FolderItem::FolderItem(std::string absolutePath) : path_(std::move(absolutePath)) {}

// The path's bytes are kept as they are: a name need not be valid UTF-8 to be a file's name.
std::string FolderItem::Name() const {
    return path_.substr(path_.find_last_of('/') + 1);
}

Ref<FolderItem> FolderItem::Parent() const {
    const QString path = QDir::cleanPath(QString::fromStdString(path_));
    if (path == QStringLiteral("/")) return nullptr;
    return std::make_shared<FolderItem>(QFileInfo(path).absolutePath().toStdString());
}

Ref<FolderItem> FolderItem::Child(const std::string& name) const {
    if (name.empty() || name.find('/') != std::string::npos) return nullptr;
    return std::make_shared<FolderItem>(
        QDir(QString::fromStdString(path_)).filePath(QString::fromStdString(name)).toStdString());
}

Ref<Picture> FolderItem::OpenAsPicture() const {
    lastError_.clear();
    DecodedPicture decoded = OpenPictureFile(path_);
    if (!decoded.picture) lastError_ = decoded.error;
    return decoded.picture;
}

Ref<FolderItem> GetFolderItem(const std::string& path, int32_t /*pathType*/) {
    if (path.empty() || path.front() != '/') return nullptr;
    return std::make_shared<FolderItem>(path);
}

namespace {
struct ExecutableOverride {
    bool active = false;
    Ref<FolderItem> file;
};
ExecutableOverride& ExecutableStandIn() {
    static ExecutableOverride standIn;
    return standIn;
}
}  // namespace

void OverrideExecutableFile(const Ref<FolderItem>& file) {
    ExecutableStandIn() = {true, file};
}

void UseRealExecutableFile() {
    ExecutableStandIn() = {};
}

Ref<FolderItem> ExecutableFile() {
    if (ExecutableStandIn().active) return ExecutableStandIn().file;
    QString path = QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    if (path.isEmpty()) {
        std::error_code error;
        const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
        if (error) return nullptr;
        path = QString::fromStdString(self.string());
    }
    return std::make_shared<FolderItem>(path.toStdString());
}
