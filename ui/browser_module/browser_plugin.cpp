#include "browser_module.h"
#include "site_browser.h"

#include <QObject>

class SiteBrowserModule : public QObject, public BrowserModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KelvaroBrowserModule_iid)
    Q_INTERFACES(BrowserModule)

public:
    QWidget* openSiteBrowser(const QUrl& address, const QString& site, QWidget* parent) override
    {
        return new SiteBrowser(address, site, parent);
    }
};

#include "browser_plugin.moc"
