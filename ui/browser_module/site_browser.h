#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;
class QWebEngineProfile;
class QWebEngineView;
class SitePage;

// The browser of the web-page window: an off-the-record profile, a page that
// keeps to one site and acts only on the user's clicks, a view of it, and a
// line above the view that says what the page was stopped from doing. Owned
// together, so that deleting this frees them in the order the browser needs.
class SiteBrowser : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString title READ title)
    Q_PROPERTY(QUrl url READ url)
    Q_PROPERTY(QString notice READ notice)

public:
    SiteBrowser(const QUrl& address, const QString& site, QWidget* parent);
    ~SiteBrowser() override;

    QString title() const;
    QUrl url() const;
    // The sentence shown above the page, or empty when none is shown.
    QString notice() const;

signals:
    void loadFinished(bool ok);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showNotice(const QString& sentence);
    void placeNotice();

    QWebEngineProfile* profile_;
    SitePage* page_;
    QWebEngineView* view_;
    QLabel* notice_;
};
