#pragma once

#include <QUrl>
#include <QWidget>

// The embedded browser control, opened on one address. Where no browser can
// run (none was built in, or it refuses to start here), it stays an empty
// area and one line on standard error says why.
class WebView : public QWidget {
    Q_OBJECT

public:
    WebView(const QUrl& startAddress, QWidget* parent);

    QUrl startAddress() const { return startAddress_; }
    // The browser inside, or null when the area stays empty.
    QWidget* browser() const { return browser_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QUrl startAddress_;
    QWidget* browser_ = nullptr;
};

// Whether this build has an embedded browser at all.
bool browserBuiltIn();

// Adds a web view on `startAddress` as control `id` of the open window
// `window`. Returns null when that window is not open.
WebView* createWebView(int window, int id, const QUrl& startAddress, int x, int y, int w, int h);
