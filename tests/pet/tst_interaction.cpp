// What the user does in the pet window: which buttons are available when, what a click on the
// pet opens, the Hobby button, house-sitting and its return, the running time while away, and
// the save at exit.
#include "lifefixture.h"

using namespace life;

class InteractionTest : public QObject
{
    Q_OBJECT

private slots:
    void nightButtonsFollowTheRunningEvent_data();
    void nightButtonsFollowTheRunningEvent();
    void runningGameLeavesPresentAndHobbyAlone();
    void anActivityStartedOnDemandSetsTheButtonsAtOnce();
    void awayKeepsPresentAndHobbyOff();
    void awayInTheEveningTheProgramMayCloseAtNight();
    void clickOpensTheEventsLineSet_data();
    void clickOpensTheEventsLineSet();
    void clickIsIgnoredWhileAwayOrWhileAShortLineShows();
    void livingOnGermanTimeTheClickUsesTheGermanHour();
    void hobbyButtonAsksToPlayWithoutRestartingTheCountdown();
    void leavingLocksTheWindowUntilTheUserIsBack();
    void returnGreetingKnowsHowLongTheUserWasAway_data();
    void returnGreetingKnowsHowLongTheUserWasAway();
    void runningTimeGrowsAtHalfSpeedWhileAway();
    void exitSaveWritesLastdayOnlyWithTheSeeds();
};

// Guards against the night rule: at 22:00 Leave is unavailable, and Present and Hobby are
// available only during a chat (1..6) or a rest (23..25).
void InteractionTest::nightButtonsFollowTheRunningEvent_data()
{
    QTest::addColumn<int>("event");
    QTest::addColumn<bool>("open");
    for (int n : {1, 6, 23, 25})
        QTest::newRow(qPrintable(QStringLiteral("event %1").arg(n))) << n << true;
    for (int n : {0, 7, 22, 26, 35, 52})
        QTest::newRow(qPrintable(QStringLiteral("event %1").arg(n))) << n << false;
}

void InteractionTest::nightButtonsFollowTheRunningEvent()
{
    QFETCH(int, event);
    QFETCH(bool, open);
    Life l(on(22));
    l.rnd.seed(quint64(event) + 1);
    l.start(qint16(event));
    for (Button b : {Button::Present, Button::Hobby})
        l.buttons().setAvailable(b, !open);
    l.buttons().refreshButtons();
    QCOMPARE(l.available(Button::Present), open);
    QCOMPARE(l.available(Button::Hobby), open);
    QVERIFY(!l.available(Button::Leave));
    QVERIFY(l.available(Button::End));
    QVERIFY(l.available(Button::Option));
}

// Guards against an activity started on demand (the demo option) showing the buttons of the one
// it replaced until the next minute: a chat at lunchtime opens Present and Hobby at once, and
// the meal started over it closes them again.
void InteractionTest::anActivityStartedOnDemandSetsTheButtonsAtOnce()
{
    Life l(on(12, 30));
    l.rnd.seed(5);
    l.start(18);
    l.buttons().refreshButtons();
    QVERIFY(!l.available(Button::Present));
    l.pet->startActivity(1);
    QCOMPARE(l.rt().activity, qint16(1));
    QVERIFY(l.available(Button::Present));
    QVERIFY(l.available(Button::Hobby));
    l.pet->startActivity(19);
    QCOMPARE(l.rt().activity, qint16(19));
    QVERIFY(!l.available(Button::Present));
    QVERIFY(!l.available(Button::Hobby));
}

// Guards against the button refresh reopening Present and Hobby while a game runs in the pet's
// free hours: it leaves them as they are.
void InteractionTest::runningGameLeavesPresentAndHobbyAlone()
{
    Life l(on(10));
    l.pet->playGame(1);
    QVERIFY(l.launcher.running());
    l.buttons().setAvailable(Button::Present, false);
    l.buttons().setAvailable(Button::Hobby, true);
    l.buttons().refreshButtons();
    QVERIFY(!l.available(Button::Present));
    QVERIFY(l.available(Button::Hobby));
    QVERIFY(l.available(Button::Leave));
}

// Guards against presents or games offered to a user who is not there: while away, unlockPresentAndHobby
// does nothing even in a free hour.
void InteractionTest::awayKeepsPresentAndHobbyOff()
{
    Life l(on(10));
    l.rnd.seed(3);
    l.interaction().clickLeave();
    l.buttons().unlockPresentAndHobby();
    l.buttons().refreshButtons();
    QVERIFY(!l.available(Button::Present));
    QVERIFY(!l.available(Button::Hobby));
    l.engine().setClockRunning(true);
    l.runMinutes(5);
    QVERIFY(!l.available(Button::Present));
    QVERIFY(!l.available(Button::Hobby));
}

// Guards against a user locked out at night: left in the evening and not back, the first minute
// after 21:00 makes Leave unavailable and End available, and the close is no longer refused.
void InteractionTest::awayInTheEveningTheProgramMayCloseAtNight()
{
    Life l(on(20, 57));
    l.rnd.seed(4);
    l.interaction().clickLeave();
    QVERIFY(!l.available(Button::End));
    QVERIFY(l.interaction().refuseClose());
    l.engine().setClockRunning(true);
    l.runMinutes(2);
    QVERIFY(l.interaction().refuseClose());
    l.runMinutes(2); // past 21:00
    QCOMPARE(l.rt().hour, 21);
    QVERIFY(!l.available(Button::Leave));
    QVERIFY(l.available(Button::End));
    QVERIFY(!l.interaction().refuseClose());
    QVERIFY(!l.available(Button::Option)); // only End comes back at night
}

// Guards against a click opening the wrong line set, or one that belongs to another hour: the
// whole click table, first matching row wins, the events without a row say nothing.
void InteractionTest::clickOpensTheEventsLineSet_data()
{
    QTest::addColumn<int>("event");
    QTest::addColumn<int>("hour");
    QTest::addColumn<QString>("lines");
    auto row = [](int n, int h, const QString &set) {
        QTest::addRow("%d at %d", n, h) << n << h << set;
    };
    const QString none;
    for (int n : {1, 2, 3, 4}) row(n, 10, "IntoformD1");
    for (int n : {0, 5, 6, 11, 12, 13, 41, 51, 52, 54, 56, 57, 58, 59, 60, 61, 62, 172, 503, 641, 642, 644})
        row(n, 10, none);
    row(14, 8, "IntoformD14");
    row(14, 9, none);
    row(15, 8, "IntoformD14");
    row(15, 21, "IntoformD55");
    row(15, 10, none);
    row(161, 8, "IntoformD14");
    row(161, 21, "IntoformD55");
    row(162, 21, "IntoformD55");
    row(163, 8, "IntoformD14");
    row(163, 21, none);
    row(55, 21, "IntoformD55");
    row(55, 20, none);
    row(171, 8, "IntoformD17");
    for (int n : {18, 19, 20}) row(n, 12, "IntoformD18");
    row(21, 15, "IntoformD21");
    for (int n : {221, 222}) row(n, 12, "IntoformD22");
    for (int n : {23, 24, 25}) row(n, 16, "IntoformD23");
    row(26, 10, "IntoformD26");
    for (int n : {27, 28}) row(n, 10, "IntoformD27");
    for (int n : {29, 30}) row(n, 10, "IntoformD29");
    for (int n : {31, 32, 33}) row(n, 21, "IntoformD31");
    for (int n : {34, 35, 36, 37, 40, 42, 43, 44, 45, 46, 47, 48, 631, 632, 643, 651, 652, 653, 654})
        row(n, 14, QStringLiteral("IntoformD%1").arg(n));
    for (int n : {38, 39}) row(n, 14, "IntoformD38");
    for (int n : {491, 492, 493, 494}) row(n, 14, "IntoformD491");
    row(495, 14, "IntoformD495");
    for (int n : {501, 502}) row(n, 14, "IntoformD50");
    row(53, 22, "IntoformD53");
    for (int n = 1001; n <= 1006; ++n)
        row(n, 19, QStringLiteral("IntoformE%1").arg(n - 1000));
}

void InteractionTest::clickOpensTheEventsLineSet()
{
    QFETCH(int, event);
    QFETCH(int, hour);
    QFETCH(QString, lines);
    Life l(on(hour, 30));
    l.rnd.seed(quint64(event * 24 + hour));
    // The activity under way, whatever it opened with read and closed by the user.
    l.start(qint16(event));
    l.speech().close();
    l.trace.clear();
    l.interaction().clickPet();
    QCOMPARE(l.trace.speeches, lines.isEmpty() ? QStringList() : QStringList{lines});
    QCOMPARE(l.rt().activity, event); // the event itself goes on
    QVERIFY(l.trace.events.isEmpty());
    if (!lines.isEmpty())
        QVERIFY(!l.scene().speechText().isEmpty());
}

// Guards against the pet talking to an empty room or talking over itself: while away, or while
// a line that closes by itself is on display, a click does nothing at all (not even a draw).
void InteractionTest::clickIsIgnoredWhileAwayOrWhileAShortLineShows()
{
    Life l(on(12, 30), {{"Loveval", "50"}});
    l.rnd.seed(4);
    l.start(18); // lunch
    l.trace.clear();
    l.speech().showGivenText(QStringLiteral("おいしいね"));
    QVERIFY(l.speech().closeTimerOn());
    int draws = l.rnd.draws;
    l.interaction().clickPet();
    QVERIFY(l.trace.speeches.isEmpty());
    QCOMPARE(l.scene().speechText(), QStringLiteral("おいしいね"));
    QCOMPARE(l.rnd.draws, draws);

    // The user goes out; once the pet's farewell has closed by itself, a click is not heard.
    l.interaction().clickLeave();
    l.time.advance(30000);
    QVERIFY(!l.speech().closeTimerOn());
    l.trace.clear();
    draws = l.rnd.draws;
    l.interaction().clickPet();
    QVERIFY(l.trace.speeches.isEmpty());
    QCOMPARE(l.rnd.draws, draws);

    // Back again, and once the welcome has closed and lunch goes on: one click, one line set; a
    // draw of 1 adds a friendship point.
    l.interaction().clickLeave();
    l.time.advance(30000);
    l.start(18);
    l.speech().close();
    l.trace.clear();
    l.rnd.script({1});
    l.interaction().clickPet();
    QCOMPARE(l.trace.speeches, QStringList{"IntoformD18"});
    QCOMPARE(l.rnd.scripted.asked().value(0), 5);
}

// Guards against the hour rules reading the local clock while the pet lives on German time: at
// 15:30 in Tokyo in summer it is 8:30 in Germany, so a click while dressing opens D14; at 19:30
// (a free hour here, noon there) Present and Hobby stay closed.
void InteractionTest::livingOnGermanTimeTheClickUsesTheGermanHour()
{
    const QDateTime tokyo(QDate(2025, 6, 11), QTime(15, 30), QTimeZone("Asia/Tokyo"));
    for (bool german : {false, true}) {
        Life l(tokyo, {{"option1", german ? "True" : "False"}});
        l.rnd.seed(15);
        l.start(14); // dressing
        l.speech().close();
        l.trace.clear();
        l.interaction().clickPet();
        QCOMPARE(l.rt().hour, german ? 8 : 15);
        QCOMPARE(l.trace.speeches, german ? QStringList{"IntoformD14"} : QStringList());
        l.time.jump(4 * 3600 * 1000); // 19:30 here, the pet's lunch hour in Germany
        l.buttons().refreshButtons();
        QCOMPARE(l.available(Button::Hobby), !german);
    }
}

// Guards against the Hobby button: +1, the user's wish to play noted, the play question from its
// first step, but the countdown goes on from where the interrupted activity stood.
void InteractionTest::hobbyButtonAsksToPlayWithoutRestartingTheCountdown()
{
    Life l(on(10), {{"Loveval", "50"}});
    l.rnd.seed(12);
    l.engine().setClockRunning(true);
    l.start(27); // reading, for twenty minutes
    l.runMinutes(2);
    QCOMPARE(l.trace.events, QList<int>{27});
    const qint32 counted = l.rt().activitySeconds;
    QVERIFY(counted >= 2 * 60 - 1);
    l.interaction().clickHobby();
    QCOMPARE(l.mem().Loveval, 41); // +1, then the question's -10
    QCOMPARE(l.rt().userAskedToPlay, 1);
    QCOMPARE(l.rt().activity, 60);
    QCOMPARE(l.rt().step, 1);
    QCOMPARE(l.rt().activitySeconds, counted);
    QCOMPARE(l.rt().activityLength, 60);
    QCOMPARE(l.trace.questions, QList<int>{4});
}

// Guards against house-sitting leaving a way out: at 10:00 Option, End, Present and Hobby are
// unavailable, the tool tips say so, the close is refused, and the pet sees the user off.
void InteractionTest::leavingLocksTheWindowUntilTheUserIsBack()
{
    Life l(on(10));
    l.rnd.seed(12);
    // A first outing of a few minutes leaves its count behind until the next one begins.
    l.engine().setClockRunning(true);
    l.interaction().clickLeave();
    l.runMinutes(3);
    l.interaction().clickLeave();
    l.engine().setClockRunning(false);
    QVERIFY(l.rt().minutesAway > 0);
    l.trace.clear();
    l.interaction().clickLeave();
    for (Button b : {Button::Option, Button::End, Button::Present, Button::Hobby})
        QVERIFY(!l.available(b));
    QVERIFY(l.available(Button::Leave));
    QCOMPARE(l.scene().button(Button::Leave).toolTip, QStringLiteral("早く帰ってこないかなぁ"));
    QCOMPARE(l.scene().petToolTip(), QStringLiteral("お留守番中だよ"));
    QCOMPARE(l.rt().minutesAway, 0);
    QVERIFY(l.interaction().refuseClose());
    QCOMPARE(l.trace.events, QList<int>{61});
    QCOMPARE(l.trace.speeches, QStringList{"Intoform9"});

    l.interaction().clickLeave();
    QVERIFY(l.available(Button::Option));
    QVERIFY(l.available(Button::End));
    QVERIFY(!l.available(Button::Present)); // the next refresh brings these back
    QCOMPARE(l.scene().button(Button::Leave).toolTip, QStringLiteral("どこかに行く時はぼくに言ってからね"));
    QCOMPARE(l.scene().petToolTip(), QStringLiteral("たまにクリックしてね！"));
    QVERIFY(!l.interaction().refuseClose());
    QCOMPARE(l.trace.events.last(), 62);
}

// Guards against the welcome back not knowing the time away: the greeting and its friendship
// change go by the minutes the user was out (under 5 and under 30: +3, under 60: -1, longer: the
// half hours away and 3 more taken off), chosen by them and not by chance.
void InteractionTest::returnGreetingKnowsHowLongTheUserWasAway_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("change");
    QTest::addColumn<int>("text");
    QTest::newRow("4") << 4 << 3 << 0;
    QTest::newRow("5") << 5 << 3 << 1;
    QTest::newRow("12") << 12 << 3 << 1;
    QTest::newRow("29") << 29 << 3 << 1;
    QTest::newRow("30") << 30 << -1 << 2;
    QTest::newRow("59") << 59 << -1 << 2;
    QTest::newRow("60") << 60 << -5 << 3;
    QTest::newRow("90") << 90 << -6 << 3;
}

void InteractionTest::returnGreetingKnowsHowLongTheUserWasAway()
{
    QFETCH(int, minutes);
    QFETCH(int, change);
    QFETCH(int, text);
    Life l(on(15), {{"Loveval", "50"}});
    l.rnd.seed(quint64(13 + minutes));
    l.interaction().clickLeave();
    l.engine().setClockRunning(true);
    l.runMinutes(minutes);
    QCOMPARE(l.rt().minutesAway, minutes);
    const qint16 before = l.mem().Loveval;
    const int draws = l.rnd.draws;
    l.trace.speeches.clear();
    l.interaction().clickLeave();
    QCOMPARE(l.trace.speeches, QStringList{"Intoform10"});
    const LineSet *set = findLineSet(QStringLiteral("Intoform10"));
    QVERIFY(set);
    QCOMPARE(l.scene().speechText(), set->draws[0][text].lines.join(QStringLiteral("\r\n")));
    QCOMPARE(l.mem().Loveval, before + change);
    QCOMPARE(l.rnd.draws, draws);
    QVERIFY(l.speech().closeTimerOn());
}

// Guards against the running time (which unlocks presents) growing as fast while away: every
// minute while here, every second minute while away.
void InteractionTest::runningTimeGrowsAtHalfSpeedWhileAway()
{
    Life l(on(10), {{"Totaltime", "1000"}});
    l.rnd.seed(14);
    l.engine().setClockRunning(true);
    l.runMinutes(10);
    QCOMPARE(l.mem().Totaltime, 1010);
    l.interaction().clickLeave();
    l.runMinutes(10);
    QCOMPARE(l.mem().Totaltime, 1015);
    QCOMPARE(l.stored("Totaltime"), "1015");
    QCOMPARE(l.scene().label(Label::TotalTime), "0001015");
}

// Guards against the flower's day count being written without seeds: the exit save writes the
// place, the running time and Lastdate, and Lastday only when the seeds were given.
void InteractionTest::exitSaveWritesLastdayOnlyWithTheSeeds()
{
    for (const QString &seeds : {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("3")}) {
        Life l(on(22), {{"Item3", seeds}, {"Totaltime", "4321"}});
        l.pet->exitSave(1500, 3000);
        QCOMPARE(l.stored("mleft"), "1500");
        QCOMPARE(l.stored("mtop"), "3000");
        QCOMPARE(l.stored("Totaltime"), "4321");
        QVERIFY(l.store.contains(QStringLiteral("Lastdate")));
        QCOMPARE(l.store.contains(QStringLiteral("Lastday")), seeds == u"3");
    }
}

QTEST_GUILESS_MAIN(InteractionTest)
#include "tst_interaction.moc"
