#include "web_view_sandbox.h"

#include <gtest/gtest.h>

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
