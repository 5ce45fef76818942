#include "app/ReplyWrapper.h"

#include <QNetworkReply>

ReplyWrapper::ReplyWrapper(QNetworkReply *reply)
    : m_reply(reply)
{
    connect(reply, &QNetworkReply::finished, this, &ReplyWrapper::onFinished);
}

void ReplyWrapper::onFinished()
{
    Q_EMIT httpFinished(m_reply);
    m_reply->deleteLater();
    deleteLater();
}
