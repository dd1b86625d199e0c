#include "about_command.h"
#include "about_texts.h"
#include "about_windows.h"
#include "controls.h"
#include "controls_registry.h"
#include "event_loop.h"
#include "events.h"
#include "fonts.h"
#include "game_session.h"
#include "grid.h"
#include "hyperlink.h"
#include "main_window.h"
#include "web_view.h"
#include "windows.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Step = std::function<void()>;

// Closes every modal box that opens and remembers its title, so that a
// command that should not have run shows up as a box here instead of a hang.
class ModalWatch {
public:
    ModalWatch()
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                titles.push_back(box->windowTitle().toStdString());
                box->close();
            }
        });
        timer_.start();
    }

    std::vector<std::string> titles;

private:
    QTimer timer_;
};

std::string digitAt(int column, int row)
{
    const int digit = game.cells[cellIndex(column, row)].value;
    return digit == 0 ? "" : std::string(1, static_cast<char>('0' + digit));
}

std::string gridValues()
{
    std::string values;
    for (int i = 0; i < 9; ++i)
        for (int j = 0; j < 9; ++j)
            values += digitAt(i, j).empty() ? "." : digitAt(i, j);
    return values;
}

QPoint centreOf(const QWidget* window) { return window->frameGeometry().center(); }

class AboutCommand : public testing::Test {
protected:
    void SetUp() override
    {
        discardEvents();
        resetEngineState();
        forgetGame();
        quit = 0;
        ASSERT_TRUE(openMainWindow());
        main = findWindow(mainWindow);
        main->move(300, 200);
        activate(main);
    }

    void TearDown() override
    {
        closeAllWindows();
        discardEvents();
    }

    static void activate(QWidget* window)
    {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }

    // Runs the About command while the steps run one after another inside
    // its waits; the last step must end it.
    static void runAbout(std::vector<Step> steps)
    {
        int delay = 0;
        for (Step& step : steps) {
            delay += 30;
            QTimer::singleShot(delay, std::move(step));
        }
        aboutCommand();
    }

    // What the main loop would do next: handle everything still queued.
    static void runMainLoopUntilIdle()
    {
        for (UiEvent event = waitEvent(100); event.kind != eventNone; event = waitEvent(100))
            dispatchEvent(event);
    }

    // The About command has returned to a main window that goes on running,
    // its grid as it was.
    static void expectBackInTheMainWindow(const std::string& gridBefore)
    {
        EXPECT_FALSE(windowIsOpen(aboutWindow));
        EXPECT_FALSE(windowIsOpen(webPageWindow));
        EXPECT_TRUE(windowIsOpen(mainWindow));
        EXPECT_EQ(gridValues(), gridBefore);
        EXPECT_EQ(quit, 0);
    }

    // A digit the main loop has taken into the grid.
    static void enterDigit(int fieldId, const char* digit)
    {
        typeInto(fieldId, digit);
        dispatchEvent(waitEvent(0));
    }

    static void typeInto(int fieldId, const char* text)
    {
        QWidget* field = findControl(fieldId);
        ASSERT_NE(field, nullptr);
        QTest::keyClicks(field, text);
    }

    QWidget* main = nullptr;
};

TEST_F(AboutCommand, TheAboutButtonRunsIt)
{
    bool shown = false;
    QTimer::singleShot(30, [&] {
        shown = windowIsOpen(aboutWindow);
        findWindow(aboutWindow)->close();
    });
    QTest::mouseClick(findControl(aboutButtonId), Qt::LeftButton);
    dispatchEvent(waitEvent(0));
    EXPECT_TRUE(shown);
    EXPECT_FALSE(windowIsOpen(aboutWindow));
}

TEST_F(AboutCommand, AboutWindowHasItsSizeTitleTextsAndLink)
{
    bool looked = false;
    runAbout({
        [&] {
            QWidget* about = findWindow(aboutWindow);
            ASSERT_NE(about, nullptr);
            looked = true;
            EXPECT_EQ(about->windowTitle(), "About Kelvaro");
            EXPECT_EQ(about->size(), QSize(400, 250));
            EXPECT_EQ(about->minimumSize(), about->maximumSize()) << "must not be resizable";
            EXPECT_EQ(about->parentWidget(), nullptr) << "must have no owner";
            const Qt::WindowFlags flags = about->windowFlags();
            EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
            EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
            EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));

            const struct {
                int id;
                QRect place;
                const char* text;
            } texts[] = {
                {programNoticeId, {5, 5, 390, 40},
                 "Kelvaro, a Sudoku generator and solver by the Kelvaro developers. Pass it on "
                 "free, with a link to www.kelvaro.example."},
                {rightsNoticeId, {5, 50, 390, 30},
                 "Copyright (c) 2026 the Kelvaro developers. All rights reserved."},
                {servicesNoticeId, {5, 90, 390, 100},
                 "The Kelvaro developers also write programs to order: desktop tools, puzzles "
                 "and games, or whatever else your work calls for. To have a program made for "
                 "you, follow the contact link on the Kelvaro web page."},
            };
            for (const auto& text : texts) {
                auto* label = qobject_cast<QLabel*>(findControl(text.id));
                ASSERT_NE(label, nullptr) << text.id;
                EXPECT_EQ(label->window(), about);
                EXPECT_EQ(label->geometry(), text.place) << text.id;
                EXPECT_EQ(controlText(text.id), text.text);
                EXPECT_TRUE(label->wordWrap());
                EXPECT_LE(label->heightForWidth(text.place.width()), text.place.height())
                    << "text " << text.id << " is cut off";
            }

            auto* link = qobject_cast<Hyperlink*>(findControl(websiteLinkId));
            ASSERT_NE(link, nullptr);
            EXPECT_EQ(link->window(), about);
            EXPECT_EQ(link->geometry(), QRect(130, 200, 140, 20));
            EXPECT_EQ(link->caption(), "VISIT MY WEBSITE");
            EXPECT_EQ(link->currentColour(), QColor(0, 0, 255));
            EXPECT_EQ(link->font().family(), "Arial");
            EXPECT_NEAR(QFontMetrics(link->font()).height(), 16, 1);
        },
        [] { findWindow(aboutWindow)->close(); },
    });
    EXPECT_TRUE(looked);
}

TEST_F(AboutCommand, LinkTurnsRedUnderThePointerAndBlueOffIt)
{
    // The pointer is moved through the About window itself: moving it by a
    // widget moves the system cursor, which the offscreen platform hands to
    // the first window it finds there, the main window underneath.
    std::vector<QColor> colours;
    auto colour = [&] {
        colours.push_back(qobject_cast<Hyperlink*>(findControl(websiteLinkId))->currentColour());
    };
    runAbout({
        [&] { QTest::mouseMove(findWindow(aboutWindow)->windowHandle(), QPoint(10, 10)); },
        colour,
        [&] { QTest::mouseMove(findWindow(aboutWindow)->windowHandle(), QPoint(150, 210)); },
        colour,
        [&] { QTest::mouseMove(findWindow(aboutWindow)->windowHandle(), QPoint(150, 150)); },
        colour,
        [] { findWindow(aboutWindow)->close(); },
    });
    EXPECT_EQ(colours, (std::vector<QColor>{Qt::blue, Qt::red, Qt::blue}));
}

TEST_F(AboutCommand, OpensCentredOverTheMainWindow)
{
    QPoint aboutCentre;
    runAbout({
        [&] { aboutCentre = centreOf(findWindow(aboutWindow)); },
        [] { findWindow(aboutWindow)->close(); },
    });
    EXPECT_LE((aboutCentre - centreOf(main)).manhattanLength(), 2);
}

TEST_F(AboutCommand, KeepsItsTopLeftCornerOnTheScreen)
{
    main->move(0, 0);
    activate(main);
    QPoint topLeft;
    runAbout({
        [&] { topLeft = findWindow(aboutWindow)->frameGeometry().topLeft(); },
        [] { findWindow(aboutWindow)->close(); },
    });
    // The About window is wider than the main window, so centring alone
    // would push its left edge off the screen.
    EXPECT_EQ(topLeft.x(), 0);
    EXPECT_GT(topLeft.y(), 0);
}

TEST_F(AboutCommand, ClosingTheAboutWindowReturnsWithTheGridUnchanged)
{
    enterDigit(cellFieldId(4, 4), "7");
    const std::string before = gridValues();
    ASSERT_EQ(digitAt(4, 4), "7");

    runAbout({[] { findWindow(aboutWindow)->close(); }});

    expectBackInTheMainWindow(before);
}

TEST_F(AboutCommand, LinkReplacesTheAboutWindowWithTheWebPage)
{
    QPoint aboutCentre;
    bool aboutStillOpen = true;
    bool webPageOpen = false;
    QSize webPageSize;
    QString webPageTitleSeen;
    QPoint webPageCentre;
    bool webPageHasOwner = true;
    QRect viewPlace;
    QUrl viewAddress;
    bool aboutReopened = false;
    enterDigit(cellFieldId(2, 6), "4");
    const std::string before = gridValues();
    ASSERT_EQ(digitAt(2, 6), "4");

    // The web-page window is as large as the offscreen screen; start the
    // main window where both windows' centring can be seen.
    main->move(400, 400);
    activate(main);
    runAbout({
        [&] { aboutCentre = centreOf(findWindow(aboutWindow)); },
        [] { QTest::mouseClick(findControl(websiteLinkId), Qt::LeftButton, {}, QPoint(10, 10)); },
        [&] {
            aboutStillOpen = windowIsOpen(aboutWindow);
            QWidget* page = findWindow(webPageWindow);
            ASSERT_NE(page, nullptr);
            webPageOpen = true;
            webPageSize = page->size();
            webPageTitleSeen = page->windowTitle();
            webPageCentre = centreOf(page);
            webPageHasOwner = page->parentWidget() != nullptr;
            auto* view = qobject_cast<WebView*>(findControl(webViewId));
            ASSERT_NE(view, nullptr);
            EXPECT_EQ(view->window(), page);
            viewPlace = view->geometry();
            viewAddress = view->startAddress();
        },
        [] { findWindow(webPageWindow)->close(); },
        [&] { aboutReopened = windowIsOpen(aboutWindow); },
    });

    EXPECT_FALSE(aboutStillOpen);
    EXPECT_TRUE(webPageOpen);
    EXPECT_EQ(webPageSize, QSize(800, 600));
    EXPECT_EQ(webPageTitleSeen, "The Kelvaro web page - www.kelvaro.example");
    EXPECT_LE((webPageCentre - aboutCentre).manhattanLength(), 2)
        << "the web page opens centred over the About window";
    EXPECT_FALSE(webPageHasOwner);
    EXPECT_EQ(viewPlace, QRect(0, 0, 800, 600));
    EXPECT_EQ(viewAddress, QUrl("https://www.kelvaro.example/"));

    EXPECT_FALSE(aboutReopened);
    runMainLoopUntilIdle();
    expectBackInTheMainWindow(before);
}

TEST_F(AboutCommand, TheWebPageIgnoresEverythingButACloseRequest)
{
    ModalWatch boxes;
    bool pageStillOpen = false;
    runAbout({
        [] { QTest::mouseClick(findControl(websiteLinkId), Qt::LeftButton, {}, QPoint(10, 10)); },
        [] { QTest::mouseClick(findControl(solveButtonId), Qt::LeftButton); },
        [] { typeInto(cellFieldId(0, 0), "3"); },
        [&] { pageStillOpen = windowIsOpen(webPageWindow); },
        [this] { main->close(); },
    });
    EXPECT_TRUE(pageStillOpen);

    runMainLoopUntilIdle();
    expectBackInTheMainWindow(std::string(81, '.'));
    EXPECT_TRUE(boxes.titles.empty());
}

TEST_F(AboutCommand, MainWindowCloseRequestClosesOnlyTheAboutWindow)
{
    runAbout({[this] { main->close(); }});

    runMainLoopUntilIdle();
    expectBackInTheMainWindow(std::string(81, '.'));

    main->close();
    runMainLoopUntilIdle();
    EXPECT_EQ(quit, 1) << "a second close request ends the program";
}

TEST_F(AboutCommand, SolvePressedMeanwhileDoesNothingThenOrLater)
{
    ModalWatch boxes;
    runAbout({
        [] { QTest::mouseClick(findControl(solveButtonId), Qt::LeftButton); },
        [] { QTest::mouseClick(findControl(solveButtonId), Qt::LeftButton); },
        [] { findWindow(aboutWindow)->close(); },
    });
    EXPECT_EQ(gridValues(), std::string(81, '.'));

    runMainLoopUntilIdle();
    EXPECT_EQ(gridValues(), std::string(81, '.')) << "the press must be dropped, not kept";
    EXPECT_TRUE(boxes.titles.empty());
}

TEST_F(AboutCommand, CellsTakeNoTypingMeanwhile)
{
    const int first = cellFieldId(0, 0);
    const int second = cellFieldId(5, 0);  // same row: would clash
    runAbout({
        [&] { typeInto(first, "5"); },
        [&] { typeInto(second, "5"); },
        [] { findWindow(aboutWindow)->close(); },
    });
    runMainLoopUntilIdle();

    // The screen never shows what the game does not hold.
    EXPECT_EQ(controlText(first), "");
    EXPECT_EQ(controlText(second), "");
    EXPECT_EQ(gridValues(), std::string(81, '.'));

    // Once the About command has returned, typing counts.
    typeInto(first, "8");
    runMainLoopUntilIdle();
    EXPECT_EQ(digitAt(0, 0), "8");
}

}  // namespace
