#include "stepend.h"

#include <QAbstractEventDispatcher>
#include <QMetaObject>
#include <utility>

namespace {
struct Pending {
    QPointer<QObject> receiver;
    std::function<void()> fn;
};
// Steps belong to the thread whose event loop runs the timers.
thread_local int depth = 0;
thread_local std::vector<Pending> pending;
// The event dispatcher told to run the work at the end of its rounds (one a thread, made anew
// only with a new application).
thread_local QPointer<QAbstractEventDispatcher> roundEndsOf;

void runPending()
{
    // Work asked for by work run here waits no longer: it is run in the same round.
    for (size_t i = 0; i < pending.size(); ++i) {
        Pending p = std::move(pending[i]);
        if (p.receiver)
            p.fn();
    }
    pending.clear();
}

// Whether the work waits for the end of the event loop's round: the dispatcher says it is awake
// once a round's timers have all fired (and, where it says so at the start of a round instead, at
// the start of the next one, before it waits).
bool leftToRoundEnd()
{
    QAbstractEventDispatcher *loop = QAbstractEventDispatcher::instance();
    if (!loop)
        return false;
    if (roundEndsOf == loop)
        return true;
    roundEndsOf = loop;
    QObject::connect(loop, &QAbstractEventDispatcher::awake, loop, [] {
        if (depth == 0 && !pending.empty()) {
            ++depth; // what it asks for in turn is still the step's work
            runPending();
            --depth;
        }
    });
    return true;
}
} // namespace

namespace stepend {

bool inStep() { return depth > 0; }

void call(QObject *receiver, std::function<void()> fn)
{
    if (!receiver || !fn)
        return;
    if (depth > 0) {
        pending.push_back({receiver, std::move(fn)});
        return;
    }
    QMetaObject::invokeMethod(receiver, std::move(fn), Qt::QueuedConnection);
}

Step::Step() { ++depth; }

Step::~Step()
{
    if (depth > 1 || pending.empty() || !leftToRoundEnd())
        runPending();
    --depth;
}

} // namespace stepend
