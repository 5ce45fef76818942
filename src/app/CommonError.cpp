#include "app/CommonError.h"
#include "app/ErrorSender.h"
#include "app/Logging.h"

extern "C" {
#include <libavutil/error.h>
}

#include <QDeadlineTimer>
#include <QMutexLocker>
#include <QThread>

namespace {
// At exit, reports still being posted get this long before they are given up.
constexpr int exitGraceMs = 2000;
} // namespace

CommonError::~CommonError()
{
    QDeadlineTimer deadline(exitGraceMs);
    QMutexLocker locker(&m_threadsLock);
    for (QThread *thread : std::as_const(m_threads)) {
        if (!thread->wait(deadline)) {
            thread->quit();
            thread->wait();
        }
        delete thread;
    }
    m_threads.clear();
}

void CommonError::report(const QString &message)
{
    deliver(message, message);
}

void CommonError::report(const QString &message, int code, const QString &shown)
{
    deliver((shown.isEmpty() ? message : shown) + reason(code),
           message + QStringLiteral("\r\nError: ") + QString::number(code));
}

void CommonError::deliver(const QString &shown, const QString &sent)
{
    CommonError *self = instance();
    // A worker may still fail while the application is being torn down.
    if (!self) {
        qCWarning(lcApp).noquote() << shown;
        return;
    }
    Q_EMIT self->error(shown);
    self->send(sent);
}

QString CommonError::reason(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    if (code >= 0 || av_strerror(code, text, sizeof text) < 0)
        return {};
    return QStringLiteral(": ") + QString::fromLocal8Bit(text);
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
    // Direct connections: the reporting thread (a render worker) may run no event loop, so
    // nothing in the report's clean-up may wait for it. The sender goes with its thread's last
    // events; the thread object is deleted on a later report or at exit.
    connect(sender, &ErrorSender::finished, thread, &QThread::quit, Qt::DirectConnection);
    connect(thread, &QThread::finished, sender, &QObject::deleteLater, Qt::DirectConnection);
    {
        QMutexLocker locker(&m_threadsLock);
        releaseFinishedThreads();
        m_threads.append(thread);
    }
    thread->start(QThread::InheritPriority);
}

void CommonError::releaseFinishedThreads()
{
    for (auto it = m_threads.begin(); it != m_threads.end();) {
        if (!(*it)->isFinished()) {
            ++it;
            continue;
        }
        (*it)->wait();
        delete *it;
        it = m_threads.erase(it);
    }
}
