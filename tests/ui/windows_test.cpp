#include "controls.h"
#include "controls_registry.h"
#include "events.h"
#include "pending_events.h"
#include "windows.h"
#include "zoom.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

class Windows : public testing::Test {
protected:
    void SetUp() override { discardEvents(); }
    void TearDown() override
    {
        closeAllWindows();
        discardEvents();
    }
};

QRect screenGeometry() { return QGuiApplication::primaryScreen()->geometry(); }

TEST_F(Windows, OpenWithFixedClientSizeAndTitle)
{
    ASSERT_TRUE(openWindow(1, "Select Difficulty.", 180, 150, styleTitleOnly,
                           Placement::centredOnScreen));
    QWidget* window = findWindow(1);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(180, 150));
    EXPECT_EQ(window->minimumSize(), QSize(180, 150));
    EXPECT_EQ(window->maximumSize(), QSize(180, 150));
    EXPECT_EQ(window->windowTitle(), QString("Select Difficulty."));
}

TEST_F(Windows, StyleDecidesTheTitleBarBoxesAndStayingOnTop)
{
    ASSERT_TRUE(openWindow(0, "main", 100, 100, styleCloseBox | styleMinimiseBox,
                           Placement::centredOnScreen));
    ASSERT_TRUE(openWindow(2, "progress", 100, 100, styleTitleOnly | styleKeptOnTop,
                           Placement::centredOnScreen));
    const Qt::WindowFlags main = findWindow(0)->windowFlags();
    EXPECT_TRUE(main.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(main.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(main.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(main.testFlag(Qt::WindowStaysOnTopHint));

    const Qt::WindowFlags progress = findWindow(2)->windowFlags();
    EXPECT_TRUE(progress.testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(progress.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(progress.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(progress.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_TRUE(progress.testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(Windows, ANumberCannotBeOpenedTwice)
{
    ASSERT_TRUE(openWindow(3, "one", 100, 100, styleCloseBox, Placement::centredOnScreen));
    EXPECT_FALSE(openWindow(3, "two", 100, 100, styleCloseBox, Placement::centredOnScreen));
    EXPECT_EQ(findWindow(3)->windowTitle(), QString("one"));
}

TEST_F(Windows, UsersCloseRequestBecomesAnEventAndClosesNothing)
{
    ASSERT_TRUE(openWindow(3, "About", 100, 100, styleCloseBox, Placement::centredOnScreen));
    findWindow(3)->close();
    QApplication::processEvents();

    const auto events = takePendingEvents();
    ASSERT_EQ(events.size(), 1U);
    EXPECT_EQ(events[0].kind, eventClose);
    EXPECT_EQ(events[0].window, 3);
    EXPECT_TRUE(windowIsOpen(3));
    EXPECT_TRUE(findWindow(3)->isVisible());
}

TEST_F(Windows, ClosingByTheProgramClosesAndForgetsItsControls)
{
    ASSERT_TRUE(openWindow(1, "dialog", 180, 150, styleTitleOnly, Placement::centredOnScreen));
    ASSERT_NE(createButton(1, 10, "OK", 60, 120, 60, 25), nullptr);
    closeWindow(1);
    EXPECT_FALSE(windowIsOpen(1));
    EXPECT_EQ(findControl(10), nullptr);
    EXPECT_TRUE(takePendingEvents().empty()) << "the program's own close is no request";

    // The number can be used again, and so can the control's id.
    ASSERT_TRUE(openWindow(1, "dialog", 180, 150, styleTitleOnly, Placement::centredOnScreen));
    EXPECT_NE(createButton(1, 10, "OK", 60, 120, 60, 25), nullptr);
}

TEST_F(Windows, AClosedWindowIsGoneWithItsControls)
{
    ASSERT_TRUE(openWindow(1, "dialog", 180, 150, styleTitleOnly, Placement::centredOnScreen));
    ASSERT_TRUE(openWindow(3, "About", 400, 250, styleCloseBox, Placement::centredOnScreen));
    const QPointer<QWidget> dialog = findWindow(1);
    const QPointer<QWidget> button = createButton(1, 10, "OK", 60, 120, 60, 25);
    const QPointer<QWidget> about = findWindow(3);
    const QPointer<QWidget> text = createStaticText(3, 12, "text", 5, 5, 390, 40);

    // No event is handled in between: the program may never return to an
    // event loop that would carry out a deferred deletion.
    closeWindow(1);
    EXPECT_TRUE(dialog.isNull());
    EXPECT_TRUE(button.isNull());
    closeAllWindows();
    EXPECT_TRUE(about.isNull());
    EXPECT_TRUE(text.isNull());
}

TEST_F(Windows, EachSettingOfABarIsOnTheScreenAtOnce)
{
    ASSERT_TRUE(openWindow(2, "progress", 210, 35, styleTitleOnly, Placement::centredOnScreen));
    ASSERT_NE(createProgressBar(2, 11, 5, 5, 200, 25), nullptr);
    waitUntilOnScreen(2);
    ASSERT_TRUE(findWindow(2)->windowHandle()->isExposed());

    // What the screen shows near the bar's right end, read without handling
    // any event after the setting.
    const auto shownNearTheEnd = [] {
        const QImage shown =
            QGuiApplication::primaryScreen()->grabWindow(findWindow(2)->winId()).toImage();
        return shown.pixel(195, 17);
    };
    setProgressPosition(11, 0);
    const QRgb empty = shownNearTheEnd();
    setProgressPosition(11, 100);
    EXPECT_NE(shownNearTheEnd(), empty);
    setProgressPosition(11, 50);
    EXPECT_EQ(shownNearTheEnd(), empty);
}

TEST_F(Windows, CentredOnTheScreen)
{
    ASSERT_TRUE(openWindow(2, "progress", 210, 35, styleTitleOnly, Placement::centredOnScreen));
    const QRect outer = findWindow(2)->frameGeometry();
    EXPECT_NEAR(outer.center().x(), screenGeometry().center().x(), 1);
    EXPECT_NEAR(outer.center().y(), screenGeometry().center().y(), 1);
}

TEST_F(Windows, CentredOverTheActiveWindow)
{
    ASSERT_TRUE(openWindow(0, "main", 350, 272, styleCloseBox, Placement::centredOnScreen));
    QWidget* main = findWindow(0);
    main->move(40, 30);
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));

    ASSERT_TRUE(openWindow(1, "dialog", 180, 150, styleTitleOnly, Placement::centredOverActive));
    const QRect over = main->frameGeometry();
    const QRect dialog = findWindow(1)->frameGeometry();
    EXPECT_NEAR(dialog.center().x(), over.center().x(), 1);
    EXPECT_NEAR(dialog.center().y(), over.center().y(), 1);
}

TEST_F(Windows, CentringOverASmallWindowNearTheCornerKeepsTheEdgesOnScreen)
{
    ASSERT_TRUE(openWindow(3, "small", 60, 40, styleCloseBox, Placement::centredOnScreen));
    QWidget* small = findWindow(3);
    small->move(0, 0);
    small->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(small));

    ASSERT_TRUE(openWindow(4, "large", 800, 600, styleCloseBox, Placement::centredOverActive));
    EXPECT_EQ(findWindow(4)->frameGeometry().topLeft(), QPoint(0, 0));
}

TEST_F(Windows, CentringOverNoActiveWindowOpensAtTheTopLeftCorner)
{
    ASSERT_EQ(QApplication::activeWindow(), nullptr);
    ASSERT_TRUE(openWindow(3, "About", 400, 250, styleCloseBox, Placement::centredOverActive));
    EXPECT_EQ(findWindow(3)->frameGeometry().topLeft(), QPoint(0, 0));
}

// The offscreen screen is 800 pixels square, and its frame 2 pixels each side.
TEST_F(Windows, FitsAtAZoomThatFillsTheScreenToItsLastPixelAndNoFurther)
{
    ASSERT_TRUE(openWindow(5, "wide", 398, 300, styleCloseBox, Placement::centredOnScreen));
    EXPECT_TRUE(windowFitsAt(5, 200));
    EXPECT_FALSE(windowFitsAt(5, 201));
}

TEST_F(Windows, CloseAllClosesEveryOpenWindow)
{
    ASSERT_TRUE(openWindow(0, "a", 50, 50, styleCloseBox, Placement::centredOnScreen));
    ASSERT_TRUE(openWindow(2, "b", 50, 50, styleTitleOnly, Placement::centredOnScreen));
    closeAllWindows();
    EXPECT_FALSE(windowIsOpen(0));
    EXPECT_FALSE(windowIsOpen(2));
}

}  // namespace
