#include "browser_module.h"
#include "site_browser.h"

#include <QObject>

class SiteBrowserModule : public QObject, public BrowserModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KelvaroBrowserModule_iid)
    Q_INTERFACES(BrowserModule)

public:
    QWidget* openSiteBrowser(const QUrl& address, QWidget* parent) override
    {
        return new SiteBrowser(address, parent);
    }
};

#include "browser_plugin.moc"
