#include "support/TestSupport.h"

#include "app/QmlScreens.h"
#include "app/CommonError.h"
#include "app/PresenterRegistry.h"

#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        QmlScreens::setStyle();
    }

    void loadsWithoutQmlErrorsAndShowsReportedErrors()
    {
        // Declared first: the engine may still warn while it is destroyed.
        QList<QQmlError> problems;
        QQmlApplicationEngine engine;
        connect(&engine, &QQmlApplicationEngine::warnings, this,
                [&problems](const QList<QQmlError> &w) { problems << w; });
        engine.rootContext()->setContextProperty(QStringLiteral("applicationDirPath"),
                                                 QCoreApplication::applicationDirPath());
        PresenterRegistry::registerImageProviders(engine);
        PresenterRegistry::publishPresenters(engine);
        engine.load(QmlScreens::mainUrl());
        QCOMPARE(engine.rootObjects().size(), 1);

        auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().first());
        QVERIFY(window);
        QCOMPARE(window->minimumWidth(), 1000);
        QCOMPARE(window->minimumHeight(), 600);

        QObject *popup = window->findChild<QObject *>(QStringLiteral("errorPopup"));
        QVERIFY(popup);
        QVERIFY(!popup->property("opened").toBool());
        CommonError::report(QStringLiteral("Video output avio_open2 failed"), -13);
        QTRY_VERIFY(popup->property("visible").toBool());
        QCOMPARE(popup->property("message").toString(), QStringLiteral("Video output avio_open2 failed: Permission denied"));

        QTest::qWait(500); // let the asynchronous screens load
        for (const QQmlError &e : problems)
            qWarning() << e.toString();
        QVERIFY(problems.isEmpty());
    }
};

PICTOVIA_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
