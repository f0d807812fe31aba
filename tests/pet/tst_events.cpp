// The pet's activities step by step: the patterns each activity plays, the opening lines that
// depend on friendship, sleep and being woken, the bath bubbles, and that every activity the
// engine can reach is one the pet can play. What activities ask of the stage (questions,
// studying, the chance switches) is tried on a recording stage in tst_activities.
#include "lifefixture.h"

#include <QSet>

using namespace life;

class EventsTest : public QObject
{
    Q_OBJECT

private slots:
    void stepPatternsFollowTheirTables_data();
    void stepPatternsFollowTheirTables();
    void openingLinesComeByFriendship_data();
    void openingLinesComeByFriendship();
    void musicStartedByTheQuestionKeepsItsLengthAndSaysNothing();
    void sleepingPetStirsOnceThenWakesAndSleepsAgain_data();
    void sleepingPetStirsOnceThenWakesAndSleepsAgain();
    void bathLinesStopTheBubbles();
    void bubblesWobbleBackToTheirStartEveryFourSeconds();
    void visitsThatStayAreDrawnAheadAndPassedOver();
    void aSwitchDrawnAheadIsDecidedWhenItsVisitComes();
    void everyReachableEventHasAProcedureAndAKnownStrip();
};

// Guards against a step pattern drifting from its table: a wrong length, strip, first frame or
// pace, or a gesture draw leading to the wrong frame or interval. The pet's time runs from one
// firing of the step timer to the next; visits that stay in a rest are drawn ahead when the one
// before them is played, so a row whose last visit stays ends with a draw that moves on.
void EventsTest::stepPatternsFollowTheirTables_data()
{
    QTest::addColumn<int>("event");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<int>("length"); // 777: the caller's length is kept
    QTest::addColumn<QString>("strip");
    QTest::addColumn<int>("firstFrame");
    QTest::addColumn<int>("firstMs");
    QTest::addColumn<QList<int>>("frames");
    QTest::addColumn<QList<int>>("intervals");

    QTest::newRow("chat 1: rest and three gestures")
        << 1 << QList<int>{2, 8, 5, 9, 3, 10} << 300 << "1" << 0 << 100
        << QList<int>{0, 1, 0, 2, 0, 3} << QList<int>{2000, 500, 2000, 500, 2000, 1000};
    QTest::newRow("music 29: posture B, gesture, again, posture A")
        << 29 << QList<int>{2, 1, 7, 3, 10, 4, 2, 9} << 1200 << "29" << 0 << 100
        << QList<int>{0, 1, 3, 1, 1, 0, 0, 2} << QList<int>{100, 2000, 200, 2000, 2000, 2000, 2000, 200};
    QTest::newRow("reading 27: posture A long look, posture B")
        << 27 << QList<int>{5, 2, 8, 10, 6, 1, 6} << 1200 << "27" << 0 << 100
        << QList<int>{0, 0, 1, 0, 0, 3, 4} << QList<int>{100, 2000, 1000, 2000, 2000, 2000, 200};
    QTest::newRow("sleep 7 keeps the night's length")
        << 7 << QList<int>{} << 777 << "7" << 0 << 2000 << QList<int>{1, 0, 1} << QList<int>{2000, 2000, 2000};
    QTest::newRow("dressing 14 loops its eight frames")
        << 14 << QList<int>{} << 60 << "14" << 0 << 500 << QList<int>{1, 0, 1, 2, 3, 2, 3, 0, 1}
        << QList<int>(9, 500);
    QTest::newRow("meal 18 held pose")
        << 18 << QList<int>{1, 3, 1, 9, 2, 1, 5, 2, 1, 3} << 1200 << "18" << 0 << 100
        << QList<int>{0, 1, 0, 2, 2, 3, 0} << QList<int>{1000, 500, 1000, 1000, 1000, 500, 1000};
    QTest::newRow("rest 24 cycles 1000/500/1500")
        << 24 << QList<int>{5, 7} << 777 << "24" << 0 << 1000 << QList<int>{1, 0, 0, 1}
        << QList<int>{500, 1500, 1000, 500};
    QTest::newRow("study 26 long think stays slow")
        << 26 << QList<int>{2, 1, 3, 5} << 777 << "26" << 0 << 500 << QList<int>{1, 2, 1, 0}
        << QList<int>{500, 3000, 3000, 3000};
    QTest::newRow("race 643 loops from step 1")
        << 643 << QList<int>{} << 100 << "64" << 0 << 100 << QList<int>{0, 1, 2, 3, 0, 1}
        << QList<int>{500, 300, 500, 300, 500, 300};
    QTest::newRow("new year 1001 postures on frames 2 and 3")
        << 1001 << QList<int>{2, 8, 10, 1, 1, 7} << 777 << "s1" << 2 << 100 << QList<int>{2, 3, 3, 3, 3, 2}
        << QList<int>{100, 2000, 500, 2000, 2000, 2000};
    QTest::newRow("cookies 494 cool down")
        << 494 << QList<int>{2, 1, 3, 1} << 600 << "49" << 6 << 100 << QList<int>{6, 6, 7, 6}
        << QList<int>{1000, 1000, 200, 1000};
}

void EventsTest::stepPatternsFollowTheirTables()
{
    QFETCH(int, event);
    QFETCH(QList<int>, draws);
    QFETCH(int, length);
    QFETCH(QString, strip);
    QFETCH(int, firstFrame);
    QFETCH(int, firstMs);
    QFETCH(QList<int>, frames);
    QFETCH(QList<int>, intervals);

    Life l(on(10), {{"Loveval", "50"}}); // below 60: no opening lines, no draw for them
    l.rnd.script(draws);
    l.engine().setActivityLength(777);
    l.start(qint16(event));
    QCOMPARE(l.rt().activityLength, length);
    QCOMPARE(l.scene().strip(), strip);
    QCOMPARE(l.scene().frame(), firstFrame);
    QCOMPARE(l.engine().stepInterval(), firstMs);
    for (int i = 0; i < frames.size(); ++i) {
        l.nextStep();
        QVERIFY2(l.scene().frame() == frames[i], qPrintable(QStringLiteral("step %1 frame %2").arg(i + 1).arg(l.scene().frame())));
        QVERIFY2(l.engine().stepInterval() == intervals[i],
                 qPrintable(QStringLiteral("step %1 interval %2").arg(i + 1).arg(l.engine().stepInterval())));
    }
    QCOMPARE(l.rt().activity, event);
    QVERIFY2(l.drawsAsScripted(), qPrintable(l.rnd.scripted.error()));
}

// Guards against opening lines that ignore friendship or use the wrong odds: under 60 the pet
// never speaks first (and draws nothing), from 60 one time in ten, from 80 one time in three.
void EventsTest::openingLinesComeByFriendship_data()
{
    QTest::addColumn<int>("event");
    QTest::addColumn<int>("love");
    QTest::addColumn<int>("draw");  // what the opening draw gives (0: no draw expected)
    QTest::addColumn<int>("drawN"); // its range
    QTest::addColumn<QString>("lines");

    const QList<std::pair<int, QString>> events = {
        {11, "Intoform5"}, {13, "Intoform5"}, {27, "Intoform8"}, {28, "Intoform8"},
        {29, "Intoform6"}, {30, "Intoform6"}, {31, "Intoform7"}, {33, "Intoform7"}};
    for (const auto &[ev, set] : events) {
        const QByteArray n = QByteArray::number(ev);
        QTest::newRow(n + " at 59") << ev << 59 << 0 << 0 << QString();
        QTest::newRow(n + " at 60, 1 of 10") << ev << 60 << 1 << 10 << set;
        QTest::newRow(n + " at 60, 2 of 10") << ev << 60 << 2 << 10 << QString();
        QTest::newRow(n + " at 79, 1 of 10") << ev << 79 << 1 << 10 << set;
        QTest::newRow(n + " at 80, 1 of 3") << ev << 80 << 1 << 3 << set;
        QTest::newRow(n + " at 80, 3 of 3") << ev << 80 << 3 << 3 << QString();
    }
}

void EventsTest::openingLinesComeByFriendship()
{
    QFETCH(int, event);
    QFETCH(int, love);
    QFETCH(int, draw);
    QFETCH(int, drawN);
    QFETCH(QString, lines);

    Life l(on(10), {{"Loveval", QString::number(love)}});
    if (draw > 0)
        l.rnd.script({draw});
    l.rnd.seed(1); // the line set's own draws
    l.start(qint16(event));
    const QList<int> &asked = l.rnd.scripted.asked();
    if (drawN == 0)
        QVERIFY(asked.isEmpty());
    else
        QCOMPARE(asked.value(0), drawN);
    QCOMPARE(l.trace.speeches, lines.isEmpty() ? QStringList() : QStringList{lines});
    QCOMPARE(l.scene().speechOpen(), !lines.isEmpty());
    QVERIFY(!l.rnd.scripted.failed());
}

// Guards against the question's reply being talked over or cut short: a music activity that the
// question window starts keeps the length the answer gave it, opens no lines of its own and
// clears the flag, so the next music activity is an ordinary one again.
void EventsTest::musicStartedByTheQuestionKeepsItsLengthAndSaysNothing()
{
    Life l(on(11), {{"Loveval", "90"}});
    l.rnd.script({1}); // the music question asked
    l.start(58);
    QCOMPARE(l.trace.questions, QList<int>{2});
    l.questions().answer(1);
    QCOMPARE(l.rt().activity, 30);
    QCOMPARE(l.rt().activityLength, 300);
    QCOMPARE(l.rt().replyShown, 0);
    QCOMPARE(l.trace.speeches, QStringList{"IntoformC"});
    QVERIFY(l.drawsAsScripted()); // no opening draw was made

    l.trace.clear();
    l.rnd.script({1});
    l.rnd.seed(2);
    l.start(29);
    QCOMPARE(l.rt().activityLength, 1200);
    QCOMPARE(l.rnd.scripted.asked().last(), 3);
    QCOMPARE(l.trace.speeches, QStringList{"Intoform6"});
}

// Guards against the sleeping pet's two clicks: the first makes it stir (frame 2) and breathe
// slower for the rest of the night; a second before the next breath costs 5, shows D54, starts
// event 54, and five steps later it sleeps again in the same sleep (7 becomes 7 or 8).
void EventsTest::sleepingPetStirsOnceThenWakesAndSleepsAgain_data()
{
    QTest::addColumn<int>("sleep");
    QTest::addColumn<int>("draw"); // the draw 1..2 back to 7 or 8 (0: none)
    QTest::addColumn<int>("again");
    QTest::newRow("7 back to 7") << 7 << 1 << 7;
    QTest::newRow("7 back to 8") << 7 << 2 << 8;
    QTest::newRow("8 stays 8") << 8 << 0 << 8;
    QTest::newRow("9 stays 9") << 9 << 0 << 9;
    QTest::newRow("10 stays 10") << 10 << 0 << 10;
}

void EventsTest::sleepingPetStirsOnceThenWakesAndSleepsAgain()
{
    QFETCH(int, sleep);
    QFETCH(int, draw);
    QFETCH(int, again);

    Life l(on(2), {{"Loveval", "50"}});
    l.engine().setActivityLength(20000);
    l.start(qint16(sleep));
    l.step(); // breathing: f1
    QCOMPARE(l.scene().frame(), 1);

    l.interaction().clickPet();
    QCOMPARE(l.rt().stirred, 1);
    QCOMPARE(l.scene().frame(), 2);
    QCOMPARE(l.engine().stepInterval(), 3000);
    QVERIFY(l.trace.speeches.isEmpty());
    l.step();
    l.step();
    QCOMPARE(l.engine().stepInterval(), 3000); // the slower breathing stays

    // The f1 step cleared the flag: a click now only stirs again.
    QCOMPARE(l.rt().stirred, 0);
    l.interaction().clickPet();
    QCOMPARE(l.rt().activity, sleep);

    l.rt().activitySeconds = 1234;
    l.rnd.seed(3); // the lines of D54
    l.interaction().clickPet();
    QCOMPARE(l.mem().Loveval, 45);
    QCOMPARE(l.stored("Loveval"), "45");
    QCOMPARE(l.trace.speeches, QStringList{"IntoformD54"});
    QCOMPARE(l.trace.events.last(), 54);
    QCOMPARE(l.rt().sleepActivity, sleep);
    QCOMPARE(l.scene().strip(), "12");
    for (int i = 0; i < 4; ++i) {
        l.step();
        QCOMPARE(l.rt().activity, 54);
        QCOMPARE(l.scene().frame(), i % 2 == 0 ? 1 : 0);
    }
    l.rnd.seeded.reset();
    if (draw)
        l.rnd.script({draw});
    l.step();
    QCOMPARE(l.rt().activity, again);
    QCOMPARE(l.trace.events.last(), again);
    QCOMPARE(l.scene().strip(), QString::number(again));
    QCOMPARE(l.rt().activityLength, 20000); // the night's countdown runs on
    QCOMPARE(l.rt().activitySeconds, 1234);
    QVERIFY(l.drawsAsScripted());
}

// Guards against bubbles left floating over the speech window: when the bath opens its lines,
// the speech opener stops the bubbles started a moment before; without lines they keep going.
void EventsTest::bathLinesStopTheBubbles()
{
    {
        Life l(on(21, 20), {{"Loveval", "80"}});
        l.rnd.script({1});
        l.rnd.seed(5);
        l.start(31);
        QCOMPARE(l.trace.speeches, QStringList{"Intoform7"});
        QVERIFY(!l.engine().animationRunning(Anim::Bubbles));
        QVERIFY(!l.scene().prop(Prop::Bubble1).visible);
        QVERIFY(!l.scene().prop(Prop::Bubble2).visible);
    }
    {
        Life l(on(21, 20), {{"Loveval", "80"}});
        l.rnd.script({2});
        l.start(31);
        QVERIFY(l.trace.speeches.isEmpty());
        QVERIFY(l.engine().animationRunning(Anim::Bubbles));
        QVERIFY(l.scene().prop(Prop::Bubble1).visible);
        QCOMPARE(QPoint(l.scene().prop(Prop::Bubble1).x, l.scene().prop(Prop::Bubble1).y), QPoint(8, 160));
        QCOMPARE(QPoint(l.scene().prop(Prop::Bubble2).x, l.scene().prop(Prop::Bubble2).y), QPoint(128, 128));
        QVERIFY(l.drawsAsScripted());
    }
}

// Guards against bubbles drifting away over a long bath: the four-phase wobble moves them and
// brings both back to where they started every four seconds.
void EventsTest::bubblesWobbleBackToTheirStartEveryFourSeconds()
{
    Life l(on(21, 20), {{"Loveval", "50"}});
    l.start(32);
    auto place = [&](Prop p) { return QPoint(l.scene().prop(p).x, l.scene().prop(p).y); };
    QCOMPARE(place(Prop::Bubble1), QPoint(8, 136));
    QCOMPARE(place(Prop::Bubble2), QPoint(128, 48));
    l.time.advance(1000);
    QCOMPARE(place(Prop::Bubble1), QPoint(11, 131));
    QCOMPARE(place(Prop::Bubble2), QPoint(127, 50));
    l.time.advance(1000);
    QCOMPARE(place(Prop::Bubble1), QPoint(14, 136));
    QCOMPARE(place(Prop::Bubble2), QPoint(126, 48));
    for (int round = 0; round < 3; ++round) {
        l.time.advance(round == 0 ? 2000 : 4000);
        QCOMPARE(place(Prop::Bubble1), QPoint(8, 136));
        QCOMPARE(place(Prop::Bubble2), QPoint(128, 48));
    }
    QVERIFY(l.drawsAsScripted());
}

// Guards against the engine reaching a number nothing can play (the pet would freeze on its
// last frame) and against an activity asking for a picture strip that does not exist: every
// activity is played for a while and ended at several hours, and everything that follows is
// checked the same way.
void EventsTest::everyReachableEventHasAProcedureAndAKnownStrip()
{
    const QList<qint16> known = eventNumbers();
    const QSet<qint16> procs(known.cbegin(), known.cend());
    for (int n : {0, 1, 7, 10, 26, 54, 60, 62, 161, 222, 495, 503, 644, 654, 1001, 1006})
        QVERIFY2(procs.contains(qint16(n)), qPrintable(QString::number(n)));

    const QList<QDateTime> moments = {on(2), on(8, 10), on(8, 22), on(8, 52), on(10), on(12, 30),
                                      on(15, 20), on(18, 40), on(19), on(21, 5), on(21, 30), on(21, 55),
                                      at(2025, 9, 16, 19, 0), at(2025, 12, 24, 14, 0)};
    quint64 seed = 100;
    for (const QDateTime &when : moments) {
        Life l(when, {{"Item1", "3"}, {"Item2", "3"}, {"Item3", "3"}, {"Item7", "3"}, {"Item9", "3"}});
        l.rnd.seed(++seed);
        for (qint16 n : known) {
            l.trace.clear();
            l.engine().stopAnimations();
            l.rt() = Runtime{};
            l.ctx().day.refreshHour();
            l.mem().Loveval = 100;
            l.engine().setActivityLength(50);
            l.rt().sleepActivity = 9;
            l.start(n);
            for (int i = 0; i < 40; ++i) {
                QVERIFY2(knownStrip(l.scene().strip()), qPrintable(QStringLiteral("event %1 strip '%2'").arg(n).arg(l.scene().strip())));
                l.step();
            }
            l.rt().activitySeconds = qMax(l.rt().activityLength, 1);
            if (l.rt().activityLength == 0)
                l.rt().activityLength = 1;
            l.engine().tick();
            QVERIFY(knownStrip(l.scene().strip()));
            for (int started : l.trace.events)
                QVERIFY2(procs.contains(qint16(started)),
                         qPrintable(QStringLiteral("%1 led to %2 at %3").arg(n).arg(started).arg(when.toString())));
        }
    }
}


// A rest's visits that stay change nothing, so the step timer passes over them; guards that their
// draws are the ones the visits would have made, in that order, and that the pet moves on at the
// very moment it would have. The minute's work comes in between only after the visits before it.
void EventsTest::visitsThatStayAreDrawnAheadAndPassedOver()
{
    Life l(on(10, 0), {{"Loveval", "50"}});
    l.rnd.script({2, 2, 1, 3});
    l.start(qint16(Activity::MealFirst) /* 18 */);
    QCOMPARE(l.rt().activity, 18);
    l.time.advance(100); // the first rest: it stays, as do the next two; the third moves on
    QCOMPARE(l.rnd.scripted.asked(), (QList<int>{3, 3, 3, 10}));
    QCOMPARE(l.rnd.scripted.remaining(), 0);
    QCOMPARE(l.engine().stepInterval(), 1000);
    l.time.advance(2999);
    QCOMPARE(l.scene().frame(), 0);
    l.time.advance(1); // the short gesture, three seconds after the first rest
    QCOMPARE(l.scene().frame(), 1);
    QCOMPARE(l.engine().stepInterval(), 500);
    QVERIFY(l.drawsAsScripted());

    // Near the minute: only the visits before the minute's work are drawn ahead; the rest of
    // them once that work is done, at the minute itself.
    Life m(on(10, 0), {{"Loveval", "50"}, {"Precount", "100"}});
    m.engine().setClockRunning(true);
    m.time.advance(60000 - 2600);
    m.rnd.script({2, 2, 2});
    m.start(qint16(Activity::MealFirst));
    m.time.advance(100); // 57.5 s: this rest and those at 58.5 and 59.5 s stay
    QCOMPARE(m.rnd.scripted.asked(), (QList<int>{3, 3, 3}));
    QVERIFY(m.drawsAsScripted());
    m.rnd.script({2, 2, 1, 8}); // the minute's work draws for a present first (and brings none)
    m.time.advance(2499); // 59.999 s
    QCOMPARE(m.rnd.scripted.asked(), (QList<int>{3, 3, 3}));
    m.time.advance(1); // 60 s: the minute's draw, then those of the rests at 60.5 s (stays) and 61.5 s
    QCOMPARE(m.rnd.scripted.asked(), (QList<int>{3, 3, 3, 50, 3, 3, 10}));
    m.time.advance(1499); // 61.499 s: still resting; the rest at 61.5 s has chosen the pose
    QCOMPARE(m.scene().frame(), 0);
    QCOMPARE(m.rnd.scripted.asked().size(), 7);
    m.rnd.script({1, 9}); // the pose's own draws: back to the rest next
    m.time.advance(1001); // 62.5 s: the pose
    QCOMPARE(m.scene().frame(), 2);
    QVERIFY(m.drawsAsScripted());

    // A meal begun again meanwhile (its countdown restarted) is not drawn ahead at the minute: it
    // begins at its next step and draws at its first rest.
    Life r(on(10, 0), {{"Loveval", "50"}, {"Precount", "100"}});
    r.engine().setClockRunning(true);
    r.time.advance(60000 - 2600);
    r.rnd.script({2, 2, 2});
    r.start(qint16(Activity::MealFirst));
    r.time.advance(100);
    r.engine().restartCountdown();
    r.rnd.script({2, 2, 1, 9});
    r.time.advance(3000); // 60.5 s: the meal begins again
    QCOMPARE(r.rnd.scripted.asked(), (QList<int>{3, 3, 3, 50}));
    r.time.advance(100); // its first rest stays; the next one chooses the pose
    QCOMPARE(r.rnd.scripted.asked(), (QList<int>{3, 3, 3, 50, 3, 3, 10}));
    QVERIFY(r.drawsAsScripted());
}

// Whether a switch by chance happens depends on what is going on when its visit comes. Guards
// that a chance draw of 1 made ahead wakes the pet for that visit, which decides then, using that
// draw; a visit that does not switch draws on as usual.
void EventsTest::aSwitchDrawnAheadIsDecidedWhenItsVisitComes()
{
    for (const bool busy : {false, true}) {
        Life l(on(10, 0), {{"Loveval", "50"}});
        l.rnd.script({5, 2, 1}); // the first rest: no switch, stays; the next comes up 1
        l.start(3);
        l.time.advance(100);
        QCOMPARE(l.rnd.scripted.asked(), (QList<int>{200, 3, 200}));
        if (busy)
            l.rt().talkState = Talk::Playing;
        l.rnd.script({2, 5, 1, 9}); // a visit that did not switch draws its rest as usual
        l.time.advance(1999);
        QCOMPARE(l.rt().activity, 3);
        l.time.advance(1);
        if (!busy) {
            QCOMPARE(l.rt().activity, 60);
            QCOMPARE(l.rnd.scripted.asked().mid(0, 3), (QList<int>{200, 3, 200}));
        } else {
            QCOMPARE(l.rt().activity, 3);
            // No new chance draw for the visit that had one: its rest, then the next visit's.
            QCOMPARE(l.rnd.scripted.asked(), (QList<int>{200, 3, 200, 3, 200, 3, 10}));
            QCOMPARE(l.scene().frame(), 0);
            l.time.advance(4000);
            QCOMPARE(l.scene().frame(), 2);
        }
    }
}

QTEST_GUILESS_MAIN(EventsTest)
#include "tst_events.moc"
