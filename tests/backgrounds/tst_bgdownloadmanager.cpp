#include "support/TestHttpServer.h"
#include "support/TestSupport.h"

#include "backgrounds/BgDownloadManager.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

using Route = TestHttpServer::Route;
using Mode = TestHttpServer::Mode;

namespace {

QByteArray videoBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + i / 251);
    return bytes;
}

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestBgDownloadManager : public QObject
{
    Q_OBJECT

    TestHttpServer server;
    const QByteArray video = videoBytes(300000);

    // A downloader on the test server and its three signals.
    struct Client
    {
        explicit Client(const QString &base)
            : downloader(base + QStringLiteral("/app/2/"))
            , progress(&downloader, &BgDownloadManager::progress)
            , done(&downloader, &BgDownloadManager::done)
            , errors(&downloader, &BgDownloadManager::downloadError)
        {
            downloader.setStallTimeout(1500);
        }
        // Waits until the batch ended one way or the other, then a little longer for strays.
        void settle()
        {
            QTRY_VERIFY_WITH_TIMEOUT(done.count() + errors.count() > 0, 10000);
            QTest::qWait(100);
        }
        BgDownloadManager downloader;
        QSignalSpy progress;
        QSignalSpy done;
        QSignalSpy errors;
    };

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(server.start());
        server.route("/app/2/a.mp4", Route{200, video});
        server.route("/app/2/moved.mp4", Route{302, "", Mode::Normal, "/app/2/a.mp4"});
        server.route("/app/2/nolength.mp4", Route{200, video, Mode::NoLength});
        server.route("/app/2/dropped.mp4", Route{200, video, Mode::DropMidBody});
        server.route("/app/2/stalled.mp4", Route{200, video, Mode::Stall});
        server.route("/app/2/stalledbody.mp4", Route{200, video, Mode::StallMidBody});
        server.route("/app/2/flaky.mp4", Route{200, video, Mode::Normal, {}, 1});
    }

    void downloadCreatesTheFolderAndFollowsRedirects()
    {
        QTemporaryDir dir;
        for (const QString name : {"a.mp4", "moved.mp4"}) {
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
        }
        QCOMPARE(QDir(dir.filePath("new/folder")).entryList(QDir::Files).size(), 2);
    }

    void unknownTotalReportsNoProgress()
    {
        QTemporaryDir dir;
        Client client(server.baseUrl());
        client.downloader.fetch(dir.filePath("nolength.mp4"));
        client.settle();
        QCOMPARE(client.done.count(), 1);
        // Only the reply's last report, when the length is finally known, gives a percentage.
        for (const QList<QVariant> &report : qAsConst(client.progress))
            QCOMPARE(report.at(0).toFloat(), 100.0f);
        QCOMPARE(fileContent(dir.filePath("nolength.mp4")), video);
    }

    // Each failure is reported once, and neither the file nor a temporary one stays behind.
    void failuresReportOnceAndLeaveNoFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("HTTP 404") << "missing.mp4";
        QTest::newRow("connection dropped mid-body") << "dropped.mp4";
        QTest::newRow("server sends nothing") << "stalled.mp4";
        QTest::newRow("server stops mid-body") << "stalledbody.mp4";
    }

    void failuresReportOnceAndLeaveNoFile()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        Client client(server.baseUrl());
        client.downloader.fetch(dir.filePath(name));
        client.settle();
        QTest::qWait(300); // a second report would come from the reply's own finish
        QCOMPARE(client.errors.count(), 1);
        QCOMPARE(client.done.count(), 0);
        QVERIFY(!client.downloader.isFetching(dir.filePath(name)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
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
        const QString installed = QCoreApplication::applicationDirPath() + "/content/app/2/00001-720p.mp4";
        QVERIFY2(QFile::exists(installed), "the build draws the loop videos");
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
