#include "support/SceneFixtures.h"

#include <QDir>

#include <cstdlib>

namespace SceneFixtures {

Keyframe quad(QPointF topLeft, QPointF topRight, QPointF bottomRight, QPointF bottomLeft, float opacity)
{
    Keyframe keyframe;
    keyframe.topLeft = topLeft;
    keyframe.topRight = topRight;
    keyframe.bottomRight = bottomRight;
    keyframe.bottomLeft = bottomLeft;
    keyframe.opacity = opacity;
    return keyframe;
}

Keyframe rect(double left, double top, double right, double bottom, float opacity)
{
    return quad({left, top}, {right, top}, {right, bottom}, {left, bottom}, opacity);
}

SceneObjectPtr steadyObject(const Keyframe &keyframe, int lastFrame, float aspect, float maxWidth, float maxHeight)
{
    auto object = SceneObjectPtr::create();
    for (int frame = 0; frame <= lastFrame; ++frame)
        object->keyframes.insert(frame, keyframe);
    object->aspect = aspect;
    object->maxWidth = maxWidth;
    object->maxHeight = maxHeight;
    return object;
}

ThemeScenePtr scene(int frames, const QList<SceneObjectPtr> &objects, int type)
{
    auto result = ThemeScenePtr::create();
    result->frames = frames;
    result->type = type;
    result->objects = objects;
    return result;
}

QImage solid(int width, int height, const QColor &color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QImage gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = qRgb(x * 255 / qMax(1, width - 1), y * 255 / qMax(1, height - 1), 128);
    }
    return image;
}

QString saveImage(const QImage &image, const QString &dir, const QString &name)
{
    const QString path = QDir(dir).filePath(name);
    image.save(path, nullptr, 95);
    return path;
}

int maxChannelDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return -1;
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int worst = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            worst = qMax(worst, std::abs(qRed(p[col]) - qRed(q[col])));
            worst = qMax(worst, std::abs(qGreen(p[col]) - qGreen(q[col])));
            worst = qMax(worst, std::abs(qBlue(p[col]) - qBlue(q[col])));
            worst = qMax(worst, std::abs(qAlpha(p[col]) - qAlpha(q[col])));
        }
    }
    return worst;
}

} // namespace SceneFixtures
