// The pet's hours and days: in which hours of the day Play and Presents are on offer, and on which
// days each festival begins and ends (the first and the last day of each, and the days around).
#include "lifefixture.h"
#include "pet/model/activity.h"

using namespace life;

class CalendarTest : public QObject
{
    Q_OBJECT

private slots:
    void playAndPresentsFollowTheFreeHours_data();
    void playAndPresentsFollowTheFreeHours();
    void festivalsRunFromTheirFirstToTheirLastDay_data();
    void festivalsRunFromTheirFirstToTheirLastDay();
};

// Guards against an hour lost from (or added to) the pet's free hours, in which the buttons
// refresh offers Play and Presents whatever the pet does: 9, 10, 11, 13, 14, 16, 17, 19 and 20.
// Outside them, while the pet reads, both are withdrawn. Leave is on offer from 9 to 20. A
// studying pet keeps Play withdrawn in every hour, and a baking or fortune-telling pet both: the
// minute's refresh does not light them up between two of the activity's steps.
void CalendarTest::playAndPresentsFollowTheFreeHours_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<bool>("free");
    const QList<int> free{9, 10, 11, 13, 14, 16, 17, 19, 20};
    for (int h = 0; h < 24; ++h)
        QTest::newRow(qPrintable(QStringLiteral("%1:30").arg(h))) << h << free.contains(h);
}

void CalendarTest::playAndPresentsFollowTheFreeHours()
{
    QFETCH(int, hour);
    QFETCH(bool, free);
    using enum Activity;
    for (Activity activity : {Reading, Studying, BakingSecond, FortuneResult}) {
        for (bool before : {false, true}) {
            Life l(on(hour, 30));
            l.rnd.seed(7);
            l.start(number(activity));
            for (Button b : {Button::Present, Button::Hobby})
                l.buttons().setAvailable(b, before);
            l.buttons().refreshButtons();
            const bool reading = activity == Reading;
            QCOMPARE(l.available(Button::Present), free && activity != BakingSecond && activity != FortuneResult);
            QCOMPARE(l.available(Button::Hobby), free && reading);
            QCOMPARE(l.available(Button::Leave), hour >= 9 && hour <= 20);
        }
    }
}

// Guards against a festival that starts late or ends early: on each festival day the festival
// table weighs the hour's choice and the chat picker starts the festival's own activity (the
// moon viewing from 18 o'clock); the day before and the day after are ordinary days.
void CalendarTest::festivalsRunFromTheirFirstToTheirLastDay_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("event"); // 0: an ordinary chat
    QTest::addColumn<bool>("festday");
    struct Festival {
        const char *name;
        int month, first, last, event;
        bool weighsTheHours;
    };
    const Festival festivals[] = {
        {"new year", 1, 1, 3, 1001, true},  {"setsubun", 2, 2, 4, 1002, true},
        {"dolls", 3, 3, 5, 1003, true},     {"children", 5, 5, 7, 1004, true},
        {"moon", 9, 15, 17, 1005, true},    {"christmas", 12, 23, 25, 1006, false},
    };
    for (const Festival &f : festivals) {
        const QDate first(2026, f.month, f.first);
        const QDate last(2026, f.month, f.last);
        const auto row = [&](const char *when, const QDate &d, bool in) {
            QTest::addRow("%s %s", f.name, when) << d << (in ? f.event : 0) << (in && f.weighsTheHours);
        };
        row("day before", first.addDays(-1), false);
        row("first day", first, true);
        row("middle day", first.addDays(1), true);
        row("last day", last, true);
        row("day after", last.addDays(1), false);
    }
}

void CalendarTest::festivalsRunFromTheirFirstToTheirLastDay()
{
    QFETCH(QDate, date);
    QFETCH(int, event);
    QFETCH(bool, festday);
    QCOMPARE(DayClock::isFestivalDay(date.month(), date.day()), festday);
    Life l(QDateTime(date, QTime(19, 0)), {{QStringLiteral("Loveval"), QStringLiteral("70")}});
    l.rnd.seed(5);
    l.engine().pick(Picker::Talk);
    if (event != 0)
        QCOMPARE(int(l.rt().activity), event);
    else
        QVERIFY2(l.rt().activity == 1 || l.rt().activity == 2, qPrintable(QString::number(l.rt().activity)));
}

QTEST_GUILESS_MAIN(CalendarTest)
#include "tst_calendar.moc"
