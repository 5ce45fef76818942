#include "support/TestSupport.h"

#include "app/CommonError.h"
#include "app/ErrorSender.h"
#include "app/ReportText.h"

#include <QDir>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QUrlQuery>

#include <cstdlib>

namespace {

// A minimal HTTP server on 127.0.0.1 that records each request and answers 200.
class ReportServer : public QObject
{
    Q_OBJECT

public:
    struct Request
    {
        QByteArray method;
        QByteArray path;
        QByteArray contentType;
        QByteArray body;
    };

    ReportServer()
    {
        connect(&m_server, &QTcpServer::newConnection, this, &ReportServer::accept);
        m_server.listen(QHostAddress::LocalHost);
    }

    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }
    QList<Request> requests;

Q_SIGNALS:
    void received();

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            auto buffer = QSharedPointer<QByteArray>::create();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
                buffer->append(socket->readAll());
                const int headerEnd = buffer->indexOf("\r\n\r\n");
                if (headerEnd < 0)
                    return;
                Request r = parseHead(buffer->left(headerEnd));
                const int length = contentLength(buffer->left(headerEnd));
                if (buffer->size() - headerEnd - 4 < length)
                    return;
                r.body = buffer->mid(headerEnd + 4, length);
                requests << r;
                socket->write("HTTP/1.1 200 OK\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
                socket->disconnectFromHost();
                Q_EMIT received();
            });
        }
    }

    static Request parseHead(const QByteArray &head)
    {
        Request r;
        const QList<QByteArray> lines = head.split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        r.method = first.value(0);
        r.path = first.value(1);
        for (const QByteArray &line : lines) {
            if (line.toLower().startsWith("content-type:"))
                r.contentType = line.mid(line.indexOf(':') + 1).trimmed();
        }
        return r;
    }

    static int contentLength(const QByteArray &head)
    {
        for (const QByteArray &line : head.split('\n')) {
            if (line.toLower().startsWith("content-length:"))
                return line.mid(line.indexOf(':') + 1).trimmed().toInt();
        }
        return 0;
    }

    QTcpServer m_server;
};

QString formField(const QByteArray &body)
{
    QByteArray decoded = body;
    decoded.replace('+', ' ');
    return QUrlQuery(QString::fromUtf8(decoded)).queryItemValue(QStringLiteral("error"), QUrl::FullyDecoded);
}

} // namespace

class TestCommonError : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reportPostsFormToServer()
    {
        ReportServer server;
        qputenv("PICTOVIA_REPORT_URL", server.url().toUtf8());
        QSignalSpy popup(CommonError::instance(), &CommonError::error);
        QSignalSpy received(&server, &ReportServer::received);

        const QString path = QDir::homePath() + QStringLiteral("/My Music/a b+c&d.mp3");
        CommonError::report(QStringLiteral("Failed to open av format of ") + path, -2);
        QCOMPARE(popup.count(), 1);
        // The user reads the library's reason and the whole path; the server gets the code and
        // the file name only.
        QCOMPARE(popup.at(0).at(0).toString(),
                 QStringLiteral("Failed to open av format of ") + path + QStringLiteral(": No such file or directory"));
        const QString expected = QStringLiteral("Failed to open av format of a b+c&d.mp3\r\nError: -2");

        QVERIFY(received.wait(5000));
        const ReportServer::Request r = server.requests.first();
        QCOMPARE(r.method, QByteArray("POST"));
        QCOMPARE(r.path, QByteArray("/nativeerror"));
        QCOMPARE(r.contentType, QByteArray("application/x-www-form-urlencoded"));
        QCOMPARE(formField(r.body), expected);
    }

    void crashFeedbackIsPrefixedAndRaisesNoPopup()
    {
        ReportServer server;
        qputenv("PICTOVIA_REPORT_URL", server.url().toUtf8());
        QSignalSpy popup(CommonError::instance(), &CommonError::error);
        QSignalSpy received(&server, &ReportServer::received);

        CommonError::instance()->sendCrashFeedback("Stopped at " + QDir::homePath() + "/Pictures/a.jpg");
        QVERIFY(received.wait(5000));
        QCOMPARE(formField(server.requests.first().body), QStringLiteral("APP_CRASH_FEEDBACK\r\nStopped at a.jpg"));
        QCOMPARE(popup.count(), 0);
    }

    // What a report takes off the machine: every path cut to its file name, other text as it was.
    void reportTextKeepsNoFolders_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sent");
        const QString home = QDir::homePath();
        QTest::newRow("home path with spaces")
            << "Failed to save the project to " + home + "/.local/share/OOO Velmar/Pictovia/{1-2}/prj.xml: No space"
            << "Failed to save the project to prj.xml: No space";
        QTest::newRow("two paths on a line") << "Cannot copy /srv/a/x.jpg to " + home + "/b c/y.jpg"
                                             << "Cannot copy x.jpg to y.jpg";
        QTest::newRow("slash in the reason") << "Cannot read /data/a.jpg: read/write error"
                                             << "Cannot read a.jpg: read/write error";
        QTest::newRow("quoted, on a second line") << "Render failed\r\n\"" + home + "/V/out.mp4\""
                                                  << "Render failed\r\n\"out.mp4\"";
        QTest::newRow("file address") << "Cannot open file://" + home + "/My%20Photos/p.png"
                                      << "Cannot open p.png";
        QTest::newRow("under ~ and a drive letter") << "~/Videos/a.mp4 and C:\\Users\\anna\\b.mp4"
                                                    << "a.mp4 and b.mp4";
        QTest::newRow("home glued to other text") << "HOME=ab:" + home + "/bin" << "HOME=ab:~/bin";
        QTest::newRow("web address and fractions stay")
            << "Cannot download 1/2 of https://content.example/app/2/00001.mp4 and/or retry"
            << "Cannot download 1/2 of https://content.example/app/2/00001.mp4 and/or retry";
    }

    void reportTextKeepsNoFolders()
    {
        QFETCH(QString, text);
        QFETCH(QString, sent);
        QCOMPARE(ReportText::withoutFolders(text), sent);
    }

    void reportsInOrderEachOnItsOwnThread()
    {
        ReportServer server;
        qputenv("PICTOVIA_REPORT_URL", server.url().toUtf8());
        QSignalSpy popup(CommonError::instance(), &CommonError::error);
        for (int i = 0; i < 3; ++i)
            CommonError::report(QStringLiteral("report %1").arg(i));
        QCOMPARE(popup.count(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(popup.at(i).at(0).toString(), QStringLiteral("report %1").arg(i));
        QTRY_COMPARE_WITH_TIMEOUT(server.requests.size(), 3, 5000);
    }

    void unreachableServerStillShowsPopupAndEnds()
    {
        // Find a port with nothing listening.
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost);
        const quint16 port = probe.serverPort();
        probe.close();
        qputenv("PICTOVIA_REPORT_URL", QStringLiteral("http://127.0.0.1:%1").arg(port).toUtf8());

        QSignalSpy popup(CommonError::instance(), &CommonError::error);
        QTRY_COMPARE_WITH_TIMEOUT(ErrorSender::liveCount(), 0, 5000);
        CommonError::report(QStringLiteral("no network"));
        QCOMPARE(popup.count(), 1);
        QVERIFY(ErrorSender::liveCount() > 0);
        // The sender is released with its thread once the failed request has finished.
        QTRY_COMPARE_WITH_TIMEOUT(ErrorSender::liveCount(), 0, 5000);
    }

    void workerThreadReportsReachTheInterfaceThreadAndEnd()
    {
        qputenv("PICTOVIA_REPORT_URL", QByteArray());
        QTRY_COMPARE_WITH_TIMEOUT(ErrorSender::liveCount(), 0, 5000);
        QSignalSpy popup(CommonError::instance(), &CommonError::error);
        // A render worker runs no event loop: nothing of the report may wait for one.
        QThread *worker = QThread::create([] {
            CommonError::report(QStringLiteral("from a worker"), -5, QStringLiteral("Shown"));
        });
        worker->start();
        QVERIFY(worker->wait(5000));
        delete worker;
        QTRY_COMPARE(popup.count(), 1);
        QCOMPARE(popup.at(0).at(0).toString(), QStringLiteral("Shown: Input/output error"));
        QTRY_COMPARE_WITH_TIMEOUT(ErrorSender::liveCount(), 0, 5000);
    }

    void reportAfterTeardownDoesNotCrash()
    {
        // Runs after the application and its single objects are gone; a crash fails the run.
        std::atexit([] { CommonError::report(QStringLiteral("late report from a worker"), -5); });
    }

};

PICTOVIA_TEST_MAIN(TestCommonError)
#include "tst_commonerror.moc"
