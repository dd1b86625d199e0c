#include "place_marks.h"

#include "controls_registry.h"
#include "windows.h"
#include "zoom.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QStyle>
#include <QWidget>

#include <cmath>
#include <map>

namespace {

const QColor strongInk(0, 70, 200);
const QColor weakInk(190, 80, 0);
const QColor onInk(0, 110, 0);
const QColor offInk(170, 0, 0);
const QColor struckInk(200, 0, 0);

// Lies over the whole window, above its controls, and follows its size.
class PlaceMarkLayer : public QWidget {
public:
    explicit PlaceMarkLayer(QWidget* window) : QWidget(window)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(window->rect());
        window->installEventFilter(this);
        raise();
        show();
    }

    void setMarks(const std::vector<PlaceLink>& links, const std::vector<PlaceMark>& marks)
    {
        links_ = links;
        marks_ = marks;
        raise();
        update();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parentWidget() && event->type() == QEvent::Resize) {
            setGeometry(parentWidget()->rect());
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const double zoom = controlZoom(this);
        for (const PlaceLink& link : links_) {
            paintLink(painter, link, zoom);
        }
        for (const PlaceMark& mark : marks_) {
            paintMark(painter, mark, zoom);
        }
    }

private:
    // A note's place of a field, in this layer's coordinates; empty for a
    // field the window does not hold.
    QRectF placeRect(const FieldPlace& at) const
    {
        QWidget* field = findControl(at.field);
        if (field == nullptr || field->window() != window()) {
            return {};
        }
        const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
        const QPoint corner = mapFrom(parentWidget(), field->mapTo(parentWidget(), QPoint(0, 0)));
        const QRectF inner = QRectF(QPointF(corner), QSizeF(field->size())).adjusted(frame, frame, -frame, -frame);
        const double width = inner.width() / 3;
        const double height = inner.height() / 3;
        return {inner.left() + width * ((at.place - 1) % 3), inner.top() + height * ((at.place - 1) / 3), width, height};
    }

    static double ringRadius(const QRectF& place) { return 0.45 * std::min(place.width(), place.height()); }

    // A line between the rings of the two places, with an arrowhead at the
    // ring it leads to.
    void paintLink(QPainter& painter, const PlaceLink& link, double zoom) const
    {
        const QRectF from = placeRect(link.from);
        const QRectF to = placeRect(link.to);
        if (from.isEmpty() || to.isEmpty()) {
            return;
        }
        const QPointF start = from.center();
        const QPointF end = to.center();
        const double length = std::hypot(end.x() - start.x(), end.y() - start.y());
        const double startGap = ringRadius(from);
        const double endGap = ringRadius(to);
        if (length <= startGap + endGap) {
            return;
        }
        const QPointF along((end.x() - start.x()) / length, (end.y() - start.y()) / length);
        const QPointF first = start + along * startGap;
        const QPointF last = end - along * endGap;
        const bool strong = link.kind == PlaceLinkKind::strong;
        const QColor ink = strong ? strongInk : weakInk;
        QPen pen(ink, 1.5 * zoom, strong ? Qt::SolidLine : Qt::DashLine, Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(first, last);
        const double head = 4 * zoom;
        const QPointF across(-along.y(), along.x());
        QPainterPath arrow;
        arrow.moveTo(last);
        arrow.lineTo(last - along * head + across * (head / 2));
        arrow.lineTo(last - along * head - across * (head / 2));
        arrow.closeSubpath();
        painter.fillPath(arrow, ink);
    }

    // A ring with the digit for a candidate of the chain, a cross for one it
    // strikes.
    void paintMark(QPainter& painter, const PlaceMark& mark, double zoom) const
    {
        const QRectF place = placeRect(mark.at);
        if (place.isEmpty()) {
            return;
        }
        const QPointF centre = place.center();
        const double radius = ringRadius(place);
        if (mark.kind == PlaceMarkKind::struck) {
            const double arm = 0.8 * radius;
            painter.setPen(QPen(struckInk, 1.8 * zoom, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm));
            painter.drawLine(centre + QPointF(-arm, arm), centre + QPointF(arm, -arm));
            return;
        }
        const bool on = mark.kind == PlaceMarkKind::on;
        const QColor ink = on ? onInk : offInk;
        painter.setBrush(Qt::white);
        painter.setPen(QPen(ink, 1.2 * zoom, on ? Qt::SolidLine : Qt::DotLine));
        painter.drawEllipse(centre, radius, radius);
        painter.setBrush(Qt::NoBrush);
        QFont digitFont = font();
        digitFont.setBold(on);
        digitFont.setPixelSize(std::max(1, static_cast<int>(std::lround(1.1 * radius * 2 * 0.8))));
        painter.setFont(digitFont);
        painter.setPen(ink);
        const QString text = QString::number(mark.at.place);
        const QRectF glyph = QFontMetricsF(digitFont).tightBoundingRect(text);
        painter.drawText(QPointF(centre.x() - glyph.center().x(), centre.y() - glyph.center().y()), text);
    }

    std::vector<PlaceLink> links_;
    std::vector<PlaceMark> marks_;
};

// The layers by window number; a layer goes with its window.
std::map<int, QPointer<PlaceMarkLayer>> layers;

}  // namespace

void showPlaceMarks(int window, const std::vector<PlaceLink>& links, const std::vector<PlaceMark>& marks)
{
    QWidget* shown = findWindow(window);
    if (shown == nullptr) {
        return;
    }
    QPointer<PlaceMarkLayer>& layer = layers[window];
    if (layer.isNull()) {
        layer = new PlaceMarkLayer(shown);
    }
    layer->setMarks(links, marks);
}

void clearPlaceMarks(int window)
{
    const auto found = layers.find(window);
    if (found != layers.end()) {
        delete found->second.data();
        layers.erase(found);
    }
}
