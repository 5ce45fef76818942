// Renders slideshows of 12-megapixel photos with a 64 s music track over a colour, a still
// picture and a looping video background, at 1080p (60 s) and 2160p (20 s), then encodes the
// render's own frames with the H.264 encoder alone and the same settings, and prints both
// times, their ratio, both CPU times and the render's peak resident memory.
// Usage: bench-render [--slides N] [--keep] [--no-alone] [--only NAME] [--pattern-loop] [--rounds N]
//                     [--sandwich]
// (run from build/bin; inputs cached in $TMPDIR/pictovia-bench). The video background is the
// default background's loop as the content server serves it; --pattern-loop takes a test pattern
// coded by FFmpeg's command line instead, sharper and costlier to decode than any of ours.
// --sandwich renders once more after the encoder-alone pass and gives the mean of both renders:
// a machine speeding up or slowing down over the minutes of a case no longer tilts the ratio.

#include "../BenchSupport.h"
#include "EncoderAlone.h"

#include "app/AppPaths.h"
#include "app/CoreInit.h"
#include "render/FFmpegPtr.h"
#include "render/LibavRender.h"
#include "render/MediaFileInfo.h"
#include "render/MediaFileReader.h"
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

#include <algorithm>
#include <cstdio>

using namespace BenchSupport;

namespace {

struct Case
{
    QString name;
    int theme;
    int quality;
    QString background; // "" colour, else a picture or an .mp4
    int slides;
};

// The load average over the last minute: the machine is shared, so each line says how busy it was.
double loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').value(0).toDouble() : -1.0;
}

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
    // Two voices and pink noise: a pure tone would flatter the AAC encoder.
    const QString path = dir.filePath(QStringLiteral("music64-mix.m4a"));
    if (!QFile::exists(path))
        ffmpeg({"-f", "lavfi", "-i",
                "aevalsrc=0.3*sin(2*PI*330*t)+0.2*sin(2*PI*523*t)*sin(PI*t)|0.3*sin(2*PI*440*t):s=44100:d=64", "-f",
                "lavfi", "-i", "anoisesrc=d=64:c=pink:a=0.05:r=44100", "-filter_complex",
                "[0][1]amix=inputs=2:normalize=0", "-ac", "2", "-c:a", "aac", "-b:a", "192k", path});
    return path;
}

QString stillBackground(const QDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("still.jpg"));
    if (!QFile::exists(path))
        ffmpeg({"-f", "lavfi", "-i", "gradients=s=3840x2160:n=4:seed=7", "-frames:v", "1", path});
    return path;
}

// The loop a render downloads for the default background, as drawn into the build's content folder.
QString defaultLoop()
{
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/content/app/2/00001.mp4");
    if (!QFile::exists(path))
        std::fprintf(stderr, "no loop at %s: build the backgrounds first\n", qPrintable(path));
    return path;
}

QString patternLoop(const QDir &dir, int quality)
{
    const QString path = dir.filePath(QStringLiteral("loop.mp4"));
    const QString size = quality == 2 ? QStringLiteral("3840x2160") : QStringLiteral("1920x1080");
    const QString file = quality == 2 ? dir.filePath(QStringLiteral("loop-2160p.mp4")) : path;
    if (!QFile::exists(file))
        ffmpeg({"-f", "lavfi", "-i", "testsrc2=size=" + size + ":rate=30:duration=10", "-c:v", "libx264", "-preset",
                "veryfast", "-pix_fmt", "yuv420p", file});
    return path;
}

struct RenderFigures
{
    bool ok = false;
    int frames = 0;
    double seconds = 0.0;
    double cpu = 0.0;
    long peakKb = 0;

    // Times averaged; the peak stays this render's, made in a fresh process as the app's is
    // (a process that has run a render and an encoder pass keeps some of their memory).
    // A failure in either stays one.
    RenderFigures meanWith(const RenderFigures &other) const
    {
        return {ok && other.ok, frames, (seconds + other.seconds) / 2, (cpu + other.cpu) / 2, peakKb};
    }
};

RenderFigures renderOnce(const ProjectPtr &project, const ThemeTemplatePtr &theme,
                         const BackgroundDescriptor &background, const QString &output)
{
    RenderFigures figures;
    resetPeak();
    LibavRender render(project, theme, background, output);
    QObject::connect(&render, &LibavRender::progress,
                     [&figures](QSharedPointer<QImage>, double) { ++figures.frames; });
    QElapsedTimer timer;
    timer.start();
    const double cpuBefore = cpuSeconds();
    figures.ok = render.render();
    figures.seconds = timer.elapsed() / 1000.0;
    figures.cpu = cpuSeconds() - cpuBefore;
    figures.peakKb = peakResidentKb();
    return figures;
}

// The middle value (the mean of the two middle ones for an even count).
double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    const int n = values.size();
    return n == 0 ? 0.0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Runs a case rounds times, each in a process of its own, one line each; with more than one
// round a last line gives each column's median (the largest peak): the machine's speed drifts
// from minute to minute, and one pair of passes can land on a slow and a fast stretch.
int runRounds(const QStringList &arguments, const QString &name, int rounds, QTextStream &out)
{
    int status = 0;
    QVector<QVector<double>> columns(9);
    for (int round = 0; round < rounds; ++round) {
        QString text;
        QTextStream capture(&text);
        status |= runCaseAlone(arguments, name, capture);
        capture.flush();
        out << text;
        out.flush();
        const QStringList fields = text.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (int i = 0; i < columns.size() && i + 1 < fields.size(); ++i)
            columns[i].append(fields[i + 1].toDouble());
    }
    if (rounds < 2)
        return status;
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10\n")
               .arg(name + QStringLiteral(" median"), -20)
               .arg(median(columns[0]), 6, 'f', 0)
               .arg(median(columns[1]), 5, 'f', 1)
               .arg(median(columns[2]), 8, 'f', 1)
               .arg(median(columns[3]), 7, 'f', 1)
               .arg(median(columns[4]), 6, 'f', 2)
               .arg(median(columns[5]), 10, 'f', 1)
               .arg(median(columns[6]), 8, 'f', 1)
               .arg(median(columns[7]), 9, 'f', 2)
               .arg(*std::max_element(columns[8].begin(), columns[8].end()), 8, 'f', 0);
    out.flush();
    return status;
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
    const bool keep = arguments.contains(QStringLiteral("--keep"));
    const bool alone = !arguments.contains(QStringLiteral("--no-alone"));
    const QString onlyName = optionValue(arguments, QStringLiteral("--only"));
    const int slideCount = optionValue(arguments, QStringLiteral("--slides")).toInt(); // 0: each case's own
    const int rounds = std::max(1, optionValue(arguments, QStringLiteral("--rounds")).toInt());
    const bool sandwich = arguments.contains(QStringLiteral("--sandwich"));

    QDir dir(QDir::temp().filePath(QStringLiteral("pictovia-bench")));
    dir.mkpath(QStringLiteral("."));
    std::fprintf(stderr, "preparing inputs in %s\n", qPrintable(dir.path()));
    QVector<SlidePtr> slides;
    for (int i = 0; i < 12; ++i) {
        auto slide = SlidePtr::create();
        slide->content = photo(dir, i);
        slides.append(slide);
    }
    const MediaFileInfoPtr track = MediaFileReader::read(music(dir));

    const bool pattern = arguments.contains(QStringLiteral("--pattern-loop"));
    const auto videoBackground = [&](int quality) { return pattern ? patternLoop(dir, quality) : defaultLoop(); };
    // Smooth moves framed photos over the background; Pan and Zoom fills the frame with each photo.
    QList<Case> cases;
    const QList<QPair<int, QString>> themes{{1, QStringLiteral("theme1")}, {7, QStringLiteral("panzoom")}};
    for (const auto &theme : themes) {
        cases.append({theme.second + QStringLiteral("-colour-1080p"), theme.first, 1, QString(), 12});
        cases.append({theme.second + QStringLiteral("-still-1080p"), theme.first, 1, stillBackground(dir), 12});
        cases.append({theme.second + QStringLiteral("-video-1080p"), theme.first, 1, videoBackground(1), 12});
    }
    // 20 s at 2160p: the raw frames the encoder-alone pass reads back fill 7.5 GB already.
    cases.append({QStringLiteral("theme1-colour-2160p"), 1, 2, QString(), 4});
    cases.append({QStringLiteral("theme1-still-2160p"), 1, 2, stillBackground(dir), 4});
    cases.append({QStringLiteral("theme1-video-2160p"), 1, 2, videoBackground(2), 4});
    cases.append({QStringLiteral("panzoom-still-2160p"), 7, 2, stillBackground(dir), 4});

    QTextStream out(stdout);
    if (!arguments.contains(QStringLiteral("--no-header")))
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10\n")
                   .arg(QStringLiteral("case"), -20)
                   .arg(QStringLiteral("frames"), 6)
                   .arg(QStringLiteral("load"), 5)
                   .arg(QStringLiteral("render s"), 8)
                   .arg(QStringLiteral("x264 s"), 7)
                   .arg(QStringLiteral("ratio"), 6)
                   .arg(QStringLiteral("render cpu"), 10)
                   .arg(QStringLiteral("x264 cpu"), 8)
                   .arg(QStringLiteral("cpu ratio"), 9)
                   .arg(QStringLiteral("peak MB"), 8);
    out.flush();
    int status = 0;
    for (const Case &c : std::as_const(cases)) {
        if (onlyName.isEmpty()) {
            if (runRounds(arguments, c.name, rounds, out) != 0)
                status = 1;
            continue;
        }
        if (c.name != onlyName)
            continue;
        auto project = ProjectPtr::create();
        project->setSlides(slides.mid(0, slideCount > 0 ? slideCount : c.slides));
        project->setAudioTracks({track});
        project->setSlideDuration(5.0);
        project->setDurationFixed(true);
        project->setOutputSettings(c.quality, dir.path());
        const ThemeTemplatePtr theme = ThemeCatalogue::instance()->templateFor(c.theme);
        SceneStyleLevels::apply(StyleSettings(), *theme, QGuiApplication::font(), QColor(Qt::white));
        const QString output = dir.filePath(c.name + QStringLiteral(".mp4"));

        const double load = loadAverage();
        const BackgroundDescriptor background = c.background.isEmpty() ? BackgroundDescriptor::ofColor(QColor(32, 32, 40))
                                                                       : BackgroundDescriptor::ofFile(c.background);
        RenderFigures figures = renderOnce(project, theme, background, output);
        EncoderFigures x264;
        if (figures.ok && alone) {
            const QSize size = LibavRender::outputSize(c.quality);
            x264 = encodeAlone(output, dir.filePath(c.name + QStringLiteral(".yuv")), size.width(), size.height());
            // The render again after it: the mean of both is measured around the same moment.
            if (sandwich && x264.ok)
                figures = figures.meanWith(renderOnce(project, theme, background, output));
        }
        const bool measured = x264.ok && x264.wallSeconds > 0.0 && x264.cpuSeconds > 0.0;
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10%11\n")
                   .arg(c.name, -20)
                   .arg(figures.frames, 6)
                   .arg(load, 5, 'f', 1)
                   .arg(figures.seconds, 8, 'f', 1)
                   .arg(x264.wallSeconds, 7, 'f', 1)
                   .arg(measured ? figures.seconds / x264.wallSeconds : 0.0, 6, 'f', 2)
                   .arg(figures.cpu, 10, 'f', 1)
                   .arg(x264.cpuSeconds, 8, 'f', 1)
                   .arg(measured ? figures.cpu / x264.cpuSeconds : 0.0, 9, 'f', 2)
                   .arg(figures.peakKb / 1024.0, 8, 'f', 0)
                   .arg(!figures.ok ? QStringLiteral("  FAILED") : alone && !measured ? QStringLiteral("  NO X264 PASS") : QString());
        out.flush();
        if (!figures.ok || (alone && !measured))
            status = 1;
        if (!keep)
            QFile::remove(output);
    }
    return status;
}
