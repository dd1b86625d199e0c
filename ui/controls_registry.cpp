#include "controls_registry.h"

#include <QPointer>
#include <QWidget>

#include <map>

namespace {

struct Registered {
    int window;
    QPointer<QWidget> widget;
};

std::map<int, Registered> controls;

}  // namespace

void registerControl(int window, int id, QWidget* control) { controls[id] = {window, control}; }

QWidget* findControl(int id)
{
    const auto found = controls.find(id);
    return found == controls.end() ? nullptr : found->second.widget.data();
}

int findControlId(const QWidget* control)
{
    for (const auto& [id, registered] : controls) {
        if (control != nullptr && registered.widget == control) {
            return id;
        }
    }
    return -1;
}

void forgetControlsOf(int window)
{
    std::erase_if(controls, [window](const auto& entry) { return entry.second.window == window; });
}
