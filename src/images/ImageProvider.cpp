#include "images/ImageProvider.h"

#include "app/AppConstants.h"

#include <QMutexLocker>
#include <QUuid>

ImageProvider::ImageProvider()
    : QQuickImageProvider(QQuickImageProvider::Image)
{
    images.insert(AppConstants::slideStubId,
                  ImageSharedPointer::create(QStringLiteral(":/assets/images/icon-big-image.png")));
}

ImageProvider::~ImageProvider() = default;

QString ImageProvider::addImage(ImageSharedPointer image)
{
    const QString id = QUuid::createUuid().toString(QUuid::Id128);
    QMutexLocker locker(&mutex);
    images.insert(id, std::move(image));
    return id;
}

QString ImageProvider::addPixmap(PixmapSharedPointer pixmap)
{
    auto image = pixmap ? ImageSharedPointer::create(pixmap->toImage()) : ImageSharedPointer::create();
    return addImage(std::move(image));
}

void ImageProvider::removeImage(const QString &id)
{
    if (id == AppConstants::slideStubId)
        return;
    QMutexLocker locker(&mutex);
    images.remove(id);
}

QImage ImageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    Q_UNUSED(requestedSize)
    QImage image;
    {
        QMutexLocker locker(&mutex);
        const ImageSharedPointer found = images.value(id);
        if (found)
            image = *found;
    }
    if (size)
        *size = image.size();
    return image;
}
