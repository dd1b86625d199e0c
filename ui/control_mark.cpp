#include "control_mark.h"

#include "controls_registry.h"

#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <map>

namespace {

constexpr int markWidth = 3;

class MarkFrame : public QWidget {
public:
    explicit MarkFrame(QWidget* control) : QWidget(control->parentWidget())
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(control->geometry());
        raise();
        show();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QColor blue(0, 70, 200);
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
