#include "project/ProjectTexts.h"
#include "app/AppConstants.h"

#include <QCoreApplication>
#include <QTime>

namespace ProjectTexts {

QString timelineText(double totalDuration)
{
    const QTime t = QTime(0, 0).addSecs(int(totalDuration + 0.01));
    const QString &format =
        totalDuration < 3600 ? AppConstants::shortDurationFormat : AppConstants::longDurationFormat;
    return t.toString(format) + QLatin1Char(' ');
}

int timelineValue(double totalDuration, double audioTotal)
{
    if (audioTotal > 0)
        return int(totalDuration / audioTotal * 100);
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
