#include "PictureLoading.h"

#include "formats/PictureMemory.h"
#include "formats/PictureWalks.h"
#include "formats/RegularFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>

#include <cstdlib>

namespace {

PictureResult refused(const QString& why)
{
    return {QImage(), why};
}

// A large picture is decoded onto memory mapped for it; a reader that cannot use it takes other.
QImage decode(QImageReader& reader, QSize size)
{
    QImage picture;
    if (qint64(size.width()) * size.height() * 4 >= qint64(MappedPictureBytes))
        picture = pictureOnOwnMemory(size, reader.imageFormat());
    if (!reader.read(&picture))
        return {};
    return picture;
}

PictureResult read(QImageReader& reader, qint64 bytes)
{
    if (bytes > MaxPictureBytes)
        return refused(QCoreApplication::translate("SkinLoader", "larger than %1 MB")
                           .arg(MaxPictureBytes >> 20));
    // Also for a format whose header does not tell the size before decoding.
    reader.setAllocationLimit(int(MaxPicturePixels * 4 / (1024 * 1024)) + 1);
    // Walked before the size is asked for, which reads all that comes before a PNG's pixels,
    // inflating its texts; only an XBM's walk needs it.
    const QByteArray format = reader.format();
    const QSize xbmSize = format == "xbm" ? reader.size() : QSize();
    if (const std::optional<QString> problem = structureProblem(*reader.device(), format, xbmSize))
        return refused(*problem);
    // A top-down BMP reports its height as negative, which makes the size invalid although the
    // picture comes out as tall as the magnitude; an unknown size is -1 by -1.
    const QSize size = reader.size();
    if (pictureTooLarge(std::abs(qint64(size.width())), std::abs(qint64(size.height()))))
        return refused(pictureTooLargeReason());

    QImage picture = decode(reader, size);
    if (picture.isNull())
        return refused(QCoreApplication::translate("SkinLoader", "not a picture"));
    // A GIF reports the size of its first frame, but comes out as large as its logical screen.
    if (pictureTooLarge(picture.width(), picture.height()))
        return refused(pictureTooLargeReason());
    return {std::move(picture), {}};
}

}  // namespace

PictureResult loadPicture(const QString& path)
{
    QFile file;
    if (!openRegularFile(file, path))
        return refused(regularFileProblem(path).value_or(
            QCoreApplication::translate("SkinLoader", "cannot be read")));
    QImageReader reader(&file);
    return read(reader, file.size());
}

PictureResult pictureFromBytes(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    return read(reader, bytes.size());
}
