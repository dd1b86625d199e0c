#include "pasted_puzzle.h"

#include <string_view>
#include <vector>

namespace {

constexpr std::string_view emptyMarks = ".0_*";
constexpr std::string_view separators = "|-+ \t\r";

struct Line {
    int number;  // counted from 1 in the pasted text
    int cells;
};

std::string unknownCharacter(char character)
{
    std::string reason = "The pasted text holds ";
    if (character > ' ' && character < 127) {
        reason.append("\"").append(1, character).append("\", which");
    } else {
        reason.append("a character that");
    }
    return reason.append(
        " is not a digit, an empty-cell mark (. 0 _ *) or a separator (| - + space).");
}

std::string cellCount(std::size_t count)
{
    return "The pasted text holds " + std::to_string(count) + (count == 1 ? " cell" : " cells")
           + "; a puzzle has 81.";
}

std::string badLine(const Line& line)
{
    return "Line " + std::to_string(line.number) + " of the pasted text holds "
           + std::to_string(line.cells) + (line.cells == 1 ? " cell" : " cells")
           + "; a puzzle is one line of 81 cells or nine lines of 9.";
}

}  // namespace

bool readPastedPuzzle(std::string_view text, std::string& puzzle, std::string& reason)
{
    std::string cells;
    std::vector<Line> lines{{1, 0}};
    for (const char character : text) {
        if (character == '\n') {
            lines.push_back({lines.back().number + 1, 0});
        } else if (character >= '1' && character <= '9') {
            cells += character;
            ++lines.back().cells;
        } else if (emptyMarks.find(character) != std::string_view::npos) {
            cells += '.';
            ++lines.back().cells;
        } else if (separators.find(character) == std::string_view::npos) {
            reason = unknownCharacter(character);
            return false;
        }
    }
    if (cells.size() != 81) {
        reason = cellCount(cells.size());
        return false;
    }
    std::erase_if(lines, [](const Line& line) { return line.cells == 0; });
    if (lines.size() > 1) {
        for (const Line& line : lines) {
            if (line.cells != 9) {
                reason = badLine(line);
                return false;
            }
        }
    }
    puzzle = cells;
    return true;
}
