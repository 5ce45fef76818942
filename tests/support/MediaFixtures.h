#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Generates small media fixtures with the ffmpeg command-line tool; false when it fails.
bool runFfmpeg(const QStringList &arguments);

// A sine tone of seconds at rate with channels, encoded by the container of path's suffix.
bool makeTone(const QString &path, double seconds, int rate = 44100, int channels = 2,
              const QStringList &extra = {});

// A mono 16-bit WAV of seconds with a drum-like click (a low thump and a short tick) at each
// of the times; silence elsewhere. Times past the end are dropped.
bool writeClickTrack(const QString &path, const QVector<double> &clicks, double seconds);
// Click times from start to end at bpm beats a minute.
QVector<double> clicksAt(double bpm, double start, double end);

// Picture files built in code, hostile ones included, so that no binary fixture is kept.
// One colour, encoded in format: 100000 x 1 in PNG is a few hundred bytes.
QByteArray encodedPicture(int width, int height, const char *format = "PNG");
// A PNG whose header declares width x height RGBA pixels followed by a token of compressed rows:
// a reader that trusts the header allocates them all.
QByteArray pngDeclaring(int width, int height);
// A small JPEG whose frame header is made to declare width x height (at most 65535 each).
QByteArray jpegDeclaring(int width, int height);
