#pragma once

#include "project/OutputSettings.h"
#include "project/Slide.h"
#include "render/MediaFileInfo.h"

#include <QList>
#include <QSharedPointer>
#include <QString>
#include <QVector>

// The open project: slides, music and the durations derived from them. Only ProjectPres
// changes it; rendering reads it.
class Project
{
public:
    double effectiveSlideDuration = 5.0; // seconds every common-duration slide lasts (computed)
    double slideDuration = 5.0;          // the user's fixed duration
    bool isDurationFixed = false;
    double totalDuration = 0.0;          // seconds of video, used slides only (computed)
    QString id;                          // saved-project folder name; empty until first saved
    QList<MediaFileInfoPtr> audioTracks; // play order
    QVector<SlidePtr> slides;            // display order, separator excluded
    int usedSlidesNumber = 0;            // slides, from the first, that go into the video (computed)
    OutputSettings output;

    void setAudioTracks(const QList<MediaFileInfoPtr> &tracks);
    void setSlides(const QVector<SlidePtr> &newSlides);
    void setSlideDuration(double seconds);
    void setDurationFixed(bool fixed);
    void setOutputSettings(int quality, const QString &saveDir);

    // Recomputes effectiveSlideDuration, totalDuration and usedSlidesNumber.
    void recompute();
    // Seconds of all music tracks together.
    double musicLength() const;
    // Whether a photo slide's file is there and can be opened; a project opens without the others.
    static bool isReadablePhoto(const QString &path);

private:
    void fitToMusic(double music);
};
using ProjectPtr = QSharedPointer<Project>;
