#include "hyperlink.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

Hyperlink::Hyperlink(const QString& caption, const QColor& hoverColour, QWidget* parent)
    : QWidget(parent), caption_(caption), hoverColour_(hoverColour)
{
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(caption);
}

void Hyperlink::setNormalColour(const QColor& colour)
{
    normalColour_ = colour;
    update();
}

QColor Hyperlink::currentColour() const
{
    return hovered_ ? hoverColour_ : normalColour_;
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
