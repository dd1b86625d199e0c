#include "main_window.h"

#include "arrow_keys.h"
#include "cell_field.h"
#include "clashes.h"
#include "controls.h"
#include "fitted_text.h"
#include "fonts.h"
#include "game_view.h"
#include "grid.h"
#include "key_commands.h"
#include "main_window_keys.h"
#include "windows.h"
#include "zoom.h"
#include "zoom_commands.h"

#include <QWidget>

#include <string>
#include <vector>

const char* const mainWindowTitle = "Kelvaro - (c) 2026 Kelvaro team";

namespace {

struct ButtonRow {
    int id;
    const char* caption;
};

constexpr ButtonRow buttons[] = {
    {solveButtonId, "Solve"}, {generateButtonId, "Generate"}, {clearButtonId, "Clear"},
    {printButtonId, "Print"}, {aboutButtonId, "About"},
};

void addControls()
{
    for (int b = 0; b < 5; ++b) {
        createButton(mainWindow, buttons[b].id, buttons[b].caption, 280, 10 + 30 * b, 60, 25);
    }

    if (loadFont(cellFont, "Arial", 16)) {
        setDefaultControlFont(cellFont);
    }
    int id = 17;
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            Cell& cell = grid[i][j];
            cell.fieldId = static_cast<std::int16_t>(id);
            cell.clash = 0;
            cell.value.store("");
            if (QWidget* field = createCellField(mainWindow, id, cellOffset(i), cellOffset(j), 30, 30)) {
                field->setAccessibleName(QString::fromStdString(capitalised(cellName(cellIndex(i, j)))));
            }
            ++id;
        }
    }
    setDefaultControlFont(-1);

    createFrame(mainWindow, 275, 5, 70, 155);
    // A hint's reason goes in the free corner below the buttons, where it
    // covers no cell.
    createFittedText(mainWindow, hintTextId, 275, 165, 72, 104);
    createStaticText(mainWindow, notesModeTextId, "Notes mode (N)", 275, 240, 72, 30);
    setControlShown(notesModeTextId, false);
}

}  // namespace

bool openMainWindow(int zoomPercent)
{
    const bool opened = openWindow(mainWindow, mainWindowTitle, 350, 272, styleCloseBox | styleMinimiseBox,
                                   Placement::centredOnScreen, [zoomPercent] {
                                       addControls();
                                       if (zoomPercent != 100) {
                                           zoomMainWindow(zoomPercent);
                                       }
                                   });
    if (!opened) {
        return false;
    }
    std::vector<int> readingOrder;
    for (int j = 0; j < 9; ++j) {
        for (int i = 0; i < 9; ++i) {
            readingOrder.push_back(grid[i][j].fieldId);
        }
    }
    arrangeForArrowKeys(readingOrder, 9);
    addKeyCommands(mainWindow, mainWindowKeys());
    setCellFocusWatcher(showGame);
    focusNoControl(mainWindow);
    return true;
}

void showNotesModeLine(bool shown)
{
    placeControl(hintTextId, 275, 165, 72, shown ? 72 : 104);
    setControlShown(notesModeTextId, shown);
}

bool isCellField(int controlId)
{
    return grid[0][0].fieldId <= controlId && controlId <= grid[8][8].fieldId;
}
