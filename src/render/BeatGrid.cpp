#include "render/BeatGrid.h"

#include <QDateTime>
#include <QFileInfo>

QString BeatGrid::sourceOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    return QStringLiteral("%1:%2").arg(info.size()).arg(info.lastModified().toMSecsSinceEpoch());
}
