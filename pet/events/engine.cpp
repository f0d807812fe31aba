#include "engine.h"

#include "common/logging.h"
#include "common/values.h"
#include "events.h"
#include "hourtable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>
#include <optional>

Engine::Engine(PetContext &ctx, Stage &stage) : m_ctx(ctx), m_stage(stage)
{
    Timers &t = ctx.timers;
    m_clockTimer = t.create([this] { clockFired(); });
    m_stepTimer = t.create([this] { playStep(); });
    m_anim[int(Anim::Bubbles)] = t.create([this] { bubbleStep(); });
    m_anim[int(Anim::Water)] = t.create([this] { waterStep(); });
    m_anim[int(Anim::Tv)] = t.create([this] { tvStep(); });
    m_anim[int(Anim::Computer)] = t.create([this] { computerStep(); });
    m_anim[int(Anim::Grass)] = t.create([this] { grassStep(); });
    m_anim[int(Anim::ToyCar)] = t.create([this] { toyCarStep(); });
    m_anim[int(Anim::RaceStart)] = t.create([this] { raceStartStep(); });
    m_anim[int(Anim::RaceRun)] = t.create([this] { raceRunStep(); });
    t.setInterval(m_clockTimer, 1000);
    // The step timer is enabled from the start with interval 0: it fires once an event sets one.
    t.setEnabled(m_stepTimer, true);
    const int intervals[] = {1000, 1000, 3000, 5000, 2000, 100, 50, 200};
    for (int i = 0; i < 8; ++i)
        t.setInterval(m_anim[i], intervals[i]);
}

void Engine::setClockRunning(bool on)
{
    Timers &t = m_ctx.timers;
    if (on == t.isEnabled(m_clockTimer))
        return;
    if (!on)
        countSecondsSlept();
    t.setEnabled(m_clockTimer, on);
    if (on)
        sleepUntilNeeded();
}

bool Engine::clockRunning() const { return m_ctx.timers.isEnabled(m_clockTimer); }

void Engine::setActivityLength(qint32 seconds)
{
    countSecondsSlept();
    m_ctx.rt.activityLength = seconds;
    sleepUntilNeeded();
}

void Engine::clockFired()
{
    countSecondsSlept();
    tick();
    sleepUntilNeeded();
    // The minute's work done, the rest visits that had to wait for it may be drawn now: until the
    // next visit nothing else comes, so the draws keep their order.
    if (auto more = std::exchange(m_aheadLater, nullptr)) {
        const Runtime &rt = m_ctx.rt;
        if (rt.activity == m_aheadActivity && rt.step == m_aheadStep && rt.chanceDrawAhead == 0)
            more(*this);
    }
}

// Each second slept through counts as the tick would have counted it. Should one of them have
// had more to do (the timer woke late, or the counts were changed behind the clock's back), the
// whole tick runs for it.
void Engine::countSecondsSlept()
{
    Runtime &rt = m_ctx.rt;
    for (int n = m_ctx.timers.takePassedOver(m_clockTimer); n > 0; --n) {
        if (m_ctx.day.minuteDue() || (rt.activityLength > 0 && rt.activitySeconds >= rt.activityLength)) {
            tick();
            continue;
        }
        m_ctx.day.countSecond();
        if (rt.activityLength > 0)
            rt.activitySeconds += 1;
    }
}

// Nothing the user sees changes on a second that only counts: the clock's timer sleeps until the
// minute's work, the labels' next minute or the end of the activity.
void Engine::sleepUntilNeeded()
{
    Timers &t = m_ctx.timers;
    if (!t.isEnabled(m_clockTimer))
        return;
    countSecondsSlept();
    const Runtime &rt = m_ctx.rt;
    const qint64 until = t.untilNextFiring(m_clockTimer);
    int quiet = m_ctx.day.quietSeconds(m_ctx.clock.nowMs(), until);
    if (rt.activityLength > 0)
        quiet = std::min(quiet, std::max(0, rt.activityLength - rt.activitySeconds));
    t.passOver(m_clockTimer, quiet);
}

void Engine::tick()
{
    Runtime &rt = m_ctx.rt;
    const QDateTime now = m_ctx.clock.now();
    if (m_ctx.day.countSecond())
        minuteSteps(now);
    m_ctx.day.followClock(now);

    if (rt.activityLength == 0)
        return;
    if (rt.activitySeconds < rt.activityLength) {
        rt.activitySeconds += 1;
        return;
    }
    const Activity ended = Activity(rt.activity);
    restartCountdown();
    stopAnimations();
    followUp(ended);
}

void Engine::minuteSteps(const QDateTime &now)
{
    // The minute's keys go to the store in one write.
    const SettingsStore::Batch batch(m_ctx.store);
    if (m_ctx.day.countPresentMinute())
        maybeDeliverPresent();
    m_stage.refreshButtons();
    m_ctx.day.countMinute(now);
    m_stage.friendshipChanged();
}

void Engine::startActivity(Activity a)
{
    m_ctx.rt.step = 0;
    m_ctx.rt.chanceDrawAhead = 0;
    m_aheadLater = nullptr;
    m_ctx.rt.activity = number(a);
    if (m_ctx.trace)
        m_ctx.trace->eventStarted(number(a));
    playStep();
}

void Engine::restartCountdown()
{
    countSecondsSlept();
    m_ctx.rt.activitySeconds = 0;
    m_ctx.rt.step = 0;
    sleepUntilNeeded();
}

void Engine::playStep()
{
    // A step may set the activity's length.
    countSecondsSlept();
    m_aheadLater = nullptr;
    if (EventProc p = eventProcedure(m_ctx.rt.activity))
        p(*this);
    sleepUntilNeeded();
}

bool Engine::disturbSleep()
{
    Runtime &rt = m_ctx.rt;
    if (rt.stirred != 1) {
        rt.stirred = 1;
        rt.step = 3; // the sleeping activities' stir
        playStep();
        return false;
    }
    rt.stirred = 0;
    rt.sleepActivity = rt.activity;
    return true;
}

void Engine::setStepInterval(int ms)
{
    m_ctx.rt.chanceDrawAhead = 0;
    m_aheadLater = nullptr;
    m_ctx.timers.start(m_stepTimer, ms);
}

int Engine::stepsBeforeOtherWork() const
{
    const Timers &t = m_ctx.timers;
    const qint64 other = t.untilOtherCall(m_stepTimer);
    const qint64 first = t.untilNextFiring(m_stepTimer);
    const int interval = t.interval(m_stepTimer);
    // A step timer that is not running has no steps to pass over.
    if (first < 0 || interval <= 0)
        return 0;
    if (other < 0)
        return -1;
    if (first >= other)
        return 0;
    return int(std::min<qint64>((other - first - 1) / interval + 1, std::numeric_limits<int>::max()));
}

void Engine::passOverSteps(int n)
{
    if (n <= 0)
        return;
    Timers &t = m_ctx.timers;
    t.takePassedOver(m_stepTimer); // nobody counts the steps passed over
    t.passOver(m_stepTimer, n);
}

void Engine::drawAheadAfterOtherWork(std::function<void(Player &)> more)
{
    m_aheadLater = std::move(more);
    m_aheadActivity = m_ctx.rt.activity;
    m_aheadStep = m_ctx.rt.step;
}

bool Engine::callsAhead(int timerId) const
{
    return timerId == m_stepTimer || std::find(std::begin(m_anim), std::end(m_anim), timerId) != std::end(m_anim);
}

Engine::Saved Engine::save() const
{
    return {m_aheadLater, m_aheadActivity, m_aheadStep, m_bubblePhase, m_waterUp, m_grassBent, m_raceBounce};
}

void Engine::restore(const Saved &s)
{
    m_aheadLater = s.aheadLater;
    m_aheadActivity = s.aheadActivity;
    m_aheadStep = s.aheadStep;
    m_bubblePhase = s.bubblePhase;
    m_waterUp = s.waterUp;
    m_grassBent = s.grassBent;
    m_raceBounce = s.raceBounce;
}

int Engine::stepInterval() const { return m_ctx.timers.interval(m_stepTimer); }

qint64 Engine::untilNextStep() const { return m_ctx.timers.untilNextFiring(m_stepTimer); }

bool Engine::switchByChance(int r, Activity a)
{
    if (!m_ctx.rt.userAway() && r == 1 && m_ctx.rt.talkState == Talk::None) {
        restartCountdown();
        startActivity(a);
        return true;
    }
    return false;
}

qint32 Engine::nightLength()
{
    // Reckoned from the clock now: after bedtime the minute of the last hour's choice is stale,
    // and the pet would sleep far past a few minutes after eight.
    Runtime &rt = m_ctx.rt;
    m_ctx.day.refreshHour();
    m_ctx.day.refreshMinute();
    const qint32 h = (rt.hour >= 0 && rt.hour <= 7) ? 8 - rt.hour : 24 - rt.hour + 8;
    return h * 3600 - qint32(rt.minute) * 60 + qint32(draw(5)) * 60;
}

// The flag says this hour's meal or sweets are over. It only holds for the hour it was set in: a
// rest cut short by a question would otherwise leave it set and cost the pet its later meals.
void Engine::markMealOver()
{
    m_ctx.rt.mealOver = 1;
    m_ctx.rt.mealOverHour = m_ctx.rt.hour;
}

void Engine::restToTheHour()
{
    Runtime &rt = m_ctx.rt;
    markMealOver();
    rt.activityLength = draw(5) * 60 + (60 - rt.minute) * 60;
    pick(Picker::Rest);
}

void Engine::chooseForTheHour()
{
    Runtime &rt = m_ctx.rt;
    countSecondsSlept();
    m_ctx.day.refreshDate();
    m_ctx.day.refreshHour();
    m_ctx.day.refreshMinute();
    m_stage.refreshButtons();
    if (rt.mealOver == 1 && rt.mealOverHour != rt.hour)
        rt.mealOver = 0;

    const HourAction a = chooseHourAction(rt.hour, rt.minute, rt.mealOver == 1,
                                          DayClock::isFestivalDay(rt.month, rt.day),
                                          [this](int n) { return draw(n); });
    switch (a.kind) {
    case HourAction::Night:
        rt.activityLength = nightLength();
        pick(Picker::Sleep);
        break;
    case HourAction::RestToHour:
        restToTheHour();
        break;
    case HourAction::Start:
        if (a.limit > 0)
            rt.activityLength = a.limit;
        startActivity(a.event);
        break;
    case HourAction::RestAndStart:
        markMealOver();
        startActivity(a.event);
        break;
    case HourAction::Pick:
        if (a.limit > 0)
            rt.activityLength = a.limit;
        else if (a.limit == HourAction::kShort)
            rt.activityLength = draw(5) * 60;
        pick(a.picker);
        break;
    }
}

void Engine::followUp(Activity ended)
{
    Runtime &rt = m_ctx.rt;
    auto next = [this](Activity a) { startActivity(a); };
    using enum Activity;
    switch (ended) {
    case FirstMeeting:
        m_stage.closeSpeech();
        chooseForTheHour();
        return;
    case SleepOnBack: case SleepHandOut: case SleepSprawled: case SleepWithDoll:
        pick(Picker::Wakeup);
        return;
    case WakeCheerfully: case WakeGrumpily: case WakeSlowly:
        next(ChangeClothes);
        return;
    case ChangeClothes:
        next(WashFace);
        return;
    case WashFace:
        next(rt.hour == 21 ? UndressForBath : GroomingFirst);
        return;
    case GroomingFirst:
        next(rt.hour == 21 ? WashFace : GroomingSecond);
        return;
    case GroomingSecond:
        next(rt.hour == 21 ? GroomingFirst : GroomingThird);
        return;
    case GroomingThird:
        next(MorningChoreFirst);
        return;
    case MorningChoreFirst:
        next(MorningChoreSecond);
        return;
    case MorningChoreSecond:
        pick(Picker::Meal);
        return;
    case MealFirst: case MealSecond: case Sweets: case AfternoonSweets:
        markMealOver();
        next(AfterMealSnack);
        return;
    case AfterMealSnack:
        next(AfterMealStretch);
        return;
    case AfterMealStretch:
        rt.activityLength = draw(5) * 60 + (60 - rt.minute) * 60;
        pick(Picker::Rest);
        return;
    case RestDriftingFirst: case RestStretching: case RestDriftingSecond:
        rt.mealOver = 0;
        chooseForTheHour();
        return;
    case Studying:
        if (rt.talkState == Talk::AnsweredRight)
            next(PleasedByAnswer);
        else if (rt.talkState != Talk::None)
            next(SulkingAtAnswer);
        else
            chooseForTheHour();
        return;
    case BathFirst: case BathSecond: case BathThird:
        next(AfterBath);
        return;
    case AfterBath:
        pick(Picker::Bedtime);
        return;
    case Sleepy:
        // The draw is only made when the friendship is high enough.
        if (m_ctx.mem().Loveval > 60 && draw(10) == 1) {
            next(GoodNight);
        } else {
            rt.activityLength = nightLength();
            pick(Picker::Sleep);
        }
        return;
    case BuildingToyCar:
        next(RunningToyCar);
        return;
    case BakingFirst: case BakingSecond: case BakingThird: case BakingFourth:
        next(offset(ended, 1));
        return;
    case FortuneStart:
        m_stage.closeSpeech();
        next(FortuneGazing);
        return;
    case FortuneGazing:
        next(FortuneResult);
        return;
    case AskStudyQuestion:
        m_stage.conversationOver();
        m_stage.closeQuestion();
        rt.activityLength = 600;
        next(Studying);
        return;
    case AskMusicQuestion: case AskBookQuestion: case AskToPlay:
        m_stage.conversationOver();
        m_stage.closeQuestion();
        rt.activityLength = 600;
        chooseForTheHour();
        return;
    case GoodNight:
        m_stage.closeSpeech();
        rt.activityLength = nightLength();
        pick(Picker::Sleep);
        return;
    case ReadingInBed:
        rt.activityLength = nightLength();
        next(SleepSprawled);
        return;
    case UndressForBath:
        pick(Picker::Bath);
        return;
    case FriendsArrive:
        next(FriendsVisit);
        return;
    case RaceDay: case RaceStart: case RaceRun:
        next(offset(ended, 1));
        return;
    case GardoArrives:
        next(offset(GardoArrives, draw(3)));
        return;
    case PleasedByAnswer: case SulkingAtAnswer: case FortuneResult:
        m_stage.conversationOver();
        m_stage.closeSpeech();
        chooseForTheHour();
        return;
    default:
        chooseForTheHour();
        return;
    }
}

void Engine::pick(Picker p)
{
    Runtime &rt = m_ctx.rt;
    const Memory &m = m_ctx.mem();
    using enum Activity;
    switch (p) {
    case Picker::Sleep:
        m_stage.lockPresentAndHobby();
        for (;;) {
            const int r = draw(5);
            if (r == 1) return startActivity(SleepOnBack);
            if (r == 2) return startActivity(SleepHandOut);
            if (r == 3 && m.Loveval >= 60) return startActivity(SleepSprawled);
            if (r >= 4 && m.Item[1] == 3) return startActivity(SleepWithDoll);
        }
    case Picker::Wakeup:
        m_stage.lockPresentAndHobby();
        for (;;) {
            const int r = draw(3);
            if (r == 1) return startActivity(WakeCheerfully);
            if (r == 2 && m.Loveval <= 39) return startActivity(WakeGrumpily);
            if (r == 3) return startActivity(WakeSlowly);
        }
    case Picker::Meal:
        m_stage.lockPresentAndHobby();
        return startActivity(offset(MealFirst, draw(3) - 1));
    case Picker::Rest:
        m_stage.unlockPresentAndHobby();
        return startActivity(offset(RestDriftingFirst, draw(3) - 1));
    case Picker::Bath:
        m_stage.lockPresentAndHobby();
        return startActivity(offset(BathFirst, draw(3) - 1));
    case Picker::Bedtime:
        m_stage.lockPresentAndHobby();
        for (;;) {
            const int r = draw(2);
            if (r == 1) return startActivity(Sleepy);
            if (r == 2 && m.Loveval >= 60) return startActivity(ReadingInBed);
        }
    case Picker::Hobby: {
        m_ctx.day.refreshHour();
        for (;;) {
            const int r = draw(24);
            std::optional<Activity> n;
            switch (r) {
            case 1: case 14: if (m.Item[1] == 3) n = PlayingWithDoll; break;
            case 2: if (m.Item[1] == 3) n = DressingDoll; break;
            case 3: case 15: if (m.Item[2] == 3) n = BuildingToyCar; break;
            case 4: case 16:
                if (m.Item[3] == 3)
                    n = (draw(2) == 1 && m.Flowerday >= 0 && m.Flowerday <= 2) ? WaitingForSprouts : WateringFlower;
                break;
            case 5: if (m.Item[4] == 3) n = PlayingSolitaire; break;
            case 6: if (m.Item[5] == 3) n = PlayingViolin; break;
            case 7: if (m.Item[6] == 3) n = UsingComputer; break;
            case 8: n = Painting; break;
            case 9: n = WatchingTv; break;
            case 10: if (rt.hour <= 18) n = MakingWreath; break;
            case 11: n = PettingAnimal; break;
            case 12: case 17: if (m.Loveval >= 80) n = BakingFirst; break;
            case 13: case 18: if (m.Loveval >= 100) n = FortuneStart; break;
            case 19: case 22: if (m.Item[7] == 3) n = FriendsArrive; break;
            case 20: if (m.Item[8] == 3) n = RaceDay; break;
            case 21: case 23: case 24: if (m.Item[9] == 3) n = GardoArrives; break;
            default: break;
            }
            if (!n)
                continue;
            startActivity(*n);
            // A visit opens with the visitors' own lines, as if the pet had been clicked.
            if (n == FriendsArrive || n == GardoArrives)
                m_stage.sayClickLines();
            return;
        }
    }
    case Picker::Talk: {
        m_stage.unlockPresentAndHobby();
        m_ctx.day.refreshDate();
        m_ctx.day.refreshHour();
        if (const std::optional<Activity> festival = DayClock::festivalActivity(rt.month, rt.day, rt.hour))
            return startActivity(*festival);
        if (m.Loveval >= 60) return startActivity(offset(FondChatFirst, draw(2) - 1));
        if (m.Loveval < 41) return startActivity(offset(AwkwardChatFirst, draw(2) - 1));
        return startActivity(offset(PlainChatFirst, draw(2) - 1));
    }
    }
}

int Engine::timerOf(Anim a) const { return m_anim[int(a)]; }

void Engine::stopAnimations()
{
    Scene &s = m_ctx.scene;
    Timers &t = m_ctx.timers;
    auto running = [&](Anim a) { return t.isEnabled(timerOf(a)); };
    if (s.prop(Prop::Flower).visible)
        s.setPropVisible(Prop::Flower, false);
    if (running(Anim::ToyCar)) {
        t.stop(timerOf(Anim::ToyCar));
        s.setPropVisible(Prop::ToyCar, false);
        s.moveProp(Prop::ToyCar, 62, 185);
    }
    if (running(Anim::Water)) {
        t.stop(timerOf(Anim::Water));
        s.setPropVisible(Prop::Water, false);
    }
    if (running(Anim::Tv)) {
        t.stop(timerOf(Anim::Tv));
        s.setPropVisible(Prop::Tv, false);
    }
    if (running(Anim::Computer)) {
        t.stop(timerOf(Anim::Computer));
        s.setPropVisible(Prop::Computer, false);
    }
    if (running(Anim::Grass)) {
        t.stop(timerOf(Anim::Grass));
        s.setPropVisible(Prop::Grass, false);
    }
    if (running(Anim::Bubbles)) {
        t.stop(timerOf(Anim::Bubbles));
        s.setPropVisible(Prop::Bubble1, false);
        s.setPropVisible(Prop::Bubble2, false);
    }
    if (running(Anim::RaceStart)) {
        t.stop(timerOf(Anim::RaceStart));
        s.setPropVisible(Prop::BlueCar, false);
        s.setPropVisible(Prop::RivalCar, false);
        s.moveProp(Prop::BlueCar, s.prop(Prop::BlueCar).x, 184);
        s.moveProp(Prop::RivalCar, s.prop(Prop::RivalCar).x, 188);
    }
    if (running(Anim::RaceRun)) {
        t.stop(timerOf(Anim::RaceRun));
        s.setPropVisible(Prop::ToyCar, false);
        s.moveProp(Prop::ToyCar, s.prop(Prop::ToyCar).x, 185);
    }
}

void Engine::showStrip(const QString &strip) { m_ctx.scene.setStrip(strip); }
void Engine::showFrame(int n) { m_ctx.scene.setFrame(n); }
void Engine::beep()
{
    if (m_ctx.effects)
        m_ctx.effects->beep();
}

void Engine::startAnimation(Anim a) { m_ctx.timers.setEnabled(timerOf(a), true); }
bool Engine::animationRunning(Anim a) const { return m_ctx.timers.isEnabled(timerOf(a)); }

void Engine::startBubbles(int x1, int y1, int x2, int y2)
{
    Scene &s = m_ctx.scene;
    s.moveProp(Prop::Bubble1, x1, y1);
    s.moveProp(Prop::Bubble2, x2, y2);
    s.setPropVisible(Prop::Bubble1, true);
    s.setPropVisible(Prop::Bubble2, true);
    startAnimation(Anim::Bubbles);
}

void Engine::bubbleStep()
{
    // Four phases that bring both bubbles back to where they started every four seconds.
    static const int d[4][4] = {{3, -5, -1, 2}, {3, 5, -1, -2}, {-3, -5, 1, 2}, {-3, 5, 1, -2}};
    Scene &s = m_ctx.scene;
    const int *p = d[m_bubblePhase];
    s.moveProp(Prop::Bubble1, s.prop(Prop::Bubble1).x + p[0], s.prop(Prop::Bubble1).y + p[1]);
    s.moveProp(Prop::Bubble2, s.prop(Prop::Bubble2).x + p[2], s.prop(Prop::Bubble2).y + p[3]);
    m_bubblePhase = (m_bubblePhase + 1) % 4;
}

void Engine::waterStep()
{
    Scene &s = m_ctx.scene;
    const PropState &w = s.prop(Prop::Water);
    s.moveProp(Prop::Water, w.x, m_waterUp ? w.y - 5 : w.y + 5);
    m_waterUp = !m_waterUp;
}

void Engine::tvStep() { m_ctx.scene.setPropPicture(Prop::Tv, draw(5)); }
void Engine::computerStep() { m_ctx.scene.setPropPicture(Prop::Computer, draw(4)); }

void Engine::grassStep()
{
    Scene &s = m_ctx.scene;
    if (m_grassBent) {
        m_grassBent = false;
        s.setPropPicture(Prop::Grass, 1);
    } else if (draw(3) == 1) {
        m_grassBent = true;
        s.setPropPicture(Prop::Grass, 2);
    }
}

void Engine::toyCarStep()
{
    Scene &s = m_ctx.scene;
    const PropState &c = s.prop(Prop::ToyCar);
    const int width = propDesignPlace(Prop::ToyCar).w;
    if (c.x >= -10 * width)
        s.moveProp(Prop::ToyCar, c.x - 32, c.y);
    else
        s.moveProp(Prop::ToyCar, 220, c.y);
}

void Engine::raceStartStep()
{
    Scene &s = m_ctx.scene;
    s.moveProp(Prop::BlueCar, s.prop(Prop::BlueCar).x, s.prop(Prop::BlueCar).y + 5);
    s.moveProp(Prop::RivalCar, s.prop(Prop::RivalCar).x, s.prop(Prop::RivalCar).y + 3);
}

void Engine::raceRunStep()
{
    Scene &s = m_ctx.scene;
    const PropState &c = s.prop(Prop::ToyCar);
    s.moveProp(Prop::ToyCar, c.x, m_raceBounce ? c.y + 3 : c.y - 3);
    m_raceBounce = !m_raceBounce;
}

void Engine::showFlowerGrowth()
{
    Memory &m = m_ctx.mem();
    Scene &s = m_ctx.scene;
    const qint16 d = m.Flowerday;
    if (d >= 0 && d <= 2) {
        s.setPropPicture(Prop::Flower, 1);
    } else if (d >= 3 && d <= 5) {
        s.setPropPicture(Prop::Flower, 2);
    } else if (d >= 6 && d <= 9) {
        s.setPropPicture(Prop::Flower, 3);
    } else if (d >= 10) {
        if (m.Flowekind == 0) {
            m.Flowekind = qint16(draw(5));
            m_ctx.memory.saveKey(QStringLiteral("Flowekind"));
        }
        s.setPropPicture(Prop::Flower, m.Flowekind + 3);
        if (d >= 20) {
            // The blossom is shown this once more; then the plant is gone.
            m.Flowekind = 0;
            m.Flowerday = -1;
            m_ctx.memory.saveKey(QStringLiteral("Flowekind"));
        }
    }
    m_ctx.memory.saveKey(QStringLiteral("Flowerday"));
}

void Engine::maybeDeliverPresent()
{
    Memory &m = m_ctx.mem();
    if (m.Totalpreno >= 15)
        return;
    const qint16 lv = m.Loveval;
    const int n = lv < 50 ? 100 : lv < 60 ? 50 : lv < 100 ? 25 : 10;
    for (;;) {
        if (draw(n) != 1)
            return;
        const int k = draw(15);
        if (m.Preflag[k] == 1)
            continue;
        deliverPresent(k);
        return;
    }
}

namespace {
bool plainFileName(const QString &name)
{
    if (name.isEmpty() || name == u"." || name == u".." || name.contains(u'/') || name.contains(u'\\')
        || name.contains(u':') || name.contains(QChar(0)))
        return false;
    return true;
}
} // namespace

bool Engine::deliverPresent(int k)
{
    Memory &m = m_ctx.mem();
    const PresentFile &pf = m_ctx.tables.present[k];
    if (!plainFileName(pf.stored) || !plainFileName(pf.delivered)) {
        qCWarning(lcEvents) << "present" << k << "has no usable file name; not delivered";
        return false;
    }
    const QString from = m_ctx.datDir + u'/' + pf.stored;
    if (m_ctx.desktopDir.isEmpty()) {
        qCWarning(lcEvents) << "no desktop folder; present" << k << "not delivered";
        return false;
    }
    QDir().mkpath(m_ctx.desktopDir);
    const QString to = m_ctx.desktopDir + u'/' + pf.delivered;
    // A file of that name on the desktop is the user's: never overwrite it, nor follow a link.
    if (QFileInfo::exists(to) || QFileInfo(to).isSymLink()) {
        qCWarning(lcEvents) << "a file is already on the desktop, present not delivered:" << to;
        return false;
    }
    if (!QFile::copy(from, to)) {
        qCWarning(lcEvents) << "present file could not be copied:" << from << "to" << to;
        return false;
    }
    m.Totalpreno = values::add16(m.Totalpreno, 1);
    m_ctx.memory.saveKey(QStringLiteral("Totalpreno"));
    m.Preflag[k] = 1;
    m_ctx.memory.saveInt(QStringLiteral("Preflag%1").arg(k), 1);
    if (m_ctx.trace)
        m_ctx.trace->presentDelivered(k);
    return true;
}
