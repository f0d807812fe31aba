// A pet that is killed (kill -9, a power cut) cannot save at its end, so what a close would save
// is kept current while it runs: the day numbers when their rounded value changes, the window's
// place once a move has settled. These tests hold the store of a running pet against the store
// the same pet leaves when it is closed at that moment.
#include "petfixture.h"

#include "common/daynumber.h"

#include <QtTest>

namespace {
constexpr qint32 kDayN = 46363; // 7 December 2026

// A returning user who last closed the pet the day before at ten.
void lastClosedYesterday(PetFixture &f, bool seeds)
{
    f.returning();
    f.store.write(QStringLiteral("Lastdate"), QString::number(kDayN - 1));
    if (seeds) {
        f.store.write(QStringLiteral("Item3"), QStringLiteral("3"));
        f.store.write(QStringLiteral("Lastday"), QString::number(kDayN - 1));
    }
}

const QStringList kExitKeys = {QStringLiteral("mleft"), QStringLiteral("mtop"), QStringLiteral("Totaltime"),
                               QStringLiteral("Lastdate"), QStringLiteral("Lastday"), QStringLiteral("Flowerday"),
                               QStringLiteral("Loveval")};
} // namespace

class TestKeepCurrent : public QObject
{
    Q_OBJECT
private slots:
    // The return bonus is paid once: a pet killed a minute after its start must not pay it again
    // at the next start, and the flower must not grow the same days twice.
    void bonusIsNotPaidTwiceAfterAKill()
    {
        PetFixture first(ordinaryDay(10, 0), PetFixture::Seeded);
        lastClosedYesterday(first, true);
        first.pet->start();
        QCOMPARE(first.mem().Loveval, qint16(52));
        QCOMPARE(first.stored("Lastdate"), QString::number(kDayN));
        QCOMPARE(first.stored("Lastday"), QString::number(kDayN));
        const QString flower = first.stored("Flowerday");
        first.time.advance(60 * 1000);
        // Killed here. The next start, a little later, sees the same day.
        PetFixture second(ordinaryDay(10, 5), PetFixture::Seeded);
        second.store.values() = first.store.values();
        second.pet->start();
        QCOMPARE(second.mem().Loveval, qint16(52));
        QCOMPARE(second.stored("Flowerday"), flower);
    }

    // Across noon the rounded day number moves on; the minute after, the store says so. Before
    // noon nothing is written again, and without the seeds Lastday stays absent.
    void dayNumbersFollowTheRoundedDay_data()
    {
        QTest::addColumn<bool>("seeds");
        QTest::newRow("flower seeds given") << true;
        QTest::newRow("no seeds") << false;
    }
    void dayNumbersFollowTheRoundedDay()
    {
        QFETCH(bool, seeds);
        PetFixture f(ordinaryDay(11, 50), PetFixture::Seeded);
        lastClosedYesterday(f, seeds);
        if (!seeds)
            f.store.values().remove(QStringLiteral("Lastday"));
        f.pet->start();
        QCOMPARE(f.stored("Lastdate"), QString::number(kDayN));
        f.time.advance(9 * 60 * 1000); // 11:59
        QCOMPARE(f.stored("Lastdate"), QString::number(kDayN));
        f.time.advance(2 * 60 * 1000 + 500); // 12:01
        QCOMPARE(f.stored("Lastdate"), QString::number(kDayN + 1));
        QCOMPARE(f.stored("Lastday"), seeds ? QString::number(kDayN + 1) : QStringLiteral("<absent>"));
    }

    // A drag moves the window many times; the place is written once, when it has come to rest,
    // and a place that has not changed is not written at all.
    void placeIsWrittenOnceTheMoveSettles()
    {
        PetFixture f(ordinaryDay(10, 0), PetFixture::Seeded);
        f.returning();
        f.pet->start();
        const int before = f.store.writeCount();
        for (int x = 100; x <= 400; x += 10) {
            f.pet->petMoved(x * 15, 200 * 15);
            f.time.advance(20);
        }
        QCOMPARE(f.stored("mleft"), QStringLiteral("<absent>"));
        f.time.advance(Pet::placeSettleMs);
        QCOMPARE(f.stored("mleft"), QString::number(400 * 15));
        QCOMPARE(f.stored("mtop"), QString::number(200 * 15));
        QCOMPARE(f.store.writeCount() - before, 2);
        f.pet->petMoved(400 * 15, 200 * 15);
        f.time.advance(Pet::placeSettleMs + 10);
        QCOMPARE(f.store.writeCount() - before, 2);
    }

    // The promise itself: at any moment, the store of the running pet holds what a close at that
    // moment would have left (apart from the place still settling after a move).
    void runningStoreMatchesAClose()
    {
        for (int minutes : {3, 125, 24 * 60 + 7}) {
            PetFixture running(ordinaryDay(9, 40), PetFixture::Seeded, 11);
            PetFixture closed(ordinaryDay(9, 40), PetFixture::Seeded, 11);
            for (PetFixture *f : {&running, &closed}) {
                lastClosedYesterday(*f, true);
                f->pet->start();
                f->pet->petMoved(300 * 15, 120 * 15);
                f->time.advance(qint64(minutes) * 60 * 1000);
            }
            closed.pet->exitSave();
            for (const QString &k : kExitKeys)
                QVERIFY2(running.stored(k) == closed.stored(k),
                         qPrintable(QStringLiteral("%1 after %2 min: %3 running, %4 closed")
                                        .arg(k).arg(minutes).arg(running.stored(k), closed.stored(k))));
        }
    }
};

QTEST_MAIN(TestKeepCurrent)
#include "tst_keepcurrent.moc"
