#include "event_loop.h"

#include "cell_entry.h"
#include "hint_command.h"
#include "main_commands.h"
#include "main_window.h"
#include "undo_history.h"

int lastEventKind = 0;
int lastControlId = 0;
int quit = 0;

void dispatchEvent(const UiEvent& event)
{
    lastEventKind = event.kind;
    if (event.kind == eventControl) {
        lastControlId = event.controlId;
        if (isCellField(lastControlId)) {
            if (event.type == typeTextChanged) {
                recordUndoStep([fieldId = lastControlId] { cellEdited(fieldId); });
            }
        } else {
            for (const MainCommand& command : mainCommands()) {
                if (command.id == lastControlId) {
                    command.run();
                }
            }
        }
        dropHintIfGridChanged();
    } else if (event.kind == eventClose) {
        quit = 1;
    }
}

void runMainLoop()
{
    while (quit != 1) {
        dispatchEvent(waitEvent());
    }
}
