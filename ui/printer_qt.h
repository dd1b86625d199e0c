#pragma once

#include "printer.h"

#include <QPainter>
#include <QPrinter>

// The printer operations over Qt's print dialog, QPrinter and QPainter.
// QPrinter keeps full-page mode off, so the painter's origin is the top-left
// corner of the printable area and one unit is one device pixel.
class QtPrinter : public Printer {
public:
    QtPrinter();

    bool showDialog() override;
    bool startDocument(std::string_view name) override;
    void loadFont(int number, std::string_view face, int points) override;
    bool beginDrawing() override;
    void selectFont(int number) override;
    void drawText(int left, int top, std::string_view text) override;
    void drawLine(int x1, int y1, int x2, int y2, PrintColour colour) override;
    void endDrawing() override;
    void endDocument() override;

    // The device the job goes to, for choosing it other than through the
    // dialog (a file, a resolution).
    QPrinter& device() { return printer_; }

private:
    QPrinter printer_{QPrinter::HighResolution};
    QPainter painter_;
};
