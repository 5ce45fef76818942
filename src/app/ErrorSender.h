#pragma once

#include <QObject>
#include <QSharedPointer>
#include <QString>

#include <atomic>

class QNetworkAccessManager;
class QNetworkReply;

// Posts one error report from a thread of its own, every path in it cut to its file name.
class ErrorSender : public QObject
{
    Q_OBJECT

public:
    explicit ErrorSender(const QString &message);
    ~ErrorSender() override;

    // The full address the report goes to, or an empty string when none is configured.
    static QString endpoint();
    // Reports still in flight (their sender not yet released).
    static int liveCount();

public Q_SLOTS:
    void send();
    void httpFinished(QNetworkReply *reply);

Q_SIGNALS:
    void finished();

private:
    QString m_message;
    QSharedPointer<QNetworkAccessManager> m_network;
    static std::atomic<int> s_live;
};
