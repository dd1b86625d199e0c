#pragma once

class QString;
class QUrl;

// Where a navigation of the web-page window's browser may go. The window
// shows one site under a fixed title, so a page elsewhere shown there could
// pass itself off as the maker's.
enum class Route {
    stay,       // the window follows it
    otherSite,  // a web page elsewhere: the desktop's own browser, on a click
    mail,       // the desktop's mail program, on a click
    nowhere,    // nothing happens
};

// `site` is a registrable domain, such as "kelvaro.example": its pages, and
// those of every name under it, over http or https, stay in the window.
Route routeFor(const QString& site, const QUrl& target, bool mainFrame);
