#include "site_browser.h"

#include "home_traces.h"
#include "site_page.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

// Keeps the browser's drawing from leaving a shader cache in ~/.cache.
QWebEngineProfile* profileKeepingNothing(QObject* parent)
{
    QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    removeBrowserTracesAtExit();
    // A profile without a storage name keeps nothing on disk.
    return new QWebEngineProfile(parent);
}

// A click, or a key that follows the focused link: what a user does.
bool isUserAct(const QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease)
        return static_cast<const QMouseEvent*>(event)->button() != Qt::RightButton;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<const QKeyEvent*>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    }
    return false;
}

}  // namespace

SiteBrowser::SiteBrowser(const QUrl& address, const QString& site, QWidget* parent)
    : QWidget(parent),
      profile_(profileKeepingNothing(this)),
      page_(new SitePage(site, profile_, this)),
      view_(new QWebEngineView(this)),
      notice_(new QLabel(this))
{
    connect(profile_, &QWebEngineProfile::downloadRequested, this,
            [](QWebEngineDownloadRequest* download) { download->cancel(); });
    connect(page_, &QWebEnginePage::loadFinished, this, &SiteBrowser::loadFinished);
    connect(page_, &SitePage::stopped, this, &SiteBrowser::showNotice);
    // The sentence stays until another page is in the window.
    connect(page_, &QWebEnginePage::urlChanged, notice_, &QLabel::hide);
    notice_->setWordWrap(true);
    notice_->setMargin(8);
    notice_->setAutoFillBackground(true);
    QPalette palette = notice_->palette();
    palette.setColor(QPalette::Window, QColor(255, 244, 190));
    palette.setColor(QPalette::WindowText, Qt::black);
    notice_->setPalette(palette);
    notice_->hide();
    // The view's own input goes to widgets of the browser inside it.
    qApp->installEventFilter(this);
    view_->setPage(page_);
    page_->setUrl(address);
}

SiteBrowser::~SiteBrowser()
{
    qApp->removeEventFilter(this);
    // The profile may go only once no page uses it any more.
    delete view_;
    delete page_;
    delete profile_;
}

QString SiteBrowser::title() const { return page_->title(); }

QUrl SiteBrowser::url() const { return page_->url(); }

QString SiteBrowser::notice() const { return notice_->isHidden() ? QString() : notice_->text(); }

bool SiteBrowser::eventFilter(QObject* watched, QEvent* event)
{
    if (isUserAct(event) && watched->isWidgetType()
        && view_->isAncestorOf(static_cast<QWidget*>(watched))) {
        page_->userActed();
    }
    return false;
}

void SiteBrowser::showNotice(const QString& sentence)
{
    notice_->setText(sentence);
    placeNotice();
    notice_->show();
    notice_->raise();
}

void SiteBrowser::placeNotice()
{
    notice_->setFixedWidth(width());
    notice_->adjustSize();
    notice_->move(0, 0);
}

void SiteBrowser::resizeEvent(QResizeEvent* event)
{
    view_->resize(event->size());
    placeNotice();
}
