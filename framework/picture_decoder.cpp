#include "framework/picture_decoder.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include "framework/picture.h"
#include "framework/pixel_memory.h"

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

bool TooLarge(const QSize& size) {
    return size.isValid() && int64_t(size.width()) * size.height() > kMaxPicturePixels;
}

// A reader that turns pictures as their EXIF orientation says and refuses decompression bombs.
void Prepare(QImageReader& reader) {
    reader.setAutoTransform(true);
    reader.setAllocationLimit(kAllocationLimitMB);
}

// The size of the picture as shown, after its EXIF orientation.
QSize ShownSize(QImageReader& reader) {
    QSize size = reader.size();
    if (reader.transformation() & QImageIOHandler::TransformationRotate90) size.transpose();
    return size;
}

// A JPEG file decoded when its pixels are first needed: straight at a reduced scale when it is only
// drawn shrunk, which libjpeg does far faster than a full decode.
class JpegFileSource : public PictureSource {
  public:
    explicit JpegFileSource(QString path) : path_(std::move(path)) {}

    QImage Decode() const override { return Read(QSize()); }

    QImage DecodeForSize(int32_t width, int32_t height) const override { return Read(QSize(width, height)); }

  private:
    QImage Read(QSize scaled) const {
        QImageReader reader(path_);
        Prepare(reader);
        if (scaled.isValid()) {
            // The reader scales before it turns the picture upright.
            if (reader.transformation() & QImageIOHandler::TransformationRotate90) scaled.transpose();
            reader.setScaledSize(scaled);
        }
        QImage image;
        // A full decode goes straight into pixel memory of the layer's own, which big pictures take
        // from huge pages; the reader fills an image of its size and format in place.
        if (!scaled.isValid() && reader.size().isValid())
            image = AllocateImage(reader.size().width(), reader.size().height(), QImage::Format_RGB32, 0);
        if (!reader.read(&image) || image.isNull())
            throw PictureFileFailure(path_.toStdString(), ReadError(reader));
        return image;
    }

    QString path_;
};

}  // namespace

NilObjectException PictureFileFailure(const std::string& path, const std::string& reason) {
    // Built by appending: GCC 12 warns falsely about a literal joined to a std::string here.
    std::string message = "\"";
    message += QFileInfo(QString::fromStdString(path)).fileName().toStdString();
    message += "\" cannot be used: ";
    message += reason;
    message += ".\n(";
    message += path;
    message += ")";
    return NilObjectException(message);
}

DecodedPicture OpenPictureFile(const std::string& path) {
    const QString file = QString::fromStdString(path);
    const QFileInfo info(file);
    if (!info.exists()) return {nullptr, "it does not exist"};
    if (info.isDir()) return {nullptr, "it is a folder"};
    if (!info.isReadable()) return {nullptr, "it cannot be read (permission denied)"};

    QImageReader reader(file);
    Prepare(reader);
    if (!reader.canRead()) return {nullptr, ReadError(reader)};
    const QSize size = ShownSize(reader);
    if (TooLarge(size)) return {nullptr, SizeError(size)};

    // Photographs are decoded when first needed; their header has told their size.
    if (reader.format() == "jpeg" && size.isValid() && !size.isEmpty())
        return {
            std::make_shared<Picture>(size.width(), size.height(), std::make_shared<JpegFileSource>(file)),
            {}};

    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        // The reader refuses pictures beyond its allocation limit with the same error as bad data.
        if (size.isValid() && int64_t(size.width()) * size.height() * 4 > int64_t(kAllocationLimitMB) << 20)
            return {nullptr, SizeError(size)};
        return {nullptr, ReadError(reader)};
    }
    return {std::make_shared<Picture>(std::move(image)), {}};
}
