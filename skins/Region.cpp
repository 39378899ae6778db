#include "skins/Region.h"

#include "platform/WindowShape.h"
#include "skins/cDIBSection.h"

#include <QImage>
#include <QRect>
#include <QVector>
#include <QWidget>

namespace {

// As a transparent colour: take the picture's own bottom-left pixel instead.
constexpr qint32 TransparentFromPicture = 1;

// Blue, green, red bytes as 65536 * red + 256 * green + blue.
qint32 colourAt(const quint8* pixel)
{
    return pixel[0] + 256 * pixel[1] + 65536 * pixel[2];
}

// n / 2 with a half going to the even neighbour: 3 -> 2, 5 -> 2, 7 -> 4, -1 -> 0.
int halveToEven(int n)
{
    const int floorHalf = n >> 1;
    if (n % 2 == 0 || floorHalf % 2 == 0)
        return floorHalf;
    return floorHalf + 1;
}

}  // namespace

Region::Region() = default;

Region::~Region() = default;

QRegion Region::hndRegion() const
{
    return m_hndRegion;
}

void Region::setHndRegion(const QRegion& region)
{
    m_hndRegion = region;
}

void Region::ApplyRgn(QWidget* hWnd) const
{
    if (!hWnd)
        return;
    setWindowShape(hWnd, m_hndRegion);
}

void Region::ScanPicture(const QImage& picture, qint32& transColor)
{
    m_hndRegion = QRegion();
    if (!ScanDib)
        ScanDib = std::make_unique<cDIBSection>();
    ScanDib->CreateFromPicture(picture);
    const quint8* bits = ScanDib->DIBSectionBitsPtr();
    if (!bits)
        return;

    const qint32 width = ScanDib->Width();
    const qint32 height = ScanDib->Height();
    const qsizetype stride = ScanDib->BytesPerScanLine();
    const qint32 lastColumn = width - 1;

    if (transColor == TransparentFromPicture)
        transColor = colourAt(bits);

    // QRegion::setRects() takes the runs whole when they come top row first, left to right and
    // never touching within a row. Uniting them one at a time would rework the whole region for
    // every run above those already held, which in stored (bottom-up) order is every run.
    QVector<QRect> runs;
    for (qint32 top = 0; top < height; ++top) {
        const quint8* row = bits + (height - 1 - top) * stride;
        qint32 x = 0;
        for (;;) {
            while (x < lastColumn && colourAt(row + 3 * x) == transColor)
                ++x;
            const qint32 start = x;
            while (x < lastColumn && colourAt(row + 3 * x) != transColor)
                ++x;
            if (x > start)
                runs.append(QRect(start, top, x - start, 1));
            if (x >= lastColumn)
                break;
            ++x;
        }
    }
    m_hndRegion.setRects(runs.constData(), int(runs.size()));
}

void Region::OffsetHeader(const QWidget* tmpForm)
{
    if (!tmpForm || tmpForm->windowFlags().testFlag(Qt::FramelessWindowHint))
        return;
    const QSize frame = tmpForm->frameGeometry().size();
    const QSize client = tmpForm->geometry().size();
    const int dx = halveToEven(frame.width() - client.width());
    const int dy = frame.height() - client.height() - dx;
    m_hndRegion.translate(dx, dy);
}
