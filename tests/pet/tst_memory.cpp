// What the pet remembers between runs: the first start, friendship bounds, the return bonus and
// absence penalty, the flower's catch-up, the exit save, the window's place, damaged stored
// values, the friendship level names and the data files read at start-up.
#include "petfixture.h"

#include "common/daynumber.h"
#include "pet/core/presentation.h"

#include <QtTest>

namespace {
constexpr qint32 kDayN = 46363; // 7 December 2026
} // namespace

class TestMemory : public QObject
{
    Q_OBJECT
private slots:
    // The very first start must centre the window, start from the default friendship and running
    // time, play the first meeting and remember that it has been played.
    void firstStartCentresTheWindowAndMeetsTheUser()
    {
        PetFixture f(ordinaryDay(10, 0), PetFixture::Seeded);
        f.pet->start();
        QCOMPARE(f.mem().mleft, (28800 - 4380) / 2);
        QCOMPARE(f.mem().mtop, (16200 - 3360) / 2);
        QCOMPARE(f.ctx().screen.petLeft, f.mem().mleft);
        QCOMPARE(f.scene().label(Label::Level), QStringLiteral("普通"));
        QCOMPARE(f.scene().label(Label::TotalTime), QStringLiteral("0000000"));
        QCOMPARE(f.trace.events.value(0, -1), 0);
        QCOMPARE(f.stored("Firstflag"), QStringLiteral("1"));
        QCOMPARE(f.mem().Loveval, qint16(50));
        // A second start with that store no longer meets the user again.
        PetFixture again(ordinaryDay(10, 5), PetFixture::Seeded);
        again.store.values() = f.store.values();
        again.pet->start();
        QVERIFY(!again.trace.events.isEmpty());
        QVERIFY(again.trace.events.first() != 0);
    }

    // Friendship must stay within -20..120 and be written at once; a sum past 16 bits must not
    // wrap round to the other end.
    void friendshipIsClampedAndWrittenAtOnce()
    {
        PetFixture f(ordinaryDay(10, 0));
        f.mem().Loveval = 118;
        f.ctx().memory.addFriendship(5);
        QCOMPARE(f.mem().Loveval, qint16(120));
        QCOMPARE(f.stored("Loveval"), QStringLiteral("120"));
        f.mem().Loveval = -18;
        f.ctx().memory.addFriendship(-5);
        QCOMPARE(f.stored("Loveval"), QStringLiteral("-20"));
        f.mem().Loveval = 120;
        f.ctx().memory.addFriendship(32767);
        QCOMPARE(f.mem().Loveval, qint16(120));
        f.mem().Loveval = -20;
        f.ctx().memory.addFriendship(-32768);
        QCOMPARE(f.mem().Loveval, qint16(-20));
    }

    // Coming back the next day is rewarded and a long absence costs friendship; what counts as
    // "a day later" goes by the rounded day numbers, so the time of day matters.
    void returnBonusAndAbsencePenalty_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<int>("love");
        QTest::addColumn<int>("expected");
        QTest::newRow("next day 10:00") << tokyo(2026, 12, 8, 10, 0) << 50 << 52;
        QTest::newRow("next day 13:00") << tokyo(2026, 12, 8, 13, 0) << 50 << 50;
        QTest::newRow("two days") << tokyo(2026, 12, 9, 10, 0) << 50 << 50;
        QTest::newRow("three days 09:00") << tokyo(2026, 12, 10, 9, 0) << 50 << 47;
        QTest::newRow("forty days from 10") << tokyo(2027, 1, 16, 10, 0) << 10 << -20;
        QTest::newRow("same day") << tokyo(2026, 12, 7, 11, 0) << 50 << 50;
    }
    void returnBonusAndAbsencePenalty()
    {
        QFETCH(QDateTime, start);
        QFETCH(int, love);
        QFETCH(int, expected);
        PetFixture before(ordinaryDay(10, 0), PetFixture::Seeded);
        before.returning();
        before.store.write(QStringLiteral("Loveval"), QString::number(love));
        before.pet->load();
        before.pet->exitSave(before.mem().mleft, before.mem().mtop);
        QCOMPARE(before.stored("Lastdate"), QString::number(kDayN));

        PetFixture after(start, PetFixture::Seeded);
        after.store.values() = before.store.values();
        after.pet->start();
        QCOMPARE(int(after.mem().Loveval), expected);
        QCOMPARE(after.stored("Loveval").toInt(), expected);
    }

    // The flower grows while the program is closed; a finished flower starts again; without a
    // last day only a negative count is cleared; without the seeds nothing is touched.
    void flowerCatchesUpAtStart_data()
    {
        QTest::addColumn<int>("item3");
        QTest::addColumn<int>("flowerday");
        QTest::addColumn<int>("lastday");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<int>("expected");
        QTest::newRow("three days away") << 3 << 2 << kDayN << tokyo(2026, 12, 10, 0, 0) << 5;
        QTest::newRow("finished flower") << 3 << -1 << kDayN << tokyo(2026, 12, 9, 12, 0) << 2;
        QTest::newRow("tie to even") << 3 << 1 << kDayN << tokyo(2026, 12, 9, 12, 0) << 4;
        QTest::newRow("no last day, negative") << 3 << -1 << 0 << tokyo(2026, 12, 9, 12, 0) << 0;
        QTest::newRow("no last day, growing") << 3 << 4 << 0 << tokyo(2026, 12, 9, 12, 0) << 4;
        QTest::newRow("no seeds") << 2 << -1 << kDayN << tokyo(2026, 12, 12, 12, 0) << -1;
    }
    void flowerCatchesUpAtStart()
    {
        QFETCH(int, item3);
        QFETCH(int, flowerday);
        QFETCH(int, lastday);
        QFETCH(QDateTime, start);
        QFETCH(int, expected);
        PetFixture f(start, PetFixture::Seeded);
        f.returning();
        f.store.write(QStringLiteral("Item3"), QString::number(item3));
        f.store.write(QStringLiteral("Flowerday"), QString::number(flowerday));
        if (lastday)
            f.store.write(QStringLiteral("Lastday"), QString::number(lastday));
        f.pet->start();
        QCOMPARE(int(f.mem().Flowerday), expected);
        QCOMPARE(f.stored("Flowerday"), QString::number(expected));
    }

    // The exit save writes the window place, the running time and the day of the exit, rounded
    // to whole days; the flower's last day only while the seeds are in use.
    void exitSaveWritesPlaceTimeAndDays()
    {
        PetFixture f(ordinaryDay(11, 59), PetFixture::Seeded);
        f.returning();
        f.store.write(QStringLiteral("Totaltime"), QStringLiteral("321"));
        f.pet->load();
        f.pet->exitSave(1500, 2400);
        QCOMPARE(f.stored("mleft"), QStringLiteral("1500"));
        QCOMPARE(f.stored("mtop"), QStringLiteral("2400"));
        QCOMPARE(f.stored("Totaltime"), QStringLiteral("321"));
        QCOMPARE(f.stored("Lastdate"), QString::number(kDayN));
        QCOMPARE(f.stored("Lastday"), QStringLiteral("<absent>"));

        PetFixture g(ordinaryDay(12, 1), PetFixture::Seeded);
        g.store.write(QStringLiteral("Item3"), QStringLiteral("3"));
        g.pet->load();
        g.pet->exitSave(0, 0);
        QCOMPARE(g.stored("Lastdate"), QString::number(kDayN + 1));
        QCOMPARE(g.stored("Lastday"), QString::number(kDayN + 1));
    }

    // A window place stored off the screen is pulled back so the whole window is on it; a
    // fractional place rounds to even; a screen smaller than the window leaves a negative edge.
    void windowPlaceIsPulledOntoTheScreen_data()
    {
        QTest::addColumn<QString>("mleft");
        QTest::addColumn<QString>("mtop");
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("left of the screen") << "-300" << "-1" << 28800 << 0 << 0;
        QTest::newRow("right of the screen") << "99999" << "99999" << 28800 << 24420 << 12840;
        QTest::newRow("inside") << "4567.5" << "100" << 28800 << 4568 << 100;
        QTest::newRow("screen too narrow") << "500" << "100" << 3000 << -1380 << 100;
    }
    void windowPlaceIsPulledOntoTheScreen()
    {
        QFETCH(QString, mleft);
        QFETCH(QString, mtop);
        QFETCH(int, screenWidth);
        QFETCH(int, left);
        QFETCH(int, top);
        PetFixture f(ordinaryDay(10, 0));
        f.ctx().screen.width = screenWidth;
        f.store.write(QStringLiteral("mleft"), mleft);
        f.store.write(QStringLiteral("mtop"), mtop);
        f.pet->load();
        QCOMPARE(f.mem().mleft, left);
        QCOMPARE(f.mem().mtop, top);
        QCOMPARE(f.ctx().screen.petLeft, left);
        QCOMPARE(f.ctx().screen.petTop, top);
    }

    // Under a window manager the frame is known only after the first show: the place is then
    // reckoned again on the frame, so a place stored near the bottom still shows the buttons, and
    // a first start is centred on the frame. Later frames do not move the window again.
    void placeIsCorrectedOnceWhenTheFrameArrives()
    {
        PetFixture f(ordinaryDay(10, 0));
        ScreenGeometry &g = f.ctx().screen;
        f.store.write(QStringLiteral("mtop"), QStringLiteral("999999"));
        f.store.write(QStringLiteral("mleft"), QStringLiteral("600"));
        f.pet->load();
        QCOMPARE(f.mem().mtop, 1080 * 15 - 3360);
        f.pet->petFrameChanged(4380 + 30, 3360 + 315);
        QCOMPARE(f.mem().mtop, 1080 * 15 - 3360 - 315);
        QCOMPARE(g.petTop, 1080 * 15 - 3360 - 315);
        QCOMPARE(g.petLeft, 600);
        f.pet->petMoved(600, 3000);
        f.pet->petFrameChanged(4380 + 60, 3360 + 400);
        QCOMPARE(g.petTop, 3000);

        PetFixture first(ordinaryDay(10, 0));
        first.pet->load();
        first.pet->petFrameChanged(4380 + 30, 3360 + 315);
        QCOMPARE(first.mem().mleft, placement::centred(0, 1920 * 15, 4380 + 30));
        QCOMPARE(first.mem().mtop, placement::centred(0, 1080 * 15, 3360 + 315));
        QVERIFY(!first.store.contains(QStringLiteral("mleft")));
    }

    // With two screens a stored place on the second one stays there, one beyond it is pulled
    // onto it, and a first start is centred on the primary screen, wherever the screens stand.
    void placeStaysOnTheScreenItWasLeftOn()
    {
        PetFixture f(ordinaryDay(10, 0));
        ScreenGeometry &g = f.ctx().screen;
        g.screens = {{-1280 * 15, 0, 1280 * 15, 1024 * 15}, {0, 0, 1920 * 15, 1050 * 15}};
        f.store.write(QStringLiteral("mleft"), QStringLiteral("-9000"));
        f.store.write(QStringLiteral("mtop"), QStringLiteral("999999"));
        f.pet->load();
        QCOMPARE(f.mem().mleft, -9000);
        QCOMPARE(f.mem().mtop, 1024 * 15 - 3360);
        f.store.write(QStringLiteral("mleft"), QStringLiteral("-99999"));
        f.pet->load();
        QCOMPARE(f.mem().mleft, -1280 * 15);
        f.store.removeApplication();
        f.pet->load();
        QCOMPARE(f.mem().mleft, placement::centred(-1280 * 15, 1280 * 15, 4380));
        QCOMPARE(f.mem().mtop, placement::centred(0, 1024 * 15, 3360));
    }

    // The game pack may store friendship above the top: it is shown as the highest level and
    // brought back into range by the next change.
    void friendshipAboveTheTopIsShownAndClampedLater()
    {
        PetFixture f(ordinaryDay(10, 0));
        f.store.write(QStringLiteral("Loveval"), QStringLiteral("122"));
        f.pet->load();
        QCOMPARE(f.mem().Loveval, qint16(122));
        QCOMPARE(f.scene().label(Label::Level), QStringLiteral("大の仲良し"));
        f.ctx().memory.addFriendship(-1);
        QCOMPARE(f.stored("Loveval"), QStringLiteral("120"));
    }

    // The present flags are read one key each; one present key alone must not shift the others.
    void singlePresentFlagIsReadAlone()
    {
        PetFixture f(ordinaryDay(10, 0));
        f.store.write(QStringLiteral("Preflag7"), QStringLiteral("1"));
        f.pet->load();
        for (int k = 1; k <= 15; ++k)
            QCOMPARE(int(f.mem().Preflag[k]), k == 7 ? 1 : 0);
    }

    // One damaged value must cost only that key: it takes its default and every key after it is
    // still read.
    void damagedValueCostsOnlyItsKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("mleft not a number") << "mleft" << "abc";
        QTest::newRow("Firstflag out of range") << "Firstflag" << "40000";
        QTest::newRow("Loveval not a number") << "Loveval" << "sehr gut";
        QTest::newRow("option1 neither") << "option1" << "maybe";
    }
    void damagedValueCostsOnlyItsKey()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        PetFixture f(ordinaryDay(10, 0));
        f.store.write(QStringLiteral("Totaltime"), QStringLiteral("1234"));
        f.store.write(QStringLiteral("Item1"), QStringLiteral("3"));
        f.store.write(QStringLiteral("Totalpreno"), QStringLiteral("4"));
        f.store.write(QStringLiteral("Preflag15"), QStringLiteral("1"));
        f.store.write(key, value);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(key));
        f.pet->load();
        QCOMPARE(f.mem().Totaltime, 1234);
        QCOMPARE(f.mem().Item[1], qint16(3));
        QCOMPARE(f.mem().Totalpreno, qint16(4));
        QCOMPARE(f.mem().Preflag[15], qint16(1));
        QCOMPARE(f.mem().mleft, 12210);
        QCOMPARE(f.mem().Firstflag, qint16(0));
        QCOMPARE(f.mem().Loveval, qint16(50));
        QCOMPARE(f.mem().option1, false);
        QCOMPARE(f.scene().label(Label::TotalTime), QStringLiteral("0001234"));
    }

    // The running time shows at least seven digits; a hand-edited negative one keeps all seven
    // after its sign instead of giving one of them up to it, and a large one is not cut.
    void runningTimeShowsSevenDigits_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0") << "0" << "0000000";
        QTest::newRow("1015") << "1015" << "0001015";
        QTest::newRow("-5") << "-5" << "-0000005";
        QTest::newRow("-1234567") << "-1234567" << "-1234567";
        QTest::newRow("12345678") << "12345678" << "12345678";
        QTest::newRow("lowest") << "-2147483648" << "-2147483648";
    }
    void runningTimeShowsSevenDigits()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        PetFixture f(ordinaryDay(10, 0));
        f.store.write(QStringLiteral("Totaltime"), stored);
        f.pet->load();
        QCOMPARE(f.scene().label(Label::TotalTime), shown);
    }

    // Each friendship value must show the level of its band, and none outside -200..200.
    void levelNamesAtTheirBoundaries_data()
    {
        QTest::addColumn<int>("love");
        QTest::addColumn<QString>("name");
        QTest::newRow("-201") << -201 << "";
        QTest::newRow("-200") << -200 << "全然駄目！";
        QTest::newRow("-1") << -1 << "全然駄目！";
        QTest::newRow("0") << 0 << "かなり気まずい";
        QTest::newRow("19") << 19 << "かなり気まずい";
        QTest::newRow("20") << 20 << "ちょっと気まずい";
        QTest::newRow("39") << 39 << "ちょっと気まずい";
        QTest::newRow("40") << 40 << "普通";
        QTest::newRow("59") << 59 << "普通";
        QTest::newRow("60") << 60 << "ちょっと仲良し";
        QTest::newRow("79") << 79 << "ちょっと仲良し";
        QTest::newRow("80") << 80 << "割と仲良し";
        QTest::newRow("99") << 99 << "割と仲良し";
        QTest::newRow("100") << 100 << "大の仲良し";
        QTest::newRow("120") << 120 << "大の仲良し";
        QTest::newRow("200") << 200 << "大の仲良し";
        QTest::newRow("201") << 201 << "";
    }
    void levelNamesAtTheirBoundaries()
    {
        QFETCH(int, love);
        QFETCH(QString, name);
        PetFixture f(ordinaryDay(10, 0));
        f.mem().Loveval = qint16(love);
        f.pet->presentation().refreshFriendshipLabel();
        QCOMPARE(f.scene().label(Label::Level), name);
    }

    // Data files: fields are read in order across line ends; a short file leaves the records
    // it lacks empty, a missing one leaves all of them empty.
    void shortOrMissingDataFilesLeaveEmptyRecords()
    {
        PetFixture f(ordinaryDay(10, 0));
        f.writeDat(QStringLiteral("Study.dat"),
                   QStringLiteral("\"ドイツの首都は？\",ベルリン,ミュンヘン,\"ハンブルク\",1\n"
                                  "\"1 + 1 は？\",\"いち, に\",2,3,2\n"));
        f.writeDat(QStringLiteral("Music.dat"),
                   QStringLiteral("好きな曲は？,ロック,ジャズ,演歌,\"いいね\",\"ぼくも\",\"ふうん\",\"そっか\","
                                  "\"渋い！\",\"おじいちゃんみたい\",2,0,-3\n"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Book.dat"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Present.dat"));
        f.ctx().tables.load(f.dataDir.path());
        const DataTables &t = f.ctx().tables;
        QCOMPARE(t.study[1].question, QStringLiteral("ドイツの首都は？"));
        QCOMPARE(t.study[1].answer[3], QStringLiteral("ハンブルク"));
        QCOMPARE(t.study[1].right, qint16(1));
        QCOMPARE(t.study[2].answer[1], QStringLiteral("いち, に"));
        QCOMPARE(t.study[2].right, qint16(2));
        QVERIFY(t.study[3].question.isEmpty());
        QCOMPARE(t.study[3].right, qint16(0));
        QCOMPARE(t.music[1].reply2[3], QStringLiteral("おじいちゃんみたい"));
        QCOMPARE(t.music[1].change[1], qint16(2));
        QCOMPARE(t.music[1].change[3], qint16(-3));
        QVERIFY(t.music[2].question.isEmpty());
        QVERIFY(t.book[1].question.isEmpty());
        QVERIFY(t.present[1].stored.isEmpty());
    }

    // A missing book file must not stop the start: the pet still chooses its activity and the
    // clock runs.
    void startCompletesWithoutTheBookFile()
    {
        PetFixture f(ordinaryDay(10, 0), PetFixture::Seeded);
        f.returning();
        f.writeDat(QStringLiteral("Study.dat"), QStringLiteral("問題,あ,い,う,1\n"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Music.dat"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Book.dat"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Present.dat"));
        f.pet->start();
        QVERIFY(!f.trace.events.isEmpty());
        QVERIFY(f.engine().clockRunning());
        QCOMPARE(f.ctx().tables.study[1].question, QStringLiteral("問題"));
        QVERIFY(f.ctx().tables.book[1].answer[1].isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMemory)
#include "tst_memory.moc"
