// Runs the real embedded browser, loaded from its module, on pages of its
// own. This process switches the browser's sandbox off for itself, as whoever
// starts the program may.
#include "browser_loader.h"
#include "headless_browser.h"
#include "web_view.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Stands in for the desktop's own browser and notes what it was asked to open.
class DesktopBrowser : public QObject {
    Q_OBJECT

public:
    DesktopBrowser()
    {
        QDesktopServices::setUrlHandler("http", this, "open");
        QDesktopServices::setUrlHandler("https", this, "open");
    }
    ~DesktopBrowser() override
    {
        QDesktopServices::unsetUrlHandler("http");
        QDesktopServices::unsetUrlHandler("https");
    }

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class WebViewPage : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        window.resize(800, 600);
    }

    QUrl writePage(const QString& name, const QByteArray& html)
    {
        QFile page(dir.filePath(name));
        EXPECT_TRUE(page.open(QIODevice::WriteOnly));
        page.write(html);
        return QUrl::fromLocalFile(page.fileName());
    }

    // Opens a web view on `address` and waits for its first page.
    QWidget* openOn(const QUrl& address)
    {
        auto* view = new WebView(address, &window);
        view->setGeometry(0, 0, 800, 600);
        QWidget* browser = view->browser();
        if (browser == nullptr)
            return nullptr;
        QSignalSpy loaded(browser, SIGNAL(loadFinished(bool)));
        window.show();
        EXPECT_TRUE(loaded.wait(30000) || loaded.count() > 0);
        EXPECT_TRUE(loaded.count() > 0 && loaded.first().first().toBool());
        return browser;
    }

    QTemporaryDir dir;
    QWidget window;
};

TEST_F(WebViewPage, ShowsALocalPageThroughTheModuleFillingItsArea)
{
    const QUrl address = writePage("page.html",
                                   "<html><head><title>Local maker page</title></head>"
                                   "<body><h1>Hello from disk</h1></body></html>");
    QWidget* browser = openOn(address);
    ASSERT_NE(browser, nullptr);

    EXPECT_TRUE(browserModuleLoaded());
    EXPECT_EQ(browser->property("title").toString(), "Local maker page");
    EXPECT_EQ(browser->property("url").toUrl(), address);
    EXPECT_EQ(browser->geometry(), QRect(0, 0, 800, 600));
}

TEST_F(WebViewPage, StaysOnItsSiteAndSendsOtherSitesToTheDesktopBrowser)
{
    DesktopBrowser desktop;
    writePage("next.html", "<html><head><title>Next page</title></head></html>");
    // The page follows its links by itself, one after another, once loaded.
    const QUrl address = writePage(
        "page.html",
        "<html><head><title>Start page</title></head><body>"
        "<a id='away' href='https://elsewhere.example/page'>away</a>"
        "<a id='scheme' href='kelvaro-unknown:thing'>unknown</a>"
        "<a id='next' href='next.html'>next</a>"
        "<script>"
        "function click(id) { document.getElementById(id).click(); }"
        "setTimeout(function () { click('away'); }, 500);"
        "setTimeout(function () { window.open('https://popup.example/'); }, 1500);"
        "setTimeout(function () { click('scheme'); }, 1700);"
        "setTimeout(function () { click('next'); }, 2500);"
        "</script></body></html>");
    QWidget* browser = openOn(address);
    ASSERT_NE(browser, nullptr);
    const auto shown = [browser] { return browser->property("url").toUrl().fileName(); };

    ASSERT_TRUE(QTest::qWaitFor([&] { return !desktop.opened.isEmpty(); }, 30000));
    QTest::qWait(500);
    EXPECT_EQ(shown(), "page.html") << "the view followed a link to another site";

    // The link within the site is followed.
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown() == "next.html"; }, 30000));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return browser->property("title").toString() == "Next page"; }, 30000));
    // Neither the pop-up nor the unknown scheme reached the desktop.
    EXPECT_EQ(desktop.opened, QList<QUrl>{QUrl("https://elsewhere.example/page")});
}

}  // namespace

int main(int argc, char** argv)
{
    useHeadlessBrowser();
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    setBrowserModuleFile(KELVARO_TEST_BROWSER_MODULE);
    return RUN_ALL_TESTS();
}

#include "web_view_page_test.moc"
