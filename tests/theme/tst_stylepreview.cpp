#include "support/TestSupport.h"

#include "theme/StylePreview.h"
#include "theme/ThemeCatalogue.h"

#include <QFont>

class TestStylePreview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void coverCropKeepsTheCentreAtTheTargetSize()
    {
        QImage fourThree(1600, 1200, QImage::Format_RGB32);
        fourThree.fill(Qt::red);
        fourThree.setPixelColor(800, 600, Qt::blue);
        const QImage cropped = StylePreview::coverCrop(fourThree, 720, 1280);
        QCOMPARE(cropped.size(), QSize(1280, 720));
        QCOMPARE(cropped.pixelColor(0, 0), QColor(Qt::red));

        QImage exact(1280, 720, QImage::Format_RGB32);
        exact.fill(Qt::green);
        QCOMPARE(StylePreview::coverCrop(exact, 720, 1280).constBits(), exact.constBits());
    }

    // The style screen's text preview is the video's title: one line of about a tenth of the
    // height on its band, not the text blown up to fill the frame.
    void textPreviewDrawsTheTitleAsTheVideoDoes()
    {
        QImage canvas(1280, 720, QImage::Format_RGB32);
        canvas.fill(QColor(240, 236, 228));
        const QImage preview = StylePreview::textPreview(canvas, ThemeCatalogue::instance()->templateFor(1),
                                                         QStringLiteral("Pictovia"), QFont(QStringLiteral("DejaVu Sans")),
                                                         QColor(0xd4, 0xa0, 0x17));
        QRect changed;
        for (int y = 0; y < preview.height(); ++y)
            for (int x = 0; x < preview.width(); ++x)
                if (preview.pixel(x, y) != canvas.pixel(x, y))
                    changed |= QRect(x, y, 1, 1);
        QVERIFY2(changed.height() > 720 * 0.1 && changed.height() < 720 * 0.3, qPrintable(QString::number(changed.height())));
        // Gold letters stand on a dark band.
        QVERIFY(preview.pixelColor(changed.left() + changed.width() / 16, changed.center().y()).lightness() < 100);
    }

    void themeWithoutSingleObjectSceneUsesItsFirstScene()
    {
        auto scene = [](int objects) {
            auto s = ThemeScenePtr::create();
            for (int i = 0; i < objects; ++i)
                s->objects << SceneObjectPtr::create();
            return s;
        };
        const QList<ThemeScenePtr> twoAndThree{scene(2), scene(3)};
        QCOMPARE(StylePreview::singleObjectScene(twoAndThree), twoAndThree.first());
        const QList<ThemeScenePtr> withSingle{scene(2), scene(1)};
        QCOMPARE(StylePreview::singleObjectScene(withSingle), withSingle.last());
        QVERIFY(!StylePreview::singleObjectScene({}));
    }
};

PICTOVIA_TEST_MAIN(TestStylePreview)
#include "tst_stylepreview.moc"
