#include "about_command.h"
#include "about_windows.h"
#include "clipboard.h"
#include "controls.h"
#include "difficulty_dialog.h"
#include "main_window_fixture.h"
#include "zoom.h"

#include <QApplication>
#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using Focus = MainWindowTest;
using ArrowKeys = MainWindowTest;
using TypingOver = MainWindowTest;
using WindowKeys = MainWindowTest;

// Events still queued that would run a command or edit a cell; focus
// changes are no such.
int commandsLeft()
{
    const std::vector<UiEvent> left = takePendingEvents();
    return static_cast<int>(std::count_if(left.begin(), left.end(), [](const UiEvent& event) {
        return event.kind == eventControl && event.type != typeFocusGained && event.type != typeFocusLost;
    }));
}

TEST_F(Focus, NoControlHasItAtStartAndTheFirstTabGoesToSolve)
{
    EXPECT_EQ(focusedControl(), -1);
    QTest::keyClick(window(), Qt::Key_Space);
    EXPECT_EQ(commandsLeft(), 0) << "a stray key pressed something";
    QTest::keyClick(window(), Qt::Key_Tab);
    EXPECT_EQ(focusedControl(), solveButtonId);
}

TEST_F(Focus, ReturnAndEnterPressTheFocusedButton)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        typeInto(6, 6, "4");
        findControl(clearButtonId)->setFocus();
        QTest::keyClick(findControl(clearButtonId), key);
        dispatchPending();
        EXPECT_EQ(value(6, 6), "") << "Clear was not pressed";
    }
}

// Where each key leads from every field, one step at a time.
TEST_F(ArrowKeys, StepToTheNextFieldAndWrapWithinTheRowOrColumn)
{
    const struct {
        Qt::Key key;
        int columnStep;
        int rowStep;
    } moves[] = {
        {Qt::Key_Right, 1, 0}, {Qt::Key_Left, 8, 0}, {Qt::Key_Down, 0, 1}, {Qt::Key_Up, 0, 8}};
    for (const auto& move : moves) {
        for (int column = 0; column < 9; ++column) {
            for (int row = 0; row < 9; ++row) {
                pressKey(column, row, move.key);
                const int expected =
                    cellFieldId((column + move.columnStep) % 9, (row + move.rowStep) % 9);
                ASSERT_EQ(focusedControl(), expected)
                    << move.key << " from " << column << ", " << row;
            }
        }
    }
    pressKey(4, 6, Qt::Key_Home);
    EXPECT_EQ(focusedControl(), cellFieldId(0, 6));
    pressKey(4, 6, Qt::Key_End);
    EXPECT_EQ(focusedControl(), cellFieldId(8, 6));
    pressKey(4, 6, Qt::Key_Tab);
    EXPECT_EQ(focusedControl(), cellFieldId(4, 7)) << "Tab keeps its order down the columns";
}

// However the cell got the focus, and wherever its caret stands.
TEST_F(TypingOver, ADigitAlwaysReplacesTheCellsDigit)
{
    QLineEdit* centre = cellField(4, 4);
    const auto typeNow = [centre](const char* digit) {
        QTest::keyClicks(centre, digit);
        dispatchPending();
        return value(4, 4);
    };
    typeInto(4, 4, "7");
    EXPECT_EQ(typeNow("3"), "3") << "a second digit straight after the first";
    centre->setCursorPosition(0);
    EXPECT_EQ(typeNow("8"), "8") << "the caret before the digit";
    QTest::mouseClick(centre, Qt::LeftButton, {}, QPoint(25, 15));
    EXPECT_EQ(typeNow("9"), "9") << "a click on the cell that has the focus";
    typeInto(0, 0, "1");
    QTest::mouseClick(centre, Qt::LeftButton, {}, QPoint(5, 15));
    EXPECT_EQ(typeNow("2"), "2") << "a click from another cell";
    cellField(4, 3)->setFocus();
    QTest::keyClick(cellField(4, 3), Qt::Key_Tab);
    ASSERT_EQ(focusedControl(), cellFieldId(4, 4));
    EXPECT_EQ(typeNow("5"), "5") << "Tab";
    pressKey(3, 4, Qt::Key_Right);
    EXPECT_EQ(typeNow("6"), "6") << "an arrow";
    EXPECT_EQ(centre->text(), QString("6"));
}

TEST_F(WindowKeys, TheCellsContextMenuOffersTheGridCommandsWithTheirKeys)
{
    std::vector<std::pair<QString, QString>> entries;
    QTimer::singleShot(50, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (const QAction* action : menu->actions()) {
            entries.emplace_back(action->text(), action->shortcut().toString());
        }
        menu->actions().at(1)->trigger();
        menu->close();
    });
    setClipboardText(std::string(80, '.') + "4");
    const QPoint inField(10, 10);
    QContextMenuEvent click(QContextMenuEvent::Mouse, inField,
                            cellField(2, 2)->mapToGlobal(inField));
    QApplication::sendEvent(cellField(2, 2), &click);
    dispatchPending();

    const std::vector<std::pair<QString, QString>> expected = {
        {"Copy puzzle", "Ctrl+C"},
        {"Paste puzzle", "Ctrl+V"},
        {"Undo", "Ctrl+Z"},
        {"Redo", "Ctrl+Shift+Z"},
        {"Hint", "Ctrl+H"},
        {"Check puzzle", "Ctrl+K"},
        {"", ""},
        {"Copy with notes", "Ctrl+Shift+C"},
        {"Show mistakes", "Ctrl+M"},
        {"", ""},
        {"Notes mode", "N"},
        {"Fill in notes", "Ctrl+Shift+F"},
        {"Clear notes", "Ctrl+Shift+Del"},
        {"Strike placed digits from notes", ""},
        {"", ""},
        {"Zoom in", "Ctrl+="},
        {"Zoom out", "Ctrl+-"},
        {"Actual size", "Ctrl+0"},
        {"", ""},
        {"Notes of this cell", ""},
    };
    EXPECT_EQ(entries, expected);
    EXPECT_EQ(value(8, 8), "4") << "Paste puzzle did not paste";
}

TEST_F(WindowKeys, CtrlPPressesPrintAndCtrlNGenerate)
{
    for (const auto& [key, button] : {std::pair{Qt::Key_P, 3}, std::pair{Qt::Key_N, 1}}) {
        cellField(4, 4)->setFocus();
        QTest::keyClick(cellField(4, 4), key, Qt::ControlModifier);
        std::vector<int> pressed;
        for (const UiEvent& event : takePendingEvents()) {
            if (event.kind == eventControl && event.type == typePressed)
                pressed.push_back(event.controlId);
        }
        EXPECT_EQ(pressed, std::vector<int>{button}) << "Ctrl+" << char(key);
    }
}

// Every key of the main window, pressed in a cell field, and the keys that
// type into a cell: each would change the game, the window or the clipboard,
// or open a window, if it acted.
void pressEveryWindowKey()
{
    MainWindowTest::window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(MainWindowTest::window()));
    QLineEdit* field = MainWindowTest::cellField(4, 4);
    field->setFocus();
    constexpr Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    constexpr Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Z, ctrl},      {Qt::Key_Y, ctrl},      {Qt::Key_V, ctrl},
        {Qt::Key_Insert, Qt::ShiftModifier},            {Qt::Key_C, ctrl},
        {Qt::Key_N, ctrl},      {Qt::Key_P, ctrl},      {Qt::Key_C, ctrlShift},
        {Qt::Key_M, ctrl},      {Qt::Key_N, {}},        {Qt::Key_F, ctrlShift},
        {Qt::Key_Delete, ctrlShift},                    {Qt::Key_Equal, ctrl},
        {Qt::Key_Minus, ctrl},  {Qt::Key_0, ctrl},      {Qt::Key_7, {}},
        {Qt::Key_3, ctrl},      {Qt::Key_Backspace, {}},
    };
    for (const auto& [key, modifiers] : keys) {
        QTest::keyClick(field, key, modifiers);
    }
}

TEST_F(WindowKeys, AreDroppedWhileTheAboutWindowOrTheDifficultyDialogWaits)
{
    typeInto(0, 0, "5");
    typeOver(0, 0, "6");  // an undo would bring back the 5
    const std::string pasted = std::string(80, '.') + "4";
    setClipboardText(pasted);
    // The keys must be taken, or the test would pass for keys never heard.
    int taken = 0;
    for (QAction* action : window()->actions()) {
        QObject::connect(action, &QAction::triggered, [&taken] { ++taken; });
    }

    QTimer::singleShot(30, [] {
        pressEveryWindowKey();
        findWindow(aboutWindow)->close();
    });
    aboutCommand();
    EXPECT_EQ(taken, 15);
    EXPECT_EQ(commandsLeft(), 0) << "a key's event was kept for the main loop";
    EXPECT_EQ(gridInReadingOrder(), std::string("6").append(80, '.'));
    EXPECT_EQ(fieldsInReadingOrder(), gridInReadingOrder()) << "a cell took typing";
    EXPECT_EQ(cell(4, 4).notes, 0);
    EXPECT_EQ(windowZoom(mainWindow), 100);
    EXPECT_FALSE(findControl(notesModeTextId)->isVisible());
    EXPECT_EQ(clipboardText(), pasted) << "Copy puzzle acted";

    QTimer::singleShot(30, [] {
        pressEveryWindowKey();
        QTest::mouseClick(findControl(difficultyOkId), Qt::LeftButton);
    });
    dispatchEvent({eventControl, generateButtonId, typePressed, mainWindow});
    EXPECT_EQ(taken, 30);
    EXPECT_EQ(commandsLeft(), 0) << "a key's event was kept for the main loop";
    EXPECT_EQ(fieldsInReadingOrder(), gridInReadingOrder());
    EXPECT_EQ(cell(4, 4).notes, 0);
    EXPECT_EQ(windowZoom(mainWindow), 100);
    EXPECT_NE(gridInReadingOrder(), pasted);
    EXPECT_EQ(clipboardText(), pasted) << "Copy puzzle acted";
}

}  // namespace
