#pragma once

#include <QObject>

class QNetworkReply;

// Turns a reply's finished() into a signal that carries the reply, then disposes of both.
class ReplyWrapper : public QObject
{
    Q_OBJECT

public:
    explicit ReplyWrapper(QNetworkReply *reply);

Q_SIGNALS:
    void httpFinished(QNetworkReply *reply);

public Q_SLOTS:
    void onFinished();

private:
    QNetworkReply *m_reply;
};
