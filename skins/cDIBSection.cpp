#include "skins/cDIBSection.h"

#include <QImage>

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace {

// Every byte offset into a buffer then fits in a qint32, whatever the caller computes with.
constexpr qint64 MaxBufferBytes = std::numeric_limits<qint32>::max();

qint64 scanLineBytes(qint64 width)
{
    return ((width + 1) * 3) & ~qint64(3);
}

}  // namespace

bool cDIBSection::Create(qint32 lWidth, qint32 lHeight)
{
    ClearUp();
    return CreateDIB(lWidth, lHeight);
}

void cDIBSection::CreateFromPicture(const QImage& picThis)
{
    if (!Create(picThis.width(), picThis.height()))
        return;
    if (!copyBlock(picThis, 0, 0, -1, -1))
        ClearUp();
}

qint32 cDIBSection::BytesPerScanLine() const
{
    const qint64 bytes = scanLineBytes(tBitmapInfo.width);
    if (bytes > std::numeric_limits<qint32>::max())
        return 0;
    return qint32(bytes);
}

bool cDIBSection::CreateDIB(qint32 lWidth, qint32 lHeight)
{
    tBitmapInfo = BitmapInfoHeader{};
    tBitmapInfo.size = sizeof(BitmapInfoHeader);
    tBitmapInfo.width = lWidth;
    tBitmapInfo.height = lHeight;
    tBitmapInfo.planes = 1;
    tBitmapInfo.bitCount = 24;

    if (lWidth <= 0 || lHeight <= 0)
        return false;
    const qint64 stride = scanLineBytes(lWidth);
    if (stride > MaxBufferBytes / lHeight)
        return false;
    const qint64 bytes = stride * lHeight;
    tBitmapInfo.sizeImage = quint32(bytes);

    m_bits.reset(new (std::nothrow) quint8[size_t(bytes)]());
    return m_bits != nullptr;
}

bool cDIBSection::copyBlock(const QImage& source, qint32 left, qint32 top, qint32 width,
                            qint32 height)
{
    if (!m_bits)
        return true;

    // Buffer pixel (x, y), counted from the top, takes source pixel (left + x, top + y). 64-bit
    // sums keep a hostile offset from wrapping round into the picture.
    const qint64 wanted = width < 0 ? Width() : width;
    const qint64 wantedRows = height < 0 ? Height() : height;
    const qint64 xBegin = std::max<qint64>(0, -qint64(left));
    const qint64 yBegin = std::max<qint64>(0, -qint64(top));
    const qint64 xEnd = std::min({wanted, qint64(Width()), qint64(source.width()) - left});
    const qint64 yEnd = std::min({wantedRows, qint64(Height()), qint64(source.height()) - top});
    if (xBegin >= xEnd || yBegin >= yEnd)
        return true;

    const QRect block(int(left + xBegin), int(top + yBegin), int(xEnd - xBegin),
                      int(yEnd - yBegin));
    const QImage clipped = block == source.rect() ? source : source.copy(block);
    // Blue, green, red in memory: each source row is then a plain byte copy.
    const QImage pixels = clipped.convertToFormat(QImage::Format_BGR888);
    if (pixels.isNull())
        return false;

    const qint64 stride = BytesPerScanLine();
    const size_t rowBytes = size_t(3 * block.width());
    for (int row = 0; row < block.height(); ++row) {
        const qint64 storedRow = Height() - 1 - (yBegin + row);
        quint8* target = m_bits.get() + storedRow * stride + 3 * xBegin;
        std::memcpy(target, pixels.constScanLine(row), rowBytes);
    }
    return true;
}
