#pragma once

#include <functional>
#include <istream>
#include <string>

// One line of puzzle input, numbered from 1. `text` is the line without its
// end (LF, CR LF or a lone CR), without trailing spaces and tabs and, on the
// first line, without a UTF-8 byte-order mark. A line too long to hold is not
// kept: `error` then says so, and `text` is empty.
struct InputLine {
    long number = 0;
    std::string text;
    std::string error;
};

// Reads `in` to its end and hands every line to `take`, in order, until
// `take` returns false. Returns false on a read error (a directory given as
// input, a failing disk), with the system's reason in `readError`; lines
// before the error have been handed on. Standard input must be unsynced from
// stdio (std::ios::sync_with_stdio(false)) for its read errors to be seen.
bool readLines(std::istream& in, const std::function<bool(const InputLine&)>& take, std::string& readError);
