#include "cell_field.h"
#include "controls_registry.h"
#include "events.h"
#include "pending_events.h"
#include "windows.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

class CellField : public testing::Test {
protected:
    void SetUp() override
    {
        discardEvents();
        ASSERT_TRUE(openWindow(1, "test", 300, 200, styleCloseBox, Placement::centredOnScreen));
        findWindow(1)->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(findWindow(1)));
        field = qobject_cast<QLineEdit*>(createCellField(1, 20, 0, 0, 30, 30));
        ASSERT_NE(field, nullptr);
        field->setFocus();
        takePendingEvents();
    }
    void TearDown() override
    {
        closeAllWindows();
        discardEvents();
    }

    // The digit and note events raised, as (type, value).
    static std::vector<std::pair<int, int>> edits()
    {
        std::vector<std::pair<int, int>> found;
        for (const UiEvent& event : takePendingEvents()) {
            if (event.type == typeTextChanged || event.type == typeNoteToggled) {
                EXPECT_EQ(event.controlId, 20);
                found.emplace_back(event.type, event.value);
            }
        }
        return found;
    }

    // A key as X11 reports it: the key's symbol and its place on the keyboard.
    void pressAtPlace(Qt::Key key, Qt::KeyboardModifiers modifiers, quint32 place, const QString& text)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, place, 0, 0, text);
        QApplication::sendEvent(field, &press);
    }

    QLineEdit* field = nullptr;
};

TEST_F(CellField, KeysBecomeDigitAndNoteEventsWhereverTheCaretIs)
{
    setCellLook(20, CellLook{.digit = "4"});
    field->setCursorPosition(0);
    QTest::keyClicks(field, "5x");
    field->setCursorPosition(1);
    QTest::keyClick(field, Qt::Key_0);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClick(field, Qt::Key_3, Qt::ControlModifier);
    pressAtPlace(Qt::Key_Percent, Qt::ShiftModifier, 14, "%");        // Shift+5, US layout
    pressAtPlace(Qt::Key_7, Qt::ShiftModifier, 16, "7");              // Shift types 7, AZERTY
    pressAtPlace(Qt::Key_Ampersand, Qt::ControlModifier, 10, "&");    // Ctrl+1, AZERTY
    QTest::keyClick(field, Qt::Key_8, Qt::KeypadModifier);
    const std::vector<std::pair<int, int>> expected = {
        {typeTextChanged, 5}, {typeTextChanged, 0},  {typeTextChanged, 0}, {typeTextChanged, 0},
        {typeNoteToggled, 3}, {typeNoteToggled, 5},  {typeTextChanged, 7}, {typeNoteToggled, 1},
        {typeTextChanged, 8},
    };
    EXPECT_EQ(edits(), expected);
    EXPECT_EQ(field->text(), QString("4")) << "the field changed its own text";
}

TEST_F(CellField, TakesNoEditOfItsOwnByPasteCutOrInputMethod)
{
    setCellLook(20, CellLook{.digit = "6"});
    setCellLook(20, CellLook{.digit = "4"});
    QApplication::clipboard()->setText("7");
    field->selectAll();
    field->paste();
    field->selectAll();
    field->cut();
    QInputMethodEvent composed;
    composed.setCommitString("9");
    QApplication::sendEvent(field, &composed);
    EXPECT_EQ(field->text(), QString("4"));
    EXPECT_TRUE(edits().empty());
}

TEST_F(CellField, BackgroundStaysLightUnderADarkPaletteAndTakesTheTint)
{
    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Base, QColor(40, 40, 40));
    dark.setColor(QPalette::Window, QColor(50, 50, 50));
    findWindow(1)->setPalette(dark);
    setCellLook(20, CellLook{.digit = "4"});
    EXPECT_GT(field->palette().color(QPalette::Base).lightness(), 200);
    EXPECT_EQ(field->palette().color(QPalette::Text), QColor(1, 0, 0));

    setCellLook(20, CellLook{.digit = "4", .tint = CellTint::line});
    const int line = field->palette().color(QPalette::Base).lightness();
    setCellLook(20, CellLook{.digit = "4", .tint = CellTint::digit});
    const int digit = field->palette().color(QPalette::Base).lightness();
    EXPECT_GT(line, digit) << "the digit's tint is the stronger";
    EXPECT_GT(digit, 150);
}

}  // namespace
