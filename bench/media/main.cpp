// Background video decoding into pool frames and music track measuring, on fixtures made
// with the ffmpeg command-line tool (kept between runs in the folder given, or a temp one).
#include "render/AsyncCycleVideoInput.h"
#include "render/MediaFileInfo.h"
#include "render/MediaFileReader.h"

extern "C" {
#include <libavutil/frame.h>
}

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {
bool ensureFixture(const QString &path, const QStringList &arguments)
{
    if (QFileInfo::exists(path))
        return true;
    std::printf("generating %s\n", qPrintable(path));
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 QStringList{"-hide_banner", "-loglevel", "error", "-nostdin", "-y"} + arguments + QStringList{path});
    return ffmpeg.waitForFinished(-1) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void benchBackground(const QString &video, int frames, int runs)
{
    std::vector<double> rates;
    for (int run = 0; run < runs; ++run) {
        auto pool = FramePoolPtr::create(1920, 1080);
        AsyncCycleVideoInput source(pool, video);
        QElapsedTimer timer;
        timer.start();
        const std::clock_t cpuStart = std::clock();
        int taken = 0;
        for (; taken < frames; ++taken) {
            AVFrame *frame = source.takeFrame();
            if (!frame)
                break;
            pool->release(frame);
        }
        const double seconds = timer.nsecsElapsed() / 1e9;
        const double cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        rates.push_back(taken / seconds);
        std::printf("  run %d: %d frames in %.3f s = %.1f frames/s; %.3f s of CPU = %.2f ms CPU per frame\n",
                    run + 1, taken, seconds, taken / seconds, cpu, cpu * 1000 / taken);
    }
    std::printf("background 1080p H.264 loop: median %.1f frames/s (target >= 150); the machine's load is shared, "
                "so compare the CPU per frame with 2 cores x 6.67 ms = 13.3 ms\n",
                median(rates));
}

void benchMeasure(const QString &music, int runs)
{
    std::vector<double> times;
    float duration = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        duration = MediaFileReader::read(music)->duration();
        times.push_back(timer.nsecsElapsed() / 1e9);
        std::printf("  run %d: %.3f s, duration %.6f s\n", run + 1, times.back(), duration);
    }
    std::printf("measure 5-minute MP3: median %.3f s (target < 1.5), duration %.6f s\n", median(times), duration);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QDir::temp().filePath(QStringLiteral("pictovia-bench-media"));
    QDir().mkpath(folder);
    const QString video = QDir(folder).filePath(QStringLiteral("loop1080.mp4"));
    const QString music = QDir(folder).filePath(QStringLiteral("five-minutes.mp3"));
    if (!ensureFixture(video, {"-f", "lavfi", "-i", "testsrc2=size=1920x1080:rate=30:duration=10", "-c:v", "libx264",
                               "-preset", "veryfast", "-pix_fmt", "yuv420p"})
        || !ensureFixture(music, {"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=300", "-ac", "2",
                                  "-c:a", "libmp3lame", "-b:a", "192k"})) {
        std::fprintf(stderr, "cannot generate the fixtures with ffmpeg\n");
        return 1;
    }
    try {
        benchBackground(video, 600, 3);
        benchMeasure(music, 3);
    } catch (int code) {
        std::fprintf(stderr, "media error %d\n", code);
        return 1;
    }
    return 0;
}
