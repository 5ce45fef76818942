#pragma once

#include "preview/IPreviewSoundDevice.h"
#include "preview/PreviewRun.h"

#include <QElapsedTimer>
#include <QImage>
#include <QMutex>
#include <QRectF>

#include <memory>

// Fixtures for the live preview: a sound card that plays faster than real time, themes of
// still boxes and the picture checks the tests share.
namespace PreviewFixtures {

// What an accelerated sound card has played, shared by the card (on the sound thread) and the test.
struct SoundLog
{
    QMutex lock;
    qint64 written = 0;
    double played = 0.0;
};

// A card that plays rate seconds of sound per second of wall time from a quarter-second buffer.
PreviewSoundDeviceFactory acceleratedSound(double rate, const std::shared_ptr<SoundLog> &log);

extern const QColor backdrop;
extern const QList<QRectF> boxes; // left, centre, right
// Three one-photo scenes showing the slide in the left, centre and right box in turn.
ThemeTemplatePtr threeBoxTheme(int overflow);
// Whether the picture shows a slide (anything but the backdrop) at the centre of box.
bool shows(const QImage &image, const QRectF &box);
// A w x h picture of diagonal colour ramps, so that a misplaced or misscaled slide shows.
QString rampPicture(const QString &folder, const QString &name, int hueShift);
// A run of project over the backdrop colour, from a time on.
PreviewRun runOf(const ProjectPtr &project, const ThemeTemplatePtr &theme, double from = 0.0);
// Mean difference per channel between two pictures of one size, in levels.
double meanDifference(const QImage &a, const QImage &b);

} // namespace PreviewFixtures
