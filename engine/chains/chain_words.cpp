#include "chain_words.h"

#include "chains/multiple_chains.h"
#include "chains/single_chains.h"
#include "clashes.h"
#include "ladder/words.h"

#include <algorithm>

namespace {

struct Branch {
    std::size_t begin;
    std::size_t end;
};

std::vector<Branch> branchesOf(const Step& step)
{
    std::vector<Branch> branches;
    if (step.chainBranches.empty()) {
        branches.push_back({0, step.chain.size()});
        return branches;
    }
    for (std::size_t i = 0; i < step.chainBranches.size(); ++i) {
        const std::size_t end = i + 1 < step.chainBranches.size() ? static_cast<std::size_t>(step.chainBranches[i + 1])
                                                                  : step.chain.size();
        branches.push_back({static_cast<std::size_t>(step.chainBranches[i]), end});
    }
    return branches;
}

std::string nodeText(const ChainNode& node)
{
    return cellName(node.candidate.cell) + (node.on ? " is " : " is not ") + std::to_string(node.candidate.digit);
}

char digitChar(int digit) { return static_cast<char>('0' + digit); }

ChainNode negated(ChainNode node)
{
    node.on = !node.on;
    return node;
}

// "row 1, column 4 is 6, so row 1, column 8 is not 6, so ...": the nodes a
// line reaches after its assumption, each once, in the order reached.
std::string lineText(const Step& step, Branch branch)
{
    std::vector<ChainNode> reached;
    for (std::size_t i = branch.begin; i < branch.end; ++i) {
        const ChainNode& to = step.chain[i].to;
        if (std::find(reached.begin(), reached.end(), to) == reached.end()) {
            reached.push_back(to);
        }
    }
    std::string text;
    for (const ChainNode& node : reached) {
        text += (text.empty() ? "" : ", so ") + nodeText(node);
    }
    return text;
}

// What a step concludes, as a sentence's end: "row 2, column 5 is 4" or
// "row 2, column 5 cannot be 4 or 9".
std::string conclusionText(const Step& step)
{
    if (!step.placements.empty()) {
        const Candidate placed = step.placements.front();
        return cellName(placed.cell) + " is " + std::to_string(placed.digit);
    }
    return struckText(step.eliminations);
}

std::string cycleWords(const Step& step)
{
    // The loop read forwards, then backwards with every node in the other
    // state: one of the two readings is the true one.
    std::vector<ChainNode> loop;
    for (const ChainLink& link : step.chain) {
        loop.push_back(link.from);
    }
    std::string forwards = "if " + nodeText(loop.front());
    for (std::size_t i = 1; i < loop.size(); ++i) {
        forwards += (i == 1 ? ", " : ", so ") + nodeText(loop[i]);
    }
    std::string backwards = "if " + nodeText(negated(loop.front()));
    for (std::size_t i = loop.size() - 1; i >= 1; --i) {
        backwards += (i == loop.size() - 1 ? ", " : ", so ") + nodeText(negated(loop[i]));
    }
    return "These links close a loop: " + forwards + ", and so " + nodeText(loop.front()) + " again; " + backwards
           + ", and so " + nodeText(negated(loop.front()))
           + " again. Either way, a candidate that sees both ends of a link is false, so " + conclusionText(step)
           + ".";
}

}  // namespace

std::string singleChainWords(const Step& step, const CandidateGrid&)
{
    const auto kind = static_cast<SingleChainKind>(step.form);
    if (kind == SingleChainKind::xCycle || kind == SingleChainKind::yCycle || kind == SingleChainKind::cycle) {
        return cycleWords(step);
    }
    const ChainNode start = step.chain.front().from;
    return "If " + nodeText(start) + ", " + lineText(step, {0, step.chain.size()}) + ": the assumption undoes itself, so "
           + conclusionText(step) + ".";
}

std::string forcingChainWords(const Step& step, const CandidateGrid& grid)
{
    const std::vector<Branch> branches = branchesOf(step);
    const auto kind = static_cast<ForcingKind>(step.form);
    const auto line = [&](std::size_t i) {
        const std::string text = lineText(step, branches[i]);
        return text.empty() ? std::string("that is the conclusion itself") : text;
    };
    const std::string conclusion = conclusionText(step);
    if (kind == ForcingKind::contradiction) {
        const ChainNode assumption{step.proof.front(), step.placements.empty()};
        if (branches[0].begin == branches[0].end) {
            return "If " + nodeText(assumption) + ", " + line(1) + ": the assumption undoes itself, so " + conclusion
                   + ".";
        }
        return "If " + nodeText(assumption) + ", " + line(0) + "; and " + line(1) + ". Both cannot hold, so "
               + conclusion + ".";
    }
    if (kind == ForcingKind::bothWays) {
        const Candidate tried = step.proof.front();
        return capitalised(cellName(tried.cell)) + " either is " + std::to_string(tried.digit)
               + " or is not. If it is, " + line(0) + ". If it is not, " + line(1) + ". Either way, " + conclusion
               + ".";
    }
    std::string text;
    if (kind == ForcingKind::cell) {
        const int cell = step.proof.front().cell;
        text = capitalised(cellName(cell)) + " holds " + digitList(digitsOf(step.proof), "or") + ".";
        for (std::size_t i = 0; i < branches.size() && i < step.proof.size(); ++i) {
            text += " If it is " + std::to_string(step.proof[i].digit) + ", " + line(i) + ".";
        }
        return text + " Whichever it is, " + conclusion + ".";
    }
    const int digit = step.proof.front().digit;
    const int unit = step.units.empty() ? 0 : step.units.front();
    text = "In " + unitName(unit) + ", " + std::to_string(digit) + " can only go in "
           + placesIn(unit, cellsOf(step.proof)) + ".";
    for (std::size_t i = 0; i < branches.size() && i < step.proof.size(); ++i) {
        text += " If it goes in " + cellName(step.proof[i].cell) + ", " + line(i) + ".";
    }
    (void)grid;
    return text + " Wherever it goes, " + conclusion + ".";
}

std::string alignedTripletWords(const Step& step, const CandidateGrid& grid)
{
    const std::vector<int> cells = step.cells;
    std::vector<int> excluders;
    for (int cell : cellsOf(step.proof)) {
        if (std::find(cells.begin(), cells.end(), cell) == cells.end()) {
            excluders.push_back(cell);
        }
    }
    std::string excluderText;
    for (std::size_t i = 0; i < excluders.size(); ++i) {
        excluderText += (i == 0 ? "" : i + 1 == excluders.size() ? " and " : "; ") + cellName(excluders[i]) + " ("
                        + digitList(grid.candidates[excluders[i]], "or") + ")";
    }
    return "Whatever digits " + cellList(cells) + " take, two of them that see each other cannot share one, and "
           + "together they cannot take every digit of a cell all three see: " + excluderText
           + ". No way of filling them that keeps to this leaves room for the rest, so " + struckText(step.eliminations)
           + ".";
}

std::vector<std::string> chainNotation(const Step& step)
{
    std::vector<std::string> lines;
    if (step.chain.empty()) {
        return lines;
    }
    for (const Branch& branch : branchesOf(step)) {
        if (branch.begin == branch.end) {
            continue;
        }
        std::vector<ChainNode> path;
        if (step.chainBranches.empty()) {
            // One line: each link starts where the one before ends.
            path.push_back(step.chain.front().from);
            for (const ChainLink& link : step.chain) {
                path.push_back(link.to);
            }
        } else {
            // The line through first reasons, from the branch's conclusion
            // back to its assumption.
            path.push_back(step.chain[branch.end - 1].to);
            for (;;) {
                const auto first = step.chain.begin() + static_cast<std::ptrdiff_t>(branch.begin);
                const auto last = step.chain.begin() + static_cast<std::ptrdiff_t>(branch.end);
                const auto reason =
                    std::find_if(first, last, [&](const ChainLink& link) { return link.to == path.back(); });
                if (reason == last || std::find(path.begin(), path.end(), reason->from) != path.end()) {
                    break;
                }
                path.push_back(reason->from);
            }
            std::reverse(path.begin(), path.end());
        }
        std::string text;
        for (std::size_t i = 0; i < path.size(); ++i) {
            const Candidate candidate = path[i].candidate;
            text += '(';
            text += digitChar(candidate.digit);
            // A cell's two digits linked to each other are written together.
            if (i + 1 < path.size() && path[i + 1].candidate.cell == candidate.cell) {
                text += path[i].on ? '-' : '=';
                text += digitChar(path[i + 1].candidate.digit);
                ++i;
            }
            text += ")r";
            text += digitChar(rowOf(candidate.cell) + 1);
            text += 'c';
            text += digitChar(columnOf(candidate.cell) + 1);
            if (i + 1 < path.size()) {
                text += path[i].on ? '-' : '=';
            }
        }
        lines.push_back(text);
    }
    return lines;
}
