#pragma once

#include <QList>
#include <QString>

class QTranslator;

// The program's own texts and Qt's (the file dialogs' "Look in", "Open", "Cancel", the message
// boxes' buttons) in one language, so that a dialog never mixes two.
namespace AppTranslations {

// Installs every catalogue found for language ("de_DE", as QLocale::name() gives it; a missing
// region falls back to the language alone): the program's from ":/translations", Qt's from
// QLibraryInfo::TranslationsPath. Returns what was installed, owned by the application.
QList<QTranslator *> install(const QString &language);

} // namespace AppTranslations
