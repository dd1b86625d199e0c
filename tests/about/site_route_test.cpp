#include "site_route.h"

#include <QString>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

Route mainFrameTo(const char* target)
{
    return routeFor(QStringLiteral("kelvaro.example"), QUrl(target), true);
}

TEST(SiteRoute, TheWholeSiteOverHttpOrHttpsStays)
{
    for (const char* page :
         {"https://www.kelvaro.example/contact.html", "https://kelvaro.example/",
          "http://www.kelvaro.example/", "http://kelvaro.example:8080/a?b#c",
          "https://shop.eu.kelvaro.example/", "https://WWW.Kelvaro.example/"}) {
        EXPECT_EQ(mainFrameTo(page), Route::stay) << page;
    }
}

TEST(SiteRoute, OtherSitesAndOtherSchemesLeave)
{
    for (const char* page :
         {"https://elsewhere.example/", "https://notkelvaro.example/",
          "https://www.kelvaro.example.evil.example/", "http://kelvaro.example.evil.example/",
          "https://example/"}) {
        EXPECT_EQ(mainFrameTo(page), Route::otherSite) << page;
    }
    EXPECT_EQ(mainFrameTo("mailto:team@kelvaro.example"), Route::mail);
    // Only http and https are the site: the same host by another scheme is not.
    for (const char* page : {"ftp://www.kelvaro.example/", "ws://www.kelvaro.example/",
                             "file:///etc/passwd", "javascript:alert(1)", "kelvaro-unknown:thing"}) {
        EXPECT_EQ(mainFrameTo(page), Route::nowhere) << page;
    }
}

TEST(SiteRoute, WhatAPageEmbedsIsItsOwnBusiness)
{
    EXPECT_EQ(routeFor(QStringLiteral("kelvaro.example"), QUrl("https://video.example/embed"), false),
              Route::stay);
}

}  // namespace
