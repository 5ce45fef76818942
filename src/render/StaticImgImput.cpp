#include "render/StaticImgImput.h"
#include "app/Logging.h"
#include "images/ImageLoading.h"
#include "render/AsyncStaticImgImputWorker.h"

#include <QImage>
#include <QPainter>
#include <QThread>

#include <new>

namespace {
// The picture scaled to cover width x height, cut to the centred band of that size.
QImage cover(const QImage &picture, int height, int width)
{
    if (picture.width() == width && picture.height() == height)
        return picture;
    if (double(picture.height()) / height > double(picture.width()) / width) {
        const QImage scaled = picture.scaledToWidth(width, Qt::SmoothTransformation);
        return scaled.copy(0, (scaled.height() - height) / 2, width, height);
    }
    const QImage scaled = picture.scaledToHeight(height, Qt::SmoothTransformation);
    return scaled.copy((scaled.width() - width) / 2, 0, width, height);
}
} // namespace

StaticImgImput::StaticImgImput(const FramePoolPtr &pool, const QColor &colour, int height, int width)
    : m_pool(pool)
{
    allocateSource(height, width).fill(colour);
    start();
}

StaticImgImput::StaticImgImput(const FramePoolPtr &pool, const QString &imagePath, int height, int width)
    : m_pool(pool)
{
    QImage target = allocateSource(height, width);
    target.fill(Qt::black);
    const ImageSharedPointer picture = loadImage(imagePath);
    if (picture->isNull()) {
        qCWarning(lcRender) << "Background picture cannot be read:" << imagePath;
    } else {
        QPainter painter(&target);
        painter.drawImage(0, 0, cover(*picture, height, width));
    }
    start();
}

StaticImgImput::~StaticImgImput()
{
    m_worker->stop();
    m_thread->quit();
    m_thread->wait();
    m_frames.releaseAll(*m_pool);
    delete m_worker;
    delete m_thread;
}

// The source frame's pixels, seen as an image that draws straight into them.
QImage StaticImgImput::allocateSource(int height, int width)
{
    m_source.reset(av_frame_alloc());
    if (!m_source)
        throw std::bad_alloc();
    m_source->format = AV_PIX_FMT_BGRA;
    m_source->width = width;
    m_source->height = height;
    if (av_frame_get_buffer(m_source.get(), 32) < 0)
        throw std::bad_alloc();
    return QImage(m_source->data[0], width, height, m_source->linesize[0], QImage::Format_RGB32);
}

void StaticImgImput::start()
{
    m_thread = new QThread();
    m_worker = new AsyncStaticImgImputWorker(m_source.get(), m_pool);
    connect(m_worker, &AsyncStaticImgImputWorker::frameRead, this, &StaticImgImput::onFrameRead,
            Qt::DirectConnection);
    connect(
        m_worker, &AsyncStaticImgImputWorker::finished, this, [this] { m_frames.markEnded(); },
        Qt::DirectConnection);
    connect(m_thread, &QThread::started, m_worker, &AsyncStaticImgImputWorker::process);
    connect(m_worker, &AsyncStaticImgImputWorker::finished, m_thread, &QThread::quit);
    m_worker->moveToThread(m_thread);
    m_thread->start(QThread::InheritPriority);
}

AVFrame *StaticImgImput::takeFrame()
{
    return m_frames.take();
}

void StaticImgImput::onFrameRead(AVFrame *frame)
{
    m_frames.push(frame);
}
