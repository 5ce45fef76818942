#include "images/PrjImgProvider.h"

#include "app/AppConstants.h"
#include "app/AppPaths.h"
#include "images/ImageLoading.h"

#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>
#include <QUuid>

namespace {

// Saved thumbnails are 120 x 120; a file claiming far more is not one of ours (a picture bomb).
constexpr qint64 savedThumbnailBytes = 4ll * 1024 * 1024;

// Written on the main thread, read on the engine's loader thread.
QMutex aliasMutex;
QMap<QString, QPair<QString, int>> aliasTable;

// A folder part that could leave projectsDir ("..", "", separators) names no project.
bool isPlainFolderName(const QString &folder)
{
    return !folder.isEmpty() && folder != QLatin1String(".") && folder != QLatin1String("..")
           && !folder.contains(QLatin1Char('/')) && !folder.contains(QLatin1Char('\\'));
}

} // namespace

PrjImgProvider::PrjImgProvider()
    : QQuickImageProvider(QQuickImageProvider::Image)
{
}

PrjImgProvider::~PrjImgProvider() = default;

QString PrjImgProvider::addProjectThumbAlias(const QString &folder, int n)
{
    const QString name = QUuid::createUuid().toString();
    QMutexLocker locker(&aliasMutex);
    aliasTable.insert(name, qMakePair(folder, n));
    return name;
}

QPair<QString, int> PrjImgProvider::alias(const QString &name)
{
    QMutexLocker locker(&aliasMutex);
    return aliasTable.value(name, qMakePair(QString(), 0));
}

QString PrjImgProvider::thumbnailPath(const QString &id)
{
    const QStringList parts = id.split(QLatin1Char('/'), Qt::KeepEmptyParts);
    QString first = parts.value(0);
    first.replace(QLatin1String("%7B"), QLatin1String("{")).replace(QLatin1String("%7D"), QLatin1String("}"));
    QString folder;
    QString number;
    if (parts.size() == 2) {
        folder = first;
        number = parts.at(1);
    } else if (parts.size() == 1) {
        const QPair<QString, int> pair = alias(first);
        folder = pair.first;
        number = QString::number(pair.second);
    }
    if (!isPlainFolderName(folder) || number.contains(QLatin1Char('\\')))
        return QString();
    return QDir(AppPaths::projectsDir).filePath(folder + QLatin1Char('/') + thumbFileName(number));
}

QImage PrjImgProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    Q_UNUSED(requestedSize)
    const QString path = thumbnailPath(id);
    QImage image;
    if (!path.isEmpty() && QFileInfo(path).isFile())
        image = *loadImage(path, savedThumbnailBytes);
    if (size)
        *size = image.size();
    return image;
}
