#include "windows.h"

#include "controls_registry.h"
#include "events.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPalette>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <map>

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

// The frame the window manager adds around a client area: taken from a window
// already shown, since a new one has no frame until it is mapped.
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

}  // namespace

bool openWindow(int number, const std::string& title, int clientWidth, int clientHeight,
                unsigned style, Placement placement)
{
    if (windowIsOpen(number) || QApplication::instance() == nullptr) {
        return false;
    }
    const QWidget* active = QApplication::activeWindow();

    auto* window = new NumberedWindow(number);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowFlags(flagsFor(style));
    window->setWindowTitle(QString::fromStdString(title));
    window->setFixedSize(clientWidth, clientHeight);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
    // A new window's frame is known only once it is shown, if the window
    // system says by then at all; until then the active window's frame stands in.
    const QMargins guessed = frameMargins(active);
    window->move(outerTopLeft(active, window->size().grownBy(guessed), placement));
    openWindows[number] = window;
    window->show();
    const QMargins actual = frameMargins(window);
    if (!actual.isNull() && actual != guessed) {
        window->move(outerTopLeft(active, window->size().grownBy(actual), placement));
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
