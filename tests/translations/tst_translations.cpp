// Every catalogue translates every text of the interface.
#include "support/TestSupport.h"

#include <QDir>
#include <QXmlStreamReader>

// Switch on once the translators have filled the nine catalogues; until then the test lists
// what is missing and skips.
static constexpr bool catalogueMustBeComplete = false;

class TestTranslations : public QObject
{
    Q_OBJECT

    // Sources whose translation is missing or marked unfinished; vanished and obsolete
    // entries do not count.
    static QStringList unfinished(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {QStringLiteral("<unreadable>")};
        QXmlStreamReader xml(&file);
        QStringList missing;
        QString source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString type = xml.attributes().value(QStringLiteral("type")).toString();
                if (type == QLatin1String("vanished") || type == QLatin1String("obsolete")) {
                    xml.skipCurrentElement();
                    continue;
                }
                const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (type == QLatin1String("unfinished") || text.trimmed().isEmpty())
                    missing << source;
            }
        }
        return missing;
    }

private Q_SLOTS:
    void everyCatalogueIsComplete_data()
    {
        QTest::addColumn<QString>("path");
        const QString dir = QFINDTESTDATA("../../src/translations");
        QVERIFY(!dir.isEmpty());
        const QStringList languages{"de", "es", "fr", "id", "it", "ja", "ko", "pt", "zh"};
        for (const QString &language : languages)
            QTest::newRow(qPrintable(language)) << QDir(dir).filePath(language + QStringLiteral(".ts"));
    }

    void everyCatalogueIsComplete()
    {
        QFETCH(QString, path);
        QVERIFY(QFile::exists(path));
        const QStringList missing = unfinished(path);
        if (!missing.isEmpty() && !catalogueMustBeComplete)
            QSKIP(qPrintable(QStringLiteral("%1 texts still to translate, first: %2").arg(missing.size()).arg(missing.first())));
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(" | "))));
    }
};

PICTOVIA_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
