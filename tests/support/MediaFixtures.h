#pragma once

#include <QString>
#include <QStringList>

// Generates small media fixtures with the ffmpeg command-line tool; false when it fails.
bool runFfmpeg(const QStringList &arguments);

// A sine tone of seconds at rate with channels, encoded by the container of path's suffix.
bool makeTone(const QString &path, double seconds, int rate = 44100, int channels = 2,
              const QStringList &extra = {});
