#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <optional>

class QIODevice;

// Whether a picture of this size is past MaxPictureSide or MaxPicturePixels.
bool pictureTooLarge(qint64 width, qint64 height);
// The words that refuse one, for a skin's author.
QString pictureTooLargeReason();

// Why the picture in `device`, of the format Qt's reader recognised ("bmp", "gif", "jpeg",
// "png", "ico", "xbm"...), must not be decoded: "its data ends early", "its data runs past its
// size", "not a picture" or a bound of PictureLoading.h passed, in words for a skin's author. None
// when it may, or when its format is one whose reader refuses such a file itself. `xbmSize` is the
// size an XBM's header gives, unused for other formats. Reads from the start of `device` and
// leaves its position where it was.
std::optional<QString> structureProblem(QIODevice& device, const QByteArray& format, QSize xbmSize);
