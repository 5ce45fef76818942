#include "render/EncoderFrameConverter.h"

#include "render/BgraToYuv.h"
#include "render/FrameAreas.h"
#include "render/FrameScaling.h"
#include "render/VideoColour.h"

bool EncoderFrameConverter::convert(const AVFrame *bgra, AVFrame *target)
{
    target->pts = bgra->pts;
    if (convertsByArea(bgra, target)) {
        convertArea(bgra, target, QRect(0, 0, target->width, target->height));
        return true;
    }
    return scaleFrame(m_scaler, bgra, target);
}

bool EncoderFrameConverter::convertsByArea(const AVFrame *bgra, const AVFrame *target)
{
    return bgra->width == target->width && bgra->height == target->height && target->format == AV_PIX_FMT_YUV420P
           && target->width % 2 == 0 && target->height % 2 == 0 && !VideoColour::of(target).fullRange();
}

void EncoderFrameConverter::convertArea(const AVFrame *bgra, AVFrame *target, const QRect &area)
{
    target->pts = bgra->pts;
    const QRect blocks = QRect(QPoint(area.left() & ~1, area.top() & ~1), QPoint(area.right() | 1, area.bottom() | 1))
                         & QRect(0, 0, target->width, target->height);
    if (blocks.isEmpty())
        return;
    const int x = blocks.x(), y = blocks.y();
    convertBgraToYuv420(planeAt(bgra, 0, 4 * x, y), bgra->linesize[0], planeAt(target, 0, x, y), target->linesize[0],
                        planeAt(target, 1, x / 2, y / 2), target->linesize[1], planeAt(target, 2, x / 2, y / 2),
                        target->linesize[2], blocks.width(), blocks.height(), VideoColour::of(target).matrix());
}
