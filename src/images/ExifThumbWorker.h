#pragma once

#include "images/ThumbWorkerBase.h"

// The quick pass: the thumbnail embedded in the photo's EXIF data, framed like the photo and
// cropped to cover the box. A null pointer when the photo has no usable thumbnail.
class ExifThumbWorker : public ThumbWorkerBase
{
    Q_OBJECT

public:
    explicit ExifThumbWorker(const ThumbGeneratorTask &task);

    ImageSharedPointer generateThumb(const ThumbGeneratorTask &task) override;

    // Crops the thumbnail, centred, to the photo's aspect ratio when they differ by over 3 %.
    static QImage cropToPhotoRatio(const QImage &thumb, int pixelX, int pixelY);
};
