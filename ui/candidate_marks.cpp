#include "candidate_marks.h"

#include "cell_field.h"
#include "controls_registry.h"
#include "windows.h"
#include "zoom.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The blue of the hint's frame (control_mark.cpp) for what a step rests on
// and places; red for what it strikes; orange for a chain's weak links.
const QColor proofInk(0, 70, 200);
const QColor struckInk(200, 0, 0);
const QColor weakInk(210, 95, 0);

// How much larger than a note a marked candidate is drawn.
constexpr double markScale = 1.2;

QPointF unitVector(const QPointF& from, const QPointF& to)
{
    const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
    return length > 0 ? (to - from) / length : QPointF();
}

// The note's place of the digit in the field, in the window's pixels.
std::optional<QRectF> placeOf(int field, int digit)
{
    const QWidget* control = findControl(field);
    if (control == nullptr) {
        return std::nullopt;
    }
    return notePlace(control, digit).translated(control->geometry().topLeft());
}

void paintLink(QPainter& painter, const CandidateLink& link, double zoom, bool halo)
{
    const std::optional<QRectF> from = placeOf(link.fromField, link.fromDigit);
    const std::optional<QRectF> to = placeOf(link.toField, link.toDigit);
    if (!from || !to || from->center() == to->center()) {
        return;
    }
    const QPointF a = from->center();
    const QPointF b = to->center();
    const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
    const double radius = markScale * std::min(from->width(), from->height()) / 2;
    // Bent to the left of its way, more for a short link, whose ends would
    // otherwise all but meet; it starts and ends at the candidates' rings.
    const QPointF along = unitVector(a, b);
    const QPointF left(along.y(), -along.x());
    const QPointF bend = (a + b) / 2 + left * std::max(0.18 * length, 3.5 * radius);
    const QPointF start = a + unitVector(a, bend) * radius;
    const QPointF end = b + unitVector(b, bend) * radius;
    QPainterPath path(start);
    path.quadTo(bend, end);

    const QPointF pointing = unitVector(bend, end);
    const QPointF side(-pointing.y(), pointing.x());
    const double head = 4.5 * zoom;
    QPolygonF arrowhead;
    arrowhead << end << end - pointing * head + side * head * 0.5 << end - pointing * head - side * head * 0.5;

    if (halo) {
        // Lets the line stand out where it crosses a digit or a grid line,
        // yet leaves the digit legible.
        const QColor veil(255, 255, 255, 170);
        painter.setPen(QPen(veil, 3 * zoom, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        return;
    }
    const QColor ink = link.strong ? proofInk : weakInk;
    QPen line(ink, 1.3 * zoom, link.strong ? Qt::SolidLine : Qt::CustomDashLine, Qt::FlatCap);
    if (!link.strong) {
        line.setDashPattern({3.0, 2.0});
    }
    painter.setPen(line);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(QPen(ink, zoom, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(ink);
    painter.drawPolygon(arrowhead);
}

void paintMark(QPainter& painter, const CandidateMark& mark, double zoom)
{
    const QWidget* field = findControl(mark.field);
    const std::optional<QRectF> place = placeOf(mark.field, mark.digit);
    if (field == nullptr || !place) {
        return;
    }
    // A little larger than a note, to be read at 100% too: a ring reaches
    // a pixel or two into the places beside it.
    const double ringWidth = std::max(1.0, zoom);
    const double radius = markScale * std::min(place->width(), place->height()) / 2;
    const QPointF centre = place->center();
    QFont font = noteFont(field);
    font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * markScale)));
    font.setBold((mark.shapes & (markPlaced | markProof)) != 0);
    QColor ink = (mark.shapes & markStruck) ? struckInk : proofInk;

    // A clean patch, so that whatever the field drew there, a note or
    // nothing, the mark reads the same.
    painter.setPen(Qt::NoPen);
    painter.setBrush((mark.shapes & markPlaced) ? proofInk : QColor(Qt::white));
    painter.drawEllipse(centre, radius, radius);
    if (mark.shapes & markPlaced) {
        ink = Qt::white;
    } else if (mark.shapes & (markProof | markFalse)) {
        painter.setPen(QPen(proofInk, ringWidth, (mark.shapes & markProof) ? Qt::SolidLine : Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, radius - ringWidth / 2, radius - ringWidth / 2);
    }
    painter.setFont(font);
    painter.setPen(ink);
    drawNoteDigit(painter, *place, mark.digit);
    if (mark.shapes & markStruck) {
        // Crossed both ways by thin strokes that reach past the digit to the
        // patch's edge, so that the digit stays legible inside the cross: a
        // shape apart from the single stroke of a note that a placed digit
        // rules out.
        const double arm = radius * 0.8;
        painter.setPen(QPen(struckInk, std::max(1.0, 0.9 * zoom), Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm));
        painter.drawLine(centre + QPointF(-arm, arm), centre + QPointF(arm, -arm));
    }
}

// Lies over the whole client area of its window, above the cell fields and
// their frames.
class MarkLayer : public QWidget {
public:
    explicit MarkLayer(QWidget* window) : QWidget(window)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(window->rect());
        window->installEventFilter(this);
    }

    void setMarks(const std::vector<CandidateMark>& marks, const std::vector<CandidateLink>& links)
    {
        marks_ = marks;
        links_.clear();
        for (const CandidateLink& link : links) {
            if (std::find(links_.begin(), links_.end(), link) == links_.end()) {
                links_.push_back(link);
            }
        }
        raise();
        show();
        update();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize) {
            setGeometry(static_cast<QWidget*>(watched)->rect());
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const double zoom = controlZoom(this);
        // Every link's white halo first, so that no halo hides another
        // link; the marks last, where the links end.
        for (const bool halo : {true, false}) {
            for (const CandidateLink& link : links_) {
                paintLink(painter, link, zoom, halo);
            }
        }
        for (const CandidateMark& mark : marks_) {
            paintMark(painter, mark, zoom);
        }
    }

private:
    std::vector<CandidateMark> marks_;
    std::vector<CandidateLink> links_;
};

// The layer, while marks are drawn; it goes with its window.
QPointer<MarkLayer> layer;

}  // namespace

void showCandidateMarks(int window, const std::vector<CandidateMark>& marks, const std::vector<CandidateLink>& links)
{
    QWidget* target = findWindow(window);
    if ((marks.empty() && links.empty()) || target == nullptr) {
        delete layer.data();
        return;
    }
    if (!layer.isNull() && layer->parentWidget() != target) {
        delete layer.data();
    }
    if (layer.isNull()) {
        layer = new MarkLayer(target);
    }
    layer->setMarks(marks, links);
}
