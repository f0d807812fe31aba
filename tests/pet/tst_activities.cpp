// The pet's activities on a recording stage, with nothing of the pet's windows, dialogs or
// assembly linked in: what an activity asks of the stage (lines, questions, the buttons, closing
// the speech window) and when, driven by seeded chance over virtual time rather than by scripted
// draws. That this builds at all shows the activities know only the stage and the shared model.
#include "common/random.h"
#include "common/settingsstore.h"
#include "common/timers.h"
#include "pet/events/engine.h"
#include "recordingstage.h"

#include <QTest>
#include <QTimeZone>

namespace {

class StartedTrace : public Trace
{
public:
    void eventStarted(int n) override { started << n; }
    QList<int> started;
};

// The activities alone: an empty store, virtual time at 10:00 on an ordinary weekday (Tokyo has
// no summer time), seeded chance.
struct ActivityRig {
    explicit ActivityRig(quint64 seed, int hour = 10)
        : time(QDateTime(QDate(2025, 6, 11), QTime(hour, 0), QTimeZone("Asia/Tokyo"))), rnd(seed),
          ctx(store, time, rnd, time), engine(ctx, stage)
    {
        ctx.trace = &trace;
        ctx.day.refreshHour();
    }
    void start(qint16 n)
    {
        engine.restartCountdown();
        engine.startActivity(Activity(n));
    }
    MemorySettingsStore store;
    VirtualTime time;
    SeededRandom rnd;
    PetContext ctx;
    RecordingStage stage;
    StartedTrace trace;
    Engine engine;
};

} // namespace

class ActivitiesTest : public QObject
{
    Q_OBJECT
private slots:
    // Guards against a question that is free: each of the four question activities asks its
    // question on the stage and takes 10 friendship the moment it opens, before any answer.
    void everyQuestionCostsTenAtOnce_data()
    {
        QTest::addColumn<int>("activity");
        QTest::addColumn<int>("kind");
        QTest::newRow("study") << 51 << 1;
        QTest::newRow("music") << 58 << 2;
        QTest::newRow("book") << 59 << 3;
        QTest::newRow("play") << 60 << 4;
    }
    void everyQuestionCostsTenAtOnce()
    {
        QFETCH(int, activity);
        QFETCH(int, kind);
        ActivityRig a(1);
        a.ctx.mem().Loveval = 70;
        a.start(qint16(activity));
        QCOMPARE(a.stage.calls, QStringList{QStringLiteral("question %1").arg(kind)});
        QCOMPARE(a.ctx.mem().Loveval, 60);
        QCOMPARE(a.store.read(QStringLiteral("Loveval"), QString()), QStringLiteral("60"));
    }

    // Guards against the study hour being interrupted: the Hobby button is greyed at every step,
    // and the study question comes only while the user is here and nothing else is going on.
    void studyKeepsHobbyOffAndAsksOnlyWhenTheUserIsFree_data()
    {
        QTest::addColumn<bool>("away");
        QTest::addColumn<int>("talk");
        QTest::addColumn<bool>("asks");
        QTest::newRow("user here") << false << 0 << true;
        QTest::newRow("user away") << true << 0 << false;
        QTest::newRow("after a wrong answer") << false << 2 << false;
    }
    void studyKeepsHobbyOffAndAsksOnlyWhenTheUserIsFree()
    {
        QFETCH(bool, away);
        QFETCH(int, talk);
        QFETCH(bool, asks);
        ActivityRig a(40);
        if (away)
            a.ctx.rt.leaveTag = kAway;
        a.ctx.rt.talkState = Talk(talk);
        a.engine.setActivityLength(100000);
        a.start(26);
        int steps = 0;
        for (; steps < 3000 && a.ctx.rt.activity == 26; ++steps) {
            QCOMPARE(a.stage.count(QStringLiteral("grey hobby")), steps + 1);
            a.engine.playStep();
        }
        QCOMPARE(a.stage.count(QStringLiteral("question 1")), asks ? 1 : 0);
        QCOMPARE(a.ctx.rt.activity, asks ? 51 : 26);
    }

    // Guards against the pet interrupting itself while the user is away or busy: a resting pet
    // switches to asking to play only with the user here and nothing going on, and then the new
    // activity starts afresh.
    void restSwitchesToPlayOnlyWhenTheUserIsHereAndIdle()
    {
        for (int situation = 0; situation < 5; ++situation) {
            ActivityRig a(7 + quint64(situation));
            if (situation == 1)
                a.ctx.rt.leaveTag = kAway;
            else if (situation > 1)
                a.ctx.rt.talkState = Talk(situation - 1); // right, wrong, playing
            a.engine.setActivityLength(100000);
            a.start(24);
            a.ctx.rt.activitySeconds = 99;
            for (int i = 0; i < 20000 && a.ctx.rt.activity == 24; ++i)
                a.engine.playStep();
            if (situation == 0) {
                QCOMPARE(a.trace.started, (QList<int>{24, 60}));
                QCOMPARE(a.ctx.rt.activitySeconds, 0);
                QCOMPARE(a.stage.calls, QStringList{QStringLiteral("question 4")});
            } else {
                QCOMPARE(a.trace.started, QList<int>{24});
                QVERIFY(a.stage.calls.isEmpty());
            }
        }
    }

    // Guards against the first greeting staying open or the pet standing still after it: when
    // the first meeting's half minute is over, the speech window closes and the pet goes on with
    // what the hour brings, with the buttons set for it.
    void firstMeetingEndsWithTheSpeechClosedAndTheHourChosen()
    {
        ActivityRig a(3);
        a.engine.setClockRunning(true);
        a.start(0);
        QCOMPARE(a.stage.calls.value(0), QStringLiteral("lines %1").arg(int(Lines::FirstMeeting)));
        a.time.advance(25000);
        QVERIFY(!a.stage.calls.contains(QStringLiteral("close speech")));
        a.time.advance(10000);
        const qsizetype closed = a.stage.calls.indexOf(QStringLiteral("close speech"));
        QVERIFY(closed > 0);
        QCOMPARE(a.stage.calls.value(closed + 1), QStringLiteral("refresh buttons"));
        QCOMPARE(a.trace.started.size(), 2);
        QVERIFY(a.trace.started[1] != 0);
    }

    // Guards against a night that ends at the wrong time: a pet put to bed before midnight
    // sleeps until a few minutes past eight, then wakes with the Present and Hobby buttons
    // greyed.
    void petSleepsUntilAFewMinutesPastEight()
    {
        ActivityRig a(11, 23);
        a.engine.setClockRunning(true);
        a.engine.chooseForTheHour();
        QVERIFY(a.ctx.rt.activity >= 7 && a.ctx.rt.activity <= 10);
        const QDateTime bedtime = a.time.now();
        while (a.ctx.rt.activity >= 7 && a.ctx.rt.activity <= 10 && a.time.now() < bedtime.addSecs(11 * 3600))
            a.time.advance(1000);
        const QTime woke = a.time.now().time();
        QVERIFY2(woke >= QTime(8, 0) && woke <= QTime(8, 6), qPrintable(woke.toString()));
        QVERIFY(a.ctx.rt.activity >= 11 && a.ctx.rt.activity <= 13);
        QCOMPARE(a.stage.calls.last(), QStringLiteral("lock"));
    }

    // Guards against an activity that begins mid-way: one started over another that stood at a
    // later step (an answer's reading over the study, say) plays its own first step, with its
    // strip and its length, whoever started it.
    void anActivityStartedOverAnotherBeginsAtItsFirstStep()
    {
        ActivityRig a(5);
        a.start(number(Activity::WateringFlower));
        for (int i = 0; i < 5; ++i)
            a.engine.playStep();
        QVERIFY(a.ctx.rt.step > 1);
        a.ctx.scene.setStrip(QString());
        a.engine.startActivity(Activity::AfterBath);
        QCOMPARE(a.ctx.scene.strip(), QStringLiteral("34"));
        QCOMPARE(a.ctx.rt.activityLength, 300);
        QCOMPARE(a.ctx.rt.step, 1);
    }

    // Guards against a sleeping pet woken by a single click, or never: the first click makes it
    // stir in its sleep, the second wakes it and remembers the sleep it was woken from.
    void aSleepingPetStirsAtTheFirstClickAndWakesAtTheSecond()
    {
        ActivityRig a(9, 2);
        a.start(number(Activity::SleepSprawled));
        QVERIFY(!a.engine.disturbSleep());
        QCOMPARE(a.ctx.scene.frame(), 2); // eyes half open
        QCOMPARE(a.ctx.rt.stirred, 1);
        QVERIFY(a.engine.disturbSleep());
        QCOMPARE(a.ctx.rt.stirred, 0);
        QCOMPARE(a.ctx.rt.sleepActivity, number(Activity::SleepSprawled));
        QCOMPARE(a.trace.started, QList<int>{number(Activity::SleepSprawled)});
    }
};

QTEST_GUILESS_MAIN(ActivitiesTest)
#include "tst_activities.moc"
