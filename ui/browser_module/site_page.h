#pragma once

#include <QDeadlineTimer>
#include <QString>
#include <QWebEnginePage>

class QWebEngineNewWindowRequest;

// A page that keeps to one site and never acts for the user on its own. Its
// pages, http or https, stay in the window, so the site's own redirects work.
// A click by the user on a link elsewhere opens the desktop's browser, or its
// mail program for a mailto: link, once; scripts, refreshes, redirects and
// forms that would go elsewhere are stopped, and `stopped` says so in a
// sentence. A link for a new window is followed as one for this window.
class SitePage : public QWebEnginePage {
    Q_OBJECT

public:
    SitePage(const QString& site, QWebEngineProfile* profile, QObject* parent);

    // The user has just clicked in the page or pressed a key that follows a
    // link: the next navigation may leave the site.
    void userActed();

signals:
    void stopped(const QString& sentence);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    void followNewWindow(QWebEngineNewWindowRequest& request);
    // Whether the window itself goes to `url`; leaves the site only on the
    // click that the user has just made, and at most once for it.
    bool follow(const QUrl& url, NavigationType type, bool isMainFrame);
    bool takeUserAct();

    QString site_;
    QDeadlineTimer userAct_;  // expired: no act to take
};
