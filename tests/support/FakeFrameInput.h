#pragma once

#include "render/FramePool.h"
#include "render/IAsyncAVInput.h"

extern "C" {
#include <libavutil/frame.h>
}

#include <QColor>

// A background source that hands out a fixed number of pool frames of one colour, then ends.
class FakeFrameInput : public IAsyncAVInput
{
public:
    FakeFrameInput(const FramePoolPtr &pool, int frames, QColor color = Qt::black)
        : m_pool(pool)
        , m_remaining(frames)
        , m_color(color)
    {
    }

    // Magenta stands for the stale pixels a real source leaves where the caller paints over.
    AVFrame *takeFrameAround(const QRect &hidden) override
    {
        AVFrame *frame = frameOf(m_color);
        if (!frame)
            return nullptr;
        if (!hidden.isEmpty())
            ++(hidden.contains(QRect(0, 0, frame->width, frame->height)) ? coveredTakes : aroundTakes);
        const QRect stale = hidden & QRect(0, 0, frame->width, frame->height);
        for (int y = stale.top(); y <= stale.bottom(); ++y) {
            auto *row = reinterpret_cast<quint32 *>(frame->data[0] + y * frame->linesize[0]);
            std::fill(row + stale.left(), row + stale.right() + 1, QColor(Qt::magenta).rgba());
        }
        return frame;
    }

    int coveredTakes = 0;
    int aroundTakes = 0;

private:
    AVFrame *frameOf(const QColor &color)
    {
        if (m_remaining <= 0)
            return nullptr;
        --m_remaining;
        AVFrame *frame = m_pool->acquire(this);
        const quint32 pixel = color.rgba();
        for (int y = 0; y < frame->height; ++y) {
            auto *row = reinterpret_cast<quint32 *>(frame->data[0] + y * frame->linesize[0]);
            std::fill(row, row + frame->width, pixel);
        }
        frame->pts = -100;
        return frame;
    }

    FramePoolPtr m_pool;
    int m_remaining;
    QColor m_color;
};
