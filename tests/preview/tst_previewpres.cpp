#include "support/PreviewFixtures.h"
#include "support/RenderFixtures.h"
#include "support/TestSupport.h"

#include "app/PresenterRegistry.h"
#include "images/ImageProvider.h"
#include "preview/PreviewPlayer.h"
#include "preview/PreviewPres.h"
#include "project/StyleSettingsPres.h"
#include "render/RenderPres.h"
#include "theme/SceneStyle.h"

#include <QSignalSpy>
#include <QTemporaryDir>

using namespace PreviewFixtures;
using namespace RenderFixtures;

namespace {

int redPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            count += qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
        }
    return count;
}

} // namespace

class TestPreviewPres : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void initTestCase() { PresenterRegistry::wirePreview(); }

    void cleanupTestCase()
    {
        PreviewPres::instance()->stop();
        StyleSettingsPres::instance()->reset();
        SceneStyle::instance()->reset();
    }

    void styleChangeWhilePlayingRestartsAtTheSameTime()
    {
        const QString blue = colourPicture(dir.path(), "blue.png", QColor(20, 20, 230));
        auto project = imageProject({blue, blue, blue}, 4.0, 0);
        auto theme = threeBoxTheme(0);
        PreviewPres *preview = PreviewPres::instance();
        preview->setRunSource([project, theme](double from) { return runOf(project, theme, from); });
        QCOMPARE(preview->duration(), 12.0);
        SceneStyle::instance()->setBorderWidth(0.0f);

        QSignalSpy frames(preview->player(), &PreviewPlayer::frameShown);
        preview->seek(5.0);
        preview->play();
        QVERIFY(preview->playing());
        QTRY_VERIFY_WITH_TIMEOUT(preview->position() >= 5.5, 10000);
        QCOMPARE(redPixels(frames.last().at(0).value<QImage>()), 0);

        // Two changes in a row, as from the style screen: one restart with both.
        const double before = preview->position();
        frames.clear();
        StyleSettingsPres::instance()->setBorderColor(Qt::red);
        StyleSettingsPres::instance()->setBorderSize(4);
        // The old run's last picture may still arrive; the new run's first has the red border.
        auto firstRed = [&frames]() -> int {
            for (int i = 0; i < frames.size(); ++i)
                if (redPixels(frames.at(i).at(0).value<QImage>()) > 50)
                    return i;
            return -1;
        };
        QTRY_VERIFY_WITH_TIMEOUT(firstRed() >= 0, 10000);
        const double restartedAt = frames.at(firstRed()).at(1).toDouble();
        QVERIFY2(restartedAt >= before - 0.1 && restartedAt <= before + 0.5,
                 qPrintable(QStringLiteral("%1 after %2").arg(restartedAt).arg(before)));
        QVERIFY(preview->playing());
        // The picture QML shows is the latest one, and the only one the preview keeps.
        QTRY_VERIFY(!preview->frame().isEmpty());
        QSize size;
        QCOMPARE(ImageProvider::instance()->requestImage(preview->frame(), &size, QSize()).size(), QSize(640, 360));

        preview->pause();
        QVERIFY(!preview->playing());
        QVERIFY(!preview->player()->isRunning());

        // Paused, a seek shows the picture at that time and stays paused.
        frames.clear();
        preview->seek(9.0);
        QVERIFY(!preview->playing());
        QVERIFY(frames.wait(10000));
        QTRY_VERIFY(!preview->player()->isRunning());
        QVERIFY(qAbs(frames.first().at(1).toDouble() - 9.0) <= 1.0 / 30 + 1e-6);
    }

    // A render takes the machine: a playing preview stops and none starts until it ends.
    void renderStopsThePreview()
    {
        const QString blue = colourPicture(dir.path(), "blue.png", QColor(20, 20, 230));
        auto project = imageProject({blue, blue}, 4.0, 0);
        auto theme = threeBoxTheme(0);
        PreviewPres *preview = PreviewPres::instance();
        preview->setRunSource([project, theme](double from) { return runOf(project, theme, from); });
        preview->play();
        QVERIFY(preview->player()->isRunning());

        RenderPres::instance()->setIsRendering(true);
        QVERIFY(!preview->playing());
        QVERIFY(!preview->player()->isRunning());
        preview->play();
        QVERIFY(!preview->playing());
        QVERIFY(!preview->player()->isRunning());

        RenderPres::instance()->setIsRendering(false);
        preview->play();
        QVERIFY(preview->playing());
        preview->pause();
    }
};

PICTOVIA_TEST_MAIN(TestPreviewPres)
#include "tst_previewpres.moc"
