#include "app/MetaTypes.h"

void registerMetaTypes()
{
    qRegisterMetaType<QSharedPointer<QPixmap>>("PixmapSharedPointer");
    qRegisterMetaType<QSharedPointer<QPixmap>>("QSharedPointer<QPixmap>");
    qRegisterMetaType<QSharedPointer<QImage>>("ImageSharedPointer");
    qRegisterMetaType<QSharedPointer<QImage>>("QSharedPointer<QImage>");
}

