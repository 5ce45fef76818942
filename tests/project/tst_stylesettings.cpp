#include "support/TestSupport.h"

#include "app/PresenterRegistry.h"
#include "app/AppConstants.h"
#include "app/CommonError.h"
#include "backgrounds/BackgroundCatalogue.h"
#include "project/ProjectFile.h"
#include "project/ProjectPres.h"
#include "project/SettingsPres.h"
#include "project/StyleSettingsPres.h"
#include "theme/SceneStyle.h"
#include "theme/SceneStyleLevels.h"
#include "theme/ThemeCatalogue.h"

#include <QSignalSpy>
#include <QTemporaryDir>

// The style and output settings the settings screen edits.
class TestStyleSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void initTestCase()
    {
        PresenterRegistry::wireProject();
        QVERIFY(dir.isValid());
    }

    void resetShowsWhatWillBeDrawnAndForgetsOwnColours()
    {
        StyleSettingsPres *style = StyleSettingsPres::instance();
        style->reset();
        const ThemeTemplatePtr theme = ThemeCatalogue::instance()->templateFor(style->themeId());
        const BackgroundDescriptor background = BackgroundCatalogue::instance()->entry(style->bgId());
        QCOMPARE(style->borderColor(), theme->borderColor);
        QCOMPARE(style->fontColor(), background.fontColor);
        QCOMPARE(style->fontFamily(), background.font.family());

        // The notification comes once the new colour can be read.
        QColor seen;
        const auto connection = connect(style, &StyleSettingsPres::borderColorChanged,
                                        [&] { seen = style->borderColor(); });
        style->setBorderColor(QColor(200, 10, 10));
        disconnect(connection);
        QCOMPARE(seen, QColor(200, 10, 10));
        style->setBorderSize(4);
        style->setFontColor(QColor(10, 200, 10));
        // A new project starts from the defaults, all of them.
        style->reset();
        QCOMPARE(style->borderColor(), theme->borderColor);
        QCOMPARE(style->fontColor(), background.fontColor);
        QVERIFY(!style->hasOwnBorderColor() && !style->hasOwnFontColor());
        QCOMPARE(style->borderSize(), 0);

        // The way back to the theme's and the background's colours.
        style->setBorderColor(QColor(200, 10, 10));
        style->setFontColor(QColor(10, 200, 10));
        style->useThemeBorderColor();
        style->useBackgroundFontColor();
        QCOMPARE(style->borderColor(), theme->borderColor);
        QCOMPARE(style->fontColor(), background.fontColor);
    }

    void loadedLevelsTakeEffectAtOnce()
    {
        StyleSettingsPres *style = StyleSettingsPres::instance();
        StyleSettings saved;
        style->setFrom(saved);
        const float themeWidth = ThemeCatalogue::instance()->templateFor(saved.themeId)->borderWidth;
        QCOMPARE(SceneStyle::instance()->borderWidth(), themeWidth);
        saved.borderSize = 3;
        style->setFrom(saved);
        QCOMPARE(SceneStyle::instance()->borderWidth(), 0.0185f);
        saved.borderSize = 9; // a damaged file: the width in use stays
        style->setFrom(saved);
        QCOMPARE(SceneStyle::instance()->borderWidth(), 0.0185f);
    }

    void unknownBackgroundBecomesTheDefault()
    {
        StyleSettingsPres *style = StyleSettingsPres::instance();
        QSignalSpy bgId(style, &StyleSettingsPres::bgIdChanged);
        StyleSettings saved;
        saved.bgId = QStringLiteral("standard99999");
        style->setFrom(saved);
        QCOMPARE(style->bgId(), AppConstants::defaultBackgroundId);
        QVERIFY(bgId.count() >= 1);
    }

    void removedBackgroundGivesWayToTheDefault()
    {
        StyleSettingsPres *style = StyleSettingsPres::instance();
        style->setBgId(QStringLiteral("color00003"));
        style->backgroundRemoved(QStringLiteral("{another}"));
        QCOMPARE(style->bgId(), QStringLiteral("color00003"));
        style->backgroundRemoved(QStringLiteral("color00003"));
        QCOMPARE(style->bgId(), AppConstants::defaultBackgroundId);
    }

    void styleIsSavedOnlyWithASavedProject()
    {
        StyleSettingsPres *style = StyleSettingsPres::instance();
        const ProjectPtr project = ProjectPres::instance()->project();
        project->id.clear();
        style->save();
        QVERIFY(!QFileInfo::exists(QDir(AppPaths::projectsDir).filePath(AppConstants::styleFileName)));
        project->id = QStringLiteral("saved-once");
        style->setFontWeight(75);
        style->save();
        const QString file = QDir(AppPaths::projectsDir).filePath("saved-once/" + AppConstants::styleFileName);
        QCOMPARE(readStyleFile(file)->fontWeight, 75);
        project->id.clear();
    }

    // Project files keep the old 0-99 weights; the text is drawn at the same named weight.
    void savedFontWeightsDrawAtTheirWeight_data()
    {
        QTest::addColumn<int>("saved");
        QTest::addColumn<int>("drawn");
        QTest::newRow("thin") << 0 << int(QFont::Thin);
        QTest::newRow("light") << 25 << int(QFont::Light);
        QTest::newRow("normal") << 50 << int(QFont::Normal);
        QTest::newRow("demi bold") << 63 << int(QFont::DemiBold);
        QTest::newRow("bold") << 75 << int(QFont::Bold);
        QTest::newRow("black") << 87 << int(QFont::Black);
        QTest::newRow("between light and normal") << 37 << 348;
        QTest::newRow("beyond the scale") << 120 << int(QFont::Black);
        QTest::newRow("below the scale") << -5 << int(QFont::Thin);
    }

    void savedFontWeightsDrawAtTheirWeight()
    {
        QFETCH(int, saved);
        QFETCH(int, drawn);
        QCOMPARE(int(SceneStyleLevels::fontWeightOf(saved)), drawn);
        if (saved == 75) {
            StyleSettingsPres::instance()->setFontWeight(saved);
            QCOMPARE(SceneStyle::instance()->textFont().weight(), QFont::Bold);
            StyleSettingsPres::instance()->setFontWeight(50);
        }
    }

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
