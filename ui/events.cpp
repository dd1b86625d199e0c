#include "events.h"

#include <QEventLoop>
#include <QTimer>

#include <deque>

namespace {

std::deque<UiEvent> queue;
QEventLoop* waitingLoop = nullptr;

void post(const UiEvent& event)
{
    queue.push_back(event);
    if (waitingLoop != nullptr) {
        waitingLoop->quit();
    }
}

UiEvent takeFirst()
{
    UiEvent event = queue.front();
    queue.pop_front();
    return event;
}

// Runs Qt's event processing until an event is queued or the limit passes
// (a negative limit never passes).
UiEvent wait(int timeLimitMs)
{
    if (queue.empty()) {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        // A coarse timer may fire up to 5% early; a timed wait must not give
        // up before its limit.
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        if (timeLimitMs >= 0) {
            timer.start(timeLimitMs);
        }
        QEventLoop* const outer = waitingLoop;
        waitingLoop = &loop;
        loop.exec();
        waitingLoop = outer;
    }
    if (queue.empty()) {
        return {};
    }
    return takeFirst();
}

}  // namespace

UiEvent waitEvent() { return wait(-1); }

UiEvent waitEvent(int timeLimitMs) { return wait(timeLimitMs < 0 ? 0 : timeLimitMs); }

void postControlEvent(int window, int controlId, int type, int value)
{
    post({eventControl, controlId, type, window, value});
}

void postCloseEvent(int window) { post({eventClose, 0, 0, window}); }

void discardEvents() { queue.clear(); }
