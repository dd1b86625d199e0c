#include "main_window_fixture.h"

#include <QApplication>
#include <QFrame>
#include <QPushButton>

namespace {

using MainWindowLayout = MainWindowTest;

constexpr int offsets[9] = {2, 31, 60, 92, 121, 150, 182, 211, 240};

TEST_F(MainWindowLayout, WindowHasItsClientSizeAndTitle)
{
    EXPECT_EQ(window()->size(), QSize(350, 272));
    EXPECT_EQ(window()->minimumSize(), window()->maximumSize());
    EXPECT_EQ(window()->windowTitle(), QString("Kelvaro - (c) 2026 Kelvaro team"));
    EXPECT_TRUE(window()->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(window()->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(window()->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(MainWindowLayout, ButtonsStandInTheirPlacesWithTheirCaptions)
{
    const char* captions[5] = {"Solve", "Generate", "Clear", "Print", "About"};
    const int tops[5] = {10, 40, 70, 100, 130};
    for (int id = 0; id < 5; ++id) {
        auto* button = qobject_cast<QPushButton*>(findControl(id));
        ASSERT_NE(button, nullptr) << id;
        EXPECT_EQ(button->text(), QString(captions[id]));
        EXPECT_EQ(button->geometry(), QRect(280, tops[id], 60, 25)) << captions[id];
    }
}

TEST_F(MainWindowLayout, EveryCellFieldStandsOnItsOffsetsAndIsTiedToItsCell)
{
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            const int id = 17 + 9 * i + j;
            QLineEdit* cell = field(id);
            ASSERT_NE(cell, nullptr) << id;
            EXPECT_EQ(cell->geometry(), QRect(offsets[i], offsets[j], 30, 30)) << id;
            EXPECT_EQ(grid[i][j].fieldId, id);
            EXPECT_EQ(cell->text(), QString());
            EXPECT_EQ(cell->accessibleName(),
                      QString("Row %1, column %2").arg(j + 1).arg(i + 1));
        }
    }
    EXPECT_EQ(grid[9][0].fieldId, 0);
    EXPECT_EQ(grid[0][9].fieldId, 0);
}

TEST_F(MainWindowLayout, CornerFieldsAndIdsRunDownTheColumns)
{
    EXPECT_EQ(field(17)->pos(), QPoint(2, 2));
    EXPECT_EQ(field(89)->pos(), QPoint(240, 2));
    EXPECT_EQ(field(25)->pos(), QPoint(2, 240));
    EXPECT_EQ(field(97)->pos(), QPoint(240, 240));
    EXPECT_EQ(field(18)->pos(), QPoint(2, 31));
    EXPECT_EQ(field(26)->pos(), QPoint(31, 2));
}

TEST_F(MainWindowLayout, CellFieldsShowCentredDigitsInTheCellFont)
{
    const int pixels = findFont(cellFont)->pixelSize();
    for (const int id : {17, 57, 97}) {
        EXPECT_TRUE(field(id)->alignment().testFlag(Qt::AlignHCenter));
        EXPECT_EQ(field(id)->font().pixelSize(), pixels);
        EXPECT_EQ(field(id)->font().family(), QString("Arial"));
    }
    // The buttons keep the default control font.
    EXPECT_EQ(findControl(0)->font(), QApplication::font(findControl(0)));
}

TEST_F(MainWindowLayout, FrameEnclosesTheButtons)
{
    QFrame* frame = nullptr;
    for (QFrame* candidate : window()->findChildren<QFrame*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QLineEdit*>(candidate) == nullptr
            && candidate->frameShape() == QFrame::Box) {
            frame = candidate;
        }
    }
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->geometry(), QRect(275, 5, 70, 155));
    for (int id = 0; id < 5; ++id) {
        EXPECT_TRUE(frame->geometry().contains(findControl(id)->geometry())) << id;
    }
}

TEST_F(MainWindowLayout, TabRunsDownTheColumnsAndOnToTheButtons)
{
    field(25)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), field(26));

    field(97)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), findControl(solveButtonId));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), field(97));

    findControl(aboutButtonId)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), field(17));
}

TEST_F(MainWindowLayout, WindowThatCannotOpenCreatesNothingAndTiesNoCell)
{
    closeAllWindows();
    resetEngineState();
    ASSERT_TRUE(openWindow(mainWindow, "taken", 10, 10, styleCloseBox,
                           Placement::centredOnScreen));
    EXPECT_FALSE(openMainWindow());
    EXPECT_EQ(findControl(solveButtonId), nullptr);
    EXPECT_EQ(findControl(17), nullptr);
    EXPECT_EQ(grid[0][0].fieldId, 0);
}

// The window as the build before the game state drew it, grabbed on the
// offscreen platform with Debian 12's fonts: at start, and with a puzzle
// typed (two clashing 3s in row 1) and no control focused.
TEST_F(MainWindowLayout, AtOneHundredPercentEveryPixelIsAsBefore)
{
    const auto expectDrawnAs = [](const char* file) {
        const QImage before = QImage(QString(KELVARO_APP_TEST_DATA "/") + file).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(before.isNull()) << file;
        const QImage now = window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(now.size(), before.size()) << file;
        int differing = 0;
        for (int y = 0; y < now.height(); ++y) {
            for (int x = 0; x < now.width(); ++x) {
                differing += now.pixel(x, y) != before.pixel(x, y) ? 1 : 0;
            }
        }
        EXPECT_EQ(differing, 0) << file << ": pixels differ";
    };
    expectDrawnAs("window-at-start.png");
    typePuzzle("53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
    typeInto(2, 0, "3");
    typeInto(8, 8, "4");
    window()->setFocus();
    expectDrawnAs("window-typed.png");
}

}  // namespace
