#include "controls.h"
#include "game_state.h"
#include "main_window_fixture.h"
#include "main_window_keys.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

#include <vector>

namespace {

using Notes = MainWindowTest;

const std::string puzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

DigitMask notesOf(int column, int row) { return MainWindowTest::cell(column, row).notes; }

DigitMask digits(std::initializer_list<int> list)
{
    DigitMask mask = 0;
    for (const int digit : list) {
        mask |= digitBit(digit);
    }
    return mask;
}

void give(int commandId)
{
    postControlEvent(mainWindow, commandId, typePressed);
    MainWindowTest::dispatchPending();
}

// Shift+5 as X11 reports it on a US keyboard: the symbol %, and the place of
// the 5 key.
void pressShiftFive(int column, int row)
{
    QLineEdit* field = MainWindowTest::cellField(column, row);
    field->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Percent, Qt::ShiftModifier, 14, 0, 0, "%");
    QApplication::sendEvent(field, &press);
    MainWindowTest::dispatchPending();
}

// The box around the pixels of a field's picture that `ink` picks, within
// `area`.
QRect inkBox(const QImage& picture, const QRect& area, const std::function<bool(QColor)>& ink)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (ink(picture.pixelColor(x, y))) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

bool reddish(QColor colour) { return colour.red() > colour.green() + 60 && colour.red() > colour.blue() + 60; }
bool dark(QColor colour) { return qGray(colour.rgb()) < 160 && !reddish(colour); }

TEST_F(Notes, CtrlAndShiftDigitsToggleTheNotesOfTheFocusedEmptyCell)
{
    pressKey(2, 2, Qt::Key_3, Qt::ControlModifier);
    pressKey(2, 2, Qt::Key_7, Qt::ControlModifier);
    pressShiftFive(2, 2);
    EXPECT_EQ(notesOf(2, 2), digits({3, 5, 7}));
    pressKey(2, 2, Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(notesOf(2, 2), digits({5, 7}));
    EXPECT_EQ(value(2, 2), "");

    typeInto(2, 2, "4");
    EXPECT_EQ(notesOf(2, 2), 0) << "a digit takes its cell's notes away";
    pressKey(2, 2, Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(notesOf(2, 2), 0) << "a filled cell took a note";
    pressKey(2, 2, Qt::Key_Backspace);
    pressKey(2, 2, Qt::Key_8, Qt::ControlModifier);
    pressKey(2, 2, Qt::Key_Delete);
    EXPECT_EQ(notesOf(2, 2), 0) << "Delete in an empty cell leaves its notes";
}

TEST_F(Notes, NotesModeMakesPlainDigitsToggleNotesAndSaysSo)
{
    QWidget* line = findControl(notesModeTextId);
    EXPECT_FALSE(line->isVisible());
    pressKey(0, 0, Qt::Key_N);
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(controlText(notesModeTextId), "Notes mode (N)");
    EXPECT_FALSE(line->geometry().intersects(findControl(hintTextId)->geometry()));
    typeInto(0, 0, "19");
    typeInto(0, 0, "1");
    EXPECT_EQ(notesOf(0, 0), digits({9}));
    EXPECT_EQ(value(0, 0), "");

    pressKey(0, 0, Qt::Key_N);
    EXPECT_FALSE(line->isVisible());
    EXPECT_EQ(findControl(hintTextId)->geometry(), QRect(275, 165, 72, 104));
    typeInto(0, 0, "5");
    EXPECT_EQ(value(0, 0), "5");
}

TEST_F(Notes, TheCellsMenuTogglesTheNotesOfItsCellAndShiftF10OpensIt)
{
    pressKey(3, 3, Qt::Key_2, Qt::ControlModifier);
    std::vector<QString> checked;
    QTimer::singleShot(50, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QMenu* own = menu->actions().back()->menu();
        ASSERT_NE(own, nullptr);
        ASSERT_EQ(own->actions().size(), 9);
        for (QAction* toggle : own->actions()) {
            if (toggle->isChecked()) {
                checked.push_back(toggle->text());
            }
        }
        own->actions().at(4)->trigger();
        menu->close();
    });
    pressKey(3, 3, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(checked, std::vector<QString>{"2\tCtrl+2"});
    EXPECT_EQ(notesOf(3, 3), digits({2, 5}));
}

TEST_F(Notes, FillInAndClearActOnEveryEmptyCell)
{
    typePuzzle(puzzle);
    pressKey(0, 8, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(notesOf(2, 0), digits({1, 2, 4}));
    EXPECT_EQ(notesOf(8, 8), 0) << "a filled cell";
    int noted = 0;
    for (const GameCell& each : game.cells) {
        noted += each.notes != 0 ? 1 : 0;
    }
    EXPECT_EQ(noted, 51) << "every empty cell";
    pressKey(0, 8, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    for (const GameCell& each : game.cells) {
        EXPECT_EQ(each.notes, 0);
    }
}

TEST_F(Notes, APlacedDigitLeavesItsPeersNotesAndUndoBringsBothBackAsOneStep)
{
    give(fillInNotesId);
    const GameState filled = game;
    typeInto(4, 4, "5");
    int struck = 0;
    for (const GameCell& each : game.cells) {
        struck += (each.notes & digitBit(5)) == 0 ? 1 : 0;
    }
    EXPECT_EQ(struck, 21) << "the cell itself and its twenty peers";
    const GameState placed = game;

    pressKey(0, 0, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(game, filled);
    pressKey(0, 0, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(game, placed);

    pressKey(0, 0, Qt::Key_3, Qt::ControlModifier);
    const GameState toggled = game;
    pressKey(0, 0, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(game, placed) << "undo lost the note toggle";
    pressKey(0, 0, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(game, filled);
    pressKey(0, 0, Qt::Key_Y, Qt::ControlModifier);
    pressKey(0, 0, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(game, toggled) << "redo lost the strike or the toggle";

    give(strikePeerNotesId);
    typeInto(8, 8, "5");
    EXPECT_EQ(notesOf(8, 0) & digitBit(5), digitBit(5)) << "struck though turned off";
}

// At 100%: a note's digit is about 7 pixels high, in its ninth of the field;
// a note that a peer's digit rules out is red and struck through.
TEST_F(Notes, AreDrawnSmallInTheirNinthAndRuledOutOnesStruckThrough)
{
    for (const Qt::Key key : {Qt::Key_1, Qt::Key_8, Qt::Key_9}) {
        pressKey(4, 4, key, Qt::ControlModifier);
    }
    window()->setFocus();
    const QImage notes = cellField(4, 4)->grab().toImage();
    const QRect one = inkBox(notes, QRect(2, 2, 9, 9), dark);
    const QRect eight = inkBox(notes, QRect(10, 19, 9, 9), dark);
    const QRect nine = inkBox(notes, QRect(19, 19, 9, 9), dark);
    for (const QRect& drawn : {one, eight, nine}) {
        EXPECT_GE(drawn.height(), 6);
        EXPECT_LE(drawn.height(), 8);
    }
    EXPECT_TRUE(inkBox(notes, QRect(2, 10, 26, 9), dark).isEmpty()) << "ink in the middle third";

    give(strikePeerNotesId);
    typeInto(4, 0, "8");  // rules out the 8 below it
    window()->setFocus();
    const QImage ruledOut = cellField(4, 4)->grab().toImage();
    const QRect red = inkBox(ruledOut, QRect(10, 19, 9, 9), reddish);
    EXPECT_TRUE(inkBox(ruledOut, QRect(10, 19, 9, 9), dark).isEmpty()) << "the 8 is still drawn dark";
    ASSERT_FALSE(red.isEmpty());
    // The stroke runs across the digit, a little past it.
    EXPECT_GT(red.width(), eight.width());
    EXPECT_GE(red.height(), eight.height());
    EXPECT_TRUE(inkBox(ruledOut, QRect(2, 2, 9, 9), reddish).isEmpty()) << "the 1 is not ruled out";
}

}  // namespace
