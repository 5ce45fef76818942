#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// Collects a signal emitted on another thread through a queued connection, so the list is
// written and read on the test thread only; a QSignalSpy would be written by the emitting one.
class QueuedSignalLog : public QObject
{
public:
    template <typename Sender>
    QueuedSignalLog(const Sender *sender, void (Sender::*signal)())
    {
        connect(sender, signal, this, [this] { texts.append(QString()); }, Qt::QueuedConnection);
    }

    template <typename Sender>
    QueuedSignalLog(const Sender *sender, void (Sender::*signal)(const QString &))
    {
        connect(sender, signal, this, [this](const QString &text) { texts.append(text); }, Qt::QueuedConnection);
    }

    int count() const { return texts.size(); }

    QStringList texts;
};
