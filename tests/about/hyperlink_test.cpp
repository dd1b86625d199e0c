#include "controls.h"
#include "events.h"
#include "fonts.h"
#include "hyperlink.h"
#include "windows.h"

#include <QFontMetrics>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);

bool near(QColor pixel, QColor wanted)
{
    return std::abs(pixel.red() - wanted.red()) < 60 && std::abs(pixel.green() - wanted.green()) < 60 &&
           std::abs(pixel.blue() - wanted.blue()) < 60;
}

int pixelsOf(const QImage& image, QColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += near(image.pixelColor(x, y), colour);
    return count;
}

// The longest horizontal run of the colour in any row: only an underline
// spans most of the caption in one unbroken line.
int longestRun(const QImage& image, QColor colour)
{
    int longest = 0;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            run = near(image.pixelColor(x, y), colour) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

class HyperlinkTest : public testing::Test {
protected:
    HyperlinkTest()
    {
        discardEvents();
        EXPECT_TRUE(openWindow(3, "links", 400, 250, styleCloseBox, Placement::centredOnScreen));
        window = findWindow(3);
        link = createHyperlink(3, 15, "VISIT MY WEBSITE", 130, 200, 140, 20, red);
        setTextColour(15, 0, 0, 255);
        EXPECT_TRUE(loadFont(0, "Arial", 12));
        setControlFont(15, 0);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    }

    ~HyperlinkTest() override
    {
        closeAllWindows();
        discardEvents();
    }

    QImage picture() { return link->grab().toImage(); }
    int captionWidth() { return link->fontMetrics().horizontalAdvance(link->caption()); }

    QWidget* window = nullptr;
    Hyperlink* link = nullptr;
};

TEST_F(HyperlinkTest, IsBlueAndUnderlinedWhileThePointerIsElsewhere)
{
    QTest::mouseMove(window, QPoint(10, 10));
    const QImage image = picture();
    EXPECT_GT(pixelsOf(image, blue), 100);
    EXPECT_EQ(pixelsOf(image, red), 0);
    EXPECT_GE(longestRun(image, blue), captionWidth() * 9 / 10);
}

TEST_F(HyperlinkTest, TurnsRedUnderThePointerAndBlueAgainOffIt)
{
    QTest::mouseMove(window, QPoint(140, 210));
    EXPECT_EQ(link->currentColour(), red);
    QImage image = picture();
    EXPECT_GT(pixelsOf(image, red), 100);
    EXPECT_EQ(pixelsOf(image, blue), 0);
    EXPECT_GE(longestRun(image, red), captionWidth() * 9 / 10);

    QTest::mouseMove(window, QPoint(10, 10));
    EXPECT_EQ(link->currentColour(), blue);
    image = picture();
    EXPECT_GT(pixelsOf(image, blue), 100);
    EXPECT_EQ(pixelsOf(image, red), 0);
    EXPECT_GE(longestRun(image, blue), captionWidth() * 9 / 10);
}

TEST_F(HyperlinkTest, CaptionStartsAtTheTopLeftCorner)
{
    const QImage image = picture();
    int left = image.width(), top = image.height();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (near(image.pixelColor(x, y), blue)) {
                left = std::min(left, x);
                top = std::min(top, y);
            }
    EXPECT_LE(left, 2);
    EXPECT_LE(top, 4);
}

TEST_F(HyperlinkTest, ShowsTheHandPointerAndTheLinkFont)
{
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(link->font().family(), "Arial");
    EXPECT_NEAR(QFontMetrics(link->font()).height(), 16, 1);
    EXPECT_NE(link->font().weight(), QFont::Bold);
}

TEST_F(HyperlinkTest, OnlyALeftButtonReleasedOverItActivatesIt)
{
    QSignalSpy activated(link, &Hyperlink::activated);
    QTest::mouseClick(link, Qt::RightButton, {}, QPoint(20, 10));
    EXPECT_EQ(activated.count(), 0);

    QTest::mousePress(link, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(activated.count(), 0) << "pressing alone must not follow the link";
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(200, 10));
    EXPECT_EQ(activated.count(), 0) << "released after the pointer left the link";

    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(activated.count(), 1);
}

TEST_F(HyperlinkTest, AClickBecomesOneControlEventOfItsWindow)
{
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(20, 10));
    const UiEvent event = waitEvent(0);
    EXPECT_EQ(event.kind, eventControl);
    EXPECT_EQ(event.controlId, 15);
    EXPECT_EQ(event.window, 3);
    EXPECT_EQ(waitEvent(0).kind, eventNone);
}

TEST(Hyperlinks, NeedAnOpenWindow)
{
    EXPECT_EQ(createHyperlink(3, 15, "VISIT MY WEBSITE", 130, 200, 140, 20, red), nullptr);
}

}  // namespace
