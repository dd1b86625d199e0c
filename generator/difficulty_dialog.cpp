#include "difficulty_dialog.h"

#include "controls.h"
#include "events.h"
#include "windows.h"

#include <QFontMetrics>
#include <QLabel>

namespace {

// The prompt has one line's room above the options. Where the default font
// is too wide for it, the prompt's font is made smaller rather than let its
// second line run into the first option.
void keepOnOneLine(QWidget* control)
{
    auto* label = qobject_cast<QLabel*>(control);
    if (label == nullptr) {
        return;
    }
    QFont font = label->font();
    while (QFontMetrics(font).horizontalAdvance(label->text()) > label->width()) {
        if (font.pointSizeF() > 6) {
            font.setPointSizeF(font.pointSizeF() - 0.5);
        } else if (font.pixelSize() > 8) {
            font.setPixelSize(font.pixelSize() - 1);
        } else {
            break;
        }
    }
    label->setFont(font);
}

}  // namespace

bool openDifficultyDialog()
{
    if (!openWindow(difficultyDialog, "Select Difficulty.", 180, 150, styleTitleOnly | styleKeptOnTop,
                    Placement::centredOverActive)) {
        return false;
    }
    keepOnOneLine(createStaticText(difficultyDialog, difficultyPromptId, "Please Select Difficulty of Puzzle", 0,
                                   10, 180, 40, TextAlign::centre));
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
