// Runs the real embedded browser on a page of its own. This process switches
// the browser's sandbox off for itself, as whoever starts the program may.
#include "web_view.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

#include <gtest/gtest.h>

TEST(WebView, ShowsALocalPageFillingItsArea)
{
    if (!browserBuiltIn())
        GTEST_SKIP() << "built without an embedded browser";

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile page(dir.filePath("page.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><head><title>Local maker page</title></head>"
               "<body><h1>Hello from disk</h1></body></html>");
    page.close();
    const QUrl address = QUrl::fromLocalFile(page.fileName());

    QWidget window;
    window.resize(800, 600);
    auto* view = new WebView(address, &window);
    view->setGeometry(0, 0, 800, 600);
    auto* browser = qobject_cast<QWebEngineView*>(view->browser());
    ASSERT_NE(browser, nullptr);
    QSignalSpy loaded(browser, &QWebEngineView::loadFinished);
    window.show();

    ASSERT_TRUE(loaded.wait(30000) || loaded.count() > 0);
    EXPECT_TRUE(loaded.first().first().toBool());
    EXPECT_EQ(browser->title(), "Local maker page");
    EXPECT_EQ(browser->url(), address);
    EXPECT_EQ(browser->geometry(), QRect(0, 0, 800, 600));
}

int main(int argc, char** argv)
{
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
