#include "support/TestSupport.h"

#include "app/CommonError.h"
#include "app/ErrorSender.h"

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

        CommonError::report(QStringLiteral("Failed to open av format of /tmp/a b+c&d.mp3"), -2);
        QCOMPARE(popup.count(), 1);
        // The user reads the library's reason; the server gets the code.
        QCOMPARE(popup.at(0).at(0).toString(),
                 QStringLiteral("Failed to open av format of /tmp/a b+c&d.mp3: No such file or directory"));
        const QString expected = QStringLiteral("Failed to open av format of /tmp/a b+c&d.mp3\r\nError: -2");

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

        CommonError::instance()->sendCrashFeedback(QString());
        QVERIFY(received.wait(5000));
        QCOMPARE(formField(server.requests.first().body), QStringLiteral("APP_CRASH_FEEDBACK\r\n"));
        QCOMPARE(popup.count(), 0);
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
