#include "app/AppPaths.h"
#include "app/AppTranslations.h"
#include "app/CoreInit.h"
#include "app/PresenterRegistry.h"
#include "app/QmlScreens.h"
#include "app/TerminationNotifier.h"
#include "project/AutosavePres.h"
#include "project/ProjectPres.h"
#include "project/SavedProjectsPres.h"
#include "render/RenderPres.h"

#include <QApplication>
#include <QFont>
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

int main(int argc, char *argv[])
{
    initPictoviaCore();

    // High-DPI scaling is always on in this toolkit version: nothing to ask for.
    QCoreApplication::setOrganizationName(QStringLiteral("OOO Velmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Pictovia"));

    QApplication app(argc, argv);

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
    return app.exec();
}
