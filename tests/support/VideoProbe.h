#pragma once

#include <QImage>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// Looks into written videos with Debian's ffprobe and ffmpeg, independently of our own code.
namespace VideoProbe {

// ffprobe's description of every stream, frames counted; empty when the file is unreadable.
QJsonObject probe(const QString &path);
// The stream of that codec type ("video", "audio"), or an empty object.
QJsonObject stream(const QJsonObject &probed, const QString &type);
int videoFrameCount(const QString &path);
// Frame n (from 0) of the video stream, decoded to RGB.
QImage decodeFrame(const QString &path, int n);
// Presentation times in seconds of every video frame, in presentation order.
QList<double> videoFrameTimes(const QString &path);
// Duration in seconds of the container, or of one stream type when given.
double duration(const QString &path, const QString &type = QString());

} // namespace VideoProbe
