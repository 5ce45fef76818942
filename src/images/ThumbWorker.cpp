#include "images/ThumbWorker.h"

#include "images/ImageLoading.h"

ThumbWorker::ThumbWorker(const ThumbGeneratorTask &task)
    : ThumbWorkerBase(task)
{
}

ImageSharedPointer ThumbWorker::generateThumb(const ThumbGeneratorTask &task)
{
    return loadScaledImage(task.path, task.height, task.width);
}
