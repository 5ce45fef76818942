#include "render/MediaFileInfo.h"
#include "app/AppConstants.h"

#include <QDir>
#include <QTime>

MediaFileInfo::MediaFileInfo(float duration, const QString &artist, const QString &title, const QString &fileName,
                             const QString &path)
    : m_duration(duration)
    , m_artist(artist)
    , m_title(title)
    , m_fileName(fileName)
    , m_path(path)
{
}

QString MediaFileInfo::songName() const
{
    if (!m_title.isEmpty())
        return m_title;
    if (!m_fileName.isEmpty())
        return m_fileName;
    return QDir::toNativeSeparators(m_path).split(QDir::separator()).last();
}

QVariantMap MediaFileInfo::description() const
{
    const QTime length = QTime(0, 0).addSecs(int(m_duration));
    const QString &format = m_duration < 3600 ? AppConstants::shortDurationFormat : AppConstants::longDurationFormat;
    return {
        {QStringLiteral("songName"), songName()},
        {QStringLiteral("artistName"), artistName()},
        {QStringLiteral("duration"), length.toString(format)},
    };
}
