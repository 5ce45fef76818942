#pragma once

#include <QString>

// What the H.264 encoder alone needs for the frames of a rendered video, with the render's own
// settings: the video is decoded to raw YUV 4:2:0 on disk first (not timed), then the frames
// are handed to the encoder straight from the mapped file, so nothing but encoding is timed.
struct EncoderFigures
{
    int frames = 0;
    double wallSeconds = 0.0;
    double cpuSeconds = 0.0; // user + system of the whole process while encoding
    bool ok = false;
};

EncoderFigures encodeAlone(const QString &video, const QString &rawPath, int width, int height);
