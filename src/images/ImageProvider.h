#pragma once

#include "app/MetaTypes.h"
#include "app/Singleton.h"

#include <QMap>
#include <QMutex>
#include <QQuickImageProvider>

// In-memory images for QML under "image://ImageProvider/<id>"; "slideStub" is always there.
class ImageProvider : public QQuickImageProvider
{
public:
    static ImageProvider *instance() { return Singleton<ImageProvider>::instance(); }
    ~ImageProvider() override;

    // Registers the shared image (not copied) under a fresh id of 32 hexadecimal digits.
    QString addImage(ImageSharedPointer image);
    QString addPixmap(PixmapSharedPointer pixmap);
    void removeImage(const QString &id);

    // The registered image at its own size; the requested size is ignored.
    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

private:
    friend class Singleton<ImageProvider>;
    ImageProvider();

    QMap<QString, ImageSharedPointer> images;
    QMutex mutex;
};
