#include "images/ThumbWorker.h"

#include "images/ImageLoading.h"

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#endif

// Nice value of a full decode's thread: the decodes use what the interface leaves, so the window
// keeps answering while hundreds of photos are decoded.
static constexpr int fullDecodeNiceness = 10;

ThumbWorker::ThumbWorker(const ThumbGeneratorTask &task)
    : ThumbWorkerBase(task)
{
}

ImageSharedPointer ThumbWorker::generateThumb(const ThumbGeneratorTask &task)
{
#ifdef Q_OS_LINUX
    // Linux keeps a nice value per thread; "0" names the calling one.
    setpriority(PRIO_PROCESS, 0, fullDecodeNiceness);
#endif
    return loadScaledImage(task.path, task.height, task.width);
}
