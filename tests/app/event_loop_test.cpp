#include "main_window_fixture.h"

#include <QLineEdit>
#include <QTimer>

#include <functional>
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

TEST_F(MainLoop, EditsAndPressesAreHandledInOrderUntilTheClose)
{
    // One user action at a time, the loop waiting between them: the timer
    // acts at most once in each pass of the loop's wait, and each action's
    // event ends that wait, however late the timer comes.
    const std::vector<std::function<void()>> actions = {
        [] { QTest::keyClicks(field(17), "9"); },
        [] { QTest::keyClicks(field(18), "9"); },
        [] {
            ASSERT_EQ(grid[0][1].clash, 1);
            QTest::mouseClick(findControl(clearButtonId), Qt::LeftButton);
        },
        [] { QTest::keyClicks(field(19), "2"); },
        [] { postCloseEvent(mainWindow); },
    };
    std::size_t next = 0;
    QTimer user;
    QObject::connect(&user, &QTimer::timeout, [&] {
        if (next < actions.size()) {
            actions[next++]();
        }
    });
    user.start(10);
    runMainLoop();
    EXPECT_EQ(value(0, 0), "");
    EXPECT_EQ(value(0, 1), "");
    EXPECT_EQ(grid[0][1].clash, 0);
    EXPECT_EQ(value(0, 2), "2");
    EXPECT_EQ(lastControlId, 19);
}

}  // namespace
