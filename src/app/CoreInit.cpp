#include "app/CoreInit.h"
#include "app/MetaTypes.h"
#include "images/ThumbGeneratorTask.h"

#include <QtGlobal>

#ifdef __GLIBC__
#include <malloc.h>
#endif

// The pictures are compiled into a static library, which nothing else would make the linker
// keep; the screens and translations come as objects of their own, which are kept.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

void initPictoviaCore()
{
    initResources();
    registerMetaTypes();
    qRegisterMetaType<ThumbGeneratorTask>("ThumbGeneratorTask");
#ifdef __GLIBC__
    // Pictures of megabytes are made and dropped on several threads. Left to itself, the allocator
    // raises this threshold after the first such frees and then keeps freed pictures in its
    // per-thread heaps, tens of megabytes a render never gets back.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
}
