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

TEST_F(MainLoop, TextChangesOfTheFirstAndLastCellFieldReachTheGrid)
{
    field(17)->setText("4");
    field(97)->setText("6");
    dispatchEvent({eventControl, 17, typeTextChanged, mainWindow});
    dispatchEvent({eventControl, 97, typeTextChanged, mainWindow});
    EXPECT_EQ(value(0, 0), "4");
    EXPECT_EQ(value(8, 8), "6");
}

TEST_F(MainLoop, IdsJustOutsideTheCellFieldsAreNoCellEdits)
{
    // Entry fields posing as controls 16 and 98: an edit of theirs must not
    // be trimmed to one digit as a cell field's is.
    for (const int id : {16, 98}) {
        auto* other = new QLineEdit(window());
        other->setText("77");
        registerControl(mainWindow, id, other);
        dispatchEvent({eventControl, id, typeTextChanged, mainWindow});
        EXPECT_EQ(other->text(), QString("77")) << id;
    }
}

TEST_F(MainLoop, OtherEventTypesOfACellFieldRunNothing)
{
    field(40)->setText("33");
    dispatchEvent({eventControl, 40, typeFocusGained, mainWindow});
    dispatchEvent({eventControl, 40, typeFocusLost, mainWindow});
    EXPECT_EQ(field(40)->text(), QString("33"));
    EXPECT_EQ(grid[2][5].value.read(), "");
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
        {"the clash of the second 9", [] { return grid[0][1].clash == 1; },
         [] { QTest::mouseClick(findControl(clearButtonId), Qt::LeftButton); }},
        {"the Clear", [] { return value(0, 0).empty() && value(0, 1).empty(); },
         [] { QTest::keyClicks(field(19), "2"); }},
        {"the 2", [] { return value(0, 2) == "2"; }, [] { postCloseEvent(mainWindow); }},
    });
    runMainLoop();
    EXPECT_EQ(quit, 1);
    EXPECT_EQ(value(0, 0), "");
    EXPECT_EQ(value(0, 1), "");
    EXPECT_EQ(grid[0][1].clash, 0);
    EXPECT_EQ(value(0, 2), "2");
    EXPECT_EQ(lastControlId, 19);
}

}  // namespace
