#include "site_route.h"

#include <QString>
#include <QUrl>

namespace {

bool isWeb(const QString& scheme)
{
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

bool onSite(const QString& site, const QString& host)
{
    return host == site || host.endsWith(QLatin1Char('.') + site);
}

}  // namespace

Route routeFor(const QString& site, const QUrl& target, bool mainFrame)
{
    // What a page embeds is its own business; only what fills the window counts.
    if (!mainFrame)
        return Route::stay;
    const QString scheme = target.scheme();
    if (isWeb(scheme))
        return onSite(site, target.host()) ? Route::stay : Route::otherSite;
    if (scheme == QLatin1String("mailto"))
        return Route::mail;
    // A local file or a script address has no business leaving the page.
    return Route::nowhere;
}
