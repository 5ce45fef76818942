#pragma once

#include "app/Singleton.h"
#include "project/EditHistory.h"

#include <QObject>
#include <QString>

// The undo and redo of the open project's edits as the screens use them (QML "history"): the
// tool bar's two buttons, their tooltips naming the step, and the keys.
class UndoPres : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY canUndoChanged)
    Q_PROPERTY(bool canRedo READ canRedo NOTIFY canRedoChanged)
    // "Undo Remove 3 slides", or "Undo" when there is nothing to undo.
    Q_PROPERTY(QString undoTip READ undoTip NOTIFY undoTipChanged)
    Q_PROPERTY(QString redoTip READ redoTip NOTIFY redoTipChanged)
    // Steps done so far; undoTo(index) goes back to a moment read from it.
    Q_PROPERTY(int index READ index NOTIFY indexChanged)

public:
    static UndoPres *instance() { return Singleton<UndoPres>::instance(); }

    EditHistory *history() { return &m_history; }
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    QString undoTip() const;
    QString redoTip() const;
    int index() const { return m_history.index(); }

    Q_INVOKABLE void undo() { m_history.undo(); }
    Q_INVOKABLE void redo() { m_history.redo(); }
    // Undoes the steps made since index was read (a popup's Cancel); nothing when none were.
    Q_INVOKABLE void undoTo(int index);
    // A drag ended: the next change is a step of its own.
    Q_INVOKABLE void closeMerging() { m_history.closeMerging(); }

Q_SIGNALS:
    void canUndoChanged();
    void canRedoChanged();
    void undoTipChanged();
    void redoTipChanged();
    void indexChanged();

private:
    friend class Singleton<UndoPres>;
    UndoPres();

    EditHistory m_history;
};
