#pragma once

#include "app/MetaTypes.h"

#include <QImage>
#include <QRect>

struct AVFrame;

// Plays one theme scene over background frames: the compositor pulls painted frames with
// readNext, or has an incoming scene paint over another scene's frame with drawNext.
class ISceneReader
{
public:
    virtual ~ISceneReader() = default;

    // The background frame of the last successful readNext; nullptr before it or after the
    // input has ended. Ownership passes to the caller, who hands it on or back to the pool.
    virtual AVFrame *currentFrame() const = 0;
    // The index of the last scene frame drawn; -1 before the first.
    virtual int frameIndex() const = 0;
    // The image over the current frame's pixels (no copy).
    virtual ImageSharedPointer currentImage() const = 0;
    // Takes the next background frame, paints the scene onto it and stamps its pts; false
    // when the input has no more frames (nothing is drawn then).
    virtual bool readNext(double opacity) = 0;
    // readNext at full opacity that first copies the background frame, complete and untouched,
    // into background: another scene is then drawn over the same background for a hand-over.
    virtual bool readNextKeepingBackground(QImage &background) = 0;
    // Paints the next scene frame onto image, every object's opacity multiplied by opacity.
    virtual void drawNext(const ImageSharedPointer &image, double opacity) = 0;
    // The pixels the last readNext or drawNext may have changed: all else is the background.
    virtual QRect paintedArea() const = 0;
};
