#include "cell_field.h"

#include "arrow_keys.h"
#include "controls_registry.h"
#include "events.h"
#include "fonts.h"
#include "key_commands_qt.h"
#include "windows.h"
#include "zoom.h"

#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QValidator>

namespace {

const QColor lineTint(230, 238, 250);
const QColor digitTint(186, 212, 252);
const QColor noteInk(90, 90, 90);
const QColor markedNoteInk(0, 0, 0);
const QColor ruledOutInk(200, 0, 0);
const QColor strokeInk(200, 0, 0);

// The field inside its sunken edge.
QRectF innerRect(const QWidget* field)
{
    const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
    return QRectF(field->rect()).adjusted(frame, frame, -frame, -frame);
}

void (*focusWatcher)() = nullptr;

// The field takes the text the program gave it and no other: every edit of
// its own (a key that slips through, a paste, a cut, a drop, a middle-click
// paste, an input method) is refused and undone by the line edit itself.
class ProgramTextOnly : public QValidator {
public:
    using QValidator::QValidator;

    void allow(const QString& text) { allowed_ = text; }

    State validate(QString& input, int&) const override { return input == allowed_ ? Acceptable : Invalid; }

private:
    QString allowed_;
};

int typedDigit(const QKeyEvent* key)
{
    return key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9 ? key->key() - Qt::Key_0 : -1;
}

// The digit-row key pressed, told by its place on the keyboard, since with
// Shift it types a symbol on most layouts (Shift+5 is % on a US keyboard).
// X11 and Wayland number the keys 1 to 9 of that row 10 to 18.
int digitRowKey(const QKeyEvent* key)
{
    const quint32 code = key->nativeScanCode();
    return code >= 10 && code <= 18 ? static_cast<int>(code) - 9 : -1;
}

QString notesDescription(std::uint16_t notes)
{
    QString text;
    for (int digit = 1; digit <= 9; ++digit) {
        if (notes & (1u << digit)) {
            text += (text.isEmpty() ? QStringLiteral("Notes: ") : QStringLiteral(", ")) + QString::number(digit);
        }
    }
    return text;
}

class CellField : public QLineEdit {
public:
    CellField(int window, int id, QWidget* parent)
        : QLineEdit(parent), window_(window), id_(id), validator_(new ProgramTextOnly(this))
    {
        setValidator(validator_);
        setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        setFrame(true);
        setAcceptDrops(false);
        applyLook();
    }

    void setLook(const CellLook& look)
    {
        look_ = look;
        applyLook();
    }

protected:
    bool event(QEvent* event) override
    {
        // The window's key commands go before the field's own editing keys
        // (its copy, paste and undo of one field's text).
        if (event->type() == QEvent::ShortcutOverride
            && isKeyCommand(window(), *static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
        return QLineEdit::event(event);
    }

    void focusInEvent(QFocusEvent* event) override
    {
        QLineEdit::focusInEvent(event);
        // A digit typed replaces the cell's anyway; unselected, it keeps its
        // colour however the focus came.
        deselect();
        postControlEvent(window_, id_, typeFocusGained);
        if (focusWatcher != nullptr) {
            focusWatcher();
        }
    }

    void focusOutEvent(QFocusEvent* event) override
    {
        QLineEdit::focusOutEvent(event);
        postControlEvent(window_, id_, typeFocusLost);
        if (focusWatcher != nullptr) {
            focusWatcher();
        }
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
        const int typed = typedDigit(event);
        if (modifiers == Qt::NoModifier) {
            const int target = arrowTarget(id_, event->key());
            if (target != id_) {
                if (QWidget* next = findControl(target)) {
                    next->setFocus(Qt::OtherFocusReason);
                }
                return;
            }
            if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
                postControlEvent(window_, id_, typeTextChanged, 0);
                return;
            }
        }
        if (modifiers == Qt::ShiftModifier && event->key() == Qt::Key_F10) {
            QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, rect().center(), mapToGlobal(rect().center()));
            contextMenuEvent(&menuKey);
            return;
        }
        const int noteKey = typed >= 1 ? typed : digitRowKey(event);
        const bool shiftedSymbol = modifiers == Qt::ShiftModifier && typed < 0;
        if ((modifiers == Qt::ControlModifier || shiftedSymbol) && noteKey >= 1) {
            postControlEvent(window_, id_, typeNoteToggled, noteKey);
            return;
        }
        // Shift is let through for layouts that type digits with it.
        if ((modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier) && typed >= 0) {
            postControlEvent(window_, id_, typeTextChanged, typed);
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

    void contextMenuEvent(QContextMenuEvent* event) override
    {
        const bool empty = look_.digit.empty();
        const std::uint16_t notes = look_.notes;
        showContextMenu(window(), event->globalPos(), [this, empty, notes](QMenu& menu) {
            menu.addSeparator();
            QMenu* own = menu.addMenu(QStringLiteral("Notes of this cell"));
            own->setEnabled(empty);
            for (int digit = 1; digit <= 9; ++digit) {
                QAction* toggle = own->addAction(QStringLiteral("%1\tCtrl+%1").arg(digit));
                toggle->setCheckable(true);
                toggle->setChecked((notes & (1u << digit)) != 0);
                connect(toggle, &QAction::triggered, this,
                        [this, digit] { postControlEvent(window_, id_, typeNoteToggled, digit); });
            }
        });
    }

    void paintEvent(QPaintEvent* event) override
    {
        QLineEdit::paintEvent(event);
        const bool notesShown = look_.digit.empty() && look_.notes != 0;
        if (!notesShown && !look_.crossed) {
            return;
        }
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF inner = innerRect(this);
        painter.setClipRect(inner);
        if (notesShown) {
            // The caret of an empty field would stand among the notes.
            painter.fillRect(inner, palette().color(QPalette::Base));
            paintNotes(painter);
        }
        if (look_.crossed) {
            const double zoom = controlZoom(this);
            painter.setPen(QPen(strokeInk, 2 * zoom, Qt::SolidLine, Qt::RoundCap));
            const double inset = 3 * zoom;
            painter.drawLine(QPointF(inner.left() + inset, inner.bottom() - inset),
                             QPointF(inner.right() - inset, inner.top() + inset));
        }
    }

private:
    void paintNotes(QPainter& painter)
    {
        const QFont small = noteFont(this);
        for (int digit = 1; digit <= 9; ++digit) {
            const std::uint16_t bit = static_cast<std::uint16_t>(1u << digit);
            if ((look_.notes & bit) == 0) {
                continue;
            }
            const QRectF place = notePlace(this, digit);
            QFont font = small;
            QColor ink = noteInk;
            if (look_.markedNotes & bit) {
                painter.fillRect(place.adjusted(0.5, 0.5, -0.5, -0.5), digitTint);
                font.setBold(true);
                ink = markedNoteInk;
            }
            if (look_.ruledOutNotes & bit) {
                ink = ruledOutInk;
            }
            painter.setFont(font);
            painter.setPen(ink);
            drawNoteDigit(painter, place, digit);
            if (look_.ruledOutNotes & bit) {
                // Struck from corner to corner, a little past the digit.
                const QFontMetricsF metrics(font);
                const QRectF glyph = metrics.tightBoundingRect(QString::number(digit));
                const QRectF struck = glyph.translated(place.center() - glyph.center()).adjusted(-1, -0.5, 1, 0.5);
                painter.setPen(QPen(ink, std::max(1.0, controlZoom(this))));
                painter.drawLine(struck.bottomLeft(), struck.topRight());
            }
        }
    }

    void applyLook()
    {
        const QString text = QString::fromStdString(look_.digit);
        validator_->allow(text);
        if (this->text() != text) {
            setText(text);
        }
        QFont shown = font();
        if (shown.bold() != look_.bold) {
            shown.setBold(look_.bold);
            setFont(shown);
        }
        QPalette palette = parentWidget()->palette();
        const QColor ink(look_.ink.red, look_.ink.green, look_.ink.blue);
        for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
            palette.setColor(role, ink);
        }
        QColor base = palette.color(QPalette::Base);
        if (look_.tint == CellTint::line) {
            base = lineTint;
        } else if (look_.tint == CellTint::digit) {
            base = digitTint;
        } else if (base.lightness() < 128) {
            base = Qt::white;
        }
        palette.setColor(QPalette::Base, base);
        if (palette != this->palette()) {
            setPalette(palette);
        }
        setAccessibleDescription(notesDescription(look_.digit.empty() ? look_.notes : 0));
        update();
    }

    int window_;
    int id_;
    ProgramTextOnly* validator_;
    CellLook look_;
};

}  // namespace

QWidget* createCellField(int window, int id, int x, int y, int w, int h)
{
    QWidget* parent = findWindow(window);
    if (parent == nullptr) {
        return nullptr;
    }
    auto* field = new CellField(window, id, parent);
    field->setGeometry(x, y, w, h);
    if (const QFont* font = defaultControlFont()) {
        field->setFont(*font);
    }
    registerControl(window, id, field);
    field->show();
    return field;
}

void setCellLook(int id, const CellLook& look)
{
    if (auto* field = dynamic_cast<CellField*>(findControl(id))) {
        field->setLook(look);
    }
}

QRectF notePlace(const QWidget* field, int digit)
{
    // Nine places, 1 top left to 9 bottom right, each a third of the field
    // inside its edge.
    const QRectF inner = innerRect(field);
    const double width = inner.width() / 3;
    const double height = inner.height() / 3;
    return {inner.left() + width * ((digit - 1) % 3), inner.top() + height * ((digit - 1) / 3), width, height};
}

QFont noteFont(const QWidget* field)
{
    // A note's digit is about four fifths of its place's height.
    QFont small = field->font();
    small.setBold(false);
    small.setPixelSize(std::max(1, static_cast<int>(std::lround(notePlace(field, 1).height() * 1.15))));
    return small;
}

void drawNoteDigit(QPainter& painter, const QRectF& place, int digit)
{
    const QString text = QString::number(digit);
    const QRectF glyph = QFontMetricsF(painter.font()).tightBoundingRect(text);
    painter.drawText(place.center() - glyph.center(), text);
}

void setCellFocusWatcher(void (*watcher)()) { focusWatcher = watcher; }
