#include "project/UndoPres.h"

UndoPres::UndoPres()
{
    connect(&m_history, &QUndoStack::canUndoChanged, this, &UndoPres::canUndoChanged);
    connect(&m_history, &QUndoStack::canRedoChanged, this, &UndoPres::canRedoChanged);
    connect(&m_history, &QUndoStack::undoTextChanged, this, &UndoPres::undoTipChanged);
    connect(&m_history, &QUndoStack::redoTextChanged, this, &UndoPres::redoTipChanged);
    connect(&m_history, &QUndoStack::indexChanged, this, &UndoPres::indexChanged);
}

QString UndoPres::undoTip() const
{
    return m_history.canUndo() ? tr("Undo %1").arg(m_history.undoText()) : tr("Undo");
}

QString UndoPres::redoTip() const
{
    return m_history.canRedo() ? tr("Redo %1").arg(m_history.redoText()) : tr("Redo");
}

void UndoPres::undoTo(int index)
{
    if (index >= 0 && index < m_history.index())
        m_history.setIndex(index);
}
