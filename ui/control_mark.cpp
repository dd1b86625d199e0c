#include "control_mark.h"

#include "controls_registry.h"
#include "zoom.h"

#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <cmath>
#include <map>

namespace {

constexpr int baseMarkWidth = 3;

// Lies over its control, and follows it when the window is zoomed.
class MarkFrame : public QWidget {
public:
    explicit MarkFrame(QWidget* control) : QWidget(control->parentWidget())
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(control->geometry());
        control->installEventFilter(this);
        raise();
        show();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
            setGeometry(static_cast<QWidget*>(watched)->geometry());
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QColor blue(0, 70, 200);
        const int markWidth = static_cast<int>(std::lround(baseMarkWidth * controlZoom(this)));
        const QRect edge = rect();
        painter.fillRect(edge.x(), edge.y(), edge.width(), markWidth, blue);
        painter.fillRect(edge.x(), edge.bottom() - markWidth + 1, edge.width(), markWidth, blue);
        painter.fillRect(edge.x(), edge.y(), markWidth, edge.height(), blue);
        painter.fillRect(edge.right() - markWidth + 1, edge.y(), markWidth, edge.height(), blue);
    }
};

// The marks by control id; a mark goes when its window closes.
std::map<int, QPointer<MarkFrame>> marks;

}  // namespace

void setControlMarked(int id, bool marked)
{
    QPointer<MarkFrame>& mark = marks[id];
    if (!marked) {
        delete mark.data();
        marks.erase(id);
        return;
    }
    QWidget* control = findControl(id);
    if (mark.isNull() && control != nullptr && control->parentWidget() != nullptr) {
        mark = new MarkFrame(control);
    }
}
