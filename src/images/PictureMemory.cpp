#include "images/PictureMemory.h"

#include <climits>
#include <cstdint>
#include <limits>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

#ifdef __linux__
constexpr size_t HugePage = 2 * 1024 * 1024;
constexpr size_t SmallPage = 4096;

struct Mapping
{
    void *start;
    size_t length;
};

void unmap(void *info)
{
    auto *mapping = static_cast<Mapping *>(info);
    munmap(mapping->start, mapping->length);
    delete mapping;
}

// length bytes from a 2 MB boundary, so that every whole 2 MB of the picture can be one page.
void *mapAligned(size_t length)
{
    void *raw = mmap(nullptr, length + HugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return nullptr;
    const auto address = reinterpret_cast<uintptr_t>(raw);
    const uintptr_t aligned = (address + HugePage - 1) & ~uintptr_t(HugePage - 1);
    if (aligned > address)
        munmap(raw, aligned - address);
    const size_t tail = address + HugePage - aligned;
    if (tail > 0)
        munmap(reinterpret_cast<void *>(aligned + length), tail);
    // Only a hint: without transparent huge pages the mapping stays one of 4 KB pages.
    madvise(reinterpret_cast<void *>(aligned), length, MADV_HUGEPAGE);
    return reinterpret_cast<void *>(aligned);
}
#endif

} // namespace

QImage PictureMemory::image(int width, int height, QImage::Format format)
{
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    if (width <= 0 || height <= 0 || depth <= 0)
        return QImage(width, height, format);
    const qsizetype bytesPerLine = ((qsizetype(width) * depth + 31) / 32) * 4;
    // No picture of more bytes than an index can count: the product would wrap.
    if (bytesPerLine > std::numeric_limits<qsizetype>::max() / height)
        return QImage();
    const qsizetype bytes = bytesPerLine * height;
#ifdef __linux__
    if (bytes >= LargeBytes && bytesPerLine <= INT_MAX) {
        // Whole 4 KB pages only: the part beyond the last 2 MB boundary stays in small pages
        // rather than rounding every picture up by as much as 2 MB.
        const size_t length = (size_t(bytes) + SmallPage - 1) & ~(SmallPage - 1);
        if (void *start = mapAligned(length))
            return QImage(static_cast<uchar *>(start), width, height, int(bytesPerLine), format, unmap,
                          new Mapping{start, length});
        return QImage();
    }
#endif
    return QImage(width, height, format);
}
