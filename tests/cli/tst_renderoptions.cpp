#include "support/TestSupport.h"

#include "cli/ProgressPrinter.h"
#include "cli/RenderOptions.h"

class TestRenderOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void itemsKeepTheirOrderAmongOptions()
    {
        RenderOptions options;
        QString error;
        QVERIFY(options.parse({"a.jpg", "--theme", "3", "--text", "Hello there", "photos/", "--music", "1.mp3",
                               "-o", "out.mp4", "--music", "2.mp3", "--quality", "0", "--duration", "2.5"},
                              &error));
        QCOMPARE(options.items.size(), 3);
        QCOMPARE(options.items[0].kind, RenderOptions::Item::Picture);
        QCOMPARE(options.items[0].value, QStringLiteral("a.jpg"));
        QCOMPARE(options.items[1].kind, RenderOptions::Item::Text);
        QCOMPARE(options.items[1].value, QStringLiteral("Hello there"));
        QCOMPARE(options.items[2].value, QStringLiteral("photos/"));
        QCOMPARE(options.music, QStringList({"1.mp3", "2.mp3"}));
        QCOMPARE(options.themeId, 3);
        QCOMPARE(options.quality, 0);
        QCOMPARE(options.duration, 2.5);
        QCOMPARE(options.output, QStringLiteral("out.mp4"));
    }

    // After "--" nothing is an option: a file may begin with "-", even be named "--".
    void doubleDashEndsTheOptions()
    {
        RenderOptions options;
        QString error;
        QVERIFY(options.parse({"a.jpg", "-o", "out.mp4", "--", "-x.jpg", "--theme", "--"}, &error));
        QCOMPARE(options.items.size(), 4);
        QCOMPARE(options.items[1].value, QStringLiteral("-x.jpg"));
        QCOMPARE(options.items[2].value, QStringLiteral("--theme"));
        QCOMPARE(options.items[3].value, QStringLiteral("--"));
        QCOMPARE(options.themeId, 1);

        RenderOptions before;
        QVERIFY(!before.parse({"-x.jpg", "-o", "out.mp4"}, &error));
        QVERIFY2(error.contains("give ./-x.jpg, or -- before it"), qPrintable(error));
    }

    void defaultsNeedNoOptions()
    {
        RenderOptions options;
        QString error;
        QVERIFY(options.parse({"a.jpg", "-o", "out.mp4"}, &error));
        QCOMPARE(options.themeId, 1);
        QCOMPARE(options.quality, 1);
        QCOMPARE(options.duration, 0.0);
        QCOMPARE(options.border, 0);
        QCOMPARE(options.background, AppConstants::defaultBackgroundId);
    }

    void badValuesAreRefusedWithTheirOption_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("theme") << QStringList{"a.jpg", "--theme", "9", "-o", "x.mp4"} << "--theme";
        QTest::newRow("quality") << QStringList{"a.jpg", "--quality", "5", "-o", "x.mp4"} << "--quality";
        QTest::newRow("duration") << QStringList{"a.jpg", "--duration", "0", "-o", "x.mp4"} << "--duration";
        QTest::newRow("level") << QStringList{"a.jpg", "--shadow", "5", "-o", "x.mp4"} << "--shadow";
        QTest::newRow("colour") << QStringList{"a.jpg", "--background", "#12", "-o", "x.mp4"} << "--background";
        QTest::newRow("font colour") << QStringList{"a.jpg", "--font-color", "nope", "-o", "x.mp4"}
                                     << "--font-color";
        QTest::newRow("unknown") << QStringList{"a.jpg", "--speed", "2", "-o", "x.mp4"} << "--speed";
        QTest::newRow("missing value") << QStringList{"a.jpg", "-o"} << "-o needs a value";
        QTest::newRow("no output") << QStringList{"a.jpg"} << "-o OUT.mp4";
        QTest::newRow("no slide") << QStringList{"-o", "x.mp4"} << "No photo";
    }

    void badValuesAreRefusedWithTheirOption()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        RenderOptions options;
        QString error;
        QVERIFY(!options.parse(arguments, &error));
        QVERIFY2(error.contains(message), qPrintable(error));
    }

    void helpDocumentsEveryOption()
    {
        RenderOptions options;
        QString error;
        QVERIFY(options.parse({"--help"}, &error));
        QVERIFY(options.help);
        const QString help = RenderOptions::helpText();
        for (const char *option : {"--text", "-o", "--music", "--theme", "--quality", "--duration", "--background",
                                   "--border", "--shadow", "--text-shadow", "--font", "--font-color", "--help", "--version"})
            QVERIFY2(help.contains(QLatin1String(option)), option);
    }

    void progressBarEstimatesTimeLeft()
    {
        QCOMPARE(ProgressPrinter::barLine(50.0, 30, 10), QStringLiteral("[#####.....]  50%  0:30 left"));
        QCOMPARE(ProgressPrinter::barLine(0.0, -1, 4), QStringLiteral("[....]   0%  -:-- left"));
        QCOMPARE(ProgressPrinter::barLine(100.0, 0, 4), QStringLiteral("[####] 100%  0:00 left"));
        QCOMPARE(ProgressPrinter::clock(3725), QStringLiteral("1:02:05"));
    }
};

PICTOVIA_TEST_MAIN(TestRenderOptions)
#include "tst_renderoptions.moc"
