// Draws the installed backgrounds and the content server's loop videos into a build folder:
//   bggen OUT_DIR [--seconds S] [--stills-only] [--loops-only] [--only FOLDER]
// OUT_DIR/backgrounds/<n>/        info.xml, thumb.jpg, bg.jpg, bg-720p.jpg, bg-2160p.jpg
// OUT_DIR/backgrounds_animated/<n>/ info.xml, thumb.jpg
// OUT_DIR/content/app/2/          <n>.mp4, <n>-720p.mp4, <n>-2160p.mp4 (seamless loops)
#include "Paint.h"
#include "Scenes.h"

#include "app/AppConstants.h"
#include "app/CoreInit.h"
#include "render/AsyncVideoOutput.h"
#include "render/FramePool.h"
#include "render/LibavRender.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
#include <libavutil/frame.h>
}

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QGuiApplication>
#include <QSaveFile>
#include <QThread>
#include <QXmlStreamWriter>

#include <cstdio>
#include <cstring>

namespace {

const QSize thumbSize(400, 225);
constexpr int framesAhead = 4;

bool writeInfo(const QString &folder, const QString &name, const QString &font)
{
    QSaveFile file(folder + QStringLiteral("/info.xml"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("background"));
    xml.writeEmptyElement(QStringLiteral("media"));
    xml.writeAttribute(QStringLiteral("name"), name);
    xml.writeAttribute(QStringLiteral("font"), font);
    xml.writeEndElement();
    xml.writeEndDocument();
    return file.commit();
}

bool saveJpeg(const QImage &image, const QString &path, int quality)
{
    if (image.save(path, "JPEG", quality))
        return true;
    std::fprintf(stderr, "bggen: cannot write %s\n", qPrintable(path));
    return false;
}

QImage thumbnail(const QImage &picture)
{
    return picture.scaled(thumbSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool makeStill(const StillScene &scene, const QString &root)
{
    const QString folder = root + QStringLiteral("/backgrounds/") + scene.folder;
    QDir().mkpath(folder);
    QImage picture(LibavRender::outputSize(2), QImage::Format_RGB32);
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        scene.paint(p, QSizeF(picture.size()));
    }
    if (scene.grain > 0)
        Paint::grain(picture, scene.grain, qHash(scene.folder));
    const QImage full = picture.scaled(LibavRender::outputSize(1), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage small = full.scaled(LibavRender::outputSize(0), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return saveJpeg(picture, folder + QStringLiteral("/bg-2160p.jpg"), 90) && saveJpeg(full, folder + QStringLiteral("/bg.jpg"), 92)
           && saveJpeg(small, folder + QStringLiteral("/bg-720p.jpg"), 92)
           && saveJpeg(thumbnail(small), folder + QStringLiteral("/thumb.jpg"), 90)
           && writeInfo(folder, scene.name, scene.font);
}

QImage loopBase(const LoopScene &scene, const QSize &size)
{
    QImage base(size, QImage::Format_RGB32);
    QPainter p(&base);
    p.setRenderHint(QPainter::Antialiasing);
    scene.base(p, QSizeF(size));
    return base;
}

// The moving part over a copy of the base, which is drawn only once per resolution.
void paintFrame(const LoopScene &scene, const QImage &base, QImage &image, double phase)
{
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), base.constScanLine(y), size_t(image.width()) * 4);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    scene.paint(p, QSizeF(image.size()), phase);
}

// Encodes one loop at one resolution with the program's own video output.
bool encodeLoop(const LoopScene &scene, const QString &path, int quality, int frames)
{
    const QSize size = LibavRender::outputSize(quality);
    const QImage base = loopBase(scene, size);
    auto pool = FramePoolPtr::create(size.width(), size.height());
    bool failed = false;
    AsyncVideoOutput output;
    QObject::connect(&output, &AsyncVideoOutput::error, [&failed] { failed = true; });
    output.setPurpose(VideoEncoder::Purpose::BackgroundLoop);
    output.open(path, av_guess_format("mp4", nullptr, nullptr), size.height(), size.width(), 1, 30, 0, false,
                ProjectPtr());
    const int owner = 0;
    for (int i = 0; i < frames && !failed; ++i) {
        while (pool->outstanding(&owner) >= framesAhead)
            QThread::msleep(2);
        AVFrame *frame = pool->acquire(&owner);
        QImage image(frame->data[0], frame->width, frame->height, frame->linesize[0], QImage::Format_RGB32);
        paintFrame(scene, base, image, double(i) / frames);
        frame->pts = i - 1;
        output.writeFrame(pool, frame, 1, 30, (i + 1) / 30.0);
    }
    output.close();
    return !failed && QFileInfo::exists(path);
}

bool makeLoop(const LoopScene &scene, const QString &root, int frames)
{
    const QString folder = root + QStringLiteral("/backgrounds_animated/") + scene.folder;
    const QString content = root + QStringLiteral("/content/app/2/");
    QDir().mkpath(folder);
    QDir().mkpath(content);
    QImage first(LibavRender::outputSize(0), QImage::Format_RGB32);
    paintFrame(scene, loopBase(scene, first.size()), first, 0.0);
    if (!saveJpeg(thumbnail(first), folder + QStringLiteral("/thumb.jpg"), 90) || !writeInfo(folder, scene.name, scene.font))
        return false;
    for (int quality : {0, 1, 2}) {
        const QString file = resolutionVariantPath(content + scene.folder + QStringLiteral(".mp4"), quality);
        if (!encodeLoop(scene, file, quality, frames)) {
            std::fprintf(stderr, "bggen: cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    initPictoviaCore();
    av_log_set_level(AV_LOG_ERROR);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: bggen OUT_DIR [--seconds S] [--stills-only] [--loops-only] [--only FOLDER]\n");
        return 2;
    }
    const QString root = args.takeFirst();
    double seconds = 4.0;
    const int secondsAt = args.indexOf(QStringLiteral("--seconds"));
    if (secondsAt >= 0 && secondsAt + 1 < args.size())
        seconds = qBound(1.0, args.at(secondsAt + 1).toDouble(), 60.0);
    const bool stills = !args.contains(QStringLiteral("--loops-only"));
    const bool loops = !args.contains(QStringLiteral("--stills-only"));
    // Redraws one background (its folder name) while its drawing is being worked on.
    const int onlyAt = args.indexOf(QStringLiteral("--only"));
    const QString only = onlyAt >= 0 ? args.value(onlyAt + 1) : QString();
    auto wanted = [&only](const QString &folder) { return only.isEmpty() || folder == only; };

    QElapsedTimer timer;
    timer.start();
    bool ok = true;
    if (stills) {
        for (const StillScene &scene : stillScenes()) {
            if (wanted(scene.folder))
                ok = makeStill(scene, root) && ok;
        }
        std::printf("bggen: %d still backgrounds in %.1f s\n", stillScenes().size(), timer.elapsed() / 1000.0);
    }
    if (loops) {
        const int frames = int(seconds * 30);
        for (const LoopScene &scene : loopScenes()) {
            if (!wanted(scene.folder))
                continue;
            ok = makeLoop(scene, root, frames) && ok;
            std::printf("bggen: loop %s done at %.1f s\n", qPrintable(scene.folder), timer.elapsed() / 1000.0);
            std::fflush(stdout);
        }
    }
    std::printf("bggen: finished in %.1f s\n", timer.elapsed() / 1000.0);
    return ok ? 0 : 1;
}
