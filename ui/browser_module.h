#pragma once

#include <QtPlugin>

class QString;
class QUrl;
class QWidget;

// The embedded browser lives in a module of its own, loaded only when the
// first web view opens: a run that never shows a web page never maps the
// browser's libraries, which cost every start a quarter of a second and a
// great deal of memory.
class BrowserModule {
public:
    virtual ~BrowserModule() = default;

    // A browser on `address` that keeps to `site`, a registrable domain such
    // as "kelvaro.example", as a child of `parent`. Deleting it frees its page
    // and ends its browser processes.
    virtual QWidget* openSiteBrowser(const QUrl& address, const QString& site, QWidget* parent) = 0;
};

#define KelvaroBrowserModule_iid "org.kelvaro.Kelvaro.BrowserModule/2"
Q_DECLARE_INTERFACE(BrowserModule, KelvaroBrowserModule_iid)
