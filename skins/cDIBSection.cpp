#include "skins/cDIBSection.h"

#include <QImage>

#include <limits>

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
    // Read as 32-bit pixels, which a decoded bitmap mostly is already: no second copy of a large
    // picture on the way. Alpha is dropped, not blended.
    const bool direct =
        picThis.format() == QImage::Format_RGB32 || picThis.format() == QImage::Format_ARGB32;
    const QImage pixels = direct ? picThis : picThis.convertToFormat(QImage::Format_ARGB32);
    if (pixels.isNull()) {
        ClearUp();
        return;
    }
    const qint64 stride = BytesPerScanLine();
    for (qint32 row = 0; row < Height(); ++row) {
        const auto* in = reinterpret_cast<const QRgb*>(pixels.constScanLine(row));
        quint8* out = m_bits.get() + (Height() - 1 - row) * stride;
        for (qint32 x = 0; x < Width(); ++x, out += 3) {
            out[0] = quint8(qBlue(in[x]));
            out[1] = quint8(qGreen(in[x]));
            out[2] = quint8(qRed(in[x]));
        }
    }
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

    m_bits = pictureMemory(size_t(bytes));
    return m_bits != nullptr;
}
