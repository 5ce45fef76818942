#include "images/ImageLoading.h"

#include "app/Logging.h"
#include "images/ImageDecoder.h"

namespace {

// Largest image a thumbnail decodes (Qt 6 reader default): several workers decode at once.
constexpr qint64 maxThumbnailDecodeBytes = 128ll * 1024 * 1024;

// The stored size that, once the file's orientation is applied, covers height x width.
QSize coverSize(QSize stored, bool rotated, int height, int width)
{
    if (rotated)
        std::swap(height, width);
    const qint64 w = stored.width();
    const qint64 h = stored.height();
    const float boxRatio = float(width) / float(height);
    if (boxRatio > float(w) / float(h))
        return QSize(width, int(qMax<qint64>(1, h * width / w)));
    return QSize(int(qMax<qint64>(1, w * height / h)), height);
}

ImageSharedPointer readFullThenScale(ImageDecoder &decoder, int height, int width)
{
    QImage image = decoder.read();
    if (image.isNull())
        return ImageSharedPointer::create();
    const float boxRatio = float(width) / float(height);
    if (boxRatio > float(image.width()) / float(image.height()))
        image = image.scaledToWidth(width, Qt::FastTransformation);
    else
        image = image.scaledToHeight(height, Qt::FastTransformation);
    return ImageSharedPointer::create(image);
}

} // namespace

ImageSharedPointer loadScaledImage(const QString &path, int height, int width)
{
    if (height <= 0 || width <= 0 || ImageDecoder::blocksOnOpen(path))
        return ImageSharedPointer::create();
    ImageDecoder decoder(path, maxThumbnailDecodeBytes);
    if (decoder.tellsSize()) {
        const QSize stored = decoder.storedSize();
        if (stored.width() <= 0 || stored.height() <= 0)
            return ImageSharedPointer::create();
        const QImage image = decoder.read(coverSize(stored, decoder.orientationTurns(), height, width));
        if (decoder.tooLarge())
            qCWarning(lcImages) << "Image too large to decode:" << path << stored;
        return ImageSharedPointer::create(image);
    }
    if (decoder.canRead())
        return readFullThenScale(decoder, height, width);
    return ImageSharedPointer::create(path);
}

ImageSharedPointer loadImage(const QString &path)
{
    if (ImageDecoder::blocksOnOpen(path))
        return ImageSharedPointer::create();
    ImageDecoder decoder(path);
    if (!decoder.canRead())
        return ImageSharedPointer::create(path);
    const QImage image = decoder.read();
    if (decoder.tooLarge())
        qCWarning(lcImages) << "Image too large to decode:" << path << decoder.storedSize();
    return ImageSharedPointer::create(image);
}

QImage coverCropped(const QImage &image, int height, int width)
{
    if (image.width() == width && image.height() == height)
        return image;
    const float sy = float(height) / float(image.height());
    const float sx = float(width) / float(image.width());
    if (sx > sy) {
        const QImage scaled = image.scaledToWidth(width, Qt::SmoothTransformation);
        return scaled.copy(0, (scaled.height() - height) / 2, width, height);
    }
    const QImage scaled = image.scaledToHeight(height, Qt::SmoothTransformation);
    return scaled.copy((scaled.width() - width) / 2, 0, width, height);
}
