#include "words.h"

#include "clashes.h"
#include "regions.h"

#include <algorithm>

namespace {

// "a, b and c"
std::string joined(const std::vector<std::string>& parts, const char* separator, const char* joint)
{
    std::string text;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        text += k == 0 ? "" : k + 1 == parts.size() ? std::string(" ") + joint + " " : separator;
        text += parts[k];
    }
    return text;
}

std::string numbers(std::vector<int> values)
{
    std::vector<std::string> parts;
    for (int value : values) {
        parts.push_back(std::to_string(value));
    }
    return joined(parts, ", ", "and");
}

}  // namespace

std::string unitName(int unit)
{
    if (unit < rowUnit(0)) {
        return "column " + std::to_string(unit + 1);
    }
    if (unit < boxUnit(0, 0)) {
        return "row " + std::to_string(unit - rowUnit(0) + 1);
    }
    const int n = unit - boxUnit(0, 0);
    return "box " + std::to_string(3 * (n % 3) + n / 3 + 1);
}

std::string unitsName(const std::vector<int>& units)
{
    if (units.size() == 1) {
        return unitName(units.front());
    }
    std::vector<int> numbered;
    for (int unit : units) {
        const std::string name = unitName(unit);
        numbered.push_back(std::stoi(name.substr(name.find(' ') + 1)));
    }
    const std::string kind = unitName(units.front()).substr(0, unitName(units.front()).find(' '));
    return kind + "s " + numbers(numbered);
}

std::string digitList(DigitMask digits, const char* joint)
{
    std::vector<std::string> parts;
    for (int digit = 1; digit <= 9; ++digit) {
        if (digits & digitBit(digit)) {
            parts.push_back(std::to_string(digit));
        }
    }
    return joined(parts, ", ", joint);
}

std::string cellList(const std::vector<int>& cells)
{
    if (cells.size() == 1) {
        return cellName(cells.front());
    }
    const auto sameRow = std::all_of(cells.begin(), cells.end(),
                                     [&](int cell) { return rowOf(cell) == rowOf(cells.front()); });
    const auto sameColumn = std::all_of(cells.begin(), cells.end(),
                                        [&](int cell) { return columnOf(cell) == columnOf(cells.front()); });
    std::vector<int> along;
    for (int cell : cells) {
        along.push_back(sameRow ? columnNumber(cell) : rowNumber(cell));
    }
    std::sort(along.begin(), along.end());
    if (sameRow) {
        return "row " + std::to_string(rowNumber(cells.front())) + ", columns " + numbers(along);
    }
    if (sameColumn) {
        return "column " + std::to_string(columnNumber(cells.front())) + ", rows " + numbers(along);
    }
    std::vector<std::string> parts;
    for (int cell : cells) {
        parts.push_back(cellName(cell));
    }
    return joined(parts, "; ", "and");
}

std::vector<int> cellsOf(const std::vector<Candidate>& candidates)
{
    std::vector<int> cells;
    for (const Candidate& candidate : candidates) {
        if (std::find(cells.begin(), cells.end(), candidate.cell) == cells.end()) {
            cells.push_back(candidate.cell);
        }
    }
    return cells;
}

DigitMask digitsOf(const std::vector<Candidate>& candidates)
{
    DigitMask digits = 0;
    for (const Candidate& candidate : candidates) {
        digits |= digitBit(candidate.digit);
    }
    return digits;
}

std::string struckText(const std::vector<Candidate>& eliminations)
{
    // Cells that lose the same digits are named together.
    std::vector<std::pair<DigitMask, std::vector<int>>> groups;
    for (int cell : cellsOf(eliminations)) {
        DigitMask digits = 0;
        for (const Candidate& candidate : eliminations) {
            digits |= candidate.cell == cell ? digitBit(candidate.digit) : 0;
        }
        const auto same = std::find_if(groups.begin(), groups.end(), [&](const auto& g) { return g.first == digits; });
        if (same == groups.end()) {
            groups.push_back({digits, {cell}});
        } else {
            same->second.push_back(cell);
        }
    }
    std::vector<std::string> parts;
    for (const auto& [digits, cells] : groups) {
        parts.push_back(cellList(cells) + " cannot be " + digitList(digits, "or"));
    }
    return joined(parts, "; ", "and");
}

std::string countWord(int n)
{
    static const char* const words[] = {"no", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"};
    return n >= 0 && n <= 9 ? words[n] : std::to_string(n);
}

std::string ratingText(int tenths)
{
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

std::string placesIn(int unit, const std::vector<int>& cells)
{
    std::vector<int> along;
    for (int cell : cells) {
        along.push_back(unit < rowUnit(0) ? rowNumber(cell) : columnNumber(cell));
    }
    std::sort(along.begin(), along.end());
    if (unit < rowUnit(0)) {
        return (cells.size() == 1 ? "row " : "rows ") + numbers(along);
    }
    if (unit < boxUnit(0, 0)) {
        return (cells.size() == 1 ? "column " : "columns ") + numbers(along);
    }
    return cellList(cells);
}
