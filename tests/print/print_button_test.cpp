#include "controls_registry.h"
#include "dialog_answerer.h"
#include "event_loop.h"
#include "events.h"
#include "game_session.h"
#include "grid.h"
#include "main_window.h"
#include "windows.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class PrintButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        discardEvents();
        resetEngineState();
        forgetGame();
        ASSERT_TRUE(openMainWindow());
        main = findWindow(mainWindow);
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    }

    void TearDown() override
    {
        closeAllWindows();
        discardEvents();
        resetEngineState();
    }

    QWidget* main = nullptr;
};

TEST_F(PrintButton, OpensThePrintDialogOverTheMainWindowAndPrintsTheGame)
{
    dispatchEvent({eventControl, cellFieldId(4, 4), typeTextChanged, mainWindow, 6});
    const DialogAnswerer user(false);

    QTest::mouseClick(findControl(printButtonId), Qt::LeftButton);
    dispatchEvent(waitEvent(0));

    EXPECT_EQ(user.className, "QPrintDialog");
    EXPECT_EQ(user.owner, main);
    EXPECT_EQ(grid[4][4].value.read(), "6") << "the grid Print reads is not the game's";
}

}  // namespace
