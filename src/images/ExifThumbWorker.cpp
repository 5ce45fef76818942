#include "images/ExifThumbWorker.h"
#include "images/ImageLoading.h"

#include "images/ExifHeader.h"

#include <cmath>

ExifThumbWorker::ExifThumbWorker(const ThumbGeneratorTask &task)
    : ThumbWorkerBase(task)
{
}

ImageSharedPointer ExifThumbWorker::generateThumb(const ThumbGeneratorTask &task)
{
    if (task.height <= 0 || task.width <= 0)
        return ImageSharedPointer();
    const ExifHeader header(task.path);
    QImage thumb = header.thumbnail();
    if (thumb.width() == 0)
        return ImageSharedPointer();
    const int pixelX = header.exifValue(ExifHeader::PixelXDimensionTag).toInteger();
    const int pixelY = header.exifValue(ExifHeader::PixelYDimensionTag).toInteger();
    if (pixelX != 0)
        thumb = cropToPhotoRatio(thumb, pixelX, pixelY);
    thumb = coverCropped(thumb, task.height, task.width, task.path);
    if (thumb.isNull())
        return ImageSharedPointer();
    return ImageSharedPointer::create(thumb);
}

QImage ExifThumbWorker::cropToPhotoRatio(const QImage &thumb, int pixelX, int pixelY)
{
    const float fullRatio = float(pixelY) / float(pixelX);
    const float thumbRatio = float(thumb.height()) / float(thumb.width());
    // A photo ratio of 0 or a corrupt one far off would crop to nothing; keep the thumbnail then.
    if (!(fullRatio > 0.0f) || !std::isfinite(fullRatio) || std::fabs(fullRatio / thumbRatio - 1.0f) <= 0.03f)
        return thumb;
    if (fullRatio > thumbRatio) {
        const int newWidth = int(float(thumb.height()) / fullRatio);
        if (newWidth <= 0)
            return thumb;
        return thumb.copy((thumb.width() - newWidth) / 2, 0, newWidth, thumb.height());
    }
    const int newHeight = int(float(thumb.width()) * fullRatio);
    if (newHeight <= 0)
        return thumb;
    return thumb.copy(0, (thumb.height() - newHeight) / 2, thumb.width(), newHeight);
}
