// The event engine: the choice at start-up, the countdown and follow-ups, the night's length,
// German time, festivals, the pickers, the hourly present file and stopping the props.
#include "petfixture.h"

#include "pet/core/presentation.h"
#include "testfiles.h"

#include <QtTest>

namespace {
QString presentList()
{
    QString s;
    for (int k = 1; k <= 15; ++k)
        s += QStringLiteral("\"gift%1.txt\",\"ピモの絵%1.txt\"\n").arg(k);
    return s;
}
} // namespace

class TestEngine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(QTimeZone("Asia/Tokyo").isValid() && QTimeZone("Europe/Berlin").isValid()); }

    // A start at 8:22 lands in the middle of the morning routine and must go straight to washing;
    // the clock labels must show from the first tick on.
    void startAt822Washes()
    {
        PetFixture f(ordinaryDay(8, 22));
        f.returning();
        f.scripted.push({2}); // the present check's draw fails
        f.pet->start();
        QCOMPARE(f.trace.events, QList<int>{15});
        QVERIFY2(!f.scripted.failed(), qPrintable(f.scripted.error()));
        QCOMPARE(f.scripted.remaining(), 0);
        // The clock labels appear with the first tick, not a minute later.
        f.time.advance(1000);
        QCOMPARE(f.scene().label(Label::Time), QStringLiteral("8:22"));
        QCOMPARE(f.scene().label(Label::Date), QStringLiteral("12月7日 (月)"));
    }

    // Early in the eight o'clock hour one draw in three sleeps a few minutes longer, otherwise
    // the pet wakes up.
    void startAt810SleepsOnOrWakes()
    {
        PetFixture sleepy(ordinaryDay(8, 10));
        sleepy.returning();
        sleepy.scripted.push({1, 3, 2, 2}); // a few more minutes: 3 x 60 s; sleep 8; no present
        sleepy.pet->start();
        QCOMPARE(sleepy.trace.events, QList<int>{8});
        QCOMPARE(sleepy.rt().activityLength, 180);

        PetFixture awake(ordinaryDay(8, 10));
        awake.returning();
        awake.scripted.push({3, 3, 2}); // wake up: 13; no present
        awake.pet->start();
        QCOMPARE(awake.trace.events, QList<int>{13});
        QVERIFY(!awake.scripted.failed());
    }

    // The countdown ends an event on the tick after it reached its length: 300 means 301 ticks.
    void eventOfLength300EndsOnTick301()
    {
        PetFixture f(ordinaryDay(10, 0));
        f.engine().restartCountdown();
        f.engine().startActivity(Activity::PlainChatFirst);
        QCOMPARE(f.rt().activityLength, 300);
        f.ticks(300);
        QCOMPARE(f.rt().activity, qint16(3));
        f.scripted.push({3}); // the hour's draw: reading
        f.ticks(1);
        QCOMPARE(f.trace.events, (QList<int>{3, 27}));
        QCOMPARE(f.rt().activitySeconds, 0);
    }

    // Grooming runs one way in the evening (towards the bath) and another in the morning
    // (towards breakfast); a wrong hour check would send the pet to the bath at breakfast.
    void groomingChainsFollowTheHour()
    {
        PetFixture evening(ordinaryDay(21, 5));
        evening.engine().restartCountdown();
        evening.engine().startActivity(Activity::GroomingFirst);
        evening.scripted.push({2}); // the bath: 32
        for (int i = 0; i < 3; ++i)
            evening.endEvent();
        QCOMPARE(evening.trace.events, (QList<int>{161, 15, 55, 32}));

        PetFixture morning(ordinaryDay(8, 25));
        morning.engine().restartCountdown();
        morning.engine().startActivity(Activity::WashFace);
        morning.scripted.push({1}); // breakfast: 18
        for (int i = 0; i < 6; ++i)
            morning.endEvent();
        QCOMPARE(morning.trace.events, (QList<int>{15, 161, 162, 163, 171, 172, 18}));
        QVERIFY(!morning.scripted.failed());
    }

    // Going to sleep at 23:30 must last until one to five minutes past eight, and the pet must
    // wake then, not earlier or a day later.
    void nightLastsUntilJustAfterEight()
    {
        PetFixture f(ordinaryDay(23, 30));
        f.returning();
        f.scripted.push({5, 1, 2}); // five minutes past eight; sleep 7; no present
        f.pet->start();
        QCOMPARE(f.trace.events, QList<int>{7});
        QCOMPARE(f.rt().activityLength, 9 * 3600 - 30 * 60 + 5 * 60);
        f.time.advance(qint64(f.rt().activityLength) * 1000);
        QCOMPARE(f.rt().activity, qint16(7));
        f.scripted.push({1}); // wake up: 11
        f.time.advance(1000);
        QCOMPARE(f.trace.events, (QList<int>{7, 11}));
        QCOMPARE(f.trace.eventTimes.last().time(), QTime(8, 5, 1));
        QVERIFY(!f.scripted.failed());
    }

    // The German clock follows the real rules of the zone: the change to summer time at the end
    // of March, "Gestern" only while Germany's date is behind ours, and the engine's hour under
    // German time is the hour in Germany.
    void germanClock_data()
    {
        QTest::addColumn<QDateTime>("local");
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("yesterday");
        QTest::addColumn<int>("hour");
        QTest::newRow("summer 10:15") << tokyo(2026, 7, 15, 10, 15) << "3:15" << false << 3;
        QTest::newRow("summer 7:40") << tokyo(2026, 7, 15, 7, 40) << "0:40" << false << 0;
        QTest::newRow("summer 6:59") << tokyo(2026, 7, 15, 6, 59) << "Gestern 23:59" << true << 23;
        QTest::newRow("summer 3:05") << tokyo(2026, 7, 15, 3, 5) << "Gestern 20:05" << true << 20;
        QTest::newRow("winter 10:15") << tokyo(2026, 12, 7, 10, 15) << "2:15" << false << 2;
        QTest::newRow("winter 7:59") << tokyo(2026, 12, 7, 7, 59) << "Gestern 23:59" << true << 23;
        QTest::newRow("28 March, still winter") << tokyo(2026, 3, 28, 10, 15) << "2:15" << false << 2;
        QTest::newRow("30 March, summer") << tokyo(2026, 3, 30, 10, 15) << "3:15" << false << 3;
        QTest::newRow("end of October, winter") << tokyo(2026, 10, 26, 10, 15) << "2:15" << false << 2;
    }
    void germanClock()
    {
        QFETCH(QDateTime, local);
        QFETCH(QString, label);
        QFETCH(bool, yesterday);
        QFETCH(int, hour);
        PetFixture f(local);
        f.mem().option1 = true;
        f.ticks(1);
        QCOMPARE(f.scene().label(Label::GermanTime), label);
        QCOMPARE(f.scene().germanTimeToolTip(),
                 yesterday ? QStringLiteral("ドイツの時間だよ、ドイツではまだ日付がかわってないんだ")
                           : QStringLiteral("ドイツの時間だよ"));
        QVERIFY(f.scene().summerMarkVisible());
        QCOMPARE(int(f.rt().hour), hour);
        QCOMPARE(f.scene().label(Label::Time),
                 QStringLiteral("%1:%2").arg(local.time().hour()).arg(local.time().minute(), 2, 10, QLatin1Char('0')));
        // Without German time the engine works with the local hour.
        f.mem().option1 = false;
        f.ticks(1);
        QCOMPARE(int(f.rt().hour), local.time().hour());
    }

    // Living on German time at local 10:15 in summer means 3 o'clock: the pet sleeps, until
    // just after eight in Germany. The date label appears on the tick after the choice.
    void germanTimeChoosesByTheHourInGermany()
    {
        PetFixture f(tokyo(2026, 7, 15, 10, 15));
        f.mem().option1 = true;
        f.scripted.push({1, 2}); // a minute past eight; sleep 8
        f.engine().chooseForTheHour();
        QCOMPARE(f.trace.events, QList<int>{8});
        QCOMPARE(f.rt().activityLength, 5 * 3600 - 15 * 60 + 60);
        f.ticks(1);
        QCOMPARE(f.scene().label(Label::Date), QStringLiteral("7月15日 (水)"));
    }

    // The moon-viewing festival comes only in the evening of its days; earlier the pet chats as
    // on any day, but a festival day makes the talk more likely at 9, 11, 14 and 19 o'clock.
    void festivalDaysAndTheMoonViewing()
    {
        PetFixture evening(tokyo(2026, 9, 16, 19, 0));
        evening.scripted.push({12});
        evening.engine().chooseForTheHour();
        QCOMPARE(evening.scripted.asked(), QList<int>{15});
        QCOMPARE(evening.trace.events, QList<int>{1005});
        QCOMPARE(evening.rt().activityLength, 600);

        PetFixture morning(tokyo(2026, 9, 16, 10, 0));
        morning.scripted.push({10, 2}); // the talk; friendship 50 chats 3 or 4
        morning.engine().chooseForTheHour();
        QCOMPARE(morning.scripted.asked(), (QList<int>{10, 2}));
        QCOMPARE(morning.trace.events, QList<int>{4});

        PetFixture festNine(tokyo(2026, 9, 16, 9, 0));
        festNine.scripted.push({10, 1});
        festNine.engine().chooseForTheHour();
        QCOMPARE(festNine.scripted.asked().first(), 15);
        QCOMPARE(festNine.trace.events, QList<int>{3});

        PetFixture plainNine(tokyo(2026, 9, 18, 9, 0));
        plainNine.scripted.push({10, 1});
        plainNine.engine().chooseForTheHour();
        QCOMPARE(plainNine.scripted.asked().first(), 10);
        QCOMPARE(plainNine.trace.events, QList<int>{3});
        QVERIFY(!plainNine.scripted.failed());
    }

    // Good night needs friendship above 60: at exactly 60 no draw is even made.
    void goodNightAfterBedtimeNeedsMoreThan60()
    {
        PetFixture at60(ordinaryDay(21, 58));
        at60.mem().Loveval = 60;
        at60.engine().restartCountdown();
        at60.engine().startActivity(Activity::Sleepy);
        at60.scripted.push({3, 1}); // night length, sleep 7
        at60.endEvent();
        QCOMPARE(at60.trace.events, (QList<int>{35, 7}));
        QCOMPARE(at60.scripted.asked(), (QList<int>{5, 5}));

        PetFixture at61(ordinaryDay(21, 58));
        at61.mem().Loveval = 61;
        at61.engine().restartCountdown();
        at61.engine().startActivity(Activity::Sleepy);
        at61.scripted.push({1, 1}); // good night; its line
        at61.endEvent();
        QCOMPARE(at61.trace.events, (QList<int>{35, 52}));
        QCOMPARE(at61.scripted.asked().first(), 10);
    }

    // Friendship 60 is enough for sleeping in the friend's bed (9) and reading in bed (53); one
    // less redraws.
    void friendshipSixtyOpensSleepAndBedtimeChoices()
    {
        PetFixture f(ordinaryDay(23, 0));
        f.mem().Loveval = 60;
        f.scripted.push({3, 2});
        f.engine().pick(Picker::Sleep);
        f.engine().restartCountdown();
        f.engine().pick(Picker::Bedtime);
        QCOMPARE(f.trace.events, (QList<int>{9, 53}));

        PetFixture g(ordinaryDay(23, 0));
        g.mem().Loveval = 59;
        g.scripted.push({3, 4, 2, 2, 1});
        g.engine().pick(Picker::Sleep);
        g.engine().restartCountdown();
        g.engine().pick(Picker::Bedtime);
        QCOMPARE(g.trace.events, (QList<int>{8, 35}));
        QCOMPARE(g.scripted.asked(), (QList<int>{5, 5, 5, 2, 2}));
    }

    // The flower needs the seeds, and the little flower's activity only while it is small.
    void hobbyFlowerBranch()
    {
        PetFixture small(ordinaryDay(14, 0));
        small.mem().Item[3] = 3;
        small.mem().Flowerday = 1;
        small.scripted.push({4, 1});
        small.engine().pick(Picker::Hobby);
        QCOMPARE(small.trace.events.first(), 41);

        PetFixture grown(ordinaryDay(14, 0));
        grown.mem().Item[3] = 3;
        grown.mem().Flowerday = 5;
        grown.scripted.push({16, 1});
        grown.engine().pick(Picker::Hobby);
        QCOMPARE(grown.trace.events.first(), 40);

        PetFixture none(ordinaryDay(19, 0));
        none.scripted.push({4, 10, 9});
        none.engine().pick(Picker::Hobby);
        QCOMPARE(none.trace.events.first(), 46);
    }

    // Every picker's redraw loop must end and give only what the pet's state allows, at the
    // lowest and highest friendship and without any present.
    void pickerRedrawsEndWithAllowedEvents_data()
    {
        QTest::addColumn<int>("picker");
        QTest::addColumn<int>("love");
        QTest::addColumn<QList<int>>("allowed");
        QTest::newRow("sleep -20") << int(Picker::Sleep) << -20 << QList<int>{7, 8};
        QTest::newRow("sleep 120") << int(Picker::Sleep) << 120 << QList<int>{7, 8, 9};
        QTest::newRow("wakeup 50") << int(Picker::Wakeup) << 50 << QList<int>{11, 13};
        QTest::newRow("wakeup 39") << int(Picker::Wakeup) << 39 << QList<int>{11, 12, 13};
        QTest::newRow("bedtime 59") << int(Picker::Bedtime) << 59 << QList<int>{35};
        QTest::newRow("hobby -20 at 19") << int(Picker::Hobby) << -20 << QList<int>{45, 46, 48};
        QTest::newRow("hobby 120 at 19") << int(Picker::Hobby) << 120 << QList<int>{45, 46, 48, 491, 501};
        QTest::newRow("talk -20") << int(Picker::Talk) << -20 << QList<int>{5, 6};
        QTest::newRow("talk 41") << int(Picker::Talk) << 41 << QList<int>{3, 4};
        QTest::newRow("talk 60") << int(Picker::Talk) << 60 << QList<int>{1, 2};
    }
    void pickerRedrawsEndWithAllowedEvents()
    {
        QFETCH(int, picker);
        QFETCH(int, love);
        QFETCH(QList<int>, allowed);
        PetFixture f(ordinaryDay(19, 0), PetFixture::Seeded, quint64(picker * 1000 + love));
        f.mem().Loveval = qint16(love);
        QSet<int> seen;
        for (int i = 0; i < 300; ++i) {
            f.engine().restartCountdown();
            f.engine().pick(Picker(picker));
            seen.insert(f.rt().activity);
        }
        for (int n : seen)
            QVERIFY2(allowed.contains(n), qPrintable(QStringLiteral("event %1").arg(n)));
        QCOMPARE(seen.size(), allowed.size());
    }

    // The first draw of the present check is 1 in N, N by friendship; at fifteen delivered
    // presents there is no draw at all.
    void presentOddsFollowFriendship_data()
    {
        QTest::addColumn<int>("love");
        QTest::addColumn<int>("n");
        QTest::newRow("49") << 49 << 100;
        QTest::newRow("50") << 50 << 50;
        QTest::newRow("59") << 59 << 50;
        QTest::newRow("60") << 60 << 25;
        QTest::newRow("99") << 99 << 25;
        QTest::newRow("100") << 100 << 10;
    }
    void presentOddsFollowFriendship()
    {
        QFETCH(int, love);
        QFETCH(int, n);
        PetFixture f(ordinaryDay(10, 0));
        f.mem().Loveval = qint16(love);
        f.scripted.push({2});
        f.engine().maybeDeliverPresent();
        QCOMPARE(f.scripted.asked(), QList<int>{n});
        QVERIFY(f.trace.presents.isEmpty());
    }
    void noPresentCheckAfterFifteen()
    {
        PetFixture f(ordinaryDay(10, 0));
        f.mem().Loveval = 120;
        f.mem().Totalpreno = 15;
        f.engine().maybeDeliverPresent();
        QVERIFY(f.scripted.asked().isEmpty());
    }

    // A present is a copy of the installed file on the desktop under its delivered name; it is
    // counted and flagged only then; a present already delivered draws again.
    void presentFileIsCopiedToTheDesktop()
    {
        PetFixture f(ordinaryDay(10, 0));
        f.writeDat(QStringLiteral("Present.dat"), presentList());
        writeFile(f.dataDir.filePath(QStringLiteral("gift3.txt")), "drawing three");
        writeFile(f.dataDir.filePath(QStringLiteral("gift4.txt")), "drawing four");
        f.ctx().tables.load(f.dataDir.path());
        f.mem().Preflag[3] = 1;
        f.scripted.push({1, 3, 1, 4});
        f.engine().maybeDeliverPresent();
        const QString onDesk = f.desktopDir.filePath(QStringLiteral("ピモの絵4.txt"));
        QCOMPARE(readFile(onDesk), QByteArray("drawing four"));
        QVERIFY(!QFileInfo::exists(f.desktopDir.filePath(QStringLiteral("ピモの絵3.txt"))));
        QCOMPARE(readFile(f.dataDir.filePath(QStringLiteral("gift4.txt"))), QByteArray("drawing four"));
        QVERIFY(!QFileInfo::exists(f.dataDir.filePath(QStringLiteral("ピモの絵4.txt"))));
        QCOMPARE(f.trace.presents, QList<int>{4});
        QCOMPARE(f.stored("Totalpreno"), QStringLiteral("1"));
        QCOMPARE(f.stored("Preflag4"), QStringLiteral("1"));
        QCOMPARE(f.mem().Preflag[4], qint16(1));

        // A failed first draw ends the retries.
        f.scripted.push({1, 4, 2});
        f.engine().maybeDeliverPresent();
        QCOMPARE(f.trace.presents, QList<int>{4});
        QCOMPARE(f.scripted.remaining(), 0);
    }

    // A present that cannot be delivered safely is not delivered and not counted: never over a
    // file the user has, never outside the desktop folder, never from a missing file.
    void undeliverablePresentIsNotCounted_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("delivered");
        QTest::addColumn<bool>("userFile");
        QTest::newRow("user's file") << "gift1.txt" << "letter.txt" << true;
        QTest::newRow("parent folder") << "gift1.txt" << "../letter.txt" << false;
        QTest::newRow("dot dot") << "gift1.txt" << ".." << false;
        QTest::newRow("backslash") << "gift1.txt" << "sub\\letter.txt" << false;
        QTest::newRow("empty") << "gift1.txt" << "" << false;
        QTest::newRow("missing file") << "nothing.txt" << "letter.txt" << false;
    }
    void undeliverablePresentIsNotCounted()
    {
        QFETCH(QString, stored);
        QFETCH(QString, delivered);
        QFETCH(bool, userFile);
        PetFixture f(ordinaryDay(10, 0));
        f.writeDat(QStringLiteral("Present.dat"), QStringLiteral("\"%1\",\"%2\"\n").arg(stored, delivered));
        writeFile(f.dataDir.filePath(QStringLiteral("gift1.txt")), "present");
        if (userFile)
            writeFile(f.desktopDir.filePath(QStringLiteral("letter.txt")), "the user's own");
        f.ctx().tables.load(f.dataDir.path());
        f.scripted.push({1, 1});
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("present"));
        f.engine().maybeDeliverPresent();
        QCOMPARE(f.mem().Totalpreno, qint16(0));
        QCOMPARE(f.mem().Preflag[1], qint16(0));
        QCOMPARE(f.stored("Totalpreno"), QStringLiteral("<absent>"));
        QCOMPARE(f.stored("Preflag1"), QStringLiteral("<absent>"));
        QVERIFY(f.trace.presents.isEmpty());
        const QStringList onDesk = QDir(f.desktopDir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
        QCOMPARE(onDesk, userFile ? QStringList{QStringLiteral("letter.txt")} : QStringList{});
        if (userFile)
            QCOMPARE(readFile(f.desktopDir.filePath(QStringLiteral("letter.txt"))), QByteArray("the user's own"));
        QVERIFY(!QFileInfo::exists(QDir(f.desktopDir.path()).absoluteFilePath(QStringLiteral("../letter.txt"))));
    }

    // Outside the day hours the present counter keeps growing; at the top of 16 bits it must
    // stay there rather than overflow, and the first day minute still runs the check.
    void presentCounterSaturates()
    {
        PetFixture f(ordinaryDay(3, 0));
        f.store.write(QStringLiteral("Precount"), QStringLiteral("32766"));
        f.pet->load();
        f.ticks(120);
        QCOMPARE(f.mem().Precount, qint16(32767));
        QCOMPARE(f.stored("Precount"), QStringLiteral("32767"));
        f.time.jump(6 * 3600 * 1000);
        f.scripted.push({2});
        f.ticks(60);
        QCOMPARE(f.scripted.asked(), QList<int>{50});
        QCOMPARE(f.mem().Precount, qint16(0));
        f.ticks(60);
        QCOMPARE(f.stored("Precount"), QStringLiteral("1"));
    }

    // Stopping an activity hides every prop whose animation runs and puts the race cars back at
    // their starting height; props without a running animation and the step timer are left be.
    void clearfunStopsAnimationsAndResetsTheCars()
    {
        PetFixture f(ordinaryDay(14, 0));
        Engine &e = f.engine();
        Scene &s = f.scene();
        for (Prop p : {Prop::Flower, Prop::Water, Prop::Tv, Prop::Computer, Prop::Grass, Prop::Bubble1, Prop::Bubble2,
                       Prop::BlueCar, Prop::RivalCar, Prop::ToyCar})
            s.setPropVisible(p, true);
        s.moveProp(Prop::ToyCar, 100, 170);
        s.moveProp(Prop::BlueCar, 51, 230);
        s.moveProp(Prop::RivalCar, 2, 220);
        for (Anim a : {Anim::Tv, Anim::Computer, Anim::Grass, Anim::Bubbles, Anim::RaceStart, Anim::RaceRun})
            e.startAnimation(a);
        e.setStepInterval(700);
        e.stopAnimations();
        for (Prop p : {Prop::Flower, Prop::Tv, Prop::Computer, Prop::Grass, Prop::Bubble1, Prop::Bubble2, Prop::BlueCar,
                       Prop::RivalCar, Prop::ToyCar})
            QVERIFY2(!s.prop(p).visible, qPrintable(QString::number(int(p))));
        QVERIFY(s.prop(Prop::Water).visible); // its animation was not running
        QCOMPARE(s.prop(Prop::BlueCar).y, 184);
        QCOMPARE(s.prop(Prop::RivalCar).y, 188);
        QCOMPARE(s.prop(Prop::ToyCar).y, 185);
        QCOMPARE(s.prop(Prop::ToyCar).x, 100);
        for (Anim a : {Anim::Tv, Anim::Computer, Anim::Grass, Anim::Bubbles, Anim::RaceStart, Anim::RaceRun})
            QVERIFY(!e.animationRunning(a));
        QCOMPARE(e.stepInterval(), 700);

        // The car running across the room goes back to its place.
        s.setPropVisible(Prop::ToyCar, true);
        s.moveProp(Prop::ToyCar, -40, 185);
        e.startAnimation(Anim::ToyCar);
        e.startAnimation(Anim::Water);
        e.stopAnimations();
        QVERIFY(!s.prop(Prop::ToyCar).visible);
        QCOMPARE(s.prop(Prop::ToyCar).x, 62);
        QCOMPARE(s.prop(Prop::ToyCar).y, 185);
        QVERIFY(!s.prop(Prop::Water).visible);
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
