#include "rating_dialog.h"

#include "controls.h"
#include "controls_registry.h"
#include "events.h"
#include "key_commands.h"
#include "offered_bands.h"
#include "windows.h"

#include <QWidget>

#include <string>
#include <vector>

namespace {

// What was chosen the last time in this run.
int lastGrade = 0;
bool lastSymmetric = false;

constexpr KeyCommand cancelKey[] = {{ratingCancelId, nullptr, "Esc"}};

int checkedGrade()
{
    const int grades = static_cast<int>(offeredBands().size());
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
    const std::vector<OfferedBand> offered = offeredBands();
    const int optionsEnd = 46 + 22 * static_cast<int>(offered.size());
    if (!openWindow(ratingDialog, "New Puzzle by Rating", 300, optionsEnd + 78, styleCloseBox | styleKeptOnTop,
                    Placement::centredOverActive)) {
        return false;
    }
    createStaticText(ratingDialog, ratingPromptId, "The grade of the puzzle, by its rating on Sudoku Explainer's scale:",
                     10, 8, 280, 34);
    for (int k = 0; k < static_cast<int>(offered.size()); ++k) {
        const int y = 46 + 22 * k;
        createOptionButton(ratingDialog, firstGradeOptionId + k, offered[k].name, 20, y, 190, 20);
        createStaticText(ratingDialog, firstGradeBandId + k, bandText(offered[k].band), 215, y + 2, 80, 18);
    }
    createCheckBox(ratingDialog, symmetricOptionId, "Symmetric under a half turn", 20, optionsEnd + 8, 260, 20);
    createButton(ratingDialog, ratingOkId, "OK", 60, optionsEnd + 42, 80, 25);
    setDefaultButton(ratingOkId);
    createButton(ratingDialog, ratingCancelId, "Cancel", 160, optionsEnd + 42, 80, 25);
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
            const OfferedBand offered = offeredBands()[lastGrade];
            return RatingChoice{offered.band, offered.name, lastSymmetric};
        }
    }
}

void forgetRatingChoice()
{
    lastGrade = 0;
    lastSymmetric = false;
}
