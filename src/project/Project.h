#pragma once

#include "project/BeatFit.h"
#include "project/OutputSettings.h"
#include "project/Slide.h"
#include "render/MediaFileInfo.h"

#include <QList>
#include <QSharedPointer>
#include <QString>
#include <QStringList>
#include <QVector>

class Project;
using ProjectPtr = QSharedPointer<Project>;

// The open project: slides, music and the durations derived from them. Only ProjectPres
// changes it; rendering reads it.
class Project
{
public:
    double effectiveSlideDuration = 5.0; // seconds every common-duration slide lasts (computed)
    double slideDuration = 5.0;          // the user's fixed duration
    bool isDurationFixed = false;
    // Slides change on the beat of the music: automatic durations are fitted to its beats, a fixed
    // duration is rounded to a whole number of beats.
    bool beatSync = false;
    // Where the chosen theme changes scenes, which moves those hand-overs; not saved.
    SceneRhythm rhythm;
    double totalDuration = 0.0;          // seconds of video, used slides only (computed)
    QString id;                          // saved-project folder name; empty until first saved
    QList<MediaFileInfoPtr> audioTracks; // play order
    QVector<SlidePtr> slides;            // display order, separator excluded
    // Slides, from the first, up to the last present slide that goes into the video (all of them
    // when every present slide does); missing photos among them are not in it (computed).
    int usedSlidesNumber = 0;
    int videoSlidesNumber = 0; // the slides in the video: the used ones less the missing photos (computed)
    OutputSettings output;
    // Seconds each slide lasts in the video, by its index in slides; left-out photos take none
    // (computed).
    QVector<double> slideLengths;
    // Where and why the file it was read from is damaged; empty when it was whole. Not saved:
    // the first save keeps a copy of the damaged file before writing over it.
    QString damage;
    // Music the file names that was not there, or could not be read, when it was read; left out
    // (not saved: the next save drops them).
    QStringList missingMusic;
    QStringList unreadableMusic;

    void setAudioTracks(const QList<MediaFileInfoPtr> &tracks);
    void setSlides(const QVector<SlidePtr> &newSlides);
    void setSlideDuration(double seconds);
    void setDurationFixed(bool fixed);
    void setBeatSync(bool on);
    void setRhythm(const SceneRhythm &sceneRhythm);
    void setOutputSettings(int quality, const QString &saveDir);

    // Recomputes effectiveSlideDuration, totalDuration and usedSlidesNumber from the present
    // slides; missing and unreadable photos take no time.
    void recompute();
    // A copy holding only the present, readable slides (the same records), recomputed: what a render or
    // the preview plays.
    ProjectPtr withoutMissingSlides() const;
    // Seconds of all music tracks together.
    double musicLength() const;
    // Seconds the slide at that index lasts in the video; from its own settings when the slides
    // were set without a recompute.
    double lengthOf(int index) const;
    // The song names of tracks whose beats were looked for and not found steady.
    QStringList tracksWithoutBeat() const;
    // The fixed duration as the video uses it: rounded to whole beats when slides change on them.
    double usedFixedDuration() const;
    // Whether a photo slide's file is there and can be opened; the others open as missing photos.
    static bool isReadablePhoto(const QString &path);

private:
    // Sets the durations for these slides and returns how many of them the video holds.
    int fitDurations(const QVector<SlidePtr> &present);
    int fitToMusic(const QVector<SlidePtr> &present, double music);
    // slideLengths from the fitted durations, then moved onto the beats where asked.
    void measureSlides();
    void fitToBeats(const QVector<int> &usedIndices);
    // The number of slides, from the first, that holds the first presentCount present slides.
    int slidesHoldingPresent(int presentCount) const;
};
