#include "print_command.h"

#include "grid.h"
#include "print_fixtures.h"

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

const QColor white(255, 255, 255);
const QColor grey(192, 192, 192);
const QColor black(0, 0, 0);
const QColor orange(240, 73, 2);

// Prints the grid to a PDF file; returns the corner of the printable area
// in printer pixels from the corner of the paper. The corner comes from a
// printer of Qt's default layout, not the one printed on, so that a page
// drawn from the corner of the paper shows.
QPoint printGrid(const QString& pdf, int dotsPerInch)
{
    QPrinter layout(QPrinter::HighResolution);
    layout.setOutputFormat(QPrinter::PdfFormat);
    layout.setResolution(dotsPerInch);
    const QPoint corner = layout.pageRect(QPrinter::DevicePixel).toRect().topLeft();
    EXPECT_GT(corner.x(), 0);

    PdfPrinter printer(pdf, dotsPerInch);
    printCommand(printer);
    return corner;
}

// Renders the first page of a PDF at a resolution; a non-null clip keeps only
// that rectangle of the page's pixels.
QImage renderPage(const QString& pdf, int dotsPerInch, const QRect& clip = {})
{
    const QString prefix = pdf + "-" + QString::number(dotsPerInch);
    QStringList arguments = {"-r", QString::number(dotsPerInch), "-png", "-singlefile"};
    if (!clip.isNull()) {
        arguments << "-x" << QString::number(clip.x()) << "-y" << QString::number(clip.y()) << "-W"
                  << QString::number(clip.width()) << "-H" << QString::number(clip.height());
    }
    arguments << pdf << prefix;
    if (QProcess::execute(PDFTOPPM, arguments) != 0) {
        return {};
    }
    return QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32);
}

bool isInk(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// The smallest rectangle around every pixel that is not paper white.
QRect markedArea(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 250) {
                area |= QRect(x, y, 1, 1);
            }
        }
    }
    return area;
}

QRect inkArea(const QImage& image, const QRect& within)
{
    QRect area;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (isInk(image.pixel(x, y))) {
                area |= QRect(x, y, 1, 1);
            }
        }
    }
    return area;
}

// The grid printed on a PDF "printer" of the given resolution, rendered back
// at that resolution so that one image pixel is one printer pixel, with the
// printable area's corner at (0, 0).
class PdfPage : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        resetEngineState();
        fillSolvedGrid();
        ASSERT_TRUE(dir.isValid());
        pdf = dir.filePath("grid.pdf");
        const QPoint corner = printGrid(pdf, GetParam());
        page = renderPage(pdf, GetParam(), QRect(corner, QSize(2000, 2000)));
        ASSERT_FALSE(page.isNull());
    }
    void TearDown() override { resetEngineState(); }

    void expectColour(int x, int y, const QColor& expected)
    {
        const QColor actual = page.pixelColor(x, y);
        const bool close = std::abs(actual.red() - expected.red()) <= 3 &&
                           std::abs(actual.green() - expected.green()) <= 3 &&
                           std::abs(actual.blue() - expected.blue()) <= 3;
        EXPECT_TRUE(close) << "pixel (" << x << ", " << y << ") is " << actual.name().toStdString()
                           << ", expected " << expected.name().toStdString();
    }

    QTemporaryDir dir;
    QString pdf;
    QImage page;
};

TEST_P(PdfPage, ThinLinesLieOnTheirPixelsAndStopShortOfTheBoxLines)
{
    for (const int y : {370, 570, 970, 1170, 1570, 1770}) {
        SCOPED_TRACE("thin line y = " + std::to_string(y));
        expectColour(142, y, grey);
        expectColour(141, y, black);  // the left box line lies over it
        expectColour(1050, y, grey);
        expectColour(1050, y - 1, white);
        expectColour(1050, y + 1, white);
        expectColour(1930, y, grey);
        expectColour(1931, y, white);
    }
    for (const int x : {340, 540, 940, 1140, 1540, 1740}) {
        SCOPED_TRACE("thin line x = " + std::to_string(x));
        expectColour(x, 172, grey);
        expectColour(x, 171, orange);  // the top box line lies over it
        expectColour(x, 1100, grey);
        expectColour(x - 1, 1100, white);
        expectColour(x + 1, 1100, white);
        expectColour(x, 1960, grey);
        expectColour(x, 1961, white);
    }
}

TEST_P(PdfPage, HorizontalBoxLinesAreBlackOverOrange)
{
    for (const int y : {170, 770, 1370, 1970}) {
        SCOPED_TRACE("box line y = " + std::to_string(y));
        expectColour(139, y, white);
        expectColour(1050, y - 1, white);
        expectColour(1050, y, black);
        expectColour(1050, y + 1, orange);
        expectColour(1050, y + 2, white);
        expectColour(1950, y, black);
        expectColour(1950, y + 1, orange);
        expectColour(1951, y, white);
        expectColour(1951, y + 1, white);
    }
    // Where no vertical box line crosses, the pair starts at x = 140.
    expectColour(140, 170, black);
    expectColour(140, 171, orange);
}

TEST_P(PdfPage, VerticalBoxLinesAreTwoBlackColumnsOverEverythingElse)
{
    for (const int x : {140, 740, 1340, 1940}) {
        SCOPED_TRACE("box line x = " + std::to_string(x));
        expectColour(x - 1, 1100, white);
        expectColour(x, 1100, black);
        expectColour(x + 1, 1100, black);
        expectColour(x + 2, 1100, white);
        expectColour(x, 172, black);
        expectColour(x + 1, 172, black);
        // They cross the orange lines of the inner horizontal pairs.
        expectColour(x, 771, black);
        expectColour(x + 1, 1371, black);
        expectColour(x, 1972, white);
    }
}

TEST_P(PdfPage, EveryDigitSitsInItsCell)
{
    for (int i = 0; i < 9; ++i) {
        for (int j = 0; j < 9; ++j) {
            SCOPED_TRACE("cell " + std::to_string(i) + "," + std::to_string(j));
            const int left = 140 + 200 * i;
            const int top = 170 + 200 * j;
            const QRect ink = inkArea(page, QRect(left + 2, top + 2, 197, 197));
            ASSERT_FALSE(ink.isEmpty());
            EXPECT_GE(ink.left(), left + 60);
            EXPECT_GE(ink.top(), top + 30);
            EXPECT_LT(ink.right(), left + 60 + 133);
            EXPECT_LT(ink.bottom(), top + 30 + 133);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Resolutions, PdfPage, ::testing::Values(300, 600));

class PdfResolutions : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetEngineState();
        fillSolvedGrid();
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override { resetEngineState(); }

    QString file(int dotsPerInch) const { return dir.filePath(QString("grid-%1.pdf").arg(dotsPerInch)); }

    QTemporaryDir dir;
};

TEST_F(PdfResolutions, GridAtHalfTheResolutionIsTwiceAsLargeOnPaper)
{
    printGrid(file(300), 300);
    printGrid(file(600), 600);
    // Both pages seen at one resolution, so pixels measure the paper alike.
    const QImage coarse = renderPage(file(300), 300);
    const QImage fine = renderPage(file(600), 300);
    ASSERT_FALSE(coarse.isNull());
    ASSERT_FALSE(fine.isNull());
    ASSERT_EQ(coarse.size(), fine.size());

    const QRect large = markedArea(coarse);
    const QRect small = markedArea(fine);
    ASSERT_FALSE(small.isEmpty());
    EXPECT_NEAR(double(large.width()) / small.width(), 2.0, 0.01);
    EXPECT_NEAR(double(large.height()) / small.height(), 2.0, 0.01);
}

TEST_F(PdfResolutions, DigitsKeepTheirPixelHeight)
{
    const auto digitHeight = [this](int dotsPerInch) {
        const QPoint corner = printGrid(file(dotsPerInch), dotsPerInch);
        const QImage page = renderPage(file(dotsPerInch), dotsPerInch, QRect(corner, QSize(400, 400)));
        // The digit of cell (0, 0), in printer pixels.
        return page.isNull() ? 0 : inkArea(page, QRect(142, 172, 197, 197)).height();
    };
    const int coarse = digitHeight(300);
    const int fine = digitHeight(600);

    // Digits stand about 0.6 of the font's cell height, which the screen sets.
    // The print font is 133 pixels high: 100 points at the 96 dpi of the tests' screen.
    EXPECT_GT(coarse, 0.5 * 133);
    EXPECT_LT(coarse, 0.75 * 133);
    EXPECT_NEAR(coarse, fine, 2);
}

}  // namespace
