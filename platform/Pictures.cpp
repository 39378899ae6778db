#include "Pictures.h"

#include "platform/RegularFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <cstdlib>

// Qt's BMP and GIF readers hand back whatever they decoded before the data ran out, without an
// error, so a cut-off file would load with the rest of its pixels never written. These walk the
// file's own structure instead: it must hold every byte its headers promise. What they do not
// understand is left to the reader to accept or refuse.

static bool bmpIsWhole(QIODevice& device)
{
    const QByteArray head = device.read(38);
    if (head.size() < 26)
        return false;
    const auto u16 = [&](int at) { return qint64(qFromLittleEndian<quint16>(head.data() + at)); };
    const auto i32 = [&](int at) { return qint64(qFromLittleEndian<qint32>(head.data() + at)); };
    const qint64 dataStart = qFromLittleEndian<quint32>(head.data() + 10);
    const qint64 infoSize = i32(14);

    qint64 width = 0, height = 0, bitCount = 0, compression = 0, dataSize = 0;
    if (infoSize == 12) {
        width = u16(18);
        height = u16(20);
        bitCount = u16(24);
    } else if (infoSize >= 40 && head.size() == 38) {
        width = i32(18);
        height = std::abs(i32(22));
        bitCount = u16(28);
        compression = i32(30);
        dataSize = qFromLittleEndian<quint32>(head.data() + 34);
    } else {
        return true;
    }
    if (width <= 0 || width > MaxPictureSide || height > MaxPictureSide || bitCount > 32)
        return true;

    enum { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };
    if (compression == Rgb || compression == BitFields || compression == AlphaBitFields)
        dataSize = (width * bitCount + 31) / 32 * 4 * height;
    else if (compression != Rle8 && compression != Rle4)
        return true;
    return device.size() >= dataStart + dataSize;
}

static bool gifIsWhole(QIODevice& device)
{
    const auto byte = [&] {
        char c;
        return device.getChar(&c) ? int(quint8(c)) : -1;
    };
    const auto skip = [&](qint64 n) { return device.skip(n) == n; };
    const auto colourTable = [&](int flags) {
        return !(flags & 0x80) || skip(3 << ((flags & 7) + 1));
    };
    const auto subBlocks = [&] {
        for (int n = byte(); n != 0; n = byte())
            if (n < 0 || !skip(n))
                return false;
        return true;
    };

    const QByteArray screen = device.read(13);
    if (screen.size() < 13 || !colourTable(quint8(screen[10])))
        return false;
    bool imageSeen = false;
    for (;;) {
        switch (byte()) {
        case 0x3B:  // trailer
            return true;
        case -1:  // some writers leave the trailer out; an image that came whole is enough
            return imageSeen;
        case 0x21:  // extension: its label, then its data
            if (byte() < 0 || !subBlocks())
                return false;
            break;
        case 0x2C: {  // image: its descriptor, colours, code size and data
            const QByteArray descriptor = device.read(9);
            if (descriptor.size() < 9 || !colourTable(quint8(descriptor[8])) || byte() < 0
                || !subBlocks())
                return false;
            imageSeen = true;
            break;
        }
        default:
            return false;
        }
    }
}

// Reads from the start of `device` and leaves its position where it was.
static bool holdsWholePicture(QIODevice& device, const QByteArray& format)
{
    bool (*check)(QIODevice&) = nullptr;
    if (format == "bmp")
        check = bmpIsWhole;
    else if (format == "gif")
        check = gifIsWhole;
    if (!check || !device.isOpen() || device.isSequential())
        return true;
    const qint64 position = device.pos();
    const bool whole = device.seek(0) && check(device);
    device.seek(position);
    return whole;
}

static bool tooLarge(qint64 width, qint64 height)
{
    return width > MaxPictureSide || height > MaxPictureSide || width * height > MaxPicturePixels;
}

static std::optional<QImage> read(QImageReader& reader)
{
    // Also for a format whose header does not tell the size before decoding.
    reader.setAllocationLimit(int(MaxPicturePixels * 4 / (1024 * 1024)) + 1);
    // A top-down BMP reports its height as negative, which makes the size invalid although the
    // picture comes out as tall as the magnitude; an unknown size is -1 by -1.
    const QSize size = reader.size();
    if (tooLarge(std::abs(qint64(size.width())), std::abs(qint64(size.height()))))
        return std::nullopt;
    if (!holdsWholePicture(*reader.device(), reader.format()))
        return std::nullopt;

    QImage picture = reader.read();
    // A GIF reports the size of its first frame, but comes out as large as its logical screen.
    if (picture.isNull() || tooLarge(picture.width(), picture.height()))
        return std::nullopt;
    return picture;
}

std::optional<QImage> loadPicture(const QString& path)
{
    QFile file;
    if (!openRegularFile(file, path))
        return std::nullopt;
    QImageReader reader(&file);
    return read(reader);
}

std::optional<QImage> pictureFromBytes(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    return read(reader);
}
