#include "project/AutosavePres.h"

#include "project/ProjectPres.h"
#include "project/SavedProjectsPres.h"
#include "project/StyleSettingsPres.h"

AutosavePres::AutosavePres()
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(defaultDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &AutosavePres::flush);
    connect(ProjectPres::instance(), &ProjectPres::projectEdited, this, &AutosavePres::edited);
    connect(ProjectPres::instance(), &ProjectPres::projectSaved, this, &AutosavePres::explicitlySaved);
    connect(StyleSettingsPres::instance(), &StyleSettingsPres::styleEdited, this, &AutosavePres::edited);
    connect(SavedProjectsPres::instance(), &SavedProjectsPres::projectDeleted, this, &AutosavePres::projectDeleted);
}

void AutosavePres::edited()
{
    setState(true, false);
    m_timer.start();
}

void AutosavePres::flush()
{
    m_timer.stop();
    if (!m_pending)
        return;
    // A project with neither slides nor music is not worth a folder; its edits wait for content.
    ProjectPres *project = ProjectPres::instance();
    if (!project->hasContent())
        return;
    const bool written = project->saveQuietly();
    if (written)
        StyleSettingsPres::instance()->save();
    setState(!written, written, !written);
}

void AutosavePres::explicitlySaved()
{
    m_timer.stop();
    StyleSettingsPres::instance()->save();
    setState(false, true);
}

void AutosavePres::openProject(int row)
{
    // Both read before the flush: writing the open project moves it to the top of the list.
    SavedProjectsPres *saved = SavedProjectsPres::instance();
    const ProjectPtr project = saved->loadProject(row);
    const StyleSettings style = *saved->loadStyle(row);
    // The open project itself: its edits are newer than its file.
    if (project->id == ProjectPres::instance()->project()->id) {
        flush();
        return;
    }
    flush();
    ProjectPres::instance()->openProject(project);
    StyleSettingsPres::instance()->setFrom(style);
    setState(false, !project->id.isEmpty());
}

void AutosavePres::newProject()
{
    flush();
    ProjectPres::instance()->reset();
    StyleSettingsPres::instance()->reset();
    setState(false, false);
}

void AutosavePres::projectDeleted(const QString &id)
{
    if (id.isEmpty() || id != ProjectPres::instance()->project()->id)
        return;
    // Its edits go with it: a later write would bring the deleted project back.
    m_timer.stop();
    m_pending = false;
    newProject();
}

void AutosavePres::setState(bool pending, bool saved, bool failed)
{
    if (failed != m_failed) {
        m_failed = failed;
        Q_EMIT failedChanged();
    }
    if (pending != m_pending) {
        m_pending = pending;
        Q_EMIT pendingChanged();
    }
    if (saved != m_saved) {
        m_saved = saved;
        Q_EMIT savedChanged();
    }
}
