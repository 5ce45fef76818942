// Adds 500 camera-like photos to the real main screen at once and reports how soon their quick
// and full thumbnails are in the grid, the longest stall of the event loop meanwhile, and the
// frame times while the grid of 500 scrolls from top to bottom and back; then how long the
// interface is held when the window closes with an edit of the 500-slide project waiting.
// The photos come from bench-thumbs (100 files with EXIF thumbnails), linked under 500 names.
// With --open N it opens a saved project of N slides instead (the same photos under N names) and
// reports the longest stall while their quick thumbnails arrive.
// Run it under a display: xvfb-run -a -s "-screen 0 1400x1000x24" build/bin/bench-ui
#include "../BenchSupport.h"
#include "../StallMeter.h"

#include "app/QmlScreens.h"
#include "app/AppPaths.h"
#include "app/CoreInit.h"
#include "app/PresenterRegistry.h"
#include "project/AutosavePres.h"
#include "project/ProjectFile.h"
#include "project/ProjectPres.h"
#include "project/SavedProjectsPres.h"
#include "project/SlidesListModel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using BenchSupport::spin;
using BenchSupport::StallMeter;

namespace {

constexpr int photoCount = 500;


// The calling thread's time on a CPU and its time spent ready but waiting for one, in ms (Linux
// schedstat): a stall with little CPU and much waiting is the machine's load, not our work.
struct ThreadTimes
{
    double cpuMs = 0;
    double waitMs = 0;
};

ThreadTimes threadTimes()
{
    QFile file(QStringLiteral("/proc/thread-self/schedstat"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QList<QByteArray> fields = file.readAll().split(' ');
    return {fields.value(0).toDouble() / 1e6, fields.value(1).toDouble() / 1e6};
}

QStringList makePhotos(const QString &dir, int count)
{
    const QString generator = QCoreApplication::applicationDirPath() + QStringLiteral("/bench-thumbs");
    if (QProcess::execute(generator, {QStringLiteral("--generate"), dir}) != 0)
        return {};
    const QStringList sources = QDir(dir).entryList({QStringLiteral("*.JPG")}, QDir::Files, QDir::Name);
    QStringList photos;
    for (int i = 0; i < count && !sources.isEmpty(); ++i) {
        const QString path = QDir(dir).filePath(QStringLiteral("photo_%1.jpg").arg(i, 5, 10, QLatin1Char('0')));
        QFile::link(QDir(dir).filePath(sources.at(i % sources.size())), path);
        photos << path;
    }
    return photos;
}

// Opens a saved project of the photos and waits for every quick thumbnail (at most two minutes),
// as the application does when a project is picked in the saved-projects list.
int openLargeProject(const QStringList &photos, const QString &dir)
{
    auto source = ProjectPtr::create();
    QVector<SlidePtr> slides;
    for (const QString &photo : photos) {
        auto slide = SlidePtr::create();
        slide->content = photo;
        slides << slide;
    }
    source->setSlides(slides);
    const QString file = QDir(dir).filePath(QStringLiteral("prj.xml"));
    if (!writeProjectFile(file, source))
        return 1;
    SlidesListModel *model = SlidesListModel::instance();
    // Rows that have shown a thumbnail: the first to arrive for a row is its quick one.
    QVector<bool> shown(photos.size() + 1, false);
    int quick = 0;
    QObject::connect(model, &QAbstractItemModel::dataChanged, [&](const QModelIndex &from, const QModelIndex &to, const QVector<int> &roles) {
        if (!roles.contains(SlidesListModel::ImgIdRole))
            return;
        for (int row = from.row(); row <= to.row() && row < shown.size(); ++row) {
            if (!shown[row])
                ++quick;
            shown[row] = true;
        }
    });
    StallMeter stalls;
    stalls.start();
    const ThreadTimes before = threadTimes();
    QElapsedTimer clock;
    clock.start();
    const ProjectPtr read = readProjectFile(file);
    const qint64 readCall = clock.elapsed();
    ProjectPres::instance()->openProject(read);
    const qint64 openCall = clock.elapsed();
    spin(1);
    const double openStall = stalls.longestMs();
    stalls.start();
    while (quick < photos.size() && clock.elapsed() < 120000)
        spin(20);
    const ThreadTimes after = threadTimes();
    std::printf("open a project of %d slides: read %lld ms, read and open %lld ms (longest stall %.1f ms); %d quick thumbnails "
                "in %lld ms; longest event-loop stall meanwhile %.1f ms; interface thread CPU %.1f s, waiting "
                "for a CPU %.1f s\n",
                int(photos.size()), readCall, openCall, openStall, quick, clock.elapsed(), stalls.longestMs(),
                (after.cpuMs - before.cpuMs) / 1000, (after.waitMs - before.waitMs) / 1000);
    std::printf("peak memory %ld kB\n", BenchSupport::peakResidentKb());
    return quick >= photos.size() ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    initPictoviaCore();
    QCoreApplication::setOrganizationName(QStringLiteral("OOO Velmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Pictovia"));
    QApplication app(argc, argv);
    // The window is closed and shown again below; that must not end the run.
    QApplication::setQuitOnLastWindowClosed(false);
    QStandardPaths::setTestModeEnabled(true);
    QSettings().setValue(QStringLiteral("dontShowTipsSetting"), true);
    QmlScreens::setStyle();
    // --opengl: drawn as the program draws where it can; by default the software renderer.
    if (!QCoreApplication::arguments().contains(QStringLiteral("--opengl")))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    AppPaths::setup();

    const int openIndex = QCoreApplication::arguments().indexOf(QStringLiteral("--open"));
    const int openCount = openIndex > 0 ? QCoreApplication::arguments().value(openIndex + 1).toInt() : 0;
    const int wanted = openCount > 0 ? openCount : photoCount;
    QTemporaryDir dir;
    std::printf("generating photos in %s ...\n", qPrintable(dir.path()));
    const QStringList photos = makePhotos(dir.path(), wanted);
    if (photos.size() != wanted) {
        std::fprintf(stderr, "could not generate the photos (is bench-thumbs next to this program?)\n");
        return 1;
    }

    QQmlApplicationEngine engine;
    PresenterRegistry::registerImageProviders(engine);
    PresenterRegistry::publishPresenters(engine);
    engine.load(QmlScreens::mainUrl());
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
    if (!window)
        return 1;
    window->resize(1300, 900);
    spin(1500);
    if (openCount > 0)
        return openLargeProject(photos, dir.path());

    // Rows whose picture changed: the first change is the quick thumbnail, the second the full one.
    SlidesListModel *model = SlidesListModel::instance();
    QVector<int> updates(photoCount, 0);
    QElapsedTimer clock;
    qint64 allQuick = -1, allFull = -1;
    QObject::connect(model, &QAbstractItemModel::dataChanged, [&](const QModelIndex &from, const QModelIndex &to, const QVector<int> &roles) {
        if (!roles.contains(SlidesListModel::ImgIdRole))
            return;
        for (int row = from.row(); row <= to.row() && row < photoCount; ++row)
            ++updates[row];
        if (allQuick < 0 && std::all_of(updates.begin(), updates.end(), [](int n) { return n >= 1; }))
            allQuick = clock.elapsed();
        if (allFull < 0 && std::all_of(updates.begin(), updates.end(), [](int n) { return n >= 2; }))
            allFull = clock.elapsed();
    });

    QFile load(QStringLiteral("/proc/loadavg"));
    if (load.open(QIODevice::ReadOnly))
        std::printf("load average %s\n", load.readAll().split(' ').value(0).constData());

    StallMeter stalls;
    stalls.start();
    const double cpuBefore = BenchSupport::cpuSeconds();
    const ThreadTimes guiBefore = threadTimes();
    clock.start();
    ProjectPres::instance()->addImagePaths(photos);
    const qint64 addCall = clock.elapsed();
    const ThreadTimes guiAfterCall = threadTimes();
    while (allFull < 0 && clock.elapsed() < 120000)
        spin(20);
    const double loadStall = stalls.longestMs();
    const ThreadTimes guiAfter = threadTimes();
    std::printf("add %d photos: call %lld ms (interface thread CPU %.0f ms, waiting for a CPU %.0f ms); "
                "all quick thumbnails %lld ms; all full thumbnails %lld ms; longest event-loop stall %.1f ms; "
                "interface thread CPU %.1f s, waiting for a CPU %.1f s; process CPU %.1f s\n",
                photoCount, addCall, guiAfterCall.cpuMs - guiBefore.cpuMs, guiAfterCall.waitMs - guiBefore.waitMs,
                allQuick, allFull, loadStall, (guiAfter.cpuMs - guiBefore.cpuMs) / 1000,
                (guiAfter.waitMs - guiBefore.waitMs) / 1000, BenchSupport::cpuSeconds() - cpuBefore);

    // Scroll the whole grid down and up in 8 s (about 3000 px a second, a brisk flick), timing each frame.
    auto *grid = window->findChild<QQuickItem *>(QStringLiteral("slideGrid"));
    if (!grid)
        return 1;
    QVector<qint64> frames;
    QElapsedTimer frameClock;
    frameClock.start();
    QObject::connect(window, &QQuickWindow::frameSwapped, [&]() { frames << frameClock.nsecsElapsed(); });
    const double bottom = grid->property("contentHeight").toDouble() - grid->height();
    stalls.start();
    QElapsedTimer scroll;
    const double scrollCpu = BenchSupport::cpuSeconds();
    scroll.start();
    while (scroll.elapsed() < 8000) {
        const double t = scroll.elapsed() / 4000.0;
        grid->setProperty("contentY", bottom * (t < 1 ? t : 2 - t));
        spin(4);
    }
    QVector<double> gaps;
    for (int i = 1; i < frames.size(); ++i)
        gaps << (frames[i] - frames[i - 1]) / 1e6;
    const double cpuPerFrame = frames.isEmpty() ? 0 : (BenchSupport::cpuSeconds() - scrollCpu) * 1000 / frames.size();
    std::sort(gaps.begin(), gaps.end());
    const double median = gaps.isEmpty() ? 0 : gaps[gaps.size() / 2];
    const double p95 = gaps.isEmpty() ? 0 : gaps[int(gaps.size() * 0.95)];
    std::printf("scroll %d rows of %.0f px down and up in 8 s: %d frames (%.1f per second), median frame %.1f ms, "
                "95th percentile %.1f ms, longest %.1f ms, longest event-loop stall %.1f ms; CPU per frame %.1f ms\n",
                model->rowCount(), bottom, int(frames.size()), frames.size() / 8.0, median, p95,
                gaps.isEmpty() ? 0 : gaps.last(), stalls.longestMs(), cpuPerFrame);
    // The project has been saved once; an edit waits, and the window closes before it is written.
    AutosavePres *autosave = AutosavePres::instance();
    autosave->flush();
    spin(200);
    double closeMs[3] = {0, 0, 0};
    for (double &ms : closeMs) {
        ProjectPres::instance()->setRotation(10, ProjectPres::instance()->project()->slides.at(10)->rotation + 1);
        QElapsedTimer closing;
        closing.start();
        window->close(); // the window's closing handler writes the waiting edit
        ms = closing.nsecsElapsed() / 1e6;
        const bool written = !autosave->pending();
        window->show();
        spin(300);
        if (!written) {
            std::fprintf(stderr, "closing the window left the edit unwritten\n");
            return 1;
        }
    }
    // The way out after the window has gone: the list's thumbnails of the first five slides.
    ProjectPres::instance()->setRotation(0, ProjectPres::instance()->project()->slides.at(0)->rotation + 1);
    QElapsedTimer quitting;
    quitting.start();
    autosave->flush();
    SavedProjectsPres::instance()->waitForThumbnails(3000);
    std::printf("close the window with an edit of %d slides waiting: %.1f, %.1f, %.1f ms (the interface is held "
                "that long); after the window, the first thumbnail redone in %lld ms\n",
                model->rowCount(), closeMs[0], closeMs[1], closeMs[2], quitting.elapsed());
    std::printf("peak memory %ld kB\n", BenchSupport::peakResidentKb());
    return 0;
}
