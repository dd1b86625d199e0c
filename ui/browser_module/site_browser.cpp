#include "site_browser.h"

#include "site_page.h"

#include <QResizeEvent>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineView>

SiteBrowser::SiteBrowser(const QUrl& address, QWidget* parent)
    : QWidget(parent),
      // A profile without a storage name keeps nothing on disk.
      profile_(new QWebEngineProfile(this)),
      page_(new SitePage(address, profile_, this)),
      view_(new QWebEngineView(this))
{
    connect(profile_, &QWebEngineProfile::downloadRequested, this,
            [](QWebEngineDownloadRequest* download) { download->cancel(); });
    connect(page_, &QWebEnginePage::loadFinished, this, &SiteBrowser::loadFinished);
    view_->setPage(page_);
    page_->setUrl(address);
}

SiteBrowser::~SiteBrowser()
{
    // The profile may go only once no page uses it any more.
    delete view_;
    delete page_;
    delete profile_;
}

QString SiteBrowser::title() const { return page_->title(); }

QUrl SiteBrowser::url() const { return page_->url(); }

void SiteBrowser::resizeEvent(QResizeEvent* event) { view_->resize(event->size()); }
