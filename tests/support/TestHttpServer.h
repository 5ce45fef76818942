#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

// A small HTTP/1.0 server on 127.0.0.1 (a free port) for downloader tests. Each path answers
// in one of several ways, including the misbehaviours of real servers.
class TestHttpServer : public QObject
{
    Q_OBJECT

public:
    enum class Mode {
        Normal,        // status line, Content-Length, whole body
        NoLength,      // body without Content-Length, ended by closing the connection
        DropMidBody,   // Content-Length of the whole body, half of it, then the connection closes
        Stall,         // accepts the request and never answers
        StallMidBody,  // headers and half of the body, then nothing
        Trickle,       // headers, then one byte of the body every trickleIntervalMs
        Paced,         // headers, then the body in pacedPieces pieces, one every pacedIntervalMs
    };
    static constexpr int trickleIntervalMs = 100;
    static constexpr int pacedPieces = 40;
    static constexpr int pacedIntervalMs = 10;

    struct Route
    {
        int status = 200;
        QByteArray body;
        Mode mode = Mode::Normal;
        QByteArray location; // for redirects
        int failFirst = 0;   // answer 404 this many times before the route works
        QByteArray contentType = "video/mp4";
        qint64 declaredLength = -1; // the Content-Length sent instead of the body's own
    };

    TestHttpServer();
    bool start();
    // "http://127.0.0.1:<port>"
    QString baseUrl() const;
    void route(const QString &path, const Route &route);
    // Request paths in the order they arrived.
    QStringList requests() const { return m_requests; }

private:
    void onConnection();
    void answer(QTcpSocket *socket, const QByteArray &request);
    // Writes the body pieceBytes at a time, one piece every intervalMs, then closes.
    static void sendInPieces(QTcpSocket *socket, const QByteArray &body, int pieceBytes, int intervalMs);

    QTcpServer m_server;
    QHash<QString, Route> m_routes;
    QStringList m_requests;
};
