// The pet's day: the choice by hour, minute, rest flag and festival day, and whole simulated
// days that must keep the routine (sleep, meals, sweets, bath, bed) whatever chance brings.
#include "petfixture.h"

#include "pet/events/events.h"

#include <QtTest>

namespace {
QDateTime fest(int h, int mi) { return tokyo(2026, 9, 16, h, mi); }

void row(const char *name, const QDateTime &at, bool rest, const QList<int> &draws, int event, int limit = -1,
         int restAfter = -1)
{
    QTest::newRow(name) << at << rest << draws << event << limit << restAfter;
}

QDateTime at(int h, int mi) { return ordinaryDay(h, mi); }
} // namespace

class TestDay : public QObject
{
    Q_OBJECT
private slots:
    // Each row of the hour table: which event starts, with which length, and whether the hour's
    // rest flag is set. The draws are scripted and must all be used, no more; friendship is 50 and
    // no present is owned, so the talk gives 3 or 4 and the first hobby on offer is painting (45).
    // A chat sets its own length (300 s) over the table's; rest and the festivals keep the table's.
    void hourTableChoosesTheHoursActivity_data()
    {
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<bool>("rest");
        QTest::addColumn<QList<int>>("draws");
        QTest::addColumn<int>("event");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("restAfter");
        row("0:00 night", at(0, 0), false, {1, 1}, 7, 8 * 3600 + 60);
        row("7:59 night", at(7, 59), false, {2, 2}, 8, 3600 - 59 * 60 + 120);
        row("22:00 night", at(22, 0), false, {1, 2}, 8, 10 * 3600 + 60);
        row("23:59 night", at(23, 59), false, {3, 1}, 7, 9 * 3600 - 59 * 60 + 180);
        row("8 rest", at(8, 30), true, {2, 1}, 23, 2 * 60 + 30 * 60, 1);
        row("8:15 sleeps on", at(8, 15), false, {1, 4, 1}, 7, 240);
        row("8:00 wakes", at(8, 0), false, {2, 1}, 11);
        row("8:16 wakes", at(8, 16), false, {3}, 13);
        row("8:20 wakes", at(8, 20), false, {1}, 11);
        row("8:21", at(8, 21), false, {}, 14);
        row("8:22", at(8, 22), false, {}, 15);
        row("8:23", at(8, 23), false, {}, 161);
        row("8:24", at(8, 24), false, {}, 171);
        row("8:28", at(8, 28), false, {}, 171);
        row("8:29", at(8, 29), false, {}, 172);
        row("8:30 breakfast", at(8, 30), false, {2}, 19);
        row("8:49 breakfast", at(8, 49), false, {3}, 20);
        row("8:50 after", at(8, 50), false, {}, 221, -1, 1);
        row("8:54 after", at(8, 54), false, {}, 221, -1, 1);
        row("8:55 rest", at(8, 55), false, {1, 2}, 24, 60 + 5 * 60, 1);
        row("9 study", at(9, 0), false, {2}, 26, 1200);
        row("9 read", at(9, 0), false, {6}, 27);
        row("9 music", at(9, 0), false, {7}, 29);
        row("9 music 9", at(9, 0), false, {9}, 29);
        row("9 talk", at(9, 0), false, {10, 1}, 3, 300);
        row("9 fest study", fest(9, 0), false, {2}, 26, 1200);
        row("9 fest read", fest(9, 0), false, {3}, 27);
        row("9 fest music", fest(9, 0), false, {9}, 29);
        row("9 fest talk", fest(9, 0), false, {10, 2}, 4, 300);
        row("9 fest talk 15", fest(9, 0), false, {15, 1}, 3, 300);
        row("10 study", at(10, 0), false, {2}, 26, 1200);
        row("10 read", at(10, 0), false, {3}, 27);
        row("10 read 5", at(10, 0), false, {5}, 27);
        row("10 music", at(10, 0), false, {6}, 29);
        row("10 music 9", at(10, 0), false, {9}, 29);
        row("10 talk", at(10, 0), false, {10, 1}, 3, 300);
        row("10 fest talk only on 10", fest(10, 0), false, {9}, 29);
        row("11 study", at(11, 0), false, {5}, 26, 1200);
        row("11 read", at(11, 0), false, {6}, 28);
        row("11 read 7", at(11, 0), false, {7}, 28);
        row("11 music", at(11, 0), false, {8}, 30);
        row("11 music 9", at(11, 0), false, {9}, 30);
        row("11 talk", at(11, 0), false, {10, 1}, 3, 300);
        row("11 fest study", fest(11, 0), false, {5}, 26, 1200);
        row("11 fest read", fest(11, 0), false, {7}, 28);
        row("11 fest music", fest(11, 0), false, {9}, 30);
        row("11 fest talk", fest(11, 0), false, {10, 1}, 3, 300);
        row("12 rest", at(12, 30), true, {1, 1}, 23, 60 + 30 * 60, 1);
        row("12:00 short talk", at(12, 0), false, {1, 3, 1}, 3, 300);
        row("12:20 short rest", at(12, 20), false, {2, 4, 2}, 24, 240);
        row("12:00 early lunch", at(12, 0), false, {3, 1}, 18);
        row("12:20 early lunch", at(12, 20), false, {5, 3}, 20);
        row("12:21 lunch", at(12, 21), false, {2}, 19);
        row("12:40 lunch", at(12, 40), false, {1}, 18);
        row("12:41 after", at(12, 41), false, {}, 221, -1, 1);
        row("12:45 after", at(12, 45), false, {}, 221, -1, 1);
        row("12:46 rest", at(12, 46), false, {1, 1}, 23, 60 + 14 * 60, 1);
        row("13 study", at(13, 0), false, {1}, 26, 1200);
        row("13 read", at(13, 0), false, {2}, 27);
        row("13 read 4", at(13, 0), false, {4}, 27);
        row("13 music", at(13, 0), false, {5}, 29);
        row("13 music 7", at(13, 0), false, {7}, 29);
        row("13 hobby", at(13, 0), false, {8, 8}, 45);
        row("13 hobby 9", at(13, 0), false, {9, 9}, 46);
        row("13 talk", at(13, 0), false, {10, 1}, 3, 300);
        row("14 study", at(14, 0), false, {3}, 26, 1200);
        row("14 read", at(14, 0), false, {4}, 28);
        row("14 music", at(14, 0), false, {5}, 30);
        row("14 hobby", at(14, 0), false, {6, 8}, 45);
        row("14 hobby 9", at(14, 0), false, {9, 11}, 48);
        row("14 talk", at(14, 0), false, {10, 1}, 3, 300);
        row("14 fest study", fest(14, 0), false, {3}, 26, 1200);
        row("14 fest read", fest(14, 0), false, {4}, 28);
        row("14 fest music", fest(14, 0), false, {5}, 30);
        row("14 fest hobby", fest(14, 0), false, {11, 8}, 45);
        row("14 fest talk", fest(14, 0), false, {12, 1}, 3, 300);
        row("15 rest", at(15, 5), true, {1, 1}, 23, 60 + 55 * 60, 1);
        row("15:00 short talk", at(15, 0), false, {1, 1, 1}, 3, 300);
        row("15:10 short rest", at(15, 10), false, {2, 1, 1}, 23, 60);
        row("15:00 sweets", at(15, 0), false, {3}, 21);
        row("15:10 sweets", at(15, 10), false, {5}, 21);
        row("15:11 sweets", at(15, 11), false, {}, 21);
        row("15:30 sweets", at(15, 30), false, {}, 21);
        row("15:31 after", at(15, 31), false, {}, 221, -1, 1);
        row("15:35 after", at(15, 35), false, {}, 221, -1, 1);
        row("15:36 rest", at(15, 36), false, {1, 1}, 23, 60 + 24 * 60, 1);
        row("16 read", at(16, 0), false, {1}, 28);
        row("16 read 3", at(16, 0), false, {3}, 28);
        row("16 music", at(16, 0), false, {4}, 30);
        row("16 music 7", at(16, 0), false, {7}, 30);
        row("16 hobby", at(16, 0), false, {8, 8}, 45);
        row("16 hobby 9", at(16, 0), false, {9, 8}, 45);
        row("16 talk", at(16, 0), false, {10, 1}, 3, 300);
        row("17 read", at(17, 0), false, {2}, 27);
        row("17 music", at(17, 0), false, {3}, 29);
        row("17 music 4", at(17, 0), false, {4}, 29);
        row("17 hobby", at(17, 0), false, {5, 8}, 45);
        row("17 hobby 11", at(17, 0), false, {11, 8}, 45);
        row("17 talk", at(17, 0), false, {12, 1}, 3, 300);
        row("18 rest", at(18, 10), true, {1, 1}, 23, 60 + 50 * 60, 1);
        row("18:30 short talk", at(18, 30), false, {1, 2, 1}, 3, 300);
        row("18:00 early dinner", at(18, 0), false, {3, 1}, 18);
        row("18:31 dinner", at(18, 31), false, {1}, 18);
        row("18:50 dinner", at(18, 50), false, {3}, 20);
        row("18:51 after", at(18, 51), false, {}, 221, -1, 1);
        row("18:55 after", at(18, 55), false, {}, 221, -1, 1);
        row("18:56 rest", at(18, 56), false, {1, 1}, 23, 60 + 4 * 60, 1);
        row("19 study", at(19, 0), false, {1}, 26, 1200);
        row("19 read", at(19, 0), false, {2}, 27);
        row("19 read 4", at(19, 0), false, {4}, 27);
        row("19 music", at(19, 0), false, {5}, 29);
        row("19 music 7", at(19, 0), false, {7}, 29);
        row("19 hobby", at(19, 0), false, {8, 8}, 45);
        row("19 hobby 9", at(19, 0), false, {9, 8}, 45);
        row("19 talk", at(19, 0), false, {10, 1}, 3, 300);
        row("19 fest study", fest(19, 0), false, {1}, 26, 1200);
        row("19 fest read", fest(19, 0), false, {4}, 27);
        row("19 fest music", fest(19, 0), false, {7}, 29);
        row("19 fest hobby", fest(19, 0), false, {11, 8}, 45);
        row("19 fest moon", fest(19, 0), false, {15}, 1005, 600);
        row("20 study", at(20, 0), false, {1}, 26, 1200);
        row("20 read", at(20, 0), false, {3}, 27);
        row("20 music", at(20, 0), false, {4}, 29);
        row("20 music 5", at(20, 0), false, {5}, 29);
        row("20 hobby", at(20, 0), false, {6, 8}, 45);
        row("20 talk", at(20, 0), false, {10, 1}, 3, 300);
        row("21:00 short talk", at(21, 0), false, {1, 1, 1}, 3, 300);
        row("21:10 short rest", at(21, 10), false, {2, 1, 1}, 23, 60);
        row("21:00 grooming", at(21, 0), false, {3}, 161);
        row("21:10 grooming", at(21, 10), false, {5}, 161);
        row("21:11", at(21, 11), false, {}, 161);
        row("21:12", at(21, 12), false, {}, 15);
        row("21:13", at(21, 13), false, {}, 55);
        row("21:14 bath", at(21, 14), false, {1}, 31);
        row("21:43 bath", at(21, 43), false, {3}, 33);
        row("21:30 bath ignores rest", at(21, 30), true, {2}, 32);
        row("21:44", at(21, 44), false, {}, 34);
        row("21:53", at(21, 53), false, {}, 34);
        row("21:54 bedtime", at(21, 54), false, {1}, 35);
        row("21:59 bedtime", at(21, 59), false, {1}, 35);
    }
    void hourTableChoosesTheHoursActivity()
    {
        QFETCH(QDateTime, time);
        QFETCH(bool, rest);
        QFETCH(QList<int>, draws);
        QFETCH(int, event);
        QFETCH(int, limit);
        QFETCH(int, restAfter);
        PetFixture f(time);
        f.rt().mealOver = rest ? 1 : 0;
        f.rt().mealOverHour = qint16(time.time().hour());
        for (int d : draws)
            f.scripted.push(d);
        f.engine().chooseForTheHour();
        QVERIFY2(!f.scripted.failed(), qPrintable(f.scripted.error()));
        QCOMPARE(f.scripted.remaining(), 0);
        QCOMPARE(f.trace.events, QList<int>{event});
        if (limit >= 0)
            QCOMPARE(f.rt().activityLength, limit);
        if (restAfter >= 0)
            QCOMPARE(int(f.rt().mealOver), restAfter);
    }

    // The rest flag marks one hour's meal as over. A rest cut short (by a question, say) must
    // not carry it into later hours, or the pet would rest through lunch, sweets and dinner.
    void restFlagHoldsOnlyForItsHour()
    {
        PetFixture f(at(8, 34));
        f.engine().restartCountdown();
        f.engine().startActivity(Activity::Sweets);
        f.endEvent(); // breakfast is over: the flag is set for eight o'clock
        QCOMPARE(f.rt().mealOver, qint16(1));
        f.time.jump(16 * 60 * 1000); // 8:50, the after-meal rest was cut short
        f.scripted.push({1, 1});
        f.engine().restartCountdown();
        f.engine().chooseForTheHour();
        f.time.jump((12 * 60 + 25 - (8 * 60 + 50)) * 60 * 1000); // nothing ended the rest since
        f.scripted.push({2});
        f.engine().restartCountdown();
        f.engine().chooseForTheHour();
        QCOMPARE(f.trace.events, (QList<int>{20, 221, 23, 19}));
        QVERIFY(!f.scripted.failed());
    }

    // A whole day in virtual time, for several seeds: the pet sleeps until just after eight,
    // breakfasts in the eight o'clock hour, lunches by 12:45, has sweets at three and dinner at
    // six, bathes in the nine o'clock hour, is asleep for the night before 22:40, does something
    // every hour of its day, and never starts an event it has no procedure for.
    void wholeDayKeepsTheRoutine_data()
    {
        QTest::addColumn<quint64>("seed");
        for (quint64 s : {1, 2, 3, 5, 8, 13})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(s))) << s;
    }
    void wholeDayKeepsTheRoutine()
    {
        QFETCH(quint64, seed);
        PetFixture f(at(0, 0), PetFixture::Seeded, seed);
        f.returning();
        f.pet->start();
        f.time.advance(24LL * 3600 * 1000);
        const QList<int> &ev = f.trace.events;
        const QList<QDateTime> &when = f.trace.eventTimes;
        const QDateTime day = at(0, 0);
        auto minutes = [&](int i) { return int(day.secsTo(when[i]) / 60); };
        auto isSleep = [](int n) { return n >= 7 && n <= 10; };
        auto isMeal = [](int n) { return n >= 18 && n <= 20; };
        auto startsIn = [&](auto pred, int fromMin, int toMin) {
            for (int i = 0; i < ev.size(); ++i)
                if (pred(ev[i]) && minutes(i) >= fromMin && minutes(i) < toMin)
                    return true;
            return false;
        };

        if (qEnvironmentVariableIsSet("DAY_LOG"))
            for (int i = 0; i < ev.size(); ++i)
                qInfo("%s %d", qPrintable(when[i].toString(QStringLiteral("HH:mm:ss"))), ev[i]);
        for (int n : ev)
            QVERIFY2(eventProcedure(qint16(n)) != nullptr, qPrintable(QStringLiteral("event %1").arg(n)));

        int firstAwake = -1;
        for (int i = 0; i < ev.size() && firstAwake < 0; ++i)
            if (!isSleep(ev[i]))
                firstAwake = i;
        QVERIFY(firstAwake > 0);
        QVERIFY2(minutes(firstAwake) >= 8 * 60 + 1 && minutes(firstAwake) < 8 * 60 + 6,
                 qPrintable(when[firstAwake].toString()));
        QVERIFY(ev[firstAwake] >= 11 && ev[firstAwake] <= 13);

        QVERIFY(startsIn(isMeal, 8 * 60, 9 * 60));
        QVERIFY(startsIn(isMeal, 12 * 60, 12 * 60 + 46));
        QVERIFY(startsIn([](int n) { return n == 21; }, 15 * 60, 16 * 60));
        QVERIFY(startsIn(isMeal, 18 * 60, 19 * 60));
        for (int h = 8; h <= 21; ++h)
            QVERIFY2(startsIn([](int) { return true; }, h * 60, h * 60 + 60), qPrintable(QString::number(h)));

        int baths = 0;
        for (int i = 0; i < ev.size(); ++i) {
            if (ev[i] >= 31 && ev[i] <= 33) {
                ++baths;
                QCOMPARE(when[i].time().hour(), 21);
            }
        }
        QVERIFY(baths <= 1);

        // Once the pet has gone to bed in the evening, it only sleeps.
        int bedtime = -1;
        for (int i = 0; i < ev.size() && bedtime < 0; ++i)
            if (minutes(i) >= 21 * 60 && isSleep(ev[i]))
                bedtime = i;
        QVERIFY(bedtime > 0);
        QVERIFY2(minutes(bedtime) < 22 * 60 + 40, qPrintable(when[bedtime].toString()));
        for (int i = bedtime; i < ev.size(); ++i)
            QVERIFY(isSleep(ev[i]));
        QVERIFY(isSleep(f.rt().activity));
        QCOMPARE(f.mem().Totaltime, 1440);

    }
};

QTEST_GUILESS_MAIN(TestDay)
#include "tst_day.moc"
