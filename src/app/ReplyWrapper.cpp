#include "app/ReplyWrapper.h"

#include <QNetworkReply>

// A child of its reply, so a report abandoned at exit takes its wrapper with the reply.
ReplyWrapper::ReplyWrapper(QNetworkReply *reply)
    : QObject(reply)
    , m_reply(reply)
{
    connect(reply, &QNetworkReply::finished, this, &ReplyWrapper::onFinished);
}

void ReplyWrapper::onFinished()
{
    Q_EMIT httpFinished(m_reply);
    m_reply->deleteLater();
    deleteLater();
}
