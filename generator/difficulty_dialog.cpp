#include "difficulty_dialog.h"

#include "controls.h"
#include "events.h"
#include "windows.h"

bool openDifficultyDialog()
{
    if (!openWindow(difficultyDialog, "Select Difficulty.", 180, 150, styleTitleOnly | styleKeptOnTop,
                    Placement::centredOverActive)) {
        return false;
    }
    createStaticText(difficultyDialog, difficultyPromptId, "Please Select Difficulty of Puzzle", 0, 10, 180, 40,
                     TextAlign::centre);
    createOptionButton(difficultyDialog, easyOptionId, "Easy", 65, 30, 75, 20);
    createOptionButton(difficultyDialog, gentleOptionId, "Gentle", 65, 50, 75, 20);
    createOptionButton(difficultyDialog, trickyOptionId, "Tricky", 65, 70, 75, 20);
    createOptionButton(difficultyDialog, hardOptionId, "Hard", 65, 90, 75, 20);
    setChecked(easyOptionId, true);
    createButton(difficultyDialog, difficultyOkId, "OK", 60, 120, 60, 25);
    return true;
}

int checkedDifficulty()
{
    if (isChecked(easyOptionId)) {
        return 1;
    }
    if (isChecked(gentleOptionId)) {
        return 2;
    }
    if (isChecked(trickyOptionId)) {
        return 3;
    }
    if (isChecked(hardOptionId)) {
        return 4;
    }
    return 1;  // the group always has one checked; Easy is its first
}

int awaitDifficulty()
{
    for (;;) {
        const UiEvent event = waitEvent();
        if (event.kind == eventControl && event.controlId == difficultyOkId) {
            return checkedDifficulty();
        }
    }
}
