#include "controls.h"

#include "controls_registry.h"
#include "events.h"
#include "fonts.h"
#include "windows.h"
#include "x11_frame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int firstLayerId = 1000;
int nextLayerId = firstLayerId;

Qt::KeyboardModifiers withoutKeypad(const QKeyEvent* event)
{
    return event->modifiers() & ~Qt::KeypadModifier;
}

bool isEnter(const QKeyEvent* event)
{
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && withoutKeypad(event) == Qt::NoModifier;
}

// Return and Enter press a focused button, as Space does.
class PushButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (isEnter(event)) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

// Return and Enter on an option or a check box press the window's default
// button where it has one, as in any dialog; elsewhere they do nothing.
template <typename Button>
class Choice : public Button {
public:
    using Button::Button;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (isEnter(event)) {
            for (QPushButton* button : this->window()->template findChildren<QPushButton*>()) {
                if (button->isDefault()) {
                    button->click();
                    return;
                }
            }
        }
        Button::keyPressEvent(event);
    }
};

Qt::Alignment qtAlignment(TextAlign align)
{
    switch (align) {
    case TextAlign::centre:
        return Qt::AlignHCenter;
    case TextAlign::left:
        break;
    }
    return Qt::AlignLeft;
}

// Places a new control and gives it the current default font.
template <typename Widget>
Widget* place(Widget* control, int window, int id, int x, int y, int w, int h)
{
    control->setGeometry(x, y, w, h);
    if (const QFont* font = defaultControlFont()) {
        control->setFont(*font);
    }
    registerControl(window, id, control);
    control->show();
    return control;
}

void raisePressedOnClick(QAbstractButton* button, int window, int id)
{
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [window, id] { postControlEvent(window, id, typePressed); });
}

}  // namespace

QWidget* createButton(int window, int id, const std::string& caption, int x, int y, int w, int h)
{
    QWidget* parent = findWindow(window);
    if (parent == nullptr) {
        return nullptr;
    }
    auto* button = new PushButton(QString::fromStdString(caption), parent);
    button->setAutoDefault(false);
    raisePressedOnClick(button, window, id);
    return place(button, window, id, x, y, w, h);
}

QWidget* createOptionButton(int window, int id, const std::string& caption, int x, int y, int w,
                            int h)
{
    QWidget* parent = findWindow(window);
    if (parent == nullptr) {
        return nullptr;
    }
    // Option buttons with the same parent are exclusive among themselves.
    auto* option = new Choice<QRadioButton>(QString::fromStdString(caption), parent);
    raisePressedOnClick(option, window, id);
    return place(option, window, id, x, y, w, h);
}

QWidget* createCheckBox(int window, int id, const std::string& caption, int x, int y, int w, int h)
{
    QWidget* parent = findWindow(window);
    if (parent == nullptr) {
        return nullptr;
    }
    auto* box = new Choice<QCheckBox>(QString::fromStdString(caption), parent);
    raisePressedOnClick(box, window, id);
    return place(box, window, id, x, y, w, h);
}

void setDefaultButton(int id)
{
    if (auto* button = qobject_cast<QPushButton*>(findControl(id))) {
        button->setDefault(true);
    }
}

QWidget* createStaticText(int window, int id, const std::string& text, int x, int y, int w, int h,
                          TextAlign align)
{
    QWidget* parent = findWindow(window);
    if (parent == nullptr) {
        return nullptr;
    }
    auto* label = new QLabel(QString::fromStdString(text), parent);
    label->setWordWrap(true);
    label->setAlignment(qtAlignment(align) | Qt::AlignTop);
    return place(label, window, id, x, y, w, h);
}

int createFrame(int window, int x, int y, int w, int h)
{
    QWidget* parent = findWindow(window);
    if (parent == nullptr) {
        return -1;
    }
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Plain);
    frame->setLineWidth(1);
    // Clicks go through to the buttons it encloses.
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    const int id = nextLayerId++;
    place(frame, window, id, x, y, w, h);
    frame->lower();
    return id;
}

QWidget* createProgressBar(int window, int id, int x, int y, int w, int h)
{
    QWidget* parent = findWindow(window);
    if (parent == nullptr) {
        return nullptr;
    }
    auto* bar = new QProgressBar(parent);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->setOrientation(Qt::Horizontal);
    return place(bar, window, id, x, y, w, h);
}

QWidget* createBusyBar(int window, int id, int x, int y, int w, int h)
{
    auto* bar = qobject_cast<QProgressBar*>(createProgressBar(window, id, x, y, w, h));
    if (bar != nullptr) {
        bar->setRange(0, 0);
    }
    return bar;
}

void setControlText(int id, std::string_view text)
{
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QWidget* control = findControl(id);
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        field->setText(qtext);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(qtext);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(qtext);
    }
}

std::string controlText(int id)
{
    QWidget* control = findControl(id);
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        return field->text().toStdString();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        return button->text().toStdString();
    }
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text().toStdString();
    }
    return {};
}

void setChecked(int id, bool checked)
{
    if (auto* button = qobject_cast<QAbstractButton*>(findControl(id))) {
        button->setChecked(checked);
    }
}

bool isChecked(int id)
{
    const auto* button = qobject_cast<QAbstractButton*>(findControl(id));
    return button != nullptr && button->isChecked();
}

void setTextColour(int id, int red, int green, int blue)
{
    QWidget* control = findControl(id);
    if (control == nullptr) {
        return;
    }
    const QColor colour(red, green, blue);
    QPalette palette = control->palette();
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
        palette.setColor(role, colour);
    }
    control->setPalette(palette);
}

void setControlShown(int id, bool shown)
{
    if (QWidget* control = findControl(id)) {
        control->setVisible(shown);
    }
}

void setControlFont(int id, int fontNumber)
{
    QWidget* control = findControl(id);
    const QFont* font = findFont(fontNumber);
    if (control != nullptr && font != nullptr) {
        control->setFont(*font);
    }
}

void setProgressPosition(int id, int position)
{
    if (auto* bar = qobject_cast<QProgressBar*>(findControl(id))) {
        bar->setValue(position);
        bar->repaint();
        waitForTheScreen();
    }
}

int focusedControl()
{
    const QWidget* focused = QApplication::focusWidget();
    return focused == nullptr ? -1 : findControlId(focused);
}
