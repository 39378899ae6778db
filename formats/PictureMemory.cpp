#include "PictureMemory.h"

#include <new>
#include <sys/mman.h>

void PictureMemoryRelease::operator()(quint8* memory) const
{
    if (!memory)
        return;
    if (mappedBytes)
        munmap(memory, mappedBytes);
    else
        delete[] memory;
}

PictureMemory pictureMemory(std::size_t bytes)
{
    if (bytes == 0)
        return {};
    if (bytes < MappedPictureBytes)
        return PictureMemory(new (std::nothrow) quint8[bytes](), {});
    // Anonymous memory comes zeroed. Without huge pages it is only slower to touch.
    void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return {};
    madvise(memory, bytes, MADV_HUGEPAGE);
    return PictureMemory(static_cast<quint8*>(memory), PictureMemoryRelease{bytes});
}

QImage pictureOnOwnMemory(QSize size, QImage::Format format)
{
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    if (size.isEmpty() || depth == 0)
        return {};
    const qsizetype bytesPerLine = (qsizetype(size.width()) * depth + 31) / 32 * 4;
    const std::size_t bytes = std::size_t(bytesPerLine) * std::size_t(size.height());
    PictureMemory memory = pictureMemory(bytes);
    if (!memory)
        return {};
    auto* owner = new PictureMemory(std::move(memory));
    QImage picture(
        owner->get(), size.width(), size.height(), bytesPerLine, format,
        [](void* held) { delete static_cast<PictureMemory*>(held); }, owner);
    if (picture.isNull())
        delete owner;
    return picture;
}
