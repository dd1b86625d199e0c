#pragma once

#include "controls_registry.h"
#include "event_loop.h"
#include "fonts.h"
#include "game_session.h"
#include "grid.h"
#include "hint_command.h"
#include "main_window.h"
#include "message_answer.h"
#include "pending_events.h"
#include "undo_history.h"
#include "windows.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

// A freshly started main window, active, with an empty grid; the events it
// raises are dispatched as the main loop would.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        resetEngineState();
        forgetGame();
        forgetUndoSteps();
        forgetHint();
        discardEvents();
        quit = 0;
        ASSERT_TRUE(openMainWindow());
        window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    }

    void TearDown() override
    {
        closeAllWindows();
        releaseFonts();
        discardEvents();
        quit = 0;
    }

public:
    static QWidget* window() { return findWindow(mainWindow); }
    static QLineEdit* field(int id) { return qobject_cast<QLineEdit*>(findControl(id)); }
    static QLineEdit* cellField(int column, int row) { return field(cellFieldId(column, row)); }

    static void dispatchPending()
    {
        for (const UiEvent& event : takePendingEvents()) {
            dispatchEvent(event);
        }
    }

    // Presses the keys one at a time in the cell's field, the main loop
    // handling each edit before the next key comes.
    static void typeInto(int column, int row, const std::string& keys)
    {
        QLineEdit* target = cellField(column, row);
        target->setFocus();
        for (const char key : keys) {
            QTest::keyClicks(target, QString(QChar(key)));
            dispatchPending();
        }
    }

    // Gives the cell's field the focus anew and types over its digit.
    static void typeOver(int column, int row, const std::string& keys)
    {
        window()->setFocus();
        typeInto(column, row, keys);
    }

    // A command of the main window given as its key or menu entry would.
    static void give(int commandId)
    {
        postControlEvent(mainWindow, commandId, typePressed);
        dispatchPending();
    }

    static void pressKey(int column, int row, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QLineEdit* target = cellField(column, row);
        target->setFocus();
        QTest::keyClick(target, key, modifiers);
        dispatchPending();
    }

    // The grid's values in reading order, '.' for an empty cell.
    static std::string gridInReadingOrder()
    {
        std::string values;
        for (int row = 0; row < 9; ++row) {
            for (int column = 0; column < 9; ++column) {
                values += value(column, row).empty() ? "." : value(column, row);
            }
        }
        return values;
    }

    // A puzzle as 81 characters in reading order, '.' for an empty cell,
    // typed digit by digit.
    static void typePuzzle(const std::string& puzzle)
    {
        ASSERT_EQ(puzzle.size(), 81U);
        for (int index = 0; index < 81; ++index) {
            if (puzzle[index] != '.') {
                typeInto(index % 9, index / 9, std::string(1, puzzle[index]));
            }
        }
    }

    // The fields' texts in reading order, '.' for an empty field.
    static std::string fieldsInReadingOrder()
    {
        std::string texts;
        for (int row = 0; row < 9; ++row) {
            for (int column = 0; column < 9; ++column) {
                const QString text = cellField(column, row)->text();
                texts += text.isEmpty() ? std::string(".") : text.toStdString();
            }
        }
        return texts;
    }

    static const GameCell& cell(int column, int row) { return game.cells[cellIndex(column, row)]; }
    static std::string value(int column, int row)
    {
        const int digit = cell(column, row).value;
        return digit == 0 ? std::string() : std::string(1, static_cast<char>('0' + digit));
    }
    static QColor colour(int column, int row)
    {
        return cellField(column, row)->palette().color(QPalette::Text);
    }

private:
    UnansweredMessages unansweredMessages_;
};
