#pragma once

#include "render/FramePool.h"

#include <QSharedPointer>

#include <cstdint>

struct AVFrame;

// One unit of work for the encoder thread; destroying the last pointer runs its clean-up.
struct OutputTask
{
    enum Kind { FrameKind = 0, TimelineAdvanceKind = 1 };

    explicit OutputTask(int kind)
        : kind(kind)
    {
    }
    virtual ~OutputTask() = default;
    OutputTask(const OutputTask &) = delete;
    OutputTask &operator=(const OutputTask &) = delete;

    const int kind;
};
using OutputTaskPtr = QSharedPointer<OutputTask>;

// A finished frame; it goes back to its pool when the task is dropped, encoded or not.
struct FrameTask : OutputTask
{
    FrameTask(const FramePoolPtr &pool, AVFrame *frame, int timeBaseNum, int timeBaseDen, double time)
        : OutputTask(FrameKind)
        , pool(pool)
        , frame(frame)
        , timeBaseNum(timeBaseNum)
        , timeBaseDen(timeBaseDen)
        , time(time)
    {
    }
    ~FrameTask() override
    {
        if (pool)
            pool->release(frame);
    }

    FramePoolPtr pool;
    AVFrame *frame;
    int timeBaseNum;
    int timeBaseDen;
    double time; // seconds on the video's time line
};

// Shifts the presentation numbering of every later frame by frameCount.
struct TimelineAdvanceTask : OutputTask
{
    TimelineAdvanceTask(int64_t frameCount, int timeBaseNum, int timeBaseDen)
        : OutputTask(TimelineAdvanceKind)
        , frameCount(frameCount)
        , timeBaseNum(timeBaseNum)
        , timeBaseDen(timeBaseDen)
    {
    }

    int64_t frameCount;
    int timeBaseNum;
    int timeBaseDen;
};
