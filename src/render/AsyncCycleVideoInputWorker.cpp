#include "render/AsyncCycleVideoInputWorker.h"
#include "app/CommonError.h"
#include "app/Logging.h"
#include "render/CycleVideoInput.h"
#include "render/FFmpegPtr.h"

#include <QStandardPaths>

#include <memory>
#include <new>

AsyncCycleVideoInputWorker::AsyncCycleVideoInputWorker(const QString &path, FrameQueue &pictures,
                                                       qint64 picturesWanted)
    : m_path(path)
    , m_picturesWanted(picturesWanted)
    , m_pictures(pictures)
{
}

void AsyncCycleVideoInputWorker::process()
{
    std::unique_ptr<CycleVideoInput> input;
    try {
        input = std::make_unique<CycleVideoInput>(m_path);
    } catch (...) {
        CommonError::report(QStringLiteral("Video input reader failed"));
        Q_EMIT error();
        Q_EMIT finished();
        return;
    }
    input->keepPictures(QStandardPaths::writableLocation(QStandardPaths::CacheLocation), m_picturesWanted);
    try {
        while (!m_stop) {
            if (!m_pictures.waitBelow(PicturesAhead, 10))
                continue;
            AVFramePtr picture(av_frame_alloc());
            if (!picture)
                throw std::bad_alloc();
            if (!input->readPicture(picture.get())) {
                qCWarning(lcRender) << "Background video gives no more frames:" << m_path;
                break;
            }
            m_pictures.push(picture.release());
        }
    } catch (const std::bad_alloc &) {
        qCWarning(lcRender) << "Out of memory for background frames";
    }
    input.reset();
    Q_EMIT finished();
}
