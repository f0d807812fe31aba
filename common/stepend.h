// Work put off to the end of the step under way. A timer's handler is a step: what it asks for is
// done once the round of the event loop that fired it is over, before the program sleeps again,
// with no trip through the event queue (which would wake the event loop once more); timers due
// together (a bubble's move and the pet's next pose) fire in one round, and what their steps ask
// for is done once. Asked outside a step (a click, a test), it is done from the event loop as soon
// as that is free, as a queued call is.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

namespace stepend {

// fn runs once the step is over, unless receiver is gone by then.
void call(QObject *receiver, std::function<void()> fn);

// Marks a step: QtTimers opens one around each handler it calls. Whatever was asked during it runs
// at the end of the event loop's round, or as the step closes where no event loop runs; also what
// an inner step left (there is none in practice: handlers do not open event loops of their own).
class Step
{
public:
    Step();
    ~Step();
    Step(const Step &) = delete;
    Step &operator=(const Step &) = delete;
};

// Whether a step is open now (the work asked for waits for its end).
bool inStep();

} // namespace stepend
