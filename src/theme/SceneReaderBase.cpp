#include "theme/SceneReaderBase.h"

#include "images/PictureMemory.h"
#include "render/IAsyncAVInput.h"

#include <algorithm>
#include <cstring>

extern "C" {
#include <libavutil/frame.h>
}

namespace {
double framesPerSlot(const ThemeScenePtr &scene)
{
    const int objects = scene->objects.size();
    return objects > 0 ? double(scene->frames) / objects : 0.0;
}
}

SceneReaderBase::SceneReaderBase(const QSharedPointer<IAsyncAVInput> &input, const ThemeScenePtr &scene,
                                 int totalFrames, const QVector<double> &slotLengths)
    : m_input(input)
    , m_timeline(slotLengths, framesPerSlot(scene))
    , m_totalFrames(totalFrames)
{
}

AVFrame *SceneReaderBase::currentFrame() const
{
    return m_currentFrame;
}

int SceneReaderBase::frameIndex() const
{
    return m_frameCounter;
}

ImageSharedPointer SceneReaderBase::currentImage() const
{
    return m_currentImage;
}

bool SceneReaderBase::takeFrame(const QRect &hidden)
{
    if (!m_input)
        m_currentFrame = nullptr;
    else
        m_currentFrame = m_input->takeFrameAround(hidden);
    if (!m_currentFrame) {
        m_currentImage.reset();
        return false;
    }
    m_currentImage = ImageSharedPointer::create(m_currentFrame->data[0], m_currentFrame->width,
                                                m_currentFrame->height, m_currentFrame->linesize[0],
                                                QImage::Format_RGB32);
    return true;
}

void SceneReaderBase::stampFrame()
{
    m_currentFrame->pts = int64_t(m_frameCounter) - 1;
}

int SceneReaderBase::lastCovering(double position, const QSize &imageSize, double opacity) const
{
    for (int i = m_sprites.size() - 1; i >= 0; --i) {
        if (m_sprites.at(i)->coversImage(position, imageSize, opacity))
            return i;
    }
    return -1;
}

QRect SceneReaderBase::hiddenArea(double position, const QSize &imageSize, double opacity) const
{
    QRect largest;
    for (const SceneSpritePtr &sprite : m_sprites) {
        const QRect hidden = sprite->hiddenRect(position, imageSize, opacity);
        if (qint64(hidden.width()) * hidden.height() > qint64(largest.width()) * largest.height())
            largest = hidden;
    }
    return largest;
}

bool SceneReaderBase::readNext(double opacity)
{
    // Frames are all of one size: the previous one tells whether the next is covered (the first
    // frame draws every sprite over the whole background).
    const double position = m_timeline.position(m_frameCounter + 1);
    const QSize size = m_currentImage ? m_currentImage->size() : QSize();
    const int covering = m_currentImage ? lastCovering(position, size, opacity) : -1;
    const QRect hidden = covering >= 0 ? QRect(QPoint(0, 0), size)
                         : m_currentImage ? hiddenArea(position, size, opacity)
                                          : QRect();
    if (!takeFrame(hidden))
        return false;
    ++m_frameCounter;
    // The source left the hidden area as it was: it counts as painted over too.
    m_paintedArea = hidden | drawSprites(*m_currentImage, opacity, covering);
    stampFrame();
    return true;
}

bool SceneReaderBase::readNextKeepingBackground(QImage &background)
{
    if (!takeFrame(QRect()))
        return false;
    if (background.size() != m_currentImage->size() || background.format() != QImage::Format_RGB32)
        background = PictureMemory::image(m_currentImage->size(), QImage::Format_RGB32);
    for (int y = 0; y < background.height(); ++y)
        std::memcpy(background.scanLine(y), m_currentImage->constScanLine(y), size_t(background.bytesPerLine()));
    drawNext(m_currentImage, 1.0);
    stampFrame();
    return true;
}

void SceneReaderBase::drawNext(const ImageSharedPointer &image, double opacity)
{
    ++m_frameCounter;
    m_paintedArea = QRect();
    if (!image || image->isNull())
        return;
    m_paintedArea =
        drawSprites(*image, opacity, lastCovering(m_timeline.position(m_frameCounter), image->size(), opacity));
}

QRect SceneReaderBase::drawSprites(QImage &image, double opacity, int covering) const
{
    const double position = m_timeline.position(m_frameCounter);
    QRect painted;
    for (int i = std::max(0, covering); i < m_sprites.size(); ++i)
        painted |= m_sprites.at(i)->drawAt(position, image, opacity);
    return painted;
}
