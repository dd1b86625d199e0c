#include "web_view.h"
#include "web_view_sandbox.h"

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

TEST(WebViewHere, AsRootWithTheSandboxOnStaysEmptyAndSaysWhyOnOneLine)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only the superuser is refused the browser";
    qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    qunsetenv("QTWEBENGINE_CHROMIUM_FLAGS");

    QWidget window;
    testing::internal::CaptureStderr();
    // Starting the browser here would end this whole process.
    WebView view(QUrl("about:blank"), &window);
    const std::string said = testing::internal::GetCapturedStderr();

    EXPECT_EQ(view.browser(), nullptr);
    EXPECT_EQ(view.startAddress(), QUrl("about:blank"));
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
    if (browserBuiltIn())
        EXPECT_NE(said.find("root"), std::string::npos) << said;
}
