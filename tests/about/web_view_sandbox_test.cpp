#include "browser_loader.h"
#include "web_view.h"
#include "web_view_sandbox.h"

#include <QDir>
#include <QLabel>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <unistd.h>

TEST(BrowserRefusal, OrdinaryUsersAlwaysGetTheBrowser)
{
    EXPECT_EQ(browserRefusal(false, "", ""), "");
    EXPECT_EQ(browserRefusal(false, "0", "--disable-gpu"), "");
}

TEST(BrowserRefusal, RootIsRefusedUnlessTheSandboxWasSwitchedOffByWhoeverStartedIt)
{
    EXPECT_NE(browserRefusal(true, "", ""), "");
    EXPECT_NE(browserRefusal(true, "0", ""), "");
    EXPECT_NE(browserRefusal(true, "", "--disable-gpu"), "");
    EXPECT_EQ(browserRefusal(true, "1", ""), "");
    EXPECT_EQ(browserRefusal(true, "", "--no-sandbox"), "");
    EXPECT_EQ(browserRefusal(true, "", "--disable-gpu --no-sandbox"), "");
}

TEST(BrowserRefusal, OnlyTheWholeFlagCounts)
{
    EXPECT_NE(browserRefusal(true, "", "--no-sandboxing"), "");
    EXPECT_NE(browserRefusal(true, "", "--disable-no-sandbox"), "");
}

TEST(BrowserRefusal, TheReasonIsOneLineNamingTheWayOut)
{
    const std::string reason = browserRefusal(true, "", "");
    EXPECT_EQ(reason.find('\n'), std::string::npos);
    EXPECT_NE(reason.find("root"), std::string::npos);
    EXPECT_NE(reason.find("QTWEBENGINE_DISABLE_SANDBOX=1"), std::string::npos);
}

// When the browser cannot start, the web view says so in one sentence with
// the way out, and standard error keeps its one line.
class BrowserCannotStart : public testing::Test {
protected:
    void TearDown() override { setBrowserModuleFile({}); }

    static void expectOneLine(const std::string& said)
    {
        ASSERT_FALSE(said.empty());
        EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
    }
};

TEST_F(BrowserCannotStart, AsRootWithTheSandboxOn)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only the superuser is refused the browser";
    qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    qunsetenv("QTWEBENGINE_CHROMIUM_FLAGS");

    QWidget window;
    testing::internal::CaptureStderr();
    // Starting the browser here would end this whole process.
    WebView view(QUrl("about:blank"), "kelvaro.example", &window);
    const std::string said = testing::internal::GetCapturedStderr();

    EXPECT_EQ(view.browser(), nullptr);
    EXPECT_FALSE(browserModuleLoaded());
    expectOneLine(said);
    EXPECT_NE(said.find("root"), std::string::npos) << said;
    EXPECT_NE(view.sentence().indexOf("root"), -1) << view.sentence().toStdString();
    EXPECT_NE(view.sentence().indexOf("QTWEBENGINE_DISABLE_SANDBOX=1"), -1);
}

TEST_F(BrowserCannotStart, WithoutItsModule)
{
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    setBrowserModuleFile(QDir::temp().filePath("no-such-dir/kelvaro_browser.so"));

    QWidget window;
    window.resize(800, 600);
    testing::internal::CaptureStderr();
    auto* view = new WebView(QUrl("about:blank"), "kelvaro.example", &window);
    view->setGeometry(0, 0, 800, 600);
    const std::string said = testing::internal::GetCapturedStderr();
    window.show();
    qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");

    EXPECT_EQ(view->browser(), nullptr);
    expectOneLine(said);
    EXPECT_NE(said.find("no-such-dir"), std::string::npos) << said;
    EXPECT_NE(view->sentence().indexOf("browser module is missing"), -1)
        << view->sentence().toStdString();
    EXPECT_NE(view->sentence().indexOf("reinstall"), -1);

    // The sentence fills the area, so it can be read where the page would be.
    auto* shown = view->findChild<QLabel*>();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->text(), view->sentence());
    EXPECT_EQ(shown->geometry(), QRect(0, 0, 800, 600));
    EXPECT_TRUE(shown->wordWrap());
}
