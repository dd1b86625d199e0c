#include "event_loop.h"

#include "cell_entry.h"
#include "corner_text.h"
#include "game_view.h"
#include "hint_command.h"
#include "main_commands.h"
#include "main_window.h"
#include "undo_history.h"

int lastEventKind = 0;
int lastControlId = 0;
int quit = 0;

namespace {

void runCellEvent(const UiEvent& event)
{
    if (event.type == typeTextChanged) {
        recordUndoStep([&event] { cellEdited(event.controlId, event.value); });
    } else if (event.type == typeNoteToggled) {
        recordUndoStep([&event] { noteToggled(event.controlId, event.value); });
    }
}

}  // namespace

void dispatchEvent(const UiEvent& event)
{
    lastEventKind = event.kind;
    if (event.kind == eventControl) {
        lastControlId = event.controlId;
        if (isCellField(lastControlId)) {
            runCellEvent(event);
        } else {
            for (const MainCommand& command : mainCommands()) {
                if (command.id == lastControlId) {
                    command.run();
                }
            }
        }
        dropHintIfGridChanged();
        dropCornerTextIfGridChanged();
        showGame();
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
