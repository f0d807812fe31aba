// Virtual time, on which the tests and the simulation run every timer of the programs; the window
// timers of the real programs, and the work put off to the end of their steps.
#include "common/stepend.h"
#include "common/timers.h"

#include <QThread>
#include <QTimeZone>
#include <utility>
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

    // A repeating timer that passes over firings keeps its place among timers due at the same
    // instant, so the program lives the same whether it woke for them or not. Guards that a
    // firing passed over counts only once its instant has come in that order, that the firing
    // after them calls the handler, and that re-enabling or a jump ends the passing over.
    void passingOverFirings()
    {
        const QDateTime start(QDate(2026, 12, 7), QTime(8, 0), QTimeZone("Asia/Tokyo"));
        VirtualTime t(start);
        QStringList log;
        const int early = t.create([&] { log << QStringLiteral("early %1").arg(t.takePassedOver(1)); });
        int tick = -1;
        tick = t.create([&] { log << QStringLiteral("tick %1 at %2").arg(t.takePassedOver(tick)).arg(start.msecsTo(t.now())); });
        t.setSingleShot(early, true);
        t.start(early, 3000); // armed before the tick: due with its third second, it comes first
        t.start(tick, 1000);
        t.passOver(tick, 4);
        QCOMPARE(t.untilNextFiring(tick), qint64(1000));
        t.advance(5000);
        QCOMPARE(log, (QStringList{"early 2", "tick 2 at 5000"}));
        QCOMPARE(t.untilNextFiring(tick), qint64(1000));

        log.clear();
        t.passOver(tick, 9);
        t.advance(2500);
        QCOMPARE(t.untilNextFiring(tick), qint64(500));
        t.setEnabled(tick, false);
        t.setEnabled(tick, true);
        t.advance(1000);
        QCOMPARE(log, QStringList{"tick 2 at 8500"});

        log.clear();
        t.passOver(tick, 9);
        t.jump(30000);
        t.advance(0);
        QCOMPARE(log, QStringList{"tick 0 at 38500"});
        QCOMPARE(t.untilNextFiring(early), qint64(-1));
    }

    // The window timers behind the real program pass over firings the same way: the handler
    // runs once, after the firings passed over, which it is then told of.
    void windowTimersPassOverFirings()
    {
        QtTimers t(50.0); // a period of 1000 ms takes 20 ms
        int calls = 0;
        int passed = -1;
        int id = -1;
        id = t.create([&] {
            ++calls;
            passed = t.takePassedOver(id);
            t.stop(id);
        });
        t.start(id, 1000);
        t.passOver(id, 4);
        QVERIFY(t.untilNextFiring(id) <= 1000);
        QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 5000);
        QCOMPARE(passed, 4);
        QCOMPARE(t.untilNextFiring(id), qint64(-1));
    }

    // A step drawn ahead must not pass another timer's work, which may draw too. Guards that the
    // next call of any other timer counts the firings it passes over, single shots included, in
    // virtual time and with window timers alike.
    void untilAnotherTimersCall()
    {
        const QDateTime start(QDate(2026, 12, 7), QTime(8, 0), QTimeZone("Asia/Tokyo"));
        VirtualTime v(start);
        QtTimers q;
        for (Timers *t : {static_cast<Timers *>(&v), static_cast<Timers *>(&q)}) {
            const int a = t->create([] {});
            const int b = t->create([] {});
            const int c = t->create([] {});
            QCOMPARE(t->untilOtherCall(a), qint64(-1));
            t->start(a, 1000);
            t->start(b, 700);
            t->passOver(b, 2);
            t->setSingleShot(c, true);
            t->start(c, 1500);
            auto near = [](qint64 got, qint64 want) { return got <= want && got > want - 100; };
            QVERIFY2(near(t->untilOtherCall(a), 1500), qPrintable(QString::number(t->untilOtherCall(a))));
            t->stop(c);
            QVERIFY2(near(t->untilOtherCall(a), 2100), qPrintable(QString::number(t->untilOtherCall(a))));
            QVERIFY(near(t->untilOtherCall(b), 1000));
            t->stop(b);
            QCOMPARE(t->untilOtherCall(a), qint64(-1));
            t->stop(a);
        }
    }

    // A handler that starts its own timer again with the same interval keeps it running on its
    // rhythm; another interval starts it anew.
    void windowTimerStartedByItsOwnHandler()
    {
        QtTimers t(50.0);
        int calls = 0;
        int id = -1;
        id = t.create([&] {
            ++calls;
            t.start(id, calls < 3 ? 1000 : 2000);
            QVERIFY(t.isEnabled(id));
            QCOMPARE(t.interval(id), calls < 3 ? 1000 : 2000);
            QVERIFY(t.untilNextFiring(id) <= t.interval(id));
            if (calls == 4)
                t.stop(id);
        });
        t.start(id, 1000);
        QTRY_COMPARE_WITH_TIMEOUT(calls, 4, 5000);
        QCOMPARE(t.untilNextFiring(id), qint64(-1));
    }

    // Work put off to the end of a timer's step runs as the handler returns, before anything the
    // event loop holds; outside a step it waits for the event loop, and is dropped with its receiver.
    void workAtTheEndOfAStep()
    {
        QtTimers t(50.0);
        QObject receiver;
        QStringList log;
        int id = -1;
        id = t.create([&] {
            QMetaObject::invokeMethod(&receiver, [&] { log << "queued"; }, Qt::QueuedConnection);
            stepend::call(&receiver, [&] {
                log << "step end";
                // Asked for while the step's work runs: still within the step.
                stepend::call(&receiver, [&] { log << "step end again"; });
            });
            QVERIFY(stepend::inStep());
            log << "handler";
        });
        t.setSingleShot(id, true);
        t.start(id, 100);
        QTRY_COMPARE_WITH_TIMEOUT(log.size(), 4, 5000);
        QCOMPARE(log, (QStringList{"handler", "step end", "step end again", "queued"}));

        log.clear();
        QVERIFY(!stepend::inStep());
        stepend::call(&receiver, [&] { log << "later"; });
        QVERIFY(log.isEmpty());
        QTRY_COMPARE(log, QStringList{"later"});

        auto *gone = new QObject;
        stepend::call(gone, [&] { log << "gone"; });
        delete gone;
        QCoreApplication::processEvents();
        QCOMPARE(log, QStringList{"later"});
    }

    // Timers due together fire in one round of the event loop (the bath's bubbles and the pet's
    // next pose): what their steps ask to be drawn is put together once, after the last of them,
    // not once after each.
    void workOfTimersDueTogetherIsDoneOnce()
    {
        QtTimers t;
        QObject receiver;
        QStringList log;
        bool asked = false;
        const auto step = [&](const char *name) {
            log << name;
            if (!std::exchange(asked, true))
                stepend::call(&receiver, [&] {
                    log << "drawn";
                    asked = false;
                });
        };
        const int a = t.create([&] { step("a"); });
        const int b = t.create([&] { step("b"); });
        for (int id : {a, b}) {
            t.setSingleShot(id, true);
            t.start(id, 20);
        }
        QThread::msleep(60); // both are due before the event loop next looks
        QEventLoop loop;
        QTimer::singleShot(300, &loop, &QEventLoop::quit);
        loop.exec();
        QCOMPARE(log.size(), 3);
        QCOMPARE(log.last(), QStringLiteral("drawn"));
    }
};

QTEST_GUILESS_MAIN(TestTimers)
#include "tst_timers.moc"
