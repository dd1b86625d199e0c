#include "clear_command.h"
#include "controls.h"
#include "difficulty_dialog.h"
#include "generate_command.h"
#include "main_window_fixture.h"
#include "progress_window.h"
#include "puzzle_text.h"
#include "search.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTimer>

#include <functional>
#include <vector>

namespace {

using DifficultyDialog = MainWindowTest;
using GenerateCommand = MainWindowTest;

QAbstractButton* button(int id) { return qobject_cast<QAbstractButton*>(findControl(id)); }

void click(int id) { QTest::mouseClick(findControl(id), Qt::LeftButton); }

std::vector<int> checkedOptions()
{
    std::vector<int> checked;
    for (int id = easyOptionId; id <= hardOptionId; ++id) {
        if (isChecked(id)) {
            checked.push_back(id);
        }
    }
    return checked;
}

// Runs `step` from inside the next wait for window events, as the user's
// actions would come while the program waits.
void whileWaiting(std::function<void()> step) { QTimer::singleShot(0, std::move(step)); }

Board gridBoard() { return Board::fromGrid(); }

int emptyCells(const Board& board, int unit)
{
    int empty = 0;
    for (int cell : unitCells[unit]) {
        empty += board.value[cell] == 0 ? 1 : 0;
    }
    return empty;
}

int clearCalls = 0;
void countingClear()
{
    ++clearCalls;
    clearCommand();
}

// What Generate shows, cell by cell in reading order, '.' for an empty
// cell and '?' for one it did not show.
std::string shown;
void recordShown(int fieldId, std::string_view text)
{
    const int column = (fieldId - 17) / 9;
    const int row = (fieldId - 17) % 9;
    shown.at(static_cast<std::size_t>(9 * row + column)) = text.empty() ? '.' : text[0];
}

TEST_F(DifficultyDialog, HasItsTitleSizeAndControlsInPlace)
{
    ASSERT_TRUE(openDifficultyDialog());
    QWidget* dialog = findWindow(difficultyDialog);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QString("Select Difficulty."));
    EXPECT_EQ(dialog->size(), QSize(180, 150));

    auto* prompt = qobject_cast<QLabel*>(findControl(difficultyPromptId));
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->text(), QString("Please Select Difficulty of Puzzle"));
    EXPECT_EQ(prompt->geometry(), QRect(0, 10, 180, 40));
    EXPECT_TRUE(prompt->alignment().testFlag(Qt::AlignHCenter));
    // Its one line stays clear of the first option, whatever the default font.
    const QFontMetrics metrics(prompt->font());
    EXPECT_LE(metrics.horizontalAdvance(prompt->text()), 180);
    EXPECT_LE(10 + metrics.height(), 30 + 5);

    const char* const captions[] = {"Easy", "Gentle", "Tricky", "Hard"};
    for (int k = 0; k < 4; ++k) {
        QAbstractButton* option = button(easyOptionId + k);
        ASSERT_NE(option, nullptr);
        EXPECT_EQ(option->text(), QString(captions[k]));
        EXPECT_EQ(option->geometry(), QRect(65, 30 + 20 * k, 75, 20));
        EXPECT_EQ(option->window(), dialog);
    }
    ASSERT_NE(button(difficultyOkId), nullptr);
    EXPECT_EQ(button(difficultyOkId)->text(), QString("OK"));
    EXPECT_EQ(button(difficultyOkId)->geometry(), QRect(60, 120, 60, 25));
}

TEST_F(DifficultyDialog, OffersNoWayToCloseItButOkAndStaysOnTop)
{
    ASSERT_TRUE(openDifficultyDialog());
    const Qt::WindowFlags flags = findWindow(difficultyDialog)->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));

    findWindow(difficultyDialog)->close();
    QApplication::processEvents();
    EXPECT_TRUE(windowIsOpen(difficultyDialog)) << "a close request from the window manager closed it";
}

TEST_F(DifficultyDialog, OpensCentredOverTheMainWindow)
{
    window()->move(40, 30);
    QApplication::processEvents();
    ASSERT_TRUE(openDifficultyDialog());
    const QPoint offset = findWindow(difficultyDialog)->frameGeometry().center() - window()->frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << ", " << offset.y();
}

TEST_F(DifficultyDialog, OpensWithEasyCheckedEveryTime)
{
    ASSERT_TRUE(openDifficultyDialog());
    EXPECT_EQ(checkedOptions(), std::vector<int>{easyOptionId});
    EXPECT_EQ(checkedDifficulty(), 1);
    click(hardOptionId);
    EXPECT_EQ(checkedDifficulty(), 4);
    closeWindow(difficultyDialog);

    ASSERT_TRUE(openDifficultyDialog());
    EXPECT_EQ(checkedOptions(), std::vector<int>{easyOptionId});
}

TEST_F(DifficultyDialog, KeepsExactlyOneOptionChecked)
{
    ASSERT_TRUE(openDifficultyDialog());
    click(hardOptionId);
    click(gentleOptionId);
    EXPECT_EQ(checkedOptions(), std::vector<int>{gentleOptionId});
    click(gentleOptionId);
    EXPECT_EQ(checkedOptions(), std::vector<int>{gentleOptionId}) << "clicking the checked option unchecked it";
    click(trickyOptionId);
    EXPECT_EQ(checkedOptions(), std::vector<int>{trickyOptionId});
    EXPECT_EQ(checkedDifficulty(), 3);
}

TEST_F(DifficultyDialog, OkYieldsTheCheckedDifficultyAndEveryOtherEventIsDropped)
{
    const int options[] = {easyOptionId, gentleOptionId, trickyOptionId, hardOptionId};
    for (int k = 0; k < 4; ++k) {
        ASSERT_TRUE(openDifficultyDialog());
        postControlEvent(mainWindow, clearButtonId, typePressed);
        postCloseEvent(mainWindow);
        whileWaiting([&] {
            click(options[k]);
            QTest::keyClicks(cellField(0, 0), "5");
            click(difficultyOkId);
        });
        EXPECT_EQ(awaitDifficulty(), k + 1);
        closeWindow(difficultyDialog);
        EXPECT_TRUE(takePendingEvents().empty()) << "an event of the wait was left for the main loop";
        EXPECT_EQ(cellField(0, 0)->text(), QString()) << "a cell took typing while the dialog waited";
        EXPECT_EQ(value(0, 0), "") << "an edit made while the dialog waited reached the game";
    }
}

TEST_F(GenerateCommand, ShowsAPuzzleOfTheChosenDifficulty)
{
    whileWaiting([] {
        click(hardOptionId);
        click(difficultyOkId);
    });
    clearCalls = 0;
    shown = std::string(81, '?');
    generateCommand(countingClear, recordShown);

    EXPECT_EQ(clearCalls, 1);
    EXPECT_FALSE(windowIsOpen(difficultyDialog));
    EXPECT_FALSE(windowIsOpen(progressWindow));
    const Board puzzle = gridBoard();
    EXPECT_EQ(countSolutions(puzzle, 2), 1);
    for (int line = 0; line < 18; ++line) {
        EXPECT_GE(emptyCells(puzzle, line), 4) << "line " << line;
    }
    EXPECT_EQ(shown, formatPuzzle(puzzle));
    // What the removal left before the column and row minimum: the puzzle's
    // clues and more.
    for (int cell = 0; cell < 81; ++cell) {
        const std::string kept = solution[columnOf(cell)][rowOf(cell)];
        if (puzzle.value[cell] != 0) {
            EXPECT_EQ(kept, std::string(1, static_cast<char>('0' + puzzle.value[cell])));
        }
    }
}

TEST_F(GenerateCommand, AMainWindowButtonPressedWhileTheDialogWaitsDoesNothingThenOrLater)
{
    whileWaiting([] {
        click(clearButtonId);
        click(generateButtonId);
        click(difficultyOkId);
    });
    // The Generate button runs the command as the main loop would.
    dispatchEvent({eventControl, generateButtonId, typePressed, mainWindow});
    const std::string shown = fieldsInReadingOrder();
    ASSERT_NE(shown, std::string(81, '.'));
    EXPECT_FALSE(windowIsOpen(difficultyDialog));

    for (int pass = 0; pass < 5; ++pass) {
        for (const UiEvent& event : takePendingEvents()) {
            EXPECT_FALSE(event.kind == eventControl && event.controlId < 5) << "button " << event.controlId;
            dispatchEvent(event);
        }
        QTest::qWait(10);
    }
    EXPECT_EQ(fieldsInReadingOrder(), shown);
    EXPECT_FALSE(windowIsOpen(difficultyDialog)) << "a second Generate ran";
}

TEST_F(GenerateCommand, TheBarRunsFromOneToAHundredThroughTheBuild)
{
    std::vector<int> bars;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* bar = qobject_cast<QProgressBar*>(findControl(progressBarId))) {
            bars.push_back(bar->value());
            QObject::connect(bar, &QProgressBar::valueChanged, [&](int position) { bars.push_back(position); });
            watch.stop();
        }
    });
    watch.start(0);
    whileWaiting([] { click(difficultyOkId); });
    shown = std::string(81, '?');
    generateCommand(clearCommand, recordShown);

    // The bar may be seen at its start, 0, while its window comes on the screen.
    if (!bars.empty() && bars.front() == 0) {
        bars.erase(bars.begin());
    }
    ASSERT_GE(bars.size(), 15U);
    EXPECT_EQ(std::vector<int>(bars.begin(), bars.begin() + 5), (std::vector<int>{1, 5, 10, 11, 12}));
    EXPECT_EQ(std::vector<int>(bars.end() - 10, bars.end()), (std::vector<int>{91, 92, 93, 94, 95, 96, 97, 98, 99, 100}));
    for (std::size_t k = 5; k + 10 < bars.size(); ++k) {
        EXPECT_TRUE(bars[k] == std::min(bars[k - 1] + 2, 90) || bars[k] == 91 || bars[k] == 5) << "at " << k;
    }
}

TEST_F(GenerateCommand, ProgressWindowIsCentredOnTheScreenWhereverTheMainWindowIs)
{
    window()->move(0, 0);
    QApplication::processEvents();
    ASSERT_TRUE(openProgressWindow());
    QWidget* progress = findWindow(progressWindow);
    EXPECT_EQ(progress->windowTitle(), QString("Generating Puzzle"));
    EXPECT_EQ(progress->size(), QSize(210, 35));
    const QPoint offset = progress->frameGeometry().center() - QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << ", " << offset.y();

    auto* bar = qobject_cast<QProgressBar*>(findControl(progressBarId));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->geometry(), QRect(5, 5, 200, 25));
    EXPECT_EQ(bar->orientation(), Qt::Horizontal);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 100);
    EXPECT_EQ(bar->value(), 0);
    const Qt::WindowFlags flags = progress->windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(GenerateCommand, ReturnsLeavingTheGridAloneWhenAWindowCannotOpen)
{
    typePuzzle("12" + std::string(79, '.'));
    clearCalls = 0;
    shown = std::string(81, '?');

    // A window of that number is open already, so the dialog cannot open.
    ASSERT_TRUE(openWindow(difficultyDialog, "in the way", 50, 50, styleTitleOnly, Placement::centredOnScreen));
    generateCommand(countingClear, recordShown);
    EXPECT_EQ(clearCalls, 0);
    EXPECT_EQ(fieldsInReadingOrder(), "12" + std::string(79, '.'));
    closeWindow(difficultyDialog);

    ASSERT_TRUE(openWindow(progressWindow, "in the way", 50, 50, styleTitleOnly, Placement::centredOnScreen));
    whileWaiting([] { click(difficultyOkId); });
    generateCommand(countingClear, recordShown);
    EXPECT_EQ(clearCalls, 0);
    EXPECT_FALSE(windowIsOpen(difficultyDialog));
    EXPECT_EQ(fieldsInReadingOrder(), "12" + std::string(79, '.'));
    EXPECT_EQ(value(0, 0), "1");
    EXPECT_EQ(value(1, 0), "2");
    EXPECT_EQ(shown, std::string(81, '?'));
}

}  // namespace
