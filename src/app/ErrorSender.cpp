#include "app/ErrorSender.h"
#include "app/AppConstants.h"
#include "app/Logging.h"
#include "app/ReplyWrapper.h"
#include "app/ReportText.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <QUrlQuery>

namespace {
// A report server that accepts the connection but never answers must not keep the thread for ever.
constexpr int reportTimeoutMs = 30000;
}

std::atomic<int> ErrorSender::s_live{0};

ErrorSender::ErrorSender(const QString &message)
    : m_message(message)
{
    ++s_live;
}

ErrorSender::~ErrorSender()
{
    --s_live;
}

int ErrorSender::liveCount()
{
    return s_live.load();
}

QString ErrorSender::endpoint()
{
    QString base = reportServerUrl();
    if (base.isEmpty())
        return {};
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base + QStringLiteral("/nativeerror");
}

void ErrorSender::send()
{
    const QString address = endpoint();
    if (address.isEmpty()) {
        Q_EMIT finished();
        return;
    }
    m_network = QSharedPointer<QNetworkAccessManager>::create();

    QUrlQuery query;
    // The user's folders stay on the machine; the file name is enough to tell what failed.
    query.addQueryItem(QStringLiteral("error"), ReportText::withoutFolders(m_message));
    // QUrlQuery leaves "+" alone, which a form decoder would read as a space.
    QString body = query.toString(QUrl::FullyEncoded);
    body.replace(QLatin1Char('+'), QStringLiteral("%2B"));

    QNetworkRequest request{QUrl(address)};
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    request.setTransferTimeout(reportTimeoutMs);
    QNetworkReply *reply = m_network->post(request, body.toUtf8());
    auto *wrapper = new ReplyWrapper(reply);
    connect(wrapper, &ReplyWrapper::httpFinished, this, &ErrorSender::httpFinished);
}

void ErrorSender::httpFinished(QNetworkReply *reply)
{
    if (reply->error() != QNetworkReply::NoError)
        qCDebug(lcApp) << "Error report not delivered:" << reply->errorString();
    Q_EMIT finished();
}
