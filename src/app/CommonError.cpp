#include "app/CommonError.h"
#include "app/ErrorSender.h"

#include <QThread>

void CommonError::report(const QString &message)
{
    CommonError *self = instance();
    Q_EMIT self->error(message);
    self->send(message);
}

void CommonError::report(const QString &message, int code)
{
    report(message + QStringLiteral("\r\nError: ") + QString::number(code));
}

void CommonError::sendCrashFeedback(const QString &msg)
{
    send(QStringLiteral("APP_CRASH_FEEDBACK\r\n") + msg);
}

void CommonError::send(const QString &text)
{
    auto *thread = new QThread();
    auto *sender = new ErrorSender(text);
    sender->moveToThread(thread);
    connect(thread, &QThread::started, sender, &ErrorSender::send);
    connect(sender, &ErrorSender::finished, thread, &QThread::quit);
    // The sender goes with its thread's last events; the thread object lives here.
    connect(thread, &QThread::finished, sender, &QObject::deleteLater);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start(QThread::InheritPriority);
}
