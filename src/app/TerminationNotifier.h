#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a queued Qt signal, so the program ends through its
// own quit path (edits written, a render stopped and its partial file removed) instead of
// dying where it stands. One instance per process.
class TerminationNotifier : public QObject
{
    Q_OBJECT

public:
    explicit TerminationNotifier(QObject *parent = nullptr);
    ~TerminationNotifier() override;

    bool isWatching() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void terminationRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};
