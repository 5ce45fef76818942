#include "app/AppTranslations.h"
#include "app/Logging.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace AppTranslations {

// The Qt modules whose texts the screens can show: the platform's dialogs and standard buttons
// (qtbase), the toolkit's own file dialogs and controls (qtdeclarative), QML and sound errors.
static const char *const qtCatalogues[] = {"qtbase", "qtdeclarative", "qtquickcontrols", "qtquickcontrols2",
                                           "qtmultimedia"};

static QTranslator *installed(const QString &fileName, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(fileName, folder) && QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

QList<QTranslator *> install(const QString &language)
{
    QList<QTranslator *> result;
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char *catalogue : qtCatalogues) {
        if (QTranslator *qt = installed(QLatin1String(catalogue) + QLatin1Char('_') + language, qtFolder))
            result << qt;
    }
    const bool qtFound = !result.isEmpty();
    // Installed last, asked first: the program's texts win wherever a context name is shared.
    if (QTranslator *own = installed(language, QStringLiteral(":/translations"))) {
        result << own;
        // A language the program speaks while Qt's texts stay English is worth a line.
        if (!qtFound)
            qCInfo(lcApp) << "No Qt translations for" << language << "in" << qtFolder
                          << "- Qt's dialogs keep their English labels";
    }
    return result;
}

} // namespace AppTranslations
