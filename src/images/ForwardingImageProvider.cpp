#include "images/ForwardingImageProvider.h"

#include <QUrl>

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
    // The engine hands the id over as it stands in the address, "%7B...%7D" for "{...}"; the
    // providers know their ids as they made them.
    return provider->requestImage(QUrl::fromPercentEncoding(id.toUtf8()), size, requestedSize);
}
