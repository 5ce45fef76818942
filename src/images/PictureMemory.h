#pragma once

#include <QImage>

// Pictures of megabytes made once per scene: memory the kernel maps in 2 MB pages where it can.
// A fresh picture costs a page fault per 4 KB page touched, which on a virtual machine is
// about as slow as the drawing itself; one fault per 2 MB page is not.
class PictureMemory
{
public:
    // Smaller pictures come from the ordinary allocator.
    static constexpr qsizetype LargeBytes = 2 * 1024 * 1024;

    // An uninitialised picture, or a null image when memory runs out.
    static QImage image(int width, int height, QImage::Format format);
    static QImage image(const QSize &size, QImage::Format format) { return image(size.width(), size.height(), format); }
};
