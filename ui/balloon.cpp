#include "balloon.h"

#include "controls_registry.h"
#include "windows.h"
#include "zoom.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// At 100%: the widths the balloon would like and must have beside the
// window, the space between it and the window, and the margin inside it.
constexpr int preferredWidth = 320;
constexpr int leastWidth = 180;
constexpr int gap = 6;
constexpr int margin = 8;

int scaled(int length, double zoom) { return static_cast<int>(std::lround(length * zoom)); }

// A window of its own that belongs to the owner's: it goes when the owner
// closes. A plain widget rather than a frame, so that nothing takes it for
// one of the window's controls.
class Balloon : public QWidget {
public:
    explicit Balloon(QWidget* owner)
        : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
          owner_(owner), scroll_(new QScrollArea(this)), label_(new QLabel)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFocusPolicy(Qt::NoFocus);
        QPalette colours = QApplication::palette();
        colours.setColor(QPalette::Window, QColor(255, 255, 225));
        colours.setColor(QPalette::WindowText, Qt::black);
        colours.setColor(QPalette::Base, QColor(255, 255, 225));
        colours.setColor(QPalette::Text, Qt::black);
        setPalette(colours);
        setAutoFillBackground(true);

        label_->setTextFormat(Qt::RichText);
        label_->setWordWrap(true);
        label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label_->setFocusPolicy(Qt::NoFocus);
        scroll_->setWidget(label_);
        scroll_->setWidgetResizable(true);
        scroll_->setFrameShape(QFrame::NoFrame);
        scroll_->setFocusPolicy(Qt::NoFocus);
        scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll_->viewport()->setAutoFillBackground(false);
        label_->setAutoFillBackground(false);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(scroll_);
        owner->installEventFilter(this);
    }

    void setText(const std::string& title, const std::string& text)
    {
        QString body = QString::fromStdString(text).toHtmlEscaped();
        body.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
        label_->setText(
            QStringLiteral("<b>%1</b><br>%2").arg(QString::fromStdString(title).toHtmlEscaped(), body));
    }

    void setKeepClear(const std::vector<int>& ids) { keepClear_ = ids; }

    void setWanted(bool wanted)
    {
        wanted_ = wanted;
        follow();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::WindowStateChange:
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
            follow();
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Shown beside the owner while it is active, hidden otherwise; in the
    // owner's zoom, or in the desktop's usual size where only that keeps it
    // off what it must not cover.
    void follow()
    {
        const bool onShow = wanted_ && owner_->isVisible() && !owner_->isMinimized() && owner_->isActiveWindow();
        if (!onShow) {
            hide();
            return;
        }
        std::vector<QRect> keepClear;
        for (const int id : keepClear_) {
            if (const QWidget* control = findControl(id)) {
                keepClear.emplace_back(control->mapToGlobal(QPoint(0, 0)), control->size());
            }
        }
        const auto coversAny = [&keepClear](const QRect& place) {
            return std::any_of(keepClear.begin(), keepClear.end(),
                               [&place](const QRect& clear) { return place.intersects(clear); });
        };
        const double zoom = controlZoom(owner_);
        QRect place = placeAt(zoom, keepClear);
        if (zoom > 1 && coversAny(place)) {
            place = placeAt(1.0, keepClear);
            if (coversAny(place)) {
                place = placeAt(zoom, keepClear);
            }
        }
        setFixedSize(place.size());
        move(place.topLeft());
        show();
        raise();
    }

    // Takes the font and margins of the zoom and says where that puts it.
    QRect placeAt(double zoom, const std::vector<QRect>& keepClear)
    {
        QFont font = QApplication::font();
        font.setPointSizeF(font.pointSizeF() * zoom);
        setFont(font);
        const int inset = scaled(margin, zoom);
        layout()->setContentsMargins(inset, inset, inset, inset);
        const QScreen* screen = owner_->screen() ? owner_->screen() : QGuiApplication::primaryScreen();
        const auto heightAt = [this, inset](int width) {
            return label_->heightForWidth(width - 2 * inset) + 2 * inset;
        };
        return placeBalloon(owner_->frameGeometry(), screen->availableGeometry(), keepClear,
                            scaled(preferredWidth, zoom), scaled(leastWidth, zoom), heightAt, scaled(gap, zoom));
    }

    QWidget* owner_;
    QScrollArea* scroll_;
    QLabel* label_;
    std::vector<int> keepClear_;
    bool wanted_ = false;
};

// The balloon, while its window is open.
QPointer<Balloon> balloon;

// The first place that covers none of the rectangles, else the first that
// covers fewest.
QRect leastCovering(const std::vector<QRect>& places, const std::vector<QRect>& keepClear)
{
    const auto covered = [&keepClear](const QRect& place) {
        return std::count_if(keepClear.begin(), keepClear.end(),
                             [&place](const QRect& clear) { return place.intersects(clear); });
    };
    return *std::min_element(places.begin(), places.end(),
                             [&covered](const QRect& a, const QRect& b) { return covered(a) < covered(b); });
}

}  // namespace

void showBalloon(int window, const std::string& title, const std::string& text, const std::vector<int>& keepClear)
{
    QWidget* owner = findWindow(window);
    if (owner == nullptr) {
        return;
    }
    if (!balloon.isNull() && balloon->parentWidget() != owner) {
        delete balloon.data();
    }
    if (balloon.isNull()) {
        balloon = new Balloon(owner);
    }
    balloon->setText(title, text);
    balloon->setKeepClear(keepClear);
    balloon->setWanted(true);
}

void hideBalloon()
{
    if (!balloon.isNull()) {
        balloon->setWanted(false);
    }
}

QWidget* shownBalloon() { return !balloon.isNull() && balloon->isVisible() ? balloon.data() : nullptr; }

QRect placeBalloon(const QRect& window, const QRect& screen, const std::vector<QRect>& keepClear,
                   int preferredWidth, int leastWidth, const std::function<int(int width)>& heightAt, int gap)
{
    const auto keptOn = [](int start, int length, int low, int high) {
        return std::clamp(start, low, std::max(low, high + 1 - length));
    };
    // Beside the window, as wide as it likes up to the screen's edge, its
    // top at the window's: to the right, else to the left.
    const auto beside = [&](int least) -> std::optional<QRect> {
        const int rightEdge = window.right() + 1 + gap;
        const int leftEdge = window.left() - gap;
        const int rightWidth = std::min(preferredWidth, screen.right() + 1 - rightEdge);
        const int leftWidth = std::min(preferredWidth, leftEdge - screen.left());
        const int width = rightWidth >= least ? rightWidth : leftWidth;
        if (width < least) {
            return std::nullopt;
        }
        const int height = std::min(heightAt(width), screen.height());
        const int top = keptOn(window.top(), height, screen.top(), screen.bottom());
        return rightWidth >= least ? QRect(rightEdge, top, width, height) : QRect(leftEdge - width, top, width, height);
    };
    if (const std::optional<QRect> place = beside(leastWidth)) {
        return *place;
    }
    // Below, else above, as wide as the window where that is wider, so that
    // it takes little height.
    const int width = std::min(std::max(preferredWidth, window.width()), screen.width());
    const int height = heightAt(width);
    const int left = keptOn(window.center().x() - width / 2, width, screen.left(), screen.right());
    if (window.bottom() + 1 + gap + height <= screen.bottom() + 1) {
        return {left, window.bottom() + 1 + gap, width, height};
    }
    if (window.top() - gap - height >= screen.top()) {
        return {left, window.top() - gap - height, width, height};
    }
    // Beside in a narrower column, if its whole text then fits the screen.
    if (const std::optional<QRect> place = beside(leastWidth / 2); place && heightAt(place->width()) <= screen.height()) {
        return *place;
    }
    // Over the window, from its bottom-right corner leftwards and upwards in
    // eighths of it, in the first place clear of what it must not cover, or
    // else in the place that covers least of it.
    const QRect inside = window & screen;
    const int insideWidth = std::min(preferredWidth, inside.width());
    const int insideHeight = std::min(heightAt(insideWidth), inside.height());
    std::vector<QRect> places;
    for (int y = inside.bottom() + 1 - insideHeight;; y -= std::max(1, inside.height() / 8)) {
        const int top = std::max(y, inside.top());
        for (int x = inside.right() + 1 - insideWidth;; x -= std::max(1, inside.width() / 8)) {
            places.emplace_back(std::max(x, inside.left()), top, insideWidth, insideHeight);
            if (x <= inside.left()) {
                break;
            }
        }
        if (y <= inside.top()) {
            break;
        }
    }
    return leastCovering(places, keepClear);
}
