#pragma once

#include "render/FFmpegPtr.h"
#include "render/FrameQueue.h"
#include "render/IAsyncAVInput.h"

#include <QColor>
#include <QObject>
#include <QRgb>
#include <QString>

#include <optional>

class AsyncStaticImgImputWorker;
class QImage;
class QThread;

// A still background, a plain colour or a picture covering the frame, repeated for ever. The
// picture is scaled and converted once; each frame taken is a copy of it, made on the taking
// thread, except where the taker paints over it. Frames are marked with the picture's id, so a
// frame coming round again is refilled only where it was painted over.
class StaticImgImput : public QObject, public IAsyncAVInput
{
    Q_OBJECT

public:
    StaticImgImput(const FramePoolPtr &pool, const QColor &colour, int height, int width);
    StaticImgImput(const FramePoolPtr &pool, const QString &imagePath, int height, int width);
    ~StaticImgImput() override;

    AVFrame *takeFrameAround(const QRect &hidden) override;

public Q_SLOTS:
    void onFrameRead(AVFrame *frame);

private:
    // The source frame's format and size; its pixels only for a picture.
    void describeSource(int height, int width);
    void start();
    // The background's pixels in one area of frame, from the colour or the picture.
    void drawArea(AVFrame *frame, const QRect &area) const;

    FrameQueue m_frames;
    QThread *m_thread = nullptr;
    AsyncStaticImgImputWorker *m_worker = nullptr;
    FramePoolPtr m_pool;
    AVFramePtr m_source;
    quint64 m_picture; // this background's id in the frames' marks
    std::optional<QRgb> m_colour; // a plain colour background
};
