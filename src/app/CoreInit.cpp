#include "app/CoreInit.h"
#include "app/MetaTypes.h"

#include <QtGlobal>

static void initResources()
{
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(translations);
}

void initPictoviaCore()
{
    initResources();
    registerMetaTypes();
}
