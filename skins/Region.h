#pragma once

#include <QRegion>
#include <QtGlobal>

#include <memory>

class QImage;
class QWidget;
class cDIBSection;

// A window outline made from a picture: every pixel that does not have the transparent colour
// belongs to it, every pixel of that colour is cut away.
//
// Colours are compared as 65536 * red + 256 * green + blue.
class Region {
public:
    Region();
    ~Region();

    Region(const Region&) = delete;
    Region& operator=(const Region&) = delete;
    Region(Region&&) noexcept;
    Region& operator=(Region&&) noexcept;

    // The outline in pixels, origin at the picture's top-left pixel until OffsetHeader() moves
    // it; empty until the first ScanPicture().
    QRegion hndRegion() const { return m_hndRegion; }

    // Gives hWnd a copy of hndRegion() as its outline and has it redrawn. Later changes to
    // hndRegion() leave the window alone until the next call. A null hWnd is ignored.
    void ApplyRgn(QWidget* hWnd) const;

    // Replaces hndRegion() with the outline of `picture`. A transColor of 1 takes the transparent
    // colour from the picture's bottom-left pixel and writes it back into transColor; any other
    // value is the transparent colour itself.
    //
    // Each row is cut into runs of non-transparent pixels, and the rightmost column is only ever
    // a stopping point: it is never part of the outline, so a picture one pixel wide has an
    // empty one. A picture that gives no pixels (empty, or too large to copy) gives an empty
    // outline and leaves transColor as it was.
    //
    // Rows alike are merged into taller rectangles. An outline that would still take more than
    // MaxOutlineRectangles rectangles is not built: hndRegion() is then empty and tooComplex()
    // true.
    //
    // The 24-bit copy it reads the pixels from is freed again before it returns.
    void ScanPicture(const QImage& picture, qint32& transColor);

    // True when the last ScanPicture() found the picture's outline too complex to give a window.
    bool tooComplex() const { return m_tooComplex; }

    // Lines the outline up with the client area of a framed window: with the frame's extra size
    // in pixels (frameGeometry() less geometry()), moves hndRegion() right by dx = extra width / 2
    // (a half rounded to the even neighbour) and down by extra height - dx. A frameless window
    // (Qt::FramelessWindowHint) or a null tmpForm: nothing. Kept in the play window's steps as
    // the design gives them, though the window it gets there is always frameless.
    void OffsetHeader(const QWidget* tmpForm);

private:
    QRegion m_hndRegion;
    bool m_tooComplex = false;
    std::unique_ptr<cDIBSection> ScanDib;
};
