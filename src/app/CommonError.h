#pragma once

#include "app/Singleton.h"

#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

class QThread;

// The one channel for failures the user must hear about: raises the error popup and
// posts the same text to the error-report server in the background.
class CommonError : public QObject
{
    Q_OBJECT

public:
    static CommonError *instance() { return Singleton<CommonError>::instance(); }

    // Safe from any thread, also during and after shutdown (the message then goes to the log
    // only); never blocks the caller.
    static void report(const QString &message);
    // The server receives message + "\r\nError: " + code; the user sees `shown` (message when
    // empty) followed by the media library's own description of a negative code.
    static void report(const QString &message, int code, const QString &shown = QString());
    // ": Permission denied" and the like for a negative media-library code; empty otherwise.
    static QString reason(int code);

    Q_INVOKABLE void sendCrashFeedback(const QString &msg);

Q_SIGNALS:
    void error(const QString &msg);
    void appHasFailed();

private:
    friend class Singleton<CommonError>;
    CommonError() = default;
    ~CommonError() override;

    static void deliver(const QString &shown, const QString &sent);
    void send(const QString &text);
    void releaseFinishedThreads();

    QMutex m_threadsLock;
    QList<QThread *> m_threads;
};
