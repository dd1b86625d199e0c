#pragma once

#include "grid.h"
#include "printer_qt.h"

#include <QString>

#include <string>

// A solved grid: each row shifts the one above by three, each band by one.
inline char solvedDigit(int i, int j)
{
    return static_cast<char>('1' + (i + 3 * (j % 3) + j / 3) % 9);
}

inline void fillSolvedGrid()
{
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            grid[i][j].value.store(std::string(1, solvedDigit(i, j)));
        }
    }
}

// The real printer with the print dialog's choice made beforehand: a PDF
// file, at a resolution when one is given.
class PdfPrinter : public QtPrinter {
public:
    explicit PdfPrinter(const QString& file, int dotsPerInch = 0)
    {
        device().setOutputFormat(QPrinter::PdfFormat);
        device().setOutputFileName(file);
        if (dotsPerInch > 0) {
            device().setResolution(dotsPerInch);
        }
    }

    bool showDialog() override { return true; }
};
