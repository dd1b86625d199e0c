#pragma once

#include <vector>

// Candidates marked over a window's cell fields, at the places where the
// fields draw their notes (cell_field.h's notePlace), whether or not a field
// shows that note: each mark's digit on a clean round patch, told apart by
// shape as well as colour, and a chain drawn as a path from candidate to
// candidate. The marks lie above the fields and anything laid over them,
// take no clicks, and follow the window's zoom.

enum MarkShape : unsigned {
    markPlaced = 1,  // the digit white in a filled disc
    markProof = 2,   // the digit bold in a ring: what a step rests on, or what a chain takes as true
    markStruck = 4,  // the digit crossed out
    markFalse = 8,   // the digit in a dotted ring: what a chain takes as false
};

struct CandidateMark {
    int field = 0;
    int digit = 0;
    unsigned shapes = 0;  // MarkShape bits
    bool operator==(const CandidateMark&) const = default;
};

// One inference of a chain, an arrow from one candidate to the next, bent a
// little so that a link and its way back, or links along one row, stay
// apart. A strong link is a solid line and a weak one a dashed line of
// another colour, so that they differ in greyscale too.
struct CandidateLink {
    int fromField = 0;
    int fromDigit = 0;
    int toField = 0;
    int toDigit = 0;
    bool strong = false;
    bool operator==(const CandidateLink&) const = default;
};

// Draws the marks and links over the open window, in place of any drawn
// before; none of either takes them away.
void showCandidateMarks(int window, const std::vector<CandidateMark>& marks, const std::vector<CandidateLink>& links);
