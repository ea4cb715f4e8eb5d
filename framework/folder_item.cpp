#include "framework/folder_item.h"

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

// Paths go through Qt in the file system's own encoding, so that their bytes come back unchanged.
Ref<FolderItem> FolderItem::Parent() const {
    const QString path = QDir::cleanPath(QFile::decodeName(path_.c_str()));
    if (path == QStringLiteral("/")) return nullptr;
    return std::make_shared<FolderItem>(QFile::encodeName(QFileInfo(path).absolutePath()).toStdString());
}

Ref<FolderItem> FolderItem::Child(const std::string& name) const {
    if (name.empty() || name.find('/') != std::string::npos) return nullptr;
    const QString child = QDir(QFile::decodeName(path_.c_str())).filePath(QFile::decodeName(name.c_str()));
    return std::make_shared<FolderItem>(QFile::encodeName(child).toStdString());
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
    std::string path = QCoreApplication::instance()
                           ? QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString()
                           : std::string();
    if (path.empty()) {
        std::error_code error;
        path = std::filesystem::read_symlink("/proc/self/exe", error).string();
        if (error) return nullptr;
    }
    return std::make_shared<FolderItem>(path);
}
