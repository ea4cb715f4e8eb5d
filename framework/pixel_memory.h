// Pixel memory for new pictures: big pictures get memory of their own, on huge pages where the system
// offers them, so that the first touch of their pages costs little.
#pragma once

#include <QImage>
#include <cstdint>

// A width x height image of `format` with every byte set to `fillByte`; a null image when the size is
// 0 or negative or the memory cannot be had.
QImage AllocateImage(int32_t width, int32_t height, QImage::Format format, uint8_t fillByte);
// The most bytes one image may take (1 TB); tests lower it to play out memory running out.
void SetImageByteLimit(int64_t bytes);
