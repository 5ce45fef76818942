// The nine shipped catalogues: every text translated, placeholders kept, and the compiled copy in
// the resources answering exactly what its source says.
#include "support/TestSupport.h"

#include <algorithm>

#include <QDir>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct CatalogueMessage
{
    QString context;
    QString source;
    QString comment;
    QString type;
    QStringList translations; // one per plural form, or one
};

QList<CatalogueMessage> readCatalogue(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<CatalogueMessage> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            CatalogueMessage message{context, {}, {}, {}, {}};
            const bool numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    message.source = xml.readElementText();
                } else if (xml.name() == QLatin1String("comment")) {
                    message.comment = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    message.type = xml.attributes().value(QLatin1String("type")).toString();
                    if (!numerus)
                        message.translations << xml.readElementText();
                    while (numerus && xml.readNextStartElement())
                        message.translations << xml.readElementText();
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages << message;
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%L?[1-9]"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured().remove(QLatin1Char('L'));
    found.sort();
    return found;
}

} // namespace

class TestCatalogues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void catalogueIsCompleteAndCompiled_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"de", "es", "fr", "id", "it", "ja", "ko", "pt", "zh"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void catalogueIsCompleteAndCompiled()
    {
        QFETCH(QString, language);
        QString error;
        const QList<CatalogueMessage> messages
            = readCatalogue(QDir(QStringLiteral(PICTOVIA_TRANSLATIONS_DIR)).filePath(language + QStringLiteral(".ts")), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!messages.isEmpty());

        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/translations/%1.qm").arg(language)));

        QStringList faults;
        for (const CatalogueMessage &message : messages) {
            const QString where = message.context + QStringLiteral(": \"") + message.source + QLatin1Char('"');
            if (message.type == QLatin1String("vanished") || message.type == QLatin1String("obsolete")) {
                faults << QStringLiteral("left over ") + where;
                continue;
            }
            const bool empty = std::any_of(message.translations.cbegin(), message.translations.cend(),
                                           [](const QString &text) { return text.trimmed().isEmpty(); });
            if (message.type == QLatin1String("unfinished") || message.translations.isEmpty() || empty) {
                faults << QStringLiteral("untranslated ") + where;
                continue;
            }
            for (const QString &text : message.translations)
                if (placeholders(text) != placeholders(message.source))
                    faults << QStringLiteral("placeholders differ in ") + where;
            // Plural forms are picked by count at run time; one lookup cannot check them.
            if (message.translations.size() == 1
                && translator.translate(message.context.toUtf8().constData(), message.source.toUtf8().constData(),
                                        message.comment.isEmpty() ? nullptr : message.comment.toUtf8().constData())
                       != message.translations.first())
                faults << QStringLiteral("compiled catalogue differs for ") + where;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("\n  ") + faults.join(QStringLiteral("\n  "))));
    }
};

PICTOVIA_TEST_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
