#include "balloon.h"
#include "candidate_marks.h"
#include "cell_field.h"
#include "events.h"
#include "windows.h"
#include "zoom.h"

#include <QImage>
#include <QRect>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// A balloon 40 pixels tall for every 100 of text it cannot put on one line
// of its width: 400 pixels of text.
int heightAt(int width) { return 40 * ((400 + width - 1) / width); }

TEST(BalloonPlace, BesideTheWindowWhereTheScreenHasRoomElseOverItClearOfTheNamedCells)
{
    const QRect screen(0, 0, 1000, 700);
    const QRect fillsTheScreen(10, 10, 980, 680);
    const struct {
        QRect window;
        std::vector<QRect> keepClear;
        QRect expected;
    } cases[] = {
        // Room on the right: its top beside the window's.
        {QRect(100, 100, 350, 300), {}, QRect(456, 100, 320, 80)},
        // Room on the right, but narrower than it likes.
        {QRect(500, 100, 350, 300), {}, QRect(856, 100, 144, 120)},
        // Too little room on the right (100 < 120): on the left, kept on the
        // screen at the bottom.
        {QRect(300, 650, 580, 50), {}, QRect(0, 620, 294, 80)},
        // No room beside: below, as wide as the window, kept on the screen.
        {QRect(20, 100, 960, 300), {}, QRect(19, 406, 960, 40)},
        // Below still, where it ends on the screen's last row.
        {QRect(20, 100, 960, 554), {}, QRect(19, 660, 960, 40)},
        // No room beside nor below: above.
        {QRect(20, 300, 960, 390), {}, QRect(19, 254, 960, 40)},
        // Nor above: beside in a column of 104 (at least 60), 160 tall.
        {QRect(110, 10, 780, 680), {}, QRect(896, 10, 104, 160)},
        // No room outside at all: over the window, its bottom-right corner
        // first, then an eighth (122) to the left, then an eighth (85) up.
        {fillsTheScreen, {}, QRect(670, 610, 320, 80)},
        {fillsTheScreen, {QRect(900, 650, 30, 30)}, QRect(548, 610, 320, 80)},
        {fillsTheScreen, {QRect(0, 650, 1000, 30)}, QRect(670, 525, 320, 80)},
        // Clear of nothing: the first place that covers least.
        {fillsTheScreen, {QRect(0, 0, 1000, 700), QRect(900, 650, 30, 30)}, QRect(548, 610, 320, 80)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(placeBalloon(c.window, screen, c.keepClear, 320, 120, heightAt, 6), c.expected) << c.window.x();
    }
}

// Two cell fields far apart in a window, and the pixels of a link drawn
// between their 5s.
class CandidateLinks : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(openWindow(1, "test", 300, 200, styleCloseBox, Placement::centredOnScreen));
        from = createCellField(1, 20, 10, 10, 30, 30);
        to = createCellField(1, 21, 200, 150, 30, 30);
    }
    void TearDown() override
    {
        closeAllWindows();
        discardEvents();
    }

    // How many pixels of the link's ink are drawn within `radius` of each
    // end's note of 5, and over the whole window.
    struct Ink {
        int atFrom = 0;
        int atTo = 0;
        int all = 0;
    };
    Ink inkOf(bool strong, int zoom = 100)
    {
        zoomWindow(1, zoom);
        showCandidateMarks(1, {}, {{20, 5, 21, 5, strong}});
        const QImage drawn = findWindow(1)->grab().toImage();
        const QPointF a = notePlace(from, 5).center() + from->pos();
        const QPointF b = notePlace(to, 5).center() + to->pos();
        const double radius = 12.0 * zoom / 100;
        Ink ink;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                const QColor pixel = drawn.pixelColor(x, y);
                // Blue for a strong link, orange for a weak one, both dark
                // enough to stand out from white in greyscale.
                const bool inked = strong ? pixel.blue() > 150 && pixel.red() < 100
                                          : pixel.red() > 150 && pixel.green() < 150 && pixel.blue() < 80;
                if (!inked) {
                    continue;
                }
                ++ink.all;
                ink.atFrom += QLineF(a, QPointF(x, y)).length() < radius ? 1 : 0;
                ink.atTo += QLineF(b, QPointF(x, y)).length() < radius ? 1 : 0;
            }
        }
        return ink;
    }

    QWidget* from = nullptr;
    QWidget* to = nullptr;
};

TEST_F(CandidateLinks, RunFromCandidateToCandidateStrongSolidAndWeakDashedWithTheArrowAtTheEnd)
{
    const Ink strong = inkOf(true);
    const Ink weak = inkOf(false);
    // The straight way between the two 5s is 240 pixels; a line of that
    // length, a pixel or so wide, inks more than 200 pixels.
    EXPECT_GT(strong.all, 200);
    EXPECT_GT(weak.all, 120);
    EXPECT_LT(weak.all, strong.all * 8 / 10) << "a weak link drawn as solid as a strong one";
    EXPECT_GT(strong.atFrom, 0) << "the link does not start at its candidate";
    EXPECT_GT(strong.atTo, strong.atFrom + 8) << "no arrowhead at the link's end";
    EXPECT_GT(weak.atTo, weak.atFrom + 8) << "no arrowhead at the link's end";

    const Ink twice = inkOf(true, 200);
    EXPECT_GT(twice.atFrom, 0) << "at 200% the link left its candidate";
    EXPECT_GT(twice.all, 3 * strong.all) << "at 200% the line is no wider nor longer";

    zoomWindow(1, 100);
    showCandidateMarks(1, {}, {});
    EXPECT_EQ(inkOf(true).all, strong.all) << "drawing again drew more";
    showCandidateMarks(1, {}, {});
    int left = 0;
    const QImage cleared = findWindow(1)->grab().toImage();
    for (int y = 0; y < cleared.height(); ++y) {
        for (int x = 0; x < cleared.width(); ++x) {
            left += cleared.pixelColor(x, y).blue() > 150 && cleared.pixelColor(x, y).red() < 100 ? 1 : 0;
        }
    }
    EXPECT_EQ(left, 0) << "the link stayed once taken away";
}

}  // namespace
