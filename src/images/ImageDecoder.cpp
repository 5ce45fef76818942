#include "images/ImageDecoder.h"

#include "app/Logging.h"
#include "images/PictureMemory.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 bytesPerPixel = 4;

QString sizeText(const QSize &size)
{
    return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
}

// Such a path reads as no picture.
QString regularFileOrNothing(const QString &path)
{
    return ImageDecoder::blocksOnOpen(path) ? QString() : path;
}

} // namespace

bool ImageDecoder::blocksOnOpen(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

bool ImageDecoder::fits(const QSize &size, qint64 maxBytes)
{
    return fits(size.width(), size.height(), maxBytes);
}

// Divided rather than multiplied, so that no pair of sides overflows.
bool ImageDecoder::fits(qint64 width, qint64 height, qint64 maxBytes)
{
    return width > 0 && height > 0 && width <= maxBytes / bytesPerPixel / height;
}

ImageDecoder::ImageDecoder(const QString &path, qint64 maxBytes)
    : m_reader(regularFileOrNothing(path))
    , m_path(path)
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

QSize ImageDecoder::smallestDecodedSize() const
{
    const QSize stored = storedSize();
    if (!reducedDecoding() || stored.isEmpty())
        return stored;
    return QSize(int((qint64(stored.width()) + 7) / 8), int((qint64(stored.height()) + 7) / 8));
}

// The size the decoder allocates: the JPEG reader decodes at M/8 of each side, the smallest M that
// still covers the requested size; other formats decode fully before scaling.
QSize ImageDecoder::decodedSize(const QSize &scaledSize) const
{
    const QSize stored = storedSize();
    if (scaledSize.isEmpty() || stored.isEmpty() || !reducedDecoding())
        return stored;
    const double f = std::min(double(stored.width()) / scaledSize.width(), double(stored.height()) / scaledSize.height());
    const int eighths = int(std::clamp(std::ceil(8 / f), 1.0, 8.0));
    return QSize(int((qint64(stored.width()) * eighths + 7) / 8), int((qint64(stored.height()) * eighths + 7) / 8));
}

QImage ImageDecoder::read(const QSize &scaledSize)
{
    m_tooLarge = false;
    const QSize stored = tellsSize() ? storedSize() : QSize();
    if (stored.isValid() && stored.isEmpty())
        return QImage();
    // What the reader allocates: the picture it decodes, then the one it scales that to.
    const QSize decoded = stored.isValid() ? decodedSize(scaledSize) : QSize();
    if ((decoded.isValid() && !fits(decoded, m_maxBytes)) || (!scaledSize.isEmpty() && !fits(scaledSize, m_maxBytes)))
        return refused(decoded, scaledSize);
    if (!scaledSize.isEmpty())
        m_reader.setScaledSize(scaledSize);
    // The reader decodes into a picture of the right size and format instead of allocating one.
    QImage image = preallocated(scaledSize.isEmpty() ? stored : scaledSize);
    if (!m_reader.read(&image))
        return QImage();
    // A format that does not tell its size is measured once decoded: nothing larger goes further.
    if (!image.isNull() && !fits(image.size(), m_maxBytes))
        return refused(image.size(), scaledSize);
    return image;
}

QImage ImageDecoder::refused(const QSize &decoded, const QSize &scaled)
{
    m_tooLarge = true;
    QStringList sizes{QStringLiteral("stored ") + sizeText(storedSize())};
    if (decoded.isValid())
        sizes << QStringLiteral("decoded ") + sizeText(decoded);
    if (!scaled.isEmpty())
        sizes << QStringLiteral("scaled ") + sizeText(scaled);
    sizes << QStringLiteral("cap %1 MB").arg(m_maxBytes / (1024 * 1024));
    qCWarning(lcImages).noquote() << "Image too large to decode:" << m_path
                                  << QStringLiteral("(%1)").arg(sizes.join(QStringLiteral(", ")));
    return QImage();
}

QImage ImageDecoder::preallocated(const QSize &size) const
{
    const QImage::Format format = m_reader.imageFormat();
    if (!tellsSize() || size.isEmpty() || format == QImage::Format_Invalid)
        return QImage();
    return PictureMemory::image(size, format);
}
