#pragma once

#include <QImage>
#include <QString>

#include <algorithm>

// Pictures larger than this on a side, or in all, are refused: by the size their header gives
// before any pixel is decoded, and by the size they come out as once decoded.
inline constexpr int MaxPictureSide = 8192;
inline constexpr qint64 MaxPicturePixels = 32'000'000;

// Files larger than this are refused before anything reads them, as every check and decoder is at
// least linear in the bytes: it holds a whole uncompressed 32-bit BMP of the most pixels allowed,
// 128,000,000 bytes, and its headers.
inline constexpr qint64 MaxPictureBytes = qint64(128) << 20;
static_assert(MaxPictureBytes > MaxPicturePixels * 4 + 1024);

// Each scan of a JPEG is one more pass over all its blocks: a progressive JPEG from common
// encoders has about 10 (6 for grey, up to 18 for CMYK). More are taken up to MaxJpegScans, and
// only while they cost no more than 12 passes over the most pixels allowed: a few times the work
// of decoding any JPEG of that size.
inline constexpr int MaxJpegScans = 32;
inline constexpr qint64 MaxJpegScanPixels = 12 * MaxPicturePixels;

// The scans taken in a JPEG of `pixels` pixels.
constexpr int jpegScansTaken(qint64 pixels)
{
    return int(std::min<qint64>(MaxJpegScans, MaxJpegScanPixels / std::max<qint64>(pixels, 1)));
}

// libpng inflates each of a PNG's compressed texts and its colour profile up to 8,000,000 bytes.
// What they could inflate to in all, each at most 1032 times its bytes (deflate's greatest ratio),
// is taken up to this: an ICC profile and ImageMagick's dozen small texts come far below it.
inline constexpr qint64 MaxPngTextBytes = qint64(32) << 20;

// A picture as decoded, or why it was refused.
struct PictureResult {
    QImage picture;  // null when refused
    // In words for a skin's author, one line starting in lower case, read after the file's name:
    // "missing", "not a picture", "its data ends early"... Empty when the picture loaded.
    QString refusal;

    bool loaded() const { return refusal.isEmpty(); }
};

// Loads a BMP or GIF, or any other format the image plugins read. It is refused when the file is
// missing, not a regular file, unreadable, larger than MaxPictureBytes, not a picture, larger
// than the pixels allowed, cut short (whatever its format), or would cost more decoding work
// than a picture of its size can (more JPEG scans than jpegScansTaken(), compressed data that
// expands past the picture's size).
PictureResult loadPicture(const QString& path);

// The same, from a picture's bytes.
PictureResult pictureFromBytes(const QByteArray& bytes);
