#include "Pictures.h"

#include <QImageReader>

std::optional<QImage> loadPicture(const QString& path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid()
        && (size.width() > MaxPictureSide || size.height() > MaxPictureSide
            || qint64(size.width()) * size.height() > MaxPicturePixels))
        return std::nullopt;

    QImage picture = reader.read();
    if (picture.isNull())
        return std::nullopt;
    return picture;
}
