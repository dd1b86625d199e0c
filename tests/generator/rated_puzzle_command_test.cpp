#include "controls.h"
#include "main_window_fixture.h"
#include "main_window_keys.h"
#include "puzzle_check.h"
#include "rating_dialog.h"
#include "search.h"
#include "search_progress_window.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace {

using RatingDialog = MainWindowTest;
using NewPuzzleByRating = MainWindowTest;

// Clicks near the control's left end, where an option's circle and caption are.
void click(int id) { QTest::mouseClick(findControl(id), Qt::LeftButton, {}, QPoint(8, 10)); }

QString textOf(int id)
{
    QWidget* control = findControl(id);
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return button->text();
    }
    auto* label = qobject_cast<QLabel*>(control);
    return label != nullptr ? label->text() : QString();
}

// Runs `step` from inside the next wait for window events.
void whileWaiting(std::function<void()> step) { QTimer::singleShot(0, std::move(step)); }

// Runs `step` once the window is open, from inside a wait for events.
void onceOpen(int window, std::function<void()> step)
{
    auto* watch = new QTimer;
    QObject::connect(watch, &QTimer::timeout, [watch, window, step = std::move(step)] {
        if (windowIsOpen(window)) {
            watch->stop();
            watch->deleteLater();
            step();
        }
    });
    watch->start(1);
}

void runNewPuzzleByRating() { dispatchEvent({eventControl, newRatedPuzzleId, typePressed, mainWindow}); }

// The three ways to say no in a window: its Cancel button, Escape, its close box.
void cancelBy(int way, int window, int cancelId)
{
    if (way == 0) {
        click(cancelId);
    } else if (way == 1) {
        // A window's keys reach it once it is the active window.
        findWindow(window)->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(findWindow(window)));
        QTest::keyClick(findWindow(window), Qt::Key_Escape);
    } else {
        findWindow(window)->close();
    }
}

// What a player does to the main window while the dialog or the search
// waits: a digit typed, a note, Clear and Ctrl+Z.
void busyInTheMainWindow()
{
    QTest::keyClicks(MainWindowTest::cellField(4, 4), "7");
    QTest::keyClick(MainWindowTest::cellField(4, 4), Qt::Key_2, Qt::ControlModifier);
    click(clearButtonId);
    QTest::keyClick(MainWindowTest::cellField(4, 4), Qt::Key_Z, Qt::ControlModifier);
}

// A game with something of everything: givens, a digit entered, a note.
void setUpAGame()
{
    startNewGame(std::array<std::uint8_t, 81>{5, 3});
    MainWindowTest::typeInto(8, 8, "9");
    dispatchEvent({eventControl, cellFieldId(7, 7), typeNoteToggled, mainWindow, 4});
}

}  // namespace

TEST_F(RatingDialog, ListsTheGradesWithTheirBandsAndRemembersTheLastChoice)
{
    forgetRatingChoice();
    ASSERT_TRUE(openRatingDialog());
    const Qt::WindowFlags flags = findWindow(ratingDialog)->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    const char* const grades[][2] = {
        {"Easy", "1.0 \u2013 1.4"},
        {"Medium", "1.5 \u2013 2.4"},
        {"Hard", "2.5 \u2013 4.9"},
        {"Diabolical", "5.0 \u2013 6.4"},
        {"Diabolical, chains", "6.5 \u2013 7.4"},
        {"Diabolical, forcing chains", "7.5 \u2013 8.4"},
        {"Diabolical, dynamic chains", "8.5 and up"},
    };
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(textOf(firstGradeOptionId + k), QString::fromUtf8(grades[k][0]));
        EXPECT_EQ(textOf(firstGradeBandId + k), QString::fromUtf8(grades[k][1]));
        EXPECT_EQ(isChecked(firstGradeOptionId + k), k == 0) << grades[k][0];
    }
    EXPECT_FALSE(isChecked(symmetricOptionId));

    whileWaiting([] {
        click(firstGradeOptionId + 2);
        click(symmetricOptionId);
        click(ratingOkId);
    });
    const std::optional<RatingChoice> choice = awaitRatingChoice();
    closeWindow(ratingDialog);
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->band.low, 25);
    EXPECT_EQ(choice->band.high, 49);
    EXPECT_TRUE(choice->symmetric);

    ASSERT_TRUE(openRatingDialog());
    EXPECT_TRUE(isChecked(firstGradeOptionId + 2));
    EXPECT_TRUE(isChecked(symmetricOptionId));
}

TEST_F(RatingDialog, ReturnOnAnOptionPressesOkAndOnCancelCancels)
{
    forgetRatingChoice();
    for (const int focused : {firstGradeOptionId + 1, symmetricOptionId, ratingCancelId}) {
        ASSERT_TRUE(openRatingDialog());
        whileWaiting([focused] {
            findControl(focused)->setFocus();
            QTest::keyClick(findControl(focused), Qt::Key_Return);
            // Ends the wait should Return have pressed nothing.
            postControlEvent(ratingDialog, ratingCancelId, typePressed);
        });
        const std::optional<RatingChoice> choice = awaitRatingChoice();
        closeWindow(ratingDialog);
        discardEvents();
        EXPECT_EQ(choice.has_value(), focused != ratingCancelId) << focused;
    }
}

TEST_F(RatingDialog, CancelEscapeAndTheCloseBoxLeaveTheGameAsItWasAndDropWhatCameMeanwhile)
{
    setUpAGame();
    const GameState before = game;
    for (int way = 0; way < 3; ++way) {
        onceOpen(ratingDialog, [way] {
            busyInTheMainWindow();
            cancelBy(way, ratingDialog, ratingCancelId);
        });
        runNewPuzzleByRating();
        EXPECT_FALSE(windowIsOpen(ratingDialog)) << way;
        EXPECT_FALSE(windowIsOpen(searchProgressWindow)) << way;
        EXPECT_TRUE(takePendingEvents().empty()) << "an event of the wait was left for the main loop";
        EXPECT_EQ(game, before) << way;
        EXPECT_EQ(fieldsInReadingOrder(), gridInReadingOrder());
    }
    undoCommand();
    EXPECT_EQ(cell(7, 7).notes, 0) << "a cancel was recorded as an undo step";
}

TEST_F(NewPuzzleByRating, GivesAMinimalPuzzleOfTheGradeAsGivensInOneUndoStep)
{
    setUpAGame();
    const GameState before = game;
    onceOpen(ratingDialog, [] {
        click(firstGradeOptionId + 1);
        click(ratingOkId);
    });
    runNewPuzzleByRating();
    EXPECT_FALSE(windowIsOpen(ratingDialog));
    EXPECT_FALSE(windowIsOpen(searchProgressWindow));

    const Board puzzle = boardOf(game);
    EXPECT_EQ(countSolutions(puzzle, 2), 1);
    const int er = rateByLadder(puzzle).er;
    EXPECT_GE(er, 15);
    EXPECT_LE(er, 24);
    int givens = 0;
    for (const GameCell& each : game.cells) {
        EXPECT_EQ(each.given, each.value != 0);
        EXPECT_EQ(each.notes, 0);
        givens += each.given ? 1 : 0;
    }
    EXPECT_GE(givens, 17);
    EXPECT_EQ(fieldsInReadingOrder(), gridInReadingOrder());

    undoCommand();
    EXPECT_EQ(game, before);
    redoCommand();
    EXPECT_EQ(boardOf(game).value, puzzle.value);
}

TEST_F(NewPuzzleByRating, ACancelWhileItSearchesLeavesTheGameAsItWasAndDropsWhatCameMeanwhile)
{
    setUpAGame();
    const GameState before = game;
    for (int way = 0; way < 3; ++way) {
        onceOpen(ratingDialog, [way] {
            click(firstGradeOptionId + 3);
            click(ratingOkId);
            onceOpen(searchProgressWindow, [way] {
                EXPECT_EQ(textOf(searchTextId), QString::fromUtf8("Diabolical, rated 5.0 \u2013 6.4"));
                busyInTheMainWindow();
                cancelBy(way, searchProgressWindow, searchCancelId);
            });
        });
        runNewPuzzleByRating();
        EXPECT_FALSE(windowIsOpen(searchProgressWindow)) << way;
        EXPECT_TRUE(takePendingEvents().empty()) << "an event of the search was left for the main loop";
        EXPECT_EQ(game, before) << way;
        EXPECT_EQ(fieldsInReadingOrder(), gridInReadingOrder());
    }
    undoCommand();
    EXPECT_EQ(cell(7, 7).notes, 0) << "a cancel was recorded as an undo step";
}
