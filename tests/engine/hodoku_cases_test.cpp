#include "candidate_grid.h"
#include "engine_test_support.h"
#include "technique_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The technique rows that a HoDoKu technique code stands for. Its hidden
// single may be the last empty cell of a region too.
const std::map<std::string, std::vector<std::string>> rowsOfCode = {
    {"0000", {"full-house"}},
    {"0002", {"full-house", "hidden-single-box", "hidden-single-line"}},
    {"0003", {"naked-single"}},
    {"0100", {"pointing"}},
    {"0101", {"claiming"}},
    {"0200", {"naked-pair"}},
    {"0201", {"naked-triple"}},
    {"0202", {"naked-quad"}},
    {"0210", {"hidden-pair"}},
    {"0211", {"hidden-triple"}},
    {"0212", {"hidden-quad"}},
    {"0300", {"x-wing"}},
    {"0301", {"swordfish"}},
    {"0302", {"jellyfish"}},
    {"0600", {"unique-rectangle"}},
    {"0601", {"unique-rectangle"}},
    {"0602", {"unique-rectangle"}},
    {"0603", {"unique-rectangle"}},
    {"0610", {"bivalue-universal-grave"}},
    {"0800", {"xy-wing"}},
    {"0801", {"xyz-wing"}},
    {"0701", {"chains-and-cycles"}},
    {"0702", {"chains-and-cycles"}},
    {"0703", {"chains-and-cycles"}},
    {"0706", {"chains-and-cycles"}},
    {"0707", {"chains-and-cycles"}},
    {"0708", {"chains-and-cycles"}},
};

// Chains strike a candidate each (or a loop's few): a case of these holds
// when each candidate it strikes or places, some chain strikes or places.
bool coveredByChains(const std::string& code) { return code.starts_with("07"); }

// "<digit><row><column>" entries separated by spaces, as cell and digit.
std::set<std::pair<int, int>> candidatesIn(const std::string& field)
{
    std::set<std::pair<int, int>> candidates;
    std::istringstream in(field);
    for (std::string entry; in >> entry;) {
        candidates.insert({cellIndex(entry[2] - '1', entry[1] - '1'), entry[0] - '0'});
    }
    return candidates;
}

std::set<std::pair<int, int>> asSet(const std::vector<Candidate>& candidates)
{
    std::set<std::pair<int, int>> set;
    for (const Candidate& each : candidates) {
        set.insert({each.cell, each.digit});
    }
    return set;
}

class AllSteps final : public StepSink {
public:
    bool take(Step&& step) override
    {
        steps.push_back(std::move(step));
        return false;
    }
    std::vector<Step> steps;
};

struct Case {
    std::string line;
    std::string code;
    bool failCase = false;
    CandidateGrid grid;
    std::set<std::pair<int, int>> eliminations;
    std::set<std::pair<int, int>> placements;
};

// `:<technique>:<candidates>:<givens>:<deleted>:<eliminations>:<placements>:<extra>`
Case readCase(const std::string& line)
{
    std::vector<std::string> fields;
    std::stringstream in(line.substr(1));
    for (std::string field; std::getline(in, field, ':');) {
        fields.push_back(field);
    }
    fields.resize(7);
    Case c{line, fields[0].substr(0, 4), fields[0].ends_with("-x"), {}, {}, {}};
    Board board;
    int cell = 0;
    for (char ch : fields[2]) {
        if (ch == '+') {
            continue;
        }
        if (ch >= '1' && ch <= '9') {
            board.place(cellIndex(cell % 9, cell / 9), ch - '0');
        }
        ++cell;
    }
    c.grid = CandidateGrid::fromValues(board);
    for (const auto& [struck, digit] : candidatesIn(fields[3])) {
        c.grid.eliminate(struck, digit);
    }
    c.eliminations = candidatesIn(fields[4]);
    c.placements = candidatesIn(fields[5]);
    return c;
}

std::vector<Step> stepsOf(const Case& c)
{
    AllSteps sink;
    for (const TechniqueRow& row : techniqueTable()) {
        const auto& names = rowsOfCode.at(c.code);
        if (std::find(names.begin(), names.end(), row.name) != names.end()) {
            row.scan(c.grid, sink);
        }
    }
    return std::move(sink.steps);
}

// HoDoKu's regression library, the cases of the techniques the ladder has
// (tests/engine/data/hodoku_cases.txt says which and why): each case's
// eliminations or placements are those of one step its technique finds,
// and a fail case finds no step at all.
TEST(HoDoKuCases, EachCaseIsFoundExactlyAndNoFailCaseIsFound)
{
    std::ifstream file(std::string(KELVARO_ENGINE_TEST_DATA) + "/hodoku_cases.txt");
    ASSERT_TRUE(file) << "missing test data";
    std::map<std::string, int> tried;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] != ':') {
            continue;
        }
        const Case c = readCase(line);
        ++tried[c.code];
        const std::vector<Step> steps = stepsOf(c);
        if (c.failCase) {
            EXPECT_TRUE(steps.empty()) << "fail case found: " << line;
            continue;
        }
        if (coveredByChains(c.code)) {
            std::set<std::pair<int, int>> struck;
            std::set<std::pair<int, int>> placed;
            for (const Step& step : steps) {
                struck.merge(asSet(step.eliminations));
                placed.merge(asSet(step.placements));
            }
            EXPECT_TRUE(std::includes(struck.begin(), struck.end(), c.eliminations.begin(), c.eliminations.end())
                        && std::includes(placed.begin(), placed.end(), c.placements.begin(), c.placements.end()))
                << steps.size() << " chains, which leave some of the case's conclusions out: " << line;
            continue;
        }
        const bool found = std::any_of(steps.begin(), steps.end(), [&](const Step& step) {
            return asSet(step.eliminations) == c.eliminations && asSet(step.placements) == c.placements;
        });
        EXPECT_TRUE(found) << steps.size() << " steps, none exactly the case's: " << line;
    }
    EXPECT_EQ(tried.size(), rowsOfCode.size()) << "a technique has no case";
}

}  // namespace
