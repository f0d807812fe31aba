#include "dayclock.h"

#include "common/values.h"
#include "memory.h"
#include "runtime.h"
#include "scene.h"

#include <QTimeZone>
#include <algorithm>

namespace {
const QString kGermanTip = QStringLiteral("ドイツの時間だよ");
const QString kGermanYesterdayTip = QStringLiteral("ドイツの時間だよ、ドイツではまだ日付がかわってないんだ");
const char *const kWeekdays[] = {"", "月", "火", "水", "木", "金", "土", "日"};

struct Festival {
    int month, from, to;
    Activity activity;
    int fromHour;     // the pet chats in it from this hour on
    bool inHourTable; // the hour table plans the day differently
};
const Festival kFestivals[] = {
    {1, 1, 3, Activity::NewYear, 0, true},
    {2, 2, 4, Activity::BeanThrowing, 0, true},
    {3, 3, 5, Activity::DollFestival, 0, true},
    {5, 5, 7, Activity::CarpStreamers, 0, true},
    {9, 15, 17, Activity::MoonViewing, 18, true}, // in the evening
    {12, 23, 25, Activity::Christmas, 0, false},
};

// "9:05": the hour as it is, the minute in two digits.
QString clockText(const QTime &t)
{
    QString text = QString::number(t.hour()) + u':';
    if (t.minute() < 10)
        text += u'0';
    return text + QString::number(t.minute());
}
} // namespace

QDateTime DayClock::germanTime(const QDateTime &local)
{
    static const QTimeZone berlin("Europe/Berlin");
    return local.toTimeZone(berlin);
}

bool DayClock::isFestivalDay(int month, int day)
{
    for (const Festival &f : kFestivals)
        if (f.inHourTable && f.month == month && day >= f.from && day <= f.to)
            return true;
    return false;
}

std::optional<Activity> DayClock::festivalActivity(int month, int day, int hour)
{
    for (const Festival &f : kFestivals)
        if (f.month == month && day >= f.from && day <= f.to && hour >= f.fromHour)
            return f.activity;
    return std::nullopt;
}

void DayClock::startCountingAway() { m_rt.minutesAway = 0; }

const DayClock::MinuteView &DayClock::minuteView(const QDateTime &now)
{
    const qint64 key = now.toSecsSinceEpoch() / 60;
    if (key != m_view.key) {
        const QDateTime g = germanTime(now);
        m_view.key = key;
        m_view.localHour = now.time().hour();
        m_view.germanHour = g.time().hour();
        m_view.germanMinute = g.time().minute();
        m_view.germanYesterday = g.date() < now.date();
        m_view.timelag = (now.offsetFromUtc() - g.offsetFromUtc()) / 3600;
    }
    return m_view;
}

QDateTime DayClock::instant(qint64 ms) const
{
    const QDateTime now = m_clock.now();
    return now.addMSecs(ms - now.toMSecsSinceEpoch());
}

void DayClock::takeGermanHour()
{
    const MinuteView &v = minuteView(m_clock.now());
    m_rt.hoursAheadOfGermany = qint16(v.timelag);
    m_rt.hour = qint16(v.germanHour);
}

void DayClock::refreshHour()
{
    if (m_memory.m.option1)
        takeGermanHour();
    else
        m_rt.hour = qint16(minuteView(m_clock.now()).localHour);
}

void DayClock::refreshMinute()
{
    const QDateTime now = m_clock.now();
    m_rt.minute = qint16(m_memory.m.option1 ? minuteView(now).germanMinute : now.time().minute());
}

void DayClock::refreshDate()
{
    const QDate d = m_clock.now().date();
    m_rt.month = qint16(d.month());
    m_rt.day = qint16(d.day());
}

void DayClock::refreshLabels() { labels(m_clock.now()); }

void DayClock::labels(const QDateTime &now)
{
    const MinuteView &v = minuteView(now);
    m_labelKey = v.key;
    const QDate d = now.date();
    // Plain digits, none of the locale's formatting: this runs every minute.
    m_scene.setLabel(Label::Date, QString::number(d.month()) + u'月' + QString::number(d.day()) + QStringLiteral("日 (")
                                      + QString::fromUtf8(kWeekdays[d.dayOfWeek()]) + u')');
    m_scene.setLabel(Label::Time, clockText(now.time()));

    // Germany's clock from the real time-zone rules; "Gestern" while its date lags behind ours.
    m_scene.setSummerMarkVisible(true);
    const QString hm = clockText(QTime(v.germanHour, v.germanMinute));
    if (v.germanYesterday) {
        m_scene.setLabel(Label::GermanTime, QStringLiteral("Gestern ") + hm);
        m_scene.setGermanTimeToolTip(kGermanYesterdayTip);
    } else {
        m_scene.setLabel(Label::GermanTime, hm);
        m_scene.setGermanTimeToolTip(kGermanTip);
    }
}

bool DayClock::countSecond()
{
    m_rt.secondsIntoMinute += 1;
    if (m_rt.secondsIntoMinute < 60)
        return false;
    m_rt.secondsIntoMinute = 0;
    return true;
}

bool DayClock::countPresentMinute()
{
    Memory &m = m_memory.m;
    // Outside the day hours the counter keeps growing; it stops at the top instead of overflowing.
    m.Precount = values::add16(m.Precount, 1);
    m_memory.saveKey(QStringLiteral("Precount"));
    if (m.Precount >= 60 && m_rt.hour >= 9 && m_rt.hour <= 20) {
        m.Precount = 0;
        return true;
    }
    return false;
}

void DayClock::countMinute(const QDateTime &now)
{
    Memory &m = m_memory.m;
    if (m_rt.userAway()) {
        m_rt.awayMinuteOdd += 1;
        if (m_rt.awayMinuteOdd >= 2) {
            m.Totaltime = values::add32(m.Totaltime, 1);
            m_rt.awayMinuteOdd = 0;
        }
    } else {
        m.Totaltime = values::add32(m.Totaltime, 1);
    }
    m_rt.minutesAway = values::add32(m_rt.minutesAway, 1);
    m_scene.setLabel(Label::TotalTime, values::zeroFilled(m.Totaltime, 7));
    m_memory.saveKey(QStringLiteral("Totaltime"));
    m_memory.keepDaysCurrent(now);
    const int today = now.date().day();
    if (m_rt.flowerDayMark == 0)
        m_rt.flowerDayMark = qint16(today);
    if (today != m_rt.flowerDayMark) {
        m.Flowerday = values::add16(m.Flowerday, 1);
        m_memory.saveKey(QStringLiteral("Flowerday"));
        m_rt.flowerDayMark = qint16(today);
    }
}

int DayClock::quietSeconds(qint64 nowMs, qint64 untilNext)
{
    // Within the minute already worked out the instant's place in it is all that is needed;
    // reckoning a date and time in the zone again would cost more than all the rest.
    const qint64 nextMs = nowMs + untilNext;
    const MinuteView &v = nextMs / 60000 == m_view.key && nextMs >= 0 ? m_view : minuteView(instant(nextMs));
    if (v.key != m_labelKey || m_rt.hour != (m_memory.m.option1 ? v.germanHour : v.localHour)
        || m_rt.hoursAheadOfGermany != v.timelag)
        return 0;
    // The seconds left in the labels' minute, counting the one at the next firing.
    const qint64 toNextMinute = 60000 - nextMs % 60000;
    const qint64 inThisMinute = (toNextMinute + 999) / 1000;
    return int(std::clamp<qint64>(inThisMinute, 0, 59 - m_rt.secondsIntoMinute));
}

bool DayClock::minuteDue() const { return m_rt.secondsIntoMinute + 1 >= 60; }

void DayClock::followClock(const QDateTime &now)
{
    // The labels follow their own minute: the choice of an activity may already have read this one.
    const MinuteView &v = minuteView(now);
    if (v.key != m_labelKey)
        labels(now);
    m_rt.hour = qint16(m_memory.m.option1 ? v.germanHour : v.localHour);
    m_rt.hoursAheadOfGermany = qint16(v.timelag);
}
