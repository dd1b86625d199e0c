// Checks the hints against each puzzle's solution and against explain, and
// prints the figures:
//   - on every puzzle of the given files (FILE or FILE:N for its first N
//     puzzles), hints are followed from the givens as a player following
//     them would, to the end; every placed digit is compared with the
//     solution and no elimination may strike the solution's digit; the path
//     must end with the grid full, or where the ladder runs out with that
//     reason; the hints, written as explain writes its steps, must be
//     explain's text;
//   - the puzzle check's solution count against countSolutions, on those
//     puzzles and on copies made to have several solutions or none;
//   - with --generated N, the grades the check gives N generated puzzles of
//     each difficulty.
// Exits with status 1 when any of these fails.
#include "chains/chain_words.h"
#include "ladder/words.h"
#include "ladder_text.h"
#include "next_step.h"
#include "puzzle_builder.h"
#include "puzzle_check.h"
#include "puzzle_text.h"
#include "random_int.h"
#include "search.h"
#include "solve_command.h"
#include "technique_table.h"

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

struct Figures {
    long puzzles = 0;
    long solved = 0;
    long stuck = 0;
    long otherEnd = 0;
    long hints = 0;
    long eliminations = 0;
    long wrongPlacement = 0;
    long wrongElimination = 0;
    long explainDiffers = 0;
    long countMismatch = 0;
    long severalMade = 0;
    long severalAgree = 0;
    long noneMade = 0;
    long noneAgree = 0;

    long faults() const
    {
        return otherEnd + wrongPlacement + wrongElimination + explainDiffers + countMismatch
               + (severalMade - severalAgree) + (noneMade - noneAgree);
    }

    Figures& operator+=(const Figures& o)
    {
        long* mine[] = {&puzzles, &solved, &stuck, &otherEnd, &hints, &eliminations, &wrongPlacement,
                        &wrongElimination, &explainDiffers, &countMismatch, &severalMade, &severalAgree,
                        &noneMade, &noneAgree};
        const long theirs[] = {o.puzzles, o.solved, o.stuck, o.otherEnd, o.hints, o.eliminations, o.wrongPlacement,
                               o.wrongElimination, o.explainDiffers, o.countMismatch, o.severalMade,
                               o.severalAgree, o.noneMade, o.noneAgree};
        for (std::size_t k = 0; k < std::size(theirs); ++k) {
            *mine[k] += theirs[k];
        }
        return *this;
    }
};

void followHints(const Board& puzzle, const Board& solution, Figures& figures)
{
    CandidateGrid grid = CandidateGrid::fromValues(puzzle);
    std::string hinted;
    NextStep next = findNextStep(grid);
    for (int n = 1; next.outcome == StepOutcome::step; ++n) {
        ++figures.hints;
        for (const Candidate& placed : next.step.placements) {
            figures.wrongPlacement += solution.value[placed.cell] == placed.digit ? 0 : 1;
        }
        for (const Candidate& struck : next.step.eliminations) {
            ++figures.eliminations;
            figures.wrongElimination += solution.value[struck.cell] == struck.digit ? 1 : 0;
        }
        hinted += std::to_string(n) + ". " + techniqueTitle(next.step.technique, next.step.form) + " ("
                  + ratingText(next.step.rating) + "): " + next.reason + '\n';
        for (const std::string& line : chainNotation(next.step)) {
            hinted += "   " + line + '\n';
        }
        applyStep(grid, next.step);
        next = findNextStep(grid);
    }
    figures.solved += next.outcome == StepOutcome::complete ? 1 : 0;
    figures.stuck += next.outcome == StepOutcome::stuck && next.reason == deeperChainsNeeded ? 1 : 0;
    figures.otherEnd += next.outcome == StepOutcome::complete || next.outcome == StepOutcome::stuck ? 0 : 1;
    hinted += next.outcome == StepOutcome::complete ? "Solved." : next.reason;
    figures.explainDiffers += hinted + '\n' == explainText(puzzle) ? 0 : 1;
}

// Copies of a proper puzzle that are not: givens taken away in reading order
// until there are several solutions, and a wrong digit that clashes with no
// given put into the first empty cell that takes one.
void checkImproperCopies(const Board& puzzle, const Board& solution, Figures& figures)
{
    Board several = puzzle;
    for (int position = 0; position < 81 && countSolutions(several, 2) < 2; ++position) {
        several.clear(cellIndex(position % 9, position / 9));
    }
    ++figures.severalMade;
    figures.severalAgree += checkPuzzle(several).solutions == 2 && countSolutions(several, 2) == 2 ? 1 : 0;

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
                           && findNextStep(CandidateGrid::fromValues(none)).outcome == StepOutcome::noSolution;
        figures.noneAgree += agree ? 1 : 0;
        break;
    }
}

bool checkFile(const std::string& argument, Figures& figures)
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
        if (!parsePuzzle(line.substr(0, 81), puzzle, reason)) {
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
        const Figures before = figures;
        followHints(puzzle, solution, figures);
        checkImproperCopies(puzzle, solution, figures);
        if (figures.faults() != before.faults()) {
            std::fprintf(stderr, "fault: %s: line %ld: %s\n", path.c_str(), number, formatPuzzle(puzzle).c_str());
        }
    }
    return true;
}

void printFigures(const std::string& name, const Figures& f)
{
    std::printf("%-26s %7ld %7ld %7ld %5ld %8ld %8ld %6ld %7ld %6ld %7ld %7ld/%-7ld %7ld/%-7ld\n", name.c_str(),
                f.puzzles, f.solved, f.stuck, f.otherEnd, f.hints, f.eliminations, f.wrongPlacement,
                f.wrongElimination, f.explainDiffers, f.countMismatch, f.severalAgree, f.severalMade, f.noneAgree,
                f.noneMade);
}

void tabulateGenerated(long count, std::uint64_t seed)
{
    static const char* const levels[] = {"Easy", "Gentle", "Tricky", "Hard"};
    static const char* const grades[] = {"easy", "medium", "hard", "diabolical"};
    std::printf("\nThe puzzle check on %ld generated puzzles of each difficulty (seed %llu)\n", count,
                static_cast<unsigned long long>(seed));
    std::printf("%-8s %8s %8s %8s %8s %8s %11s %7s %9s\n", "level", "puzzles", "unique", "easy", "medium", "hard",
                "diabolical", "other", "disagree");
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
            ++byGrade[check.grade];
        }
        long other = count;
        for (const char* name : grades) {
            other -= byGrade[name];
        }
        std::printf("%-8s %8ld %8ld %8ld %8ld %8ld %11ld %7ld %9ld\n", levels[difficulty - 1], count, unique,
                    byGrade["easy"], byGrade["medium"], byGrade["hard"], byGrade["diabolical"], other, disagree);
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
        std::printf("Hints followed from the givens, and the puzzle check's solution count\n");
        std::printf("%-26s %7s %7s %7s %5s %8s %8s %6s %7s %6s %7s %15s %15s\n", "file", "puzzles", "solved", "stuck",
                    "other", "hints", "struck", "!=sol", "sol-out", "!=expl", "!=count", "several ok/made",
                    "none ok/made");
    }
    Figures all;
    for (const std::string& file : files) {
        Figures figures;
        if (!checkFile(file, figures)) {
            return 1;
        }
        printFigures(file.substr(file.rfind('/') + 1), figures);
        all += figures;
    }
    if (files.size() > 1) {
        printFigures("all", all);
    }
    if (!files.empty()) {
        std::puts("solved/stuck: hints followed from the givens end with the grid full, or where the ladder runs out\n"
                  "  (the rest needs deeper chains); other: neither. hints: hints followed; struck: candidates they struck.\n"
                  "!=sol: placed digits that differ from the solution; sol-out: eliminations that strike the\n"
                  "  solution's own digit. !=expl: puzzles whose hints, written as explain writes steps, differ from\n"
                  "  explain's text. !=count: the check's solution count differs from countSolutions.\n"
                  "  several/none: copies with several or no solutions that the check (and, for none, the hint)\n"
                  "  counts as countSolutions does / copies made.");
    }
    if (generated > 0) {
        tabulateGenerated(generated, seed);
    }
    return all.faults() == 0 ? 0 : 1;
}
