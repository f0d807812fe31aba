// The activities that presents, friendship, visitors and the calendar bring: the flower over
// the days, the race cars, the television, the car on the floor, the hobby picker, baking and
// fortune telling, the visitors' lines, and a month of the pet's life with every present given.
#include "lifefixture.h"

#include <QMap>
#include <QSet>

using namespace life;

class HobbiesTest : public QObject
{
    Q_OBJECT

private slots:
    void flowerGrowsBloomsAndEnds_data();
    void flowerGrowsBloomsAndEnds();
    void seedsMayBeWaitedForOnTheFirstDays_data();
    void seedsMayBeWaitedForOnTheFirstDays();
    void raceCarsRollDownDuringTheStart();
    void televisionKeepsChangingWhileThePetSitsStill();
    void carWrapsAroundAtTheLeftEdge();
    void hobbyPickerNeverChoosesAMissingPresent_data();
    void hobbyPickerNeverChoosesAMissingPresent();
    void bakingAndFortuneKeepPresentAndHobbyOff();
    void visitorsArriveWithTheirOwnLines_data();
    void visitorsArriveWithTheirOwnLines();
    void aMonthWithEveryPresentPlaysEveryActivity();
};

// Guards against the flower's stages: seeds days 0-2, growth 3-9, a blossom from day 10 whose
// kind is drawn once and saved, shown once more at day 20 before the plant is gone; with no
// plant the picture stays as it was.
void HobbiesTest::flowerGrowsBloomsAndEnds_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("draw"); // 0: no draw
    QTest::addColumn<int>("picture");
    QTest::addColumn<int>("dayAfter");
    QTest::addColumn<int>("kindAfter");
    QTest::newRow("sown") << 0 << 0 << 0 << 1 << 0 << 0;
    QTest::newRow("day 2") << 2 << 0 << 0 << 1 << 2 << 0;
    QTest::newRow("day 3") << 3 << 0 << 0 << 2 << 3 << 0;
    QTest::newRow("day 6") << 6 << 0 << 0 << 3 << 6 << 0;
    QTest::newRow("day 9") << 9 << 0 << 0 << 3 << 9 << 0;
    QTest::newRow("first bloom") << 10 << 0 << 4 << 7 << 10 << 4;
    QTest::newRow("same kind later") << 15 << 4 << 0 << 7 << 15 << 4;
    QTest::newRow("last bloom") << 20 << 2 << 0 << 5 << -1 << 0;
    QTest::newRow("late first bloom ends too") << 25 << 0 << 5 << 8 << -1 << 0;
    QTest::newRow("no plant") << -1 << 0 << 0 << 6 << -1 << 0;
}

void HobbiesTest::flowerGrowsBloomsAndEnds()
{
    QFETCH(int, day);
    QFETCH(int, kind);
    QFETCH(int, draw);
    QFETCH(int, picture);
    QFETCH(int, dayAfter);
    QFETCH(int, kindAfter);
    Life l(on(14), {{"Item3", "3"}, {"Flowerday", QString::number(day)}, {"Flowekind", QString::number(kind)}});
    l.scene().setPropPicture(Prop::Flower, 6); // what the flower showed last time
    if (draw)
        l.rnd.script({draw});
    l.start(40);
    QCOMPARE(l.scene().prop(Prop::Flower).picture, picture);
    QVERIFY(l.scene().prop(Prop::Flower).visible);
    QVERIFY(l.scene().prop(Prop::Water).visible);
    QCOMPARE(l.mem().Flowerday, dayAfter);
    QCOMPARE(l.mem().Flowekind, kindAfter);
    QCOMPARE(l.stored("Flowerday"), QString::number(dayAfter));
    if (draw)
        QCOMPARE(l.stored("Flowekind"), QString::number(kindAfter));
    QVERIFY(l.drawsAsScripted());
}

// Guards against the sprouting wait: in the first three days of a plant the picker chooses 41
// instead of 40 when a draw 1..2 gives 1; later the flower is always watered.
void HobbiesTest::seedsMayBeWaitedForOnTheFirstDays_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("draw");
    QTest::addColumn<int>("event");
    QTest::newRow("day 0, 1") << 0 << 1 << 41;
    QTest::newRow("day 0, 2") << 0 << 2 << 40;
    QTest::newRow("day 2, 1") << 2 << 1 << 41;
    QTest::newRow("day 3, 1") << 3 << 1 << 40;
    QTest::newRow("no plant, 1") << -1 << 1 << 40;
}

void HobbiesTest::seedsMayBeWaitedForOnTheFirstDays()
{
    QFETCH(int, day);
    QFETCH(int, draw);
    QFETCH(int, event);
    Life l(on(14), {{"Item3", "3"}, {"Flowerday", QString::number(day)}, {"Flowekind", "1"}});
    l.rnd.script({16, draw});
    l.engine().pick(Picker::Hobby);
    QCOMPARE(l.trace.events, QList<int>{event});
    QCOMPARE(l.trace.speeches, event == 41 ? QStringList{"Intoform4"} : QStringList());
    QVERIFY(l.drawsAsScripted());
}

// Guards against the race start: once the pet gives the signal the two cars move down 100 and
// 60 units a second until the start ends, then go back to their places hidden.
void HobbiesTest::raceCarsRollDownDuringTheStart()
{
    Life l(on(14), {{"Item8", "3"}});
    l.rnd.seed(31);
    l.start(642);
    QCOMPARE(l.rt().activityLength, 5);
    QVERIFY(!l.scene().prop(Prop::BlueCar).visible);
    l.engine().setClockRunning(true);
    l.time.advance(1000);
    QVERIFY(l.scene().prop(Prop::BlueCar).visible);
    QVERIFY(l.scene().prop(Prop::RivalCar).visible);
    const int berg = l.scene().prop(Prop::BlueCar).y, other = l.scene().prop(Prop::RivalCar).y;
    QCOMPARE(berg, 184);
    QCOMPARE(other, 188);
    l.time.advance(1000);
    QCOMPARE(l.scene().prop(Prop::BlueCar).y, berg + 100);
    QCOMPARE(l.scene().prop(Prop::RivalCar).y, other + 60);
    l.time.advance(3000);
    QCOMPARE(l.rt().activity, 642);
    QCOMPARE(l.scene().prop(Prop::BlueCar).y, berg + 400);
    l.time.advance(2000);
    QCOMPARE(l.rt().activity, 643);
    QVERIFY(!l.scene().prop(Prop::BlueCar).visible);
    QCOMPARE(l.scene().prop(Prop::BlueCar).y, 184);
    QCOMPARE(l.scene().prop(Prop::RivalCar).y, 188);
    QVERIFY(!l.engine().animationRunning(Anim::RaceStart));
    // The race itself: the car starts at 40 and shakes.
    QCOMPARE(l.scene().prop(Prop::ToyCar).x, 40);
    QVERIFY(l.scene().prop(Prop::ToyCar).visible);
}

// Guards against the television activity: after the pet sits down no further step runs, while
// the screen changes every three seconds until the activity ends.
void HobbiesTest::televisionKeepsChangingWhileThePetSitsStill()
{
    Life l(on(14));
    l.start(46);
    l.time.advance(100);
    QCOMPARE(l.scene().frame(), 1);
    QCOMPARE(l.engine().stepInterval(), 0);
    const qint16 step = l.rt().step;
    l.rnd.script({2, 5, 1, 3});
    l.time.advance(2899);
    QCOMPARE(l.rnd.scripted.remaining(), 4);
    l.time.advance(1);
    QCOMPARE(l.scene().prop(Prop::Tv).picture, 2);
    l.time.advance(9000);
    QCOMPARE(l.scene().prop(Prop::Tv).picture, 3);
    QCOMPARE(l.rt().step, step);
    QCOMPARE(l.scene().frame(), 1);
    QVERIFY(l.scene().prop(Prop::Tv).visible);
    QVERIFY(l.drawsAsScripted());
    l.engine().stopAnimations();
    QVERIFY(!l.scene().prop(Prop::Tv).visible);
    l.time.advance(30000); // stopped: no more draws
    QVERIFY(l.drawsAsScripted());
}

// Guards against the car running off for good: it moves 32 left per tick while its left edge
// is at or right of -550, then reappears at 220.
void HobbiesTest::carWrapsAroundAtTheLeftEdge()
{
    Life l(on(14));
    Scene &s = l.scene();
    s.moveProp(Prop::ToyCar, -518, 185);
    l.engine().toyCarStep();
    QCOMPARE(s.prop(Prop::ToyCar).x, -550);
    l.engine().toyCarStep();
    QCOMPARE(s.prop(Prop::ToyCar).x, -582);
    l.engine().toyCarStep();
    QCOMPARE(s.prop(Prop::ToyCar).x, 220);
    QCOMPARE(s.prop(Prop::ToyCar).y, 185);

    // Event 39 runs it every 100 ms from wherever it stands.
    l.rnd.seed(32);
    l.start(39);
    l.time.advance(1000); // the car is put down
    QVERIFY(s.prop(Prop::ToyCar).visible);
    l.time.advance(1000);
    QCOMPARE(s.prop(Prop::ToyCar).x, 220 - 10 * 32);
}

// Guards against the pet playing with a present it does not have (or baking and telling
// fortunes below their friendship): many seeded picks, every one allowed.
void HobbiesTest::hobbyPickerNeverChoosesAMissingPresent_data()
{
    QTest::addColumn<QList<int>>("given");
    QTest::addColumn<int>("love");
    QTest::addColumn<int>("hour");
    QTest::newRow("nothing given") << QList<int>{} << 50 << 14;
    QTest::newRow("doll and seeds, evening") << QList<int>{1, 3} << 79 << 19;
    QTest::newRow("surprises only") << QList<int>{7, 8, 9} << 99 << 17;
    QTest::newRow("everything") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << 100 << 13;
}

void HobbiesTest::hobbyPickerNeverChoosesAMissingPresent()
{
    QFETCH(QList<int>, given);
    QFETCH(int, love);
    QFETCH(int, hour);
    Keys keys{{"Loveval", QString::number(love)}};
    for (int k : given)
        keys.append({QStringLiteral("Item%1").arg(k), QStringLiteral("3")});
    Life l(on(hour, 10), keys);
    l.rnd.seed(quint64(love * 31 + hour));
    const QMap<int, int> needs{{36, 1}, {37, 1}, {38, 2}, {40, 3}, {41, 3}, {42, 4}, {43, 5},
                               {44, 6}, {631, 7}, {641, 8}, {651, 9}};
    QSet<int> seen;
    for (int i = 0; i < 1500; ++i) {
        l.trace.clear();
        l.engine().pick(Picker::Hobby);
        QCOMPARE(l.trace.events.size(), 1);
        const int n = l.trace.events.first();
        seen << n;
        if (needs.contains(n))
            QVERIFY2(given.contains(needs[n]), qPrintable(QString::number(n)));
        if (n == 491)
            QVERIFY(love >= 80);
        if (n == 501)
            QVERIFY(love >= 100);
        if (n == 47)
            QVERIFY(hour <= 18);
        QVERIFY(QList<int>({36, 37, 38, 40, 41, 42, 43, 44, 45, 46, 47, 48, 491, 501, 631, 641, 651}).contains(n));
        l.engine().stopAnimations();
    }
    // The always-allowed ones are always among the picks.
    QVERIFY(seen.contains(45) && seen.contains(46) && seen.contains(48));
    if (given.size() == 9)
        QCOMPARE(seen.size(), 17);
}

// Guards against the Present and Hobby buttons coming back in the middle of baking or fortune
// telling: every step makes them unavailable again.
void HobbiesTest::bakingAndFortuneKeepPresentAndHobbyOff()
{
    for (qint16 n : {491, 492, 493, 494, 495, 501, 502, 503}) {
        Life l(on(14), {{"Loveval", "100"}});
        l.rnd.seed(quint64(n));
        l.buttons().unlockPresentAndHobby();
        l.start(n);
        for (int i = 0; i < 25; ++i) {
            QVERIFY2(!l.available(Button::Present) && !l.available(Button::Hobby),
                     qPrintable(QStringLiteral("event %1 step %2").arg(n).arg(i)));
            l.buttons().unlockPresentAndHobby(); // a minute's refresh in a free hour
            l.step();
        }
        QCOMPARE(l.rt().activity, n);
    }
}

// Guards against a visit starting silently: when the picker brings the visitors it opens their
// own click lines at once.
void HobbiesTest::visitorsArriveWithTheirOwnLines_data()
{
    QTest::addColumn<int>("draw");
    QTest::addColumn<int>("event");
    QTest::addColumn<QString>("lines");
    QTest::newRow("two friends") << 19 << 631 << "IntoformD631";
    QTest::newRow("ガルド") << 23 << 651 << "IntoformD651";
}

void HobbiesTest::visitorsArriveWithTheirOwnLines()
{
    QFETCH(int, draw);
    QFETCH(int, event);
    QFETCH(QString, lines);
    Life l(on(16), {{"Item7", "3"}, {"Item9", "3"}});
    l.rnd.script({draw});
    l.rnd.seed(33);
    l.engine().pick(Picker::Hobby);
    QCOMPARE(l.trace.events, QList<int>{event});
    QCOMPARE(l.trace.speeches, QStringList{lines});
    QVERIFY(l.scene().speechOpen());
    QCOMPARE(l.rt().activity, event);
}

// Guards against activities that never come in real life, and against the engine starting a
// number nothing can play: a December with every present given and the friendship kept at 100,
// and the festival days, together start every present, visitor, baking, fortune and festival
// activity at least once.
void HobbiesTest::aMonthWithEveryPresentPlaysEveryActivity()
{
    const QList<qint16> known = eventNumbers();
    const QSet<qint16> procs(known.cbegin(), known.cend());
    Keys keys{{"Loveval", "100"}, {"Totaltime", "40000"}};
    for (int k = 1; k <= 9; ++k)
        keys.append({QStringLiteral("Item%1").arg(k), QStringLiteral("3")});
    QSet<int> started;
    int presents = 0;
    auto live = [&](const QDateTime &from, int hours, quint64 seed) {
        Life l(from, keys);
        l.rnd.seed(seed);
        l.pet->start();
        for (int h = 0; h < hours; ++h) {
            l.mem().Loveval = 100; // a user who keeps the friendship high
            l.runMinutes(60);
        }
        for (int n : l.trace.events) {
            QVERIFY2(procs.contains(qint16(n)), qPrintable(QString::number(n)));
            started << n;
        }
        // Present files left on the desktop: each one at most once, all counted.
        const QSet<int> delivered(l.trace.presents.cbegin(), l.trace.presents.cend());
        QCOMPARE(delivered.size(), l.trace.presents.size());
        QCOMPARE(int(l.mem().Totalpreno), l.trace.presents.size());
        for (int k : delivered)
            QVERIFY(QFile::exists(l.ctx().desktopDir + u'/' + l.ctx().tables.present[size_t(k)].delivered));
        presents += l.trace.presents.size();
    };
    live(at(2025, 12, 1, 7, 0), 31 * 24, 2025);
    for (const QDateTime &day : {at(2026, 1, 1, 8, 0), at(2026, 2, 3, 8, 0), at(2026, 3, 4, 8, 0),
                                 at(2026, 5, 6, 8, 0), at(2026, 9, 16, 16, 0)})
        live(day, day.time().hour() == 8 ? 15 : 7, quint64(day.date().month()));

    QVERIFY(presents > 0);

    QList<int> wanted{36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 491, 492, 493, 494, 495,
                      501, 502, 503, 631, 632, 641, 642, 643, 644, 651, 652, 653, 654};
    for (int n = 1001; n <= 1006; ++n)
        wanted << n;
    QList<int> missing;
    for (int n : wanted)
        if (!started.contains(n))
            missing << n;
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("never started: %1")
                                               .arg([&] {
                                                   QStringList s;
                                                   for (int n : missing) s << QString::number(n);
                                                   return s.join(u' ');
                                               }())));
}

QTEST_GUILESS_MAIN(HobbiesTest)
#include "tst_hobbies.moc"
