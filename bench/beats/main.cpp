// Beat tracking of a four-minute song: the time a track takes to read with and without
// listening for its beats, and how long the interface stalls while a track is added.
#include "../StallMeter.h"

#include "app/AppPaths.h"
#include "app/CoreInit.h"
#include "app/PresenterRegistry.h"
#include "project/ProjectPres.h"
#include "render/MediaFileReader.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Four minutes of a kick at 120 beats a minute under a chord, as MP3: decoding is part of the cost.
bool makeSong(const QString &path)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {"-hide_banner", "-loglevel", "error", "-nostdin", "-y", "-f", "lavfi", "-i",
                  "aevalsrc=0.6*sin(2*PI*60*t)*exp(-30*mod(t\\,0.5))+0.1*sin(2*PI*220*t)+0.1*sin(2*PI*277*t):s=44100:d=240",
                  "-ac", "2", "-b:a", "192k", path});
    return ffmpeg.waitForFinished(-1) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double timeRead(const QString &path, MediaFileReader::Listening listening, int *beats)
{
    QElapsedTimer timer;
    timer.start();
    const MediaFileInfoPtr info = MediaFileReader::read(path, listening);
    const double seconds = timer.nsecsElapsed() / 1e9;
    *beats = int(info->beatGrid().beats.size());
    return seconds;
}

} // namespace

int main(int argc, char *argv[])
{
    initPictoviaCore();
    QCoreApplication::setOrganizationName(QStringLiteral("OOO Velmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Pictovia"));
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    AppPaths::setup();

    QTemporaryDir dir;
    const QString song = dir.filePath(QStringLiteral("song.mp3"));
    if (!makeSong(song)) {
        std::fprintf(stderr, "could not generate the song\n");
        return 1;
    }
    constexpr int runs = 5;
    std::vector<double> plain;
    std::vector<double> listening;
    int beats = 0;
    for (int run = 0; run < runs; ++run) {
        plain.push_back(timeRead(song, MediaFileReader::WithoutBeats, &beats));
        listening.push_back(timeRead(song, MediaFileReader::WithBeats, &beats));
    }
    std::printf("4-minute MP3, median of %d runs\n", runs);
    std::printf("  read, measuring only:        %.3f s\n", median(plain));
    std::printf("  read, with the beats:        %.3f s (%d beats)\n", median(listening), beats);
    std::printf("  beat tracking itself:        %.3f s\n", median(listening) - median(plain));

    // Adding the track through the project: the interface keeps answering while it is read.
    PresenterRegistry::wireProject();
    ProjectPres *project = ProjectPres::instance();
    std::vector<double> stalls;
    std::vector<double> waits;
    for (int run = 0; run < runs; ++run) {
        BenchSupport::StallMeter meter;
        QEventLoop loop;
        const auto done = QObject::connect(project, &ProjectPres::musicReadingChanged, &loop, [&] {
            if (!project->musicReading())
                loop.quit();
        });
        QElapsedTimer timer;
        meter.start();
        timer.start();
        project->addAudioPaths({song});
        loop.exec();
        QEventLoop settle;
        QTimer::singleShot(50, &settle, &QEventLoop::quit);
        settle.exec();
        waits.push_back(timer.nsecsElapsed() / 1e9);
        stalls.push_back(meter.longestMs());
        QObject::disconnect(done);
    }
    std::printf("adding the track, median of %d runs\n", runs);
    std::printf("  until it is in the project:  %.3f s\n", median(waits));
    std::printf("  longest interface stall:     %.1f ms (reading on the interface thread stalled %.0f ms)\n",
                median(stalls), median(plain) * 1000);
    return 0;
}
