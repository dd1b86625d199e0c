#include "print_command.h"

#include "grid.h"
#include "printer.h"
#include "printer_qt.h"

namespace {

constexpr const char* jobName = "Kelvaro";
constexpr int printFont = 3;

constexpr PrintColour thinLineColour{192, 192, 192};
constexpr PrintColour black{0, 0, 0};
// The colour value 150000 (0x0249F0, read as 0x00BBGGRR).
constexpr PrintColour accentColour{240, 73, 2};

// Each digit's top-left corner sits 60 pixels right of and 30 below its
// cell's corner, the cell being 200 pixels square from (140, 170).
void drawDigits(Printer& printer)
{
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            const Cell& cell = grid[i][j];
            if (!cell.value.empty()) {
                printer.drawText(200 * (i + 1), 200 * (j + 1), cell.value.view());
            }
        }
    }
}

// The two inner lines of every box in each direction; they stop 10 pixels
// short of the right-hand and bottom box lines.
void drawThinLines(Printer& printer)
{
    for (const int o : {200, 800, 1400}) {
        printer.drawLine(142, o + 170, 1930, o + 170, thinLineColour);
        printer.drawLine(142, o + 370, 1930, o + 370, thinLineColour);
        printer.drawLine(o + 140, 172, o + 140, 1960, thinLineColour);
        printer.drawLine(o + 340, 172, o + 340, 1960, thinLineColour);
    }
}

void drawHorizontalBoxLines(Printer& printer)
{
    for (const int o : {170, 770, 1370, 1970}) {
        printer.drawLine(140, o, 1950, o, black);
        printer.drawLine(140, o + 1, 1950, o + 1, accentColour);
    }
}

void drawVerticalBoxLines(Printer& printer)
{
    for (const int o : {140, 740, 1340, 1940}) {
        printer.drawLine(o, 172, o, 1970, black);
        printer.drawLine(o + 1, 172, o + 1, 1970, black);
    }
}

}  // namespace

void printCommand(Printer& printer)
{
    if (!printer.showDialog()) {
        return;
    }
    if (!printer.startDocument(jobName)) {
        return;
    }
    printer.loadFont(printFont, "Arial", 100);
    // A page that cannot be drawn on is still ended, so the job is not left
    // open; it comes out empty.
    if (printer.beginDrawing()) {
        printer.selectFont(printFont);
        drawDigits(printer);
        drawThinLines(printer);
        drawHorizontalBoxLines(printer);
        drawVerticalBoxLines(printer);
        printer.endDrawing();
    }
    printer.endDocument();
}

void printCommand()
{
    QtPrinter printer;
    // Named before the dialog too, which then offers "Kelvaro.pdf" as the file.
    printer.device().setDocName(jobName);
    printCommand(printer);
}
