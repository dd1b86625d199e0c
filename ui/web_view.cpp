#include "web_view.h"

#include "controls_registry.h"
#include "web_view_sandbox.h"
#include "windows.h"

#include <QResizeEvent>

#include <cstdio>
#include <string>

#ifdef KELVARO_HAS_WEB_ENGINE
#include <QWebEngineView>
#endif

namespace {

QWidget* openBrowser(const QUrl& address, QWidget* parent)
{
#ifdef KELVARO_HAS_WEB_ENGINE
    const std::string refusal = browserRefusalHere();
    if (!refusal.empty()) {
        std::fprintf(stderr, "kelvaro: %s\n", refusal.c_str());
        return nullptr;
    }
    auto* view = new QWebEngineView(parent);
    view->setUrl(address);
    return view;
#else
    (void)address;
    (void)parent;
    std::fprintf(stderr, "kelvaro: the web page is not shown: this build has no embedded browser\n");
    return nullptr;
#endif
}

}  // namespace

WebView::WebView(const QUrl& startAddress, QWidget* parent)
    : QWidget(parent), startAddress_(startAddress), browser_(openBrowser(startAddress, this))
{
}

void WebView::resizeEvent(QResizeEvent* event)
{
    if (browser_)
        browser_->resize(event->size());
}

bool browserBuiltIn()
{
#ifdef KELVARO_HAS_WEB_ENGINE
    return true;
#else
    return false;
#endif
}

WebView* createWebView(int window, int id, const QUrl& startAddress, int x, int y, int w, int h)
{
    QWidget* parent = findWindow(window);
    if (parent == nullptr)
        return nullptr;
    auto* view = new WebView(startAddress, parent);
    view->setGeometry(x, y, w, h);
    registerControl(window, id, view);
    view->show();
    return view;
}
