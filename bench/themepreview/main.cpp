// Opens the theme screen's Preview popup of every theme, as its Preview button does, with six
// camera-like 12-megapixel photos in the project, and reports the time from the click to the
// popup on screen, to its first frame on screen and to its last frame drawn, and the longest
// stall of the event loop from the click until the last frame.
// The photos come from bench-thumbs (4000 x 3000 JPEGs, some turned by their EXIF orientation).
// Run it under a display: xvfb-run -a -s "-screen 0 1400x1000x24" build/bin/bench-themepreview [--rounds N]
#include "../BenchSupport.h"
#include "../StallMeter.h"

#include "app/QmlScreens.h"
#include "app/AppPaths.h"
#include "app/CoreInit.h"
#include "app/PresenterRegistry.h"
#include "images/ThumbsPres.h"
#include "project/ProjectPres.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJSValue>
#include <QProcess>
#include <QQmlApplicationEngine>
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

constexpr int photoCount = 6;
constexpr int themeCount = 8;


QStringList makePhotos(const QString &dir)
{
    const QString generator = QCoreApplication::applicationDirPath() + QStringLiteral("/bench-thumbs");
    if (QProcess::execute(generator, {QStringLiteral("--generate"), dir}) != 0)
        return {};
    QStringList photos = QDir(dir).entryList({QStringLiteral("*.JPG")}, QDir::Files, QDir::Name);
    photos = photos.mid(0, photoCount);
    for (QString &photo : photos)
        photo = QDir(dir).filePath(photo);
    return photos;
}

// An image in the item tree showing a picture of the in-memory provider (a drawn frame, not the
// theme's thumbnail that stands in for one), loaded and ready.
bool showsProviderFrame(QQuickItem *item)
{
    if (!item || !item->isVisible())
        return false;
    // QUrl writes the provider's name, the address's host, in lower case.
    const QVariant source = item->property("source");
    if (source.isValid() && source.toUrl().toString().startsWith(QStringLiteral("image://imageprovider/"), Qt::CaseInsensitive)
        && item->property("status").toInt() == 1)
        return true;
    const QList<QQuickItem *> children = item->childItems();
    return std::any_of(children.begin(), children.end(), showsProviderFrame);
}

// The length of a QML list property, whether it holds a script array or a converted list.
int frameCount(const QVariant &frames)
{
    if (frames.userType() == qMetaTypeId<QJSValue>())
        return frames.value<QJSValue>().property(QStringLiteral("length")).toInt();
    return frames.toList().size();
}

struct Measure
{
    int frames = 0;
    double showCallMs = 0;
    double popupMs = -1;
    double firstFrameMs = -1;
    double lastFrameMs = -1;
    double stallMs = 0;
};

Measure measure(QQuickWindow *window, QObject *popup, int themeId)
{
    Measure m;
    auto *content = popup->property("contentItem").value<QQuickItem *>();
    QElapsedTimer clock;
    const auto connection = QObject::connect(window, &QQuickWindow::frameSwapped, [&]() {
        const double now = clock.nsecsElapsed() / 1e6;
        if (m.popupMs < 0 && popup->property("visible").toBool())
            m.popupMs = now;
        if (m.firstFrameMs < 0 && showsProviderFrame(content))
            m.firstFrameMs = now;
    });
    // A build whose frames are made while the call runs has no busy flag: done when it returns.
    auto drawing = [] {
        const QVariant busy = ThumbsPres::instance()->property("themePreviewBusy");
        return busy.isValid() && busy.toBool();
    };
    StallMeter stalls;
    stalls.start();
    clock.start();
    QMetaObject::invokeMethod(popup, "show", Q_ARG(QVariant, themeId), Q_ARG(QVariant, QStringLiteral("Theme %1").arg(themeId)));
    m.showCallMs = clock.nsecsElapsed() / 1e6;
    while ((drawing() || m.firstFrameMs < 0) && clock.elapsed() < 20000)
        spin(2);
    m.lastFrameMs = clock.nsecsElapsed() / 1e6;
    m.stallMs = stalls.longestMs();
    m.frames = frameCount(popup->property("frames"));
    QObject::disconnect(connection);
    QMetaObject::invokeMethod(popup, "close");
    spin(400);
    return m;
}

} // namespace

int main(int argc, char *argv[])
{
    initPictoviaCore();
    QCoreApplication::setOrganizationName(QStringLiteral("OOO Velmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Pictovia"));
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QSettings().setValue(QStringLiteral("dontShowTipsSetting"), true);
    QmlScreens::setStyle();
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    AppPaths::setup();
    const int rounds = std::max(1, BenchSupport::optionValue(app.arguments(), QStringLiteral("--rounds")).toInt());

    QTemporaryDir dir;
    std::printf("generating photos in %s ...\n", qPrintable(dir.path()));
    const QStringList photos = makePhotos(dir.path());
    if (photos.size() != photoCount) {
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
    ProjectPres::instance()->addImagePaths(photos);
    QObject *stack = window->findChild<QObject *>(QStringLiteral("stack"));
    if (!stack)
        return 1;
    QMetaObject::invokeMethod(stack, "showTheme");
    // The photos' thumbnails are made meanwhile; they would compete with the first preview.
    spin(4000);
    QObject *popup = window->findChild<QObject *>(QStringLiteral("themePreviewPopup"));
    if (!popup)
        return 1;

    QFile load(QStringLiteral("/proc/loadavg"));
    if (load.open(QIODevice::ReadOnly))
        std::printf("load average %s\n", load.readAll().split(' ').value(0).constData());
    std::printf("| theme | frames | show() call ms | popup on screen ms | first frame on screen ms | last frame ms | longest stall ms |\n");
    std::printf("|------:|-------:|---------------:|-------------------:|-------------------------:|--------------:|-----------------:|\n");
    for (int round = 0; round < rounds; ++round) {
        for (int theme = 1; theme <= themeCount; ++theme) {
            const Measure m = measure(window, popup, theme);
            std::printf("| %5d | %6d | %14.1f | %18.1f | %24.1f | %13.1f | %16.1f |\n", theme, m.frames, m.showCallMs,
                        m.popupMs, m.firstFrameMs, m.lastFrameMs, m.stallMs);
            std::fflush(stdout);
        }
    }
    std::printf("peak memory %ld kB\n", BenchSupport::peakResidentKb());
    return 0;
}
