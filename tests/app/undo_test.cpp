#include "clipboard.h"
#include "difficulty_dialog.h"
#include "main_window_fixture.h"
#include "message_answer.h"

#include <QTimer>

#include <vector>

namespace {

const std::string puzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string solved =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

using Undo = MainWindowTest;

void press(int buttonId)
{
    QTest::mouseClick(findControl(buttonId), Qt::LeftButton);
    MainWindowTest::dispatchPending();
}

TEST_F(Undo, EveryChangeIsOneStepAndWhatChangesNothingIsNone)
{
    std::vector<std::string> states{gridInReadingOrder()};
    const auto changed = [&] { states.push_back(gridInReadingOrder()); };

    typeInto(0, 0, "5");
    changed();
    setClipboardText(puzzle);
    pressKey(4, 4, Qt::Key_V, Qt::ControlModifier);
    changed();
    typeInto(2, 0, "3");  // clashes with the 3 beside it
    changed();
    {
        MessageAnswer refused;
        press(solveButtonId);
        ASSERT_EQ(refused.seen().title, QString("Un-Solvable!"));
    }
    pressKey(2, 0, Qt::Key_Backspace);
    changed();
    {
        MessageAnswer done;
        press(solveButtonId);
    }
    ASSERT_EQ(gridInReadingOrder(), solved);
    changed();
    press(clearButtonId);
    changed();
    press(clearButtonId);  // an empty grid stays empty
    QTimer::singleShot(30, [] { QTest::mouseClick(findControl(difficultyOkId), Qt::LeftButton); });
    press(generateButtonId);
    changed();
    window()->activateWindow();  // taken by the generator's windows
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));

    for (std::size_t step = states.size() - 1; step > 0; --step) {
        pressKey(0, 8, Qt::Key_Z, Qt::ControlModifier);
        ASSERT_EQ(gridInReadingOrder(), states[step - 1]) << "undo to state " << step - 1;
        EXPECT_EQ(fieldsInReadingOrder(), states[step - 1]);
    }
    pressKey(0, 8, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(gridInReadingOrder(), states[0]) << "undo past the first step";

    for (std::size_t step = 1; step < states.size(); ++step) {
        pressKey(0, 8, step % 2 ? Qt::Key_Y : Qt::Key_Z,
                 step % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
        ASSERT_EQ(gridInReadingOrder(), states[step]) << "redo to state " << step;
    }

    // A new change after an undo: what was undone cannot come back.
    pressKey(0, 8, Qt::Key_Z, Qt::ControlModifier);
    typeInto(8, 8, "1");
    const std::string afterEdit = gridInReadingOrder();
    pressKey(0, 8, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(gridInReadingOrder(), afterEdit);
}

TEST_F(Undo, TheClashColoursFollowTheValuesBackAndForth)
{
    const QColor red(255, 0, 0);
    const QColor black(1, 0, 0);
    typeInto(0, 0, "5");
    typeInto(4, 0, "5");
    ASSERT_EQ(colour(0, 0), red);

    pressKey(8, 8, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(value(4, 0), "");
    EXPECT_EQ(colour(0, 0), black);
    EXPECT_EQ(cell(0, 0).clash, 0);
    pressKey(8, 8, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(colour(0, 0), red);
    EXPECT_EQ(colour(4, 0), red);
    EXPECT_EQ(cell(4, 0).clash, 1);
}

TEST_F(Undo, KeepsTheLastThousandSteps)
{
    // 1,001 changes, each a different digit from the one before.
    for (int edit = 0; edit <= 1000; ++edit) {
        typeOver(3, 3, std::string(1, static_cast<char>('1' + edit % 9)));
    }
    for (int step = 0; step < 1000; ++step) {
        pressKey(0, 0, Qt::Key_Z, Qt::ControlModifier);
    }
    EXPECT_EQ(value(3, 3), "1") << "the first edit's digit, 1,000 steps back";
    pressKey(0, 0, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(value(3, 3), "1") << "a 1,001st step was kept";
}

}  // namespace
