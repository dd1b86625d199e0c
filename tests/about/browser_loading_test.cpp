// The browser's libraries are mapped into the program only once the
// web-page window opens: not at start, not with the About window. This test
// is built beside the program and finds the module as the program does.
#include "about_command.h"
#include "about_windows.h"
#include "browser_loader.h"
#include "headless_browser.h"
#include "controls_registry.h"
#include "events.h"
#include "grid.h"
#include "main_window.h"
#include "web_view.h"
#include "windows.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Lines of this process's memory map that belong to the browser.
QStringList browserMappings()
{
    QFile maps("/proc/self/maps");
    if (!maps.open(QIODevice::ReadOnly))
        return {"cannot read /proc/self/maps"};
    QStringList found;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        if (line.contains("WebEngine") || line.contains("kelvaro_browser"))
            found.append(QString::fromUtf8(line));
    }
    return found;
}

TEST(BrowserLoading, OnlyTheWebPageWindowLoadsTheBrowser)
{
    resetEngineState();
    ASSERT_TRUE(openMainWindow());
    EXPECT_EQ(browserMappings(), QStringList()) << "after start";

    QStringList withAbout{"not looked at"};
    QStringList withWebPage;
    bool browserShown = false;
    QTimer::singleShot(50, [&] {
        withAbout = browserMappings();
        QTest::mouseClick(findControl(websiteLinkId), Qt::LeftButton, {}, QPoint(10, 10));
    });
    QTimer::singleShot(300, [&] {
        withWebPage = browserMappings();
        auto* view = qobject_cast<WebView*>(findControl(webViewId));
        browserShown = view != nullptr && view->browser() != nullptr;
        findWindow(webPageWindow)->close();
    });
    aboutCommand();

    EXPECT_EQ(withAbout, QStringList()) << "with the About window open";
    EXPECT_TRUE(browserShown);
    EXPECT_TRUE(browserModuleLoaded());
    EXPECT_TRUE(withWebPage.join('\n').contains("libQt6WebEngineCore"))
        << withWebPage.join('\n').toStdString();
    closeAllWindows();
}

}  // namespace

int main(int argc, char** argv)
{
    useHeadlessBrowser();
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
