// Drives the real screens (the main window) by object name with mouse clicks and key presses.
#include "support/MediaFixtures.h"
#include "support/QmlDriver.h"
#include "support/SlideFixtures.h"
#include "support/TestHttpServer.h"
#include "support/TestSupport.h"

#include "backgrounds/BackgroundCatalogue.h"
#include "backgrounds/BgDownloadManager.h"

#include "project/ProjectFile.h"
#include "project/ProjectPres.h"
#include "project/SlidesListModel.h"

#include <QClipboard>
#include <QDir>
#include <QLocale>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>

class TestScreens : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    TestHttpServer m_content; // the content server of the video backgrounds
    QmlDriver m_ui;
    ProjectPres *m_project = nullptr;

    QStringList photos(int count, const QString &prefix = QStringLiteral("p"))
    {
        return makeImageFiles(m_dir.path(), count, prefix);
    }

    // A presenter published to the screens, or null while this build has none.
    QObject *presenter(const char *name) const
    {
        QQmlContext *context = qmlContext(m_ui.window());
        return context ? context->contextProperty(QString::fromLatin1(name)).value<QObject *>() : nullptr;
    }

    // The file names the toolkit's own file dialog lists, drawn in the window where the
    // platform has no dialog of its own (as offscreen has none).
    // Every item of the window, popups' included, as the scene draws them.
    static void collectItems(QQuickItem *item, QList<QQuickItem *> &items)
    {
        items << item;
        for (QQuickItem *child : item->childItems())
            collectItems(child, items);
    }

    // The rows the file dialog lists, by file name.
    QMap<QString, QQuickItem *> listedFiles() const
    {
        QList<QQuickItem *> items;
        QQuickItem *root = m_ui.window()->contentItem();
        collectItems(root->parentItem() ? root->parentItem() : root, items);
        QMap<QString, QQuickItem *> rows;
        for (QQuickItem *row : std::as_const(items)) {
            if (row->objectName().startsWith(QLatin1String("fileDialogDelegate")) && row->isVisible())
                rows.insert(QFileInfo(row->property("file").toUrl().toLocalFile()).fileName(), row);
        }
        return rows;
    }

    // Removes the first animated background's video from disk; video is where it belongs, path
    // its address on the content server, served the bytes the server has for it.
    static bool takeAwayFirstAnimatedVideo(QString &video, QString &path, QByteArray &served)
    {
        video = BackgroundCatalogue::instance()->animated().first().pathFor(0);
        QFile::remove(video);
        path = QStringLiteral("/app/2/") + QFileInfo(video).fileName();
        QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/content") + path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        served = file.readAll();
        return true;
    }

    bool canMakeVideo() const
    {
        return presenter("render") && presenter("styleSettings") && presenter("backgrounds");
    }

    // Photos, a text slide and music, then through theme, background (from its tab), style and
    // settings (720p into outputDir) to MAKE VIDEO.
    void startVideo(const QString &outputDir, const QString &bgTab = QStringLiteral("tabColors"),
                    const QString &bgId = QStringLiteral("color00001"))
    {
        m_project->addImagePaths(photos(3, QStringLiteral("flow")));
        m_project->addTextSlide(QStringLiteral("The end"));
        const QString song = m_dir.filePath(QStringLiteral("song.m4a"));
        QVERIFY(makeTone(song, 14));
        m_project->addAudioPaths({song});
        QTRY_VERIFY(!m_project->musicReading());
        QVERIFY(m_ui.click(QStringLiteral("doneButton")));
        QVERIFY(m_ui.waitForScreen(QStringLiteral("themeScreen")));
        QVERIFY(m_ui.click(QStringLiteral("theme2")));
        QVERIFY(m_ui.click(QStringLiteral("themeDoneButton")));
        QVERIFY(m_ui.waitForScreen(QStringLiteral("backgroundScreen")));
        QVERIFY(m_ui.click(bgTab));
        // The cards appear once the tab has switched; a click before lands nowhere.
        QTRY_VERIFY(m_ui.visibleItem(QStringLiteral("bg_") + bgId));
        QTRY_VERIFY(m_ui.click(QStringLiteral("bg_") + bgId)
                    && presenter("styleSettings")->property("bgId").toString() == bgId);
        QVERIFY(m_ui.click(QStringLiteral("backgroundDoneButton")));
        QVERIFY(m_ui.waitForScreen(QStringLiteral("styleScreen")));
        QVERIFY(m_ui.click(QStringLiteral("styleDoneButton")));
        QVERIFY(m_ui.waitForScreen(QStringLiteral("settingsScreen")));
        QVERIFY(m_ui.click(QStringLiteral("quality0")));
        QCOMPARE(presenter("settings")->property("resolution").toInt(), 0);
        // The folder chooser is the desktop's own dialog: the folder is set as it would set it.
        presenter("settings")->setProperty("saveDir", outputDir);
        QVERIFY(m_ui.click(QStringLiteral("makeVideoButton")));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(m_content.start());
        qputenv("PICTOVIA_CONTENT_URL", m_content.baseUrl().toUtf8());
        // Closing the window is tried here; it must not end the test run.
        QGuiApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(m_ui.load());
        m_project = ProjectPres::instance();
    }

    void init()
    {
        if (QObject *stack = m_ui.object(QStringLiteral("stack")))
            QMetaObject::invokeMethod(stack, "backToMain");
        m_project->reset();
        QSettings().remove(QStringLiteral("removeSlideDlgDontShowAgain"));
        QVERIFY(m_ui.waitForScreen(QStringLiteral("mainScreen")));
    }

    void cleanupTestCase()
    {
        for (const QString &w : m_ui.warnings())
            qWarning() << w;
        QVERIFY(m_ui.warnings().isEmpty());
    }

    // A background video is looked for, and fetched, at the resolution chosen on the video
    // settings screen, not at the one the project had when it was last rendered.
    void backgroundFollowsTheChosenResolution()
    {
        QObject *settings = presenter("settings");
        QObject *backgrounds = presenter("backgrounds");
        QVERIFY(settings && backgrounds);
        m_project->project()->setOutputSettings(0, QString());
        settings->setProperty("resolution", 1);
        const BackgroundDescriptor video = BackgroundCatalogue::instance()->entry(QStringLiteral("animated00003"));
        QFile::remove(video.pathFor(0));
        QFile::remove(video.pathFor(1));
        const QString name = QFileInfo(video.pathFor(1)).fileName();
        QFile served(QCoreApplication::applicationDirPath() + QStringLiteral("/content/app/2/") + name);
        QVERIFY2(served.open(QIODevice::ReadOnly), qPrintable(served.fileName()));
        m_content.route(QStringLiteral("/app/2/") + name, {200, served.readAll()});
        QVERIFY(QMetaObject::invokeMethod(backgrounds, "selectionDone", Q_ARG(QString, QStringLiteral("animated00003"))));
        QVERIFY(BgDownloadManager::instance()->isFetching(video.pathFor(1)));
        QTRY_VERIFY_WITH_TIMEOUT(!backgrounds->property("isDownloading").toBool(), 60000);
        QVERIFY(QFile::exists(video.pathFor(1)));
        QVERIFY(!QFile::exists(video.pathFor(0)));
        settings->setProperty("resolution", 0);
    }

    // Return gives a confirmation's default answer, the safe one where work would be lost, and
    // the focused one after Tab; Ctrl+O opens Recent Projects, F1 the tips.
    void keysAnswerAndOpen()
    {
        m_project->addImagePaths(photos(2, QStringLiteral("keys")));
        QTRY_COMPARE(SlidesListModel::instance()->rowCount(), 2);
        QVERIFY(m_ui.click(QStringLiteral("slide0")));
        QObject *confirm = m_ui.object(QStringLiteral("removeSlidePopup"));
        for (const bool tabToRemove : {false, true}) {
            m_ui.key(Qt::Key_Delete);
            QTRY_VERIFY(m_ui.visibleItem(QStringLiteral("removeSlidePopupRejectDefault")));
            QTRY_VERIFY(m_ui.visibleItem(QStringLiteral("removeSlidePopupRejectDefault"))->hasActiveFocus());
            if (tabToRemove)
                m_ui.key(Qt::Key_Backtab);
            m_ui.key(Qt::Key_Return);
            QTRY_VERIFY(!confirm->property("visible").toBool());
            QTRY_COMPARE(SlidesListModel::instance()->rowCount(), tabToRemove ? 1 : 2);
        }

        m_ui.key(Qt::Key_O, Qt::ControlModifier);
        QTRY_VERIFY(m_ui.object(QStringLiteral("recentPopup"))->property("visible").toBool());
        QMetaObject::invokeMethod(m_ui.object(QStringLiteral("recentPopup")), "close");
        QTRY_VERIFY(!m_ui.object(QStringLiteral("recentPopup"))->property("visible").toBool());
        m_ui.key(Qt::Key_F1);
        QTRY_VERIFY(m_ui.object(QStringLiteral("tipsOverlay"))->property("visible").toBool());
        QMetaObject::invokeMethod(m_ui.object(QStringLiteral("tipsOverlay")), "close");
        QTRY_VERIFY(!m_ui.object(QStringLiteral("tipsOverlay"))->property("visible").toBool());
    }

    // The arrow keys, Home and End move the selection, Shift extends it; one slide shows its
    // buttons: the pointer's, or without one the keys' current slide.
    void arrowKeysMoveTheSelectionAndOneSlideShowsItsButtons()
    {
        m_project->addImagePaths(photos(5, QStringLiteral("arrows")));
        QTRY_COMPARE(SlidesListModel::instance()->rowCount(), 5);
        QObject *grid = m_ui.object(QStringLiteral("slideGrid"));
        const auto selected = [grid]() {
            QVariant rows;
            QMetaObject::invokeMethod(grid, "selectedRows", Q_RETURN_ARG(QVariant, rows));
            QVariantList list = rows.toList();
            QList<int> ints;
            for (const QVariant &row : list)
                ints << row.toInt();
            return ints;
        };
        const auto showing = [this]() {
            QList<int> rows;
            for (int row = 0; row < 5; ++row) {
                const QQuickItem *card = m_ui.visibleItem(QStringLiteral("slide%1").arg(row));
                if (card && card->property("showActions").toBool())
                    rows << row;
            }
            return rows;
        };
        QVERIFY(m_ui.click(QStringLiteral("slide0")));
        const struct { int key; Qt::KeyboardModifiers modifiers; QList<int> rows; } steps[] = {
            {Qt::Key_Right, Qt::NoModifier, {1}},        {Qt::Key_Right, Qt::ShiftModifier, {1, 2}},
            {Qt::Key_Left, Qt::ShiftModifier, {1}},      {Qt::Key_End, Qt::NoModifier, {4}},
            {Qt::Key_Home, Qt::ShiftModifier, {0, 1, 2, 3, 4}}, {Qt::Key_Left, Qt::NoModifier, {0}},
        };
        for (const auto &step : steps) {
            m_ui.key(step.key, step.modifiers);
            QTRY_COMPARE(selected(), step.rows);
        }
        m_ui.key(Qt::Key_Right);
        QTRY_COMPARE(showing(), QList<int>{1});
        // A pointer moving over slides (even where a popup left their hover state behind)
        // takes the buttons with it.
        for (int row : {3, 2}) {
            QQuickItem *card = m_ui.visibleItem(QStringLiteral("slide%1").arg(row));
            QVERIFY(card);
            QMetaObject::invokeMethod(card, "pointerMoved", Q_ARG(QPointF, QPointF(row * 10, 5)));
            QTRY_COMPARE(showing(), QList<int>{row});
        }
    }

    // A narrow window hides the tool bar's labels, the add actions' last.
    void toolBarKeepsTheAddLabelsLongest()
    {
        const QSize before = m_ui.window()->size();
        const struct { int width; bool addLabels, otherLabels; } widths[] = {
            {1300, true, true}, {1000, true, false}, {640, false, false}};
        for (const auto &w : widths) {
            m_ui.window()->resize(w.width, 700);
            QTRY_COMPARE(!m_ui.item(QStringLiteral("addFolderButton"))->property("compact").toBool(), w.addLabels);
            QTRY_COMPARE(!m_ui.item(QStringLiteral("recentButton"))->property("compact").toBool(), w.otherLabels);
        }
        m_ui.window()->resize(before);
    }

    // The video settings' summary row plays the slideshow in the preview beside it.
    void settingsSummaryPlaysThePreview()
    {
        m_project->addImagePaths(photos(2, QStringLiteral("summary")));
        QTRY_COMPARE(SlidesListModel::instance()->rowCount(), 2);
        QMetaObject::invokeMethod(m_ui.object(QStringLiteral("stack")), "showSettings");
        QVERIFY(m_ui.waitForScreen(QStringLiteral("settingsScreen")));
        QTRY_VERIFY(m_ui.click(QStringLiteral("settingsPlay")));
        QObject *preview = presenter("preview");
        QTRY_VERIFY(preview->property("playing").toBool());
        QMetaObject::invokeMethod(preview, "pause");
        QTRY_VERIFY(!preview->property("playing").toBool());
    }

    // Slide labels add up to the video: a duration that is not whole shows its tenth.
    void durationLabelsShowATenth()
    {
        m_project->addImagePaths(photos(2, QStringLiteral("tenth")));
        QTRY_VERIFY(m_ui.visibleItem(QStringLiteral("slide0")));
        QObject *card = m_ui.visibleItem(QStringLiteral("slide0"));
        for (const auto &[seconds, shown] : {std::pair{3.76, "3.8"}, std::pair{4.0, "4"}, std::pair{2.96, "3"}}) {
            QVariant text;
            QVERIFY(QMetaObject::invokeMethod(card, "secondsText", Q_RETURN_ARG(QVariant, text), Q_ARG(QVariant, seconds)));
            QCOMPARE(text.toString(), QLocale().toString(QString(shown).toDouble(), 'f', QString(shown).contains('.') ? 1 : 0));
        }
    }

    void doneNeedsSlides()
    {
        QQuickItem *done = m_ui.visibleItem(QStringLiteral("doneButton"));
        QVERIFY(done);
        QVERIFY(!done->isEnabled());
        QVERIFY(m_ui.visibleItem(QStringLiteral("emptyState")));
        m_project->addImagePaths(photos(1));
        QTRY_VERIFY(done->isEnabled());
        QVERIFY(!m_ui.visibleItem(QStringLiteral("emptyState")));
    }

    // Ctrl+A then Delete asks once for all selected slides; "Don't ask again" is remembered and
    // the next Delete removes at once.
    void selectAllAndDelete()
    {
        m_project->addImagePaths(photos(3));
        m_project->addTextSlide(QStringLiteral("Hello"));
        QTRY_COMPARE(SlidesListModel::instance()->rowCount(), 4);
        QVERIFY(m_ui.click(QStringLiteral("slide0")));
        m_ui.key(Qt::Key_A, Qt::ControlModifier);
        m_ui.key(Qt::Key_Delete);
        QTRY_VERIFY(m_ui.visibleItem(QStringLiteral("removeSlidePopupAcceptPlain")));
        QVERIFY(m_ui.click(QStringLiteral("removeSlidePopupDontAsk")));
        QVERIFY(m_ui.click(QStringLiteral("removeSlidePopupAcceptPlain")));
        QTRY_COMPARE(SlidesListModel::instance()->rowCount(), 0);
        QVERIFY(QSettings().contains(QStringLiteral("removeSlideDlgDontShowAgain")));
        QTRY_VERIFY(!m_ui.object(QStringLiteral("removeSlidePopup"))->property("visible").toBool());

        m_project->addImagePaths(photos(2));
        QTRY_COMPARE(SlidesListModel::instance()->rowCount(), 2);
        QVERIFY(m_ui.click(QStringLiteral("slide1")));
        m_ui.key(Qt::Key_Delete);
        QTRY_COMPARE(SlidesListModel::instance()->rowCount(), 1);
    }

    // A removal undone by the tool bar's button comes back selected; the keys redo and undo it,
    // on the style screen too; the buttons' tooltips name the step.
    void undoBringsBackRemovedSlides()
    {
        QSettings().setValue(QStringLiteral("removeSlideDlgDontShowAgain"), true);
        m_project->addImagePaths(photos(3, QStringLiteral("undo")));
        QTRY_COMPARE(SlidesListModel::instance()->rowCount(), 3);
        QObject *history = presenter("history");
        QVERIFY(m_ui.click(QStringLiteral("slide1")));
        m_ui.key(Qt::Key_Delete);
        QTRY_COMPARE(SlidesListModel::instance()->rowCount(), 2);
        QCOMPARE(m_ui.item(QStringLiteral("undoButton"))->property("tip").toString(), QStringLiteral("Undo Remove slide"));
        QVERIFY(!m_ui.item(QStringLiteral("redoButton"))->isEnabled());

        QVERIFY(m_ui.click(QStringLiteral("undoButton")));
        QTRY_COMPARE(SlidesListModel::instance()->rowCount(), 3);
        QTRY_COMPARE(m_ui.object(QStringLiteral("slideGrid"))->property("selectionVersion").toInt() > 0, true);
        QVariant rows;
        QMetaObject::invokeMethod(m_ui.object(QStringLiteral("slideGrid")), "selectedRows", Q_RETURN_ARG(QVariant, rows));
        QCOMPARE(rows.toList(), QVariantList{1});
        QCOMPARE(m_ui.item(QStringLiteral("redoButton"))->property("tip").toString(), QStringLiteral("Redo Remove slide"));

        m_ui.key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(SlidesListModel::instance()->rowCount(), 2);
        m_ui.key(Qt::Key_Z, Qt::ControlModifier);
        QTRY_COMPARE(SlidesListModel::instance()->rowCount(), 3);
        m_ui.key(Qt::Key_Y, Qt::ControlModifier);
        QTRY_COMPARE(SlidesListModel::instance()->rowCount(), 2);

        // Undo reaches the main screen's edits from the style screen as well.
        QMetaObject::invokeMethod(m_ui.object(QStringLiteral("stack")), "showStyle");
        QVERIFY(m_ui.waitForScreen(QStringLiteral("styleScreen")));
        m_ui.key(Qt::Key_Z, Qt::ControlModifier);
        QTRY_COMPARE(SlidesListModel::instance()->rowCount(), 3);
        QCOMPARE(history->property("undoTip").toString(), QStringLiteral("Undo Add 3 photos"));
    }

    // Files dropped from a file manager land where the matching tool-bar action puts them.
    void droppedFilesAreSorted()
    {
        const QStringList images = photos(2, QStringLiteral("drop"));
        QDir(m_dir.path()).mkdir(QStringLiteral("folder"));
        photos(1, QStringLiteral("folder/in"));
        QVariantList urls{QUrl::fromLocalFile(images[0]), QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("notes.txt"))),
                          QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("folder"))), QUrl::fromLocalFile(images[1])};
        QVERIFY(QMetaObject::invokeMethod(m_ui.object(QStringLiteral("mainScreen")), "addDropped",
                                          Q_ARG(QVariant, QVariant(urls))));
        QTRY_COMPARE(m_project->property("slidesNumber").toInt(), 3);
    }

    // A photo gone since the save keeps its place as a placeholder whose Locate… asks for it.
    void missingPhotoCanBeLocated()
    {
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("found")));
        auto project = ProjectPtr::create();
        for (const QString &name : {QStringLiteral("lost.png"), QStringLiteral("also.png")}) {
            QVERIFY(makeImageFile(m_dir.filePath(QStringLiteral("found/") + name)));
            project->slides.append(SlidePtr::create());
            project->slides.last()->content = m_dir.filePath(QStringLiteral("gone/") + name);
        }
        m_project->openProject(project);
        QVERIFY(m_ui.click(QStringLiteral("missingFilesOk")));
        // The warning's closing fade ends before the dialog comes over the window.
        QTRY_VERIFY(!m_ui.object(QStringLiteral("missingFilesPopup"))->property("visible").toBool());
        QTRY_VERIFY(m_ui.visibleItem(QStringLiteral("missingPlaceholder")));
        QQuickItem *card = m_ui.visibleItem(QStringLiteral("slide0"));
        QVERIFY(card);
        // Its Locate… button shows only under the pointer, which offscreen hover handlers miss:
        // the button's signal is sent as its click would.
        QVERIFY(QMetaObject::invokeMethod(card, "locate"));
        QObject *dialog = m_ui.object(QStringLiteral("locatePhotoDialog"));
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->property("visible").toBool());
        QCOMPARE(dialog->property("title").toString(), QStringLiteral("Locate lost.png"));
        QMetaObject::invokeMethod(dialog, "reject");
        QTRY_VERIFY(!dialog->property("visible").toBool());

        // The file chosen as the dialog would hand it over: the other photo there is offered too.
        QVERIFY(QMetaObject::invokeMethod(m_ui.object(QStringLiteral("locatePhotoDialogs")), "located",
                                          Q_ARG(QVariant, QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("found/lost.png"))))));
        QVERIFY(m_ui.click(QStringLiteral("relinkMissingPopupAccept")));
        QTRY_VERIFY(!m_ui.visibleItem(QStringLiteral("missingPlaceholder")));
        QCOMPARE(m_project->project()->slides.at(1)->content, m_dir.filePath(QStringLiteral("found/also.png")));
        QTRY_VERIFY(!m_ui.object(QStringLiteral("relinkMissingPopup"))->property("visible").toBool());
    }

    // Add Images opens where photos were last taken from, lists camera files under the plain
    // endings it shows, and remembers the folder the next photos come from.
    void photoDialogStartsWhereLeft()
    {
        QObject *folders = presenter("dialogFolders");
        QVERIFY(folders);
        const QString last = m_dir.filePath(QStringLiteral("last"));
        const QString camera = m_dir.filePath(QStringLiteral("camera"));
        QVERIFY(QDir().mkpath(last) && QDir().mkpath(camera));
        QVERIFY(makeImageFile(camera + QStringLiteral("/PHOTO.JPG")));
        folders->setProperty("photosFolder", QUrl::fromLocalFile(last));

        QVERIFY(m_ui.click(QStringLiteral("addImagesButton")));
        QObject *dialog = m_ui.object(QStringLiteral("imagesDialog"));
        QVERIFY(dialog);
        // A dialog left open would take the input of every test after this one.
        const auto closeDialog = qScopeGuard([dialog] {
            if (dialog->property("visible").toBool())
                QMetaObject::invokeMethod(dialog, "reject");
        });
        QTRY_VERIFY(dialog->property("visible").toBool());
        QCOMPARE(QFileInfo(dialog->property("currentFolder").toUrl().toLocalFile()).canonicalFilePath(),
                 QFileInfo(last).canonicalFilePath());
        QCOMPARE(dialog->property("nameFilters").toStringList(),
                 QStringList{QStringLiteral("Import Image Files (*.jpg *jpeg *.png *.gif *.JPG *.JPEG *.PNG *.GIF)")});
        dialog->setProperty("currentFolder", QUrl::fromLocalFile(camera));
        QTRY_COMPARE(listedFiles().keys(), QStringList{QStringLiteral("PHOTO.JPG")});
        QQuickItem *row = listedFiles().value(QStringLiteral("PHOTO.JPG"));
        QTest::mouseClick(m_ui.window(), Qt::LeftButton, {},
                          row->mapToScene(QPointF(row->width() / 2, row->height() / 2)).toPoint());
        QMetaObject::invokeMethod(dialog, "accept");
        QTRY_COMPARE(m_project->property("slidesNumber").toInt(), 1);
        QCOMPARE(folders->property("photosFolder").toUrl().toLocalFile(), QFileInfo(camera).absoluteFilePath());
    }

    // Add Folder with Images takes the folder chosen, and opens there next time.
    void folderChooserAddsItsFolder()
    {
        const QString holiday = m_dir.filePath(QStringLiteral("holiday"));
        QVERIFY(QDir().mkpath(holiday));
        QVERIFY(makeImageFile(holiday + QStringLiteral("/a.png")) && makeImageFile(holiday + QStringLiteral("/B.JPG")));
        const int before = m_project->property("slidesNumber").toInt();
        QVERIFY(m_ui.click(QStringLiteral("addFolderButton")));
        QObject *dialog = m_ui.object(QStringLiteral("imagesFolderDialog"));
        QVERIFY(dialog);
        QTRY_VERIFY(dialog->property("visible").toBool());
        dialog->setProperty("selectedFolder", QUrl::fromLocalFile(holiday));
        QMetaObject::invokeMethod(dialog, "accept");
        QTRY_COMPARE(m_project->property("slidesNumber").toInt(), before + 2);
        QCOMPARE(presenter("dialogFolders")->property("photosFolder").toUrl().toLocalFile(),
                 QFileInfo(holiday).absoluteFilePath());
        QVERIFY(!dialog->property("visible").toBool());
    }

    void addTextSlideByClicks()
    {
        QVERIFY(m_ui.click(QStringLiteral("addTextButton")));
        QQuickItem *field = nullptr;
        QTRY_VERIFY((field = m_ui.visibleItem(QStringLiteral("textSlideField"))));
        QTRY_VERIFY(field->hasActiveFocus());
        m_ui.type(QStringLiteral("Our summer"));
        QVERIFY(m_ui.click(QStringLiteral("textSlideOk")));
        QTRY_COMPARE(SlidesListModel::instance()->rowCount(), 1);
        QCOMPARE(SlidesListModel::instance()->data(SlidesListModel::instance()->index(0), SlidesListModel::TextRole).toString(),
                 QStringLiteral("Our summer"));
        // The popup takes input until its closing fade has ended.
        QTRY_VERIFY(!m_ui.visibleItem(QStringLiteral("textSlideField")));
    }

    // The main screen's Play button plays the project in the preview beside the slides.
    void playButtonStartsPreview()
    {
        m_project->addImagePaths(photos(2));
        QObject *preview = presenter("preview");
        QVERIFY(preview);
        QVERIFY(m_ui.click(QStringLiteral("previewPlayButton")));
        QVERIFY(preview->property("playing").toBool());
        QTRY_VERIFY(!preview->property("frame").toString().isEmpty());
        QMetaObject::invokeMethod(preview, "pause");
    }

    void clickThroughToVideo()
    {
        if (!canMakeVideo())
            QSKIP("the render, style and background presenters are not published in this build");
        QTemporaryDir output;
        startVideo(output.path());
        QVERIFY(m_ui.waitForScreen(QStringLiteral("renderingScreen")));
        QVERIFY(m_ui.waitForScreen(QStringLiteral("doneScreen"), 180000));
        const QStringList videos = QDir(output.path()).entryList({QStringLiteral("slideshow_*.mp4")}, QDir::Files);
        QCOMPARE(videos.size(), 1);
        QVERIFY(QFileInfo(QDir(output.path()).filePath(videos.first())).size() > 10000);
        QQuickItem *name = m_ui.visibleItem(QStringLiteral("resultFileName"));
        QVERIFY(name);
        QCOMPARE(name->property("text").toString(), videos.first());

        // The full path, to copy; where the desktop has no program for videos or folders, the
        // screen says so (offscreen has no launcher; on a display, none is on an empty PATH).
        QQuickItem *path = m_ui.visibleItem(QStringLiteral("resultPathText"));
        QVERIFY(path);
        const QString video = presenter("render")->property("resultPath").toString();
        QCOMPARE(path->property("text").toString(), video);
        QCOMPARE(QFileInfo(video).canonicalFilePath(),
                 QFileInfo(QDir(output.path()).filePath(videos.first())).canonicalFilePath());
        QVERIFY(!m_ui.visibleItem(QStringLiteral("openFailureMessage")));
        const QByteArray searchPath = qgetenv("PATH");
        qputenv("PATH", "");
        const auto restorePath = qScopeGuard([&searchPath] { qputenv("PATH", searchPath); });
        QVERIFY(m_ui.click(QStringLiteral("playVideoButton")));
        QQuickItem *message = nullptr;
        QTRY_VERIFY((message = m_ui.visibleItem(QStringLiteral("openFailureMessage"))));
        const auto says = [&message](const char *start) {
            return message->property("text").toString().startsWith(QLatin1String(start));
        };
        QVERIFY(says("No program could be started to play the video."));
        QVERIFY(m_ui.click(QStringLiteral("openFolderButton")));
        QVERIFY(says("No program could be started to open the folder."));
        QVERIFY(m_ui.click(QStringLiteral("copyPathButton")));
        QCOMPARE(QGuiApplication::clipboard()->text(), video);
        QVERIFY(m_ui.click(QStringLiteral("backToProjectButton")));
        QVERIFY(m_ui.waitForScreen(QStringLiteral("mainScreen")));
    }

    void stoppingReturnsToSettings()
    {
        if (!canMakeVideo())
            QSKIP("the render, style and background presenters are not published in this build");
        QTemporaryDir output;
        startVideo(output.path());
        QVERIFY(m_ui.waitForScreen(QStringLiteral("renderingScreen")));
        QVERIFY(m_ui.click(QStringLiteral("stopButton")));
        QVERIFY(m_ui.waitForScreen(QStringLiteral("settingsScreen"), 30000));
        QTRY_VERIFY(QDir(output.path()).entryList({QStringLiteral("*.mp4")}, QDir::Files).isEmpty());
    }

    // A video background not yet on disk is fetched first; a failed download offers Retry.
    void animatedBackgroundIsDownloadedFirst()
    {
        if (!canMakeVideo())
            QSKIP("the render, style and background presenters are not published in this build");
        const BackgroundCatalogue::Map &animated = BackgroundCatalogue::instance()->animated();
        QVERIFY(!animated.isEmpty());
        QString video, path;
        QByteArray served;
        QVERIFY(takeAwayFirstAnimatedVideo(video, path, served));
        m_content.route(path, {404, "gone"});

        QTemporaryDir output;
        startVideo(output.path(), QStringLiteral("tabAnimated"), animated.firstKey());
        QVERIFY(m_ui.waitForScreen(QStringLiteral("downloadingScreen"), 30000));
        QTRY_VERIFY(m_ui.visibleItem(QStringLiteral("networkProblemPopupAccept")));
        m_content.route(path, {200, served});
        QVERIFY(m_ui.click(QStringLiteral("networkProblemPopupAccept")));
        QVERIFY(m_ui.waitForScreen(QStringLiteral("renderingScreen"), 30000));
        QCOMPARE(QFileInfo(video).size(), qint64(served.size()));
        QVERIFY(m_ui.click(QStringLiteral("stopButton")));
        QVERIFY(m_ui.waitForScreen(QStringLiteral("settingsScreen"), 30000));
    }

    // The downloading screen tells what is fetched and how far; Cancel drops the download and goes
    // back to choose the background again. Chosen again, the bar shows on the next screens.
    void downloadCanBeCancelled()
    {
        if (!canMakeVideo())
            QSKIP("the render, style and background presenters are not published in this build");
        const BackgroundCatalogue::Map &animated = BackgroundCatalogue::instance()->animated();
        QVERIFY(!animated.isEmpty());
        QString video, path;
        QByteArray served;
        QVERIFY(takeAwayFirstAnimatedVideo(video, path, served));
        const qint64 size = served.size();
        // Half the file, then nothing: the download stays under way until it is cancelled.
        m_content.route(path, {200, served, TestHttpServer::Mode::StallMidBody});
        auto megabytes = [](qint64 bytes) { return QLocale().toString(bytes / 1048576.0, 'f', 1); };
        auto shownText = [this] {
            QQuickItem *label = m_ui.visibleItem(QStringLiteral("downloadText"));
            return label ? label->property("text").toString() : QString();
        };

        QTemporaryDir output;
        startVideo(output.path(), QStringLiteral("tabAnimated"), animated.firstKey());
        QVERIFY(m_ui.waitForScreen(QStringLiteral("downloadingScreen"), 30000));
        QTRY_COMPARE(shownText(), QStringLiteral("Downloading %1 \u2014 %2 of %3 MB")
                                      .arg(animated.first().name, megabytes(size / 2), megabytes(size)));
        QVERIFY(m_ui.click(QStringLiteral("downloadCancelButton")));
        QVERIFY(m_ui.waitForScreen(QStringLiteral("backgroundScreen")));
        QObject *backgrounds = presenter("backgrounds");
        QVERIFY(!BgDownloadManager::instance()->isFetching(video));
        QVERIFY(!backgrounds->property("isDownloading").toBool());

        QVERIFY(m_ui.click(QStringLiteral("backgroundDoneButton")));
        QVERIFY(m_ui.waitForScreen(QStringLiteral("styleScreen")));
        QTRY_VERIFY(m_ui.visibleItem(QStringLiteral("previewDownloadBar")));
        QVERIFY(QMetaObject::invokeMethod(backgrounds, "cancelDownload"));
        QTRY_VERIFY(!m_ui.visibleItem(QStringLiteral("previewDownloadBar")));
    }

    // The theme preview shows at once and plays its frames; "Use this theme" chooses that theme
    // as a click on its card does, and the frames go with the popup.
    void themePreviewChoosesItsTheme()
    {
        QObject *style = presenter("styleSettings");
        QObject *thumbs = presenter("thumbs");
        QVERIFY(style && thumbs);
        m_project->addImagePaths(photos(2, QStringLiteral("preview")));
        QVERIFY(m_ui.click(QStringLiteral("doneButton")));
        QVERIFY(m_ui.waitForScreen(QStringLiteral("themeScreen")));
        QVERIFY(m_ui.click(QStringLiteral("theme2")));
        QCOMPARE(style->property("themeId").toInt(), 2);
        // The Preview button shows under the pointer, which offscreen hover handlers miss: its
        // click is made as the button makes it.
        QObject *popup = m_ui.object(QStringLiteral("themePreviewPopup"));
        QVERIFY(QMetaObject::invokeMethod(popup, "show", Q_ARG(QVariant, 5), Q_ARG(QVariant, QStringLiteral("Fade"))));
        QVERIFY(popup->property("visible").toBool());
        QTRY_VERIFY(!thumbs->property("themePreviewFrames").toStringList().isEmpty());
        QVERIFY(m_ui.click(QStringLiteral("themePreviewUse")));
        QCOMPARE(style->property("themeId").toInt(), 5);
        QTRY_VERIFY(!popup->property("visible").toBool());
        QVERIFY(thumbs->property("themePreviewFrames").toStringList().isEmpty());
        QQuickItem *card = m_ui.visibleItem(QStringLiteral("theme5"));
        QVERIFY(card && card->property("selected").toBool());
    }

    // A folder the video cannot be written to: back to the project, with the error shown.
    void renderErrorReturnsToMainWithPopup()
    {
        if (!canMakeVideo())
            QSKIP("the render, style and background presenters are not published in this build");
        const QString blocked = m_dir.filePath(QStringLiteral("a-file-not-a-folder"));
        QVERIFY(makeImageFile(blocked + QStringLiteral(".png")));
        QVERIFY(QFile::rename(blocked + QStringLiteral(".png"), blocked));
        startVideo(blocked);
        QVERIFY(m_ui.waitForScreen(QStringLiteral("mainScreen"), 60000));
        QTRY_VERIFY(m_ui.visibleItem(QStringLiteral("errorOkButton")));
        QVERIFY(m_ui.click(QStringLiteral("errorOkButton")));
    }

    // Closing the window writes the edits still waiting; the window comes back for the next test.
    void closingWritesWaitingEdits()
    {
        QObject *autosave = presenter("autosave");
        QVERIFY(autosave);
        m_project->addImagePaths(photos(2, QStringLiteral("close")));
        QTRY_VERIFY(autosave->property("saved").toBool());
        QTRY_VERIFY(m_ui.visibleItem(QStringLiteral("saveStateText")));
        QCOMPARE(m_ui.visibleItem(QStringLiteral("saveStateText"))->property("text").toString(), QStringLiteral("Saved"));
        m_project->setRotation(1, 1);
        QVERIFY(autosave->property("pending").toBool());
        QCOMPARE(m_ui.visibleItem(QStringLiteral("saveStateText"))->property("text").toString(), QStringLiteral("Saving\u2026"));
        const QString prj = AppPaths::projectsDir + m_project->project()->id + QStringLiteral("/prj.xml");
        QVERIFY(m_ui.window()->close());
        QVERIFY(!autosave->property("pending").toBool());
        QCOMPARE(readProjectFile(prj)->slides.at(1)->rotation, 1);
        m_ui.window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_ui.window()));
    }

    // Closing while a video is made asks first; keeping is the default, stopping leaves no file.
    void closingDuringRenderAsksFirst()
    {
        if (!canMakeVideo())
            QSKIP("the render, style and background presenters are not published in this build");
        QTemporaryDir output;
        startVideo(output.path());
        QVERIFY(m_ui.waitForScreen(QStringLiteral("renderingScreen")));
        QObject *render = presenter("render");
        QVERIFY(!m_ui.window()->close());
        QTRY_VERIFY(m_ui.object(QStringLiteral("quitDuringRenderPopup"))->property("opened").toBool());
        m_ui.key(Qt::Key_Return);
        QTRY_VERIFY(!m_ui.visibleItem(QStringLiteral("quitDuringRenderPopupRejectDefault")));
        QVERIFY(render->property("isRendering").toBool());
        QVERIFY(m_ui.window()->isVisible());

        m_ui.window()->close();
        QTRY_VERIFY(m_ui.click(QStringLiteral("quitDuringRenderPopupAcceptPlain")));
        QTRY_VERIFY(!m_ui.window()->isVisible());
        QVERIFY(!render->property("isRendering").toBool());
        QTRY_VERIFY(QDir(output.path()).entryList(QDir::Files).isEmpty());
        m_ui.window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_ui.window()));
        QVERIFY(m_ui.waitForScreen(QStringLiteral("settingsScreen"), 30000));
    }
};

PICTOVIA_TEST_MAIN(TestScreens)
#include "tst_screens.moc"
