#include "site_route.h"

#include <QUrl>

#include <gtest/gtest.h>

namespace {

const QUrl site("https://www.kelvaro.example/");

Route mainFrameTo(const char* target) { return routeFor(site, QUrl(target), true); }

TEST(SiteRoute, PagesOfTheSiteAreFollowed)
{
    EXPECT_EQ(mainFrameTo("https://www.kelvaro.example/contact.html"), Route::stay);
    EXPECT_EQ(mainFrameTo("https://www.kelvaro.example:443/a?b#c"), Route::stay);
    EXPECT_EQ(mainFrameTo("https://WWW.Kelvaro.example/"), Route::stay);
}

TEST(SiteRoute, OtherWebSitesGoToTheDesktopBrowser)
{
    EXPECT_EQ(mainFrameTo("https://elsewhere.example/"), Route::desktopBrowser);
    EXPECT_EQ(mainFrameTo("https://kelvaro.example/"), Route::desktopBrowser);
    EXPECT_EQ(mainFrameTo("https://www.kelvaro.example.evil.example/"), Route::desktopBrowser);
    EXPECT_EQ(mainFrameTo("http://www.kelvaro.example/"), Route::desktopBrowser);
    EXPECT_EQ(mainFrameTo("https://www.kelvaro.example:8443/"), Route::desktopBrowser);
}

TEST(SiteRoute, AnythingElseGoesNowhere)
{
    EXPECT_EQ(mainFrameTo("file:///etc/passwd"), Route::nowhere);
    EXPECT_EQ(mainFrameTo("javascript:alert(1)"), Route::nowhere);
    EXPECT_EQ(mainFrameTo("mailto:team@kelvaro.example"), Route::nowhere);
    EXPECT_EQ(mainFrameTo("kelvaro-unknown:thing"), Route::nowhere);
}

TEST(SiteRoute, WhatAPageEmbedsIsItsOwnBusiness)
{
    EXPECT_EQ(routeFor(site, QUrl("https://video.example/embed"), false), Route::stay);
}

TEST(SiteRoute, ALocalStartPageKeepsToLocalFiles)
{
    const QUrl local = QUrl::fromLocalFile("/tmp/page.html");
    EXPECT_EQ(routeFor(local, QUrl::fromLocalFile("/tmp/next.html"), true), Route::stay);
    EXPECT_EQ(routeFor(local, QUrl("https://elsewhere.example/"), true), Route::desktopBrowser);
}

}  // namespace
