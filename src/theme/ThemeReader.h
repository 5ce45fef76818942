#pragma once

#include "theme/ThemeTemplate.h"

#include <QColor>
#include <QPair>
#include <QString>

// Reads a theme's "template.xml". A file that cannot be opened gives a template with the
// default values and no scenes; a parse error keeps what was read before it.
ThemeTemplatePtr readThemeTemplate(const QString &path);

// Reads a theme's "info.xml": (display name, preview reference); empty strings when absent.
QPair<QString, QString> readThemeInfo(const QString &path);

// "dx,dy blur r,g,b,a"; the colour part is optional (opaque black).
ShadowSpec parseShadow(const QString &text);

// "r,g,b" as decimal integers; further parts are ignored and the colour is always opaque.
QColor parseColor(const QString &text);
