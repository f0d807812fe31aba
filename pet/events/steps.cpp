#include "steps.h"

#include "pet/core/presentation.h"

namespace steps {

void begin(Engine &e, qint32 length, const char *strip, int frame, int ms, qint16 next)
{
    Runtime &rt = e.rt();
    if (length > 0)
        rt.Ibentlimit = length;
    e.Loadpic(QString::fromLatin1(strip));
    e.Setframe(frame);
    e.Setibenttimer(ms);
    rt.Ibentstep = next;
}

void openingLines(Engine &e, qint16 callfun2No)
{
    const qint16 love = e.ctx().mem().Loveval;
    bool speak = false;
    if (love >= 80)
        speak = e.draw(3) == 1;
    else if (love >= 60)
        speak = e.draw(10) == 1;
    if (speak)
        e.ctx().presentation->Callfun2(callfun2No);
}

namespace {
// One rest step of a gesture table whose rest step is `rest` and whose gesture steps follow it.
void restStep(Engine &e, const GestureTable &t, qint16 rest, qint16 chooser)
{
    Runtime &rt = e.rt();
    e.Setframe(t.restFrame);
    if (t.restClearsClick)
        rt.Clickflag = 0;
    if (t.chanceN > 0 && e.Chanceibent(e.draw(t.chanceN), t.chanceEvent))
        return;
    e.Setibenttimer(t.restMs);
    const int r = e.draw(t.drawN);
    for (size_t i = 0; i < t.gestures.size(); ++i) {
        const Gesture &g = t.gestures[i];
        if (r >= g.lo && r <= g.hi) {
            rt.Ibentstep = g.frame < 0 ? chooser : qint16(rest + 1 + int(i));
            return;
        }
    }
    rt.Ibentstep = rest;
}

void gestureStep(Engine &e, const GestureTable &t, qint16 rest)
{
    Runtime &rt = e.rt();
    const Gesture &g = t.gestures[size_t(rt.Ibentstep - rest - 1)];
    e.Setframe(g.frame);
    if (g.ms > 0)
        e.Setibenttimer(g.ms);
    rt.Ibentstep = rest;
}

bool inTable(const GestureTable &t, qint16 step, qint16 rest)
{
    return step >= rest && step <= rest + qint16(t.gestures.size());
}
} // namespace

void gestures(Engine &e, const GestureTable &t)
{
    const qint16 step = e.rt().Ibentstep;
    if (step <= 1 || !inTable(t, step, 1))
        restStep(e, t, 1, 1);
    else
        gestureStep(e, t, 1);
}

void alternate(Engine &e, int a, int b, int msA, int msB, bool clearA, bool clearB)
{
    Runtime &rt = e.rt();
    if (rt.Ibentstep == 1) {
        e.Setframe(b);
        if (clearB)
            rt.Clickflag = 0;
        if (msB > 0)
            e.Setibenttimer(msB);
        rt.Ibentstep = 2;
    } else {
        e.Setframe(a);
        if (clearA)
            rt.Clickflag = 0;
        if (msA > 0)
            e.Setibenttimer(msA);
        rt.Ibentstep = 1;
    }
}

void loop(Engine &e, const std::vector<int> &frames, const std::vector<int> &ms, const std::vector<bool> &clears,
          int firstStep)
{
    Runtime &rt = e.rt();
    const int n = int(frames.size());
    const int i = qBound(0, int(rt.Ibentstep) - firstStep, n) % n;
    e.Setframe(frames[size_t(i)]);
    if (!clears.empty() && clears[size_t(i)])
        rt.Clickflag = 0;
    if (!ms.empty() && ms[size_t(i)] > 0)
        e.Setibenttimer(ms[size_t(i)]);
    rt.Ibentstep = qint16(firstStep + i + 1);
}

void postures(Engine &e, const GestureTable &first, const GestureTable &second, int chooseFrame,
              int chanceN, qint16 chanceEvent)
{
    Runtime &rt = e.rt();
    constexpr qint16 kFirst = 10, kSecond = 30;
    const qint16 step = rt.Ibentstep;
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
        e.Setframe(chooseFrame);
    if (chanceN > 0 && e.Chanceibent(e.draw(chanceN), chanceEvent))
        return;
    rt.Ibentstep = e.draw(2) == 1 ? kFirst : kSecond;
}

void heldPose(Engine &e, int restMs, int shortMs, int poseMs, int chanceN, qint16 chanceEvent)
{
    Runtime &rt = e.rt();
    switch (rt.Ibentstep) {
    case 2: // a short gesture
        e.Setframe(1);
        e.Setibenttimer(shortMs);
        rt.Ibentstep = 1;
        return;
    case 3: { // the held pose
        e.Setframe(2);
        e.Setibenttimer(poseMs);
        if (e.draw(3) == 1)
            rt.Ibentstep = e.draw(10) <= 7 ? 4 : 1;
        return;
    }
    case 4: // a short gesture of the pose
        e.Setframe(3);
        e.Setibenttimer(shortMs);
        rt.Ibentstep = 1;
        return;
    default: // the rest
        e.Setframe(0);
        if (chanceN > 0 && e.Chanceibent(e.draw(chanceN), chanceEvent))
            return;
        e.Setibenttimer(restMs);
        rt.Ibentstep = 1;
        if (e.draw(3) == 1)
            rt.Ibentstep = e.draw(10) <= 7 ? 2 : 3;
        return;
    }
}

void drift(Engine &e, int chanceN, qint16 chanceEvent)
{
    Runtime &rt = e.rt();
    if (rt.Ibentstep == 2) {
        e.Setframe(1);
        if (chanceN > 0 && e.Chanceibent(e.draw(chanceN), chanceEvent))
            return;
        if (e.draw(3) == 1)
            rt.Ibentstep = 1;
    } else {
        e.Setframe(0);
        rt.Ibentstep = e.draw(3) == 1 ? 2 : 1;
    }
}

} // namespace steps
