#include "render/StaticImgImput.h"
#include "app/Logging.h"
#include "images/ImageLoading.h"
#include "render/AsyncStaticImgImputWorker.h"

#include <QImage>
#include <QPainter>
#include "render/SourceThread.h"

#include <algorithm>
#include <new>

StaticImgImput::StaticImgImput(const FramePoolPtr &pool, const QColor &colour, int height, int width)
    : m_pool(pool)
    , m_colour(colour.rgb())
{
    // Frames are filled with the colour when taken: the source needs a size, no pixels.
    describeSource(height, width);
    start();
}

StaticImgImput::StaticImgImput(const FramePoolPtr &pool, const QString &imagePath, int height, int width)
    : m_pool(pool)
{
    describeSource(height, width);
    if (av_frame_get_buffer(m_source.get(), 32) < 0)
        throw std::bad_alloc();
    QImage target = FramePool::imageOf(m_source.get());
    target.fill(Qt::black);
    // Decoded no larger than it must be to cover the frame (a 4K JPEG for a 640 x 360 preview).
    const ImageSharedPointer picture = loadScaledImage(imagePath, height, width);
    if (picture->isNull()) {
        qCWarning(lcRender) << "Background picture cannot be read:" << imagePath;
    } else {
        QPainter painter(&target);
        painter.drawImage(0, 0, coverCropped(*picture, height, width));
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

AVFrame *StaticImgImput::takeFrame()
{
    AVFrame *frame = m_frames.take();
    if (!frame)
        return nullptr;
    // Filling writes half the memory a copy reads and writes.
    if (m_colour)
        FramePool::imageOf(frame).fill(*m_colour);
    else
        av_frame_copy(frame, m_source.get());
    return frame;
}

AVFrame *StaticImgImput::takeCoveredFrame()
{
    return m_frames.take();
}

AVFrame *StaticImgImput::takeFrameAround(const QRect &hidden)
{
    const QRect skipped = hidden & QRect(0, 0, m_source->width, m_source->height);
    if (skipped.isEmpty())
        return takeFrame();
    AVFrame *frame = m_frames.take();
    if (!frame)
        return nullptr;
    for (int y = 0; y < frame->height; ++y) {
        if (y < skipped.top() || y > skipped.bottom()) {
            drawSpan(frame, y, 0, frame->width);
            continue;
        }
        drawSpan(frame, y, 0, skipped.left());
        drawSpan(frame, y, skipped.right() + 1, frame->width);
    }
    return frame;
}

void StaticImgImput::drawSpan(AVFrame *frame, int y, int from, int to) const
{
    if (to <= from)
        return;
    auto *row = reinterpret_cast<quint32 *>(frame->data[0] + qsizetype(y) * frame->linesize[0]);
    if (m_colour) {
        std::fill(row + from, row + to, quint32(*m_colour));
        return;
    }
    const auto *source = reinterpret_cast<const quint32 *>(m_source->data[0] + qsizetype(y) * m_source->linesize[0]);
    std::copy(source + from, source + to, row + from);
}

void StaticImgImput::onFrameRead(AVFrame *frame)
{
    m_frames.push(frame);
}
