#pragma once

#include "app/Singleton.h"

#include <QMap>
#include <QMutex>
#include <QPair>
#include <QQuickImageProvider>

// Thumbnails of saved projects for QML under "image://PrjImgProvider/<id>": either
// "<folder>/<number>" (braces percent-encoded) or an alias made by addProjectThumbAlias.
class PrjImgProvider : public QQuickImageProvider
{
public:
    static PrjImgProvider *instance() { return Singleton<PrjImgProvider>::instance(); }
    ~PrjImgProvider() override;

    QString addProjectThumbAlias(const QString &folder, int n);

    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

    // The thumbnail file an id names, or empty when it names none inside projectsDir.
    QString thumbnailPath(const QString &id);

private:
    friend class Singleton<PrjImgProvider>;
    PrjImgProvider();

    QPair<QString, int> alias(const QString &name);
};
