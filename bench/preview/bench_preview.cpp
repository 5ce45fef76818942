// The live preview's compositor at 640 x 360: frames produced per second without display (as
// fast as it can, no clock) for every installed theme over a colour, a still picture and a
// looping 720p video background (the preview reads a background's smallest file); the time from starting the player to its first picture (from
// the start and from a seek into the middle); peak resident memory of each case.
// Usage: bench-preview [--quick] [--only NAME]   (run from build/bin; inputs cached in
// $TMPDIR/pictovia-bench)

#include "../BenchSupport.h"

#include "app/AppPaths.h"
#include "app/CoreInit.h"
#include "preview/PreviewPlayer.h"
#include "preview/PreviewRun.h"
#include "render/FFmpegPtr.h"
#include "render/IFrameSink.h"
#include "render/LibavRender.h"
#include "render/MediaFileInfo.h"
#include "render/MediaFileReader.h"
#include "theme/SceneStyleLevels.h"
#include "theme/ThemeCatalogue.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

using namespace BenchSupport;

namespace {

struct Case
{
    QString name;
    int theme;
    QString background; // "" colour, else a picture or an .mp4
};

// Takes every frame at once: what the compositor can do with no clock to wait for.
class CountingSink : public IFrameSink
{
public:
    void writeFrame(const FramePoolPtr &pool, AVFrame *frame, int, int, double) override
    {
        ++frames;
        pool->release(frame);
    }
    void advanceTimeline(int64_t, int, int) override {}

    int frames = 0;
};

// Inputs are drawn by the ffmpeg command-line tool once and kept between runs.
QString cached(const QDir &dir, const QString &name, const QStringList &generator)
{
    const QString path = dir.filePath(name);
    if (!QFile::exists(path))
        QProcess::execute(QStringLiteral("ffmpeg"), QStringList{"-v", "error", "-y"} + generator + QStringList{path});
    return path;
}

// Milliseconds from starting a player to its first picture.
double startLatency(const PreviewRun &run)
{
    PreviewPlayer player;
    QEventLoop loop;
    QObject::connect(&player, &PreviewPlayer::frameShown, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    player.start(run);
    loop.exec();
    const double ms = timer.nsecsElapsed() / 1e6;
    player.stop();
    return ms;
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
    const QString onlyName = optionValue(arguments, QStringLiteral("--only"));

    QDir dir(QDir::temp().filePath(QStringLiteral("pictovia-bench")));
    dir.mkpath(QStringLiteral("."));
    QVector<SlidePtr> slides;
    for (int i = 0; i < 12; ++i) {
        auto slide = SlidePtr::create();
        slide->content = cached(dir, QStringLiteral("preview-photo%1.jpg").arg(i, 2, 10, QLatin1Char('0')),
                                {"-f", "lavfi", "-i", QStringLiteral("gradients=s=4000x3000:n=5:seed=%1").arg(i + 1),
                                 "-frames:v", "1"});
        slides.append(slide);
    }
    const QString still = cached(dir, QStringLiteral("still.jpg"),
                                 {"-f", "lavfi", "-i", "gradients=s=3840x2160:n=4:seed=7", "-frames:v", "1"});
    const QString video = cached(dir, QStringLiteral("loop-720p.mp4"),
                                 {"-f", "lavfi", "-i", "testsrc2=size=1280x720:rate=30:duration=10", "-c:v",
                                  "libx264", "-preset", "veryfast", "-pix_fmt", "yuv420p"});
    const QString music = cached(dir, QStringLiteral("music64.m4a"),
                                 {"-f", "lavfi", "-i", "sine=frequency=330:duration=64", "-ac", "2", "-c:a", "aac"});

    QList<Case> cases;
    for (int theme : ThemeCatalogue::instance()->themes().keys()) {
        cases.append({QStringLiteral("theme%1-colour").arg(theme), theme, QString()});
        cases.append({QStringLiteral("theme%1-still").arg(theme), theme, still});
        cases.append({QStringLiteral("theme%1-video").arg(theme), theme, video});
    }

    QTextStream out(stdout);
    // The machine is shared: the figures mean little without how busy it was.
    QFile loadFile(QStringLiteral("/proc/loadavg"));
    if (!arguments.contains(QStringLiteral("--no-header")) && loadFile.open(QIODevice::ReadOnly))
        out << "load average " << loadFile.readLine().split(' ').mid(0, 3).join(' ') << "\n";
    if (!arguments.contains(QStringLiteral("--no-header")))
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7\n")
                   .arg(QStringLiteral("case"), -16)
                   .arg(QStringLiteral("frames"), 7)
                   .arg(QStringLiteral("fps"), 7)
                   .arg(QStringLiteral("cpu s"), 7)
                   .arg(QStringLiteral("start ms"), 9)
                   .arg(QStringLiteral("seek ms"), 8)
                   .arg(QStringLiteral("peak MB"), 8);
    out.flush();
    int status = 0;
    for (const Case &c : std::as_const(cases)) {
        if (onlyName.isEmpty()) {
            status |= runCaseAlone(arguments, c.name, out);
            continue;
        }
        if (c.name != onlyName)
            continue;
        auto project = ProjectPtr::create();
        project->setSlides(quick ? slides.mid(0, 3) : slides);
        project->setAudioTracks({MediaFileReader::read(music)});
        project->setSlideDuration(5.0);
        project->setDurationFixed(true);
        const ThemeTemplatePtr theme = ThemeCatalogue::instance()->templateFor(c.theme);
        SceneStyleLevels::apply(StyleSettings(), *theme, QFont(), QColor(Qt::white));

        PreviewRun run;
        run.project = PreviewRun::snapshot(*project);
        run.theme = theme;
        run.background = c.background.isEmpty() ? BackgroundDescriptor::ofColor(QColor(32, 32, 40))
                                                : BackgroundDescriptor::ofFile(c.background);

        resetPeak();
        CountingSink sink;
        LibavRender render(run.project, theme, run.background, QString());
        render.setFrameSize(run.frameSize);
        QElapsedTimer timer;
        timer.start();
        const double cpuBefore = cpuSeconds();
        const bool ok = render.play(sink, 0.0);
        const double seconds = timer.nsecsElapsed() / 1e9;
        const double cpu = cpuSeconds() - cpuBefore;
        const double start = startLatency(run);
        run.from = project->totalDuration / 2 + 0.7;
        const double seek = startLatency(run);
        const long peak = peakResidentKb();
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7%8\n")
                   .arg(c.name, -16)
                   .arg(sink.frames, 7)
                   .arg(sink.frames / seconds, 7, 'f', 1)
                   .arg(cpu, 7, 'f', 1)
                   .arg(start, 9, 'f', 0)
                   .arg(seek, 8, 'f', 0)
                   .arg(peak / 1024.0, 8, 'f', 0)
                   .arg(ok ? QString() : QStringLiteral("  FAILED"));
        out.flush();
        if (!ok)
            status = 1;
    }
    return status;
}
