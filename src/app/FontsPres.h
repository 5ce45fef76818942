#pragma once

#include "app/Singleton.h"

#include <QObject>
#include <QStringList>

// The installed font families, read once, for the text-style chooser: each family once, by its
// own name (without the foundry the font database adds when two foundries make one family),
// in the reader's alphabetical order, leaving out symbol fonts that cannot write a name.
class FontsPres : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList families READ families NOTIFY familiesChanged)

public:
    static FontsPres *instance() { return Singleton<FontsPres>::instance(); }

    QStringList families() const { return m_families; }

    // "P052 [urw]" as the list shows it: "P052".
    Q_INVOKABLE static QString familyName(const QString &databaseName);
    // The database's names made into the list: duplicates dropped, sorted for the locale.
    static QStringList listed(const QStringList &databaseNames);

Q_SIGNALS:
    void familiesChanged();

private:
    friend class Singleton<FontsPres>;
    FontsPres();

    QStringList m_families;
};
