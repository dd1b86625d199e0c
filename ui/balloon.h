#pragma once

#include <functional>
#include <string>
#include <vector>

class QRect;
class QWidget;

// A balloon that tells the player something about a window without covering
// what it tells of: a plain box, a bold title above a text, in the desktop's
// usual font at the window's zoom. It stands beside the window where the
// screen has room, else over the window clear of the controls it is told to
// keep clear of. It follows the window as it moves and zooms, and shows only
// while the window is active and on the screen, so that no other window of
// the program ever stands below it. It takes no focus and raises no event;
// a text taller than the screen scrolls.

// Shows the balloon beside the open window, in place of any shown before; a
// line break in the text starts a new line.
void showBalloon(int window, const std::string& title, const std::string& text, const std::vector<int>& keepClear);

void hideBalloon();

// The balloon while it is shown, or null: the tests and the pictures read it.
QWidget* shownBalloon();

// Where a balloon goes, in screen pixels: beside the window's outer edge (to
// the right, then the left, then below, then above) with `gap` between,
// where the screen's free area has room for at least `leastWidth` and, up
// to `preferredWidth`, the height `heightAt` gives for a width; else inside
// the window, in one of its corners, clear of every `keepClear` rectangle;
// else in the window's bottom-right corner.
QRect placeBalloon(const QRect& window, const QRect& screen, const std::vector<QRect>& keepClear,
                   int preferredWidth, int leastWidth, const std::function<int(int width)>& heightAt, int gap);
