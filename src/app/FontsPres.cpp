#include "app/FontsPres.h"

#include <QCollator>
#include <QFontDatabase>
#include <QRegularExpression>

#include <algorithm>

namespace {
// Symbol and private fonts draw no letters: their names would be unreadable in their own face.
QStringList writingFamilies()
{
    QStringList names;
    for (const QString &family : QFontDatabase::families(QFontDatabase::Any)) {
        const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
        const bool symbolOnly = !systems.isEmpty()
            && std::all_of(systems.cbegin(), systems.cend(), [](auto s) { return s == QFontDatabase::Symbol; });
        if (!symbolOnly && !QFontDatabase::isPrivateFamily(family))
            names << family;
    }
    return names;
}
} // namespace

FontsPres::FontsPres()
    : m_families(listed(writingFamilies()))
{
}

QString FontsPres::familyName(const QString &databaseName)
{
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    return QString(databaseName).remove(foundry);
}

QStringList FontsPres::listed(const QStringList &databaseNames)
{
    QStringList names;
    for (const QString &name : databaseNames)
        names << familyName(name);
    names.removeDuplicates();
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), collator);
    return names;
}
