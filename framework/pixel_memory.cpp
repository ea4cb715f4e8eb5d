// AllocateImage: small images come from Qt, big ones from an anonymous mapping aligned to 2 MB and
// marked for huge pages, handed to the QImage with a cleanup function that unmaps it.
#include "framework/pixel_memory.h"

#include <sys/mman.h>

#include <cstring>
#include <limits>

namespace {

constexpr size_t kHugePage = size_t(2) << 20;
// Below this, the mapping and its alignment cost more than they save.
constexpr size_t kOwnMemoryFrom = size_t(4) << 20;
int64_t imageByteLimit = int64_t(1) << 40;

struct Mapping {
    void* start;
    size_t length;
};

void Unmap(void* info) {
    auto* mapping = static_cast<Mapping*>(info);
    munmap(mapping->start, mapping->length);
    delete mapping;
}

// An anonymous mapping of at least `size` bytes whose start is aligned to a huge page; nullptr if none.
Mapping* MapAligned(size_t size) {
    const size_t length = (size + kHugePage - 1) / kHugePage * kHugePage;
    void* raw = mmap(nullptr, length + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) return nullptr;
    const auto base = reinterpret_cast<uintptr_t>(raw);
    const uintptr_t aligned = (base + kHugePage - 1) / kHugePage * kHugePage;
    if (aligned > base) munmap(raw, aligned - base);
    const uintptr_t end = base + length + kHugePage;
    if (end > aligned + length) munmap(reinterpret_cast<void*>(aligned + length), end - (aligned + length));
    madvise(reinterpret_cast<void*>(aligned), length, MADV_HUGEPAGE);
    return new Mapping{reinterpret_cast<void*>(aligned), length};
}

}  // namespace

QImage AllocateImage(int32_t width, int32_t height, QImage::Format format, uint8_t fillByte) {
    if (width <= 0 || height <= 0) return {};
    const int bits = QImage::toPixelFormat(format).bitsPerPixel();
    // Rows are whole 32-bit words, as QImage wants them; rows of big images whole cache lines.
    int64_t bytesPerLine = (int64_t(width) * bits + 31) / 32 * 4;
    if (bytesPerLine * height >= int64_t(kOwnMemoryFrom)) bytesPerLine = (bytesPerLine + 63) / 64 * 64;
    const int64_t size = bytesPerLine * height;
    if (bytesPerLine > std::numeric_limits<int32_t>::max() || size > imageByteLimit) return {};

    if (size_t(size) < kOwnMemoryFrom) {
        QImage image(width, height, format);
        if (image.isNull()) return {};
        std::memset(image.bits(), fillByte, image.sizeInBytes());
        return image;
    }
    Mapping* mapping = MapAligned(size_t(size));
    if (mapping == nullptr) return {};
    // Fresh anonymous memory reads as zero already.
    if (fillByte != 0) std::memset(mapping->start, fillByte, size_t(size));
    return QImage(static_cast<uchar*>(mapping->start), width, height, qsizetype(bytesPerLine), format, Unmap,
                  mapping);
}

void SetImageByteLimit(int64_t bytes) {
    imageByteLimit = bytes;
}
