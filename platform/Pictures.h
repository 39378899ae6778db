#pragma once

#include <QImage>
#include <QString>

#include <optional>

// Pictures larger than this on a side, or in all, are refused: by the size their header gives
// before any pixel is decoded, and by the size they come out as once decoded.
inline constexpr int MaxPictureSide = 8192;
inline constexpr qint64 MaxPicturePixels = 32'000'000;

// Loads a BMP or GIF (or any other format the image plugins read); nothing when the file is
// missing, not a regular file, unreadable, not a picture, or too large.
std::optional<QImage> loadPicture(const QString& path);

// The same, from a picture's bytes.
std::optional<QImage> pictureFromBytes(const QByteArray& bytes);
