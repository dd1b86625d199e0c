#include "hyperlink.h"

#include "controls_registry.h"
#include "events.h"
#include "fonts.h"
#include "windows.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

Hyperlink::Hyperlink(const QString& caption, const QColor& hoverColour, QWidget* parent)
    : QWidget(parent), caption_(caption), hoverColour_(hoverColour)
{
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(caption);
}

QColor Hyperlink::currentColour() const
{
    return hovered_ ? hoverColour_ : palette().color(QPalette::WindowText);
}

void Hyperlink::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QFont linkFont = font();
    // The underline comes from the font so that it spans exactly the caption
    // and takes the pen's colour in either state.
    linkFont.setUnderline(true);
    painter.setFont(linkFont);
    painter.setPen(currentColour());
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption_);
}

void Hyperlink::enterEvent(QEnterEvent*)
{
    setHovered(true);
}

void Hyperlink::leaveEvent(QEvent*)
{
    setHovered(false);
}

void Hyperlink::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit activated();
}

void Hyperlink::setHovered(bool hovered)
{
    if (hovered_ == hovered)
        return;
    hovered_ = hovered;
    update();
}

Hyperlink* createHyperlink(int window, int id, const std::string& caption, int x, int y, int w,
                           int h, const QColor& hoverColour)
{
    QWidget* parent = findWindow(window);
    if (parent == nullptr)
        return nullptr;
    auto* link = new Hyperlink(QString::fromStdString(caption), hoverColour, parent);
    link->setGeometry(x, y, w, h);
    if (const QFont* font = defaultControlFont())
        link->setFont(*font);
    QObject::connect(link, &Hyperlink::activated, link,
                     [window, id] { postControlEvent(window, id, typePressed); });
    registerControl(window, id, link);
    link->show();
    return link;
}
