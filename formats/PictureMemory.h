#pragma once

#include <QImage>

#include <cstddef>
#include <memory>

// Memory for the pixels of a large picture, asked of the kernel in huge pages where it allows
// them. A 100 MB skin is otherwise first touched in twenty-five thousand page faults, which on a
// busy or virtual machine take longer than decoding it.
struct PictureMemoryRelease {
    std::size_t bytes = 0;
    void operator()(quint8* memory) const;
};
using PictureMemory = std::unique_ptr<quint8[], PictureMemoryRelease>;

// `bytes` of zeroed memory; null when they cannot be had.
PictureMemory pictureMemory(std::size_t bytes);

// A picture of that size and format on such memory, which it frees with its last copy; null when
// the memory cannot be had.
QImage pictureOnOwnMemory(QSize size, QImage::Format format);
