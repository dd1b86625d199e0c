#pragma once

#include <vector>

// Marks drawn over a window's cell fields at the nine places of a field's
// notes (1 top left to 9 bottom right), to show a hint's chain as a path
// from candidate to candidate: a ring with the digit at each candidate it
// takes as true or false, a line for each link, and a cross on a candidate
// it strikes. Kinds differ by the stroke as well as the colour, so that they
// read in greyscale too: a strong link is a solid line, a weak one dashed; a
// candidate taken as true has a solid ring, one taken as false a dotted one.
// Sizes follow the window's zoom; the marks follow the fields when the
// window is zoomed, and take no clicks.

struct FieldPlace {
    int field = 0;  // a cell field's id
    int place = 1;  // 1 to 9
};

enum class PlaceLinkKind { strong, weak };

struct PlaceLink {
    FieldPlace from;
    FieldPlace to;
    PlaceLinkKind kind = PlaceLinkKind::strong;
};

enum class PlaceMarkKind { on, off, struck };

struct PlaceMark {
    FieldPlace at;
    PlaceMarkKind kind = PlaceMarkKind::on;
};

// Draws the links and marks over the open window, in place of any it shows;
// does nothing when that window is not open.
void showPlaceMarks(int window, const std::vector<PlaceLink>& links, const std::vector<PlaceMark>& marks);

// Takes the window's marks away.
void clearPlaceMarks(int window);
