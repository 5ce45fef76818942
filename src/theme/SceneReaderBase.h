#pragma once

#include "project/Slide.h"
#include "theme/ISceneReader.h"
#include "theme/SceneSprite.h"
#include "theme/SlotTimeline.h"
#include "theme/ThemeTemplate.h"

#include <QSharedPointer>
#include <QVector>

class IAsyncAVInput;

// What photo and text scenes share: frame handling, the timeline and drawing; the two
// readers differ only in how they prepare their sprites.
class SceneReaderBase : public ISceneReader
{
public:
    // Where the next scene's slides start; the constructors move it past the slides they take.
    using SlideCursor = QVector<SlidePtr>::const_iterator;

    Q_DISABLE_COPY(SceneReaderBase)

    AVFrame *currentFrame() const override;
    int frameIndex() const override;
    ImageSharedPointer currentImage() const override;
    bool readNext(double opacity) override;
    bool readNextKeepingBackground(QImage &background) override;
    void drawNext(const ImageSharedPointer &image, double opacity) override;
    QRect paintedArea() const override { return m_paintedArea; }

    // The scene's length in output frames, as the caller computed it.
    int totalFrames() const { return m_totalFrames; }
    const QVector<SceneSpritePtr> &sprites() const { return m_sprites; }
    const SlotTimeline &timeline() const { return m_timeline; }

protected:
    SceneReaderBase(const QSharedPointer<IAsyncAVInput> &input, const ThemeScenePtr &scene, int totalFrames,
                    const QVector<double> &slotLengths);

    // Binds each object of the scene to the slide at the cursor, in order, while slides remain.
    template <typename MakeSprite>
    void bindSlides(const ThemeScenePtr &scene, SlideCursor &cursor, SlideCursor end, MakeSprite makeSprite)
    {
        for (const SceneObjectPtr &object : scene->objects) {
            if (cursor == end)
                break;
            m_sprites.append(makeSprite(object, **cursor));
            ++cursor;
        }
    }

private:
    // The sprites paint over hidden (the whole frame when one covers it): the source may leave
    // the background out there.
    bool takeFrame(const QRect &hidden);
    // The last sprite painting over the whole image at that position, or -1: nothing under it shows.
    int lastCovering(double position, const QSize &imageSize, double opacity) const;
    // The largest area one sprite paints over with opaque pixels at that position.
    QRect hiddenArea(double position, const QSize &imageSize, double opacity) const;
    // The sprites at the current frame, from the covering one on (all when covering is -1);
    // returns the pixels they may have changed.
    QRect drawSprites(QImage &image, double opacity, int covering) const;
    void stampFrame();

    QSharedPointer<IAsyncAVInput> m_input;
    AVFrame *m_currentFrame = nullptr;
    ImageSharedPointer m_currentImage;
    int m_frameCounter = -1;
    QRect m_paintedArea;
    QVector<SceneSpritePtr> m_sprites;
    SlotTimeline m_timeline;
    int m_totalFrames = 0;
};
