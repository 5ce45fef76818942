#include "app/AppSettingsPres.h"

AppSettingsPres::AppSettingsPres()
    : m_settings(QSharedPointer<QSettings>::create())
{
}

bool AppSettingsPres::contains(const QString &name) const
{
    return m_settings->contains(name);
}

void AppSettingsPres::set(const QString &name)
{
    m_settings->setValue(name, true);
    m_settings->sync();
}

void AppSettingsPres::remove(const QString &name)
{
    m_settings->remove(name);
    m_settings->sync();
}
