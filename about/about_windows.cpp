#include "about_windows.h"

#include "about_texts.h"
#include "controls.h"
#include "fonts.h"
#include "hyperlink.h"
#include "web_view.h"
#include "windows.h"

#include <QColor>
#include <QUrl>

void openAboutWindow()
{
    if (!openWindow(aboutWindow, aboutTitle, 400, 250, styleCloseBox,
                    Placement::centredOverActive)) {
        return;
    }
    if (createStaticText(aboutWindow, programNoticeId, programNotice, 5, 5, 390, 40) == nullptr
        || createStaticText(aboutWindow, rightsNoticeId, rightsNotice, 5, 50, 390, 30) == nullptr
        || createStaticText(aboutWindow, servicesNoticeId, servicesNotice, 5, 90, 390, 100)
               == nullptr
        || createHyperlink(aboutWindow, websiteLinkId, linkCaption, 130, 200, 140, 20,
                           QColor(255, 0, 0))
               == nullptr) {
        return;
    }
    setTextColour(websiteLinkId, 0, 0, 255);
    if (loadFont(linkFont, "Arial", 12)) {
        setControlFont(websiteLinkId, linkFont);
    }
}

void openWebPageWindow()
{
    // The view is in place before the window first shows, so that the window
    // is made once, fit for the browser, and never shows anything stale.
    openWindow(webPageWindow, webPageTitle, 800, 600, styleCloseBox, Placement::centredOverActive,
               [] {
                   createWebView(webPageWindow, webViewId, QUrl(makerWebPage),
                                 QString::fromLatin1(makerSite), 0, 0, 800, 600);
               });
}
