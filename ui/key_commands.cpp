#include "key_commands.h"

#include "events.h"
#include "key_commands_qt.h"
#include "windows.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace {

// An entry whose check mark follows the program's setting whenever the menu
// opens.
class SettingAction : public QAction {
public:
    SettingAction(const QString& caption, QObject* owner, bool (*isOn)())
        : QAction(caption, owner), isOn_(isOn)
    {
        setCheckable(true);
    }

    void showSetting() { setChecked(isOn_()); }

private:
    bool (*isOn_)();
};

QAction* actionFor(const KeyCommand& command, QWidget* owner)
{
    const QString caption = QString::fromUtf8(command.caption != nullptr ? command.caption : "");
    if (command.isOn != nullptr) {
        return new SettingAction(caption, owner, command.isOn);
    }
    return new QAction(caption, owner);
}

}  // namespace

void addKeyCommands(int window, std::span<const KeyCommand> commands)
{
    QWidget* owner = findWindow(window);
    if (owner == nullptr) {
        return;
    }
    for (const KeyCommand& command : commands) {
        QAction* action = actionFor(command, owner);
        if (command.caption == nullptr && command.keys == nullptr) {
            action->setSeparator(true);
            owner->addAction(action);
            continue;
        }
        if (command.keys != nullptr) {
            action->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(command.keys)));
        }
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

bool showContextMenu(QWidget* window, const QPoint& globalPosition,
                     const std::function<void(QMenu& menu)>& addOwn)
{
    QMenu menu(window);
    for (QAction* action : window->actions()) {
        if (auto* setting = dynamic_cast<SettingAction*>(action)) {
            setting->showSetting();
        }
        if (!action->text().isEmpty() || action->isSeparator()) {
            menu.addAction(action);
        }
    }
    if (addOwn) {
        addOwn(menu);
    }
    if (menu.isEmpty()) {
        return false;
    }
    menu.exec(globalPosition);
    return true;
}
