#include "controls_registry.h"

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <map>

namespace {

struct Registered {
    int window;
    QPointer<QWidget> widget;
    QRect place;
    QFont font;
};

std::map<int, Registered> controls;

}  // namespace

void registerControl(int window, int id, QWidget* control)
{
    controls[id] = {window, control, control->geometry(), control->font()};
}

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

void forEachControlOf(int window,
                      const std::function<void(QWidget* control, const QRect& place, const QFont& font)>& visit)
{
    for (const auto& [id, registered] : controls) {
        if (registered.window == window && registered.widget != nullptr) {
            visit(registered.widget, registered.place, registered.font);
        }
    }
}

bool setControlPlace(int id, const QRect& place)
{
    const auto found = controls.find(id);
    if (found == controls.end()) {
        return false;
    }
    found->second.place = place;
    return true;
}
