#pragma once

#include <QUrl>
#include <QWebEnginePage>

// A page that stays on one site: navigations elsewhere go to the desktop's
// own browser, pop-up windows are refused.
class SitePage : public QWebEnginePage {
    Q_OBJECT

public:
    SitePage(const QUrl& site, QWebEngineProfile* profile, QObject* parent);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    QUrl site_;
};
