#include "key_commands.h"

#include "events.h"
#include "key_commands_qt.h"
#include "windows.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

void addKeyCommands(int window, std::span<const KeyCommand> commands)
{
    QWidget* owner = findWindow(window);
    if (owner == nullptr) {
        return;
    }
    for (const KeyCommand& command : commands) {
        const char* caption = command.caption != nullptr ? command.caption : "";
        auto* action = new QAction(QString::fromUtf8(caption), owner);
        action->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(command.keys)));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setShortcutVisibleInContextMenu(true);
        QObject::connect(action, &QAction::triggered, owner,
                         [window, id = command.id] { postControlEvent(window, id, typePressed); });
        owner->addAction(action);
    }
}

bool isKeyCommand(const QWidget* window, const QKeyEvent& key)
{
    const QKeySequence pressed(
        QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key())));
    for (const QAction* action : window->actions()) {
        if (action->shortcuts().contains(pressed)) {
            return true;
        }
    }
    return false;
}

bool showContextMenu(QWidget* window, const QPoint& globalPosition)
{
    QMenu menu(window);
    for (QAction* action : window->actions()) {
        if (!action->text().isEmpty()) {
            menu.addAction(action);
        }
    }
    if (menu.isEmpty()) {
        return false;
    }
    menu.exec(globalPosition);
    return true;
}
