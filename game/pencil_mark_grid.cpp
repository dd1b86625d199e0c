#include "pencil_mark_grid.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr std::string_view spaces = " \t\r|";

std::string cellText(const GameCell& cell)
{
    if (cell.value != 0) {
        return std::string(1, static_cast<char>('0' + cell.value));
    }
    return cell.notes != 0 ? candidateText(cell.notes) : ".";
}

std::vector<std::string_view> lines(std::string_view text)
{
    std::vector<std::string_view> found;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        found.push_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return found;
}

std::vector<std::string_view> tokens(std::string_view line)
{
    std::vector<std::string_view> found;
    for (std::size_t start = line.find_first_not_of(spaces); start != std::string_view::npos;) {
        const std::size_t end = std::min(line.find_first_of(spaces, start), line.size());
        found.push_back(line.substr(start, end - start));
        start = line.find_first_not_of(spaces, end);
    }
    return found;
}

bool isBorder(std::string_view token)
{
    const bool drawn = token.find_first_not_of("-=+*.:'") == std::string_view::npos;
    return drawn && token.find_first_of("-=") != std::string_view::npos;
}

bool isEmptyCell(std::string_view token) { return token == "." || token == "0"; }

bool isDigits(std::string_view token)
{
    return !token.empty() && token.find_first_not_of("123456789") == std::string_view::npos;
}

// The cells of a line, borders left out; a token that is neither is kept
// too, for the reader to refuse.
std::vector<std::string_view> cellsOf(std::string_view line)
{
    std::vector<std::string_view> cells = tokens(line);
    std::erase_if(cells, isBorder);
    return cells;
}

std::string cellCount(std::size_t count) { return std::to_string(count) + (count == 1 ? " cell" : " cells"); }

}  // namespace

std::string pencilMarkGrid(const GameState& game)
{
    std::array<std::size_t, 9> width{};
    for (int cell = 0; cell < 81; ++cell) {
        width[columnOf(cell)] = std::max(width[columnOf(cell)], cellText(game.cells[cell]).size());
    }
    std::string text;
    for (int row = 0; row < 9; ++row) {
        std::string line;
        for (int column = 0; column < 9; ++column) {
            const std::string cell = cellText(game.cells[cellIndex(column, row)]);
            line += column == 0 ? "" : column % 3 == 0 ? " | " : " ";
            line += cell + std::string(width[column] - cell.size(), ' ');
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + "\n";
        if (row == 2 || row == 5) {
            for (int box = 0; box < 3; ++box) {
                text += box == 0 ? "" : "-+-";
                text += std::string(width[3 * box] + width[3 * box + 1] + width[3 * box + 2] + 2, '-');
            }
            text += "\n";
        }
    }
    return text;
}

bool looksLikePencilMarks(std::string_view text)
{
    bool nineCells = false;
    bool notes = false;
    for (std::string_view line : lines(text)) {
        const std::vector<std::string_view> cells = cellsOf(line);
        nineCells = nineCells || cells.size() >= 9;
        notes = notes || std::any_of(cells.begin(), cells.end(), [](std::string_view cell) {
                    return isDigits(cell) && cell.size() >= 2;
                });
    }
    return nineCells && notes;
}

bool readPencilMarkGrid(std::string_view text, GameState& game, std::string& reason)
{
    std::array<std::uint8_t, 81> givens{};
    std::array<DigitMask, 81> notes{};
    int row = 0;
    int lineNumber = 0;
    for (std::string_view line : lines(text)) {
        ++lineNumber;
        const std::vector<std::string_view> cells = cellsOf(line);
        if (cells.empty()) {
            continue;
        }
        for (std::string_view cell : cells) {
            if (!isDigits(cell) && !isEmptyCell(cell)) {
                reason = "The pasted pencil-mark grid holds \"" + std::string(cell)
                         + "\", which is neither a digit, notes (digits 1 to 9) nor an empty cell (. or 0).";
                return false;
            }
        }
        if (cells.size() != 9) {
            reason = "Line " + std::to_string(lineNumber) + " of the pasted pencil-mark grid holds "
                     + cellCount(cells.size()) + "; a grid is nine lines of 9.";
            return false;
        }
        if (row == 9) {
            reason = "The pasted pencil-mark grid holds more than nine lines of cells; a grid is nine lines of 9.";
            return false;
        }
        for (int column = 0; column < 9; ++column) {
            const std::string_view cell = cells[static_cast<std::size_t>(column)];
            if (cell.size() == 1 && isDigits(cell)) {
                givens[cellIndex(column, row)] = static_cast<std::uint8_t>(cell[0] - '0');
            } else if (isDigits(cell)) {
                notes[cellIndex(column, row)] = candidateMask(cell);
            }
        }
        ++row;
    }
    if (row != 9) {
        reason = "The pasted pencil-mark grid holds " + std::to_string(row)
                 + (row == 1 ? " line" : " lines") + " of cells; a grid is nine lines of 9.";
        return false;
    }
    startGame(game, givens);
    for (int cell = 0; cell < 81; ++cell) {
        game.cells[cell].notes = notes[cell];
    }
    return true;
}
