#include "skins/cDIBSection.h"

#include <QImage>

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
    // Blue, green, red in memory: each picture row is then a plain byte copy.
    const QImage pixels = picThis.convertToFormat(QImage::Format_BGR888);
    if (pixels.isNull()) {
        ClearUp();
        return;
    }
    const qint64 stride = BytesPerScanLine();
    const size_t rowBytes = size_t(3) * size_t(Width());
    for (qint32 row = 0; row < Height(); ++row)
        std::memcpy(m_bits.get() + (Height() - 1 - row) * stride, pixels.constScanLine(row),
                    rowBytes);
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
    tBitmapInfo = {lWidth, lHeight};

    if (lWidth <= 0 || lHeight <= 0)
        return false;
    const qint64 stride = scanLineBytes(lWidth);
    if (stride > MaxBufferBytes / lHeight)
        return false;
    const qint64 bytes = stride * lHeight;

    m_bits.reset(new (std::nothrow) quint8[size_t(bytes)]());
    return m_bits != nullptr;
}
