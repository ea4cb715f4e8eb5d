#include "framework/picture_decoder.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include "framework/picture.h"

namespace {

// Room for the largest picture at four bytes a pixel, in megabytes.
constexpr int kAllocationLimitMB = int(kMaxPicturePixels * 4 / (1024 * 1024));

std::string ReadError(const QImageReader& reader) {
    switch (reader.error()) {
        case QImageReader::FileNotFoundError:
            return "it does not exist";
        case QImageReader::DeviceError:
            return "it cannot be read";
        case QImageReader::UnsupportedFormatError:
            return "it is not a picture";
        case QImageReader::InvalidDataError:
            return "it is damaged or not a picture";
        case QImageReader::UnknownError:
            break;
    }
    return "it cannot be read as a picture";
}

std::string SizeError(const QSize& size) {
    return "it is too large (" + std::to_string(size.width()) + " x " + std::to_string(size.height()) +
           " pixels)";
}

}  // namespace

DecodedPicture OpenPictureFile(const std::string& path) {
    const QString file = QString::fromStdString(path);
    const QFileInfo info(file);
    if (!info.exists()) return {nullptr, "it does not exist"};
    if (info.isDir()) return {nullptr, "it is a folder"};
    if (!info.isReadable()) return {nullptr, "it cannot be read (permission denied)"};

    QImageReader reader(file);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(kAllocationLimitMB);
    if (!reader.canRead()) return {nullptr, ReadError(reader)};
    const QSize size = reader.size();
    if (size.isValid() && int64_t(size.width()) * size.height() > kMaxPicturePixels)
        return {nullptr, SizeError(size)};

    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        // The reader refuses pictures beyond its allocation limit with the same error as bad data.
        if (size.isValid() && int64_t(size.width()) * size.height() * 4 > int64_t(kAllocationLimitMB) << 20)
            return {nullptr, SizeError(size)};
        return {nullptr, ReadError(reader)};
    }
    return {std::make_shared<Picture>(std::move(image)), {}};
}
