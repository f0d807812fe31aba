// The present window's rules: when each present becomes available, where its state is kept,
// and what giving one does (friendship, save, thanks, its first activity).
#include "lifefixture.h"

#include "pet/model/activity.h"

using namespace life;

class PresentsTest : public QObject
{
    Q_OBJECT

private slots:
    void presentUnlocksOnlyAboveItsThreshold();
    void everythingNotGivenIsAvailableAfterLongTogether();
    void windowPositionsMapToTheirOwnKeys();
    void greyPresentIgnoresClicks();
    void givingAPresent_data();
    void givingAPresent();
    void presentGivenWhileAwayIsStillGivenWithoutThanks();
};

// Guards against an off-by-one unlock: the doll needs strictly more than 100 minutes.
void PresentsTest::presentUnlocksOnlyAboveItsThreshold()
{
    Life l(on(10), {{"Totaltime", "100"}});
    l.presents().refreshStates();
    QCOMPARE(l.presents().state(1), 0);
    l.mem().Totaltime = 101;
    l.presents().refreshStates();
    QCOMPARE(l.presents().state(1), 1);
    QCOMPARE(l.presents().state(2), 0);
    // The states live in memory until the next save.
    QCOMPARE(l.stored("Item1"), "<none>");
}

// Guards against a given present being offered again or a late present staying locked: above
// 30000 minutes every present not given is available, given ones stay given.
void PresentsTest::everythingNotGivenIsAvailableAfterLongTogether()
{
    Life l(on(10), {{"Totaltime", "30001"}, {"Item5", "3"}, {"Item9", "3"}});
    l.presents().refreshStates();
    for (int p = 1; p <= 9; ++p) {
        const int key = Presents::table()[size_t(p)].key;
        QCOMPARE(l.presents().state(p), (key == 5 || key == 9) ? 3 : 1);
    }
    l.mem().Totaltime = 30000;
    l.presents().refreshStates(); // never lowers a state
    QCOMPARE(l.presents().state(9), 3);
    QCOMPARE(l.presents().state(8), 1);
}

// Guards against the window order being taken for the key order: position 2 (the board game)
// is kept under Item4, positions 3 and 4 under Item2 and Item3.
void PresentsTest::windowPositionsMapToTheirOwnKeys()
{
    Life l(on(10), {{"Totaltime", "3500"}});
    l.rnd.seed(21);
    l.presents().refreshStates();
    QVERIFY(l.presents().give(2));
    QCOMPARE(l.stored("Item4"), "3");
    QCOMPARE(l.stored("Item2"), "1");
    QCOMPARE(l.stored("Item3"), "1");
    QCOMPARE(l.rt().activity, 42);
    QVERIFY(l.presents().give(4));
    QCOMPARE(l.stored("Item3"), "3");
    QCOMPARE(l.rt().activity, 40);
}

// Guards against a locked or given present being given (again): the click changes nothing and
// the window stays open.
void PresentsTest::greyPresentIgnoresClicks()
{
    Life l(on(10), {{"Totaltime", "600"}, {"Item1", "3"}, {"Loveval", "50"}});
    l.presents().refreshStates();
    l.rnd.seed(2);
    l.start(23); // resting
    l.trace.clear();
    l.presents().setWindowOpen(true);
    QVERIFY(!l.presents().give(1)); // given
    QVERIFY(!l.presents().give(3)); // locked (needs 1500)
    QVERIFY(l.presents().windowOpen());
    QCOMPARE(l.presents().state(1), 3);
    QCOMPARE(l.presents().state(3), 0);
    QCOMPARE(l.mem().Loveval, 50);
    QCOMPARE(l.rt().activity, 23);
    QVERIFY(l.trace.events.isEmpty());
    QVERIFY(l.trace.speeches.isEmpty());
}

// Guards against a gift half done: the state becomes 3 and is saved with the friendship, the
// window closes, the pet thanks the user with the present's line set and starts its activity.
void PresentsTest::givingAPresent_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("gain");
    QTest::addColumn<QString>("thanks");
    QTest::addColumn<int>("event");
    QTest::newRow("doll") << 1 << "Item1" << 10 << "IntoformB1" << 37;
    QTest::newRow("board game") << 2 << "Item4" << 5 << "IntoformB4" << 42;
    QTest::newRow("car") << 3 << "Item2" << 10 << "IntoformB2" << 38;
    QTest::newRow("seeds") << 4 << "Item3" << 10 << "IntoformB3" << 40;
    QTest::newRow("violin") << 5 << "Item5" << 5 << "IntoformB5" << 43;
    QTest::newRow("computer") << 6 << "Item6" << 10 << "IntoformB6" << 44;
    QTest::newRow("two visitors") << 7 << "Item7" << 10 << "IntoformB7" << 631;
    QTest::newRow("race") << 8 << "Item8" << 5 << "IntoformB8" << 641;
    QTest::newRow("one visitor") << 9 << "Item9" << 15 << "IntoformB10" << 651;
}

void PresentsTest::givingAPresent()
{
    QFETCH(int, position);
    QFETCH(QString, key);
    QFETCH(int, gain);
    QFETCH(QString, thanks);
    QFETCH(int, event);
    Life l(on(14), {{"Totaltime", "40000"}, {"Loveval", "60"}});
    l.rnd.seed(quint64(position));
    l.engine().setClockRunning(true);
    l.start(45); // painting, some minutes into it
    l.runMinutes(5);
    QVERIFY(l.rt().activitySeconds > 0);
    l.trace.clear();
    l.presents().refreshStates();
    l.presents().setWindowOpen(true);
    QVERIFY(l.presents().give(position));
    QCOMPARE(l.stored(key), "3");
    QCOMPARE(l.mem().Loveval, 60 + gain);
    QCOMPARE(l.stored("Loveval"), QString::number(60 + gain));
    QCOMPARE(l.scene().label(Label::Level), Presentation::levelName(qint16(60 + gain)));
    QVERIFY(!l.presents().windowOpen());
    QCOMPARE(l.trace.speeches, QStringList{thanks});
    QCOMPARE(l.trace.events, QList<int>{event});
    QCOMPARE(l.rt().activitySeconds, 0);
    // The other presents are saved with their state too.
    for (int k = 1; k <= 9; ++k)
        if (QStringLiteral("Item%1").arg(k) != key)
            QCOMPARE(l.stored(QStringLiteral("Item%1").arg(k)), "1");
}

// Guards against a gift lost because the pet may not speak: given while the user is away, the
// present is still given, saved and rewarded and its activity starts; only the thanks is missing.
void PresentsTest::presentGivenWhileAwayIsStillGivenWithoutThanks()
{
    Life l(on(14), {{"Totaltime", "200"}, {"Loveval", "60"}});
    l.presents().refreshStates();
    l.rnd.seed(2);
    l.interaction().clickLeave();
    l.engine().setClockRunning(true);
    l.runMinutes(1); // the goodbye is over; the pet minds the house
    QVERIFY(l.rt().activity != number(Activity::SeeUserOff));
    l.engine().setClockRunning(false);
    l.trace.clear();
    l.rnd.seeded.reset(); // from here every draw would be a fault
    const qint16 love = l.mem().Loveval; // the goodbye's own lines may have changed it
    QVERIFY(l.presents().give(1));
    QCOMPARE(l.stored("Item1"), "3");
    QCOMPARE(l.mem().Loveval, love + 10);
    QVERIFY(l.trace.speeches.isEmpty());
    QVERIFY(!l.scene().speechOpen());
    QCOMPARE(l.trace.events, QList<int>{37});
    QCOMPARE(l.scene().strip(), "37");
    QVERIFY(l.drawsAsScripted());
}

QTEST_GUILESS_MAIN(PresentsTest)
#include "tst_presents.moc"
