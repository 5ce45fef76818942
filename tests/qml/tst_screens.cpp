// Drives the real screens (qrc:/main.qml) by object name with mouse clicks and key presses.
#include "support/QmlDriver.h"
#include "support/TestSupport.h"

#include "project/ProjectPres.h"
#include "project/SlidesListModel.h"

#include <QImage>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTemporaryDir>

class TestScreens : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QmlDriver m_ui;
    ProjectPres *m_project = nullptr;

    QStringList photos(int count, const QString &prefix = QStringLiteral("p"))
    {
        QStringList paths;
        for (int i = 0; i < count; ++i) {
            QImage image(320, 200, QImage::Format_RGB32);
            image.fill(QColor::fromHsv(i * 40 % 360, 160, 220));
            paths << m_dir.filePath(QStringLiteral("%1%2.jpg").arg(prefix).arg(i));
            image.save(paths.last());
        }
        return paths;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(m_ui.load());
        m_project = ProjectPres::instance();
    }

    void init()
    {
        m_project->reset();
        QSettings().remove(QStringLiteral("removeSlideDlgDontShowAgain"));
        QVERIFY(m_ui.waitForScreen(QStringLiteral("mainScreen")));
    }

    void cleanupTestCase()
    {
        for (const QString &w : m_ui.warnings())
            qWarning() << w;
        QVERIFY(m_ui.warnings().isEmpty());
    }

    void doneNeedsSlides()
    {
        QQuickItem *done = m_ui.visibleItem(QStringLiteral("doneButton"));
        QVERIFY(done);
        QVERIFY(!done->isEnabled());
        QVERIFY(m_ui.visibleItem(QStringLiteral("emptyState")));
        m_project->addImagePaths(photos(1));
        QTRY_VERIFY(done->isEnabled());
        QVERIFY(!m_ui.visibleItem(QStringLiteral("emptyState")));
    }

    // Ctrl+A then Delete asks once for all selected slides; "Don't ask again" is remembered and
    // the next Delete removes at once.
    void selectAllAndDelete()
    {
        m_project->addImagePaths(photos(3));
        m_project->addTextSlide(QStringLiteral("Hello"));
        QTRY_COMPARE(SlidesListModel::instance()->rowCount(), 4);
        QVERIFY(m_ui.click(QStringLiteral("slide0")));
        m_ui.key(Qt::Key_A, Qt::ControlModifier);
        m_ui.key(Qt::Key_Delete);
        QTRY_VERIFY(m_ui.visibleItem(QStringLiteral("removeSlidePopupAccept")));
        QVERIFY(m_ui.click(QStringLiteral("removeSlidePopupDontAsk")));
        QVERIFY(m_ui.click(QStringLiteral("removeSlidePopupAccept")));
        QTRY_COMPARE(SlidesListModel::instance()->rowCount(), 0);
        QVERIFY(QSettings().contains(QStringLiteral("removeSlideDlgDontShowAgain")));
        QTRY_VERIFY(!m_ui.object(QStringLiteral("removeSlidePopup"))->property("visible").toBool());

        m_project->addImagePaths(photos(2));
        QTRY_COMPARE(SlidesListModel::instance()->rowCount(), 2);
        QVERIFY(m_ui.click(QStringLiteral("slide1")));
        m_ui.key(Qt::Key_Delete);
        QTRY_COMPARE(SlidesListModel::instance()->rowCount(), 1);
    }

    // Files dropped from a file manager land where the matching tool-bar action puts them.
    void droppedFilesAreSorted()
    {
        const QStringList images = photos(2, QStringLiteral("drop"));
        QDir(m_dir.path()).mkdir(QStringLiteral("folder"));
        photos(1, QStringLiteral("folder/in"));
        QVariantList urls{QUrl::fromLocalFile(images[0]), QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("notes.txt"))),
                          QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("folder"))), QUrl::fromLocalFile(images[1])};
        QVERIFY(QMetaObject::invokeMethod(m_ui.object(QStringLiteral("mainScreen")), "addDropped",
                                          Q_ARG(QVariant, QVariant(urls))));
        QTRY_COMPARE(m_project->property("slidesNumber").toInt(), 3);
    }

    void addTextSlideByClicks()
    {
        QVERIFY(m_ui.click(QStringLiteral("addTextButton")));
        QQuickItem *field = nullptr;
        QTRY_VERIFY((field = m_ui.visibleItem(QStringLiteral("textSlideField"))));
        QTRY_VERIFY(field->hasActiveFocus());
        m_ui.type(QStringLiteral("Our summer"));
        QVERIFY(m_ui.click(QStringLiteral("textSlideOk")));
        QTRY_COMPARE(SlidesListModel::instance()->rowCount(), 1);
        QCOMPARE(SlidesListModel::instance()->data(SlidesListModel::instance()->index(0), SlidesListModel::TextRole).toString(),
                 QStringLiteral("Our summer"));
    }
};

PICTOVIA_TEST_MAIN(TestScreens)
#include "tst_screens.moc"
