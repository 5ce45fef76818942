#pragma once

#include "app/Singleton.h"

#include <QObject>
#include <QString>

// The one channel for failures the user must hear about: raises the error popup and
// posts the same text to the error-report server in the background.
class CommonError : public QObject
{
    Q_OBJECT

public:
    static CommonError *instance() { return Singleton<CommonError>::instance(); }

    // Safe from any thread; never blocks the caller.
    static void report(const QString &message);
    static void report(const QString &message, int code);

    Q_INVOKABLE void sendCrashFeedback(const QString &msg);

Q_SIGNALS:
    void error(const QString &msg);
    void appHasFailed();

private:
    friend class Singleton<CommonError>;
    CommonError() = default;

    void send(const QString &text);
};
