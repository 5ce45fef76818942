#include "images/ImageDecoder.h"

#include "images/PictureMemory.h"

#include <QFileInfo>
#include <QtMath>

bool ImageDecoder::blocksOnOpen(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

// Such a path reads as no picture.
static QString regularFileOrNothing(const QString &path)
{
    return ImageDecoder::blocksOnOpen(path) ? QString() : path;
}

ImageDecoder::ImageDecoder(const QString &path, qint64 maxBytes)
    : m_reader(regularFileOrNothing(path))
    , m_maxBytes(maxBytes)
{
    m_reader.setAutoTransform(true);
    if (!m_reader.canRead()) {
        m_reader.setDecideFormatFromContent(true);
        m_reader.setFileName(regularFileOrNothing(path));
    }
}

bool ImageDecoder::orientationTurns() const
{
    return m_reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
}

bool ImageDecoder::reducedDecoding() const
{
    const QByteArray format = m_reader.format().toLower();
    return format == "jpeg" || format == "jpg";
}

// The size the decoder allocates: the JPEG reader decodes at M/8 of each side, the smallest M that
// still covers the requested size; other formats decode fully before scaling.
QSize ImageDecoder::decodedSize(const QSize &scaledSize) const
{
    const QSize stored = storedSize();
    if (scaledSize.isEmpty() || !reducedDecoding())
        return stored;
    const double f = qMin(double(stored.width()) / scaledSize.width(), double(stored.height()) / scaledSize.height());
    const int eighths = qBound(1, qCeil(8 / f), 8);
    return QSize(int((qint64(stored.width()) * eighths + 7) / 8), int((qint64(stored.height()) * eighths + 7) / 8));
}

QImage ImageDecoder::read(const QSize &scaledSize)
{
    if (tellsSize() && storedSize().isValid()) {
        const QSize decoded = decodedSize(scaledSize);
        m_tooLarge = qint64(decoded.width()) * decoded.height() * 4 > m_maxBytes;
        if (m_tooLarge)
            return QImage();
    }
    if (!scaledSize.isEmpty())
        m_reader.setScaledSize(scaledSize);
    // The reader decodes into a picture of the right size and format instead of allocating one.
    QImage image = preallocated(scaledSize.isEmpty() ? storedSize() : scaledSize);
    if (!m_reader.read(&image))
        return QImage();
    return image;
}

QImage ImageDecoder::preallocated(const QSize &size) const
{
    const QImage::Format format = m_reader.imageFormat();
    if (!tellsSize() || size.isEmpty() || format == QImage::Format_Invalid)
        return QImage();
    return PictureMemory::image(size, format);
}
