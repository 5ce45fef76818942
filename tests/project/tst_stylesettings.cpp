#include "support/TestSupport.h"

#include "app/CommonError.h"
#include "project/SettingsPres.h"

#include <QSignalSpy>
#include <QTemporaryDir>

// The style and output settings the settings screen edits.
class TestStyleSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void initTestCase() { QVERIFY(dir.isValid()); }

    void outputSettingsAnnounceAsTheScreenNeeds()
    {
        SettingsPres *settings = SettingsPres::instance();
        QCOMPARE(settings->resolution(), 1);
        QSignalSpy resolution(settings, &SettingsPres::resolutionChanged);
        QSignalSpy saveDir(settings, &SettingsPres::saveDirChanged);
        settings->setResolution(1);
        QCOMPARE(resolution.count(), 0);
        settings->setResolution(2);
        QCOMPARE(resolution.count(), 1);

        QVERIFY(QDir().mkpath(dir.filePath("a")) && QDir().mkpath(dir.filePath("b")));
        settings->setSaveDir(dir.filePath("a/../b"));
        settings->setSaveDir(dir.filePath("a/../b"));
        QCOMPARE(saveDir.count(), 2);
        QCOMPARE(settings->saveDir(), QFileInfo(dir.filePath("b")).canonicalFilePath());

        const QString missing = dir.filePath("new/videos");
        settings->setSaveDir(missing);
        QCOMPARE(settings->saveDir(), missing);
        settings->mkSaveDir();
        QVERIFY(QFileInfo(missing).isDir());
    }

    void saveFolderCheckNamesTheFolderItCannotWrite()
    {
        SettingsPres *settings = SettingsPres::instance();
        QSignalSpy shown(CommonError::instance(), &CommonError::error);
        QVERIFY(settings->checkSaveDirPermission(dir.path()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
        QCOMPARE(shown.count(), 0);

        // A file where the folder should be: not writable even for the superuser.
        const QString blocked = dir.filePath("blocked");
        QFile file(blocked);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(!settings->checkSaveDirPermission(blocked));
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.first().first().toString(),
                 QStringLiteral("Please select another Result Directory. Can't create output file in \"%1\".").arg(blocked));
    }
};

PICTOVIA_TEST_MAIN(TestStyleSettings)
#include "tst_stylesettings.moc"
