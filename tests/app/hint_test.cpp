#include "about_windows.h"
#include "balloon.h"
#include "cell_field.h"
#include "clear_command.h"
#include "clipboard.h"
#include "controls.h"
#include "difficulty_dialog.h"
#include "main_window_fixture.h"
#include "main_window_keys.h"
#include "message_answer.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <set>
#include <sstream>

namespace {

using HintCommand = MainWindowTest;
using CheckPuzzle = MainWindowTest;
using HintAndCheck = MainWindowTest;

// Row 1 holds 1 to 8: its last cell takes the missing 9.
const std::string nineMissingFromRow1 = "12345678." + std::string(72, '.');
// Column 1 holds a 6 and box 4 has 1, 2 and 3 in column 3: the 6 of box 4
// can only go in column 2, which rules it out of the column's cells below.
const std::string pointingInBox4 = std::string(".........") + "6...8...9" + "........." + "..1....2." + "..2....3."
                               + "..3....5." + "..5....1." + "........." + ".........";
const std::string puzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string solved =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

const std::string xWingThenXYWing =
    "1.85..4.6....7.9..53...4..7..1.6...8.9.4.8.7.8...5.6..7..1...69..6.8....9.4..62.5";

// The headline in the corner below the buttons.
std::string hintText() { return controlText(hintTextId); }

// What the balloon beside the window says, its title first; empty while it
// is hidden.
std::string balloonSays()
{
    const QWidget* balloon = shownBalloon();
    if (balloon == nullptr) {
        return "";
    }
    QTextDocument shown;
    shown.setHtml(balloon->findChild<QLabel*>()->text());
    return shown.toPlainText().toStdString();
}

void paste(const std::string& puzzle)
{
    setClipboardText(puzzle);
    MainWindowTest::give(pastePuzzleId);
}

// Hints, each shown and made, until one of that technique is shown.
void hintUntil(const std::string& headline)
{
    for (int k = 0; k < 100 && hintText() != headline; ++k) {
        MainWindowTest::give(hintId);
    }
    ASSERT_EQ(hintText(), headline);
}

bool isFrameBlue(const QColor& pixel) { return pixel.blue() > 150 && pixel.red() < 60 && pixel.green() < 120; }

// Whether the cell is drawn marked: the hint's frame lies over the left edge
// of its field, halfway down.
bool looksMarked(int column, int row)
{
    const QImage drawn = MainWindowTest::window()->grab().toImage();
    const QRect field = MainWindowTest::cellField(column, row)->geometry();
    return isFrameBlue(drawn.pixelColor(field.left() + 1, field.center().y()));
}

// The candidates of the empty cells as the grid marks them: "r3c5 1 proof",
// "r3c8 1 struck", "r1c9 9 placed", told by the colours at the note's place:
// blue on both sides of the digit for the disc of a placed digit, else a
// red digit or a blue one.
using Marks = std::set<std::string>;
Marks marksShown()
{
    const QImage drawn = MainWindowTest::window()->grab().toImage();
    Marks marks;
    for (int cell = 0; cell < 81; ++cell) {
        if (game.cells[cell].value != 0) {
            continue;
        }
        const QWidget* field = MainWindowTest::cellField(columnOf(cell), rowOf(cell));
        for (int digit = 1; digit <= 9; ++digit) {
            const QRectF place = notePlace(field, digit).translated(field->pos());
            const QPointF side(place.width() * 0.47, 0);
            const bool disc = isFrameBlue(drawn.pixelColor((place.center() - side).toPoint()))
                              && isFrameBlue(drawn.pixelColor((place.center() + side).toPoint()));
            // Clear of the frame, which reaches into the places along the
            // cell's edge.
            const QRectF middle(place.center() - QPointF(place.width(), place.height()) * 0.2,
                                QSizeF(place.width(), place.height()) * 0.4);
            const QRect core = middle.toRect();
            int blue = 0;
            int red = 0;
            for (int y = core.top(); y <= core.bottom(); ++y) {
                for (int x = core.left(); x <= core.right(); ++x) {
                    const QColor pixel = drawn.pixelColor(x, y);
                    blue += isFrameBlue(pixel) ? 1 : 0;
                    red += pixel.red() > 150 && pixel.green() < 60 && pixel.blue() < 60 ? 1 : 0;
                }
            }
            const char* shape = disc ? "placed" : red >= 3 ? "struck" : blue >= 3 ? "proof" : nullptr;
            if (shape != nullptr) {
                std::ostringstream mark;
                mark << 'r' << rowOf(cell) + 1 << 'c' << columnOf(cell) + 1 << ' ' << digit << ' ' << shape;
                marks.insert(mark.str());
            }
        }
    }
    return marks;
}

// The balloon in full: beside the main window, on the screen, in the
// desktop's font at the zoom, its whole text shown without scrolling, and
// clear of the cells it names.
void expectBalloonReadable(double zoom, const std::vector<QPoint>& namedCells)
{
    const QWidget* balloon = shownBalloon();
    ASSERT_NE(balloon, nullptr);
    const QRect place = balloon->geometry();
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(place));
    for (const QPoint& cell : namedCells) {
        const QWidget* field = MainWindowTest::cellField(cell.x(), cell.y());
        EXPECT_FALSE(place.intersects(QRect(field->mapToGlobal(QPoint(0, 0)), field->size())))
            << "it covers row " << cell.y() + 1 << ", column " << cell.x() + 1;
    }
    EXPECT_DOUBLE_EQ(balloon->font().pointSizeF(), QApplication::font().pointSizeF() * zoom);
    const QLabel* text = balloon->findChild<QLabel*>();
    EXPECT_FALSE(balloon->findChild<QScrollArea*>()->verticalScrollBar()->isVisible()) << "the reason scrolls";
    EXPECT_GE(text->height(), text->heightForWidth(text->width())) << "the reason is cut off";
}

TEST_F(HintCommand, MarksTheStepsCandidatesAndGivesItsReasonInFullBesideTheWindowUntilTheGridChanges)
{
    paste(xWingThenXYWing);
    hintUntil("X-Wing (3.2)");
    EXPECT_EQ(balloonSays(), "X-Wing (3.2)\nIn columns 5 and 7, the 1 fits only in rows 3 and 5, so those two rows "
                             "have their 1s there: row 3, column 8 and row 5, column 9 cannot be 1.\n\n"
                             "Hint again (Ctrl+H) to make this step.");
    EXPECT_EQ(marksShown(),
              (Marks{"r3c5 1 proof", "r5c5 1 proof", "r3c7 1 proof", "r5c7 1 proof", "r3c8 1 struck", "r5c9 1 struck"}));
    EXPECT_TRUE(looksMarked(4, 2));
    EXPECT_FALSE(looksMarked(7, 2)) << "a struck candidate's cell is not the pattern's";
    expectBalloonReadable(1.0, {});
    EXPECT_FALSE(shownBalloon()->geometry().intersects(window()->frameGeometry())) << "not beside the window";

    give(hintId);
    hintUntil("XY-Wing (4.2)");
    EXPECT_EQ(marksShown(), (Marks{"r3c7 1 proof", "r3c7 8 proof", "r2c9 1 proof", "r2c9 3 proof", "r7c7 3 proof",
                                   "r7c7 8 proof", "r8c9 3 struck"}));
    EXPECT_EQ(cell(8, 1).notes, 0) << "the marks are no notes";

    typeInto(0, 3, "5");
    EXPECT_EQ(hintText(), "");
    EXPECT_EQ(shownBalloon(), nullptr);
    EXPECT_EQ(marksShown(), Marks{}) << "marks shown after the grid changed";
    EXPECT_FALSE(looksMarked(6, 2));

    give(hintId);
    ASSERT_NE(shownBalloon(), nullptr);
    give(clearButtonId);
    EXPECT_EQ(shownBalloon(), nullptr) << "Clear changes the grid too";
}

// The pixels of a chain's weak links, which are orange: no digit, note or
// mark is.
int weakLinkPixels()
{
    const QImage drawn = MainWindowTest::window()->grab().toImage();
    int orange = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor pixel = drawn.pixelColor(x, y);
            orange += pixel.red() > 170 && pixel.green() > 60 && pixel.green() < 140 && pixel.blue() < 60 ? 1 : 0;
        }
    }
    return orange;
}

// The 28th step of a diabolical puzzle: if row 2, column 1 is 6, a chain of
// eight more links leads back to its not being 6.
TEST_F(HintCommand, DrawsAChainFromCandidateToCandidate)
{
    paste(".83.2..9....8..1...293....8....987...7.....6...674....3....698...2..5....1..3.54.");
    hintUntil("Forcing chain (7.2)");
    EXPECT_GT(weakLinkPixels(), 100);
    pressKey(4, 4, Qt::Key_Equal, Qt::ControlModifier);
    pressKey(4, 4, Qt::Key_Equal, Qt::ControlModifier);
    pressKey(4, 4, Qt::Key_Equal, Qt::ControlModifier);
    // At 200%, where the digits a chain takes only as false, in plain type,
    // are large enough to read. The links cross other places, which the
    // marks' reading takes for marks too: every mark of the chain must be
    // among those read.
    const Marks chain = {"r2c1 5 proof", "r2c1 6 struck", "r6c1 5 proof", "r6c9 5 proof", "r6c9 9 proof",
                         "r6c2 9 proof", "r8c2 9 proof", "r8c2 6 proof", "r8c1 6 proof"};
    const Marks shown = marksShown();
    EXPECT_TRUE(std::includes(shown.begin(), shown.end(), chain.begin(), chain.end()));
    // Four weak links, the longest across row 6 and back: some hundreds of
    // dashes' pixels.
    EXPECT_GT(weakLinkPixels(), 400);
    EXPECT_TRUE(looksMarked(0, 1)) << "the cell the chain starts from";
    // No place of the offscreen screen keeps the balloon off the chain's
    // cells at 200%: it takes the usual size, as at 100%.
    expectBalloonReadable(1.0, {{0, 1}, {0, 5}, {8, 5}, {1, 5}, {1, 7}, {0, 7}});
    give(hintId);
    EXPECT_EQ(weakLinkPixels(), 0) << "the chain outlived its step";
}

TEST_F(HintCommand, AtTwoHundredPercentTheMarksAndTheBalloonScaleAndTheBalloonKeepsOffTheNamedCell)
{
    typePuzzle(nineMissingFromRow1);
    pressKey(4, 4, Qt::Key_Equal, Qt::ControlModifier);
    pressKey(4, 4, Qt::Key_Equal, Qt::ControlModifier);
    pressKey(4, 4, Qt::Key_Equal, Qt::ControlModifier);
    ASSERT_EQ(window()->size(), QSize(700, 544));
    give(hintId);
    EXPECT_EQ(hintText(), "Last empty cell (1.0)");
    EXPECT_EQ(marksShown(), Marks{"r1c9 9 placed"});
    // The offscreen screen leaves no room beside the window at 200%: the
    // balloon goes over the grid, away from the cell it names.
    expectBalloonReadable(2.0, {{8, 0}});
    pressKey(4, 4, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(marksShown(), Marks{"r1c9 9 placed"});
    expectBalloonReadable(1.0, {{8, 0}});
}

// The frame is three pixels wide on every side of the cell at 100%, six at
// 200%, counted at each side's middle.
TEST_F(HintCommand, FramesTheCellAlikeOnAllFourSides)
{
    typePuzzle(nineMissingFromRow1);
    give(hintId);
    for (const int zoom : {1, 2}) {
        const QImage drawn = window()->grab().toImage();
        const QRect field = cellField(8, 0)->geometry();
        const auto frameWidth = [&](QPoint from, QPoint step) {
            int width = 0;
            for (QPoint at = from; drawn.pixelColor(at) == QColor(0, 70, 200); at += step) {
                ++width;
            }
            return width;
        };
        const QPoint middle = field.center();
        EXPECT_EQ(frameWidth({field.left(), middle.y()}, {1, 0}), 3 * zoom) << "left";
        EXPECT_EQ(frameWidth({field.right(), middle.y()}, {-1, 0}), 3 * zoom) << "right";
        EXPECT_EQ(frameWidth({middle.x(), field.top()}, {0, 1}), 3 * zoom) << "top";
        EXPECT_EQ(frameWidth({middle.x(), field.bottom()}, {0, -1}), 3 * zoom) << "bottom";
        pressKey(4, 4, Qt::Key_Equal, Qt::ControlModifier);
        pressKey(4, 4, Qt::Key_Equal, Qt::ControlModifier);
        pressKey(4, 4, Qt::Key_Equal, Qt::ControlModifier);
    }
}

TEST_F(HintCommand, SecondHintPlacesTheDigitAsTypedAndAsOneUndoStep)
{
    typePuzzle(nineMissingFromRow1);
    pressKey(0, 8, Qt::Key_H, Qt::ControlModifier);
    pressKey(0, 8, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(value(8, 0), "9");
    EXPECT_EQ(cellField(8, 0)->text(), "9");
    EXPECT_EQ(colour(8, 0), QColor(1, 0, 0));
    EXPECT_EQ(hintText(), "") << "the step is made; its headline goes";
    EXPECT_EQ(shownBalloon(), nullptr) << "the step is made; its reason goes";
    EXPECT_FALSE(looksMarked(8, 0));

    pressKey(0, 8, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(gridInReadingOrder(), nineMissingFromRow1);
    pressKey(0, 8, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(gridInReadingOrder(), "1234567" + std::string(74, '.')) << "the hints took more than one step";
}

TEST_F(HintCommand, HintsOneAfterAnotherSolveAPuzzle)
{
    typePuzzle(puzzle);
    for (int k = 0; k < 2 * 81 && fieldsInReadingOrder() != solved; ++k) {
        give(hintId);
    }
    EXPECT_EQ(fieldsInReadingOrder(), solved);
    give(hintId);
    EXPECT_EQ(balloonSays(), "No hint\nThe puzzle is complete.");
}

// Column 2 holds 6 in none of rows 7 to 9's notes once the step is made,
// and in all of them again once it is undone.
TEST_F(HintCommand, AStepStrikesTheNotesItEliminatesForTheHintsAfterItAndUndoBringsThemBack)
{
    typePuzzle(pointingInBox4);
    give(fillInNotesId);
    give(hintId);
    const std::string pointing = balloonSays();
    EXPECT_EQ(pointing, "Pointing (2.6)\nIn box 4, the 6 can only go in column 2, so it cannot be in column 2 outside "
                        "box 4: column 2, rows 7, 8 and 9 cannot be 6.\n\nHint again (Ctrl+H) to make this step.");
    EXPECT_EQ(marksShown(), (Marks{"r4c2 6 proof", "r5c2 6 proof", "r6c2 6 proof", "r7c2 6 struck", "r8c2 6 struck",
                                   "r9c2 6 struck"}));
    const auto sixesInNotes = [] {
        std::string rows;
        for (int row = 0; row < 9; ++row) {
            rows += (cell(1, row).notes & digitBit(6)) ? std::to_string(row + 1) : "";
        }
        return rows;
    };
    ASSERT_EQ(sixesInNotes(), "456789");
    const DigitMask otherNotes = cell(1, 7).notes & static_cast<DigitMask>(~digitBit(6));

    give(hintId);
    EXPECT_EQ(fieldsInReadingOrder(), pointingInBox4) << "pointing places no digit";
    EXPECT_EQ(sixesInNotes(), "456");
    EXPECT_EQ(cell(1, 7).notes, otherNotes) << "the step struck other notes too";
    give(hintId);
    EXPECT_NE(balloonSays(), "");
    EXPECT_NE(balloonSays(), pointing) << "the step's strikes were forgotten";

    pressKey(0, 0, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(sixesInNotes(), "456789") << "undo left the step's note strikes";
    give(hintId);
    EXPECT_EQ(balloonSays(), pointing) << "undo left the step's strikes for the hints";
}

TEST_F(HintCommand, WithoutAStepItSaysWhyAgainAtEverySecondHintAndChangesNothing)
{
    typeInto(0, 0, "5");
    typeInto(5, 0, "5");
    for (int k = 0; k < 2; ++k) {
        give(hintId);
        EXPECT_EQ(hintText(), "No hint");
        EXPECT_EQ(balloonSays(), "No hint\nThe grid has a clash: Row 1, column 1 and row 1, column 6 both hold 5.");
        expectBalloonReadable(1.0, {{0, 0}, {5, 0}});
    }
    EXPECT_EQ(fieldsInReadingOrder(), "5....5..." + std::string(72, '.'));
}

TEST_F(CheckPuzzle, GivesTheSolutionCountTheRatingAndTheHardestStepInPlainWordsOrTheClashingCells)
{
    // Swapping the 6s and 7s of rows 1 and 4, columns 4 and 5, gives a
    // second solution.
    std::string twoWays = solved;
    for (const int cell : {3, 4, 30, 31}) {
        twoWays[cell] = '.';
    }
    const struct {
        std::string values;
        const char* message;
    } cases[] = {
        {".8.2..4..57....1....23.....82..9...5...715...7...2..41.....67....3....18..7..9.5.",
         "Solutions: one.\nHard: rated 3.4 on Sudoku Explainer's scale.\nHardest step: Hidden pair. Two digits "
         "that fit only in the same two cells of a row, column or box take those cells, so those cells hold no "
         "other digit."},
        {twoWays, "Solutions: two or more.\nNot a proper puzzle: it has more than one solution."},
        {solved, "Solutions: one.\nComplete: every cell is filled."},
        // Clash-free, yet the bottom-right cell can hold nothing.
        {"........9" + std::string(63, '.') + "12345678.",
         "Solutions: none.\nNot a puzzle: no filling fits these givens."},
        // Two 5s in row 1, two 9s in row 3 and three 7s in box 9.
        {"5...5...." + std::string(9, '.') + ".9.....9." + std::string(27, '.') + "........7" + "......7.."
             + ".......7.",
         "Solutions: none.\nNot a puzzle: two givens share a row, column or box.\n\n"
         "The 5s in row 1, column 1 and row 1, column 5 clash.\n"
         "The 7s in row 7, column 9; row 8, column 7 and row 9, column 8 clash.\n"
         "The 9s in row 3, column 2 and row 3, column 8 clash."},
    };
    for (const auto& c : cases) {
        clearCommand();
        window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
        typePuzzle(c.values);
        MessageAnswer answer;
        pressKey(0, 8, Qt::Key_K, Qt::ControlModifier);
        EXPECT_EQ(answer.seen().title, "Check puzzle");
        EXPECT_EQ(answer.seen().text, c.message);
        EXPECT_EQ(fieldsInReadingOrder(), c.values) << "checking changed the grid";
    }
}

// Ctrl+H and Ctrl+K in a cell, the main window active, while `command`'s
// window waits; `end` then ends that wait.
void pressHintAndCheckDuring(int command, std::function<void()> end)
{
    std::string shownMeanwhile = "not looked";
    MessageAnswer answer;
    QTimer::singleShot(0, [&] {
        MainWindowTest::window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(MainWindowTest::window()));
        QLineEdit* field = MainWindowTest::cellField(4, 4);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_H, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_K, Qt::ControlModifier);
        QTimer::singleShot(20, [&] {
            shownMeanwhile = hintText();
            end();
        });
    });
    dispatchEvent({eventControl, command, typePressed, mainWindow});
    MainWindowTest::dispatchPending();

    EXPECT_EQ(shownMeanwhile, "");
    EXPECT_EQ(hintText(), "") << "a hint asked for meanwhile was kept for later";
    EXPECT_FALSE(answer.seen().shown) << "a check asked for meanwhile was made";
}

TEST_F(HintAndCheck, AreDroppedWhileTheDifficultyDialogOrTheAboutWindowWaits)
{
    typePuzzle(nineMissingFromRow1);
    pressHintAndCheckDuring(aboutButtonId, [] { findWindow(aboutWindow)->close(); });
    pressHintAndCheckDuring(generateButtonId,
                            [] { QTest::mouseClick(findControl(difficultyOkId), Qt::LeftButton); });
}

}  // namespace
