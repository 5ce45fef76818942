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

QString MediaFileInfo::lengthText(double seconds)
{
    const QString &format = seconds < 3600 ? AppConstants::shortDurationFormat : AppConstants::longDurationFormat;
    return QTime(0, 0).addSecs(int(seconds)).toString(format);
}

QVariantMap MediaFileInfo::description() const
{
    return {
        {QStringLiteral("songName"), songName()},
        {QStringLiteral("artistName"), artistName()},
        {QStringLiteral("duration"), lengthText(m_duration)},
    };
}
