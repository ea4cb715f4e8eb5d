#include "framework/picture_decoder.h"

#include <QImage>
#include <QImageReader>
#include <limits>

#include "framework/jpeg_structure.h"
#include "framework/picture.h"
#include "framework/picture_file.h"
#include "framework/pixel_memory.h"
#include "framework/shown_name.h"

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

int64_t Pixels(const QSize& size) {
    return size.isValid() ? int64_t(size.width()) * size.height() : 0;
}

// The picture's size as its header tells it; a BMP stored top-down tells its height as negative.
QSize HeaderSize(QImageReader& reader) {
    QSize size = reader.size();
    if (size.height() < 0 && size.height() > std::numeric_limits<int>::min()) size.setHeight(-size.height());
    return size;
}

// The format the reader decodes into; asked only of a header that told a size, since Qt's PNG reader
// answers with an uninitialised value for a broken one.
QImage::Format DecodeFormat(QImageReader& reader) {
    if (!HeaderSize(reader).isValid()) return QImage::Format_Invalid;
    const QImage::Format format = reader.imageFormat();
    return format > QImage::Format_Invalid && format < QImage::NImageFormats ? format
                                                                             : QImage::Format_Invalid;
}

// Too many pixels, or more bytes than the reader may allocate in the format it decodes into.
bool TooLarge(const QSize& size, QImage::Format format) {
    const int64_t bytesPerPixel =
        format == QImage::Format_Invalid ? 4 : std::max(1, QImage::toPixelFormat(format).bitsPerPixel() / 8);
    return Pixels(size) > kMaxPicturePixels || Pixels(size) * bytesPerPixel > int64_t(kAllocationLimitMB)
                                                                                  << 20;
}

// A reader that turns pictures as their EXIF orientation says and refuses decompression bombs.
void Prepare(QImageReader& reader) {
    reader.setAutoTransform(true);
    reader.setAllocationLimit(kAllocationLimitMB);
}

// The size of the picture as shown, after its EXIF orientation.
QSize ShownSize(QImageReader& reader) {
    QSize size = HeaderSize(reader);
    if (reader.transformation() & QImageIOHandler::TransformationRotate90) size.transpose();
    return size;
}

// Why the file's structure must not reach the decoder, or "" when it may; leaves the file at its start.
// A header read needs only the part before the first scan walked, a decode the whole file.
std::string StructureFault(PictureFile& file, bool headerOnly) {
    const std::string fault = JpegStructureFault(file, headerOnly);
    return !fault.empty() ? fault : file.seek(0) ? "" : "it cannot be read";
}

// The largest size at least `wanted` that libjpeg decodes at 1/2, 1/4 or 1/8 scale with nothing left for
// Qt to scale: Qt's own scaling of a JPEG reads past the rows libjpeg wrote (uninitialised memory).
// Qt picks the scale from the smaller of the two integer ratios, rounded down to a power of two.
QSize ExactReduction(const QSize& full, const QSize& wanted) {
    for (int d = 8; d > 1; d /= 2) {
        const QSize reduced((full.width() + d - 1) / d, (full.height() + d - 1) / d);
        const int ratio = std::min(full.width() / reduced.width(), full.height() / reduced.height());
        if (reduced.width() >= wanted.width() && reduced.height() >= wanted.height() && ratio >= d &&
            ratio < 2 * d)
            return reduced;
    }
    return full;
}

// A JPEG file decoded when its pixels are first needed: straight at a reduced scale when it is only
// drawn shrunk, which libjpeg does far faster than a full decode.
class JpegFileSource : public PictureSource {
  public:
    JpegFileSource(std::string path, QSize size) : path_(std::move(path)), size_(size) {}

    QImage Decode() const override { return Read(QSize()); }

    QImage DecodeForSize(int32_t width, int32_t height) const override { return Read(QSize(width, height)); }

  private:
    QImage Read(QSize scaled) const {
        std::string error;
        const std::unique_ptr<PictureFile> file = OpenRegularFile(path_, error);
        if (!file) throw PictureFileFailure(path_, error);
        file->SetLimit(PictureReadLimit(Pixels(size_)));
        error = StructureFault(*file, false);
        if (!error.empty()) throw PictureFileFailure(path_, error);
        // Only a JPEG is read here: a file swapped for another kind since its header was read is not
        // handed to that kind's decoder, which makes a picture of its own format.
        if (file->peek(2) != "\xff\xd8")
            throw PictureFileFailure(path_, "it changed while it was being read (it is no longer a JPEG)");
        QImageReader reader(file.get(), "jpeg");
        reader.setAutoDetectImageFormat(false);
        Prepare(reader);
        if (scaled.isValid()) {
            // The reader scales before it turns the picture upright.
            if (reader.transformation() & QImageIOHandler::TransformationRotate90) scaled.transpose();
            reader.setScaledSize(ExactReduction(reader.size(), scaled));
        }
        QImage image;
        // A full decode goes straight into pixel memory of the layer's own, which big pictures take
        // from huge pages; the reader fills an image of its size and format in place.
        if (!scaled.isValid() && reader.size().isValid())
            image = AllocateImage(reader.size().width(), reader.size().height(), QImage::Format_RGB32, 0);
        if (!reader.read(&image) || image.isNull()) throw PictureFileFailure(path_, ReadError(reader));
        if (!scaled.isValid() && image.size() != size_)
            throw PictureFileFailure(path_, "it changed size while it was being read");
        return image;
    }

    std::string path_;
    QSize size_;  // as the header told it when the file was opened
};

// Reads the picture into an image of its size and format whose bytes are all `fill` to begin with, so
// that what a damaged file leaves unwritten holds `fill`, not leftover memory.
bool ReadFilled(QImageReader& reader, QImage& image, uint8_t fill) {
    const QSize size = HeaderSize(reader);
    const QImage::Format format = DecodeFormat(reader);
    if (format != QImage::Format_Invalid) image = AllocateImage(size.width(), size.height(), format, fill);
    return reader.read(&image) && !image.isNull();
}

bool Indexed(QImage::Format format) {
    return format == QImage::Format_Mono || format == QImage::Format_MonoLSB ||
           format == QImage::Format_Indexed8;
}

// The one colour of pixels that a damaged file leaves unwritten or that lie past its palette.
constexpr QRgb kUnreadColor = qRgb(0, 0, 0);

// A picture of 32-bit pixels, each from `file` or kUnreadColor. Other formats are filled with zero
// bytes, which read as black; an indexed picture is read twice from the same open file, into images
// filled with index 0 and with the last index: pixels where the two differ were never written.
QImage ReadAs32Bit(PictureFile& file, QImageReader& reader, std::string& error) {
    QImage image;
    if (!ReadFilled(reader, image, 0x00)) return {};
    if (!Indexed(image.format())) return image.convertToFormat(QImage::Format_RGB32);

    if (!file.seek(0)) return {};
    QImageReader second(&file);
    Prepare(second);
    QImage other;
    if (!ReadFilled(second, other, 0xFF) || other.size() != image.size()) {
        error = "it changed while it was being read";
        return {};
    }
    // Indices as bytes, and a full table whose entries past the file's palette are kUnreadColor. The
    // table is the file's own: converting a 1-bit picture would complete a short one with white.
    QList<QRgb> table = image.colorTable();
    QImage first = image.convertToFormat(QImage::Format_Indexed8);
    other = other.convertToFormat(QImage::Format_Indexed8);
    table.resize(256, kUnreadColor);
    first.setColorTable(table);
    QImage result = first.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < result.height(); ++y) {
        const uchar* a = first.constScanLine(y);
        const uchar* b = other.constScanLine(y);
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if (a[x] != b[x]) out[x] = kUnreadColor;
    }
    return result;
}

// PICT pictures, which the open-file dialog offers, have no reader here. Their version opcode follows
// the picture's size and frame, after a 512-byte header or without one.
bool IsPict(PictureFile& file) {
    for (const qint64 start : {512, 0}) {
        if (!file.seek(start + 10)) continue;
        const QByteArray opcode = file.read(4);
        if (opcode == QByteArray::fromHex("001102ff") || opcode.startsWith(QByteArray::fromHex("1101")))
            return true;
    }
    return false;
}

}  // namespace

NilObjectException PictureFileFailure(const std::string& path, const std::string& reason) {
    std::string message = QuotedName(path);
    message += " cannot be used: ";
    message += reason;
    message += ".\n(";
    message += ShownName(path);
    message += ")";
    return NilObjectException(message);
}

DecodedPicture OpenPictureFile(const std::string& path) {
    std::string error;
    const std::unique_ptr<PictureFile> file = OpenRegularFile(path, error);
    if (!file) return {nullptr, error};
    error = StructureFault(*file, true);
    if (!error.empty()) return {nullptr, error};

    QImageReader reader(file.get());
    Prepare(reader);
    if (!reader.canRead())
        return {nullptr,
                IsPict(*file) ? "it is a PICT picture, which this program cannot read" : ReadError(reader)};
    const QSize size = ShownSize(reader);
    if (TooLarge(size, DecodeFormat(reader))) return {nullptr, SizeError(size)};
    file->SetLimit(PictureReadLimit(Pixels(size)));

    // Photographs are decoded when first needed; their header has told their size.
    if (reader.format() == "jpeg" && size.isValid() && !size.isEmpty())
        return {std::make_shared<Picture>(size.width(), size.height(),
                                          std::make_shared<JpegFileSource>(path, size)),
                {}};

    QImage image = ReadAs32Bit(*file, reader, error);
    if (image.isNull()) return {nullptr, error.empty() ? ReadError(reader) : error};
    return {std::make_shared<Picture>(std::move(image)), {}};
}
