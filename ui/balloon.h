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
// keep clear of (in the usual font at 100%, where only that keeps it clear). It follows the window as it moves and zooms, and shows only
// while the window is active and on the screen, so that no other window of
// the program ever stands below it. It takes no focus and raises no event;
// a text taller than the screen scrolls.

// Shows the balloon beside the open window, in place of any shown before; a
// line break in the text starts a new line.
void showBalloon(int window, const std::string& title, const std::string& text, const std::vector<int>& keepClear);

void hideBalloon();

// The balloon while it is shown, or null: the tests and the pictures read it.
QWidget* shownBalloon();

// Where a balloon goes, in screen pixels, given the height `heightAt` gives
// for a width: beside the window's outer edge (to the right, else the left)
// with `gap` between, where the screen's free area leaves at least
// `leastWidth` (it takes up to `preferredWidth`); else below or above it, as
// wide as the window; else beside it in a column down to half `leastWidth`
// wide where the whole text then fits the screen's height; else over the
// window, in the place nearest its bottom-right corner clear of every
// `keepClear` rectangle (or, failing that, covering fewest).
QRect placeBalloon(const QRect& window, const QRect& screen, const std::vector<QRect>& keepClear,
                   int preferredWidth, int leastWidth, const std::function<int(int width)>& heightAt, int gap);
