#include "support/TestHttpServer.h"

#include <QTcpSocket>
#include <QTimer>

TestHttpServer::TestHttpServer()
{
    connect(&m_server, &QTcpServer::newConnection, this, &TestHttpServer::onConnection);
}

bool TestHttpServer::start()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QString TestHttpServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
}

void TestHttpServer::route(const QString &path, const Route &route)
{
    m_routes.insert(path, route);
}

void TestHttpServer::onConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        auto buffer = QSharedPointer<QByteArray>::create();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
            buffer->append(socket->readAll());
            if (buffer->contains("\r\n\r\n") && !buffer->isEmpty()) {
                answer(socket, *buffer);
                buffer->clear();
            }
        });
    }
}

void TestHttpServer::answer(QTcpSocket *socket, const QByteArray &request)
{
    const QString path = QString::fromLatin1(request.split(' ').value(1));
    m_requests.append(path);
    auto found = m_routes.find(path);
    Route route = found == m_routes.end() ? Route{404, "not here"} : *found;
    if (found != m_routes.end() && found->failFirst > 0) {
        --found->failFirst;
        route = Route{404, "not yet"};
    }
    if (route.mode == Mode::Stall)
        return;
    QByteArray head = "HTTP/1.0 " + QByteArray::number(route.status) + " Status\r\n";
    if (!route.contentType.isEmpty())
        head += "Content-Type: " + route.contentType + "\r\n";
    if (!route.location.isEmpty())
        head += "Location: " + route.location + "\r\n";
    const qint64 length = route.declaredLength >= 0 ? route.declaredLength : route.body.size();
    if (route.mode != Mode::NoLength)
        head += "Content-Length: " + QByteArray::number(length) + "\r\n";
    socket->write(head + "\r\n");
    if (route.mode == Mode::Trickle) {
        sendInPieces(socket, route.body, 1, trickleIntervalMs);
        return;
    }
    if (route.mode == Mode::Paced) {
        sendInPieces(socket, route.body, (route.body.size() + pacedPieces - 1) / pacedPieces, pacedIntervalMs);
        return;
    }
    const bool half = route.mode == Mode::DropMidBody || route.mode == Mode::StallMidBody;
    socket->write(half ? route.body.left(route.body.size() / 2) : route.body);
    socket->flush();
    if (route.mode != Mode::StallMidBody)
        socket->disconnectFromHost();
}

void TestHttpServer::sendInPieces(QTcpSocket *socket, const QByteArray &body, int pieceBytes, int intervalMs)
{
    auto *timer = new QTimer(socket);
    auto sent = QSharedPointer<int>::create(0);
    connect(timer, &QTimer::timeout, socket, [socket, body, sent, pieceBytes] {
        if (*sent < body.size()) {
            socket->write(body.mid(*sent, pieceBytes));
            *sent += pieceBytes;
        } else {
            socket->disconnectFromHost();
        }
    });
    timer->start(intervalMs);
}
