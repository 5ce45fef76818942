#pragma once

#include "app/Singleton.h"

#include <QObject>
#include <QSettings>
#include <QSharedPointer>

// Per-user flags (a key's presence means "set") that silence tips and confirmations.
class AppSettingsPres : public QObject
{
    Q_OBJECT

public:
    static AppSettingsPres *instance() { return Singleton<AppSettingsPres>::instance(); }

    Q_INVOKABLE bool contains(const QString &name) const;
    Q_INVOKABLE void set(const QString &name);
    Q_INVOKABLE void remove(const QString &name);

private:
    friend class Singleton<AppSettingsPres>;
    AppSettingsPres();

    QSharedPointer<QSettings> m_settings;
};
