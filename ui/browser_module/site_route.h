#pragma once

class QUrl;

// Where a navigation of the web-page window's browser may go. The window
// shows one site under a fixed title, so a page elsewhere shown there could
// pass itself off as the maker's.
enum class Route {
    stay,            // the browser follows it
    desktopBrowser,  // the desktop's own browser opens it; the view stays
    nowhere,         // nothing happens
};

Route routeFor(const QUrl& site, const QUrl& target, bool mainFrame);
