#include "framework/jpeg_structure.h"

#include <QIODevice>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// Photos carry a few dozen segments (tables, EXIF, XMP and ICC in chunks) and at most a few dozen scans;
// libjpeg's progressive modes write 10 scans in colour, 6 in grey, 18 for CMYK.
constexpr int kMaxSegments = 1000;
constexpr int kMaxScans = 100;
// Decoding work in coefficient visits: a scan spends on each block of its components about what a walk
// over kBlockVisit coefficients costs, and walks the band of coefficients it codes (a refinement walks
// all of it, whatever its data says; a sequential scan decodes all 64). Per block of the picture, a
// sequential photo costs 128, libjpeg's progressive scripts 420 to 580, and a rich script of 56 scans
// (each component's AC band in six slices, each sent and refined twice) 1471: a file may cost at most
// kMaxVisitsPerBlock, which keeps the worst about as slow as such a rich photo of its size.
constexpr int64_t kBlockVisit = 64;
constexpr int64_t kMaxVisitsPerBlock = 1536;

// The file's bytes from where it stands, read in chunks.
class ByteStream {
  public:
    explicit ByteStream(QIODevice& file) : file_(file) {}

    // The next byte, or -1 at the end.
    int Next() { return at_ < end_ || Fill() ? uint8_t(buffer_[at_++]) : -1; }

    // Moves past the next 0xFF byte; false at the end.
    bool PastNextFF() {
        for (;;) {
            const void* found = std::memchr(buffer_.data() + at_, 0xFF, size_t(end_ - at_));
            if (found) {
                at_ = static_cast<const char*>(found) - buffer_.data() + 1;
                return true;
            }
            if (!Fill()) return false;
        }
    }

    // Appends the next `count` bytes to `bytes`, or skips them when it is null; false at the end.
    bool Take(int64_t count, std::vector<uint8_t>* bytes) {
        while (count > 0) {
            if (at_ == end_ && !Fill()) return false;
            const int64_t n = std::min(count, end_ - at_);
            if (bytes) bytes->insert(bytes->end(), buffer_.data() + at_, buffer_.data() + at_ + n);
            at_ += n;
            count -= n;
        }
        return true;
    }

  private:
    bool Fill() {
        at_ = 0;
        end_ = std::max<qint64>(file_.read(buffer_.data(), qint64(buffer_.size())), 0);
        return end_ > 0;
    }

    QIODevice& file_;
    std::vector<char> buffer_ = std::vector<char>(size_t(1) << 16);
    int64_t at_ = 0, end_ = 0;
};

bool StartOfFrame(int marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

struct Component {
    int id;
    int64_t blocks;  // as an interleaved scan visits them, padded to whole MCUs
};

// The frame's components from a start-of-frame segment's body; none when it is too short to be one.
std::vector<Component> FrameComponents(const std::vector<uint8_t>& sof) {
    if (sof.size() < 6) return {};
    const int64_t height = sof[1] << 8 | sof[2], width = sof[3] << 8 | sof[4];
    const size_t count = std::min<size_t>(sof[5], (sof.size() - 6) / 3);
    int hMax = 1, vMax = 1;
    for (size_t i = 0; i < count; ++i) {
        hMax = std::max(hMax, sof[7 + 3 * i] >> 4);
        vMax = std::max(vMax, sof[7 + 3 * i] & 15);
    }
    const int64_t mcus = (width + 8 * hMax - 1) / (8 * hMax) * ((height + 8 * vMax - 1) / (8 * vMax));
    std::vector<Component> components;
    for (size_t i = 0; i < count; ++i)
        components.push_back({sof[6 + 3 * i], mcus * (sof[7 + 3 * i] >> 4) * (sof[7 + 3 * i] & 15)});
    return components;
}

// The coefficient visits of a scan, from its start-of-scan segment's body: the blocks of its components
// times their cost, whose band is the scan's own in a progressive frame.
int64_t ScanVisits(const std::vector<uint8_t>& sos, const std::vector<Component>& frame, bool progressive) {
    const size_t count = sos.empty() ? 0 : sos[0];
    if (sos.size() < 2 * count + 3) return 0;
    const int band = progressive ? std::clamp(sos[2 * count + 2] - sos[2 * count + 1] + 1, 1, 64) : 64;
    int64_t blocks = 0;
    for (size_t i = 1; i <= count; ++i) {
        const auto c = std::find_if(frame.begin(), frame.end(),
                                    [&](const Component& f) { return f.id == sos[2 * i - 1]; });
        if (c != frame.end()) blocks += c->blocks;
    }
    return blocks * (kBlockVisit + band);
}

}  // namespace

std::string JpegStructureFault(QIODevice& file, bool headerOnly) {
    ByteStream bytes(file);
    if (bytes.Next() != 0xFF || bytes.Next() != 0xD8) return {};
    int segments = 0, scans = 0;
    int64_t visits = 0, budget = 0;
    bool progressive = false;
    std::vector<Component> frame;
    std::vector<uint8_t> body;
    // Like libjpeg, skips whatever lies between markers (entropy-coded data, garbage) by looking for the
    // next 0xFF that a marker follows: FF 00 is a stuffed data byte, FF FF fill, and markers below C0 and
    // the restart markers stand alone without a length. What follows the end of the image (a phone's
    // motion photo carries its video there) is never read.
    while (bytes.PastNextFF()) {
        int marker = bytes.Next();
        while (marker == 0xFF) marker = bytes.Next();
        if (marker < 0 || marker == 0xD8 || marker == 0xD9) break;
        if (marker < 0xC0 || (marker >= 0xD0 && marker <= 0xD7)) continue;
        if (++segments > kMaxSegments)
            return "it has more segments than any photo (over " + std::to_string(kMaxSegments) + ")";
        const int high = bytes.Next(), low = bytes.Next();
        if (low < 0) break;
        const bool firstFrame = StartOfFrame(marker) && frame.empty();
        body.clear();
        if (!bytes.Take(std::max((high << 8 | low) - 2, 0), firstFrame || marker == 0xDA ? &body : nullptr))
            break;
        if (firstFrame) {
            frame = FrameComponents(body);
            progressive = (marker & 3) == 2;
            for (const Component& c : frame) budget += c.blocks * kMaxVisitsPerBlock;
        }
        if (marker != 0xDA) continue;
        if (headerOnly) break;
        if (++scans > kMaxScans)
            return "it has more scans than any photo (over " + std::to_string(kMaxScans) + ")";
        visits += ScanVisits(body, frame, progressive);
        if (visits > budget) return "it has more scans than any photo of its size";
    }
    return {};
}
