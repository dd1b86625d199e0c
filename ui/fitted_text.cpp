#include "fitted_text.h"

#include "controls_registry.h"
#include "windows.h"
#include "zoom.h"

#include <QLabel>
#include <QPainter>

namespace {

constexpr double smallestPoints = 6.0;
constexpr double pointStep = 0.5;
constexpr int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

class FittedText : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        QFont font = this->font();
        while (font.pointSizeF() > smallestPoints * controlZoom(this) && !fits(font)) {
            font.setPointSizeF(font.pointSizeF() - pointStep);
        }
        painter.setFont(font);
        painter.drawText(rect(), flags, text());
    }

private:
    bool fits(const QFont& font) const
    {
        const QRect needed = QFontMetrics(font).boundingRect(rect(), flags, text());
        return needed.height() <= height() && needed.width() <= width();
    }
};

}  // namespace

QWidget* createFittedText(int window, int id, int x, int y, int w, int h)
{
    QWidget* parent = findWindow(window);
    if (parent == nullptr) {
        return nullptr;
    }
    auto* text = new FittedText(parent);
    text->setGeometry(x, y, w, h);
    registerControl(window, id, text);
    text->show();
    return text;
}
