#include "web_view.h"

#include "browser_loader.h"
#include "browser_module.h"
#include "controls_registry.h"
#include "web_view_sandbox.h"
#include "windows.h"

#include <QLabel>
#include <QResizeEvent>

#include <cstdio>
#include <string>

namespace {

const char* const asRootSentence =
    "The web page cannot be shown to root while the browser's sandbox is on: run Kelvaro as "
    "an ordinary user, or start it with QTWEBENGINE_DISABLE_SANDBOX=1.";
const char* const noModuleSentence =
    "The web page cannot be shown because Kelvaro's browser module is missing: reinstall "
    "Kelvaro with Qt WebEngine to see it.";

void sayOnStandardError(const std::string& line)
{
    std::fprintf(stderr, "kelvaro: %s\n", line.c_str());
}

}  // namespace

WebView::WebView(const QUrl& startAddress, const QString& site, QWidget* parent)
    : QWidget(parent), startAddress_(startAddress)
{
    QString sentence;
    const std::string refusal = browserRefusalHere();
    if (!refusal.empty()) {
        // Starting the browser here would end the whole program.
        sayOnStandardError(refusal);
        sentence = QString::fromUtf8(asRootSentence);
    } else {
        QString whyNot;
        if (BrowserModule* module = browserModule(&whyNot)) {
            browser_ = module->openSiteBrowser(startAddress, site, this);
            return;
        }
        sayOnStandardError("the web page is not shown: no browser module: "
                           + whyNot.toStdString());
        sentence = QString::fromUtf8(noModuleSentence);
    }
    sentence_ = new QLabel(sentence, this);
    sentence_->setWordWrap(true);
    sentence_->setAlignment(Qt::AlignCenter);
    sentence_->setMargin(40);
}

QString WebView::sentence() const { return sentence_ ? sentence_->text() : QString(); }

void WebView::resizeEvent(QResizeEvent* event)
{
    QWidget* inside = browser_ ? browser_ : sentence_;
    if (inside)
        inside->resize(event->size());
}

WebView* createWebView(int window, int id, const QUrl& startAddress, const QString& site, int x,
                       int y, int w, int h)
{
    QWidget* parent = findWindow(window);
    if (parent == nullptr)
        return nullptr;
    auto* view = new WebView(startAddress, site, parent);
    view->setGeometry(x, y, w, h);
    registerControl(window, id, view);
    view->show();
    return view;
}
