#include "engine.h"

#include "common/logging.h"
#include "common/values.h"
#include "events.h"
#include "hourtable.h"
#include "pet/core/buttons.h"
#include "pet/core/interaction.h"
#include "pet/core/presentation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTimeZone>

namespace {
const QString kGermanTip = QStringLiteral("ドイツの時間だよ");
const QString kGermanYesterdayTip = QStringLiteral("ドイツの時間だよ、ドイツではまだ日付がかわってないんだ");
const char *const kWeekdays[] = {"", "月", "火", "水", "木", "金", "土", "日"};
} // namespace

Engine::Engine(PetContext &ctx) : m_ctx(ctx)
{
    Timers &t = ctx.timers;
    m_nextibenttimer = t.create([this] { tick(); });
    m_ibenttimer = t.create([this] { Doibent(); });
    m_anim[int(Anim::Awa)] = t.create([this] { awaStep(); });
    m_anim[int(Anim::Water)] = t.create([this] { waterStep(); });
    m_anim[int(Anim::Tv)] = t.create([this] { tvStep(); });
    m_anim[int(Anim::Comp)] = t.create([this] { compStep(); });
    m_anim[int(Anim::Susuki)] = t.create([this] { susukiStep(); });
    m_anim[int(Anim::Mini4wd)] = t.create([this] { mini4wdStep(); });
    m_anim[int(Anim::Rase1)] = t.create([this] { rase1Step(); });
    m_anim[int(Anim::Rase2)] = t.create([this] { rase2Step(); });
    t.setInterval(m_nextibenttimer, 1000);
    // The step timer is enabled from the start with interval 0: it fires once an event sets one.
    t.setEnabled(m_ibenttimer, true);
    const int intervals[] = {1000, 1000, 3000, 5000, 2000, 100, 50, 200};
    for (int i = 0; i < 8; ++i)
        t.setInterval(m_anim[i], intervals[i]);
}

void Engine::refreshClockLabels() { clockLabels(m_ctx.clock.now()); }

void Engine::setTickEnabled(bool on) { m_ctx.timers.setEnabled(m_nextibenttimer, on); }
bool Engine::tickEnabled() const { return m_ctx.timers.isEnabled(m_nextibenttimer); }

QDateTime Engine::germanTime(const QDateTime &local)
{
    static const QTimeZone berlin("Europe/Berlin");
    return local.toTimeZone(berlin);
}

bool Engine::Festday(int month, int day)
{
    return (month == 1 && day >= 1 && day <= 3) || (month == 2 && day >= 2 && day <= 4)
           || (month == 3 && day >= 3 && day <= 5) || (month == 5 && day >= 5 && day <= 7)
           || (month == 9 && day >= 15 && day <= 17);
}

void Engine::tick()
{
    Runtime &rt = m_ctx.rt;
    const QDateTime now = m_ctx.clock.now();
    rt.Secondtick += 1;
    if (rt.Secondtick >= 60) {
        rt.Secondtick = 0;
        minuteSteps(now);
    }
    // The labels follow their own minute: the choice of an event may already have read this one.
    const MinuteView &v = minuteView(now);
    if (v.key != m_labelKey)
        clockLabels(now);
    rt.Nowhour = qint16(m_ctx.mem().option1 ? v.germanHour : v.localHour);
    rt.Timelag = qint16(v.timelag);

    if (rt.Ibentlimit == 0)
        return;
    if (rt.Ibentcount < rt.Ibentlimit) {
        rt.Ibentcount += 1;
        return;
    }
    const qint16 ended = rt.Ibentno;
    CReset();
    Clearfun();
    followUp(ended);
}

const Engine::MinuteView &Engine::minuteView(const QDateTime &now)
{
    const qint64 key = now.toSecsSinceEpoch() / 60;
    if (key != m_view.key) {
        const QDateTime g = germanTime(now);
        m_view.key = key;
        m_view.localHour = now.time().hour();
        m_view.germanHour = g.time().hour();
        m_view.germanMinute = g.time().minute();
        m_view.timelag = (now.offsetFromUtc() - g.offsetFromUtc()) / 3600;
    }
    return m_view;
}

void Engine::minuteSteps(const QDateTime &now)
{
    Runtime &rt = m_ctx.rt;
    Memory &m = m_ctx.mem();
    // The minute's keys go to the store in one write.
    const SettingsStore::Batch batch(m_ctx.store);
    // Outside the day hours the counter keeps growing; it stops at the top instead of overflowing.
    m.Precount = values::add16(m.Precount, 1);
    m_ctx.memory.saveKey(QStringLiteral("Precount"));
    if (m.Precount >= 60 && rt.Nowhour >= 9 && rt.Nowhour <= 20) {
        m.Precount = 0;
        Presentcheck();
    }
    m_ctx.buttons->Btncheckfun();
    if (rt.userAway()) {
        rt.Leavetick += 1;
        if (rt.Leavetick >= 2) {
            m.Totaltime = values::add32(m.Totaltime, 1);
            rt.Leavetick = 0;
        }
    } else {
        m.Totaltime = values::add32(m.Totaltime, 1);
    }
    rt.Awaytime = values::add32(rt.Awaytime, 1);
    m_ctx.scene.setLabel(Label::TotalTime, values::zeroFilled(m.Totaltime, 7));
    m_ctx.memory.saveKey(QStringLiteral("Totaltime"));
    m_ctx.memory.keepDaysCurrent(now);
    m_ctx.presentation->Intolovavalfun();
    const int today = now.date().day();
    if (rt.Flowermark == 0)
        rt.Flowermark = qint16(today);
    if (today != rt.Flowermark) {
        m.Flowerday = values::add16(m.Flowerday, 1);
        m_ctx.memory.saveKey(QStringLiteral("Flowerday"));
        rt.Flowermark = qint16(today);
    }
}

void Engine::clockLabels(const QDateTime &now)
{
    m_labelKey = minuteView(now).key;
    Scene &s = m_ctx.scene;
    const QDate d = now.date();
    s.setLabel(Label::Date, QStringLiteral("%1月%2日 (%3)").arg(d.month()).arg(d.day())
                                .arg(QString::fromUtf8(kWeekdays[d.dayOfWeek()])));
    const QTime t = now.time();
    s.setLabel(Label::Time, QStringLiteral("%1:%2").arg(t.hour()).arg(t.minute(), 2, 10, QLatin1Char('0')));

    // Germany's clock from the real time-zone rules; "Gestern" while its date lags behind ours.
    const QDateTime g = germanTime(now);
    s.setSummerMarkVisible(true);
    const QString hm = QStringLiteral("%1:%2").arg(g.time().hour()).arg(g.time().minute(), 2, 10, QLatin1Char('0'));
    if (g.date() < d) {
        s.setLabel(Label::GermanTime, QStringLiteral("Gestern ") + hm);
        s.setGermanTimeToolTip(kGermanYesterdayTip);
    } else {
        s.setLabel(Label::GermanTime, hm);
        s.setGermanTimeToolTip(kGermanTip);
    }
}

void Engine::Germanhour()
{
    const MinuteView &v = minuteView(m_ctx.clock.now());
    m_ctx.rt.Timelag = qint16(v.timelag);
    m_ctx.rt.Nowhour = qint16(v.germanHour);
}

void Engine::refreshNowhour()
{
    if (m_ctx.mem().option1)
        Germanhour();
    else
        m_ctx.rt.Nowhour = qint16(minuteView(m_ctx.clock.now()).localHour);
}

void Engine::Setibent(qint16 n)
{
    m_ctx.rt.Ibentno = n;
    if (m_ctx.trace)
        m_ctx.trace->eventStarted(n);
    Doibent();
}

void Engine::CReset()
{
    m_ctx.rt.Ibentcount = 0;
    m_ctx.rt.Ibentstep = 0;
}

void Engine::Doibent()
{
    if (EventProc p = eventProcedure(m_ctx.rt.Ibentno))
        p(*this);
}

void Engine::Setibenttimer(int ms)
{
    Timers &t = m_ctx.timers;
    t.setEnabled(m_ibenttimer, false);
    t.setInterval(m_ibenttimer, ms);
    t.setEnabled(m_ibenttimer, true);
}

int Engine::stepInterval() const { return m_ctx.timers.interval(m_ibenttimer); }

bool Engine::Chanceibent(int r, qint16 n)
{
    if (!m_ctx.rt.userAway() && r == 1 && m_ctx.rt.Talkflag == 0) {
        CReset();
        Setibent(n);
        return true;
    }
    return false;
}

qint32 Engine::Nightlength()
{
    // Reckoned from the clock now: after bedtime the minute of the last hour's choice is stale,
    // and the pet would sleep far past a few minutes after eight.
    Runtime &rt = m_ctx.rt;
    refreshNowhour();
    const MinuteView &v = minuteView(m_ctx.clock.now());
    rt.Nowminute = qint16(m_ctx.mem().option1 ? v.germanMinute : m_ctx.clock.now().time().minute());
    const qint32 h = (rt.Nowhour >= 0 && rt.Nowhour <= 7) ? 8 - rt.Nowhour : 24 - rt.Nowhour + 8;
    return h * 3600 - qint32(rt.Nowminute) * 60 + qint32(draw(5)) * 60;
}

// The flag says this hour's meal or sweets are over. It only holds for the hour it was set in: a
// rest cut short by a question would otherwise leave it set and cost the pet its later meals.
void Engine::setRestflag()
{
    m_ctx.rt.Restflag = 1;
    m_ctx.rt.restHour = m_ctx.rt.Nowhour;
}

void Engine::restToTheHour()
{
    Runtime &rt = m_ctx.rt;
    setRestflag();
    rt.Ibentlimit = draw(5) * 60 + (60 - rt.Nowminute) * 60;
    pick(Picker::Rest);
}

void Engine::Firstsetibent()
{
    Runtime &rt = m_ctx.rt;
    const QDateTime now = m_ctx.clock.now();
    rt.Nowmonth = qint16(now.date().month());
    rt.Nowday = qint16(now.date().day());
    rt.Nowminute = qint16(now.time().minute());
    refreshNowhour();
    if (m_ctx.mem().option1)
        rt.Nowminute = qint16(minuteView(now).germanMinute);
    m_ctx.buttons->Btncheckfun();
    if (rt.Restflag == 1 && rt.restHour != rt.Nowhour)
        rt.Restflag = 0;

    const HourAction a = chooseHourAction(rt.Nowhour, rt.Nowminute, rt.Restflag == 1,
                                          Festday(rt.Nowmonth, rt.Nowday),
                                          [this](int n) { return draw(n); });
    switch (a.kind) {
    case HourAction::Night:
        rt.Ibentlimit = Nightlength();
        pick(Picker::Sleep);
        break;
    case HourAction::RestToHour:
        restToTheHour();
        break;
    case HourAction::Start:
        if (a.limit > 0)
            rt.Ibentlimit = a.limit;
        Setibent(a.event);
        break;
    case HourAction::RestAndStart:
        setRestflag();
        Setibent(a.event);
        break;
    case HourAction::Pick:
        if (a.limit > 0)
            rt.Ibentlimit = a.limit;
        else if (a.limit == HourAction::kShort)
            rt.Ibentlimit = draw(5) * 60;
        pick(a.picker);
        break;
    }
}

void Engine::followUp(qint16 ended)
{
    Runtime &rt = m_ctx.rt;
    auto next = [this](qint16 n) { Setibent(n); };
    switch (ended) {
    case 0:
        m_ctx.presentation->Form4closefun();
        Firstsetibent();
        return;
    case 7: case 8: case 9: case 10:
        pick(Picker::Wakeup);
        return;
    case 11: case 12: case 13:
        next(14);
        return;
    case 14:
        next(15);
        return;
    case 15:
        next(rt.Nowhour == 21 ? 55 : 161);
        return;
    case 161:
        next(rt.Nowhour == 21 ? 15 : 162);
        return;
    case 162:
        next(rt.Nowhour == 21 ? 161 : 163);
        return;
    case 163:
        next(171);
        return;
    case 171:
        next(172);
        return;
    case 172:
        pick(Picker::Meal);
        return;
    case 18: case 19: case 20: case 21:
        setRestflag();
        next(221);
        return;
    case 221:
        next(222);
        return;
    case 222:
        rt.Ibentlimit = draw(5) * 60 + (60 - rt.Nowminute) * 60;
        pick(Picker::Rest);
        return;
    case 23: case 24: case 25:
        rt.Restflag = 0;
        Firstsetibent();
        return;
    case 26:
        if (rt.Talkflag == 1)
            next(56);
        else if (rt.Talkflag >= 2)
            next(57);
        else
            Firstsetibent();
        return;
    case 31: case 32: case 33:
        next(34);
        return;
    case 34:
        pick(Picker::Bedtime);
        return;
    case 35:
        // The draw is only made when the friendship is high enough.
        if (m_ctx.mem().Loveval > 60 && draw(10) == 1) {
            next(52);
        } else {
            rt.Ibentlimit = Nightlength();
            pick(Picker::Sleep);
        }
        return;
    case 38:
        next(39);
        return;
    case 491: case 492: case 493: case 494:
        next(qint16(ended + 1));
        return;
    case 501:
        m_ctx.presentation->Form4closefun();
        next(502);
        return;
    case 502:
        next(503);
        return;
    case 51:
        rt.Talkflag = 0;
        m_ctx.presentation->Form3closefun();
        rt.Ibentlimit = 600;
        next(26);
        return;
    case 58: case 59: case 60:
        rt.Talkflag = 0;
        m_ctx.presentation->Form3closefun();
        rt.Ibentlimit = 600;
        Firstsetibent();
        return;
    case 52:
        m_ctx.presentation->Form4closefun();
        rt.Ibentlimit = Nightlength();
        pick(Picker::Sleep);
        return;
    case 53:
        rt.Ibentlimit = Nightlength();
        next(9);
        return;
    case 55:
        pick(Picker::Bath);
        return;
    case 631:
        next(632);
        return;
    case 641: case 642: case 643:
        next(qint16(ended + 1));
        return;
    case 651:
        next(qint16(651 + draw(3)));
        return;
    case 56: case 57: case 503:
        rt.Talkflag = 0;
        m_ctx.presentation->Form4closefun();
        Firstsetibent();
        return;
    default:
        Firstsetibent();
        return;
    }
}

void Engine::pick(Picker p)
{
    Runtime &rt = m_ctx.rt;
    const Memory &m = m_ctx.mem();
    Buttons &b = *m_ctx.buttons;
    switch (p) {
    case Picker::Sleep:
        b.Btnofffun();
        for (;;) {
            const int r = draw(5);
            if (r == 1) return Setibent(7);
            if (r == 2) return Setibent(8);
            if (r == 3 && m.Loveval >= 60) return Setibent(9);
            if (r >= 4 && m.Item[1] == 3) return Setibent(10);
        }
    case Picker::Wakeup:
        b.Btnofffun();
        for (;;) {
            const int r = draw(3);
            if (r == 1) return Setibent(11);
            if (r == 2 && m.Loveval <= 39) return Setibent(12);
            if (r == 3) return Setibent(13);
        }
    case Picker::Meal:
        b.Btnofffun();
        return Setibent(qint16(17 + draw(3)));
    case Picker::Rest:
        b.Btnonfun();
        return Setibent(qint16(22 + draw(3)));
    case Picker::Bath:
        b.Btnofffun();
        return Setibent(qint16(30 + draw(3)));
    case Picker::Bedtime:
        b.Btnofffun();
        for (;;) {
            const int r = draw(2);
            if (r == 1) return Setibent(35);
            if (r == 2 && m.Loveval >= 60) return Setibent(53);
        }
    case Picker::Hobby: {
        refreshNowhour();
        for (;;) {
            const int r = draw(24);
            qint16 n = 0;
            switch (r) {
            case 1: case 14: if (m.Item[1] == 3) n = 36; break;
            case 2: if (m.Item[1] == 3) n = 37; break;
            case 3: case 15: if (m.Item[2] == 3) n = 38; break;
            case 4: case 16:
                if (m.Item[3] == 3)
                    n = (draw(2) == 1 && m.Flowerday >= 0 && m.Flowerday <= 2) ? 41 : 40;
                break;
            case 5: if (m.Item[4] == 3) n = 42; break;
            case 6: if (m.Item[5] == 3) n = 43; break;
            case 7: if (m.Item[6] == 3) n = 44; break;
            case 8: n = 45; break;
            case 9: n = 46; break;
            case 10: if (rt.Nowhour <= 18) n = 47; break;
            case 11: n = 48; break;
            case 12: case 17: if (m.Loveval >= 80) n = 491; break;
            case 13: case 18: if (m.Loveval >= 100) n = 501; break;
            case 19: case 22: if (m.Item[7] == 3) n = 631; break;
            case 20: if (m.Item[8] == 3) n = 641; break;
            case 21: case 23: case 24: if (m.Item[9] == 3) n = 651; break;
            default: break;
            }
            if (n == 0)
                continue;
            Setibent(n);
            // A visit opens with the visitors' own lines, as if the pet had been clicked.
            if (n == 631 || n == 651)
                m_ctx.interaction->picMain_Click();
            return;
        }
    }
    case Picker::Talk: {
        b.Btnonfun();
        const QDateTime now = m_ctx.clock.now();
        rt.Nowmonth = qint16(now.date().month());
        rt.Nowday = qint16(now.date().day());
        refreshNowhour();
        const int mo = rt.Nowmonth, d = rt.Nowday;
        if (mo == 1 && d >= 1 && d <= 3) return Setibent(1001);
        if (mo == 2 && d >= 2 && d <= 4) return Setibent(1002);
        if (mo == 3 && d >= 3 && d <= 5) return Setibent(1003);
        if (mo == 5 && d >= 5 && d <= 7) return Setibent(1004);
        if (mo == 9 && d >= 15 && d <= 17 && rt.Nowhour > 17) return Setibent(1005);
        if (mo == 12 && d >= 23 && d <= 25) return Setibent(1006);
        if (m.Loveval >= 60) return Setibent(qint16(draw(2)));
        if (m.Loveval < 41) return Setibent(qint16(4 + draw(2)));
        return Setibent(qint16(2 + draw(2)));
    }
    }
}

int Engine::timerOf(Anim a) const { return m_anim[int(a)]; }

void Engine::Clearfun()
{
    Scene &s = m_ctx.scene;
    Timers &t = m_ctx.timers;
    auto running = [&](Anim a) { return t.isEnabled(timerOf(a)); };
    if (s.prop(Prop::Flower).visible)
        s.setPropVisible(Prop::Flower, false);
    if (running(Anim::Mini4wd)) {
        t.stop(timerOf(Anim::Mini4wd));
        s.setPropVisible(Prop::Mini4wd, false);
        s.moveProp(Prop::Mini4wd, 62, 185);
    }
    if (running(Anim::Water)) {
        t.stop(timerOf(Anim::Water));
        s.setPropVisible(Prop::Water, false);
    }
    if (running(Anim::Tv)) {
        t.stop(timerOf(Anim::Tv));
        s.setPropVisible(Prop::Tv, false);
    }
    if (running(Anim::Comp)) {
        t.stop(timerOf(Anim::Comp));
        s.setPropVisible(Prop::Comp, false);
    }
    if (running(Anim::Susuki)) {
        t.stop(timerOf(Anim::Susuki));
        s.setPropVisible(Prop::Susuki, false);
    }
    if (running(Anim::Awa)) {
        t.stop(timerOf(Anim::Awa));
        s.setPropVisible(Prop::Awa1, false);
        s.setPropVisible(Prop::Awa2, false);
    }
    if (running(Anim::Rase1)) {
        t.stop(timerOf(Anim::Rase1));
        s.setPropVisible(Prop::Berg, false);
        s.setPropVisible(Prop::Othermachine, false);
        s.moveProp(Prop::Berg, s.prop(Prop::Berg).x, 184);
        s.moveProp(Prop::Othermachine, s.prop(Prop::Othermachine).x, 188);
    }
    if (running(Anim::Rase2)) {
        t.stop(timerOf(Anim::Rase2));
        s.setPropVisible(Prop::Mini4wd, false);
        s.moveProp(Prop::Mini4wd, s.prop(Prop::Mini4wd).x, 185);
    }
}

void Engine::Loadpic(const QString &strip) { m_ctx.scene.setStrip(strip); }
void Engine::Setframe(int n) { m_ctx.scene.setFrame(n); }
void Engine::beep()
{
    if (m_ctx.effects)
        m_ctx.effects->beep();
}

void Engine::startAnimation(Anim a) { m_ctx.timers.setEnabled(timerOf(a), true); }
bool Engine::animationRunning(Anim a) const { return m_ctx.timers.isEnabled(timerOf(a)); }

void Engine::Startawa(int x1, int y1, int x2, int y2)
{
    Scene &s = m_ctx.scene;
    s.moveProp(Prop::Awa1, x1, y1);
    s.moveProp(Prop::Awa2, x2, y2);
    s.setPropVisible(Prop::Awa1, true);
    s.setPropVisible(Prop::Awa2, true);
    startAnimation(Anim::Awa);
}

void Engine::awaStep()
{
    // Four phases that bring both bubbles back to where they started every four seconds.
    static const int d[4][4] = {{3, -5, -1, 2}, {3, 5, -1, -2}, {-3, -5, 1, 2}, {-3, 5, 1, -2}};
    Scene &s = m_ctx.scene;
    const int *p = d[m_awaPhase];
    s.moveProp(Prop::Awa1, s.prop(Prop::Awa1).x + p[0], s.prop(Prop::Awa1).y + p[1]);
    s.moveProp(Prop::Awa2, s.prop(Prop::Awa2).x + p[2], s.prop(Prop::Awa2).y + p[3]);
    m_awaPhase = (m_awaPhase + 1) % 4;
}

void Engine::waterStep()
{
    Scene &s = m_ctx.scene;
    const PropState &w = s.prop(Prop::Water);
    s.moveProp(Prop::Water, w.x, m_waterToggle ? w.y - 5 : w.y + 5);
    m_waterToggle = !m_waterToggle;
}

void Engine::tvStep() { m_ctx.scene.setPropPicture(Prop::Tv, draw(5)); }
void Engine::compStep() { m_ctx.scene.setPropPicture(Prop::Comp, draw(4)); }

void Engine::susukiStep()
{
    Scene &s = m_ctx.scene;
    if (m_susukiToggle) {
        m_susukiToggle = false;
        s.setPropPicture(Prop::Susuki, 1);
    } else if (draw(3) == 1) {
        m_susukiToggle = true;
        s.setPropPicture(Prop::Susuki, 2);
    }
}

void Engine::mini4wdStep()
{
    Scene &s = m_ctx.scene;
    const PropState &c = s.prop(Prop::Mini4wd);
    const int width = propDesignPlace(Prop::Mini4wd).w;
    if (c.x >= -10 * width)
        s.moveProp(Prop::Mini4wd, c.x - 32, c.y);
    else
        s.moveProp(Prop::Mini4wd, 220, c.y);
}

void Engine::rase1Step()
{
    Scene &s = m_ctx.scene;
    s.moveProp(Prop::Berg, s.prop(Prop::Berg).x, s.prop(Prop::Berg).y + 5);
    s.moveProp(Prop::Othermachine, s.prop(Prop::Othermachine).x, s.prop(Prop::Othermachine).y + 3);
}

void Engine::rase2Step()
{
    Scene &s = m_ctx.scene;
    const PropState &c = s.prop(Prop::Mini4wd);
    s.moveProp(Prop::Mini4wd, c.x, m_raseToggle ? c.y + 3 : c.y - 3);
    m_raseToggle = !m_raseToggle;
}

void Engine::Setflower()
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

void Engine::Presentcheck()
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
