#include "FuzzSupport.h"
#include "formats/PictureLoading.h"
#include "skins/Region.h"
#include "skins/cDIBSection.h"

#include <QImage>
#include <QRegion>

#include <cstdint>

namespace {

// Pictures up to this many pixels are also checked pixel by pixel against the outline.
constexpr qint64 FullCheckPixels = 64 * 64;

qint32 colourAt(const quint8* pixel)
{
    return pixel[0] + 256 * pixel[1] + 65536 * pixel[2];
}

// The buffer's layout: bottom-up rows of blue, green, red, padded with zeros to four bytes.
void checkBuffer(const cDIBSection& dib, const QImage& picture)
{
    FUZZ_CHECK(dib.Width() == picture.width() && dib.Height() == picture.height());
    const qint64 stride = dib.BytesPerScanLine();
    FUZZ_CHECK(stride % 4 == 0 && stride >= 3 * qint64(dib.Width())
               && stride < 3 * qint64(dib.Width()) + 4);

    const quint8* bits = dib.DIBSectionBitsPtr();
    const qint32 lastX = dib.Width() - 1;
    const qint32 lastY = dib.Height() - 1;
    for (qint32 storedRow = 0; storedRow <= lastY; ++storedRow) {
        const quint8* row = bits + storedRow * stride;
        for (qint64 pad = 3 * qint64(dib.Width()); pad < stride; ++pad)
            FUZZ_CHECK(row[pad] == 0);
    }
    // Alpha is dropped in the buffer but not by QImage::pixel(), and an index past the colour
    // table has no colour that the two would agree on.
    if (picture.hasAlphaChannel())
        return;
    const bool indexed = picture.format() == QImage::Format_Mono
                         || picture.format() == QImage::Format_MonoLSB
                         || picture.format() == QImage::Format_Indexed8;
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(lastX, 0), QPoint(0, lastY), QPoint(lastX, lastY)}) {
        if (indexed && picture.pixelIndex(corner) >= picture.colorCount())
            continue;
        const quint8* pixel = bits + (lastY - corner.y()) * stride + 3 * corner.x();
        FUZZ_CHECK(colourAt(pixel) == qint32(picture.pixel(corner) & 0xffffff));
    }
}

void checkOutline(const QRegion& outline, const cDIBSection& dib, qint32 transColor)
{
    const qint32 width = dib.Width();
    const qint32 height = dib.Height();
    // Never the rightmost column, never outside the picture.
    FUZZ_CHECK(outline.isEmpty()
               || QRect(0, 0, width - 1, height).contains(outline.boundingRect()));
    if (qint64(width) * height > FullCheckPixels)
        return;

    const quint8* bits = dib.DIBSectionBitsPtr();
    const qint64 stride = dib.BytesPerScanLine();
    for (qint32 y = 0; y < height; ++y) {
        const quint8* row = bits + (height - 1 - y) * stride;
        for (qint32 x = 0; x < width; ++x) {
            const bool opaque = x < width - 1 && colourAt(row + 3 * x) != transColor;
            FUZZ_CHECK(outline.contains(QPoint(x, y)) == opaque);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startFuzzGui();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const PictureResult result = pictureFromBytes(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    // A refusal is one line of words, and nothing else comes with it.
    FUZZ_CHECK(result.loaded() != result.picture.isNull());
    FUZZ_CHECK(!result.refusal.contains(QLatin1Char('\n')));
    if (!result.loaded())
        return 0;
    const QImage& picture = result.picture;
    FUZZ_CHECK(picture.width() <= MaxPictureSide && picture.height() <= MaxPictureSide);
    FUZZ_CHECK(qint64(picture.width()) * picture.height() <= MaxPicturePixels);

    cDIBSection dib;
    dib.CreateFromPicture(picture);
    if (!dib.DIBSectionBitsPtr())
        return 0;
    checkBuffer(dib, picture);

    qint32 transColor = 1;
    Region region;
    region.ScanPicture(picture, transColor);
    const quint8* bottomLeft = dib.DIBSectionBitsPtr();
    FUZZ_CHECK(transColor == colourAt(bottomLeft));
    checkOutline(region.hndRegion(), dib, transColor);
    return 0;
}
