#include "steps.h"

#include <algorithm>
#include <utility>

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
// A pose the pet keeps for many steps in a row wakes the program at each of them for nothing the
// user sees. So when a visit of a rest (or of a held pose) stays in it, the visits after it make
// their draws at once, in the order they would have made them, until one of them moves on; the
// step timer passes over the visits that stay and wakes on its rhythm for the one after. A visit
// whose draw for a switch by chance comes up 1 is played when it comes, with that draw kept for
// it, since whether the pet switches then depends on what is going on at that moment.
constexpr int kMostVisitsAhead = 60; // a bound, should chance never move on

// The draw for a switch by chance: the one made ahead for this visit, or a new one.
int chanceDraw(Player &e, int n)
{
    if (const qint16 kept = std::exchange(e.rt().chanceDrawAhead, qint16(0)); kept > 0)
        return kept;
    return e.draw(n);
}

// Draws the visits after this one (which stays at step `here`): visit(e) makes one visit's draws
// and gives the step it moves to. rt.step gets the step after the last visit passed over. Stopped
// by another timer's work, it goes on once the clock's work is done.
template <typename Visit>
void passOverStays(Player &e, qint16 here, int chanceN, Visit visit)
{
    Runtime &rt = e.rt();
    // Only as far as no other timer's work comes first: every draw is then made in the order it
    // would have been made at each visit.
    const int room = e.stepsBeforeOtherWork();
    const int most = room < 0 ? kMostVisitsAhead : std::min(room, kMostVisitsAhead);
    for (int ahead = 1; ahead <= most; ++ahead) {
        if (chanceN > 0) {
            const int c = e.draw(chanceN);
            if (c == 1) {
                rt.chanceDrawAhead = qint16(c);
                e.passOverSteps(ahead - 1);
                return;
            }
        }
        const qint16 next = visit(e);
        if (next != here) {
            rt.step = next;
            e.passOverSteps(ahead);
            return;
        }
    }
    e.passOverSteps(most);
    if (most < kMostVisitsAhead)
        e.drawAheadAfterOtherWork([here, chanceN, visit](Player &p) { passOverStays(p, here, chanceN, visit); });
}

// The step a rest of table t moves to after a draw r.
qint16 afterRest(const GestureTable &t, int r, qint16 rest, qint16 chooser)
{
    for (size_t i = 0; i < t.gestures.size(); ++i) {
        const Gesture &g = t.gestures[i];
        if (r >= g.lo && r <= g.hi)
            return g.frame < 0 ? chooser : qint16(rest + 1 + int(i));
    }
    return rest;
}

// One rest step of a gesture table whose rest step is `rest` and whose gesture steps follow it.
void restStep(Player &e, const GestureTable &t, qint16 rest, qint16 chooser)
{
    Runtime &rt = e.rt();
    e.showFrame(t.restFrame);
    if (t.restClearsClick)
        rt.stirred = 0;
    if (t.chanceN > 0 && e.switchByChance(chanceDraw(e, t.chanceN), t.chanceEvent))
        return;
    e.setStepInterval(t.restMs);
    rt.step = afterRest(t, e.draw(t.drawN), rest, chooser);
    // A rest that clears a stir must come back to clear the next one.
    if (rt.step == rest && !t.restClearsClick)
        passOverStays(e, rest, t.chanceN,
                      [&t, rest, chooser](Player &p) { return afterRest(t, p.draw(t.drawN), rest, chooser); });
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
    // A visit of the rest (step 1) or of the pose (step 3): draw 1..3, and only on 1 a draw 1..10
    // for a short gesture (1-7) or the other one of the two (8-10); otherwise it stays.
    const auto visitOf = [](qint16 here, qint16 gesture, qint16 other) {
        return [=](Player &p) -> qint16 {
            if (p.draw(3) == 1)
                return p.draw(10) <= 7 ? gesture : other;
            return here;
        };
    };
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
        const auto visit = visitOf(3, 4, 1);
        rt.step = visit(e);
        if (rt.step == 3)
            passOverStays(e, 3, 0, visit);
        return;
    }
    case 4: // a short gesture of the pose
        e.showFrame(3);
        e.setStepInterval(shortMs);
        rt.step = 1;
        return;
    default: { // the rest
        e.showFrame(0);
        if (chanceN > 0 && e.switchByChance(chanceDraw(e, chanceN), chanceEvent))
            return;
        e.setStepInterval(restMs);
        const auto visit = visitOf(1, 2, 3);
        rt.step = visit(e);
        if (rt.step == 1)
            passOverStays(e, 1, chanceN, visit);
        return;
    }
    }
}

void drift(Player &e, int chanceN, Activity chanceEvent)
{
    Runtime &rt = e.rt();
    if (rt.step == 2) {
        e.showFrame(1);
        if (chanceN > 0 && e.switchByChance(chanceDraw(e, chanceN), chanceEvent))
            return;
        const auto visit = [](Player &p) -> qint16 { return p.draw(3) == 1 ? 1 : 2; };
        rt.step = visit(e);
        if (rt.step == 2)
            passOverStays(e, 2, chanceN, visit);
    } else {
        e.showFrame(0);
        const auto visit = [](Player &p) -> qint16 { return p.draw(3) == 1 ? 2 : 1; };
        rt.step = visit(e);
        if (rt.step == 1)
            passOverStays(e, 1, 0, visit);
    }
}

} // namespace steps
