#include "printer_qt.h"

#include "fonts.h"

#include <QApplication>
#include <QPen>
#include <QPrintDialog>
#include <QString>

#include <string>

namespace {

constexpr int fileDotsPerInch = 300;

}  // namespace

QtPrinter::QtPrinter()
{
    printer_.setFullPage(false);
    printer_.setCopyCount(1);
}

bool QtPrinter::showDialog()
{
    QPrintDialog dialog(&printer_, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    // A file has no dots of its own, and Qt would give it 1200 per inch,
    // which shrinks the page's pixel geometry to a corner of the paper;
    // 300 per inch gives the page an office printer gives.
    if (printer_.outputFormat() == QPrinter::PdfFormat) {
        printer_.setResolution(fileDotsPerInch);
    }
    return true;
}

bool QtPrinter::startDocument(std::string_view name)
{
    printer_.setDocName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    // Opening a painter on the printer starts the job and its first page.
    return painter_.begin(&printer_);
}

void QtPrinter::loadFont(int number, std::string_view face, int points)
{
    ::loadFont(number, std::string(face), points);
}

bool QtPrinter::beginDrawing()
{
    if (!painter_.isActive()) {
        return false;
    }
    painter_.save();
    painter_.resetTransform();
    painter_.setRenderHint(QPainter::Antialiasing, false);
    return true;
}

void QtPrinter::selectFont(int number)
{
    // A pixel-sized font keeps its height in the printer's own pixels.
    if (const QFont* font = findFont(number)) {
        painter_.setFont(*font);
    }
}

void QtPrinter::drawText(int left, int top, std::string_view text)
{
    painter_.setPen(Qt::black);
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    painter_.drawText(QPoint(left, top + painter_.fontMetrics().ascent()), qtext);
}

void QtPrinter::drawLine(int x1, int y1, int x2, int y2, PrintColour colour)
{
    QPen pen(QColor(colour.red, colour.green, colour.blue));
    pen.setCosmetic(true);
    pen.setWidth(1);
    // Device pixel (x, y) is the square around (x + 0.5, y + 0.5). Stroking
    // through the centres with square caps covers whole pixels, both end
    // pixels included, so no device has to guess which of two rows a line
    // on a pixel boundary belongs to.
    pen.setCapStyle(Qt::SquareCap);
    painter_.setPen(pen);
    painter_.drawLine(QLineF(x1 + 0.5, y1 + 0.5, x2 + 0.5, y2 + 0.5));
}

void QtPrinter::endDrawing()
{
    painter_.restore();
}

void QtPrinter::endDocument()
{
    painter_.end();
}
