#pragma once

#include "render/MediaFileInfo.h"

#include <QString>

// Measures a music file for the project's track record: the media library decodes it whole.
class MediaFileReader
{
public:
    // Opens and decodes the whole file to measure it; failures are reported through
    // CommonError and thrown as the media library's error code (an int).
    // With beats, the track's beats are found in the same pass (about a fifth more time).
    enum Listening { WithoutBeats, WithBeats };
    static MediaFileInfoPtr read(const QString &path, Listening listening = WithoutBeats);
    // As read, but null on any failure (out of memory included), so no exception leaves a QML call.
    static MediaFileInfoPtr tryRead(const QString &path, Listening listening = WithoutBeats);
    // Only the beats of a track already measured; a grid with no beats on any failure.
    static BeatGrid tryTrackBeats(const QString &path);
};
