#include "images/ThumbWorkerBase.h"

ThumbWorkerBase::ThumbWorkerBase(const ThumbGeneratorTask &task)
    : task(task)
{
}

void ThumbWorkerBase::process()
{
    Q_EMIT done(task, generateThumb(task));
    Q_EMIT finished();
}
