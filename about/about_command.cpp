#include "about_command.h"

#include "about_windows.h"
#include "events.h"
#include "windows.h"

void aboutCommand()
{
    openAboutWindow();
    for (;;) {
        const UiEvent event = waitEvent();
        if (event.kind == eventControl && event.controlId == websiteLinkId) {
            openWebPageWindow();
            closeWindow(aboutWindow);
            while (waitEvent().kind != eventClose) {
            }
            closeWindow(webPageWindow);
            return;
        }
        // A close request from any window, the main window's too, ends only
        // this command: the program goes on.
        if (event.kind == eventClose) {
            closeWindow(aboutWindow);
            return;
        }
    }
}
