#include "main_window_fixture.h"
#include "settings.h"
#include "zoom.h"
#include "zoom_commands.h"

#include <QFrame>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include <map>

namespace {

using Zoom = MainWindowTest;

// Every control's place and font size, by id, and the window's size.
struct Layout {
    QSize window;
    std::map<int, QRect> places;
    std::map<int, double> fontSizes;
};

Layout layoutNow()
{
    Layout layout{MainWindowTest::window()->size(), {}, {}};
    for (QWidget* child : MainWindowTest::window()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const int id = findControlId(child);
        const int key = id >= 0 ? id : -2;  // the frame
        layout.places[key] = child->geometry();
        const QFont font = child->font();
        layout.fontSizes[key] = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF();
    }
    return layout;
}

void zoomKey(Qt::Key key)
{
    MainWindowTest::pressKey(4, 4, key, Qt::ControlModifier);
}

TEST_F(Zoom, AtTwoHundredPercentEveryPlaceAndFontIsTwiceTodays)
{
    const Layout today = layoutNow();
    zoomKey(Qt::Key_Equal);
    EXPECT_EQ(window()->size(), QSize(438, 340));
    // Edges scale, not lengths, so that neighbours stay neighbours: the first
    // cell's edges 2 and 32 go to 3 and 40, 37 apart, where its 30 pixels
    // alone would make 38.
    EXPECT_EQ(findControl(cellFieldId(0, 0))->geometry(), QRect(3, 3, 37, 37));
    zoomKey(Qt::Key_Plus);
    zoomKey(Qt::Key_Equal);
    const Layout twice = layoutNow();
    EXPECT_EQ(twice.window, QSize(700, 544));
    ASSERT_EQ(twice.places.size(), today.places.size());
    for (const auto& [id, place] : today.places) {
        EXPECT_EQ(twice.places.at(id), QRect(2 * place.x(), 2 * place.y(), 2 * place.width(), 2 * place.height()))
            << "control " << id;
        EXPECT_DOUBLE_EQ(twice.fontSizes.at(id), 2 * today.fontSizes.at(id)) << "control " << id;
    }
    EXPECT_EQ(twice.places.at(solveButtonId), QRect(560, 20, 120, 50));
    for (const QFrame* frame : window()->findChildren<QFrame*>(Qt::FindDirectChildrenOnly)) {
        if (frame->frameShape() == QFrame::Box) {
            EXPECT_EQ(frame->lineWidth(), 2) << "the frame's line";
        }
    }
    EXPECT_EQ(twice.places.at(cellFieldId(8, 8)), QRect(480, 480, 60, 60));
}

TEST_F(Zoom, StepsUpNoFurtherThanTheScreenShowsAndBackToEveryPixelOfTodays)
{
    const QImage today = window()->grab().toImage();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (int step = 0; step < 8; ++step) {
        zoomKey(Qt::Key_Equal);
        EXPECT_LE(window()->frameGeometry().width(), screen.width());
        EXPECT_LE(window()->frameGeometry().height(), screen.height());
        EXPECT_TRUE(screen.contains(window()->frameGeometry())) << step;
    }
    // The offscreen screen is 800 pixels square: 250% (875 wide) does not fit.
    EXPECT_EQ(windowZoom(mainWindow), 200);
    const QRect largest = window()->frameGeometry();
    zoomKey(Qt::Key_Equal);
    EXPECT_EQ(window()->frameGeometry(), largest) << "a step up that does not fit moved the window";
    zoomKey(Qt::Key_Minus);
    EXPECT_EQ(windowZoom(mainWindow), 150);
    EXPECT_EQ(window()->size(), QSize(525, 408));
    typeInto(4, 4, "6");
    pressKey(4, 4, Qt::Key_Backspace);
    zoomKey(Qt::Key_0);
    EXPECT_EQ(windowZoom(mainWindow), 100);
    window()->setFocus();
    EXPECT_EQ(window()->grab().toImage(), today) << "zooming left a trace at 100%";
}

TEST_F(Zoom, IsKeptForTheNextStart)
{
    zoomKey(Qt::Key_Equal);
    EXPECT_EQ(savedZoom(), 125);
    closeAllWindows();
    ASSERT_TRUE(openMainWindow(200));
    EXPECT_EQ(window()->size(), QSize(700, 544));
    EXPECT_EQ(findControl(cellFieldId(0, 0))->geometry(), QRect(4, 4, 60, 60));
    closeAllWindows();
    ASSERT_TRUE(openMainWindow(300));
    EXPECT_EQ(windowZoom(mainWindow), 200) << "opened larger than the screen";
    saveNumber("zoom", 100);
}

}  // namespace
