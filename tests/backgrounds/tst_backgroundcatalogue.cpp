#include "support/RenderFixtures.h"
#include "support/TestHttpServer.h"
#include "support/TestSupport.h"

#include "app/AppConstants.h"
#include "backgrounds/BackgroundCatalogue.h"
#include "backgrounds/BackgroundsPres.h"
#include "backgrounds/BgDownloadManager.h"
#include "images/ImageProvider.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray info(const QByteArray &font, const QByteArray &name = {})
{
    return "<?xml version=\"1.0\"?><background><media font=\"Serif,Serif,20,#000000\"/><media font=\"" + font
           + "\" name=\"" + name + "\"/></background>";
}

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The download figures as the presenter published them, at one change.
struct Figures
{
    qint64 received;
    qint64 total;
    bool active;
    QString name;
    qint64 atMs;
};

// A JPEG whose header claims width x height although it holds 16 x 16 pixels.
QByteArray lyingJpeg(int width, int height)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    const int sof = bytes.indexOf("\xff\xc0");
    bytes[sof + 5] = char(height >> 8);
    bytes[sof + 6] = char(height & 0xff);
    bytes[sof + 7] = char(width >> 8);
    bytes[sof + 8] = char(width & 0xff);
    return bytes;
}

} // namespace

class TestBackgroundCatalogue : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    BackgroundCatalogue::Folders folders;

    QString path(const QString &name) const { return dir.filePath(name); }

private Q_SLOTS:
    void initTestCase()
    {
        folders = {path("backgrounds/"), path("animated/"), path("downloaded/"), path("data/custombgs.xml")};
        QVERIFY(writeFile(path("backgrounds/1/info.xml"), info("Lato,SansSerif,40,#102030")));
        QVERIFY(writeFile(path("backgrounds/12/info.xml"), info("Lato")));
        QVERIFY(QDir().mkpath(path("backgrounds/noinfo")));
        QVERIFY(writeFile(path("animated/2/info.xml"), info("DejaVu Serif,Serif,30,#ffffff")));
        QVERIFY(writeFile(path("animated/1/info.xml"), info("Lato,SansSerif,30,#fafafa")));
        QVERIFY(writeFile(path("backgrounds/colorbgs.xml"),
                          "<colors><color bg-color=\"10,20,30\" font=\"Lato,SansSerif,50,#ffffff\"/>"
                          "<group><color bg-color=\"garbage\"/></group><color bg-color=\"1,2\"/></colors>"));
    }

    void installedFoldersGiveIdsInOrderWithTheirStyles()
    {
        const BackgroundCatalogue catalogue(folders);
        QCOMPARE(catalogue.animated().keys(), QStringList({"animated00001", "animated00002"}));
        QCOMPARE(catalogue.standard().keys(), QStringList({"standard00001", "standard00012", "standardnoinfo"}));
        QCOMPARE(catalogue.colors().keys(), QStringList({"color00000", "color00001", "color00002"}));

        const BackgroundDescriptor video = catalogue.entry(AppConstants::defaultBackgroundId);
        QCOMPARE(video.path, path("downloaded/1/1.mp4"));
        QCOMPARE(video.thumbPath, path("animated/1/thumb.jpg"));
        QCOMPARE(video.pathFor(0), path("downloaded/1/1-720p.mp4"));
        QCOMPARE(catalogue.entry("no such id").path, video.path);

        const BackgroundDescriptor picture = catalogue.entry("standard00001");
        QCOMPARE(picture.path, path("backgrounds/1/bg.jpg"));
        QCOMPARE(picture.pathFor(2), path("backgrounds/1/bg-2160p.jpg"));
        QCOMPARE(picture.fontColor, QColor(0x10, 0x20, 0x30)); // the last "media" wins
        QCOMPARE(picture.font.family(), QStringLiteral("Lato"));
        QCOMPARE(picture.font.pointSize(), 40);
        QCOMPARE(picture.font.styleHint(), QFont::SansSerif);

        // Short "font", no "info.xml", damaged "bg-color": defaults, never an invalid colour.
        QCOMPARE(catalogue.entry("standard00012").font.pointSize(), 84);
        QCOMPARE(catalogue.entry("standard00012").fontColor, QColor(Qt::black));
        QCOMPARE(catalogue.entry("standardnoinfo").fontColor, QColor(Qt::white));
        QCOMPARE(catalogue.entry("color00000").color, QColor(10, 20, 30));
        QCOMPARE(catalogue.entry("color00001").color, QColor(Qt::black));
        QCOMPARE(catalogue.entry("color00002").color, QColor(1, 2, 0));
        QVERIFY(catalogue.entry("color00002").isColor());
    }

    void customPicturesRoundTripInIdOrder()
    {
        QVERIFY(QDir().mkpath(path("pictures")));
        const QString first = RenderFixtures::colourPicture(path("pictures"), "first.png", Qt::red);
        const QString second = RenderFixtures::colourPicture(path("pictures"), "second.png", Qt::blue);
        const QString gone = RenderFixtures::colourPicture(path("pictures"), "gone.png", Qt::green);
        QStringList ids;
        {
            BackgroundCatalogue catalogue(folders);
            ids << catalogue.addCustom(first, QFont(), Qt::black) << catalogue.addCustom(second, QFont(), Qt::white)
                << catalogue.addCustom(gone, QFont(), Qt::white);
        }
        QVERIFY(QFile::remove(gone));
        QFile file(folders.customFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        file.close();
        QVERIFY(!saved.trimmed().contains('\n'));
        QStringList sorted = ids;
        std::sort(sorted.begin(), sorted.end());
        QVERIFY(saved.indexOf(sorted.at(0).toUtf8()) < saved.indexOf(sorted.at(1).toUtf8()));
        QVERIFY(saved.indexOf(sorted.at(1).toUtf8()) < saved.indexOf(sorted.at(2).toUtf8()));
        QCOMPARE(QDir(path("data")).entryList(QDir::Files | QDir::Hidden), QStringList{"custombgs.xml"});

        BackgroundCatalogue reread(folders);
        QCOMPARE(reread.custom().size(), 2); // the deleted picture is dropped
        QCOMPARE(reread.entry(ids.at(0)).fontColor, QColor(Qt::black));
        QCOMPARE(reread.entry(ids.at(1)).path, second);
        reread.removeCustom(ids.at(1));
        QCOMPARE(BackgroundCatalogue(folders).custom().keys(), QStringList{ids.at(0)});

        // No "font-color" reads as white; a truncated file keeps what came before the damage.
        // An entry without a path is left out; it does not take the picture of the one before.
        QVERIFY(writeFile(folders.customFile, "<?xml version=\"1.0\"?><backgrounds><background bg-path=\"" + first.toUtf8()
                                                  + "\" id=\"a\"/><background id=\"nopath\"/><background bg-path=\""
                                                  + second.toUtf8() + "\" id=\"b"));
        const BackgroundCatalogue truncated(folders);
        QCOMPARE(truncated.custom().keys(), QStringList{"a"});
        QCOMPARE(truncated.entry("a").fontColor, QColor(Qt::white));
        QFile::remove(folders.customFile);
    }

    void textColourFollowsTheMeanLuminance_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QColor>("expected");
        auto gray = [](int value) {
            QImage image(40, 30, QImage::Format_RGB32);
            image.fill(QColor(value, value, value));
            return image;
        };
        QTest::newRow("mean 149") << gray(149) << QColor(Qt::white);
        QTest::newRow("mean 150") << gray(150) << QColor(Qt::black);
        QTest::newRow("no pixels") << QImage() << QColor(Qt::white);
    }

    void textColourFollowsTheMeanLuminance()
    {
        QFETCH(QImage, image);
        QFETCH(QColor, expected);
        QCOMPARE(BackgroundsPres::textColorForImage(image), expected);
    }

    void pictureSizeCheck_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("normal");
        const QString folder = path("sizes");
        QVERIFY(QDir().mkpath(folder));
        QTest::newRow("641 x 481") << RenderFixtures::colourPicture(folder, "a.png", Qt::red, 641, 481) << true;
        QTest::newRow("640 x 480") << RenderFixtures::colourPicture(folder, "b.png", Qt::red, 640, 480) << false;
        QTest::newRow("800 x 480") << RenderFixtures::colourPicture(folder, "c.png", Qt::red, 800, 480) << false;
        QTest::newRow("1 x 1") << RenderFixtures::colourPicture(folder, "d.png", Qt::red, 1, 1) << false;
        QVERIFY(writeFile(folder + "/text.jpg", "just some text"));
        QTest::newRow("text file") << folder + "/text.jpg" << false;
        QVERIFY(writeFile(folder + "/huge.jpg", lyingJpeg(20000, 20000)));
        QTest::newRow("20000 x 20000 header") << folder + "/huge.jpg" << true;
    }

    // Checked by its header, then added anyway: nothing decodes a picture whole or fails.
    void pictureSizeCheck()
    {
        QFETCH(QString, file);
        QFETCH(bool, normal);
        BgDownloadManager downloader(QStringLiteral("file:///nowhere/"));
        BackgroundCatalogue catalogue(folders);
        BackgroundsPres backgrounds(&catalogue, &downloader, [] { return 1; });
        QCOMPARE(backgrounds.isNormalBgSize(QUrl::fromLocalFile(file).toString()), normal);
        QSignalSpy changed(&backgrounds, &BackgroundsPres::customChanged);
        const QString id = backgrounds.addCustomBg(QUrl::fromLocalFile(file).toString());
        QCOMPARE(changed.count(), 1);
        QVERIFY(catalogue.contains(id));
        QVERIFY(!backgrounds.getCustomBgPreviewId(id).isEmpty());
        backgrounds.removeCustomBg(id);
        QVERIFY(backgrounds.custom().isEmpty());
    }

    // The figures of a real transfer: the length the server told, what has arrived so far, at
    // most one change an interval; all back to nothing however the transfer ends.
    void downloadFiguresFollowTheTransfer_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("ending");
        QTest::newRow("whole file, in 40 pieces") << "whole" << int(TestHttpServer::Mode::Paced) << "done";
        QTest::newRow("server stops mid-body, user cancels")
            << "half" << int(TestHttpServer::Mode::StallMidBody) << "cancel";
        QTest::newRow("connection dropped mid-body") << "dropped" << int(TestHttpServer::Mode::DropMidBody) << "error";
    }

    void downloadFiguresFollowTheTransfer()
    {
        QFETCH(QString, folder);
        QFETCH(int, mode);
        QFETCH(QString, ending);
        const QByteArray video = fileContent(QCoreApplication::applicationDirPath() + "/content/app/2/00001-720p.mp4");
        QVERIFY(video.size() > 10000);
        TestHttpServer server;
        QVERIFY(server.start());
        server.route("/app/2/" + folder + "-720p.mp4", {200, video, TestHttpServer::Mode(mode)});
        QTemporaryDir served;
        QVERIFY(writeFile(served.filePath("animated/" + folder + "/info.xml"), info("Lato", "Northern Lights")));
        BackgroundCatalogue catalogue({served.filePath("backgrounds/"), served.filePath("animated/"),
                                       served.filePath("downloaded/"), served.filePath("custombgs.xml")});
        BgDownloadManager downloader(server.baseUrl() + "/app/2/");
        BackgroundsPres backgrounds(&catalogue, &downloader, [] { return 0; });
        QList<Figures> seen;
        QElapsedTimer clock;
        const auto note = [&] {
            seen << Figures{backgrounds.downloadReceived(), backgrounds.downloadTotal(), backgrounds.downloadActive(),
                            backgrounds.downloadName(), clock.elapsed()};
        };
        connect(&backgrounds, &BackgroundsPres::downloadReceivedChanged, this, note);
        QSignalSpy activeSpy(&backgrounds, &BackgroundsPres::downloadActiveChanged);
        QSignalSpy downloaded(&backgrounds, &BackgroundsPres::backgroundDownloaded);
        QSignalSpy failed(&backgrounds, &BackgroundsPres::downloadError);

        clock.start();
        backgrounds.selectionDone(BackgroundCatalogue::folderId("animated", folder));
        if (ending == "cancel") {
            QTRY_COMPARE(backgrounds.downloadReceived(), qint64(video.size() / 2));
            QVERIFY(backgrounds.isDownloading());
            backgrounds.cancelDownload();
            QVERIFY(!downloader.isFetching(served.filePath("downloaded/half/half-720p.mp4")));
        } else {
            QTRY_COMPARE(downloaded.count() + failed.count(), 1);
        }
        QCOMPARE(downloaded.count(), ending == "done" ? 1 : 0);
        QCOMPARE(backgrounds.isDownloading(), ending == "error"); // a failure waits for Retry
        QCOMPARE(activeSpy.count(), 2);
        QVERIFY(!backgrounds.downloadActive());
        QCOMPARE(backgrounds.downloadName(), QString());
        QCOMPARE(backgrounds.downloadReceived(), 0);
        QCOMPARE(backgrounds.downloadTotal(), 0);

        // Every change while the transfer ran: the whole length, more and more of it, not too often.
        QVERIFY(seen.size() >= 2);
        QVERIFY(!seen.last().active);
        const QList<Figures> running = seen.mid(0, seen.size() - 1);
        qint64 before = 0;
        for (const Figures &f : running) {
            QVERIFY(f.active);
            QCOMPARE(f.name, QStringLiteral("Northern Lights"));
            QCOMPARE(f.total, qint64(video.size()));
            QVERIFY(f.received > before && f.received <= f.total);
            before = f.received;
        }
        // A coarse timer may fire up to a twentieth early.
        QVERIFY(running.size() <= 2 + running.last().atMs * 21 / (20 * BackgroundsPres::progressIntervalMs));

        if (ending == "error") {
            backgrounds.redownload();
            QVERIFY(backgrounds.downloadActive());
            QCOMPARE(backgrounds.downloadName(), QStringLiteral("Northern Lights"));
            QTRY_COMPARE(failed.count(), 2);
            QVERIFY(!backgrounds.downloadActive());
        }
    }

    void presenterListsPreviewsAndSelection()
    {
        const QString content = path("content");
        // Real loops: a stored or served file that does not open as a video is no background.
        const QString loop = QCoreApplication::applicationDirPath() + "/content/app/2/00001-720p.mp4";
        QVERIFY(QDir().mkpath(content + "/app/2") && QDir().mkpath(path("downloaded/2")));
        QVERIFY(QFile::copy(loop, content + "/app/2/1-720p.mp4"));
        QVERIFY(QFile::copy(loop, path("downloaded/2/2-720p.mp4")));
        RenderFixtures::colourPicture(path("backgrounds/1"), "bg.jpg", Qt::darkBlue, 64, 36);
        BgDownloadManager downloader(QUrl::fromLocalFile(content).toString() + "/app/2/");
        BackgroundCatalogue catalogue(folders);
        BackgroundsPres backgrounds(&catalogue, &downloader, [] { return 0; });
        QCOMPARE(backgrounds.animated().size(), 2);
        QCOMPARE(backgrounds.standard().at(0).toMap().value("imgPath").toString(), "file://" + path("backgrounds/1/bg.jpg"));
        QCOMPARE(backgrounds.colors().at(0).toMap().value("color").value<QColor>(), QColor(10, 20, 30));

        const QString preview = backgrounds.getStandardBgPreviewId("standard00001");
        QVERIFY(!preview.isEmpty());
        QCOMPARE(backgrounds.getStandardBgPreviewId("standard00001"), preview);
        QCOMPARE(backgrounds.getStandardBgPreviewId("standard99999"), QString());

        // A video already at this resolution starts nothing; a missing one is fetched.
        QSignalSpy downloaded(&backgrounds, &BackgroundsPres::backgroundDownloaded);
        backgrounds.selectionDone("animated00002");
        QVERIFY(!backgrounds.isDownloading());
        QVERIFY(backgrounds.selectedBgThumb().startsWith("image://ImageProvider/"));
        backgrounds.selectionDone("animated00001");
        QVERIFY(backgrounds.isDownloading());
        QTRY_COMPARE(downloaded.count(), 1);
        QVERIFY(!backgrounds.isDownloading());
        QVERIFY(QFile::exists(path("downloaded/1/1-720p.mp4")));
        backgrounds.selectionDone("animated00001");
        QCOMPARE(downloaded.count(), 1);
        // A download no longer wanted is dropped: the next choice needs none, and nothing waits.
        QFile::remove(path("downloaded/1/1-720p.mp4"));
        backgrounds.selectionDone("animated00001");
        QVERIFY(backgrounds.isDownloading());
        const QString shown = backgrounds.selectedBgThumb().remove("image://ImageProvider/");
        backgrounds.selectionDone("animated00002");
        QVERIFY(!backgrounds.isDownloading());
        QVERIFY(!downloader.isFetching(path("downloaded/1/1-720p.mp4")));
        QSize size;
        QVERIFY(ImageProvider::instance()->requestImage(shown, &size, QSize()).isNull()); // released
        QTest::qWait(200);
        QCOMPARE(downloaded.count(), 1);
        backgrounds.selectionDone("color00000");
        QVERIFY(!backgrounds.isDownloading());
        QCOMPARE(backgrounds.selectedBgThumb(), QString());
    }
};

PICTOVIA_TEST_MAIN(TestBackgroundCatalogue)
#include "tst_backgroundcatalogue.moc"
