#include "project/ProjectThumbnails.h"

#include "app/AppConstants.h"
#include "images/ImageLoading.h"
#include "project/AtomicFile.h"
#include "theme/TextPicture.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QTransform>

namespace ProjectThumbnails {

namespace {
constexpr int longestText = 20;
constexpr float textBoxFraction = 0.8f;
} // namespace

QString fileIn(const QDir &folder, int n)
{
    return folder.filePath(thumbFileName(QString::number(n)));
}

QImage fromPhoto(const QImage &image, int rotation)
{
    // coverCropped refuses (null) a shape too extreme to cover the square.
    QImage square = coverCropped(image, side, side);
    const int quarters = ((rotation % 4) + 4) % 4;
    if (quarters != 0 && !square.isNull())
        square = square.transformed(QTransform().rotate(90.0 * quarters));
    return square;
}

QString shortenedText(const QString &text)
{
    if (text.size() <= longestText)
        return text;
    return text.left(longestText).trimmed() + QStringLiteral("...");
}

QImage fromText(const QString &text)
{
    float pointSize = 0;
    const QImage picture = renderTextPicture(side, side, shortenedText(text), QGuiApplication::font(),
                                             QColor(51, 51, 51), textBoxFraction, textBoxFraction, pointSize);
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(QColor(194, 208, 223));
    {
        QPainter painter(&image);
        painter.drawImage(0, 0, picture);
    }
    return image;
}

bool save(const QImage &image, const QString &path)
{
    return !image.isNull()
           && writeFileAtomically(path, [&image](QIODevice &device) { return image.save(&device, "PNG"); });
}

} // namespace ProjectThumbnails
