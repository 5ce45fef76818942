// Renders a 60 s slideshow of twelve 12-megapixel photos with a 64 s music track over a colour,
// a still picture and a looping video background, and prints wall time, frames per second and
// peak resident memory of each case.
// Usage: bench-render [--quick] [--keep] [--only NAME]   (run from build/bin; inputs cached in
// $TMPDIR/pictovia-bench)

#include "../BenchSupport.h"

#include "app/AppPaths.h"
#include "app/CoreInit.h"
#include "render/FFmpegPtr.h"
#include "render/LibavRender.h"
#include "render/MediaFileInfo.h"
#include "theme/SceneStyleLevels.h"
#include "theme/ThemeCatalogue.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QProcess>
#include <QRadialGradient>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdio>

using namespace BenchSupport;

namespace {

struct Case
{
    QString name;
    int theme;
    int quality;
    QString background; // "" colour, else a picture or an .mp4
};

bool ffmpeg(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("ffmpeg"), QStringList{"-v", "error", "-y"} + arguments);
    return process.waitForFinished(-1) && process.exitCode() == 0;
}

QString photo(const QDir &dir, int i)
{
    const QString path = dir.filePath(QStringLiteral("photo%1.jpg").arg(i, 2, 10, QLatin1Char('0')));
    if (QFile::exists(path))
        return path;
    QImage image(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 4000, 3000);
    sky.setColorAt(0, QColor::fromHsv((i * 29) % 360, 160, 230));
    sky.setColorAt(1, QColor::fromHsv((i * 29 + 140) % 360, 200, 90));
    painter.fillRect(image.rect(), sky);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < 40; ++k) {
        QRadialGradient blob(QPointF((k * 733 + i * 97) % 4000, (k * 451 + i * 61) % 3000), 150 + (k * 37) % 400);
        blob.setColorAt(0, QColor::fromHsv((k * 47 + i * 13) % 360, 200, 255, 200));
        blob.setColorAt(1, Qt::transparent);
        painter.fillRect(image.rect(), blob);
    }
    painter.end();
    image.save(path, "JPG", 90);
    return path;
}

QString music(const QDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("music64.m4a"));
    if (!QFile::exists(path))
        ffmpeg({"-f", "lavfi", "-i", "sine=frequency=330:duration=64", "-ac", "2", "-c:a", "aac", path});
    return path;
}

QString stillBackground(const QDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("still.jpg"));
    if (!QFile::exists(path))
        ffmpeg({"-f", "lavfi", "-i", "gradients=s=3840x2160:n=4:seed=7", "-frames:v", "1", path});
    return path;
}

QString videoBackground(const QDir &dir, int quality)
{
    const QString path = dir.filePath(QStringLiteral("loop.mp4"));
    const QString size = quality == 2 ? QStringLiteral("3840x2160") : QStringLiteral("1920x1080");
    const QString file = quality == 2 ? dir.filePath(QStringLiteral("loop-2160p.mp4")) : path;
    if (!QFile::exists(file))
        ffmpeg({"-f", "lavfi", "-i", "testsrc2=size=" + size + ":rate=30:duration=10", "-c:v", "libx264", "-preset",
                "veryfast", "-pix_fmt", "yuv420p", file});
    return path;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    initPictoviaCore();
    av_log_set_level(AV_LOG_ERROR);
    QStandardPaths::setTestModeEnabled(true);
    AppPaths::setup();
    const QStringList arguments = app.arguments();
    const bool quick = arguments.contains(QStringLiteral("--quick"));
    const bool keep = arguments.contains(QStringLiteral("--keep"));
    const int only = arguments.indexOf(QStringLiteral("--only"));
    const QString onlyName = only > 0 && only + 1 < arguments.size() ? arguments.at(only + 1) : QString();

    QDir dir(QDir::temp().filePath(QStringLiteral("pictovia-bench")));
    dir.mkpath(QStringLiteral("."));
    std::fprintf(stderr, "preparing inputs in %s\n", qPrintable(dir.path()));
    QVector<SlidePtr> slides;
    for (int i = 0; i < 12; ++i) {
        auto slide = SlidePtr::create();
        slide->content = photo(dir, i);
        slides.append(slide);
    }
    const MediaFileInfoPtr track = MediaFileInfo::read(music(dir));

    QList<Case> cases;
    for (int theme : {1, 2}) {
        cases.append({QStringLiteral("theme%1-colour-1080p").arg(theme), theme, 1, QString()});
        cases.append({QStringLiteral("theme%1-still-1080p").arg(theme), theme, 1, stillBackground(dir)});
        cases.append({QStringLiteral("theme%1-video-1080p").arg(theme), theme, 1, videoBackground(dir, 1)});
    }
    cases.append({QStringLiteral("theme1-still-2160p"), 1, 2, stillBackground(dir)});

    QTextStream out(stdout);
    if (!arguments.contains(QStringLiteral("--no-header")))
        out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
               .arg(QStringLiteral("case"), -22)
               .arg(QStringLiteral("frames"), 7)
               .arg(QStringLiteral("wall s"), 8)
               .arg(QStringLiteral("fps"), 7)
               .arg(QStringLiteral("cpu s"), 8)
               .arg(QStringLiteral("peak MB"), 8);
    out.flush();
    int status = 0;
    for (const Case &c : qAsConst(cases)) {
        if (onlyName.isEmpty()) {
            // Each case in a fresh process, so its peak memory is its own.
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            QStringList childArguments = arguments.mid(1);
            childArguments << QStringLiteral("--only") << c.name << QStringLiteral("--no-header");
            child.start(QCoreApplication::applicationFilePath(), childArguments);
            child.waitForFinished(-1);
            out << child.readAllStandardOutput();
            out.flush();
            if (child.exitCode() != 0)
                status = 1;
            continue;
        }
        if (c.name != onlyName)
            continue;
        auto project = ProjectPtr::create();
        project->setSlides(quick ? slides.mid(0, 3) : slides);
        project->setAudioTracks({track});
        project->setSlideDuration(5.0);
        project->setDurationFixed(true);
        project->setOutputSettings(c.quality, dir.path());
        const ThemeTemplatePtr theme = ThemeCatalogue::instance()->templateFor(c.theme);
        SceneStyleLevels::apply(StyleSettings(), *theme, QGuiApplication::font(), QColor(Qt::white));
        const QString output = dir.filePath(c.name + QStringLiteral(".mp4"));

        resetPeak();
        int frames = 0;
        const BackgroundDescriptor background = c.background.isEmpty() ? BackgroundDescriptor::ofColor(QColor(32, 32, 40))
                                                                       : BackgroundDescriptor::ofFile(c.background);
        LibavRender render(project, theme, background, output);
        QObject::connect(&render, &LibavRender::progress, [&frames](QSharedPointer<QImage>, double) { ++frames; });
        QElapsedTimer timer;
        timer.start();
        const double cpuBefore = cpuSeconds();
        const bool ok = render.render();
        const double seconds = timer.elapsed() / 1000.0;
        const double cpu = cpuSeconds() - cpuBefore;
        const long peak = peakResidentKb();
        out << QStringLiteral("%1 %2 %3 %4 %5 %6%7\n")
                   .arg(c.name, -22)
                   .arg(frames, 7)
                   .arg(seconds, 8, 'f', 1)
                   .arg(frames / seconds, 7, 'f', 1)
                   .arg(cpu, 8, 'f', 1)
                   .arg(peak / 1024.0, 8, 'f', 0)
                   .arg(ok ? QString() : QStringLiteral("  FAILED"));
        out.flush();
        if (!ok)
            status = 1;
        if (!keep)
            QFile::remove(output);
    }
    return status;
}
