#include "images/ImageLoading.h"

#include "app/Logging.h"

#include <algorithm>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <climits>

namespace {

int clampedSide(qint64 side)
{
    return int(std::clamp<qint64>(side, 1, INT_MAX));
}

// The size that, once the orientation is applied, covers height x width. Compared crosswise in
// 64 bits: exact, and no extreme shape overflows (ImageDecoder::fits then refuses it).
QSize coverSize(const QSize &size, bool rotated, int height, int width)
{
    if (rotated)
        std::swap(height, width);
    const qint64 w = size.width();
    const qint64 h = size.height();
    if (qint64(width) * h > qint64(height) * w)
        return QSize(width, clampedSide(h * width / w));
    return QSize(clampedSide(w * height / h), height);
}

bool coverFits(const QString &what, const QSize &source, const QSize &cover)
{
    if (ImageDecoder::fits(cover, ImageDecoder::thumbnailBytes))
        return true;
    qCWarning(lcImages).noquote().nospace() << "Image too large to scale: " << what << " " << source.width() << " x "
                                            << source.height() << " would cover at " << cover.width() << " x "
                                            << cover.height();
    return false;
}

// A format that does not tell its size: decoded whole (the decoder measures it), then scaled.
QImage readFullThenScale(ImageDecoder &decoder, const QString &path, int height, int width)
{
    const QImage image = decoder.read();
    if (image.isNull())
        return image;
    const QSize cover = coverSize(image.size(), false, height, width);
    if (!coverFits(path, image.size(), cover))
        return QImage();
    return image.scaled(cover, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

ImageSharedPointer loadScaledImage(const QString &path, int height, int width)
{
    if (height <= 0 || width <= 0 || ImageDecoder::blocksOnOpen(path))
        return ImageSharedPointer::create();
    ImageDecoder decoder(path, ImageDecoder::thumbnailBytes);
    if (!decoder.canRead())
        return ImageSharedPointer::create();
    if (!decoder.tellsSize())
        return ImageSharedPointer::create(readFullThenScale(decoder, path, height, width));
    const QSize stored = decoder.storedSize();
    if (stored.isEmpty())
        return ImageSharedPointer::create();
    return ImageSharedPointer::create(decoder.read(coverSize(stored, decoder.orientationTurns(), height, width)));
}

ImageSharedPointer loadImage(const QString &path, qint64 maxBytes)
{
    if (ImageDecoder::blocksOnOpen(path))
        return ImageSharedPointer::create();
    ImageDecoder decoder(path, maxBytes);
    return ImageSharedPointer::create(decoder.canRead() ? decoder.read() : QImage());
}

QImage coverCropped(const QImage &image, int height, int width, const QString &source)
{
    if (image.isNull() || height <= 0 || width <= 0)
        return QImage();
    if (image.width() == width && image.height() == height)
        return image;
    const QSize cover = coverSize(image.size(), false, height, width);
    if (!coverFits(source.isEmpty() ? QStringLiteral("picture") : source, image.size(), cover))
        return QImage();
    const QImage scaled = image.scaled(cover, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return scaled.copy((scaled.width() - width) / 2, (scaled.height() - height) / 2, width, height);
}

QString unreadableReason(const QString &path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QCoreApplication::translate("ImageLoading", "not found");
    if (!info.isFile())
        return QCoreApplication::translate("ImageLoading", "not a regular file");
    if (info.size() == 0)
        return QCoreApplication::translate("ImageLoading", "empty file");
    if (QFile file(path); !file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("ImageLoading", "cannot be opened");
    const ImageDecoder decoder(path, maxBytes);
    if (!decoder.canRead())
        return QCoreApplication::translate("ImageLoading", "not a picture");
    const QSize stored = decoder.storedSize();
    if (decoder.tellsSize() && stored.isEmpty())
        return QCoreApplication::translate("ImageLoading", "damaged picture");
    if (decoder.tellsSize() && !ImageDecoder::fits(decoder.smallestDecodedSize(), maxBytes))
        return QCoreApplication::translate("ImageLoading", "too large: %1 x %2").arg(stored.width()).arg(stored.height());
    return QString();
}
