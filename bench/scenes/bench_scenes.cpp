// Measures photo sprite preparation from a 24-megapixel JPEG and the per-frame cost of
// drawing it through a perspective quadrilateral, upright and zoomed to fill the frame, each
// against QPainter alone on the same picture and transform, at 1080p and 2160p.
#include "app/CoreInit.h"
#include "render/FramePool.h"
#include "theme/ImgSceneReader.h"
#include "theme/SceneStyle.h"

extern "C" {
#include <libavutil/frame.h>
}

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr int SceneFrames = 120;

// The machine is shared: CPU time of this thread says more than wall time.
class CpuTimer
{
public:
    CpuTimer() { restart(); }
    void restart() { m_start = now(); }
    double elapsedMs() const { return (now() - m_start) * 1e3; }

private:
    static double now()
    {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return t.tv_sec + t.tv_nsec * 1e-9;
    }
    double m_start = 0.0;
};

// Something like a camera photo: smooth areas, edges and fine noise for the JPEG coder.
QString makePhoto(const QString &dir, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(42);
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int noise = int(random.bounded(24u));
            row[x] = qRgb((x * 255 / width + noise) & 255, (y * 255 / height + noise) & 255,
                          ((x / 64 + y / 64) % 2) * 120 + noise);
        }
    }
    const QString path = dir + QStringLiteral("/camera.jpg");
    image.save(path, "JPG", 90);
    return path;
}

Keyframe keyframe(double drift)
{
    // A photo tilted away from the viewer, covering about half the frame.
    Keyframe k;
    k.topLeft = QPointF(0.12 + drift, 0.16);
    k.topRight = QPointF(0.80 + drift, 0.08);
    k.bottomRight = QPointF(0.86 + drift, 0.90);
    k.bottomLeft = QPointF(0.16 + drift, 0.78);
    return k;
}

Keyframe upright(double drift)
{
    Keyframe k;
    k.topLeft = QPointF(0.15 + drift, 0.15);
    k.topRight = QPointF(0.85 + drift, 0.15);
    k.bottomRight = QPointF(0.85 + drift, 0.85);
    k.bottomLeft = QPointF(0.15 + drift, 0.85);
    return k;
}

// A camera slowly zooming into the photo: it fills the frame, as with Pan and Zoom.
Keyframe filling(double drift)
{
    Keyframe k;
    k.topLeft = QPointF(-0.1 - drift, -0.1 - drift);
    k.topRight = QPointF(1.1 + drift, -0.1 - drift);
    k.bottomRight = QPointF(1.1 + drift, 1.1 + drift);
    k.bottomLeft = QPointF(-0.1 - drift, 1.1 + drift);
    return k;
}

ThemeScenePtr sceneOf(Keyframe (*shape)(double))
{
    auto object = SceneObjectPtr::create();
    object->aspect = 1.5f;
    for (int frame = 0; frame <= SceneFrames; ++frame)
        object->keyframes.insert(frame, shape(0.0004 * frame));
    auto scene = ThemeScenePtr::create();
    scene->frames = SceneFrames;
    scene->objects << object;
    return scene;
}

struct Figures
{
    double prepareMs = 0.0;
    double prepareWallMs = 0.0;
    double drawMs = 0.0;
    double painterMs = 0.0; // the same picture and transform through QPainter alone
};

double painterDrawMs(const SceneSprite &sprite, QImage &image)
{
    const QTransform transform = *sprite.transformFor(*sprite.keyframeAt(SceneFrames / 2), image.size());
    CpuTimer timer;
    for (int i = 0; i < SceneFrames; ++i) {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        painter.setTransform(transform);
        painter.drawImage(0, 0, sprite.picture());
    }
    return timer.elapsedMs() / SceneFrames;
}

Figures measure(const QString &photo, int width, int height, Keyframe (*shape)(double), int rounds)
{
    QVector<SlidePtr> slides{SlidePtr::create()};
    slides.first()->content = photo;
    const ThemeScenePtr scene = sceneOf(shape);
    FramePool pool(width, height);
    AVFrame *frame = pool.acquire(&pool);
    auto image = ImageSharedPointer::create(frame->data[0], width, height, frame->linesize[0], QImage::Format_RGB32);
    image->fill(Qt::darkGray);

    Figures best;
    best.prepareMs = 1e9;
    for (int round = 0; round < rounds; ++round) {
        auto cursor = slides.cbegin();
        CpuTimer timer;
        QElapsedTimer wall;
        wall.start();
        ImgSceneReader reader({}, width, height, scene, cursor, slides.cend(), SceneFrames, {double(SceneFrames)});
        if (timer.elapsedMs() < best.prepareMs) {
            best.prepareMs = timer.elapsedMs();
            best.prepareWallMs = wall.nsecsElapsed() / 1e6;
        }

        timer.restart();
        for (int i = 0; i < SceneFrames; ++i)
            reader.drawNext(image, 1.0);
        best.drawMs = timer.elapsedMs() / SceneFrames;
        best.painterMs = painterDrawMs(*reader.sprites().first(), *image);
    }
    pool.release(frame);
    return best;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The render's own allocator settings: they decide what a fresh picture costs.
    initPictoviaCore();
    QTemporaryDir dir;
    std::printf("Generating a 6000 x 4000 JPEG...\n");
    const QString photo = makePhoto(dir.path(), 6000, 4000);

    CpuTimer timer;
    const QImage full(photo);
    std::printf("reference: full decode of the JPEG %.1f ms (CPU time, as all figures)\n", timer.elapsedMs());

    const int rounds = 3;
    for (const QSize &size : {QSize(1920, 1080), QSize(3840, 2160)}) {
        const Figures tilted = measure(photo, size.width(), size.height(), keyframe, rounds);
        const Figures flat = measure(photo, size.width(), size.height(), upright, 1);
        const Figures full = measure(photo, size.width(), size.height(), filling, 1);
        std::printf("%dx%d: prepare %.1f ms (%.1f ms wall; best of %d); drawNext per frame, QPainter alone in "
                    "brackets: perspective %.2f ms (%.2f), upright %.2f ms (%.2f), filling the frame %.2f ms (%.2f)\n",
                    size.width(), size.height(), tilted.prepareMs, tilted.prepareWallMs, rounds, tilted.drawMs,
                    tilted.painterMs, flat.drawMs, flat.painterMs, full.drawMs, full.painterMs);
    }
    return 0;
}
