// Opening picture files for decoding: regular files only, decided without blocking, a true reason for
// every refusal, and a cap on the bytes a decoder may read, so a file cannot hold the program for long.
#pragma once

#include <QFile>
#include <cstdint>
#include <memory>
#include <string>

// An open picture file whose reads end, as at the end of the file, once Limit() bytes have been read.
class PictureFile : public QFile {
  public:
    void SetLimit(qint64 bytes) { limit_ = bytes; }
    qint64 size() const override;

  protected:
    qint64 readData(char* data, qint64 maxSize) override;

  private:
    qint64 limit_ = 0;
};

// Opens the file at `path`, taken byte for byte; nil when it is no regular file that can be read, with
// `error` saying why ("it is a FIFO (named pipe), not a regular file", "it does not exist", ...).
// The limit starts at PictureReadLimit(0); SetLimit raises it for a file of known size.
std::unique_ptr<PictureFile> OpenRegularFile(const std::string& path, std::string& error);

// The most bytes a decoder may read of a picture of `pixels` pixels: its header and metadata, and more
// than any real encoder spends on that many pixels. A longer file is decoded as if it ended there.
int64_t PictureReadLimit(int64_t pixels);
