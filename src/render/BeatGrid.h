#pragma once

#include <QString>
#include <QVector>

// The beats of one music track, found once and kept with the project.
struct BeatGrid
{
    QVector<double> beats; // seconds from the track's start, rising
    double tempo = 0.0;    // beats a minute; 0 when the track has no steady beat
    QString source;        // the file as it was when tracked (sourceOf); empty: not tracked yet

    bool isTracked() const { return !source.isEmpty(); }
    bool isSteady() const { return tempo > 0.0 && beats.size() >= 2; }
    // Seconds between beats; 0 without a steady beat.
    double period() const { return tempo > 0.0 ? 60.0 / tempo : 0.0; }
    // Size and time of the last change: beats kept for a file that changed since are tracked again.
    static QString sourceOf(const QString &path);
    // Tracked from the file as it is now.
    bool isFor(const QString &path) const { return source == sourceOf(path); }

    bool operator==(const BeatGrid &other) const
    {
        // Qt 6.4 compares two empty lists through memcmp on null pointers.
        const bool sameBeats = beats.size() == other.beats.size() && (beats.isEmpty() || beats == other.beats);
        return sameBeats && tempo == other.tempo && source == other.source;
    }
};
