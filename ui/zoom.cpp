#include "zoom.h"

#include "controls_registry.h"
#include "windows.h"
#include "x11_frame.h"

#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* zoomProperty = "kelvaroZoom";
constexpr const char* clientSizeProperty = "kelvaroClientSize";
constexpr const char* lineWidthProperty = "kelvaroLineWidth";

int scaled(int length, double zoom) { return static_cast<int>(std::lround(length * zoom)); }

// Edges are scaled rather than sizes, so that neighbours stay neighbours.
QRect scaled(const QRect& place, double zoom)
{
    const int left = scaled(place.left(), zoom);
    const int top = scaled(place.top(), zoom);
    return {left, top, scaled(place.left() + place.width(), zoom) - left,
            scaled(place.top() + place.height(), zoom) - top};
}

QFont scaled(const QFont& font, double zoom)
{
    QFont larger = font;
    if (font.pixelSize() > 0) {
        larger.setPixelSize(scaled(font.pixelSize(), zoom));
    } else {
        larger.setPointSizeF(font.pointSizeF() * zoom);
    }
    return larger;
}

QSize clientSizeAt(const QWidget* window, double zoom)
{
    const QSize given = window->property(clientSizeProperty).toSize();
    return {scaled(given.width(), zoom), scaled(given.height(), zoom)};
}

QMargins frameOf(QWidget* window)
{
    if (window->isVisible()) {
        const QRect outer = window->frameGeometry();
        const QRect inner = window->geometry();
        return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                outer.bottom() - inner.bottom()};
    }
    return frameExtentsBeforeShowing(window).value_or(QMargins());
}

QRect freeArea(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

}  // namespace

void zoomWindow(int number, int percent)
{
    QWidget* window = findWindow(number);
    if (window == nullptr) {
        return;
    }
    const double zoom = percent / 100.0;
    const QRect before = window->frameGeometry();
    window->setProperty(zoomProperty, percent);
    window->setFixedSize(clientSizeAt(window, zoom));
    forEachControlOf(number, [zoom](QWidget* control, const QRect& place, const QFont& font) {
        control->setGeometry(scaled(place, zoom));
        control->setFont(zoom == 1.0 ? font : scaled(font, zoom));
        if (auto* frame = qobject_cast<QFrame*>(control)) {
            if (!frame->property(lineWidthProperty).isValid()) {
                frame->setProperty(lineWidthProperty, frame->lineWidth());
            }
            frame->setLineWidth(scaled(frame->property(lineWidthProperty).toInt(), zoom));
        }
    });
    if (!window->isVisible()) {
        return;
    }
    const QSize outer = window->size().grownBy(frameOf(window));
    const QRect area = freeArea(window);
    QPoint topLeft = before.center() - QPoint(outer.width() / 2, outer.height() / 2);
    topLeft.setX(std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())));
    topLeft.setY(std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
    window->move(topLeft);
}

int windowZoom(int number)
{
    const QWidget* window = findWindow(number);
    const QVariant zoom = window ? window->property(zoomProperty) : QVariant();
    return zoom.isValid() ? zoom.toInt() : 100;
}

bool windowFitsAt(int number, int percent)
{
    QWidget* window = findWindow(number);
    if (window == nullptr) {
        return false;
    }
    const QSize outer = clientSizeAt(window, percent / 100.0).grownBy(frameOf(window));
    const QRect area = freeArea(window);
    return outer.width() <= area.width() && outer.height() <= area.height();
}

double controlZoom(const QWidget* control)
{
    const QVariant zoom = control->window()->property(zoomProperty);
    return zoom.isValid() ? zoom.toInt() / 100.0 : 1.0;
}

void placeControl(int id, int x, int y, int w, int h)
{
    QWidget* control = findControl(id);
    const QRect place(x, y, w, h);
    if (control != nullptr && setControlPlace(id, place)) {
        control->setGeometry(scaled(place, controlZoom(control)));
    }
}

void rememberClientSize(QWidget* window, int width, int height)
{
    window->setProperty(clientSizeProperty, QSize(width, height));
}
