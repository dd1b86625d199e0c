#include "pasted_puzzle.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view emptyMarks = ".0_*";
constexpr std::string_view separators = "|-+ \t\r";

// Word processors and web pages write these where a space is meant.
constexpr std::string_view noBreakSpaces[] = {"\u00a0", "\u202f"};
constexpr std::string_view byteOrderMark = "\ufeff";

struct Line {
    int number;  // counted from 1 in the pasted text
    int cells;
};

// The UTF-8 character at the start of `text`, or its first byte alone where
// that starts none.
std::string_view firstCharacter(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc0 ? 2 : 1;
    if (length > text.size() || lead >= 0xf8)
        return text.substr(0, 1);
    for (std::size_t next = 1; next < length; ++next) {
        if ((static_cast<unsigned char>(text[next]) & 0xc0) != 0x80)
            return text.substr(0, 1);
    }
    return text.substr(0, length);
}

std::string codeOf(std::string_view character)
{
    const auto lead = static_cast<unsigned char>(character[0]);
    char32_t code = character.size() == 1 ? lead : lead & (0x7f >> character.size());
    for (const char next : character.substr(1))
        code = code << 6 | (static_cast<unsigned char>(next) & 0x3f);
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
    return text;
}

// Names the character as the user sees it, with its code where it may not
// be seen (a byte that is no UTF-8 character by its value), and says where
// it stands.
std::string unknownCharacter(std::string_view character, int line, int column)
{
    const auto lead = static_cast<unsigned char>(character[0]);
    std::string reason = "The pasted text holds ";
    if (lead > ' ' && lead < 127) {
        reason.append("\"").append(character).append("\"");
    } else if (lead >= 0x80 && character.size() > 1) {
        reason.append("\"").append(character).append("\" (").append(codeOf(character)).append(")");
    } else if (lead < 0x80) {
        reason.append(codeOf(character));
    } else {
        char byte[8];
        std::snprintf(byte, sizeof byte, "0x%02X", lead);
        reason.append("the byte ").append(byte);
    }
    return reason.append(" at line ")
        .append(std::to_string(line))
        .append(", character ")
        .append(std::to_string(column))
        .append(", which is not a digit, an empty-cell mark (. 0 _ *) or a separator (| - + space).");
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
    if (text.starts_with(byteOrderMark))
        text.remove_prefix(byteOrderMark.size());
    int column = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::string_view whole = firstCharacter(text.substr(at));
        const char character = text[at];
        at += whole.size();
        ++column;
        if (character == '\n') {
            lines.push_back({lines.back().number + 1, 0});
            column = 0;
        } else if (character >= '1' && character <= '9') {
            cells += character;
            ++lines.back().cells;
        } else if (emptyMarks.find(character) != std::string_view::npos) {
            cells += '.';
            ++lines.back().cells;
        } else if (separators.find(whole) == std::string_view::npos
                   && std::ranges::find(noBreakSpaces, whole) == std::end(noBreakSpaces)) {
            reason = unknownCharacter(whole, lines.back().number, column);
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
