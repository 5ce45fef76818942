// pictovia-screenshots OUTDIR [--size WxH] [--lang xx]
// Loads the application's own screens with sample photos, walks through every screen and popup
// and saves one PNG of each. Run it under a virtual display: tools/screenshots/take.sh.
#include "app/QmlScreens.h"
#include "app/AppPaths.h"
#include "app/AppTranslations.h"
#include "app/CommonError.h"
#include "app/CoreInit.h"
#include "app/PresenterRegistry.h"
#include "backgrounds/BackgroundsPres.h"
#include "preview/PreviewPres.h"
#include "project/ProjectPres.h"
#include "project/StyleSettingsPres.h"
#include "support/TestHttpServer.h"

#include <QFile>
#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

QQuickWindow *window;
QString outDir;
// Its files are served halfway and then nothing: its download stays under way for the pictures.
const QString downloadingBackground = QStringLiteral("animated00002");

void wait(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

QObject *find(const char *name)
{
    QObject *object = window->findChild<QObject *>(QString::fromLatin1(name));
    if (!object)
        std::fprintf(stderr, "no item named %s\n", name);
    return object;
}

void shoot(const QString &name)
{
    wait(450);
    const QString path = outDir + QLatin1Char('/') + name + QStringLiteral(".png");
    window->grabWindow().save(path);
    std::printf("%s\n", qPrintable(path));
}

void call(QObject *object, const char *method, const QVariantList &args = {})
{
    if (!object)
        return;
    QGenericArgument a[4];
    for (int i = 0; i < args.size() && i < 4; ++i)
        a[i] = Q_ARG(QVariant, args[i]);
    QMetaObject::invokeMethod(object, method, a[0], a[1], a[2], a[3]);
}

// Opens a popup, pictures it and closes it again.
void shootPopup(const char *popup, const QString &name, const std::function<void(QObject *)> &open = {})
{
    QObject *item = find(popup);
    if (!item)
        return;
    if (open)
        open(item);
    else
        QMetaObject::invokeMethod(item, "open");
    shoot(name);
    QMetaObject::invokeMethod(item, "close");
    wait(250);
}

// Colourful sample photos: sky, sun and hills in varied hues, some portrait.
QStringList makePhotos(const QString &dir, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const bool portrait = i % 5 == 3;
        QImage image(portrait ? QSize(800, 1200) : QSize(1200, 800), QImage::Format_RGB32);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const int hue = (i * 47) % 360;
        QLinearGradient sky(0, 0, 0, image.height());
        sky.setColorAt(0, QColor::fromHsv(hue, 120, 240));
        sky.setColorAt(1, QColor::fromHsv((hue + 40) % 360, 80, 255));
        painter.fillRect(image.rect(), sky);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor::fromHsv((hue + 180) % 360, 60, 255));
        painter.drawEllipse(QPointF(image.width() * 0.72, image.height() * 0.3), image.height() * 0.12, image.height() * 0.12);
        for (int layer = 0; layer < 3; ++layer) {
            QPainterPath hills;
            const double base = image.height() * (0.55 + 0.13 * layer);
            hills.moveTo(0, image.height());
            for (int x = 0; x <= image.width(); x += 40)
                hills.lineTo(x, base - 60 * std::sin((x + 300 * layer + 97 * i) / 180.0));
            hills.lineTo(image.width(), image.height());
            painter.setBrush(QColor::fromHsv((hue + 90 + 20 * layer) % 360, 110 + 40 * layer, 170 - 45 * layer));
            painter.drawPath(hills);
        }
        painter.end();
        const QString path = dir + QStringLiteral("/photo_%1.jpg").arg(i + 1, 2, 10, QLatin1Char('0'));
        image.save(path, "JPG", 88);
        paths << path;
    }
    return paths;
}

QString currentScreen(QObject *stack)
{
    auto *item = stack->property("currentItem").value<QObject *>();
    return item && !stack->property("busy").toBool() ? item->objectName() : QString();
}

bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        wait(50);
    }
    return true;
}

// A real 720p render of the sample project, so the rendering and done screens show what a user
// sees: the frame being made, the time left, then the file's name, length and size.
void makeVideo(QObject *stack, const QString &samples)
{
    if (!waitFor([&]() { return currentScreen(stack) == QStringLiteral("settingsScreen"); }, 5000)) {
        std::fprintf(stderr, "not back on the settings screen\n");
        return;
    }
    auto *settings = find("settingsScreen")->property("output").value<QObject *>();
    if (!settings)
        return;
    settings->setProperty("resolution", 0);
    settings->setProperty("saveDir", samples);
    QMetaObject::invokeMethod(find("settingsScreen"), "makeVideo");
    QObject *render = nullptr;
    if (!waitFor([&]() { return currentScreen(stack) == QStringLiteral("renderingScreen"); }, 60000)
        || !(render = find("renderingScreen")->property("renderer").value<QObject *>())) {
        std::fprintf(stderr, "the render did not start\n");
        return;
    }
    waitFor([&]() { return render->property("progress").toInt() >= 30 && render->property("timeLeft").toInt() >= 0; }, 600000);
    shoot(QStringLiteral("screen-7-rendering"));
    if (!waitFor([&]() { return currentScreen(stack) == QStringLiteral("doneScreen"); }, 1200000)) {
        std::fprintf(stderr, "the render did not finish\n");
        return;
    }
    shoot(QStringLiteral("screen-8-done"));
    // A desktop without a video player: no launcher on the search path.
    const QByteArray searchPath = qgetenv("PATH");
    qputenv("PATH", "");
    QMetaObject::invokeMethod(render, "play");
    qputenv("PATH", searchPath);
    shoot(QStringLiteral("screen-8-done-no-player"));
}

// The installed loops of the default background in full, and those of downloadingBackground
// halfway, from a server on this machine.
void serveContent(TestHttpServer &server)
{
    const QDir content(QCoreApplication::applicationDirPath() + QStringLiteral("/content/app/2"));
    const QString stalled = downloadingBackground.right(5);
    for (const QString &name : content.entryList({QStringLiteral("00001*.mp4"), stalled + QStringLiteral("*.mp4")})) {
        QFile file(content.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const auto mode = name.startsWith(stalled) ? TestHttpServer::Mode::StallMidBody : TestHttpServer::Mode::Normal;
        server.route(QStringLiteral("/app/2/") + name, {200, file.readAll(), mode});
    }
}

// A background video on its way: the bar on the style and settings screens, then the
// downloading screen's figures and its network problem. The default background comes back after.
void shootDownload(QObject *stack)
{
    QMetaObject::invokeMethod(stack, "backTo", Q_ARG(QVariant, QStringLiteral("backgroundScreen")));
    StyleSettingsPres *style = StyleSettingsPres::instance();
    const QString chosen = style->bgId();
    style->setBgId(downloadingBackground);
    BackgroundsPres *backgrounds = BackgroundsPres::instance();
    backgrounds->selectionDone(downloadingBackground);
    waitFor([&]() { return backgrounds->downloadReceived() > 0; }, 5000);
    QMetaObject::invokeMethod(stack, "showStyle");
    shoot(QStringLiteral("screen-4-style-downloading"));
    QMetaObject::invokeMethod(stack, "showSettings");
    shoot(QStringLiteral("screen-5-settings-downloading"));
    QMetaObject::invokeMethod(stack, "showDownloading");
    shoot(QStringLiteral("screen-6-downloading"));
    shootPopup("networkProblemPopup", QStringLiteral("popup-network-problem"));
    backgrounds->cancelDownload();
    style->setBgId(chosen);
    QMetaObject::invokeMethod(stack, "backTo", Q_ARG(QVariant, QStringLiteral("settingsScreen")));
}

void walk(const QString &samples)
{
    QObject *stack = nullptr;
    for (int i = 0; i < 200 && !(stack = window->findChild<QObject *>(QStringLiteral("stack"))); ++i)
        wait(50);
    wait(400);
    shootPopup("tipsOverlay", QStringLiteral("popup-tips"), [](QObject *) {});
    wait(300);
    shoot(QStringLiteral("main-empty"));

    ProjectPres *project = ProjectPres::instance();
    project->addImagePaths(makePhotos(samples, 23));
    project->addTextSlide(QStringLiteral("Summer by the lake"));
    const QString song = samples + QStringLiteral("/song.m4a");
    if (QProcess::execute(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("quiet"), QStringLiteral("-y"),
                          QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                          QStringLiteral("sine=frequency=440:duration=66"), QStringLiteral("-c:a"), QStringLiteral("aac"), song}) == 0)
        project->addAudioPaths({song});
    wait(2500);
    call(find("slideGrid"), "setSelection", {QVariant(QVariantList{1, 2, 5})});
    shoot(QStringLiteral("main-slides"));
    // The preview beside the slides, a few seconds into playing; it stays paused there.
    PreviewPres::instance()->play();
    wait(3000);
    shoot(QStringLiteral("main-preview-playing"));
    PreviewPres::instance()->pause();

    // A photo moved away since the project was saved: it opens in its place, marked as missing.
    auto kept = ProjectPtr::create(*project->project());
    auto moved = ProjectPtr::create(*kept);
    moved->slides[3] = SlidePtr::create(*moved->slides.at(3));
    moved->slides[3]->content = samples + QStringLiteral("/moved away/IMG_2041.jpg");
    project->openProject(moved);
    shoot(QStringLiteral("popup-missing-photo-on-open"));
    QMetaObject::invokeMethod(find("missingFilesPopup"), "close");
    wait(300);
    shoot(QStringLiteral("main-missing-photo"));
    // A project read from a damaged file, one of its photos no picture at all.
    auto damaged = ProjectPtr::create(*kept);
    damaged->slides[4] = SlidePtr::create(*damaged->slides.at(4));
    damaged->slides[4]->content = samples + QStringLiteral("/IMG_2050.jpg");
    QFile notPicture(damaged->slides[4]->content);
    if (notPicture.open(QIODevice::WriteOnly))
        notPicture.write("a shopping list saved under a photo's name");
    notPicture.close();
    damaged->damage = QStringLiteral("line 1: Premature end of document.");
    project->openProject(damaged);
    wait(300);
    shoot(QStringLiteral("popup-damaged-project"));
    QMetaObject::invokeMethod(find("damagedProjectPopup"), "close");
    wait(2000);
    shoot(QStringLiteral("main-unreadable-photo"));
    project->openProject(kept);
    wait(1500);
    shootPopup("quitDuringRenderPopup", QStringLiteral("popup-quit-during-render"));

    shootPopup("textSlidePopup", QStringLiteral("popup-text-slide"), [](QObject *p) { QMetaObject::invokeMethod(p, "openNew"); });
    shootPopup("durationPopup", QStringLiteral("popup-slide-durations"));
    shootPopup("slideDurationPopup", QStringLiteral("popup-one-slide-duration"), [](QObject *p) {
        call(p, "openFor", {2, 2, 7, 3});
    });
    shootPopup("audioPopup", QStringLiteral("popup-audio"));
    shootPopup("recentPopup", QStringLiteral("popup-recent-projects"));
    shootPopup("removeSlidePopup", QStringLiteral("popup-remove-slide"), [](QObject *p) {
        p->setProperty("rows", QVariantList{1});
        QMetaObject::invokeMethod(p, "open");
    });
    shootPopup("missingFilesPopup", QStringLiteral("popup-missing-files"), [](QObject *p) {
        call(p, "show", {QStringList{QStringLiteral("/home/anna/Pictures/beach/IMG_2041.jpg"),
                                     QStringLiteral("/home/anna/Pictures/beach/IMG_2042.jpg")}});
    });
    shootPopup("missingMusicPopup", QStringLiteral("popup-missing-music"), [](QObject *p) {
        call(p, "show", {QStringList{QStringLiteral("/media/anna/stick/Summer song.mp3")}});
    });
    shootPopup("errorPopup", QStringLiteral("popup-error"), [](QObject *p) {
        call(p, "show", {QStringLiteral("/home/anna/Music/broken.mp3 is not a sound file Pictovia can play: Invalid data found when processing input")});
    });
    shootPopup("crashPopup", QStringLiteral("popup-crash-message"));

    const std::pair<const char *, const char *> screens[] = {
        {"showTheme", "screen-2-theme"}, {"showBackground", "screen-3-background"},
        {"showStyle", "screen-4-style"}, {"showSettings", "screen-5-settings"}};
    for (const auto &screen : screens) {
        QMetaObject::invokeMethod(stack, screen.first);
        shoot(QString::fromLatin1(screen.second));
        if (qstrcmp(screen.first, "showTheme") == 0)
            shootPopup("themePreviewPopup", QStringLiteral("popup-theme-preview"), [](QObject *p) {
                // The name as the theme's card shows it, in the screens' language.
                call(p, "show", {3, QCoreApplication::translate("ThemeScreen", "Flying")});
            });
        if (qstrcmp(screen.first, "showBackground") == 0) {
            QObject *tabs = find("backgroundTabs");
            for (int tab = 1; tab < 4 && tabs; ++tab) {
                tabs->setProperty("currentIndex", tab);
                shoot(QStringLiteral("screen-3-background-tab%1").arg(tab + 1));
            }
            shootPopup("smallImagePopup", QStringLiteral("popup-image-too-small"));
        }
        if (qstrcmp(screen.first, "showStyle") == 0) {
            if (QObject *tabs = find("styleTabs")) {
                tabs->setProperty("currentIndex", 1);
                shoot(QStringLiteral("screen-4-style-text"));
                // A colour of the user's own, with the way back to the background's.
                StyleSettingsPres::instance()->setFontColor(QColor(255, 215, 0));
                wait(500);
                shoot(QStringLiteral("screen-4-style-own-colour"));
                StyleSettingsPres::instance()->useBackgroundFontColor();
                tabs->setProperty("currentIndex", 0);
            }
        }
    }
    shootDownload(stack);
    makeVideo(stack, samples);
}

} // namespace

int main(int argc, char *argv[])
{
    // A home of its own: no saved projects, flags or downloads from earlier runs in the pictures.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    initPictoviaCore();
    QCoreApplication::setOrganizationName(QStringLiteral("OOO Velmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Pictovia"));
    QApplication app(argc, argv);
    // Never the user's own projects, settings or downloads.
    QStandardPaths::setTestModeEnabled(true);

    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("outdir"), QStringLiteral("folder for the PNG files"));
    parser.addOption({QStringLiteral("size"), QStringLiteral("window size"), QStringLiteral("WxH"), QStringLiteral("1300x900")});
    parser.addOption({QStringLiteral("lang"), QStringLiteral("interface language"), QStringLiteral("code")});
    parser.addHelpOption();
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    outDir = parser.positionalArguments().first();
    QDir().mkpath(outDir);
    const QStringList size = parser.value(QStringLiteral("size")).split(QLatin1Char('x'));

    if (parser.isSet(QStringLiteral("lang")))
        AppTranslations::install(parser.value(QStringLiteral("lang")));

    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    QmlScreens::setStyle();
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    AppPaths::setup();
    QTemporaryDir samples;
    TestHttpServer content;
    if (!content.start())
        return 1;
    serveContent(content);
    qputenv("PICTOVIA_CONTENT_URL", content.baseUrl().toUtf8());

    QQmlApplicationEngine engine;
    engine.rootContext()->setContextProperty(QStringLiteral("applicationDirPath"), QCoreApplication::applicationDirPath());
    PresenterRegistry::registerImageProviders(engine);
    PresenterRegistry::publishPresenters(engine);
    engine.load(QmlScreens::mainUrl());
    if (engine.rootObjects().isEmpty())
        return 1;
    window = qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    if (!window)
        return 1;
    window->resize(size.value(0).toInt(), size.value(1).toInt());
    window->setPosition(0, 0);
    // The pointer outside the window: no card or button shows its hover state in the pictures.
    QCursor::setPos(window->screen()->geometry().bottomRight());
    walk(samples.path());
    return 0;
}
