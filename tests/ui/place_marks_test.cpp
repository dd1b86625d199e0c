#include "cell_field.h"
#include "place_marks.h"
#include "windows.h"
#include "zoom.h"

#include <QImage>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Two cell fields side by side, 30 pixels wide, and a third below the first.
class PlaceMarks : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(openWindow(1, "test", 200, 200, styleCloseBox, Placement::centredOnScreen));
        ASSERT_NE(createCellField(1, 20, 10, 10, 30, 30), nullptr);
        ASSERT_NE(createCellField(1, 21, 100, 10, 30, 30), nullptr);
        ASSERT_NE(createCellField(1, 22, 10, 100, 30, 30), nullptr);
        findWindow(1)->show();
    }
    void TearDown() override { closeAllWindows(); }

    static QImage drawn() { return findWindow(1)->grab().toImage(); }

    // How many pixels of row y, from x0 to x1, are mostly blue, or mostly
    // red-orange (the weak links' ink).
    static int bluePixels(const QImage& image, int y, int x0, int x1)
    {
        int count = 0;
        for (int x = x0; x <= x1; ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.blue() > 120 && c.red() < 80 ? 1 : 0;
        }
        return count;
    }
    static int orangePixels(const QImage& image, int y, int x0, int x1)
    {
        int count = 0;
        for (int x = x0; x <= x1; ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 140 && c.blue() < 80 ? 1 : 0;
        }
        return count;
    }
};

// Place 5 is the middle of a field: the line from field 20 to field 21 runs
// along y = 25 between the two fields (x 40 to 100).
TEST_F(PlaceMarks, AStrongLinkIsASolidLineAWeakOneADashedOneAndBothGoWhenCleared)
{
    const int before = bluePixels(drawn(), 25, 45, 95);
    showPlaceMarks(1, {{{20, 5}, {21, 5}, PlaceLinkKind::strong}}, {{{20, 5}, PlaceMarkKind::off}, {{21, 5}, PlaceMarkKind::on}});
    EXPECT_GE(bluePixels(drawn(), 25, 45, 95) - before, 45) << "a solid line all the way between the fields";

    showPlaceMarks(1, {{{20, 5}, {21, 5}, PlaceLinkKind::weak}}, {});
    const int dashes = orangePixels(drawn(), 25, 45, 95);
    EXPECT_GT(dashes, 15);
    EXPECT_LT(dashes, 45) << "gaps between the dashes";
    EXPECT_EQ(bluePixels(drawn(), 25, 45, 95), before) << "the marks shown before are replaced";

    clearPlaceMarks(1);
    EXPECT_EQ(orangePixels(drawn(), 25, 45, 95), 0);
}

TEST_F(PlaceMarks, FollowTheFieldsWhenTheWindowIsZoomed)
{
    showPlaceMarks(1, {{{20, 5}, {22, 5}, PlaceLinkKind::strong}}, {});
    zoomWindow(1, 200);
    // At 200% field 20 spans x 20 to 80; its middle column, from field 20
    // down to field 22, is x 50.
    const QImage image = drawn();
    int blue = 0;
    for (int y = 90; y <= 190; ++y) {
        const QColor c = image.pixelColor(50, y);
        blue += c.blue() > 120 && c.red() < 80 ? 1 : 0;
    }
    EXPECT_GE(blue, 90);
}

}  // namespace
