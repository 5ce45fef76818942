// Where the file dialogs open: the folder last left for each kind, across restarts, or the
// user's own folder for the kind.
#include "support/TestSupport.h"

#include "app/PresenterRegistry.h"
#include "project/DialogFoldersPres.h"
#include "project/SettingsPres.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

class TestDialogFolders : public QObject
{
    Q_OBJECT

    DialogFoldersPres *m_folders = DialogFoldersPres::instance();

    static QString inHome(const QString &name) { return QDir::home().filePath(name); }
    static QUrl urlInHome(const QString &name) { return QUrl::fromLocalFile(inHome(name)); }
    QUrl folder(const char *property) const { return m_folders->property(property).toUrl(); }

private Q_SLOTS:
    void initTestCase() { PresenterRegistry::wireProject(); }

    void init()
    {
        QSettings().remove(QStringLiteral("dialogFolders"));
        for (const char *name : {"Pictures", "Music", "Videos", "trip"})
            QDir(inHome(QLatin1String(name))).removeRecursively();
        SettingsPres::instance()->setSaveDir(inHome(QStringLiteral("no result folder")));
    }

    void startsInTheKindsFolderThenTheLastOneLeft_data()
    {
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QString>("standard");
        QTest::newRow("photos") << QByteArray("photosFolder") << "Pictures";
        QTest::newRow("audio") << QByteArray("audioFolder") << "Music";
        QTest::newRow("result") << QByteArray("resultFolder") << "Videos";
    }

    void startsInTheKindsFolderThenTheLastOneLeft()
    {
        QFETCH(QByteArray, property);
        QFETCH(QString, standard);
        const QMetaObject *meta = m_folders->metaObject();
        QSignalSpy changed(m_folders, meta->property(meta->indexOfProperty(property)).notifySignal());

        // No such folder in a fresh home: the home itself, never the program's folder.
        QCOMPARE(folder(property), QUrl::fromLocalFile(QDir::homePath()));
        QVERIFY(QDir::home().mkdir(standard));
        QCOMPARE(folder(property), urlInHome(standard));

        // A chosen file names its folder, kept for the next start of the program.
        QVERIFY(QDir::home().mkpath(QStringLiteral("trip/day 1")));
        QFile chosen(inHome(QStringLiteral("trip/day 1/IMG_0001.JPG")));
        QVERIFY(chosen.open(QIODevice::WriteOnly));
        m_folders->setProperty(property, QUrl::fromLocalFile(chosen.fileName()));
        m_folders->setProperty(property, urlInHome(QStringLiteral("trip/day 1")));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(folder(property), urlInHome(QStringLiteral("trip/day 1")));
        QCOMPARE(QSettings().allKeys().filter(QStringLiteral("dialogFolders/")).size(), 1);

        // What names no local folder is no place to open in: the last one stays.
        for (const QUrl &url : {QUrl(QStringLiteral("https://example.com/photos")), urlInHome(QStringLiteral("gone")),
                                QUrl()})
            m_folders->setProperty(property, url);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(folder(property), urlInHome(QStringLiteral("trip/day 1")));

        // Removed since: the kind's own folder again.
        QVERIFY(QDir(inHome(QStringLiteral("trip"))).removeRecursively());
        QCOMPARE(folder(property), urlInHome(standard));
    }

    // The result-folder chooser opens in the current result folder while it exists.
    void resultChooserStartsInTheResultFolder()
    {
        QSignalSpy changed(m_folders, &DialogFoldersPres::resultFolderChanged);
        QVERIFY(QDir::home().mkpath(QStringLiteral("trip/videos")));
        SettingsPres::instance()->setSaveDir(inHome(QStringLiteral("trip/videos")));
        QCOMPARE(changed.count(), 1);
        m_folders->setResultFolder(urlInHome(QStringLiteral("trip")));
        QCOMPARE(folder("resultFolder"), urlInHome(QStringLiteral("trip/videos")));
        QVERIFY(QDir(inHome(QStringLiteral("trip/videos"))).removeRecursively());
        QCOMPARE(folder("resultFolder"), urlInHome(QStringLiteral("trip")));
    }
};

// A home of its own, so the folders a user has (Pictures, Music) never decide the outcome.
int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    prepareTestEnvironment();
    TestDialogFolders tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_dialogfolders.moc"
