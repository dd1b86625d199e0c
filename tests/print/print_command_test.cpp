#include "print_command.h"

#include "grid.h"
#include "print_fixtures.h"
#include "recording_printer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr PrintColour grey{192, 192, 192};
constexpr PrintColour black{0, 0, 0};
constexpr PrintColour orange{240, 73, 2};

// Collapses runs of the same operation, leaving the order of the steps.
std::vector<std::string> steps(const std::vector<std::string>& operations)
{
    std::vector<std::string> result;
    std::unique_copy(operations.begin(), operations.end(), std::back_inserter(result));
    return result;
}

const std::vector<PrintedLine> lattice = {
    // thin lines, one box column and row at a time
    {142, 370, 1930, 370, grey},
    {142, 570, 1930, 570, grey},
    {340, 172, 340, 1960, grey},
    {540, 172, 540, 1960, grey},
    {142, 970, 1930, 970, grey},
    {142, 1170, 1930, 1170, grey},
    {940, 172, 940, 1960, grey},
    {1140, 172, 1140, 1960, grey},
    {142, 1570, 1930, 1570, grey},
    {142, 1770, 1930, 1770, grey},
    {1540, 172, 1540, 1960, grey},
    {1740, 172, 1740, 1960, grey},
    // horizontal box-line pairs, the second line orange
    {140, 170, 1950, 170, black},
    {140, 171, 1950, 171, orange},
    {140, 770, 1950, 770, black},
    {140, 771, 1950, 771, orange},
    {140, 1370, 1950, 1370, black},
    {140, 1371, 1950, 1371, orange},
    {140, 1970, 1950, 1970, black},
    {140, 1971, 1950, 1971, orange},
    // vertical box-line pairs, both black
    {140, 172, 140, 1970, black},
    {141, 172, 141, 1970, black},
    {740, 172, 740, 1970, black},
    {741, 172, 741, 1970, black},
    {1340, 172, 1340, 1970, black},
    {1341, 172, 1341, 1970, black},
    {1940, 172, 1940, 1970, black},
    {1941, 172, 1941, 1970, black},
};

class PrintCommand : public ::testing::Test {
protected:
    void SetUp() override { resetEngineState(); }
    void TearDown() override { resetEngineState(); }

    RecordingPrinter printer;
};

TEST_F(PrintCommand, EmptyGridPrintsTheLatticeOnly)
{
    printCommand(printer);

    EXPECT_TRUE(printer.texts.empty());
    EXPECT_EQ(printer.lines, lattice);
}

TEST_F(PrintCommand, FullGridPrintsEveryDigitInsideItsCell)
{
    fillSolvedGrid();

    printCommand(printer);

    ASSERT_EQ(printer.texts.size(), 81u);
    int n = 0;
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j, ++n) {
            SCOPED_TRACE("cell " + std::to_string(i) + "," + std::to_string(j));
            const int cellLeft = 140 + 200 * i;
            const int cellTop = 170 + 200 * j;
            const PrintedText expected{cellLeft + 60, cellTop + 30, std::string(1, solvedDigit(i, j))};
            EXPECT_EQ(printer.texts[n], expected);
        }
    }
    EXPECT_EQ(printer.lines, lattice);
}

TEST_F(PrintCommand, PrintsTheValuesOfFilledCellsOnly)
{
    grid[4][7].value.store("5");
    grid[0][8].value.store("9");
    // Candidates are bookkeeping, never printed.
    grid[2][2].candidates.store("123456789");

    printCommand(printer);

    const std::vector<PrintedText> expected = {{200, 1800, "9"}, {1000, 1600, "5"}};
    EXPECT_EQ(printer.texts, expected);
}

TEST_F(PrintCommand, DrawsDigitsThenThinLinesThenHorizontalThenVerticalBoxLines)
{
    fillSolvedGrid();

    printCommand(printer);

    const std::vector<std::string> expected = {
        "showDialog", "startDocument", "loadFont", "beginDrawing", "selectFont",
        "drawText",   "drawLine",      "endDrawing", "endDocument"};
    EXPECT_EQ(steps(printer.operations), expected);
    // The lattice's order is the table's: thin, then horizontal, then vertical.
    EXPECT_EQ(printer.lines, lattice);
}

TEST_F(PrintCommand, NamesTheJobAndWritesInThePrintFont)
{
    printCommand(printer);

    EXPECT_EQ(printer.documentName, "Kelvaro");
    EXPECT_EQ(printer.loadedFont, 3);
    EXPECT_EQ(printer.fontFace, "Arial");
    EXPECT_EQ(printer.fontPoints, 100);
    EXPECT_EQ(printer.selectedFont, 3);
}

TEST_F(PrintCommand, CancelledDialogPrintsNothing)
{
    fillSolvedGrid();
    printer.acceptDialog = false;

    printCommand(printer);

    EXPECT_EQ(printer.operations, std::vector<std::string>{"showDialog"});
}

TEST_F(PrintCommand, DocumentThatCannotStartEndsTheCommand)
{
    fillSolvedGrid();
    printer.documentStarts = false;

    printCommand(printer);

    EXPECT_EQ(printer.operations, (std::vector<std::string>{"showDialog", "startDocument"}));
}

TEST_F(PrintCommand, PageThatCannotBeDrawnOnStillEndsTheDocument)
{
    fillSolvedGrid();
    printer.drawingBegins = false;

    printCommand(printer);

    const std::vector<std::string> expected = {
        "showDialog", "startDocument", "loadFont", "beginDrawing", "endDocument"};
    EXPECT_EQ(printer.operations, expected);
}

}  // namespace
