#include "rating_dialog.h"

#include "clashes.h"
#include "controls.h"
#include "controls_registry.h"
#include "events.h"
#include "key_commands.h"
#include "ladder/words.h"
#include "puzzle_check.h"
#include "windows.h"

#include <QWidget>

#include <string>

namespace {

// What was chosen the last time in this run.
int lastGrade = 0;
bool lastSymmetric = false;

constexpr KeyCommand cancelKey[] = {{ratingCancelId, nullptr, "Esc"}};

int checkedGrade()
{
    const int grades = static_cast<int>(gradeBands().size());
    for (int k = 0; k < grades; ++k) {
        if (isChecked(firstGradeOptionId + k)) {
            return k;
        }
    }
    return 0;
}

}  // namespace

bool openRatingDialog()
{
    if (!openWindow(ratingDialog, "New Puzzle by Rating", 250, 205, styleCloseBox | styleKeptOnTop,
                    Placement::centredOverActive)) {
        return false;
    }
    createStaticText(ratingDialog, ratingPromptId, "The grade of the puzzle, by its rating on Sudoku Explainer's scale:",
                     10, 8, 230, 34);
    int k = 0;
    for (const GradeBand& band : gradeBands()) {
        const int y = 46 + 22 * k;
        createOptionButton(ratingDialog, firstGradeOptionId + k, capitalised(band.grade), 20, y, 110, 20);
        createStaticText(ratingDialog, firstGradeBandId + k,
                         ratingText(band.low) + " \u2013 " + ratingText(band.high), 135, y + 2, 100, 18);
        ++k;
    }
    createCheckBox(ratingDialog, symmetricOptionId, "Symmetric under a half turn", 20, 140, 220, 20);
    createButton(ratingDialog, ratingOkId, "OK", 40, 172, 80, 25);
    createButton(ratingDialog, ratingCancelId, "Cancel", 130, 172, 80, 25);
    setChecked(firstGradeOptionId + lastGrade, true);
    setChecked(symmetricOptionId, lastSymmetric);
    addKeyCommands(ratingDialog, cancelKey);
    if (QWidget* checked = findControl(firstGradeOptionId + lastGrade)) {
        checked->setFocus(Qt::OtherFocusReason);
    }
    return true;
}

std::optional<RatingChoice> awaitRatingChoice()
{
    for (;;) {
        const UiEvent event = waitEvent();
        if (event.kind == eventClose && event.window == ratingDialog) {
            return std::nullopt;
        }
        if (event.kind != eventControl) {
            continue;
        }
        if (event.controlId == ratingCancelId) {
            return std::nullopt;
        }
        if (event.controlId == ratingOkId) {
            lastGrade = checkedGrade();
            lastSymmetric = isChecked(symmetricOptionId);
            const GradeBand& band = gradeBands()[lastGrade];
            return RatingChoice{{band.low, band.high}, band.grade, lastSymmetric};
        }
    }
}

void forgetRatingChoice()
{
    lastGrade = 0;
    lastSymmetric = false;
}
