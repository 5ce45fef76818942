#include "support/TestSupport.h"

#include "theme/ThemeCatalogue.h"

#include <QFileInfo>
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
        QCOMPARE(photoSizes, (QSet<int>{1, 2, 3}));
        bool oneObjectText = false;
        for (const auto &scene : tpl->textScenes)
            oneObjectText |= scene->objects.size() == 1;
        QVERIFY(oneObjectText);

        for (const auto &scene : tpl->photoScenes + tpl->textScenes) {
            QVERIFY(scene->frames > 0);
            for (const auto &object : scene->objects) {
                // Keyframes are looked up exactly: one for every frame the scene plays.
                QCOMPARE(object->keyframes.size(), scene->frames + 1);
                QCOMPARE(object->keyframes.firstKey(), 0);
                QCOMPARE(object->keyframes.lastKey(), scene->frames);
                QVERIFY(object->aspect > 0.5f && object->aspect < 2.0f);
                QVERIFY(object->maxWidth > 0.2f && object->maxWidth <= 1.0f);
                QVERIFY(object->maxHeight > 0.2f && object->maxHeight <= 1.0f);
                // Scene changes never cut: objects arrive and leave unseen.
                QVERIFY(hidden(object->keyframes.first()));
                QVERIFY(hidden(object->keyframes.last()));
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
