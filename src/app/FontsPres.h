#pragma once

#include "app/Singleton.h"

#include <QObject>
#include <QStringList>

// The installed font families, read once, for the text-style chooser.
class FontsPres : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList families READ families NOTIFY familiesChanged)

public:
    static FontsPres *instance() { return Singleton<FontsPres>::instance(); }

    QStringList families() const { return m_families; }

Q_SIGNALS:
    void familiesChanged();

private:
    friend class Singleton<FontsPres>;
    FontsPres();

    QStringList m_families;
};
