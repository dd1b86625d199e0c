#include "event_loop.h"

#include "button_commands.h"
#include "cell_entry.h"
#include "grid.h"
#include "hint_command.h"

int lastEventKind = 0;
int lastControlId = 0;
int quit = 0;

void dispatchEvent(const UiEvent& event)
{
    lastEventKind = event.kind;
    if (event.kind == eventControl) {
        lastControlId = event.controlId;
        if (grid[0][0].fieldId <= lastControlId && lastControlId <= grid[8][8].fieldId) {
            if (event.type == typeTextChanged) {
                cellEdited(lastControlId);
            }
        } else {
            for (const ButtonCommand& command : buttonCommands()) {
                if (command.buttonId == lastControlId) {
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
