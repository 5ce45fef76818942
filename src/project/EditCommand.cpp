#include "project/EditCommand.h"

bool EditCommand::s_replaying = false;

EditCommand::EditCommand(const QString &text, Action redo, Action undo, int mergeKind)
    : m_redo(std::move(redo))
    , m_undo(std::move(undo))
    , m_mergeKind(mergeKind)
{
    setText(text);
    m_lastChange.start();
}

void EditCommand::redo()
{
    if (m_done) {
        // Pushed after the change was made: done again from the next redo on.
        m_done = false;
        m_ranOnce = true;
        return;
    }
    run(m_redo, m_ranOnce);
    m_ranOnce = true;
}

void EditCommand::undo()
{
    run(m_undo, true);
}

void EditCommand::run(const Action &action, bool replay)
{
    const bool outer = s_replaying;
    s_replaying = replay;
    action();
    s_replaying = outer;
}

bool EditCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const EditCommand *>(other);
    if (next->m_run != m_run || m_lastChange.elapsed() > mergeWindowMs)
        return false;
    // The first step's undo stays: undoing the merged step puts back what was before all of them.
    m_redo = next->m_redo;
    setText(next->text());
    m_lastChange.start();
    return true;
}
