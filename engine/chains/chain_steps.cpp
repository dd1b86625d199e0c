#include "chain_steps.h"

#include "chain_rank.h"

#include <algorithm>

Step chainStep(double difficulty, const std::vector<Node>& nodes)
{
    Step step;
    step.rating = ratingInTenths(difficulty);
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const Candidate candidate = chainNode(nodes[i]).candidate;
        if (std::find(step.proof.begin(), step.proof.end(), candidate) == step.proof.end()) {
            step.proof.push_back(candidate);
        }
        if (i > 0) {
            step.chain.push_back({chainNode(nodes[i - 1]), chainNode(nodes[i])});
        }
    }
    return step;
}

void concludeOn(const CandidateGrid& grid, Node conclusion, Step& step)
{
    const int cell = nodeCell(conclusion);
    const int digit = nodeDigit(conclusion);
    if (!nodeOn(conclusion)) {
        step.eliminations.push_back({static_cast<std::uint8_t>(cell), static_cast<std::uint8_t>(digit)});
        return;
    }
    step.placements.push_back({static_cast<std::uint8_t>(cell), static_cast<std::uint8_t>(digit)});
    for (int other = 1; other <= 9; ++other) {
        if (other != digit && grid.has(cell, other)) {
            step.eliminations.push_back({static_cast<std::uint8_t>(cell), static_cast<std::uint8_t>(other)});
        }
    }
}
