#include "project/ProjectTexts.h"
#include "app/AppConstants.h"

#include <QCoreApplication>
#include <QTime>

#include <algorithm>

namespace ProjectTexts {

QString timelineText(double totalDuration)
{
    const qint64 seconds = qint64(totalDuration + 0.01);
    if (totalDuration < 3600)
        return QTime(0, 0).addSecs(seconds).toString(AppConstants::shortDurationFormat) + QLatin1Char(' ');
    // Counted by hand: a time of day would wrap a video of a day or more back to 0:00:00.
    return QStringLiteral("%1:%2:%3 ")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

int timelineValue(double totalDuration, double audioTotal)
{
    if (audioTotal > 0)
        // Bounded: a video far longer than its music must not wrap the int round.
        return int(std::clamp(totalDuration / audioTotal * 100, 0.0, 1e6));
    return 100;
}

QString audioTracksText(const QList<MediaFileInfoPtr> &tracks, double audioTotal)
{
    if (tracks.isEmpty())
        return QString();
    const QString length = QTime(0, 0).addSecs(int(audioTotal)).toString(AppConstants::shortDurationFormat);
    if (tracks.size() == 1)
        return tracks.first()->songName() + QStringLiteral(" - ") + length;
    return QString::number(tracks.size()) + QLatin1Char(' ')
        + QCoreApplication::translate("ProjectPres", "Audio Files") + QStringLiteral(" - ") + length;
}

} // namespace ProjectTexts
