#include "PictureWalks.h"

#include "formats/PictureLoading.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QScopeGuard>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <zlib.h>

// Qt's readers hand back whatever they decoded before the data ran out, without an error, from a
// cut-off BMP, GIF, JPEG or XBM; and the GIF, JPEG and PNG readers work through all the data a
// file holds, which can cost far more than decoding a picture of its size. The walks below follow
// each such file's own structure instead: it must hold every byte its headers promise, and no
// more work than its size takes. What they do not understand is left to the reader to refuse.

namespace {

using Problem = std::optional<QString>;

QString endsEarly()
{
    return QCoreApplication::translate("SkinLoader", "its data ends early");
}

QString runsPast()
{
    return QCoreApplication::translate("SkinLoader", "its data runs past its size");
}

QString notAPicture()
{
    return QCoreApplication::translate("SkinLoader", "not a picture");
}

// Reads a device forward in chunks, for walks that pass over most of a file's bytes.
class ByteWalk {
public:
    explicit ByteWalk(QIODevice& device)
        : m_device(device)
    {}

    // The next byte, or -1 at the end.
    int next()
    {
        if (m_at == m_chunk.size() && !refill())
            return -1;
        return quint8(m_chunk[m_at++]);
    }

    // Up to `count` of the next bytes: none only at the end.
    QByteArrayView take(qint64 count)
    {
        if (m_at == m_chunk.size() && !refill())
            return {};
        const qsizetype taken = qsizetype(std::min<qint64>(count, m_chunk.size() - m_at));
        m_at += taken;
        return QByteArrayView(m_chunk).sliced(m_at - taken, taken);
    }

    // `count` bytes, fewer only at the end.
    QByteArray read(qsizetype count)
    {
        QByteArray bytes;
        while (bytes.size() < count) {
            const QByteArrayView part = take(count - bytes.size());
            if (part.isEmpty())
                break;
            bytes.append(part);
        }
        return bytes;
    }

    // False when the data ends first.
    bool skip(qint64 count)
    {
        const qint64 held = std::min<qint64>(count, m_chunk.size() - m_at);
        m_at += held;
        count -= held;
        return count == 0 || m_device.skip(count) == count;
    }

    // Passes over the bytes up to and including the next `byte`; false when there is none.
    bool skipPast(char byte)
    {
        for (;;) {
            const char* from = m_chunk.constData() + m_at;
            if (const void* found = std::memchr(from, byte, size_t(m_chunk.size() - m_at))) {
                m_at += static_cast<const char*>(found) - from + 1;
                return true;
            }
            if (!refill())
                return false;
        }
    }

private:
    bool refill()
    {
        m_chunk = m_device.read(64 * 1024);
        m_at = 0;
        return !m_chunk.isEmpty();
    }

    QIODevice& m_device;
    QByteArray m_chunk;
    qsizetype m_at = 0;
};

Problem bmpProblem(QIODevice& device)
{
    const QByteArray head = device.read(38);
    if (head.size() < 26)
        return endsEarly();
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
        return std::nullopt;
    }
    // Qt's reader refuses some sizes too large before it tells them.
    if (pictureTooLarge(width, height))
        return pictureTooLargeReason();
    if (width <= 0 || bitCount > 32)
        return std::nullopt;

    enum { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };
    if (compression == Rgb || compression == BitFields || compression == AlphaBitFields)
        dataSize = (width * bitCount + 31) / 32 * 4 * height;
    else if (compression != Rle8 && compression != Rle4)
        return std::nullopt;
    return device.size() >= dataStart + dataSize ? Problem() : endsEarly();
}

// Passes over GIF sub-blocks up to the empty one that ends them.
bool passSubBlocks(ByteWalk& walk)
{
    for (int size = walk.next(); size != 0; size = walk.next())
        if (size < 0 || !walk.skip(size))
            return false;
    return true;
}

// Qt's decoder works through every code of a GIF's first image, however many pixels they give
// past its frame. This counts them as it does: one for the first code after a clear, then each
// its table entry's length, one more than the entry before it, up to the end code.
Problem lzwProblem(ByteWalk& walk, qint64 pixelsAllowed)
{
    const int rootBits = walk.next();
    if (rootBits < 0)
        return endsEarly();
    if (rootBits > 11)
        return notAPicture();
    constexpr int TableSize = 4096;
    const int clear = 1 << rootBits;
    std::array<qint32, TableSize> length;
    length.fill(1);
    int codeBits = rootBits + 1, next = clear + 2, nextWider = 2 * clear, previous = -1;
    quint32 held = 0;
    int heldBits = 0;
    qint64 pixels = 0;
    for (int size = walk.next(); size != 0; size = walk.next()) {
        for (int left = size; left > 0; --left) {
            const int byte = walk.next();
            if (byte < 0)
                return endsEarly();
            held |= quint32(byte) << heldBits;
            for (heldBits += 8; heldBits >= codeBits;) {
                const int code = int(held & ((1u << codeBits) - 1));
                held >>= codeBits;
                heldBits -= codeBits;
                if (code == clear + 1)
                    return walk.skip(left - 1) && passSubBlocks(walk) ? Problem() : endsEarly();
                if (code == clear) {
                    codeBits = rootBits + 1;
                    nextWider = 2 * clear;
                    next = clear + 2;
                    previous = -1;
                    continue;
                }
                // A code after a clear is a root, and none is past the next entry.
                if (previous < 0 ? code > clear : code > next)
                    return notAPicture();
                const qint32 entry = previous < 0 ? 0 : length[previous] + 1;
                pixels += previous < 0 ? 1 : code == next ? entry : length[code];
                if (pixels > pixelsAllowed)
                    return runsPast();
                if (previous >= 0 && next < TableSize) {
                    length[next++] = entry;
                    if (next >= nextWider && nextWider < TableSize) {
                        nextWider *= 2;
                        ++codeBits;
                    }
                }
                previous = code;
            }
        }
        if (size < 0)
            return endsEarly();
    }
    return std::nullopt;
}

Problem gifProblem(QIODevice& device)
{
    ByteWalk walk(device);
    const auto colourTable = [&](int flags) {
        return !(flags & 0x80) || walk.skip(3 << ((flags & 7) + 1));
    };

    const QByteArray screen = walk.read(13);
    if (screen.size() < 13 || !colourTable(quint8(screen[10])))
        return endsEarly();
    bool imageSeen = false;
    for (;;) {
        switch (walk.next()) {
        case 0x3B:  // trailer
            return std::nullopt;
        case -1:  // some writers leave the trailer out; an image that came whole is enough
            return imageSeen ? Problem() : endsEarly();
        case 0x21:  // extension: its label, then its data
            if (walk.next() < 0 || !passSubBlocks(walk))
                return endsEarly();
            break;
        case 0x2C: {  // image: its descriptor, colours, code size and data
            const QByteArray descriptor = walk.read(9);
            if (descriptor.size() < 9 || !colourTable(quint8(descriptor[8])))
                return endsEarly();
            const auto u16 = [&](int at) {
                return qint64(qFromLittleEndian<quint16>(descriptor.data() + at));
            };
            // Only the first image is decoded.
            if (imageSeen) {
                if (walk.next() < 0 || !passSubBlocks(walk))
                    return endsEarly();
            } else if (const Problem problem =
                           lzwProblem(walk, std::min(u16(4) * u16(6), MaxPicturePixels))) {
                return problem;
            }
            imageSeen = true;
            break;
        }
        default:
            return notAPicture();
        }
    }
}

// libjpeg takes a marker to be 0xFF, any more 0xFF as fill, then a byte other than 0x00, wherever
// it stands, and passes over the bytes between two; so does this walk. In a scan's data 0xFF00 is
// a stuffed byte and RST0 to RST7 are restarts, so a scan runs up to the next other marker.
Problem jpegProblem(QIODevice& device)
{
    enum : int {
        Tem = 0x01,
        Dht = 0xC4,
        Jpg = 0xC8,
        Dac = 0xCC,
        Rst0 = 0xD0,
        Rst7 = 0xD7,
        Soi = 0xD8,
        Eoi = 0xD9,
        Sos = 0xDA,
    };
    ByteWalk walk(device);
    int scans = 0;
    qint64 pixels = 0;
    for (;;) {
        int marker = walk.skipPast('\xFF') ? walk.next() : -1;
        while (marker == 0xFF)
            marker = walk.next();
        if (marker < 0)
            return endsEarly();
        const bool standalone =
            marker == Tem || (marker >= Rst0 && marker <= Rst7) || marker == Soi;
        if (marker == 0x00 || standalone)
            continue;
        if (marker == Eoi)  // what follows, such as a camera's thumbnail, is never read
            break;
        const int high = walk.next();
        const int low = walk.next();
        if (low < 0)
            return endsEarly();
        qint64 length = std::max(high * 256 + low - 2, 0);
        // A frame's header: its precision, then its height and width.
        const bool frame =
            marker >= 0xC0 && marker <= 0xCF && marker != Dht && marker != Jpg && marker != Dac;
        if (frame && length >= 5) {
            const QByteArray header = walk.read(5);
            if (header.size() < 5)
                return endsEarly();
            pixels = qint64(qFromBigEndian<quint16>(header.data() + 1))
                     * qFromBigEndian<quint16>(header.data() + 3);
            length -= 5;
        }
        if (!walk.skip(length))
            return endsEarly();
        scans += marker == Sos;
    }
    if (scans > jpegScansTaken(pixels))
        return QCoreApplication::translate("SkinLoader",
                                           "a JPEG of %1 scans, more than the %2 taken at its size")
            .arg(scans)
            .arg(jpegScansTaken(pixels));
    return std::nullopt;
}

// The bytes a PNG's image data inflates to: a filter byte and the packed pixels of each row, of
// the picture or, interlaced, of each of Adam7's seven passes.
qint64 pngDataSize(qint64 width, qint64 height, int bitsPerPixel, bool interlaced)
{
    const auto rows = [&](qint64 across, qint64 down) {
        return across > 0 && down > 0 ? down * (1 + (across * bitsPerPixel + 7) / 8) : 0;
    };
    if (!interlaced)
        return rows(width, height);
    // Where each pass starts across and down, and its steps.
    constexpr int Passes[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                  {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    qint64 size = 0;
    for (const auto& [x, y, dx, dy] : Passes)
        size += rows((width - x + dx - 1) / dx, (height - y + dy - 1) / dy);
    return size;
}

// Inflates the input `stream` holds, up to the end of the compressed stream, which sets `ended`.
// Data that inflates past `dataSize` bytes in all, or is no zlib stream, is refused.
Problem inflateHeld(z_stream& stream, qint64 dataSize, bool& ended)
{
    std::array<Bytef, 16 * 1024> inflated;
    while (stream.avail_in > 0 && !ended) {
        stream.next_out = inflated.data();
        stream.avail_out = uInt(inflated.size());
        const int status = inflate(&stream, Z_NO_FLUSH);
        if (qint64(stream.total_out) > dataSize)
            return runsPast();
        if (status != Z_OK && status != Z_STREAM_END)
            return notAPicture();
        ended = status == Z_STREAM_END;
    }
    return std::nullopt;
}

// Walks a PNG's chunks from just past its signature. libpng inflates all the image data there
// is, past what the picture takes, and each compressed text or colour profile up to 8 MB.
Problem pngProblem(ByteWalk& walk)
{
    const QByteArray header = walk.read(8 + 13 + 4);
    if (header.size() < 25)
        return endsEarly();
    const auto u32 = [](const QByteArray& bytes, int at) {
        return qint64(qFromBigEndian<quint32>(bytes.data() + at));
    };
    constexpr int Channels[7] = {1, 0, 3, 1, 2, 0, 4};  // by colour type
    const int colourType = quint8(header[17]);
    if (header.mid(4, 4) != "IHDR" || colourType > 6 || Channels[colourType] == 0)
        return notAPicture();
    if (pictureTooLarge(u32(header, 8), u32(header, 12)))
        return pictureTooLargeReason();
    const qint64 dataSize = pngDataSize(u32(header, 8), u32(header, 12),
                                        quint8(header[16]) * Channels[colourType], header[20] != 0);

    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return notAPicture();
    const auto cleanUp = qScopeGuard([&] { inflateEnd(&stream); });
    bool streamEnded = false;
    qint64 textBytes = 0;
    for (;;) {
        const QByteArray chunk = walk.read(8);
        if (chunk.size() < 8)
            return endsEarly();
        const QByteArray type = chunk.mid(4);
        if (type == "IEND")
            break;
        qint64 left = u32(chunk, 0);
        if (type == "zTXt" || type == "iTXt" || type == "iCCP")
            textBytes += std::min<qint64>(8'000'000, left * 1032);
        while (type == "IDAT" && !streamEnded && left > 0) {
            const QByteArrayView piece = walk.take(left);
            if (piece.isEmpty())
                return endsEarly();
            left -= piece.size();
            stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(piece.data()));
            stream.avail_in = uInt(piece.size());
            if (const Problem problem = inflateHeld(stream, dataSize, streamEnded))
                return problem;
        }
        if (!walk.skip(left + 4))  // the rest of the chunk, and its CRC
            return endsEarly();
    }
    if (qint64(stream.total_out) < dataSize)
        return endsEarly();
    if (textBytes > MaxPngTextBytes)
        return QCoreApplication::translate(
                   "SkinLoader", "a PNG whose compressed texts could inflate to more than %1 MB")
            .arg(MaxPngTextBytes >> 20);
    return std::nullopt;
}

// Qt reads an icon or cursor as the first picture its directory lists, a BMP or a PNG.
Problem icoProblem(QIODevice& device)
{
    const QByteArray directory = device.read(6 + 16);
    if (directory.size() < 22)
        return endsEarly();
    const qint64 first = qFromLittleEndian<quint32>(directory.data() + 18);
    if (first >= device.size() || !device.seek(first))
        return endsEarly();
    ByteWalk walk(device);
    return walk.read(8) == "\x89PNG\r\n\x1a\n" ? pngProblem(walk) : std::nullopt;
}

// Qt's reader takes a "0x" value for each 8 pixels of a row, and pads out what is missing.
Problem xbmProblem(QIODevice& device, QSize size)
{
    const qint64 values = qint64(size.height()) * ((size.width() + 7) / 8);
    ByteWalk walk(device);
    if (!walk.skipPast('{'))
        return endsEarly();
    qint64 found = 0;
    for (int before = 0, c = walk.next(); found < values; before = c, c = walk.next()) {
        if (c < 0)
            return endsEarly();
        found += before == '0' && c == 'x';
    }
    return std::nullopt;
}

}  // namespace

bool pictureTooLarge(qint64 width, qint64 height)
{
    return width > MaxPictureSide || height > MaxPictureSide || width * height > MaxPicturePixels;
}

QString pictureTooLargeReason()
{
    return QCoreApplication::translate("SkinLoader", "larger than %1 pixels a side or %2 in all")
        .arg(MaxPictureSide)
        .arg(MaxPicturePixels);
}

std::optional<QString> structureProblem(QIODevice& device, const QByteArray& format, QSize xbmSize)
{
    if (!device.isOpen() || device.isSequential())
        return std::nullopt;
    const qint64 position = device.pos();
    Problem problem;
    if (!device.seek(0)) {
        problem = notAPicture();
    } else if (format == "bmp") {
        problem = bmpProblem(device);
    } else if (format == "gif") {
        problem = gifProblem(device);
    } else if (format == "jpeg" || format == "jpg") {
        problem = jpegProblem(device);
    } else if (format == "png") {
        ByteWalk walk(device);
        problem = walk.skip(8) ? pngProblem(walk) : endsEarly();
    } else if (format == "ico" || format == "cur") {
        problem = icoProblem(device);
    } else if (format == "xbm") {
        problem = xbmProblem(device, xbmSize);
    }
    device.seek(position);
    return problem;
}
