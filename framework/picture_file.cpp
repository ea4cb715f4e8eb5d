#include "framework/picture_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

// Room for headers and metadata before the pixels (EXIF, ICC profiles, thumbnails).
constexpr int64_t kHeaderBytes = int64_t(64) << 20;
// Above the bytes a pixel takes uncompressed at 16 bits a channel with alpha, and far above what a
// compressed photo spends on it.
constexpr int64_t kBytesPerPixel = 16;

std::string KindError(mode_t mode) {
    if (S_ISDIR(mode)) return "it is a folder";
    if (S_ISFIFO(mode)) return "it is a FIFO (named pipe), not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a regular file";
    if (S_ISSOCK(mode)) return "it is a socket, not a regular file";
    return "it is not a regular file";
}

std::string OpenError(int error, const std::string& path) {
    switch (error) {
        case ENOENT:
            return "it does not exist";
        case ELOOP:
            return "its path is a loop of symbolic links";
        case ENAMETOOLONG:
            return "its path is too long";
        case ENOTDIR:
            return "a part of its path is not a folder";
        case EACCES: {
            // Denied on the way to the file, or on the file itself.
            struct stat st;
            if (::stat(path.c_str(), &st) != 0 && errno == EACCES)
                return "a folder on its path may not be searched (permission denied)";
            return "it cannot be read (permission denied)";
        }
        default:
            return std::string("it cannot be opened (") + std::strerror(error) + ")";
    }
}

}  // namespace

qint64 PictureFile::size() const {
    return std::min(QFile::size(), limit_);
}

qint64 PictureFile::readData(char* data, qint64 maxSize) {
    // The descriptor's own offset: what has been read, whatever Qt buffers.
    const off_t at = ::lseek(handle(), 0, SEEK_CUR);
    if (at < 0) return -1;
    if (at >= limit_) return 0;
    return QFile::readData(data, std::min<qint64>(maxSize, limit_ - at));
}

std::unique_ptr<PictureFile> OpenRegularFile(const std::string& path, std::string& error) {
    if (path.find('\0') != std::string::npos) {
        error = "its name holds a NUL character (%00), which no file name can";
        return nullptr;
    }
    // Judged before opening, so that no device or pipe is ever opened; judged again on the open
    // descriptor, in case the file was swapped meanwhile. O_NONBLOCK keeps that open from waiting.
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        error = OpenError(errno, path);
        return nullptr;
    }
    if (!S_ISREG(st.st_mode)) {
        error = KindError(st.st_mode);
        return nullptr;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error = OpenError(errno, path);
        return nullptr;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error = S_ISREG(st.st_mode) ? OpenError(errno, path) : KindError(st.st_mode);
        ::close(fd);
        return nullptr;
    }
    auto file = std::make_unique<PictureFile>();
    file->SetLimit(PictureReadLimit(0));
    if (!file->open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        error = "it cannot be read";
        return nullptr;
    }
    return file;
}

int64_t PictureReadLimit(int64_t pixels) {
    return kHeaderBytes + std::max<int64_t>(pixels, 0) * kBytesPerPixel;
}
