#include "site_page.h"

#include "site_route.h"

#include <QDesktopServices>
#include <QWebEngineSettings>

SitePage::SitePage(const QUrl& site, QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent), site_(site)
{
    settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
}

bool SitePage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame)
{
    switch (routeFor(site_, url, isMainFrame)) {
    case Route::stay:
        return true;
    case Route::desktopBrowser:
        QDesktopServices::openUrl(url);
        return false;
    case Route::nowhere:
        return false;
    }
    return false;
}

QWebEnginePage* SitePage::createWindow(WebWindowType) { return nullptr; }
