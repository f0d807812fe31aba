#include "steps.h"


namespace steps {

void begin(Player &e, qint32 length, const char *strip, int frame, int ms, qint16 next)
{
    Runtime &rt = e.rt();
    if (length > 0)
        rt.activityLength = length;
    e.showStrip(QString::fromLatin1(strip));
    e.showFrame(frame);
    e.setStepInterval(ms);
    rt.step = next;
}

void openingLines(Player &e, Lines lines)
{
    const qint16 love = e.ctx().mem().Loveval;
    bool speak = false;
    if (love >= 80)
        speak = e.draw(3) == 1;
    else if (love >= 60)
        speak = e.draw(10) == 1;
    if (speak)
        e.stage().sayLines(lines);
}

namespace {
// One rest step of a gesture table whose rest step is `rest` and whose gesture steps follow it.
void restStep(Player &e, const GestureTable &t, qint16 rest, qint16 chooser)
{
    Runtime &rt = e.rt();
    e.showFrame(t.restFrame);
    if (t.restClearsClick)
        rt.stirred = 0;
    if (t.chanceN > 0 && e.switchByChance(e.draw(t.chanceN), t.chanceEvent))
        return;
    e.setStepInterval(t.restMs);
    const int r = e.draw(t.drawN);
    for (size_t i = 0; i < t.gestures.size(); ++i) {
        const Gesture &g = t.gestures[i];
        if (r >= g.lo && r <= g.hi) {
            rt.step = g.frame < 0 ? chooser : qint16(rest + 1 + int(i));
            return;
        }
    }
    rt.step = rest;
}

void gestureStep(Player &e, const GestureTable &t, qint16 rest)
{
    Runtime &rt = e.rt();
    const Gesture &g = t.gestures[size_t(rt.step - rest - 1)];
    e.showFrame(g.frame);
    if (g.ms > 0)
        e.setStepInterval(g.ms);
    rt.step = rest;
}

bool inTable(const GestureTable &t, qint16 step, qint16 rest)
{
    return step >= rest && step <= rest + qint16(t.gestures.size());
}
} // namespace

void gestures(Player &e, const GestureTable &t)
{
    const qint16 step = e.rt().step;
    if (step <= 1 || !inTable(t, step, 1))
        restStep(e, t, 1, 1);
    else
        gestureStep(e, t, 1);
}

void alternate(Player &e, int a, int b, int msA, int msB, bool clearA, bool clearB)
{
    Runtime &rt = e.rt();
    if (rt.step == 1) {
        e.showFrame(b);
        if (clearB)
            rt.stirred = 0;
        if (msB > 0)
            e.setStepInterval(msB);
        rt.step = 2;
    } else {
        e.showFrame(a);
        if (clearA)
            rt.stirred = 0;
        if (msA > 0)
            e.setStepInterval(msA);
        rt.step = 1;
    }
}

void loop(Player &e, const std::vector<int> &frames, const std::vector<int> &ms, const std::vector<bool> &clears,
          int firstStep)
{
    Runtime &rt = e.rt();
    const int n = int(frames.size());
    const int i = qBound(0, int(rt.step) - firstStep, n) % n;
    e.showFrame(frames[size_t(i)]);
    if (!clears.empty() && clears[size_t(i)])
        rt.stirred = 0;
    if (!ms.empty() && ms[size_t(i)] > 0)
        e.setStepInterval(ms[size_t(i)]);
    rt.step = qint16(firstStep + i + 1);
}

void postures(Player &e, const GestureTable &first, const GestureTable &second, int chooseFrame,
              int chanceN, Activity chanceEvent)
{
    Runtime &rt = e.rt();
    constexpr qint16 kFirst = 10, kSecond = 30;
    const qint16 step = rt.step;
    if (inTable(first, step, kFirst)) {
        if (step == kFirst)
            restStep(e, first, kFirst, 1);
        else
            gestureStep(e, first, kFirst);
        return;
    }
    if (inTable(second, step, kSecond)) {
        if (step == kSecond)
            restStep(e, second, kSecond, 1);
        else
            gestureStep(e, second, kSecond);
        return;
    }
    // Step 1: choose a posture (and maybe be interrupted by a question).
    if (chooseFrame >= 0)
        e.showFrame(chooseFrame);
    if (chanceN > 0 && e.switchByChance(e.draw(chanceN), chanceEvent))
        return;
    rt.step = e.draw(2) == 1 ? kFirst : kSecond;
}

void heldPose(Player &e, int restMs, int shortMs, int poseMs, int chanceN, Activity chanceEvent)
{
    Runtime &rt = e.rt();
    switch (rt.step) {
    case 2: // a short gesture
        e.showFrame(1);
        e.setStepInterval(shortMs);
        rt.step = 1;
        return;
    case 3: { // the held pose
        e.showFrame(2);
        e.setStepInterval(poseMs);
        if (e.draw(3) == 1)
            rt.step = e.draw(10) <= 7 ? 4 : 1;
        return;
    }
    case 4: // a short gesture of the pose
        e.showFrame(3);
        e.setStepInterval(shortMs);
        rt.step = 1;
        return;
    default: // the rest
        e.showFrame(0);
        if (chanceN > 0 && e.switchByChance(e.draw(chanceN), chanceEvent))
            return;
        e.setStepInterval(restMs);
        rt.step = 1;
        if (e.draw(3) == 1)
            rt.step = e.draw(10) <= 7 ? 2 : 3;
        return;
    }
}

void drift(Player &e, int chanceN, Activity chanceEvent)
{
    Runtime &rt = e.rt();
    if (rt.step == 2) {
        e.showFrame(1);
        if (chanceN > 0 && e.switchByChance(e.draw(chanceN), chanceEvent))
            return;
        if (e.draw(3) == 1)
            rt.step = 1;
    } else {
        e.showFrame(0);
        rt.step = e.draw(3) == 1 ? 2 : 1;
    }
}

} // namespace steps
