#include "cell_field.h"
#include "controls.h"
#include "controls_registry.h"
#include "events.h"
#include "font_size.h"
#include "fonts.h"
#include "pending_events.h"
#include "windows.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScreen>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Controls : public testing::Test {
protected:
    void SetUp() override
    {
        discardEvents();
        ASSERT_TRUE(openWindow(1, "test", 300, 200, styleCloseBox, Placement::centredOnScreen));
        findWindow(1)->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(findWindow(1)));
    }
    void TearDown() override
    {
        closeAllWindows();
        releaseFonts();
        discardEvents();
    }

    static QLineEdit* field(int id) { return qobject_cast<QLineEdit*>(findControl(id)); }
};

TEST_F(Controls, CreatedAtTheirPositionAndSizeAndFoundById)
{
    QWidget* button = createButton(1, 0, "Solve", 280, 10, 60, 25);
    QWidget* entry = createCellField(1, 17, 2, 31, 30, 30);
    ASSERT_NE(button, nullptr);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(button->geometry(), QRect(280, 10, 60, 25));
    EXPECT_EQ(entry->geometry(), QRect(2, 31, 30, 30));
    EXPECT_EQ(findControl(0), button);
    EXPECT_EQ(findControl(17), entry);
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(controlText(0), "Solve");
}

TEST_F(Controls, NothingIsCreatedInAWindowThatIsNotOpen)
{
    EXPECT_EQ(createButton(4, 0, "x", 0, 0, 10, 10), nullptr);
    EXPECT_EQ(createCellField(4, 17, 0, 0, 10, 10), nullptr);
    EXPECT_EQ(createFrame(4, 0, 0, 10, 10), -1);
    EXPECT_EQ(findControl(0), nullptr);
}

TEST_F(Controls, ButtonPressRaisesAControlEvent)
{
    createButton(1, 3, "Print", 0, 0, 60, 25);
    QTest::mouseClick(findControl(3), Qt::LeftButton);
    const auto events = takePendingEvents();
    ASSERT_EQ(events.size(), 1U);
    EXPECT_EQ(events[0].kind, eventControl);
    EXPECT_EQ(events[0].controlId, 3);
    EXPECT_EQ(events[0].window, 1);
}

TEST_F(Controls, OptionButtonsOfAWindowFormOneExclusiveGroup)
{
    for (int id = 6; id <= 9; ++id) {
        createOptionButton(1, id, "option", 10, 20 * id, 75, 20);
    }
    setChecked(6, true);
    QTest::mouseClick(findControl(9), Qt::LeftButton);
    QTest::mouseClick(findControl(7), Qt::LeftButton);
    EXPECT_FALSE(isChecked(6));
    EXPECT_TRUE(isChecked(7));
    EXPECT_FALSE(isChecked(8));
    EXPECT_FALSE(isChecked(9));

    const auto events = takePendingEvents();
    ASSERT_EQ(events.size(), 2U);
    EXPECT_EQ(events[0].controlId, 9);
    EXPECT_EQ(events[1].controlId, 7);
}

TEST_F(Controls, FocusChangesAreControlEventsOfTheirOwnType)
{
    createCellField(1, 20, 0, 0, 30, 30);
    createCellField(1, 21, 40, 0, 30, 30);
    findControl(20)->setFocus();
    QApplication::processEvents();
    takePendingEvents();

    findControl(21)->setFocus();
    QApplication::processEvents();
    const auto events = takePendingEvents();
    ASSERT_EQ(events.size(), 2U);
    EXPECT_EQ(events[0].controlId, 20);
    EXPECT_EQ(events[0].type, typeFocusLost);
    EXPECT_EQ(events[1].controlId, 21);
    EXPECT_EQ(events[1].type, typeFocusGained);
}

TEST_F(Controls, TextColourIsTheOneSet)
{
    createCellField(1, 20, 0, 0, 30, 30);
    setTextColour(20, 255, 0, 0);
    EXPECT_EQ(findControl(20)->palette().color(QPalette::Text), QColor(255, 0, 0));
    setTextColour(20, 1, 0, 0);
    EXPECT_EQ(findControl(20)->palette().color(QPalette::Text), QColor(1, 0, 0));
}

TEST_F(Controls, StaticTextWrapsWithItsAlignment)
{
    auto* label = qobject_cast<QLabel*>(
        createStaticText(1, 5, "Select the difficulty", 10, 10, 160, 40, TextAlign::centre));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->wordWrap());
    EXPECT_TRUE(label->alignment().testFlag(Qt::AlignHCenter));
    EXPECT_EQ(controlText(5), "Select the difficulty");
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
}

TEST_F(Controls, FrameGetsAnIdOutsideTheFixedOnesAndTakesNoFocus)
{
    const int first = createFrame(1, 275, 5, 70, 155);
    const int second = createFrame(1, 0, 0, 10, 10);
    EXPECT_GT(first, 97);
    EXPECT_NE(first, second);
    auto* frame = qobject_cast<QFrame*>(findControl(first));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->geometry(), QRect(275, 5, 70, 155));
    EXPECT_EQ(frame->frameShadow(), QFrame::Plain);
    EXPECT_EQ(frame->focusPolicy(), Qt::NoFocus);
}

TEST_F(Controls, ProgressBarRunsFromZeroToAHundredWithoutText)
{
    auto* bar = qobject_cast<QProgressBar*>(createProgressBar(1, 11, 5, 5, 200, 25));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 100);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_FALSE(bar->isTextVisible());
    setProgressPosition(11, 42);
    EXPECT_EQ(bar->value(), 42);
}

TEST(FontSize, PointsBecomePixelsAtTheScreensResolution)
{
    // points x dots per inch / 72, rounded, at the 96 dpi of the tests' screen
    ASSERT_EQ(QGuiApplication::primaryScreen()->logicalDotsPerInchY(), 96);
    EXPECT_EQ(fontPixelHeight(12), 16);
    EXPECT_EQ(fontPixelHeight(16), 21);
    EXPECT_EQ(fontPixelHeight(100), 133);
    EXPECT_EQ(fontPixelHeight(7), 9);  // 9.33 rounds down
    EXPECT_EQ(fontPixelHeight(8), 11);  // 10.67 rounds up
}

TEST_F(Controls, DefaultFontAppliesToControlsCreatedAfterwardsOnly)
{
    createButton(1, 0, "before", 0, 0, 60, 25);
    ASSERT_TRUE(loadFont(1, "Arial", 16));
    EXPECT_NEAR(QFontMetrics(*findFont(1)).height(), 21, 1);

    setDefaultControlFont(1);
    createCellField(1, 17, 0, 30, 30, 30);
    setDefaultControlFont(-1);
    createButton(1, 2, "after", 0, 70, 60, 25);

    EXPECT_EQ(findControl(17)->font(), *findFont(1));
    EXPECT_NE(findControl(0)->font(), *findFont(1));
    EXPECT_EQ(findControl(2)->font(), QApplication::font(findControl(2)));
}

TEST_F(Controls, ControlFontIsTheLoadedOne)
{
    createButton(1, 15, "link", 0, 0, 140, 20);
    setControlFont(15, 0);  // not loaded: nothing changes
    EXPECT_EQ(findControl(15)->font(), QApplication::font(findControl(15)));
    ASSERT_TRUE(loadFont(0, "Arial", 12));
    setControlFont(15, 0);
    EXPECT_NEAR(QFontMetrics(findControl(15)->font()).height(), 16, 1);
}

TEST_F(Controls, OperationsOnUnknownIdsDoNothing)
{
    setControlText(55, "x");
    setTextColour(55, 1, 2, 3);
    setChecked(55, true);
    EXPECT_EQ(controlText(55), "");
    EXPECT_FALSE(isChecked(55));
}

TEST_F(Controls, ProgramRegisteredControlsAreFoundAndForgottenWithTheirWindow)
{
    auto* own = new QLabel("web", findWindow(1));
    registerControl(1, 16, own);
    EXPECT_EQ(findControl(16), own);
    closeWindow(1);
    EXPECT_EQ(findControl(16), nullptr);
}

}  // namespace
