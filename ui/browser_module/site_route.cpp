#include "site_route.h"

#include <QUrl>

namespace {

bool sameOrigin(const QUrl& a, const QUrl& b)
{
    return a.scheme() == b.scheme() && a.host() == b.host()
           && a.port(a.scheme() == QLatin1String("https") ? 443 : 80)
                  == b.port(b.scheme() == QLatin1String("https") ? 443 : 80);
}

}  // namespace

Route routeFor(const QUrl& site, const QUrl& target, bool mainFrame)
{
    // What a page embeds is its own business; only what fills the window counts.
    if (!mainFrame || sameOrigin(site, target))
        return Route::stay;
    // Only web addresses are handed on: a local file or a script address has
    // no business leaving the maker's page.
    const QString scheme = target.scheme();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return Route::desktopBrowser;
    return Route::nowhere;
}
