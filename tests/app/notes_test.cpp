#include "controls.h"
#include "game_state.h"
#include "main_window_fixture.h"
#include "main_window_keys.h"

#include <QApplication>
#include <QMenu>
#include <QTimer>

#include <functional>
#include <vector>

namespace {

using Notes = MainWindowTest;

constexpr Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;

DigitMask notesOf(int column, int row) { return MainWindowTest::cell(column, row).notes; }

// The box around the pixels within `area` of a picture that `ink` picks.
QRect inkBox(const QImage& picture, const QRect& area, const std::function<bool(QColor)>& ink)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            box |= ink(picture.pixelColor(x, y)) ? QRect(x, y, 1, 1) : QRect();
        }
    }
    return box;
}

bool reddish(QColor colour) { return colour.red() > colour.green() + 60 && colour.red() > colour.blue() + 60; }
bool dark(QColor colour) { return qGray(colour.rgb()) < 160 && !reddish(colour); }

TEST_F(Notes, CtrlShiftDigitsNotesModeAndTheCellsMenuToggleTheNotesOfAnEmptyCell)
{
    pressKey(2, 2, Qt::Key_3, ctrl);
    pressKey(2, 2, Qt::Key_7, ctrl);
    // Shift+5 as X11 reports it on a US keyboard: % at the place of the 5.
    QKeyEvent shiftFive(QEvent::KeyPress, Qt::Key_Percent, Qt::ShiftModifier, 14, 0, 0, "%");
    QApplication::sendEvent(cellField(2, 2), &shiftFive);
    pressKey(2, 2, Qt::Key_3, ctrl);
    EXPECT_EQ(notesOf(2, 2), digitBit(5) | digitBit(7));

    QWidget* modeLine = findControl(notesModeTextId);
    pressKey(2, 2, Qt::Key_N);
    EXPECT_TRUE(modeLine->isVisible());
    EXPECT_EQ(controlText(notesModeTextId), "Notes mode (N)");
    EXPECT_FALSE(modeLine->geometry().intersects(findControl(hintTextId)->geometry()));
    typeInto(2, 2, "19");
    pressKey(2, 2, Qt::Key_N);
    EXPECT_FALSE(modeLine->isVisible());
    EXPECT_EQ(notesOf(2, 2), digitBit(1) | digitBit(5) | digitBit(7) | digitBit(9));

    std::vector<QString> checked;
    QTimer::singleShot(50, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QMenu* own = menu->actions().back()->menu();
        ASSERT_NE(own, nullptr);
        for (QAction* toggle : own->actions()) {
            checked.push_back(toggle->isChecked() ? toggle->text() : "");
        }
        own->actions().at(1)->trigger();
        menu->close();
    });
    pressKey(2, 2, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(checked, (std::vector<QString>{"1\tCtrl+1", "", "", "", "5\tCtrl+5", "", "7\tCtrl+7", "", "9\tCtrl+9"}));
    EXPECT_EQ(notesOf(2, 2), digitBit(1) | digitBit(2) | digitBit(5) | digitBit(7) | digitBit(9));

    typeInto(2, 2, "4");
    pressKey(2, 2, Qt::Key_1, ctrl);
    EXPECT_EQ(notesOf(2, 2), 0) << "a filled cell keeps notes";
    pressKey(2, 2, Qt::Key_Backspace);
    pressKey(2, 2, Qt::Key_8, ctrl);
    pressKey(2, 2, Qt::Key_Delete);
    EXPECT_EQ(notesOf(2, 2), 0) << "Delete in an empty cell leaves its notes";
}

TEST_F(Notes, APlacedDigitLeavesItsPeersNotesAndUndoAndRedoKeepEveryStrikeAndToggle)
{
    pressKey(0, 0, Qt::Key_F, ctrlShift);
    const GameState filled = game;
    EXPECT_EQ(notesOf(8, 8), 0x3FE);
    typeInto(4, 4, "5");
    int struck = 0;
    for (const GameCell& each : game.cells) {
        struck += (each.notes & digitBit(5)) == 0 ? 1 : 0;
    }
    EXPECT_EQ(struck, 21) << "the cell itself and its twenty peers";
    const GameState placed = game;
    pressKey(0, 0, Qt::Key_3, ctrl);
    const GameState toggled = game;

    pressKey(0, 0, Qt::Key_Z, ctrl);
    EXPECT_EQ(game, placed) << "undo lost the note toggle";
    pressKey(0, 0, Qt::Key_Z, ctrl);
    EXPECT_EQ(game, filled) << "one undo did not bring back the digit and the notes together";
    pressKey(0, 0, Qt::Key_Y, ctrl);
    pressKey(0, 0, Qt::Key_Y, ctrl);
    EXPECT_EQ(game, toggled) << "redo lost the strike or the toggle";

    give(strikePeerNotesId);
    typeInto(8, 8, "6");
    EXPECT_EQ(notesOf(8, 0) & digitBit(6), digitBit(6)) << "struck though turned off";
    pressKey(0, 0, Qt::Key_Delete, ctrlShift);
    for (const GameCell& each : game.cells) {
        EXPECT_EQ(each.notes, 0);
    }
}

// At 100% a note's digit is 8 pixels high, in its ninth of the field; a
// note that a peer's digit rules out is red and struck through.
TEST_F(Notes, AreDrawnSmallInTheirNinthAndRuledOutOnesStruckThrough)
{
    for (const Qt::Key key : {Qt::Key_1, Qt::Key_8, Qt::Key_9}) {
        pressKey(4, 4, key, ctrl);
    }
    window()->setFocus();
    const QImage notes = cellField(4, 4)->grab().toImage();
    const QRect eight = inkBox(notes, QRect(10, 19, 9, 9), dark);
    for (const QRect& drawn : {inkBox(notes, QRect(2, 2, 9, 9), dark), eight, inkBox(notes, QRect(19, 19, 9, 9), dark)}) {
        EXPECT_EQ(drawn.height(), 8);
    }
    EXPECT_TRUE(inkBox(notes, QRect(2, 10, 26, 9), dark).isEmpty()) << "ink in the middle third";

    give(strikePeerNotesId);
    typeInto(4, 0, "8");  // rules out the 8 below it
    window()->setFocus();
    const QImage ruledOut = cellField(4, 4)->grab().toImage();
    const QRect red = inkBox(ruledOut, QRect(10, 19, 9, 9), reddish);
    EXPECT_TRUE(inkBox(ruledOut, QRect(10, 19, 9, 9), dark).isEmpty()) << "the 8 is still drawn dark";
    EXPECT_GT(red.width(), eight.width()) << "no stroke across the 8";
    EXPECT_TRUE(inkBox(ruledOut, QRect(2, 2, 9, 9), reddish).isEmpty()) << "the 1 is not ruled out";
}

}  // namespace
