#pragma once

#include "printer.h"

#include <string>
#include <string_view>
#include <vector>

struct PrintedText {
    int left = 0;
    int top = 0;
    std::string text;
    friend bool operator==(const PrintedText&, const PrintedText&) = default;
};

struct PrintedLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    PrintColour colour;
    friend bool operator==(const PrintedLine&, const PrintedLine&) = default;
};

// A printer that keeps every call, and can be told to fail at any of the
// steps that may fail on a real one.
class RecordingPrinter : public Printer {
public:
    bool acceptDialog = true;
    bool documentStarts = true;
    bool drawingBegins = true;

    std::vector<std::string> operations;
    std::vector<PrintedText> texts;
    std::vector<PrintedLine> lines;
    std::string documentName;
    int loadedFont = -1;
    std::string fontFace;
    int fontPoints = 0;
    int selectedFont = -1;

    bool showDialog() override
    {
        operations.emplace_back("showDialog");
        return acceptDialog;
    }
    bool startDocument(std::string_view name) override
    {
        operations.emplace_back("startDocument");
        documentName = name;
        return documentStarts;
    }
    void loadFont(int number, std::string_view face, int points) override
    {
        operations.emplace_back("loadFont");
        loadedFont = number;
        fontFace = face;
        fontPoints = points;
    }
    bool beginDrawing() override
    {
        operations.emplace_back("beginDrawing");
        return drawingBegins;
    }
    void selectFont(int number) override
    {
        operations.emplace_back("selectFont");
        selectedFont = number;
    }
    void drawText(int left, int top, std::string_view text) override
    {
        operations.emplace_back("drawText");
        texts.push_back({left, top, std::string(text)});
    }
    void drawLine(int x1, int y1, int x2, int y2, PrintColour colour) override
    {
        operations.emplace_back("drawLine");
        lines.push_back({x1, y1, x2, y2, colour});
    }
    void endDrawing() override { operations.emplace_back("endDrawing"); }
    void endDocument() override { operations.emplace_back("endDocument"); }
};
