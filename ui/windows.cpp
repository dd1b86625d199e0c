#include "windows.h"

#include "controls_registry.h"
#include "events.h"
#include "x11_frame.h"
#include "zoom.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QPalette>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <map>
#include <optional>

namespace {

// A top-level window that turns the user's close request into an event and
// leaves the decision to the program.
class NumberedWindow : public QWidget {
public:
    explicit NumberedWindow(int number) : number_(number) {}

    void closeByProgram()
    {
        closingByProgram_ = true;
        close();
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (closingByProgram_) {
            event->accept();
            return;
        }
        event->ignore();
        postCloseEvent(number_);
    }

private:
    int number_;
    bool closingByProgram_ = false;
};

std::map<int, QPointer<NumberedWindow>> openWindows;

Qt::WindowFlags flagsFor(unsigned style)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::MSWindowsFixedSizeDialogHint;
    if ((style & styleCloseBox) != 0) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if ((style & styleMinimiseBox) != 0) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint;
    }
    if ((style & styleKeptOnTop) != 0) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    return flags;
}

QRect screenArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 0, 0);
}

// The frame the window manager put around a window already shown, if it
// has said so by now.
QMargins frameMargins(const QWidget* shown)
{
    if (shown == nullptr) {
        return {};
    }
    const QRect outer = shown->frameGeometry();
    const QRect inner = shown->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(),
            outer.right() - inner.right(), outer.bottom() - inner.bottom()};
}

// Where the window's outer top-left corner goes. `active` is the window that
// was active before this one opened.
QPoint outerTopLeft(const QWidget* active, QSize outer, Placement placement)
{
    if (placement == Placement::centredOverActive) {
        if (active == nullptr) {
            return {0, 0};
        }
        const QRect over = active->frameGeometry();
        const int left = over.left() + (over.width() - outer.width()) / 2;
        const int top = over.top() + (over.height() - outer.height()) / 2;
        return {std::max(left, 0), std::max(top, 0)};
    }
    const QRect screen = screenArea();
    const int width = std::min(outer.width(), screen.width());
    const int height = std::min(outer.height(), screen.height());
    return {screen.left() + (screen.width() - width) / 2,
            screen.top() + (screen.height() - height) / 2};
}

// Places the window so that its outer edges, the frame included, stand where
// the placement wants them. The client area's position is given, which holds
// whether or not the window system has made the window yet.
void placeFramed(QWidget* window, const QWidget* active, QMargins frame, Placement placement)
{
    const QPoint outer = outerTopLeft(active, window->size().grownBy(frame), placement);
    window->setGeometry(QRect(outer + QPoint(frame.left(), frame.top()), window->size()));
}

}  // namespace

bool openWindow(int number, const std::string& title, int clientWidth, int clientHeight,
                unsigned style, Placement placement, const std::function<void()>& fill)
{
    if (windowIsOpen(number) || QApplication::instance() == nullptr) {
        return false;
    }
    const QWidget* active = QApplication::activeWindow();

    auto* window = new NumberedWindow(number);
    window->setWindowFlags(flagsFor(style));
    window->setWindowTitle(QString::fromStdString(title));
    window->setFixedSize(clientWidth, clientHeight);
    rememberClientSize(window, clientWidth, clientHeight);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    // Controls go in before anything makes the window in the window system,
    // which then makes it once, fit for what they draw with.
    openWindows[number] = window;
    if (fill) {
        fill();
    }
    // The window is placed by its frame, which the window manager adds when
    // it maps the window. Asked beforehand, the window opens where it belongs;
    // otherwise the active window's frame stands in until the real one is known.
    const std::optional<QMargins> asked = frameExtentsBeforeShowing(window);
    const QMargins guessed = asked.value_or(frameMargins(active));
    placeFramed(window, active, guessed, placement);
    window->show();
    const QMargins actual = frameMargins(window);
    if (!asked && !actual.isNull() && actual != guessed) {
        placeFramed(window, active, actual, placement);
    }
    if ((style & styleKeptOnTop) != 0) {
        window->raise();
    }
    return true;
}

void closeWindow(int number)
{
    const auto found = openWindows.find(number);
    if (found == openWindows.end()) {
        return;
    }
    NumberedWindow* window = found->second;
    openWindows.erase(found);
    forgetControlsOf(number);
    if (window != nullptr) {
        window->closeByProgram();
        // Deleted here and now: the program waits for events only in loops
        // of its own, which never carry out a deferred deletion.
        delete window;
    }
}

void closeAllWindows()
{
    while (!openWindows.empty()) {
        closeWindow(openWindows.begin()->first);
    }
}

bool windowIsOpen(int number) { return findWindow(number) != nullptr; }

void focusNoControl(int number)
{
    if (QWidget* window = findWindow(number)) {
        window->setFocus(Qt::OtherFocusReason);
    }
}

QWidget* findWindow(int number)
{
    const auto found = openWindows.find(number);
    return found == openWindows.end() ? nullptr : found->second.data();
}

void waitUntilOnScreen(int number)
{
    // Input that comes meanwhile waits in the window system's queue.
    constexpr int limitMs = 1000;
    const QWidget* window = findWindow(number);
    QWindow* handle = window != nullptr ? window->windowHandle() : nullptr;
    if (handle == nullptr || handle->isExposed()) {
        return;
    }
    QEventLoop loop;
    QTimer check;
    const QDeadlineTimer limit(limitMs);
    QObject::connect(&check, &QTimer::timeout, &loop, [&loop, handle, &limit] {
        if (handle->isExposed() || limit.hasExpired()) {
            loop.quit();
        }
    });
    check.start(1);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
