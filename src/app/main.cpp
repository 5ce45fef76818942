#include "app/AppPaths.h"
#include "app/AppTranslations.h"
#include "app/CoreInit.h"
#include "app/LaunchFiles.h"
#include "app/Logging.h"
#include "app/PresenterRegistry.h"
#include "app/QmlScreens.h"
#include "app/TerminationNotifier.h"
#include "backgrounds/BackgroundsPres.h"
#include "project/AutosavePres.h"
#include "project/ProjectPres.h"
#include "project/SavedProjectsPres.h"
#include "render/RenderPres.h"
#include "theme/ThemeCatalogue.h"

#include "BuildConfig.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QLocale>
#include <QOpenGLContext>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QQmlContext>
#include <QSessionManager>

// Machines without OpenGL (remote desktops, virtual machines, headless runs) still get a window.
static void chooseSceneGraphBackend()
{
    if (!qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        return;
    QOpenGLContext probe;
    if (!probe.create())
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

static constexpr int exitThumbnailWaitMs = 3000;

// However the program ends (the window closed, the session ending, a signal), waiting edits
// are written and a render is stopped, which removes its partial file.
static void keepWorkOnExit(QApplication &app, TerminationNotifier &termination)
{
    QObject::connect(&app, &QGuiApplication::aboutToQuit, [] {
        RenderPres::instance()->stop();
        AutosavePres::instance()->flush();
        // The window is gone by now: the list's pictures of the project are worth a moment.
        SavedProjectsPres::instance()->waitForThumbnails(exitThumbnailWaitMs);
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest,
                     [](QSessionManager &) { AutosavePres::instance()->flush(); });
    QObject::connect(&termination, &TerminationNotifier::terminationRequested, &app, &QCoreApplication::quit);
}

namespace {

// One line once the screens are up: where the data was found, how much of it, and what the
// project opened with, so that an installed program can be checked from its log.
class ReadinessLog : public QObject
{
    Q_OBJECT

public:
    explicit ReadinessLog(QQmlApplicationEngine &engine) : QObject(&engine)
    {
        const QList<QObject *> roots = engine.rootObjects();
        if (QObject *loader = roots.isEmpty() ? nullptr : roots.first()->findChild<QObject *>(QStringLiteral("screensLoader")))
            connect(loader, SIGNAL(loaded()), this, SLOT(screensLoaded()));
    }

private Q_SLOTS:
    void screensLoaded()
    {
        const BackgroundsPres *backgrounds = BackgroundsPres::instance();
        const ProjectPtr project = ProjectPres::instance()->project();
        qCInfo(lcApp).noquote() << QStringLiteral("Screens ready: %1 themes, %2 backgrounds, %3 animated backgrounds "
                                                  "from %4; the project holds %5 slides and %6 music tracks")
                                       .arg(ThemeCatalogue::instance()->themes().size())
                                       .arg(backgrounds->standard().size())
                                       .arg(backgrounds->animated().size())
                                       .arg(AppPaths::dataDir)
                                       .arg(project->slides.size())
                                       .arg(project->audioTracks.size());
    }
};

} // namespace

int main(int argc, char *argv[])
{
    initPictoviaCore();

    // High-DPI scaling is always on in this toolkit version: nothing to ask for.
    QCoreApplication::setOrganizationName(QStringLiteral("OOO Velmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Pictovia"));

    QApplication app(argc, argv);
    // Wayland finds the window's icon and name through the desktop entry of this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(PICTOVIA_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(PICTOVIA_APP_ID)));
    // Read before AppPaths::setup moves to the data folder: names are relative to where we were started.
    const LaunchFiles launchFiles = LaunchFiles::sort(app.arguments().mid(1), QDir::currentPath());

    QFont::insertSubstitution(QStringLiteral("Times"), QStringLiteral("Times New Roman"));
    QApplication::setFont(QFont(QStringLiteral("Segoe UI"), 16, QFont::Normal, false));

    AppTranslations::install(QLocale::system().name());

    QmlScreens::setStyle();
    chooseSceneGraphBackend();

    QQmlApplicationEngine engine;

    AppPaths::setup();
    engine.rootContext()->setContextProperty(QStringLiteral("applicationDirPath"),
                                             QVariant(QCoreApplication::applicationDirPath()));
    PresenterRegistry::registerImageProviders(engine);
    ProjectPres::instance()->setPixelRatio(app.devicePixelRatio());
    PresenterRegistry::publishPresenters(engine);
    TerminationNotifier termination;
    keepWorkOnExit(app, termination);

    engine.load(QmlScreens::mainUrl());
    new ReadinessLog(engine);
    // After the window is up, whose error popup reports what could not be opened.
    if (!launchFiles.isEmpty())
        launchFiles.addTo(*ProjectPres::instance());
    return app.exec();
}

#include "main.moc"
