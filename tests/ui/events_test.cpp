#include "events.h"
#include "pending_events.h"

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class EventQueue : public testing::Test {
protected:
    void SetUp() override { discardEvents(); }
    void TearDown() override { discardEvents(); }
};

TEST_F(EventQueue, DeliversEventsInTheOrderTheyWerePosted)
{
    postControlEvent(0, 17, typeTextChanged);
    postCloseEvent(3);
    postControlEvent(1, 10, typePressed);

    const UiEvent first = waitEvent();
    EXPECT_EQ(first.kind, eventControl);
    EXPECT_EQ(first.controlId, 17);
    EXPECT_EQ(first.type, typeTextChanged);
    EXPECT_EQ(first.window, 0);

    const UiEvent second = waitEvent();
    EXPECT_EQ(second.kind, eventClose);
    EXPECT_EQ(second.window, 3);

    const UiEvent third = waitEvent();
    EXPECT_EQ(third.controlId, 10);
    EXPECT_EQ(third.type, typePressed);
    EXPECT_EQ(waitEvent(0).kind, eventNone);
}

TEST_F(EventQueue, KindAndTypeCodesAreTheToolkitOnes)
{
    EXPECT_EQ(eventControl, 13100);
    EXPECT_EQ(eventClose, 16);
    EXPECT_EQ(typeTextChanged, 768);
    EXPECT_NE(typeFocusGained, typeTextChanged);
    EXPECT_NE(typeFocusLost, typeTextChanged);
}

TEST_F(EventQueue, TimedWaitGivesUpAfterItsLimit)
{
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(waitEvent(100).kind, eventNone);
    EXPECT_GE(clock.elapsed(), 95);
    // Room for a busy machine, but not for a wait several times its limit.
    EXPECT_LT(clock.elapsed(), 800);
}

TEST_F(EventQueue, WaitWakesForAnEventRaisedWhileItWaits)
{
    QTimer::singleShot(20, [] { postControlEvent(0, 2, typePressed); });
    const UiEvent event = waitEvent();
    EXPECT_EQ(event.kind, eventControl);
    EXPECT_EQ(event.controlId, 2);
}

TEST_F(EventQueue, TimedWaitReturnsAnEventThatComesBeforeTheLimit)
{
    QTimer::singleShot(10, [] { postCloseEvent(0); });
    EXPECT_EQ(waitEvent(5000).kind, eventClose);
}

TEST_F(EventQueue, DiscardDropsWhatIsQueued)
{
    postCloseEvent(0);
    postCloseEvent(1);
    discardEvents();
    EXPECT_TRUE(takePendingEvents().empty());
}

}  // namespace
