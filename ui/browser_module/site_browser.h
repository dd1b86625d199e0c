#pragma once

#include <QUrl>
#include <QWidget>

class QWebEngineProfile;
class QWebEngineView;
class SitePage;

// The browser of the web-page window: an off-the-record profile, a page that
// stays on the site of its start address, and a view of it, owned together
// so that deleting this frees all three in the order the browser needs.
class SiteBrowser : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString title READ title)
    Q_PROPERTY(QUrl url READ url)

public:
    SiteBrowser(const QUrl& address, QWidget* parent);
    ~SiteBrowser() override;

    QString title() const;
    QUrl url() const;

signals:
    void loadFinished(bool ok);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWebEngineProfile* profile_;
    SitePage* page_;
    QWebEngineView* view_;
};
