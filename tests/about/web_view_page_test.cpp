// Runs the real embedded browser, loaded from its module, on sites served
// by this process (site_server.h). This process switches the browser's
// sandbox off for itself, as whoever starts the program may.
#include "browser_loader.h"
#include "headless_browser.h"
#include "site_server.h"
#include "web_view.h"

#include <QApplication>
#include <QDesktopServices>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

SiteServer* server = nullptr;

// Stands in for the desktop's own browser and mail program and notes what
// they were asked to open.
class Desktop : public QObject {
    Q_OBJECT

public:
    Desktop()
    {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~Desktop() override
    {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(scheme);
    }

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

// A link or a button filling one band of the page, 60 pixels high from
// `top`, so that a click in the band's middle hits it.
QByteArray band(int top, const QByteArray& element)
{
    return "<div style='position:absolute;left:0;top:" + QByteArray::number(top)
           + "px;width:400px;height:60px'>" + element + "</div>";
}

QByteArray pageWith(const QByteArray& title, const QByteArray& body)
{
    return "<html><head><title>" + title + "</title>"
           "<style>a,button{display:block;width:100%;height:100%}</style></head><body>" + body
           + "</body></html>";
}

class WebViewPage : public testing::Test {
protected:
    void SetUp() override
    {
        server->requests.clear();
        window.resize(800, 600);
    }

    // Opens a web view on `address` of the maker's site and waits for its
    // first page.
    bool openOn(const QByteArray& address)
    {
        auto* view = new WebView(QUrl(QString::fromLatin1(address)), "kelvaro.example", &window);
        view->setGeometry(0, 0, 800, 600);
        browser = view->browser();
        if (browser == nullptr)
            return false;
        QSignalSpy loaded(browser, SIGNAL(loadFinished(bool)));
        window.show();
        return loaded.wait(30000) || !loaded.isEmpty();
    }

    QString shown() const { return browser->property("url").toUrl().toString(); }
    QString title() const { return browser->property("title").toString(); }
    QString notice() const { return browser->property("notice").toString(); }

    bool waitFor(const std::function<bool()>& condition)
    {
        return QTest::qWaitFor(condition, 20000);
    }

    // A click of the user's in the middle of the band at `top`.
    void clickBand(int top)
    {
        const QPoint point(200, top + 30);
        QWidget* under = browser->childAt(point);
        ASSERT_NE(under, nullptr);
        QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(browser, point));
    }

    Desktop desktop;
    QWidget window;
    QWidget* browser = nullptr;
};

TEST_F(WebViewPage, TheMakersWholeSiteStaysInTheWindowWithItsRedirectsAndForms)
{
    server->redirect("http://www.kelvaro.example/", "http://kelvaro.example/home");
    server->page("http://kelvaro.example/home",
                 pageWith("Maker home",
                          band(0, "<form method='post' action='http://shop.kelvaro.example/order'>"
                                  "<input type='hidden' name='puzzles' value='9'>"
                                  "<button>Order</button></form>")));
    server->page("http://shop.kelvaro.example/order", pageWith("Ordered", ""));
    ASSERT_TRUE(openOn("http://www.kelvaro.example/"));
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browserModuleLoaded());
    EXPECT_EQ(browser->geometry(), QRect(0, 0, 800, 600));
    EXPECT_EQ(shown(), "http://kelvaro.example/home");
    EXPECT_TRUE(waitFor([&] { return title() == "Maker home"; }));

    QTest::qWait(300);  // the browser takes input once it has drawn the page
    clickBand(0);
    ASSERT_TRUE(waitFor([&] { return title() == "Ordered"; })) << shown().toStdString();
    EXPECT_EQ(server->requests.last().method, "POST");
    EXPECT_EQ(server->requests.last().body, "puzzles=9");
    EXPECT_EQ(desktop.opened, QList<QUrl>());
    EXPECT_EQ(notice(), "");
}

// A page that tries, by itself, to go elsewhere each way a page can.
TEST_F(WebViewPage, NothingLeavesTheSiteWithoutAClickAndTheWindowSaysSo)
{
    const QByteArray script = "<script>setTimeout(function () { %1 }, 200);</script>";
    const std::pair<QByteArray, QByteArray> attempts[] = {
        {"redirect", {}},
        {"refresh", "<meta http-equiv='refresh' content='0; url=http://elsewhere.example/'>"},
        {"location", QByteArray(script).replace("%1", "location.href = 'http://elsewhere.example/';")},
        {"link", QByteArray(script).replace("%1", "document.getElementById('away').click();")},
        {"blank", QByteArray(script).replace("%1", "document.getElementById('blank').click();")},
        {"open", QByteArray(script).replace("%1", "window.open('http://elsewhere.example/');")},
        {"mail", QByteArray(script).replace("%1", "location.href = 'mailto:team@kelvaro.example';")},
    };
    server->redirect("http://www.kelvaro.example/redirect", "http://elsewhere.example/");
    for (const auto& [name, head] : attempts) {
        if (name != "redirect")
            server->page("http://www.kelvaro.example/" + name,
                     pageWith(name, head + "<a id='away' href='http://elsewhere.example/'>away</a>"
                                           "<a id='blank' target='_blank' "
                                           "href='http://elsewhere.example/'>blank</a>"));
        const QByteArray start = "http://www.kelvaro.example/" + name;
        openOn(start);
        ASSERT_NE(browser, nullptr);
        EXPECT_TRUE(waitFor([&] { return !notice().isEmpty(); })) << name.data();
        QTest::qWait(300);
        EXPECT_EQ(desktop.opened, QList<QUrl>()) << name.data();
        if (name == "mail") {
            EXPECT_EQ(notice(), "This page tried to open your mail program by itself; Kelvaro stopped "
                                "it. A link to another site opens in your web browser when you click it.");
        } else {
            EXPECT_EQ(notice(), "This page tried to open another site (elsewhere.example) by itself; "
                                "Kelvaro stopped it. A link to another site opens in your web browser "
                                "when you click it.")
                << name.data();
        }
        EXPECT_FALSE(shown().contains("elsewhere")) << name.data();
        delete browser->parent();
    }
    for (const SiteServer::Request& request : server->requests)
        EXPECT_FALSE(request.url.contains("elsewhere")) << request.url.data();
}

TEST_F(WebViewPage, AClickOnALinkElsewhereOpensTheDesktopsBrowserOrMailOnceAndFormsStayPut)
{
    server->page(
        "http://www.kelvaro.example/",
        pageWith("Links",
                 // The page's script follows the click with a second site of its own.
                 band(0, "<a href='http://elsewhere.example/a' onclick=\"setTimeout(function () "
                         "{ location.href = 'http://second.example/'; }, 100)\">away</a>")
                     + band(60, "<a target='_blank' href='http://blank.example/'>blank</a>")
                     + band(120, "<a href='mailto:team@kelvaro.example'>mail</a>")
                     + band(180, "<form method='post' action='http://elsewhere.example/collect'>"
                                 "<input type='hidden' name='email' value='ann@home.example'>"
                                 "<button>Send</button></form>")
                     + band(240, "<a target='_blank' href='http://kelvaro.example/next'>next</a>")
                     // A click that follows no link, and a script that waits
                     // past the time a click's navigation takes.
                     + band(300, "<div id='late' style='height:100%'>late</div><script>"
                                 "document.getElementById('late').onclick = function () {"
                                 "setTimeout(function () { location.href = 'http://late.example/'; },"
                                 " 3000); };</script>")));
    // A page of the site that, once a click has brought it, goes elsewhere by itself.
    server->page("http://kelvaro.example/next",
                 pageWith("Next", band(0, "<a href='http://kelvaro.example/hop'>hop</a>")));
    server->page("http://kelvaro.example/hop",
                 pageWith("Hop", "<script>setTimeout(function () { location.href = "
                                 "'http://elsewhere.example/hop'; }, 100);</script>"));
    ASSERT_TRUE(openOn("http://www.kelvaro.example/"));
    ASSERT_NE(browser, nullptr);
    QTest::qWait(300);

    clickBand(0);
    ASSERT_TRUE(waitFor([&] { return !desktop.opened.isEmpty(); }));
    EXPECT_TRUE(waitFor([&] { return notice().contains("second.example"); })) << "the script's site";
    clickBand(60);
    ASSERT_TRUE(waitFor([&] { return desktop.opened.size() == 2; }));
    clickBand(120);
    ASSERT_TRUE(waitFor([&] { return desktop.opened.size() == 3; }));
    EXPECT_EQ(desktop.opened,
              (QList<QUrl>{QUrl("http://elsewhere.example/a"), QUrl("http://blank.example/"),
                           QUrl("mailto:team@kelvaro.example")}));

    clickBand(180);
    EXPECT_TRUE(waitFor([&] {
        return notice()
               == "This page's form would send what you entered to another site "
                  "(elsewhere.example); Kelvaro did not send it.";
    })) << notice().toStdString();
    EXPECT_EQ(desktop.opened.size(), 3);
    EXPECT_EQ(shown(), "http://www.kelvaro.example/");

    clickBand(300);
    EXPECT_TRUE(waitFor([&] { return notice().contains("late.example"); })) << "acted on a click";
    EXPECT_EQ(desktop.opened.size(), 3);

    clickBand(240);
    ASSERT_TRUE(waitFor([&] { return title() == "Next"; }));
    QTest::qWait(300);
    clickBand(0);
    EXPECT_TRUE(waitFor([&] { return title() == "Hop" && notice().contains("elsewhere.example"); }))
        << "the click that brought the site's page let its script leave";
    EXPECT_EQ(desktop.opened.size(), 3);
    for (const SiteServer::Request& request : server->requests)
        EXPECT_FALSE(request.url.contains("example/collect")) << "the form was sent";
}

}  // namespace

int main(int argc, char** argv)
{
    useHeadlessBrowser();
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    setBrowserModuleFile(KELVARO_TEST_BROWSER_MODULE);
    SiteServer sites;
    server = &sites;
    // Read when the browser starts, at the first web view.
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " " + sites.proxyFlag());
    return RUN_ALL_TESTS();
}

#include "web_view_page_test.moc"
