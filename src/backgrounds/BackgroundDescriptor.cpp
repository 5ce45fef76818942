#include "backgrounds/BackgroundDescriptor.h"

#include "app/AppConstants.h"

#include <QFileInfo>

BackgroundDescriptor BackgroundDescriptor::ofColor(const QColor &color)
{
    BackgroundDescriptor d;
    d.color = color;
    d.name = color.name();
    return d;
}

BackgroundDescriptor BackgroundDescriptor::ofFile(const QString &path)
{
    BackgroundDescriptor d;
    d.path = path;
    d.name = QFileInfo(path).fileName();
    return d;
}

QString BackgroundDescriptor::pathFor(int resolution) const
{
    if (isColor() || isVideo())
        return resolutionVariantPath(path, resolution);
    if (resolution != 0 && resolution != 2)
        return path;
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    if (suffix.isEmpty())
        return path;
    const QString variant = resolution == 0 ? QStringLiteral("-720p.") : QStringLiteral("-2160p.");
    return path.left(path.size() - suffix.size() - 1) + variant + suffix;
}

QString BackgroundDescriptor::existingPathFor(int resolution) const
{
    const QString variant = pathFor(resolution);
    return QFileInfo::exists(variant) ? variant : path;
}
