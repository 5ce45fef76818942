#include "images/ImageLoading.h"

#include "app/Logging.h"

#include <QImageReader>

namespace {

// Largest intermediate image the scaled load decodes (Qt 6 reader default); beyond it a null image
// instead of gigabytes claimed by one worker (Qt 5's image reader has no allocation limit).
constexpr qint64 maxFullDecodeBytes = 128ll * 1024 * 1024;

void openReader(QImageReader &reader, const QString &path)
{
    reader.setFileName(path);
    reader.setAutoTransform(true);
    if (!reader.canRead()) {
        reader.setDecideFormatFromContent(true);
        reader.setFileName(path);
    }
}

bool swapsSides(QImageIOHandler::Transformations transformation)
{
    return transformation.testFlag(QImageIOHandler::TransformationRotate90);
}

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

bool fitsFullDecode(const QSize &size)
{
    return qint64(size.width()) * size.height() * 4 <= maxFullDecodeBytes;
}

ImageSharedPointer readScaled(QImageReader &reader, QSize stored, int height, int width)
{
    const QSize scaled = coverSize(stored, swapsSides(reader.transformation()), height, width);
    // JPEG decodes at down to an eighth of each side; other formats decode fully before scaling.
    const QByteArray format = reader.format().toLower();
    const bool reducedDecoding = format == "jpeg" || format == "jpg";
    const QSize decoded = reducedDecoding ? QSize((stored.width() + 7) / 8, (stored.height() + 7) / 8) : stored;
    if (!fitsFullDecode(decoded)) {
        qCWarning(lcImages) << "Image too large to decode:" << reader.fileName() << stored;
        return ImageSharedPointer::create();
    }
    reader.setScaledSize(scaled);
    return ImageSharedPointer::create(reader.read());
}

ImageSharedPointer readFullThenScale(QImageReader &reader, int height, int width)
{
    QImage image = reader.read();
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
    if (height <= 0 || width <= 0)
        return ImageSharedPointer::create();
    QImageReader reader;
    openReader(reader, path);
    if (reader.supportsOption(QImageIOHandler::Size)) {
        const QSize stored = reader.size();
        if (stored.width() > 0 && stored.height() > 0)
            return readScaled(reader, stored, height, width);
        return ImageSharedPointer::create();
    }
    if (reader.canRead())
        return readFullThenScale(reader, height, width);
    return ImageSharedPointer::create(path);
}

ImageSharedPointer loadImage(const QString &path)
{
    QImageReader reader;
    openReader(reader, path);
    if (reader.canRead())
        return ImageSharedPointer::create(reader.read());
    return ImageSharedPointer::create(path);
}
