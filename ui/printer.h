#pragma once

#include <string_view>

// A colour as (red, green, blue), each 0 to 255.
struct PrintColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const PrintColour&, const PrintColour&) = default;
};

// The printer operations the Print command uses, in the order it calls them.
// Positions are the printer's device pixels from the top-left corner of the
// printable area, unscaled, so a printer of lower resolution prints larger.
class Printer {
public:
    virtual ~Printer() = default;

    // The system's print dialog; false when the user cancels or it fails.
    virtual bool showDialog() = 0;
    // Starts a print job of this name and its first page; false on failure.
    virtual bool startDocument(std::string_view name) = 0;
    // Loads a font of the program under its number; its height in printer
    // pixels is its height in screen pixels.
    virtual void loadFont(int number, std::string_view face, int points) = 0;
    // Opens the page for drawing; false when it cannot be drawn on.
    virtual bool beginDrawing() = 0;
    // Makes a loaded font the one for text; text is always black.
    virtual void selectFont(int number) = 0;
    virtual void drawText(int left, int top, std::string_view text) = 0;
    // A line one device pixel wide that covers both end points.
    virtual void drawLine(int x1, int y1, int x2, int y2, PrintColour colour) = 0;
    virtual void endDrawing() = 0;
    // Ends the page and the job, which hands it to the printer.
    virtual void endDocument() = 0;
};
