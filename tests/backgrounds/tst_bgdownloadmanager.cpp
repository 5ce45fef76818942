#include "support/TestHttpServer.h"
#include "support/TestSupport.h"

#include "backgrounds/BgDownloadManager.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

using Route = TestHttpServer::Route;
using Mode = TestHttpServer::Mode;

namespace {

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A loop video the build drew next to the program: a file that opens as a video.
QString installedVideo()
{
    return QCoreApplication::applicationDirPath() + "/content/app/2/00001-720p.mp4";
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

class TestBgDownloadManager : public QObject
{
    Q_OBJECT

    TestHttpServer server;
    const QByteArray video = fileContent(installedVideo());

    // A downloader on the test server and its signals.
    struct Client
    {
        explicit Client(const QString &base)
            : downloader(base + QStringLiteral("/app/2/"))
            , progress(&downloader, &BgDownloadManager::progress)
            , bytes(&downloader, &BgDownloadManager::bytesReceived)
            , done(&downloader, &BgDownloadManager::done)
            , errors(&downloader, &BgDownloadManager::downloadError)
        {
            // Shorter than the rate window, so a silent server is told from a trickling one.
            downloader.setStallTimeout(1000);
            downloader.setMinimumRate(1024, 2000);
        }
        // Waits until the batch ended one way or the other, then a little longer for strays.
        void settle()
        {
            QTRY_VERIFY_WITH_TIMEOUT(done.count() + errors.count() > 0, 10000);
            QTest::qWait(100);
        }
        BgDownloadManager downloader;
        QSignalSpy progress;
        QSignalSpy bytes;
        QSignalSpy done;
        QSignalSpy errors;
    };

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(video.size() > 10000, "the build draws the loop videos");
        QVERIFY(server.start());
        server.route("/app/2/a.mp4", Route{200, video});
        server.route("/app/2/moved.mp4", Route{302, "", Mode::Normal, "/app/2/a.mp4"});
        server.route("/app/2/nolength.mp4", Route{200, video, Mode::NoLength});
        server.route("/app/2/dropped.mp4", Route{200, video, Mode::DropMidBody});
        server.route("/app/2/stalled.mp4", Route{200, video, Mode::Stall});
        server.route("/app/2/stalledbody.mp4", Route{200, video, Mode::StallMidBody});
        server.route("/app/2/flaky.mp4", Route{200, video, Mode::Normal, {}, 1});
        server.route("/app/2/octet.mp4", Route{200, video, Mode::Normal, {}, 0, "application/octet-stream"});
        server.route("/app/2/html.mp4", Route{200, "<html><body>Welcome</body></html>", Mode::Normal, {}, 0,
                                              "text/html; charset=utf-8"});
        server.route("/app/2/short.mp4", Route{200, video.left(2000), Mode::NoLength});
        server.route("/app/2/junk.mp4", Route{200, QByteArray(50000, 'x'), Mode::Normal, {}, 0,
                                              "application/octet-stream"});
        server.route("/app/2/empty.mp4", Route{200, ""});
        server.route("/app/2/huge.mp4", Route{200, video, Mode::StallMidBody, {}, 0, "video/mp4", 2LL << 30});
        server.route("/app/2/unboundedlarge.mp4", Route{200, video, Mode::NoLength});
        server.route("/app/2/trickle.mp4", Route{200, video, Mode::Trickle});
    }

    void downloadCreatesTheFolderAndFollowsRedirects()
    {
        QTemporaryDir dir;
        for (const QString name : {"a.mp4", "moved.mp4", "octet.mp4"}) {
            Client client(server.baseUrl());
            const QString path = dir.filePath(QStringLiteral("new/folder/") + name);
            client.downloader.fetch(path);
            QVERIFY(client.downloader.isFetching(path));
            client.settle();
            QCOMPARE(client.errors.count(), 0);
            QCOMPARE(client.done.count(), 1);
            QVERIFY(!client.downloader.isFetching(path));
            QCOMPARE(fileContent(path), video);
            QCOMPARE(client.progress.last().at(0).toFloat(), 100.0f);
            // A redirect's own body is not counted.
            QCOMPARE(client.bytes.last(), QVariantList({qint64(video.size()), qint64(video.size())}));
        }
        QCOMPARE(QDir(dir.filePath("new/folder")).entryList(QDir::Files | QDir::Hidden).size(), 3);
    }

    void unknownTotalReportsNoProgress()
    {
        QTemporaryDir dir;
        Client client(server.baseUrl());
        client.downloader.fetch(dir.filePath("nolength.mp4"));
        client.settle();
        QCOMPARE(client.done.count(), 1);
        // Only the reply's last report, when the length is finally known, gives a percentage.
        for (const QList<QVariant> &report : std::as_const(client.progress))
            QCOMPARE(report.at(0).toFloat(), 100.0f);
        QVERIFY(!client.bytes.isEmpty());
        for (const QList<QVariant> &report : std::as_const(client.bytes))
            QCOMPARE(report.at(1).toLongLong(), -1);
        QCOMPARE(client.bytes.last().at(0).toLongLong(), qint64(video.size()));
        QCOMPARE(fileContent(dir.filePath("nolength.mp4")), video);
    }

    // Each bad answer is reported once with its cause, and neither the file nor a temporary one
    // stays behind, so the next try fetches it again.
    void failuresReportOnceAndLeaveNoFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("maximumBytes");
        QTest::addColumn<QString>("reason");
        const qint64 normal = BgDownloadManager::defaultMaximumBytes;
        QTest::newRow("HTTP 404") << "missing.mp4" << normal << "404";
        QTest::newRow("connection dropped mid-body") << "dropped.mp4" << normal << "";
        QTest::newRow("server sends nothing") << "stalled.mp4" << normal << "Nothing received";
        QTest::newRow("server stops mid-body") << "stalledbody.mp4" << normal << "Nothing received";
        QTest::newRow("HTML page with 200") << "html.mp4" << normal << "text/html";
        QTest::newRow("short body without a length") << "short.mp4" << normal << "not a video";
        QTest::newRow("not a video, as octet-stream") << "junk.mp4" << normal << "not a video";
        QTest::newRow("empty body") << "empty.mp4" << normal << "not a video";
        QTest::newRow("declares 2 GB") << "huge.mp4" << normal << "2 GB, more than the 512 MB";
        QTest::newRow("no length, larger than allowed") << "unboundedlarge.mp4" << qint64(video.size() / 2)
                                                         << "larger than";
        QTest::newRow("trickles a byte at a time") << "trickle.mp4" << normal << "Less than 2048 bytes";
    }

    void failuresReportOnceAndLeaveNoFile()
    {
        QFETCH(QString, name);
        QFETCH(qint64, maximumBytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        Client client(server.baseUrl());
        client.downloader.setMaximumSize(maximumBytes);
        client.downloader.fetch(dir.filePath(name));
        client.settle();
        QTest::qWait(300); // a second report would come from the reply's own finish
        QCOMPARE(client.errors.count(), 1);
        QCOMPARE(client.done.count(), 0);
        const QString given = client.errors.first().at(0).toString();
        QVERIFY2(given.contains(reason), qPrintable(given));
        QCOMPARE(client.downloader.errorString(), given);
        QVERIFY(!client.downloader.isFetching(dir.filePath(name)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // The folder is made ready before anything is fetched; the error names it and the cause.
    void unusableFolderFailsBeforeFetching_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("reason");
        QTest::newRow("below a file") << "file/sub" << "Not a directory";
        QTest::newRow("read-only folder") << "readonly/sub" << "Permission denied";
    }

    void unusableFolderFailsBeforeFetching()
    {
        QFETCH(QString, folder);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("file"), "a file, not a folder"));
        QVERIFY(QDir(dir.path()).mkdir("readonly"));
        QFile::setPermissions(dir.filePath("readonly"), QFile::ReadOwner | QFile::ExeOwner);
        if (reason == "Permission denied" && QFileInfo(dir.filePath("readonly")).isWritable())
            QSKIP("this user may write anywhere");
        Client client(server.baseUrl());
        const int before = server.requests().size();
        client.downloader.fetch(dir.filePath(folder + "/a.mp4"));
        // Not from inside fetch(): a caller that waits in an event loop has not entered it yet.
        QCOMPARE(client.errors.count(), 0);
        client.settle();
        QCOMPARE(client.errors.count(), 1);
        const QString expected = QString("Cannot create the folder %1: %2").arg(dir.filePath(folder), reason);
        QCOMPARE(client.errors.first().at(0).toString(), expected);
        QCOMPARE(server.requests().size(), before);
    }

    // A stored file counts as downloaded only when it opens as a video; otherwise it goes.
    void storedFileMustOpenAsVideo_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("downloaded");
        QTest::newRow("video") << video << true;
        QTest::newRow("HTML page") << QByteArray("<html>Not found</html>") << false;
        QTest::newRow("cut short") << video.left(2000) << false;
    }

    void storedFileMustOpenAsVideo()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, downloaded);
        QTemporaryDir dir;
        const QString path = dir.filePath("stored.mp4");
        QVERIFY(!BgDownloadManager::isDownloaded(path));
        QVERIFY(writeFile(path, content));
        QCOMPARE(BgDownloadManager::isDownloaded(path), downloaded);
        QCOMPARE(QFile::exists(path), downloaded);
    }

    void secondFetchAbandonsTheFirstSilently()
    {
        QTemporaryDir dir;
        Client client(server.baseUrl());
        client.downloader.fetch(dir.filePath("stalled.mp4"));
        QTRY_COMPARE(server.requests().last(), QStringLiteral("/app/2/stalled.mp4"));
        client.downloader.fetch(dir.filePath("a.mp4"));
        QVERIFY(!client.downloader.isFetching(dir.filePath("stalled.mp4")));
        client.settle();
        QCOMPARE(client.errors.count(), 0);
        QCOMPARE(client.done.count(), 1);
        QCOMPARE(client.progress.last().at(0).toFloat(), 100.0f);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.mp4"});
    }

    void restartFetchesTheSameFileAgain()
    {
        QTemporaryDir dir;
        Client client(server.baseUrl());
        const int before = server.requests().size();
        client.downloader.fetch(dir.filePath("flaky.mp4"));
        client.settle();
        QCOMPARE(client.errors.count(), 1);
        client.downloader.restartCurrent();
        QTRY_COMPARE(client.done.count(), 1);
        QCOMPARE(server.requests().mid(before), QStringList({"/app/2/flaky.mp4", "/app/2/flaky.mp4"}));
        QCOMPARE(fileContent(dir.filePath("flaky.mp4")), video);
    }

    // With no address configured, the loops installed next to the program are the content server.
    void defaultAddressIsTheInstalledContentFolder()
    {
        qputenv("PICTOVIA_CONTENT_URL", "");
        const QString base = BgDownloadManager::backgroundBaseUrl();
        QCOMPARE(base, QUrl::fromLocalFile(QCoreApplication::applicationDirPath()).toString() + "/content/app/2/");
        const QString installed = installedVideo();
        QTemporaryDir dir;
        Client client(base.chopped(7));
        client.downloader.fetch(dir.filePath("00001/00001-720p.mp4"));
        client.settle();
        QCOMPARE(client.done.count(), 1);
        QCOMPARE(fileContent(dir.filePath("00001/00001-720p.mp4")), fileContent(installed));

        qputenv("PICTOVIA_CONTENT_URL", "https://content.example/");
        QCOMPARE(BgDownloadManager::backgroundBaseUrl(), QStringLiteral("https://content.example/app/2/"));
        qputenv("PICTOVIA_CONTENT_URL", "");
    }
};

PICTOVIA_TEST_MAIN(TestBgDownloadManager)
#include "tst_bgdownloadmanager.moc"
