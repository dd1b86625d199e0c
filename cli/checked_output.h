#pragma once

#include <string_view>

// Standard output of the subcommands, written through stdio and checked at
// every write and at the final flush: a full disk or a closed descriptor must
// end the run with status 1 and a message, never lose lines without a word.
// (Formatted rows written with printf are caught by the next check, as the
// stream's error flag stays set.)

// Writes `text`; false once standard output has failed.
bool writeOut(std::string_view text);

// Hands everything written so far to the system; false once standard output
// has failed.
bool flushOut();

// Why standard output failed, for the one line on standard error.
const char* outputFailure();
