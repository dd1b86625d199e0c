#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;

// The embedded browser control, opened on one address and keeping to one
// site, a registrable domain such as "kelvaro.example". Where no browser can
// run (its module is not installed, or it refuses to start here), the area
// shows one sentence saying why and what to do, and one line on standard
// error says why too.
class WebView : public QWidget {
    Q_OBJECT

public:
    WebView(const QUrl& startAddress, const QString& site, QWidget* parent);

    QUrl startAddress() const { return startAddress_; }
    // The browser inside, or null when it could not start.
    QWidget* browser() const { return browser_; }
    // The sentence shown instead of the page, or empty while the page is shown.
    QString sentence() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QUrl startAddress_;
    QWidget* browser_ = nullptr;
    QLabel* sentence_ = nullptr;
};

// Adds a web view on `startAddress`, keeping to `site`, as control `id` of
// the open window `window`. Returns null when that window is not open.
WebView* createWebView(int window, int id, const QUrl& startAddress, const QString& site, int x,
                       int y, int w, int h);
