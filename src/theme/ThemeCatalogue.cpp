#include "theme/ThemeCatalogue.h"
#include "app/AppConstants.h"
#include "app/AppPaths.h"
#include "app/Logging.h"
#include "theme/ThemeReader.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString templateFileName = QStringLiteral("template.xml");
const QString themeThumbFileName = QStringLiteral("thumb.jpg");
} // namespace

ThemeCatalogue::ThemeCatalogue()
    : ThemeCatalogue(AppPaths::templatesDir)
{
}

ThemeCatalogue::ThemeCatalogue(const QString &templatesDir, TemplateReader reader)
    : m_dir(templatesDir)
    , m_reader(reader ? std::move(reader) : TemplateReader(&readThemeTemplate))
{
    if (m_dir.isEmpty()) {
        // Asked before AppPaths::setup(): index nothing rather than the file system's root.
        qCWarning(lcTheme) << "Theme catalogue created without a templates folder";
        return;
    }
    if (!m_dir.endsWith(QLatin1Char('/')))
        m_dir += QLatin1Char('/');
    index();
}

// A folder without "info.xml" is not a theme (a stray or half-copied folder) and is left out.
void ThemeCatalogue::index()
{
    const QStringList folders = QDir(m_dir).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &folder : folders) {
        const QString folderPath = m_dir + folder;
        const QString infoPath = folderPath + QLatin1Char('/') + AppConstants::infoFileName;
        if (!QFileInfo::exists(infoPath)) {
            qCWarning(lcTheme) << "Theme folder without" << AppConstants::infoFileName << "skipped:" << folderPath;
            continue;
        }
        ThemeEntry entry;
        entry.id = folder.toInt();
        if (m_themes.contains(entry.id))
            continue;
        const QPair<QString, QString> info = readThemeInfo(infoPath);
        entry.name = info.first;
        entry.preview = info.second;
        entry.thumbPath = folderPath + QLatin1Char('/') + themeThumbFileName;
        m_themes.insert(entry.id, entry);
    }
}

ThemeTemplatePtr ThemeCatalogue::templateFor(int id)
{
    QMutexLocker lock(&m_mutex);
    const auto cached = m_templates.constFind(id);
    if (cached != m_templates.constEnd())
        return cached.value();
    ThemeTemplatePtr tpl = m_reader(m_dir + QString::number(id) + QLatin1Char('/') + templateFileName);
    if (!tpl)
        tpl = ThemeTemplatePtr::create();
    m_templates.insert(id, tpl);
    return tpl;
}
