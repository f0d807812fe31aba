#include "stepend.h"

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
    // Work asked for by work run here waits no longer: it is run in the same round.
    for (size_t i = 0; i < pending.size(); ++i) {
        Pending p = std::move(pending[i]);
        if (p.receiver)
            p.fn();
    }
    pending.clear();
    --depth;
}

} // namespace stepend
