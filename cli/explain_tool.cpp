#include "commands.h"
#include "ladder_text.h"
#include "puzzle_input.h"

#include <iostream>
#include <string>

int runRate(const std::vector<std::string>& args)
{
    if (!args.empty()) {
        std::cerr << "usage: kelvaro-engine rate < puzzles\n";
        return 2;
    }
    return answerPuzzles([](Board& board) { return rateLine(board); });
}

int runExplain(const std::vector<std::string>& args)
{
    if (!args.empty()) {
        std::cerr << "usage: kelvaro-engine explain < puzzles\n";
        return 2;
    }
    bool first = true;
    return answerPuzzles([&first](Board& board) {
        std::string text = first ? "" : "\n";
        first = false;
        return text + explainText(board);
    });
}
