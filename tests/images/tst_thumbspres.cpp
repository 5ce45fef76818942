#include "support/TestSupport.h"

#include "app/PresenterRegistry.h"
#include "backgrounds/BackgroundCatalogue.h"
#include "images/ImageProvider.h"
#include "images/ThumbsPres.h"
#include "project/ProjectPres.h"
#include "project/StyleSettingsPres.h"
#include "theme/ThemeCatalogue.h"

#include <QQmlEngine>
#include <QSignalSpy>
#include <QThread>

class TestThumbsPres : public QObject
{
    Q_OBJECT

    StyleSettingsPtr m_style = StyleSettingsPtr::create();

    static QImage published(const QString &id)
    {
        QSize size;
        return ImageProvider::instance()->requestImage(id, &size, QSize());
    }

private Q_SLOTS:
    void initTestCase()
    {
        PresenterRegistry::wireProject();
        m_style->bgId = QStringLiteral("color00000");
        ThumbsPres::instance()->setStyleSource([this]() { return m_style; });
        ProjectPres::instance()->reset();
    }

    // Without slides the placeholders are drawn, over a plain colour background; a new preview
    // takes the place of the previous one in the image provider.
    void previewsReplaceTheirPredecessors()
    {
        ThumbsPres *thumbs = ThumbsPres::instance();
        QSignalSpy imgSpy(thumbs, &ThumbsPres::imgStyleThumbChanged);
        QSignalSpy textSpy(thumbs, &ThumbsPres::textStyleThumbChanged);
        thumbs->genImgStyleThumb();
        thumbs->genTextStyleThumb();
        QCOMPARE(imgSpy.count(), 1);
        QCOMPARE(textSpy.count(), 1);
        const QString first = thumbs->imgStyleThumb();
        const QImage photo = published(first);
        QCOMPARE(photo.size(), QSize(1280, 720));
        QCOMPARE(photo.pixelColor(2, 2), QColor(29, 35, 48));
        QVERIFY(photo.pixelColor(640, 360) != QColor(29, 35, 48));
        const QImage text = published(thumbs->textStyleThumb());
        QCOMPARE(text.size(), QSize(1280, 720));
        QVERIFY(text != QImage(1280, 720, text.format()));

        thumbs->genImgStyleThumb();
        QCOMPARE(imgSpy.count(), 2);
        QVERIFY(thumbs->imgStyleThumb() != first);
        QVERIFY(published(first).isNull());
    }

    // The call returns before anything is drawn; the first frame is published alone, the rest
    // in batches, and a release drops them all.
    void themePreviewFramesComeAsTheyAreDrawn()
    {
        ThumbsPres *thumbs = ThumbsPres::instance();
        QList<int> sizes; // of the list at each change
        QObject watcher;
        connect(thumbs, &ThumbsPres::themePreviewFramesChanged, &watcher,
                [&] { sizes << thumbs->themePreviewFrames().size(); });
        thumbs->requestThemePreview(1);
        QVERIFY(thumbs->themePreviewBusy());
        QVERIFY(thumbs->themePreviewFrames().isEmpty());
        QTRY_VERIFY(!thumbs->themePreviewBusy());
        QCOMPARE(sizes.first(), 1);
        const QStringList frames = thumbs->themePreviewFrames();
        QVERIFY(frames.size() > 10);
        QVERIFY(sizes.size() < frames.size());
        QCOMPARE(sizes.last(), frames.size());
        QCOMPARE(published(frames.last()).size(), QSize(480, 270));
        thumbs->releaseThemePreview();
        QVERIFY(thumbs->themePreviewFrames().isEmpty());
        QVERIFY(published(frames.last()).isNull());
    }

    // Frames an older request still sends after a newer one, or after a release, are dropped.
    void staleThemePreviewFramesAreDropped()
    {
        ThumbsPres *thumbs = ThumbsPres::instance();
        thumbs->requestThemePreview(2);
        QTRY_VERIFY(!thumbs->themePreviewBusy());
        const QStringList alone = thumbs->themePreviewFrames();
        const QImage aloneFirst = published(alone.first());

        // The interface thread is held while theme 1's first frames are drawn: they wait in its
        // queue when theme 2 is asked for.
        thumbs->requestThemePreview(1);
        QThread::msleep(500);
        thumbs->requestThemePreview(2);
        QVERIFY(thumbs->themePreviewFrames().isEmpty());
        QTRY_VERIFY(!thumbs->themePreviewBusy());
        const QStringList frames = thumbs->themePreviewFrames();
        QCOMPARE(frames.size(), alone.size());
        QCOMPARE(published(frames.first()), aloneFirst);

        thumbs->requestThemePreview(3);
        QThread::msleep(300);
        thumbs->releaseThemePreview();
        QVERIFY(!thumbs->themePreviewBusy());
        QTest::qWait(300);
        QVERIFY(thumbs->themePreviewFrames().isEmpty());

        // A theme that is not installed draws nothing, and says it has finished.
        thumbs->requestThemePreview(999);
        QTRY_VERIFY(!thumbs->themePreviewBusy());
        QVERIFY(thumbs->themePreviewFrames().isEmpty());
    }

    // As the application wires it: the previews draw the style being edited, here its
    // background colour (last: the registry replaces this test's own style source).
    void applicationPreviewsShowTheStyleBeingEdited()
    {
        QQmlEngine engine;
        PresenterRegistry::publishPresenters(engine);
        StyleSettingsPres *style = StyleSettingsPres::instance();
        for (const QString &id : {QStringLiteral("color00002"), QStringLiteral("color00005")}) {
            style->setBgId(id);
            ThumbsPres::instance()->genImgStyleThumb();
            const QColor expected = BackgroundCatalogue::instance()->entry(id).color;
            QCOMPARE(published(ThumbsPres::instance()->imgStyleThumb()).pixelColor(2, 2).rgb(), expected.rgb());
        }
    }
};

PICTOVIA_TEST_MAIN(TestThumbsPres)
#include "tst_thumbspres.moc"
