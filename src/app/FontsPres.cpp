#include "app/FontsPres.h"

#include <QFontDatabase>

FontsPres::FontsPres()
    : m_families(QFontDatabase().families(QFontDatabase::Any))
{
}
