#include "support/TestSupport.h"

#include "theme/ThemeCatalogue.h"
#include "theme/ThemeReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtConcurrent>

#include <atomic>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write fixture %s", qPrintable(path));
}

QByteArray infoXml(const char *name)
{
    return QByteArray("<theme><name>") + name + "</name><preview>#" + name + "</preview></theme>";
}

const QByteArray oneScene = "<template fade-in=\"9\"><scene type=\"1\" frames=\"0\"><object><transform>"
                            "<frame id=\"0\">0,0,1,0,0,1,1,1</frame></transform></object></scene></template>";

} // namespace

class TestThemeCatalogue : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_root;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_root = m_dir.path() + QStringLiteral("/templates/");
        writeFile(m_root + QStringLiteral("3/info.xml"), infoXml("Three"));
        writeFile(m_root + QStringLiteral("3/template.xml"), oneScene);
        writeFile(m_root + QStringLiteral("12/info.xml"), infoXml("Twelve"));
        writeFile(m_root + QStringLiteral("abc/info.xml"), infoXml("Letters"));
        writeFile(m_root + QStringLiteral("xyz/info.xml"), infoXml("MoreLetters"));
        writeFile(m_root + QStringLiteral("05/info.xml"), infoXml("Padded"));
        writeFile(m_root + QStringLiteral("5/info.xml"), infoXml("Plain"));
        writeFile(m_root + QStringLiteral("5/template.xml"), oneScene);
        writeFile(m_root + QStringLiteral("7/template.xml"), oneScene); // no info.xml
        writeFile(m_root + QStringLiteral("8"), "a file, not a folder");
    }

    void indexesFoldersWithInfo()
    {
        ThemeCatalogue catalogue(m_root);
        const auto &themes = catalogue.themes();
        QCOMPARE(themes.keys(), (QList<int>{0, 3, 5, 12}));
        QCOMPARE(themes.value(3).id, 3);
        QCOMPARE(themes.value(3).name, QStringLiteral("Three"));
        QCOMPARE(themes.value(3).preview, QStringLiteral("#Three"));
        QCOMPARE(themes.value(3).thumbPath, m_root + QStringLiteral("3/thumb.jpg"));
        QCOMPARE(themes.value(12).name, QStringLiteral("Twelve"));
        // The first folder in name order keeps an id.
        QCOMPARE(themes.value(0).name, QStringLiteral("Letters"));
        QCOMPARE(themes.value(5).name, QStringLiteral("Padded"));
    }

    void templatePathComesFromThePlainId()
    {
        ThemeCatalogue catalogue(m_root.chopped(1)); // works without the trailing slash too
        QCOMPARE(catalogue.templateFor(5)->fadeIn, 9);      // read from "5", not the indexed "05"
        QCOMPARE(catalogue.templateFor(7)->photoScenes.size(), 1); // not indexed, still readable
    }

    void concurrentCallersShareOneRead()
    {
        std::atomic<int> reads{0};
        ThemeCatalogue catalogue(m_root, [&reads](const QString &path) {
            ++reads;
            QThread::msleep(50); // widen the window in which the other callers arrive
            return readThemeTemplate(path);
        });
        QVector<QFuture<ThemeTemplatePtr>> calls;
        for (int i = 0; i < 8; ++i)
            calls << QtConcurrent::run([&catalogue] { return catalogue.templateFor(3); });
        const ThemeTemplatePtr first = calls.first().result();
        QVERIFY(first);
        QCOMPARE(first->fadeIn, 9);
        for (auto &call : calls)
            QCOMPARE(call.result().data(), first.data());
        QCOMPARE(reads.load(), 1);
        QCOMPARE(catalogue.templateFor(3).data(), first.data());
        QCOMPARE(reads.load(), 1);
        QVERIFY(catalogue.templateFor(5).data() != first.data());
        QCOMPARE(reads.load(), 2);
    }

    void cachedTemplateOutlivesItsFile()
    {
        const QString path = m_root + QStringLiteral("40/template.xml");
        writeFile(path, oneScene);
        ThemeCatalogue catalogue(m_root);
        const ThemeTemplatePtr first = catalogue.templateFor(40);
        QVERIFY(QFile::remove(path));
        const ThemeTemplatePtr again = catalogue.templateFor(40);
        QCOMPARE(again.data(), first.data());
        QCOMPARE(again->photoScenes.size(), 1);
    }

    void missingTemplateGivesOneEmptyTemplate()
    {
        ThemeCatalogue catalogue(m_root);
        const ThemeTemplatePtr missing = catalogue.templateFor(99);
        QVERIFY(missing);
        QVERIFY(missing->photoScenes.isEmpty() && missing->textScenes.isEmpty());
        QCOMPARE(catalogue.templateFor(99).data(), missing.data());
        QVERIFY(ThemeCatalogue(m_dir.path() + QStringLiteral("/nowhere")).themes().isEmpty());
        ThemeCatalogue unset{QString()};
        QVERIFY(unset.themes().isEmpty());
        QVERIFY(unset.templateFor(1)->photoScenes.isEmpty());
    }
};

PICTOVIA_TEST_MAIN(TestThemeCatalogue)
#include "tst_themecatalogue.moc"
