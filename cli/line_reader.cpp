#include "line_reader.h"

#include <cerrno>
#include <cstring>
#include <string_view>

namespace {

// Far more than any puzzle line needs, and little enough that a huge line
// costs no memory: the rest of it is only counted.
constexpr std::size_t maxHeldLength = 4096;

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// The line being read: what is held of it, its whole length, and how many
// blanks it ends with so far (those may lie beyond what is held).
struct PendingLine {
    std::string held;
    std::size_t length = 0;
    std::size_t trailingBlanks = 0;
    bool atInputStart = true;

    void add(char c)
    {
        if (held.size() < maxHeldLength) {
            held.push_back(c);
        }
        ++length;
        trailingBlanks = (c == ' ' || c == '\t') ? trailingBlanks + 1 : 0;
        if (atInputStart && held == byteOrderMark) {
            held.clear();
            length = 0;
        }
    }

    // Makes `line` of it and starts the next line afresh.
    void finish(InputLine& line)
    {
        const std::size_t kept = length - trailingBlanks;
        if (kept <= held.size()) {
            line.text.assign(held, 0, kept);
            line.error.clear();
        } else {
            line.text.clear();
            line.error = "too long to read: " + std::to_string(kept) + " characters";
        }
        held.clear();
        length = 0;
        trailingBlanks = 0;
        atInputStart = false;
    }
};

// The next character, or eof at the end of the input. A failing read
// surfaces as an exception from the stream buffer, with the system's reason
// in errno.
bool nextCharacter(std::streambuf& source, int& c, std::string& readError)
{
    try {
        c = source.sbumpc();
        return true;
    } catch (const std::exception&) {
        readError = std::strerror(errno);
        return false;
    }
}

}  // namespace

bool readLines(std::istream& in, const std::function<bool(const InputLine&)>& take, std::string& readError)
{
    std::streambuf& source = *in.rdbuf();
    PendingLine pending;
    InputLine line;
    bool afterCarriageReturn = false;
    int c = 0;
    while (nextCharacter(source, c, readError)) {
        if (c == std::char_traits<char>::eof()) {
            if (pending.length > 0) {
                ++line.number;
                pending.finish(line);
                take(line);
            }
            return true;
        }
        // The LF of a CR LF pair ends nothing: its CR ended the line.
        if (c == '\n' && afterCarriageReturn) {
            afterCarriageReturn = false;
            continue;
        }
        afterCarriageReturn = c == '\r';
        if (c == '\n' || c == '\r') {
            ++line.number;
            pending.finish(line);
            if (!take(line)) {
                return true;
            }
        } else {
            pending.add(static_cast<char>(c));
        }
    }
    return false;
}
