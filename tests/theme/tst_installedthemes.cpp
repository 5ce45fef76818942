#include "support/TestSupport.h"

#include "theme/SceneSprite.h"
#include "theme/SlotTimeline.h"
#include "theme/ThemeCatalogue.h"

#include <QFileInfo>
#include <QLineF>
#include <QImage>
#include <QPolygonF>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>

namespace {

const QStringList themeNames = {QStringLiteral("Smooth"),   QStringLiteral("Carousel"),
                                QStringLiteral("Flying"),   QStringLiteral("Flow"),
                                QStringLiteral("Fade in Fade out"), QStringLiteral("Roller"),
                                QStringLiteral("Pan and Zoom"), QStringLiteral("Parallax")};
const QStringList anchors = {QStringLiteral("#anim-smooth"), QStringLiteral("#anim-carousel"),
                             QStringLiteral("#anim-flying"), QStringLiteral("#anim-flow"),
                             QStringLiteral("#anim-fade"),   QStringLiteral("#anim-roller"),
                             QStringLiteral("#anim-panzoom"), QStringLiteral("#anim-parallax")};

QPolygonF polygon(const Keyframe &k)
{
    return QPolygonF({k.topLeft, k.topRight, k.bottomRight, k.bottomLeft});
}

// Nothing of the object shows: transparent or entirely outside the frame.
bool hidden(const Keyframe &k)
{
    return k.opacity < 0.01f || !polygon(k).boundingRect().intersects(QRectF(0, 0, 1, 1));
}

} // namespace

class TestInstalledThemes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void catalogueListsTheEightThemes()
    {
        const auto &themes = ThemeCatalogue::instance()->themes();
        for (int id = 1; id <= 8; ++id) {
            QVERIFY2(themes.contains(id), qPrintable(QString::number(id)));
            const ThemeEntry entry = themes.value(id);
            QCOMPARE(entry.name, themeNames.at(id - 1));
            QVERIFY(entry.preview.startsWith(QStringLiteral("https://")));
            QVERIFY(entry.preview.endsWith(anchors.at(id - 1)));
            QVERIFY(!QImage(entry.thumbPath).isNull());
            const QImage bundled(QStringLiteral(":/assets/images/templates/%1/thumb.jpg").arg(id));
            QVERIFY(!bundled.isNull());
        }
    }

    void everyThemeHasACompleteSceneMix_data()
    {
        QTest::addColumn<int>("id");
        for (int id = 1; id <= 8; ++id)
            QTest::newRow(qPrintable(themeNames.at(id - 1))) << id;
    }

    void everyThemeHasACompleteSceneMix()
    {
        QFETCH(int, id);
        const ThemeTemplatePtr tpl = ThemeCatalogue::instance()->templateFor(id);
        QVERIFY(tpl);
        QVERIFY(tpl->fadeIn > 0 && tpl->fadeOut > 0);
        QVERIFY(tpl->sceneOverflow >= 10 && tpl->sceneOverflow <= 20);
        QVERIFY(tpl->shadow.blur > 0.00001f && tpl->textShadow.blur > 0.00001f);

        QSet<int> photoSizes;
        for (const auto &scene : tpl->photoScenes)
            photoSizes.insert(scene->objects.size());
        QVERIFY(photoSizes.contains(QSet<int>{1, 2, 3}));
        bool oneObjectText = false;
        for (const auto &scene : tpl->textScenes)
            oneObjectText |= scene->objects.size() == 1;
        QVERIFY(oneObjectText);

        for (const auto &scene : tpl->photoScenes + tpl->textScenes) {
            QVERIFY(scene->frames > 0);
            for (int i = 0; i < scene->objects.size(); ++i) {
                const SceneObjectPtr &object = scene->objects.at(i);
                // Keyframes are looked up exactly: one for every frame the scene plays.
                QCOMPARE(object->keyframes.size(), scene->frames + 1);
                QCOMPARE(object->keyframes.firstKey(), 0);
                QCOMPARE(object->keyframes.lastKey(), scene->frames);
                QVERIFY(object->aspect > 0.5f && object->aspect < 2.0f);
                QVERIFY(object->maxWidth > 0.2f && object->maxWidth <= 1.0f);
                QVERIFY(object->maxHeight > 0.2f && object->maxHeight <= 1.0f);
                // A scene starts with its first photo alone and ends with its last alone, which the
                // renderer dissolves into the next scene's first; the others arrive and leave unseen.
                QVERIFY(i == 0 || hidden(object->keyframes.first()));
                QVERIFY(i == scene->objects.size() - 1 || hidden(object->keyframes.last()));
            }
        }
    }

    // Each object's slide is shown at the middle of its own slot.
    void slidesAreVisibleInTheirSlot()
    {
        for (int id = 1; id <= 8; ++id) {
            const ThemeTemplatePtr tpl = ThemeCatalogue::instance()->templateFor(id);
            for (const auto &scene : tpl->photoScenes + tpl->textScenes) {
                const int n = scene->objects.size();
                for (int i = 0; i < n; ++i) {
                    const Keyframe k = scene->objects.at(i)->keyframes.value(scene->frames * (2 * i + 1) / (2 * n));
                    const QRectF box = polygon(k).boundingRect();
                    QVERIFY2(k.opacity > 0.9f && box.center().x() > 0.1 && box.center().x() < 0.9,
                             qPrintable(QStringLiteral("theme %1, object %2").arg(id).arg(i)));
                }
            }
        }
    }

    // Through the real sprite: each slide shows in its slot; at the first scene frame only the
    // first shows and at the last only the last, where the renderer hands over between scenes.
    void spritesShowInTheirSlotAndAloneAtTheEdges()
    {
        const QSize output(320, 180);
        QImage picture(300, 200, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::white);
        const auto litShare = [](const QImage &image) {
            int lit = 0;
            for (int y = 0; y < image.height(); ++y) {
                const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
                for (int x = 0; x < image.width(); ++x)
                    lit += qGray(line[x]) > 40;
            }
            return double(lit) / (image.width() * image.height());
        };
        for (int id = 1; id <= 8; ++id) {
            const ThemeTemplatePtr tpl = ThemeCatalogue::instance()->templateFor(id);
            for (const auto &scene : tpl->photoScenes + tpl->textScenes) {
                const int n = scene->objects.size();
                QImage edges(output, QImage::Format_RGB32);
                edges.fill(Qt::black);
                for (int i = 0; i < n; ++i) {
                    const SceneSprite sprite(scene->objects.at(i), picture, output.width(), output.height());
                    QImage inSlot(output, QImage::Format_RGB32);
                    inSlot.fill(Qt::black);
                    sprite.drawAt(scene->frames * (2.0 * i + 1) / (2 * n), inSlot, 1.0);
                    const QString where = QStringLiteral("theme %1, %2 objects, object %3").arg(id).arg(n).arg(i);
                    QVERIFY2(litShare(inSlot) > 0.05, qPrintable(where));
                    if (i > 0)
                        sprite.drawAt(0, edges, 1.0);
                    if (i < n - 1)
                        sprite.drawAt(scene->frames, edges, 1.0);
                    QVERIFY2(litShare(edges) == 0.0, qPrintable(where));
                }
            }
        }
    }

    // The themes whose photos come to rest: each rests (moves less than 0.4 % of the frame per
    // output frame) for at least 40 % of a 3 s slide, large enough that a portrait photo fills 85 %
    // of the height and a 16:9 one 75 %.
    void photosRestLarge_data()
    {
        QTest::addColumn<int>("id");
        for (int id : {1, 2, 3, 5, 6})
            QTest::newRow(qPrintable(themeNames.at(id - 1))) << id;
    }

    void photosRestLarge()
    {
        QFETCH(int, id);
        const QImage picture(300, 200, QImage::Format_ARGB32_Premultiplied);
        for (const auto &scene : ThemeCatalogue::instance()->templateFor(id)->photoScenes) {
            const int n = scene->objects.size();
            const SlotTimeline timeline(QVector<double>(n, 90.0), double(scene->frames) / n);
            for (int i = 0; i < n; ++i) {
                const SceneSprite sprite(scene->objects.at(i), picture, 320, 180);
                int resting = 0;
                QRectF box;
                for (int f = 90 * i; f < 90 * (i + 1); ++f) {
                    const Keyframe a = *sprite.keyframeAt(timeline.position(f));
                    const Keyframe b = *sprite.keyframeAt(timeline.position(f + 1));
                    const QPolygonF pa = polygon(a), pb = polygon(b);
                    double moved = 0.0;
                    for (int c = 0; c < 4; ++c)
                        moved = std::max(moved, QLineF(pa.at(c), pb.at(c)).length());
                    resting += moved < 0.004;
                    if (f == 90 * i + 45)
                        box = pa.boundingRect();
                }
                const QString where = QStringLiteral("%1 objects, object %2").arg(n).arg(i);
                QVERIFY2(resting >= 36, qPrintable(where + QStringLiteral(": %1 resting").arg(resting)));
                QVERIFY2(box.height() >= 0.85 && std::min(box.width(), box.height()) >= 0.75, qPrintable(where));
            }
        }
    }

    void themesMoveDifferently()
    {
        QSet<QString> signatures;
        for (int id = 1; id <= 8; ++id) {
            const ThemeScenePtr scene = ThemeCatalogue::instance()->templateFor(id)->photoScenes.first();
            QString signature;
            for (int f = 0; f <= scene->frames; f += scene->frames / 6) {
                const Keyframe k = scene->objects.first()->keyframes.value(f);
                signature += QStringLiteral("%1,%2,%3,%4;").arg(k.topLeft.x(), 0, 'f', 2).arg(k.topLeft.y(), 0, 'f', 2)
                                 .arg(k.bottomRight.x(), 0, 'f', 2).arg(k.opacity, 0, 'f', 1);
            }
            signatures.insert(signature);
        }
        QCOMPARE(signatures.size(), 8);
    }

    void committedThemesMatchTheGenerator()
    {
        const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
        QVERIFY2(!python.isEmpty(), "python3 is needed (scripts/install-deps installs it)");
        const QString script = QFileInfo(QStringLiteral(__FILE__)).absolutePath()
            + QStringLiteral("/../../tools/themegen/themegen.py");
        QVERIFY(QFileInfo::exists(script));
        QProcess process;
        process.start(python, {script, QStringLiteral("--check")});
        QVERIFY(process.waitForFinished(120000));
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
                 process.readAllStandardOutput() + process.readAllStandardError());
    }
};

PICTOVIA_TEST_MAIN(TestInstalledThemes)
#include "tst_installedthemes.moc"
