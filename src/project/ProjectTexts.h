#pragma once

#include "render/MediaFileInfo.h"

#include <QList>
#include <QString>

// The texts the main screen shows about the video length and the music.
namespace ProjectTexts {

// "m:ss " below an hour, "h:mm:ss " from an hour; 0.01 s is added before truncating.
QString timelineText(double totalDuration);
// The video length as a percentage of the music, 100 without music.
int timelineValue(double totalDuration, double audioTotal);
// Empty, "<song> - m:ss" for one track, "<k> Audio Files - m:ss" for several.
QString audioTracksText(const QList<MediaFileInfoPtr> &tracks, double audioTotal);

} // namespace ProjectTexts
