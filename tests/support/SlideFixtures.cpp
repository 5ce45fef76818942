#include "support/SlideFixtures.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

bool makeImageFile(const QString &path, const QColor &colour, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    // Qt writes no GIF, and odd suffixes name no format: such fixtures are PNG inside.
    const QString suffix = QFileInfo(path).suffix().toLower();
    const char *format = suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg") ? "JPG" : "PNG";
    return image.save(path, format);
}

QStringList makeImageFiles(const QString &folder, int count, const QString &prefix)
{
    QStringList paths;
    for (int n = 0; n < count; ++n) {
        const QString path = QDir(folder).filePath(QStringLiteral("%1%2.png").arg(prefix).arg(n));
        if (makeImageFile(path, QColor::fromHsv(n * 30 % 360, 200, 200)))
            paths.append(path);
    }
    return paths;
}

QString describeSlides(const QVector<SlidePtr> &slides)
{
    QStringList parts;
    for (const SlidePtr &s : slides)
        parts.append(QStringLiteral("%1:%2:%3:%4:%5")
                         .arg(s->type)
                         .arg(s->durationType)
                         .arg(s->duration)
                         .arg(s->rotation)
                         .arg(s->content));
    return parts.join(QLatin1Char('|'));
}
