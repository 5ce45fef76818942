#pragma once

#include "render/MediaFileInfo.h"

#include <QList>
#include <QVector>

// How the chosen theme groups slides into scenes, as far as timing needs it: where a hand-over
// is a scene change, its middle comes half the scenes' overlap after the slide's end.
struct SceneRhythm
{
    QVector<int> photoSceneSizes; // objects of each photo scene, in the theme's order
    QVector<int> textSceneSizes;
    double overlapSeconds = 0.0;

    // For each slide of this sequence of slide types, whether a scene ends with it; the scene
    // lists are walked as the renderer walks them.
    QVector<bool> sceneEnds(const QVector<int> &slideTypes) const;
};

// Slide lengths that put the hand-overs on the beat of the music.
namespace BeatFit {

struct Beat
{
    double at = 0.0;  // seconds on the video's time line
    bool bar = false; // the first of four beats, counted from the track's first beat
};

// The beats of every track with a steady beat, each offset by the tracks before it.
QVector<Beat> timeline(const QList<MediaFileInfoPtr> &tracks);

struct Request
{
    QVector<double> ownLengths;     // per slide: its own length, or a negative value for a common slide
    QVector<double> handOverDelays; // per slide: seconds from its end to the middle of the hand-over after it
    double end = 0.0;               // where the last slide must end
    double shortest = 0.0;          // no common slide may be shorter
};

// Lengths for every slide: common slides as equal as the beats let them be, each hand-over
// after one on the nearest bar line (slides of two bars or more) or beat; the last common slide
// takes what is left so that the slides still end at end. Without beats the lengths are even.
QVector<double> fit(const Request &request, const QVector<Beat> &beats);

// A fixed duration as the nearest whole number of beats of the tempo, at least one.
double roundToBeats(double seconds, double period);

} // namespace BeatFit
