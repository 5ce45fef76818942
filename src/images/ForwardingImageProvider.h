#pragma once

#include <QQuickImageProvider>

// What the QML engine owns and deletes: a stand-in that forwards to a process-wide provider,
// so the engine never deletes the singleton that Singleton deletes at exit.
class ForwardingImageProvider : public QQuickImageProvider
{
public:
    using Target = QQuickImageProvider *(*)();

    explicit ForwardingImageProvider(Target target);

    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

private:
    const Target target;
};
