#include "render/StaticImgImput.h"
#include "app/Logging.h"
#include "images/ImageLoading.h"
#include "render/AsyncStaticImgImputWorker.h"
#include "render/FrameAreas.h"

#include <QImage>
#include <QPainter>
#include "render/SourceThread.h"

#include <libyuv/planar_functions.h>

#include <new>

StaticImgImput::StaticImgImput(const FramePoolPtr &pool, const QColor &colour, int height, int width)
    : m_pool(pool)
    , m_picture(FramePool::newPictureId())
    , m_colour(colour.rgb())
{
    // Frames are filled with the colour when taken: the source needs a size, no pixels.
    describeSource(height, width);
    start();
}

StaticImgImput::StaticImgImput(const FramePoolPtr &pool, const QString &imagePath, int height, int width)
    : m_pool(pool)
    , m_picture(FramePool::newPictureId())
{
    describeSource(height, width);
    if (av_frame_get_buffer(m_source.get(), 32) < 0)
        throw std::bad_alloc();
    QImage target = FramePool::imageOf(m_source.get());
    target.fill(Qt::black);
    // Decoded no larger than it must be to cover the frame (a 4K JPEG for a 640 x 360 preview).
    // Both refuse (null, with a warning) a picture that would not fit the memory cap.
    const QImage picture = coverCropped(*loadScaledImage(imagePath, height, width), height, width, imagePath);
    if (picture.isNull()) {
        qCWarning(lcRender) << "Background picture cannot be read:" << imagePath;
    } else {
        QPainter painter(&target);
        painter.drawImage(0, 0, picture);
    }
    start();
}

StaticImgImput::~StaticImgImput()
{
    stopSourceWorker(m_thread, m_worker, [this] { m_frames.releaseAll(*m_pool); });
}

void StaticImgImput::describeSource(int height, int width)
{
    m_source.reset(av_frame_alloc());
    if (!m_source)
        throw std::bad_alloc();
    m_source->format = AV_PIX_FMT_BGRA;
    m_source->width = width;
    m_source->height = height;
}

void StaticImgImput::start()
{
    m_worker = new AsyncStaticImgImputWorker(m_source.get(), m_pool);
    connect(m_worker, &AsyncStaticImgImputWorker::frameRead, this, &StaticImgImput::onFrameRead,
            Qt::DirectConnection);
    m_thread = startSourceWorker(m_worker, m_frames);
}

AVFrame *StaticImgImput::takeFrameAround(const QRect &hidden)
{
    AVFrame *frame = m_frames.take();
    if (!frame)
        return nullptr;
    // A frame this background filled before needs it back only where it was painted over since.
    const QRect whole(0, 0, frame->width, frame->height);
    const FramePool::Marks marks = m_pool->marks(frame);
    const QRect stale = marks.picture == m_picture ? marks.changed & whole : whole;
    for (const QRect &area : areasAround(stale, hidden))
        drawArea(frame, area);
    // Until the painter says where it painted, all of it may change.
    m_pool->setMarks(frame, {m_picture, whole});
    return frame;
}

void StaticImgImput::drawArea(AVFrame *frame, const QRect &area) const
{
    if (area.isEmpty())
        return;
    // Filling writes half the memory a copy reads and writes.
    if (m_colour) {
        libyuv::ARGBRect(frame->data[0], frame->linesize[0], area.x(), area.y(), area.width(), area.height(),
                         *m_colour);
        return;
    }
    libyuv::ARGBCopy(planeAt(m_source.get(), 0, 4 * area.x(), area.y()), m_source->linesize[0],
                     planeAt(frame, 0, 4 * area.x(), area.y()), frame->linesize[0], area.width(), area.height());
}

void StaticImgImput::onFrameRead(AVFrame *frame)
{
    m_frames.push(frame);
}
