#pragma once

#include "formats/PictureMemory.h"

#include <QtGlobal>

class QImage;

// A picture held as a 24-bit pixel buffer whose bytes can be read directly.
//
// Layout of the buffer: Height() rows of BytesPerScanLine() bytes, rows stored bottom-up (the
// first row in memory is the picture's bottom row). Pixel x of a row takes bytes 3x, 3x + 1 and
// 3x + 2: blue, green, red. The bytes after 3 * Width() up to the end of the row are padding and
// hold zero.
//
// Empty after construction and after ClearUp(); holds a buffer after a successful Create() until
// the next Create(), ClearUp() or its end.
class cDIBSection {
public:
    cDIBSection() = default;

    cDIBSection(const cDIBSection&) = delete;
    cDIBSection& operator=(const cDIBSection&) = delete;

    // Frees whatever is held, then makes a zeroed buffer of lWidth x lHeight pixels. False, and
    // empty, when a side is not positive, the buffer would exceed 2^31 - 1 bytes or the memory
    // cannot be had; Width() and Height() then still give the size asked for.
    bool Create(qint32 lWidth, qint32 lHeight);

    // Create() with the picture's size, then copies all of its pixels in at 24 bits (alpha is
    // dropped, not blended). Reports nothing: when the picture is empty or the copy fails,
    // DIBSectionBitsPtr() is null afterwards.
    void CreateFromPicture(const QImage& picThis);

    // Bytes per stored row: 3 * Width() rounded up to a multiple of 4. 0 when that does not fit
    // in 32 bits.
    qint32 BytesPerScanLine() const;

    // The size last asked for, in pixels, whether or not a buffer is held.
    qint32 Width() const { return tBitmapInfo.width; }
    qint32 Height() const { return tBitmapInfo.height; }

    // The first byte of the buffer, nullptr while empty.
    const quint8* DIBSectionBitsPtr() const { return m_bits.get(); }

    // Frees the buffer. The size is kept, so Width(), Height() and BytesPerScanLine() still
    // describe the last size asked for.
    void ClearUp() { m_bits.reset(); }

private:
    // What the bitmap info header describes that is ever read back: the size asked for.
    struct BitmapInfoHeader {
        qint32 width = 0;
        qint32 height = 0;  // positive: rows stored bottom-up
    };

    // Describes lWidth x lHeight at 24 bits in tBitmapInfo and allocates the zeroed buffer.
    bool CreateDIB(qint32 lWidth, qint32 lHeight);

    PictureMemory m_bits;
    BitmapInfoHeader tBitmapInfo;
};
