#include "progress_window.h"

#include "controls.h"
#include "windows.h"

bool openProgressWindow()
{
    if (!openWindow(progressWindow, "Generating Puzzle", 210, 35, styleTitleOnly | styleKeptOnTop,
                    Placement::centredOnScreen)) {
        return false;
    }
    createProgressBar(progressWindow, progressBarId, 5, 5, 200, 25);
    // The build that follows handles no window events: each setting of the
    // bar is drawn at once, which needs the window on the screen.
    waitUntilOnScreen(progressWindow);
    return true;
}

void setProgressBar(int position) { setProgressPosition(progressBarId, position); }
