#include "images/ForwardingImageProvider.h"

ForwardingImageProvider::ForwardingImageProvider(Target target)
    : QQuickImageProvider(QQuickImageProvider::Image)
    , target(target)
{
}

QImage ForwardingImageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    // After the provider is gone at exit, answer like an unknown id.
    QQuickImageProvider *provider = target();
    if (!provider) {
        if (size)
            *size = QSize(0, 0);
        return QImage();
    }
    return provider->requestImage(id, size, requestedSize);
}
