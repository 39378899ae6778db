#include "Pictures.h"

#include <QBuffer>
#include <QImageReader>

static std::optional<QImage> read(QImageReader& reader)
{
    // Also for a format whose header does not tell the size before decoding.
    reader.setAllocationLimit(int(MaxPicturePixels * 4 / (1024 * 1024)) + 1);
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

std::optional<QImage> loadPicture(const QString& path)
{
    QImageReader reader(path);
    return read(reader);
}

std::optional<QImage> pictureFromBytes(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    return read(reader);
}
