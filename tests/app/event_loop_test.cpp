#include "main_window_fixture.h"

#include <QDeadlineTimer>
#include <QLineEdit>
#include <QTimer>

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

namespace {

using MainLoop = MainWindowTest;

TEST_F(MainLoop, DigitsTypedIntoTheFirstAndLastCellFieldReachTheGame)
{
    dispatchEvent({eventControl, 17, typeTextChanged, mainWindow, 4});
    dispatchEvent({eventControl, 97, typeTextChanged, mainWindow, 6});
    EXPECT_EQ(value(0, 0), "4");
    EXPECT_EQ(value(8, 8), "6");
    EXPECT_EQ(field(97)->text(), QString("6")) << "the window is drawn from the game";
}

TEST_F(MainLoop, OtherEventTypesOfACellFieldRunNothing)
{
    dispatchEvent({eventControl, 40, typeFocusGained, mainWindow, 3});
    dispatchEvent({eventControl, 40, typeFocusLost, mainWindow, 3});
    dispatchEvent({eventControl, 40, typePressed, mainWindow, 3});
    EXPECT_EQ(value(2, 5), "");
    EXPECT_EQ(cell(2, 5).notes, 0);
}

TEST_F(MainLoop, ButtonsRunTheirCommandWhateverTheEventType)
{
    typeInto(1, 1, "8");
    dispatchEvent({eventControl, clearButtonId, typeFocusGained, mainWindow});
    EXPECT_EQ(value(1, 1), "");
    EXPECT_EQ(field(cellFieldId(1, 1))->text(), QString());
}

TEST_F(MainLoop, UnknownControlRunsNothing)
{
    typeInto(1, 1, "8");
    for (const int id : {5, 12, 16, 98, 1000, -1}) {
        dispatchEvent({eventControl, id, typePressed, mainWindow});
    }
    EXPECT_EQ(value(1, 1), "8");
    EXPECT_EQ(quit, 0);
}

TEST_F(MainLoop, CloseRequestFromAnyWindowEndsTheLoop)
{
    for (const int from : {mainWindow, 3}) {
        quit = 0;
        QTimer::singleShot(0, [from] { postCloseEvent(from); });
        runMainLoop();
        EXPECT_EQ(quit, 1);
        EXPECT_EQ(lastEventKind, eventClose);
    }
}

TEST_F(MainLoop, ClosingTheMainWindowEndsTheLoopAndLeavesClosingToTheProgram)
{
    QTimer::singleShot(0, [] { window()->close(); });
    runMainLoop();
    EXPECT_EQ(quit, 1);
    EXPECT_TRUE(window()->isVisible());
}

// The user's actions, played from inside the running main loop one at a
// time: each waits until the loop has handled the one before it, as seen in
// the grid. A step that waits ten seconds in vain fails the test and ends
// the loop, so that a fault cannot hang it.
class UserActions {
public:
    struct Step {
        const char* waitsFor;
        std::function<bool()> ready;
        std::function<void()> act;
    };

    explicit UserActions(std::vector<Step> steps) : steps_(std::move(steps))
    {
        QObject::connect(&poll_, &QTimer::timeout, [this] { playNextWhenReady(); });
        poll_.start(1);
    }

private:
    void playNextWhenReady()
    {
        if (next_ == steps_.size()) {
            return;
        }
        const Step& step = steps_[next_];
        if (step.ready()) {
            step.act();
            ++next_;
            patience_ = QDeadlineTimer(10000);
        } else if (patience_.hasExpired()) {
            ADD_FAILURE() << "the loop never got to: " << step.waitsFor;
            next_ = steps_.size();
            postCloseEvent(mainWindow);
        }
    }

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    QDeadlineTimer patience_{10000};
    QTimer poll_;
};

TEST_F(MainLoop, EditsAndPressesAreHandledInOrderUntilTheClose)
{
    const UserActions actions({
        {"the start", [] { return true; }, [] { QTest::keyClicks(field(17), "9"); }},
        {"the first 9", [] { return value(0, 0) == "9"; },
         [] { QTest::keyClicks(field(18), "9"); }},
        {"the clash of the second 9", [] { return cell(0, 1).clash; },
         [] { QTest::mouseClick(findControl(clearButtonId), Qt::LeftButton); }},
        {"the Clear", [] { return value(0, 0).empty() && value(0, 1).empty(); },
         [] { QTest::keyClicks(field(19), "2"); }},
        {"the 2", [] { return value(0, 2) == "2"; }, [] { postCloseEvent(mainWindow); }},
    });
    runMainLoop();
    EXPECT_EQ(quit, 1);
    EXPECT_EQ(value(0, 0), "");
    EXPECT_EQ(value(0, 1), "");
    EXPECT_FALSE(cell(0, 1).clash);
    EXPECT_EQ(value(0, 2), "2");
    EXPECT_EQ(lastControlId, 19);
}

}  // namespace
