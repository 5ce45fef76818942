#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QUndoCommand>

#include <functional>

// One step of the edit history: what to do again and what puts it back, each a closure holding
// the values it needs (a few slide records, a track list, a style record), never the pictures.
// Steps of the same kind on the same thing made within a moment of each other (a slider drag,
// a run of spin-box clicks) merge into one.
class EditCommand : public QUndoCommand
{
public:
    using Action = std::function<void()>;

    // The kinds of steps that merge; any other step stands alone.
    enum MergeKind {
        NoMerge = -1,
        DurationSettingsMerge = 1,
        BorderSizeMerge,
        PhotoShadowMerge,
        TextShadowMerge,
    };

    EditCommand(const QString &text, Action redo, Action undo, int mergeKind = NoMerge);

    // The change is already made (a control wrote it): the first redo only records it.
    void markDone() { m_done = true; }
    // Steps of different runs never merge: the history starts a new run when a drag ends.
    void setRun(int run) { m_run = run; }

    void redo() override;
    void undo() override;
    int id() const override { return m_mergeKind; }
    bool mergeWith(const QUndoCommand *other) override;

    // Whether a step is being undone or done again, rather than done for the first time.
    static bool isReplaying() { return s_replaying; }

    // Steps further apart than this never merge.
    static constexpr qint64 mergeWindowMs = 1000;

private:
    void run(const Action &action, bool replay);

    Action m_redo;
    Action m_undo;
    int m_mergeKind;
    bool m_done = false;
    bool m_ranOnce = false;
    int m_run = 0;
    QElapsedTimer m_lastChange;
    static bool s_replaying;
};
