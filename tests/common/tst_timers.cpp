// Virtual time, on which the tests and the simulation run every timer of the programs.
#include "common/timers.h"

#include <QTimeZone>
#include <QtTest>

class TestTimers : public QObject
{
    Q_OBJECT
private slots:
    // An enabled timer with interval 0 is the step timer before the first event: it never fires.
    void intervalZeroNeverFires()
    {
        VirtualTime t(QDateTime(QDate(2026, 12, 7), QTime(0, 0), QTimeZone("Asia/Tokyo")));
        int fired = 0;
        const int id = t.create([&] { ++fired; });
        t.setEnabled(id, true);
        t.advance(3600 * 1000);
        QCOMPARE(fired, 0);
        QCOMPARE(t.nextDue(), -1);
        t.setInterval(id, 250);
        t.advance(1000);
        QCOMPARE(fired, 4);
    }

    // A handler that re-arms its own timer with a new interval sets the pace from then on, as
    // event steps do; the clock reads the firing instant inside the handler.
    void rearmingFromInsideTheHandler()
    {
        const QDateTime start(QDate(2026, 12, 7), QTime(8, 0), QTimeZone("Asia/Tokyo"));
        VirtualTime t(start);
        QList<qint64> at;
        int id = -1;
        id = t.create([&] {
            at << start.msecsTo(t.now());
            t.start(id, at.size() == 1 ? 500 : 2000);
        });
        t.start(id, 100);
        t.advance(5000);
        QCOMPARE(at, (QList<qint64>{100, 600, 2600, 4600}));
        QCOMPARE(t.now(), start.addMSecs(5000));
    }

    // A single-shot timer fires once and is disabled before its handler runs; timers due at the
    // same instant fire in the order they were armed.
    void singleShotAndOrder()
    {
        VirtualTime t(QDateTime(QDate(2026, 12, 7), QTime(0, 0), QTimeZone("Asia/Tokyo")));
        QStringList log;
        int once = -1;
        once = t.create([&] { log << (t.isEnabled(once) ? "once-enabled" : "once"); });
        const int every = t.create([&] { log << "every"; });
        t.setSingleShot(once, true);
        t.start(once, 1000);
        t.start(every, 1000);
        t.advance(3000);
        QCOMPARE(log, (QStringList{"once", "every", "every", "every"}));
        QVERIFY(!t.isEnabled(once));

        // A jump moves the clock without firing; what fell due fires once at the new instant.
        log.clear();
        t.jump(10000);
        QVERIFY(log.isEmpty());
        t.advance(0);
        QCOMPARE(log, QStringList{"every"});
    }
};

QTEST_GUILESS_MAIN(TestTimers)
#include "tst_timers.moc"
