#include "project/AutosavePres.h"

#include "project/IOpenProject.h"
#include "project/IProjectStore.h"
#include "project/IProjectStyle.h"

AutosavePres::AutosavePres()
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(defaultDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &AutosavePres::flush);
}

void AutosavePres::setProject(IOpenProject *project, IProjectStyle *style, IProjectStore *store)
{
    m_project = project;
    m_style = style;
    m_store = store;
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
    if (!m_project->hasContent())
        return;
    const bool written = m_project->saveQuietly();
    if (written)
        m_style->save();
    setState(!written, written, !written);
}

void AutosavePres::explicitlySaved()
{
    m_timer.stop();
    m_style->save();
    setState(false, true);
}

void AutosavePres::openProject(int row)
{
    // Both read before the flush: writing the open project moves it to the top of the list.
    const ProjectPtr project = m_store->loadProject(row);
    const StyleSettings style = *m_store->loadStyle(row);
    // The open project itself: its edits are newer than its file.
    if (project->id == m_project->project()->id) {
        flush();
        return;
    }
    flush();
    m_project->openProject(project);
    m_style->setFrom(style);
    setState(false, !project->id.isEmpty());
}

void AutosavePres::newProject()
{
    flush();
    m_project->reset();
    m_style->reset();
    setState(false, false);
}

void AutosavePres::projectDeleted(const QString &id)
{
    if (id.isEmpty() || id != m_project->project()->id)
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
