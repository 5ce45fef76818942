#include "support/TestSupport.h"

#include "theme/ThemeReader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QScopeGuard>
#include <QRandomGenerator>
#include <QTemporaryDir>

namespace {

const char *fullFrame = "0,0,1,0,0,1,1,1";

QString frameXml(int id, const char *corners = fullFrame, const char *opacity = nullptr)
{
    const QString op = opacity ? QStringLiteral(" opacity=\"%1\"").arg(QLatin1String(opacity)) : QString();
    return QStringLiteral("<frame id=\"%1\"%2>%3</frame>").arg(id).arg(op, QLatin1String(corners));
}

QString objectXml(const QString &attrs, const QString &frames)
{
    return QStringLiteral("<object %1><transform>%2</transform></object>").arg(attrs, frames);
}

QString sceneXml(const QString &attrs, const QString &objects)
{
    return QStringLiteral("<scene %1>%2</scene>").arg(attrs, objects);
}

QString templateXml(const QString &attrs, const QString &scenes)
{
    return QStringLiteral("<?xml version=\"1.0\"?>\n<template %1>%2</template>\n").arg(attrs, scenes);
}

void compareColor(const QColor &actual, int r, int g, int b, int a)
{
    QCOMPARE(actual.red(), r);
    QCOMPARE(actual.green(), g);
    QCOMPARE(actual.blue(), b);
    QCOMPARE(actual.alpha(), a);
}

} // namespace

class TestThemeReader : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_files = 0;

    QString writeFile(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("t%1.xml").arg(++m_files));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write fixture %s", qPrintable(path));
        return path;
    }

    ThemeTemplatePtr read(const QString &xml) { return readThemeTemplate(writeFile(xml.toUtf8())); }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void readsTemplateAttributesAndStructure()
    {
        const QString object = objectXml(QStringLiteral("aspect=\"1.5\" max-size=\"0.6,0.7\""),
                                         frameXml(0, "0.1,0.2,0.9,0.2,0.1,0.8,0.9,0.8", "50") + frameXml(1));
        const auto tpl = read(templateXml(
            QStringLiteral("fade-in=\"15\" fade-out=\"20\" scene-overflow=\"10\" shadow=\"0.01,0.02 0.05 1,2,3,160\" "
                           "text-shadow=\"0.003,0.004 0.006\" border-width=\"0.02\" border-color=\"10,20,30\""),
            sceneXml(QStringLiteral("type=\"1\" frames=\"90\""), object + object)));
        QCOMPARE(tpl->fadeIn, 15);
        QCOMPARE(tpl->fadeOut, 20);
        QCOMPARE(tpl->sceneOverflow, 10);
        QCOMPARE(tpl->shadow.offsetX, 0.01f);
        QCOMPARE(tpl->shadow.offsetY, 0.02f);
        QCOMPARE(tpl->shadow.blur, 0.05f);
        compareColor(tpl->shadow.color, 1, 2, 3, 160);
        QCOMPARE(tpl->textShadow.offsetX, 0.003f);
        QCOMPARE(tpl->textShadow.blur, 0.006f);
        compareColor(tpl->textShadow.color, 0, 0, 0, 255); // colour part absent: opaque black
        QCOMPARE(tpl->borderWidth, 0.02f);
        compareColor(tpl->borderColor, 10, 20, 30, 255);

        QCOMPARE(tpl->photoScenes.size(), 1);
        QVERIFY(tpl->textScenes.isEmpty());
        const ThemeScenePtr scene = tpl->photoScenes.first();
        QCOMPARE(scene->frames, 90);
        QCOMPARE(scene->type, int(PhotoScene));
        QCOMPARE(scene->objects.size(), 2);
        const SceneObjectPtr obj = scene->objects.first();
        QCOMPARE(obj->aspect, 1.5f);
        QCOMPARE(obj->maxWidth, 0.6f);
        QCOMPARE(obj->maxHeight, 0.7f);
        QCOMPARE(obj->keyframes.keys(), (QList<int>{0, 1}));

        // File order TL, TR, BL, BR; stored in polygon order TL, TR, BR, BL.
        const Keyframe k0 = obj->keyframes.value(0);
        QCOMPARE(k0.topLeft, QPointF(0.1, 0.2));
        QCOMPARE(k0.topRight, QPointF(0.9, 0.2));
        QCOMPARE(k0.bottomRight, QPointF(0.9, 0.8));
        QCOMPARE(k0.bottomLeft, QPointF(0.1, 0.8));
        QCOMPARE(k0.opacity, 0.5f);
        const Keyframe k1 = obj->keyframes.value(1);
        QCOMPARE(k1.topLeft, QPointF(0, 0));
        QCOMPARE(k1.topRight, QPointF(1, 0));
        QCOMPARE(k1.bottomRight, QPointF(1, 1));
        QCOMPARE(k1.bottomLeft, QPointF(0, 1));
        QCOMPARE(k1.opacity, 1.0f);
    }

    void defaultsWhenAttributesAreMissing()
    {
        const auto tpl = read(templateXml(QString(), sceneXml(QStringLiteral("type=\"2\""),
                                                              objectXml(QString(), frameXml(3)))));
        QCOMPARE(tpl->fadeIn, 0);
        QCOMPARE(tpl->fadeOut, 0);
        QCOMPARE(tpl->sceneOverflow, 0);
        QCOMPARE(tpl->shadow.blur, 0.0f);
        compareColor(tpl->shadow.color, 0, 0, 0, 255);
        QCOMPARE(tpl->borderWidth, 0.0f);
        compareColor(tpl->borderColor, 255, 255, 255, 255);
        QCOMPARE(tpl->textScenes.size(), 1);
        const ThemeScenePtr scene = tpl->textScenes.first();
        QCOMPARE(scene->frames, 0);
        QCOMPARE(scene->type, int(TextScene));
        const SceneObjectPtr obj = scene->objects.first();
        QCOMPARE(obj->aspect, 1.0f);
        QCOMPARE(obj->maxWidth, 1.0f);
        QCOMPARE(obj->maxHeight, 1.0f);
        QCOMPARE(obj->keyframes.keys(), QList<int>{3});
    }

    void textShadowDefaultsToTheShadowReadSoFar()
    {
        const auto tpl = read(templateXml(QStringLiteral("shadow=\"0.01,0.02 0.03 40,50,60,70\""), QString()));
        QCOMPARE(tpl->textShadow.offsetX, 0.01f);
        QCOMPARE(tpl->textShadow.offsetY, 0.02f);
        QCOMPARE(tpl->textShadow.blur, 0.03f);
        compareColor(tpl->textShadow.color, 40, 50, 60, 70);
    }

    void laterDuplicateFrameIdsWin()
    {
        const auto tpl = read(templateXml(QString(), sceneXml(QStringLiteral("type=\"1\" frames=\"1\""),
            objectXml(QString(), frameXml(0, "0,0,0,0,0,0,0,0", "10") + frameXml(1) + frameXml(0, fullFrame, "90")))));
        const SceneObjectPtr obj = tpl->photoScenes.first()->objects.first();
        QCOMPARE(obj->keyframes.size(), 2);
        QCOMPARE(obj->keyframes.value(0).opacity, 0.9f);
        QCOMPARE(obj->keyframes.value(0).bottomRight, QPointF(1, 1));
    }

    void skipsScenesOfOtherTypesAndKeepsDocumentOrder()
    {
        const QString obj = objectXml(QString(), frameXml(0));
        const auto tpl = read(templateXml(QString(),
            sceneXml(QStringLiteral("type=\"1\" frames=\"11\""), obj)
            + sceneXml(QStringLiteral("frames=\"99\""), obj)             // no type
            + sceneXml(QStringLiteral("type=\"3\" frames=\"99\""), obj)  // unknown type
            + sceneXml(QStringLiteral("type=\"x\" frames=\"99\""), obj)  // reads as 0
            + sceneXml(QStringLiteral("type=\"2\" frames=\"21\""), obj)
            + sceneXml(QStringLiteral("type=\"1\" frames=\"12\""),
                       objectXml(QStringLiteral("aspect=\"1\""), frameXml(0))
                           + objectXml(QStringLiteral("aspect=\"2\""), frameXml(0))
                           + objectXml(QStringLiteral("aspect=\"3\""), frameXml(0)))));
        QCOMPARE(tpl->photoScenes.size(), 2);
        QCOMPARE(tpl->photoScenes.at(0)->frames, 11);
        QCOMPARE(tpl->photoScenes.at(1)->frames, 12);
        QCOMPARE(tpl->textScenes.size(), 1);
        QCOMPARE(tpl->textScenes.at(0)->frames, 21);
        QCOMPARE(tpl->photoScenes.at(0)->objects.size(), 1);
        const auto &objects = tpl->photoScenes.at(1)->objects;
        QCOMPARE(objects.size(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(objects.at(i)->aspect, float(i + 1));
    }

    void malformedValues()
    {
        const QString frames = frameXml(0, "0,0,1,0,0,1,1")             // seven numbers: skipped
            + frameXml(1, "0.5,x,1,0,0,1,1,1", "abc")                    // unparsable parts read as 0
            + frameXml(2, " 0.5 , 0.25 ,1,0,0,1,1,1,7");                 // blanks and a ninth number
        const auto tpl = read(templateXml(
            QStringLiteral("fade-in=\"abc\" fade-out=\"2.5\" scene-overflow=\"12\" border-width=\"wide\" "
                           "border-color=\"10,20,30,40\" shadow=\"junk\""),
            sceneXml(QStringLiteral("type=\"1\" frames=\"many\""),
                     objectXml(QStringLiteral("aspect=\"?\" max-size=\"0.5\""), frames)
                         + objectXml(QStringLiteral("max-size=\"a,0.4\""), frameXml(0)))));
        QCOMPARE(tpl->fadeIn, 0);
        QCOMPARE(tpl->fadeOut, 0);
        QCOMPARE(tpl->sceneOverflow, 12);
        QCOMPARE(tpl->borderWidth, 0.0f);
        compareColor(tpl->borderColor, 10, 20, 30, 255);
        QCOMPARE(tpl->shadow.blur, 0.0f);
        const ThemeScenePtr scene = tpl->photoScenes.first();
        QCOMPARE(scene->frames, 0);
        const SceneObjectPtr first = scene->objects.at(0);
        QCOMPARE(first->aspect, 0.0f);
        QCOMPARE(first->maxWidth, 1.0f); // one number only: the defaults stay
        QCOMPARE(first->maxHeight, 1.0f);
        QCOMPARE(first->keyframes.keys(), (QList<int>{1, 2}));
        QCOMPARE(first->keyframes.value(1).topLeft, QPointF(0.5, 0));
        QCOMPARE(first->keyframes.value(1).opacity, 0.0f);
        QCOMPARE(first->keyframes.value(2).topLeft, QPointF(0.5, 0.25));
        QCOMPARE(first->keyframes.value(2).bottomRight, QPointF(1, 1));
        const SceneObjectPtr second = scene->objects.at(1);
        QCOMPARE(second->maxWidth, 0.0f);
        QCOMPARE(second->maxHeight, 0.4f);
    }

    void valueParsers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("color");
        QTest::newRow("plain") << "10,20,30" << QColor(10, 20, 30, 255);
        QTest::newRow("alpha ignored") << "10,20,30,40" << QColor(10, 20, 30, 255);
        QTest::newRow("out of range clamped") << "300,-5,7" << QColor(255, 0, 7, 255);
        QTest::newRow("short") << "10" << QColor(10, 0, 0, 255);
        QTest::newRow("empty") << "" << QColor(0, 0, 0, 255);
        QTest::newRow("garbage") << "red" << QColor(0, 0, 0, 255);
    }

    void valueParsers()
    {
        QFETCH(QString, text);
        QFETCH(QColor, color);
        const QColor parsed = parseColor(text);
        QVERIFY(parsed.isValid());
        QCOMPARE(parsed.rgba(), color.rgba());
    }

    void shadowParser()
    {
        const ShadowSpec full = parseShadow(QStringLiteral("-0.01,0.02 0.05 10,20,30,40"));
        QCOMPARE(full.offsetX, -0.01f);
        QCOMPARE(full.offsetY, 0.02f);
        QCOMPARE(full.blur, 0.05f);
        compareColor(full.color, 10, 20, 30, 40);
        const ShadowSpec twoParts = parseShadow(QStringLiteral("0.01,0.01 0.04"));
        QCOMPARE(twoParts.blur, 0.04f);
        compareColor(twoParts.color, 0, 0, 0, 255);
        const ShadowSpec noAlpha = parseShadow(QStringLiteral("0,0  0.04  10,20,30"));
        QCOMPARE(noAlpha.blur, 0.04f);
        compareColor(noAlpha.color, 10, 20, 30, 255);
        const ShadowSpec empty = parseShadow(QString());
        QCOMPARE(empty.offsetX, 0.0f);
        QCOMPARE(empty.blur, 0.0f);
    }

    void objectWithoutTransformKeepsItsOwnFrames()
    {
        const auto tpl = read(templateXml(QString(), sceneXml(QStringLiteral("type=\"1\" frames=\"1\""),
            QStringLiteral("<object aspect=\"2\"/>") + objectXml(QStringLiteral("aspect=\"3\""), frameXml(0)))));
        const auto &objects = tpl->photoScenes.first()->objects;
        QCOMPARE(objects.size(), 2);
        QVERIFY(objects.at(0)->keyframes.isEmpty());
        QCOMPARE(objects.at(1)->keyframes.size(), 1);
    }

    void parseErrorKeepsWhatWasReadAndDropsTheOpenScene()
    {
        const QString good = sceneXml(QStringLiteral("type=\"1\" frames=\"5\""), objectXml(QString(), frameXml(0)));
        const auto tpl = read(templateXml(QStringLiteral("fade-in=\"7\""),
            good + QStringLiteral("<scene type=\"1\" frames=\"6\">") + objectXml(QString(), frameXml(0))
                + QStringLiteral("<bogus></scene>") + good));
        QCOMPARE(tpl->fadeIn, 7);
        QCOMPARE(tpl->photoScenes.size(), 1);
        QCOMPARE(tpl->photoScenes.first()->frames, 5);
    }

    void missingFileGivesAnEmptyTemplate()
    {
        const auto tpl = readThemeTemplate(m_dir.filePath(QStringLiteral("absent.xml")));
        QVERIFY(tpl);
        QVERIFY(tpl->photoScenes.isEmpty());
        QVERIFY(tpl->textScenes.isEmpty());
        QCOMPARE(tpl->fadeIn, 0);
    }

    // Every prefix of a valid file, and random bytes, read quickly without a crash; a prefix never
    // yields a scene that the whole file does not have in full.
    void truncatedAndGarbageFiles()
    {
        QString scenes;
        for (int s = 0; s < 3; ++s) {
            QString frames;
            for (int f = 0; f <= 4; ++f)
                frames += frameXml(f, "0.1,0.1,0.9,0.1,0.1,0.9,0.9,0.9", "80");
            scenes += sceneXml(QStringLiteral("type=\"%1\" frames=\"4\"").arg(s % 2 + 1),
                               objectXml(QStringLiteral("aspect=\"1.5\""), frames));
        }
        const QByteArray whole = templateXml(QStringLiteral("fade-in=\"5\""), scenes).toUtf8();
        QLoggingCategory::setFilterRules(QStringLiteral("pictovia.theme.warning=false")); // hundreds of expected ones
        auto restoreLogging = qScopeGuard([] { QLoggingCategory::setFilterRules(QString()); });
        QElapsedTimer timer;
        timer.start();
        for (int length = 0; length < whole.size(); length += 3) {
            const auto tpl = readThemeTemplate(writeFile(whole.left(length)));
            QVERIFY(tpl);
            QVERIFY(tpl->photoScenes.size() + tpl->textScenes.size() <= 3);
            for (const auto &scene : tpl->photoScenes + tpl->textScenes) {
                QCOMPARE(scene->objects.size(), 1);
                QCOMPARE(scene->objects.first()->keyframes.size(), 5);
            }
        }
        QRandomGenerator random(42);
        for (int i = 0; i < 50; ++i) {
            QByteArray bytes = whole;
            for (int k = 0; k < 20; ++k)
                bytes[int(random.bounded(bytes.size()))] = char(random.bounded(256));
            QVERIFY(readThemeTemplate(writeFile(bytes)));
            QByteArray noise(int(random.bounded(2000)), Qt::Uninitialized);
            for (char &c : noise)
                c = char(random.bounded(256));
            QVERIFY(readThemeTemplate(writeFile(noise)));
        }
        QVERIFY2(timer.elapsed() < 60000, "reading malformed files must not stall");
    }

    void entityExpansionIsBounded()
    {
        QString entities = QStringLiteral("<!ENTITY a0 \"lol\">");
        for (int i = 1; i < 10; ++i)
            entities += QStringLiteral("<!ENTITY a%1 \"%2\">").arg(i).arg(QStringLiteral("&a%1;").arg(i - 1).repeated(10));
        QLoggingCategory::setFilterRules(QStringLiteral("pictovia.theme.warning=false"));
        auto restoreLogging = qScopeGuard([] { QLoggingCategory::setFilterRules(QString()); });
        const auto tpl = read(QStringLiteral("<?xml version=\"1.0\"?><!DOCTYPE template [%1]><template fade-in=\"3\">")
                                  .arg(entities)
                              + sceneXml(QStringLiteral("type=\"1\""), objectXml(QString(), frameXml(0, "&a9;")))
                              + QStringLiteral("</template>"));
        QCOMPARE(tpl->fadeIn, 3);
        QVERIFY(tpl->photoScenes.isEmpty());
    }

    void infoFile()
    {
        const QString path = writeFile(
            "<?xml version=\"1.0\"?><theme><name>First</name><group><name>Smooth</name>"
            "<preview>https://example.org/t#anim</preview></group><other>x</other></theme>");
        const auto info = readThemeInfo(path);
        QCOMPARE(info.first, QStringLiteral("Smooth"));
        QCOMPARE(info.second, QStringLiteral("https://example.org/t#anim"));
        const auto partial = readThemeInfo(writeFile("<theme><preview>p</preview>"));
        QCOMPARE(partial.first, QString());
        QCOMPARE(partial.second, QStringLiteral("p"));
        const auto missing = readThemeInfo(m_dir.filePath(QStringLiteral("absent-info.xml")));
        QVERIFY(missing.first.isEmpty() && missing.second.isEmpty());
    }
};

PICTOVIA_TEST_MAIN(TestThemeReader)
#include "tst_themereader.moc"
