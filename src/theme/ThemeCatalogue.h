#pragma once

#include "app/Singleton.h"
#include "theme/ThemeEntry.h"
#include "theme/ThemeTemplate.h"

#include <QMap>
#include <QMutex>
#include <QString>

#include <functional>

// The process-wide owner of the installed themes: indexes the folders under
// AppPaths::templatesDir once and reads each "template.xml" at most once, sharing the result.
class ThemeCatalogue
{
public:
    using TemplateReader = std::function<ThemeTemplatePtr(const QString &path)>;

    static ThemeCatalogue *instance() { return Singleton<ThemeCatalogue>::instance(); }

    // A catalogue over another folder; the reader is replaceable so tests can count reads.
    explicit ThemeCatalogue(const QString &templatesDir, TemplateReader reader = {});

    // The shared template of a theme id, read on the first request. A missing or unreadable
    // file gives a template without scenes, which the render refuses.
    ThemeTemplatePtr templateFor(int id);

    // Fixed after creation, so safe to read from any thread.
    const QMap<int, ThemeEntry> &themes() const { return m_themes; }

private:
    friend class Singleton<ThemeCatalogue>;
    ThemeCatalogue();

    void index();

    QString m_dir;
    TemplateReader m_reader;
    QMap<int, ThemeEntry> m_themes;
    QMap<int, ThemeTemplatePtr> m_templates;
    QMutex m_mutex;
};
