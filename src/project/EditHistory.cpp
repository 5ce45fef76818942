#include "project/EditHistory.h"
#include "app/Logging.h"
#include "project/EditCommand.h"

EditHistory::EditHistory(QObject *parent)
    : QUndoStack(parent)
{
    setUndoLimit(stepLimit);
}

void EditHistory::perform(EditCommand *command)
{
    // A step that is undone or done again changes the project only as the step says: what it
    // sets off is not another step of its own.
    if (EditCommand::isReplaying()) {
        qCWarning(lcProject) << "An edit made while a step was undone or redone is not recorded:" << command->text();
        command->redo();
        delete command;
        return;
    }
    command->setRun(m_run);
    push(command);
}

void EditHistory::perform(EditHistory *history, EditCommand *command)
{
    if (history) {
        history->perform(command);
        return;
    }
    command->redo();
    delete command;
}
