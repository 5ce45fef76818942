#include "app/MetaTypes.h"
#include "images/ThumbGeneratorTask.h"

void registerMetaTypes()
{
    qRegisterMetaType<QSharedPointer<QPixmap>>("PixmapSharedPointer");
    qRegisterMetaType<QSharedPointer<QPixmap>>("QSharedPointer<QPixmap>");
    qRegisterMetaType<QSharedPointer<QImage>>("ImageSharedPointer");
    qRegisterMetaType<QSharedPointer<QImage>>("QSharedPointer<QImage>");
    qRegisterMetaType<ThumbGeneratorTask>("ThumbGeneratorTask");
}

