// Checks the hints and the puzzle check against the engine itself, and
// prints the figures:
//   - on every puzzle of the given files (FILE or FILE:N for its first N
//     puzzles), hints are followed from the start until the puzzle is solved
//     or the hint says trial and error must go on; every placed digit is
//     compared with the solution, and the board after every hint with the
//     real technique loop run on the board before it and stopped after its
//     first technique call that changed anything;
//   - the puzzle check's solution count against countSolutions, on those
//     puzzles and on copies made to have several solutions or none;
//   - with --generated N, what the check says about N generated puzzles of
//     each difficulty.
#include "candidates.h"
#include "clashes.h"
#include "next_step.h"
#include "puzzle_builder.h"
#include "puzzle_check.h"
#include "puzzle_text.h"
#include "search.h"
#include "solve_command.h"
#include "techniques.h"

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

// Solve's technique loop, made to stop after the first technique call that
// reports progress: from then on every technique does nothing, so the next
// pass makes none and the loop ends.
bool changeMade = false;

template <Technique technique>
int untilFirstChange(Board& board)
{
    if (changeMade) {
        return 0;
    }
    const int progress = technique(board);
    changeMade = progress != 0;
    return progress;
}

// Solve's technique loop, each technique noting when it made progress (a
// pass ends at the first that reports any, so a report is its own).
PuzzleCheck* loopUsed = nullptr;

template <Technique technique, bool PuzzleCheck::*used>
int recorded(Board& board)
{
    const int progress = technique(board);
    loopUsed->*used = loopUsed->*used || progress != 0;
    return progress;
}

constexpr Technique recordedSolveLoop[] = {
    recorded<placeNakedSingles, &PuzzleCheck::nakedSingles>,
    recorded<placeLineHiddenSingles, &PuzzleCheck::lineHiddenSingles>,
    recorded<placeBoxHiddenSingles, &PuzzleCheck::boxHiddenSingles>,
    recorded<eliminateNakedPairs, &PuzzleCheck::nakedPairs>,
};
constexpr Technique firstCallOfSolveLoop[] = {
    untilFirstChange<placeNakedSingles>, untilFirstChange<placeLineHiddenSingles>,
    untilFirstChange<placeBoxHiddenSingles>, untilFirstChange<eliminateNakedPairs>};

Board afterFirstChange(const Board& board)
{
    Board loop = board;
    changeMade = false;
    runTechniqueLoop(loop, firstCallOfSolveLoop);
    return loop;
}

// The candidates that matter: an empty cell's, with its peers' values taken
// out; a filled cell has none.
DigitMask seen(const Board& board, int cell)
{
    return board.value[cell] != 0 ? 0 : static_cast<DigitMask>(board.candidates[cell] & ~board.peerDigits(cell));
}

bool sameState(const Board& a, const Board& b)
{
    for (int cell = 0; cell < 81; ++cell) {
        if (a.value[cell] != b.value[cell] || seen(a, cell) != seen(b, cell)) {
            return false;
        }
    }
    return true;
}

// Every change from `before` to `hinted` is also made in `loop`.
bool changesWithin(const Board& before, const Board& hinted, const Board& loop)
{
    for (int cell = 0; cell < 81; ++cell) {
        if (hinted.value[cell] != before.value[cell] && loop.value[cell] != hinted.value[cell]) {
            return false;
        }
        if (hinted.value[cell] == 0 && loop.value[cell] == 0 && (seen(loop, cell) & ~seen(hinted, cell)) != 0) {
            return false;
        }
    }
    return true;
}

// Whether the digit has exactly one place in the unit on the board, and is
// missing there: a hidden single that a sweep over the unit would place.
bool hiddenSingleIn(const Board& board, int unit, int digit)
{
    if (board.present[unit] & digitBit(digit)) {
        return false;
    }
    int places = 0;
    for (int cell : unitCells[unit]) {
        places += (seen(board, cell) & digitBit(digit)) != 0 ? 1 : 0;
    }
    return places == 1;
}

// Where a placement stands in the walk of its technique's call.
int walkKey(StepTechnique technique, int unit, int digit, int cell)
{
    return technique == StepTechnique::nakedSingle ? cell : 10 * unit + digit;
}

// Whether the hint's placement is the first that the loop's call made. The
// call's placements are there to see but not their order; each technique
// walks in a fixed order, though, and before its first placement the board
// is the one the hint saw. So any other placement of the call that the
// walk reaches earlier, and that was already due on that board, would have
// come first. Naked singles walk the cells; hidden singles the units (lines:
// columns, then rows; boxes), each for the digits 1 to 9. (Pairs strike in
// sweeps whose order the result does not show; for them the call's result
// shows only that the hint's strikes are among its own.)
bool firstInWalk(const Step& step, const Board& before, const Board& loop)
{
    const int cell = step.cells.front();
    const int i = columnOf(cell);
    const int j = rowOf(cell);
    const int unit = step.technique == StepTechnique::columnHiddenSingle ? columnUnit(i)
                     : step.technique == StepTechnique::rowHiddenSingle  ? rowUnit(j)
                                                                         : boxUnit(i, j);
    const int stepKey = walkKey(step.technique, unit, step.digit, cell);
    for (int other = 0; other < 81; ++other) {
        const int digit = loop.value[other];
        if (other == cell || digit == before.value[other]) {
            continue;
        }
        const int p = columnOf(other);
        const int q = rowOf(other);
        std::vector<int> units;
        if (step.technique == StepTechnique::boxHiddenSingle) {
            units = {boxUnit(p, q)};
        } else if (step.technique != StepTechnique::nakedSingle) {
            units = {columnUnit(p), rowUnit(q)};
        }
        if (step.technique == StepTechnique::nakedSingle && other < cell) {
            return false;
        }
        // A box has one place in the walk for each digit; a line placement
        // may come from the column or from the row sweep.
        const bool line = units.size() == 2;
        for (int u : units) {
            if (walkKey(step.technique, u, digit, other) < stepKey && (!line || hiddenSingleIn(before, u, digit))) {
                return false;
            }
        }
    }
    return true;
}

struct HintFigures {
    long puzzles = 0;
    long solvedByHints = 0;
    long stuckByHints = 0;
    long otherEnd = 0;
    long hints = 0;
    long loneChange = 0;       // the loop's call made this one change, and the boards are equal
    long firstOfSeveral = 0;   // the call placed several digits; the hint's is the first in the call's walk
    long amongSeveral = 0;     // the call struck for several pairs; the hint's strikes are among them
    long stateMismatch = 0;
    long wrongDigit = 0;
    long endMismatch = 0;      // the board where hints stop differs from the loop's own end
    long techniqueDiffer = 0;
    long countMismatch = 0;
    long severalMade = 0;
    long severalAgree = 0;
    long noneMade = 0;
    long noneAgree = 0;

    HintFigures& operator+=(const HintFigures& o)
    {
        long* mine[] = {&puzzles, &solvedByHints, &stuckByHints, &otherEnd, &hints, &loneChange, &firstOfSeveral, &amongSeveral,
                        &stateMismatch, &wrongDigit, &endMismatch, &techniqueDiffer, &countMismatch,
                        &severalMade, &severalAgree, &noneMade, &noneAgree};
        const long theirs[] = {o.puzzles, o.solvedByHints, o.stuckByHints, o.otherEnd, o.hints, o.loneChange,
                               o.firstOfSeveral, o.amongSeveral, o.stateMismatch, o.wrongDigit, o.endMismatch,
                               o.techniqueDiffer, o.countMismatch, o.severalMade, o.severalAgree,
                               o.noneMade, o.noneAgree};
        for (std::size_t k = 0; k < std::size(theirs); ++k) {
            *mine[k] += theirs[k];
        }
        return *this;
    }
};

void followHints(const Board& puzzle, const Board& solution, const PuzzleCheck& check, HintFigures& figures)
{
    Board board = puzzle;
    initCandidates(board);
    NextStep next = findNextStep(board);
    for (; next.outcome == StepOutcome::step; next = findNextStep(board)) {
        ++figures.hints;
        const Board loop = afterFirstChange(board);
        Board hinted = board;
        applyStep(hinted, next.step);
        if (next.step.digit != 0 && solution.value[next.step.cells.front()] != next.step.digit) {
            ++figures.wrongDigit;
        }
        if (sameState(hinted, loop)) {
            ++figures.loneChange;
        } else if (!changesWithin(board, hinted, loop)) {
            ++figures.stateMismatch;
        } else if (next.step.digit == 0) {
            ++figures.amongSeveral;
        } else if (firstInWalk(next.step, board, loop)) {
            ++figures.firstOfSeveral;
        } else {
            ++figures.stateMismatch;
        }
        board = hinted;
    }
    const bool stuckAgrees = next.outcome == StepOutcome::stuck && sameState(afterFirstChange(board), board);
    figures.solvedByHints += next.outcome == StepOutcome::complete ? 1 : 0;
    figures.stuckByHints += stuckAgrees ? 1 : 0;
    figures.otherEnd += next.outcome != StepOutcome::complete && !stuckAgrees ? 1 : 0;

    // The loop's own run, call by call, to its end: the same board, though a
    // call that makes several changes may leave a different technique the
    // next change than a hint would, so the techniques used can differ.
    PuzzleCheck used;
    loopUsed = &used;
    Board loopEnd = puzzle;
    initCandidates(loopEnd);
    runTechniqueLoop(loopEnd, recordedSolveLoop);
    loopUsed = nullptr;
    figures.endMismatch += sameState(loopEnd, board) ? 0 : 1;
    used.searchNeeded = next.outcome != StepOutcome::complete;
    figures.techniqueDiffer += techniqueList(used) == techniqueList(check) ? 0 : 1;
}

// Copies of a proper puzzle that are not: givens taken away in reading order
// until there are several solutions, and a wrong digit that clashes with no
// given put into the first empty cell that takes one.
void checkImproperCopies(const Board& puzzle, const Board& solution, HintFigures& figures)
{
    Board several = puzzle;
    for (int position = 0; position < 81 && countSolutions(several, 2) < 2; ++position) {
        several.clear(cellIndex(position % 9, position / 9));
    }
    ++figures.severalMade;
    const PuzzleCheck severalCheck = checkPuzzle(several);
    figures.severalAgree += severalCheck.solutions == 2 && countSolutions(several, 2) == 2 ? 1 : 0;

    for (int position = 0; position < 81; ++position) {
        const int cell = cellIndex(position % 9, position / 9);
        const DigitMask wrong = static_cast<DigitMask>(allDigits & ~puzzle.peerDigits(cell)
                                                       & ~digitBit(solution.value[cell]));
        if (puzzle.value[cell] != 0 || wrong == 0) {
            continue;
        }
        Board none = puzzle;
        none.place(cell, std::countr_zero(static_cast<unsigned>(wrong)));
        ++figures.noneMade;
        const bool agree = checkPuzzle(none).solutions == 0 && countSolutions(none, 2) == 0
                           && findNextStep(none).outcome == StepOutcome::noSolution;
        figures.noneAgree += agree ? 1 : 0;
        break;
    }
}

bool checkFile(const std::string& argument, HintFigures& figures)
{
    const auto colon = argument.rfind(':');
    const std::string path = colon == std::string::npos ? argument : argument.substr(0, colon);
    const long limit = colon == std::string::npos ? -1 : std::atol(argument.c_str() + colon + 1);
    std::ifstream in(path);
    if (!in) {
        std::fprintf(stderr, "error: cannot read %s\n", path.c_str());
        return false;
    }
    std::string line;
    for (long number = 1; (limit < 0 || number <= limit) && std::getline(in, line); ++number) {
        Board puzzle;
        std::string reason;
        if (!parsePuzzle(line, puzzle, reason)) {
            std::fprintf(stderr, "error: %s: line %ld: %s\n", path.c_str(), number, reason.c_str());
            return false;
        }
        ++figures.puzzles;
        const PuzzleCheck check = checkPuzzle(puzzle);
        figures.countMismatch += check.solutions == countSolutions(puzzle, 2) ? 0 : 1;
        Board solution = puzzle;
        if (check.solutions != 1 || !solvePuzzle(solution)) {
            continue;
        }
        followHints(puzzle, solution, check, figures);
        checkImproperCopies(puzzle, solution, figures);
    }
    return true;
}

void printHintFigures(const std::string& name, const HintFigures& f)
{
    std::printf("%-26s %7ld %7ld %7ld %5ld %8ld %8ld %8ld %8ld %6ld %6ld %6ld %6ld %6ld %7ld/%-7ld %7ld/%-7ld\n",
                name.c_str(), f.puzzles, f.solvedByHints, f.stuckByHints, f.otherEnd, f.hints, f.loneChange,
                f.firstOfSeveral, f.amongSeveral, f.stateMismatch, f.wrongDigit, f.endMismatch, f.techniqueDiffer,
                f.countMismatch, f.severalAgree, f.severalMade, f.noneAgree, f.noneMade);
}

std::string grade(const std::string& rating) { return rating.substr(0, rating.find(':')); }

void tabulateGenerated(long count, std::uint64_t seed)
{
    static const char* const levels[] = {"Easy", "Gentle", "Tricky", "Hard"};
    static const char* const grades[] = {"Simple", "Moderate", "Demanding", "Trial and error"};
    std::printf("\nThe puzzle check on %ld generated puzzles of each difficulty (seed %llu)\n", count,
                static_cast<unsigned long long>(seed));
    std::printf("%-8s %8s %8s %8s %8s %10s %16s %7s %9s\n", "level", "puzzles", "unique", "Simple", "Moderate",
                "Demanding", "Trial and error", "other", "disagree");
    for (int difficulty = 1; difficulty <= 4; ++difficulty) {
        RandomInt random(seed + static_cast<std::uint64_t>(difficulty));
        std::map<std::string, long> byGrade;
        long unique = 0;
        long disagree = 0;
        for (long n = 0; n < count; ++n) {
            const Board puzzle = buildPuzzle(difficulty, std::ref(random), [](int) {}).puzzle;
            const PuzzleCheck check = checkPuzzle(puzzle);
            unique += check.solutions == 1 ? 1 : 0;
            disagree += check.solutions == countSolutions(puzzle, 2) ? 0 : 1;
            ++byGrade[grade(check.rating)];
        }
        long other = count;
        for (const char* name : grades) {
            other -= byGrade[name];
        }
        std::printf("%-8s %8ld %8ld %8ld %8ld %10ld %16ld %7ld %9ld\n", levels[difficulty - 1], count, unique,
                    byGrade["Simple"], byGrade["Moderate"], byGrade["Demanding"], byGrade["Trial and error"], other,
                    disagree);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> files;
    long generated = 0;
    std::uint64_t seed = 1;
    for (int k = 1; k < argc; ++k) {
        const std::string argument = argv[k];
        if (argument == "--generated" && k + 1 < argc) {
            generated = std::atol(argv[++k]);
        } else if (argument == "--seed" && k + 1 < argc) {
            seed = std::strtoull(argv[++k], nullptr, 10);
        } else {
            files.push_back(argument);
        }
    }
    if (files.empty() && generated <= 0) {
        std::fputs("usage: explain-check [--generated N] [--seed S] FILE[:FIRST_N]...\n", stderr);
        return 2;
    }
    if (!files.empty()) {
        std::printf("Hints followed from the start, and the puzzle check's solution count\n");
        std::printf("%-26s %7s %7s %7s %5s %8s %8s %8s %8s %6s %6s %6s %6s %6s %15s %15s\n", "file", "puzzles",
                    "solved", "stuck", "other", "hints", "=loop", "first", "among", "!=loop", "wrong", "!=end", "tech~",
                    "!=count", "several ok/made", "none ok/made");
    }
    HintFigures all;
    for (const std::string& file : files) {
        HintFigures figures;
        if (!checkFile(file, figures)) {
            return 1;
        }
        printHintFigures(file.substr(file.rfind('/') + 1), figures);
        all += figures;
    }
    if (files.size() > 1) {
        printHintFigures("all", all);
    }
    if (!files.empty()) {
        std::puts("solved/stuck: hints followed from the start end with the grid full, or with \"needs trial and\n"
                  "  error\" where the loop itself makes no change; other: neither. hints: hints followed.\n"
                  "=loop: the board after the hint equals the loop's after its next technique call, which made\n"
                  "  that one change; first: the call placed several, the hint's is the first in the call's walk;\n"
                  "  among: the call struck for several pairs, the hint's strikes are among them; !=loop: none\n"
                  "  of these. wrong: placed digits that differ from the solution. !=end: puzzles where the hints\n"
                  "  stop on another board than the loop run to its end. tech~: puzzles where the techniques the\n"
                  "  hints used differ from those the loop's calls used. !=count: puzzle check's solution count\n"
                  "  differs from countSolutions. several/none: copies with several or no solutions that the\n"
                  "  puzzle check (and, for none, the hint) counts as countSolutions does / copies made.");
    }
    if (generated > 0) {
        tabulateGenerated(generated, seed);
    }
    return 0;
}
