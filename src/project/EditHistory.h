#pragma once

#include <QUndoStack>

class EditCommand;

// The open project's undo history: every edit of its slides, music, durations, style and video
// settings, in memory only, the oldest steps forgotten past undoLimit.
class EditHistory : public QUndoStack
{
    Q_OBJECT

public:
    static constexpr int stepLimit = 500;

    explicit EditHistory(QObject *parent = nullptr);

    // Does the step (or records it, when it is marked done) as the newest one.
    void perform(EditCommand *command);
    // A slider drag or a run of clicks ended: the next step stands apart from the last.
    void closeMerging() { ++m_run; }

    // Without a history (a presenter used on its own), the step is simply done.
    static void perform(EditHistory *history, EditCommand *command);

private:
    int m_run = 0;
};
