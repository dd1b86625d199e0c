#include "site_page.h"

#include "site_route.h"

#include <QDesktopServices>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineSettings>

namespace {

// How long after a click or a key its navigation may come; it comes within
// a few milliseconds, and a script that waits longer acts on its own.
constexpr int userActMs = 2000;

QString stoppedSentence(const QUrl& url, QWebEnginePage::NavigationType type)
{
    const QString place = url.scheme() == QLatin1String("mailto")
                              ? QStringLiteral("your mail program")
                              : QStringLiteral("another site (%1)").arg(url.host());
    if (type == QWebEnginePage::NavigationTypeFormSubmitted) {
        return QStringLiteral("This page's form would send what you entered to %1; Kelvaro did not "
                              "send it.")
            .arg(place);
    }
    return QStringLiteral("This page tried to open %1 by itself; Kelvaro stopped it. A link to "
                          "another site opens in your web browser when you click it.")
        .arg(place);
}

}  // namespace

SitePage::SitePage(const QString& site, QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent), site_(site)
{
    // Every other scheme reaches acceptNavigationRequest, which decides; a
    // new window is asked for, which followNewWindow decides.
    settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::AllowAllUnknownUrlSchemes);
    settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    connect(this, &QWebEnginePage::newWindowRequested, this, &SitePage::followNewWindow);
}

void SitePage::userActed() { userAct_ = QDeadlineTimer(userActMs); }

bool SitePage::takeUserAct()
{
    const bool fresh = !userAct_.hasExpired();
    userAct_ = QDeadlineTimer();
    return fresh;
}

bool SitePage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    return follow(url, type, isMainFrame);
}

bool SitePage::follow(const QUrl& url, NavigationType type, bool isMainFrame)
{
    const Route route = routeFor(site_, url, isMainFrame);
    if (route == Route::stay) {
        // The click that led here is spent: a redirect elsewhere is not a click.
        if (isMainFrame)
            takeUserAct();
        return true;
    }
    if (route == Route::nowhere)
        return false;
    const bool clicked = type == NavigationTypeLinkClicked && takeUserAct();
    if (clicked)
        QDesktopServices::openUrl(url);
    else
        emit stopped(stoppedSentence(url, type));
    return false;
}

void SitePage::followNewWindow(QWebEngineNewWindowRequest& request)
{
    // As a link for this window: only the user's click lets it leave the site.
    const QUrl url = request.requestedUrl();
    if (follow(url, NavigationTypeLinkClicked, true))
        setUrl(url);
}
