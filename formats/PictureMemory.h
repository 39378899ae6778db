#pragma once

#include <QImage>

#include <cstddef>
#include <memory>

// Memory for the pixels of a picture. From this size on it is mapped afresh for each picture and
// asked of the kernel in huge pages where it allows them: a 100 MB skin is otherwise first touched
// in twenty-five thousand page faults, which on a busy or virtual machine take longer than decoding
// it. Smaller buffers come from the heap, which gives back what the last picture freed, untouched
// by faults again.
inline constexpr std::size_t MappedPictureBytes = std::size_t(32) << 20;

struct PictureMemoryRelease {
    std::size_t mappedBytes = 0;  // 0 for memory from the heap
    void operator()(quint8* memory) const;
};
using PictureMemory = std::unique_ptr<quint8[], PictureMemoryRelease>;

// `bytes` of zeroed memory; null when they cannot be had.
PictureMemory pictureMemory(std::size_t bytes);

// A picture of that size and format on such memory, which it frees with its last copy; null when
// the memory cannot be had.
QImage pictureOnOwnMemory(QSize size, QImage::Format format);
