#include "skins/Region.h"

#include "platform/WindowShape.h"
#include "skins/cDIBSection.h"

#include <QRect>
#include <QVector>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

namespace {

// As a transparent colour: take the picture's own bottom-left pixel instead.
constexpr qint32 TransparentFromPicture = 1;

// Blue, green, red bytes as 65536 * red + 256 * green + blue.
qint32 colourAt(const quint8* pixel)
{
    return pixel[0] + 256 * pixel[1] + 65536 * pixel[2];
}

// Rows whose runs are the same as the row above's make one taller rectangle per run: a picture of
// stripes is then a rectangle per stripe, not per stripe and row. The result is what
// QRegion::setRects() takes whole: bands top first, every rectangle of a band of the same height,
// left to right and never touching. Uniting the runs one at a time instead would rework the whole
// region for every run. None when that would take more than MaxOutlineRectangles.
std::optional<QVector<QRect>> outlineRects(const cDIBSection& dib, qint32 transColor)
{
    const qint32 height = dib.Height();
    const qint32 lastColumn = dib.Width() - 1;
    QVector<QRect> rects;
    std::vector<std::pair<qint32, qint32>> band;  // the runs of the band being built
    std::vector<std::pair<qint32, qint32>> runs;  // the runs of the row being read
    qint32 bandTop = 0;
    const auto closeBand = [&](qint32 bottom) {
        if (rects.size() + qsizetype(band.size()) > MaxOutlineRectangles)
            return false;
        for (const auto& [start, end] : band)
            rects.append(QRect(start, bandTop, end - start, bottom - bandTop));
        return true;
    };

    for (qint32 top = 0; top < height; ++top) {
        const quint8* row = dib.DIBSectionBitsPtr() + (height - 1 - top) * dib.BytesPerScanLine();
        runs.clear();
        qint32 x = 0;
        for (;;) {
            while (x < lastColumn && colourAt(row + 3 * x) == transColor)
                ++x;
            const qint32 start = x;
            while (x < lastColumn && colourAt(row + 3 * x) != transColor)
                ++x;
            if (x > start)
                runs.emplace_back(start, x);
            if (x >= lastColumn)
                break;
            ++x;
        }
        if (runs == band)
            continue;
        if (!closeBand(top))
            return std::nullopt;
        band.swap(runs);
        bandTop = top;
    }
    if (!closeBand(height))
        return std::nullopt;
    return rects;
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
Region::Region(Region&&) noexcept = default;
Region& Region::operator=(Region&&) noexcept = default;

void Region::ApplyRgn(QWidget* hWnd) const
{
    if (hWnd)
        setWindowShape(hWnd, m_hndRegion);
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

void Region::ScanPicture(const QImage& picture, qint32& transColor)
{
    m_hndRegion = QRegion();
    m_tooComplex = false;
    if (!ScanDib)
        ScanDib = std::make_unique<cDIBSection>();
    ScanDib->CreateFromPicture(picture);
    const quint8* bits = ScanDib->DIBSectionBitsPtr();
    if (!bits)
        return;
    if (transColor == TransparentFromPicture)
        transColor = colourAt(bits);
    const std::optional<QVector<QRect>> rects = outlineRects(*ScanDib, transColor);
    // The copy is three bytes a pixel of the largest skin: not kept once its outline is made.
    ScanDib->ClearUp();
    m_tooComplex = !rects;
    if (rects)
        m_hndRegion.setRects(rects->constData(), int(rects->size()));
}
