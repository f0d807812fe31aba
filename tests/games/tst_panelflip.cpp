// The panel-flip game played in virtual time with scripted chance: the pet's memory and its
// fallible recall, its random choices, the judging, the stored result and the window's board.
#include "games/gamepicturewidget.h"
#include "games/panelflip/panelflip.h"
#include "games/panelflip/panelflipwindow.h"

#include "common/random.h"
#include "common/settingsstore.h"
#include "common/timers.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Panels 2f-1 and 2f carry face f: 1 1 2 2 / 3 3 4 4 / 5 5 6 6.
QList<int> dealInPairs()
{
    QList<int> draws;
    for (int p = 1; p <= 12; ++p)
        draws << p;
    return draws;
}

struct Table {
    ScriptedRandom random;
    VirtualTime time{QDateTime(QDate(2024, 5, 1), QTime(10, 0))};
    MemorySettingsStore store;
    PanelFlip game{random, time, store};

    Table()
    {
        for (int d : dealInPairs())
            random.push(d);
        game.Newgame();
    }
    // The user turns two panels; the judging pause runs out.
    void userTurns(int a, int b)
    {
        game.userClick(a);
        game.userClick(b);
        time.advance(PanelFlip::WaitloopMs);
    }
    // The pet's first and second flips, two seconds apart.
    void petFlip() { time.advance(PanelFlip::FlipDelayMs); }
};

} // namespace

class TestPanelFlip : public QObject
{
    Q_OBJECT
private slots:
    // The deal must put every face on exactly two panels and begin with the user.
    void dealGivesEachFaceTwiceAndTheUserBegins()
    {
        Table t;
        for (int p = 1; p <= 12; ++p) {
            QCOMPARE(t.game.tag(p), (p + 1) / 2);
            QVERIFY(t.game.isFaceDown(p));
        }
        QCOMPARE(t.game.turn(), int(PanelFlip::UserTurn));
        QVERIFY(t.game.panelsEnabled());
        QCOMPARE(t.game.frame(), 1);
        QCOMPARE(t.game.msg(), QStringLiteral("ねっねっ、早く早く！君が先だよっ\r\nぼく、絶対負けないからね！"));
        for (int w = 1; w <= 3; ++w)
            QCOMPARE(t.game.wins(w), 0);
        QVERIFY(!t.random.failed());
    }

    // A face-up panel, or any panel while the pet moves or a turn is judged, must not flip.
    void clicksOnFaceUpOrDisabledPanelsAreIgnored()
    {
        Table t;
        t.game.userClick(1);
        QCOMPARE(t.game.msg(), QStringLiteral("2枚目をめくって！"));
        t.game.userClick(1); // the same panel again
        QCOMPARE(t.game.memoryAt(2), 0);
        t.game.userClick(3); // a miss: the panels lock while it is judged
        QVERIFY(!t.game.panelsEnabled());
        t.game.userClick(5);
        QVERIFY(t.game.isFaceDown(5));
        t.time.advance(PanelFlip::WaitloopMs);
        QVERIFY(t.game.isFaceDown(1) && t.game.isFaceDown(3));
        QCOMPARE(t.game.turn(), int(PanelFlip::PetTurn));
        t.game.userClick(5);
        QVERIFY(t.game.isFaceDown(5));
    }

    // A pair is two different remembered panels with one face; the same panel seen twice is not.
    void samePanelSeenTwiceIsNoPair()
    {
        Table t;
        t.game.setMemoryForTest({0, 5, 1, 7, 1});
        QVERIFY(!t.game.Searchpair());
        t.game.setMemoryForTest({0, 2, 1, 7, 1});
        QVERIFY(t.game.Searchpair());
        QCOMPARE(t.game.age(1), 1);
        QCOMPARE(t.game.age(2), 2);
        QCOMPARE(t.game.target(1), 2); // the more recent sighting is turned first
        QCOMPARE(t.game.target(2), 1);
    }

    // The memory holds twelve flips: a sighting at position 12 counts, one pushed past it is gone.
    void sightingsLastTwelveFlips()
    {
        Table t;
        t.game.setMemoryForTest({0, 1, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 2});
        QVERIFY(t.game.Searchpair());
        QCOMPARE(t.game.age(2), 12);
        QCOMPARE(t.game.target(1), 1);
        QCOMPARE(t.game.target(2), 2);
        t.game.userClick(5); // one more flip pushes panel 2 out
        QCOMPARE(t.game.memoryAt(12), 3);
        QVERIFY(!t.game.Searchpair());
    }

    // The pet's remark and its chance to forget both follow the age of the older sighting.
    void recallWeakensWithAge_data()
    {
        QTest::addColumn<int>("olderAge");
        QTest::addColumn<int>("frame");
        QTest::addColumn<QString>("remark");
        QTest::addColumn<int>("forgetOneIn");
        QTest::newRow("4") << 4 << 1 << QStringLiteral("♪～") << 30;
        QTest::newRow("5") << 5 << 6 << QStringLiteral("んー") << 10;
        QTest::newRow("7") << 7 << 6 << QStringLiteral("んー") << 10;
        QTest::newRow("8") << 8 << 5 << QStringLiteral("・・・？") << 5;
        QTest::newRow("9") << 9 << 5 << QStringLiteral("・・・？") << 5;
        QTest::newRow("10") << 10 << 3 << QStringLiteral("ううーん・・・とぉ") << 2;
        QTest::newRow("12") << 12 << 3 << QStringLiteral("ううーん・・・とぉ") << 2;
    }
    void recallWeakensWithAge()
    {
        QFETCH(int, olderAge);
        QFETCH(int, frame);
        QFETCH(QString, remark);
        QFETCH(int, forgetOneIn);
        Table t;
        // The pet has seen panel 6 and, olderAge - 2 flips before, panel 5 (same face); the
        // user's two flips below push both sightings two places further.
        std::array<int, 13> memory{};
        memory.fill(9);
        memory[0] = 0;
        memory[1] = 6;
        memory[olderAge - 2] = 5;
        t.game.setMemoryForTest(memory);
        t.userTurns(1, 3);
        QCOMPARE(t.game.msg(), QStringLiteral("次はぼくの番だね！\r\n当てちゃうからね！"));
        QCOMPARE(t.game.frame(), 1);
        t.petFlip();
        QVERIFY(!t.game.isFaceDown(6));
        QCOMPARE(t.game.frame(), frame);
        QCOMPARE(t.game.msg(), remark);
        t.random.push(2); // remembered
        t.petFlip();
        QCOMPARE(t.random.asked().last(), forgetOneIn);
        QVERIFY(!t.game.isFaceDown(5));
        QCOMPARE(t.game.pairsTaken(PanelFlip::Pet), 1);
        QCOMPARE(t.game.msg(), QStringLiteral("よし！"));
        QCOMPARE(t.game.frame(), 2);
        QVERIFY(!t.random.failed());
    }

    // A forgetful pet must fall back to its random choice, which shuns remembered panels ten
    // times and then takes the eleventh candidate whatever it is; that candidate here is a panel
    // turned before, which then stands twice in the memory.
    void eleventhCandidateIsTakenEvenIfRemembered()
    {
        Table t;
        t.userTurns(1, 3);
        QCOMPARE(t.game.msg(), QStringLiteral("次はぼくの番だね！\r\nえーっとぉ・・・"));
        QCOMPARE(t.game.frame(), 6);
        for (int i = 0; i < 10; ++i)
            t.random.push(1); // remembered: rejected ten times
        t.random.push(3);     // remembered too, but taken
        t.petFlip();
        QVERIFY(!t.game.isFaceDown(3));
        QVERIFY(t.game.isFaceDown(1));
        QCOMPARE(t.game.memoryAt(1), 3);
        QCOMPARE(t.game.memoryAt(2), 3);
        QCOMPARE(t.game.memoryAt(3), 1);
        QCOMPARE(t.game.msg(), QStringLiteral("2枚目は～・・・"));
        // Searching after the first flip finds panel 4's twin only if it was seen: it was not.
        t.random.push({4, 1, 2}); // a fresh panel: not rejected
        t.petFlip();
        QVERIFY(!t.game.isFaceDown(4));
        QCOMPARE(t.game.pairsTaken(PanelFlip::Pet), 1);
        QCOMPARE(t.random.remaining(), 2);
        QVERIFY(!t.random.failed());
    }

    // The user wins every pair: the pet's counter of defeats rises, a garbage counter reads 0,
    // a counter at its top stays there, and the program ends three seconds after the result.
    void userWinsAndTheResultIsStored()
    {
        Table t;
        t.store.write(QStringLiteral("winno11"), QStringLiteral("abc"));
        t.store.write(QStringLiteral("winno12"), QStringLiteral("32767"));
        t.store.write(QStringLiteral("winno13"), QStringLiteral("4"));
        for (int d : dealInPairs())
            t.random.push(d);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("winno11.*abc")));
        t.game.Newgame();
        QCOMPARE(t.game.wins(1), 0);
        QCOMPARE(t.game.wins(2), 32767);
        QSignalSpy finished(&t.game, &PanelFlip::finished);
        for (int f = 1; f <= 5; ++f) {
            t.game.userClick(2 * f - 1);
            t.game.userClick(2 * f);
            QCOMPARE(t.game.msg(), QStringLiteral("あ、当たったね！"));
            t.time.advance(PanelFlip::WaitloopMs);
            QCOMPARE(t.game.frame(), 6);
            QVERIFY(t.game.panelsEnabled());
        }
        QCOMPARE(t.game.msg(), QStringLiteral("さぁ、次も君だよっ！\r\nあとは、めくるだけだねっ"));
        t.game.userClick(11);
        QCOMPARE(t.game.msg(), QStringLiteral("それをめくれば終わりだね！"));
        t.game.userClick(12);
        QCOMPARE(t.game.msg(), QStringLiteral("それをめくれば終わりだね！")); // no greeting
        const int writesBefore = t.store.writeCount();
        t.time.advance(PanelFlip::WaitloopMs);
        QCOMPARE(t.game.frame(), 4);
        QCOMPARE(t.game.msg(), QStringLiteral("あーあ、負けちゃった・・・\r\nまた勝負してね、次はぼくが勝つからっ！"));
        QCOMPARE(t.store.writeCount() - writesBefore, 3);
        QCOMPARE(t.store.read(QStringLiteral("winno11"), {}), QStringLiteral("0"));
        QCOMPARE(t.store.read(QStringLiteral("winno12"), {}), QStringLiteral("32767"));
        QCOMPARE(t.store.read(QStringLiteral("winno13"), {}), QStringLiteral("4"));
        QVERIFY(!t.game.panelsEnabled());
        t.time.advance(PanelFlip::CloseDelayMs - 1);
        QCOMPARE(finished.count(), 0);
        t.time.advance(1);
        QCOMPARE(finished.count(), 1);
        QVERIFY(!t.random.failed());
    }

    // After the user's two pairs and a miss the pet takes four; with five pairs taken it flips at
    // random among the last two, even a panel it remembers, and the last pair gets no greeting.
    void petWinsAndFlipsTheLastPairBlindly()
    {
        Table t;
        t.userTurns(3, 4);
        t.userTurns(5, 6);
        t.userTurns(11, 1); // the pet now remembers 11 and 1
        QCOMPARE(t.game.turn(), int(PanelFlip::PetTurn));
        t.random.push({2}); // a fresh panel whose twin (1) is remembered
        t.petFlip();
        QCOMPARE(t.game.msg(), QStringLiteral("♪～"));
        t.random.push({2}); // not forgotten
        t.petFlip();
        QCOMPARE(t.game.pairsTaken(PanelFlip::Pet), 1);
        t.time.advance(PanelFlip::WaitloopMs);
        QCOMPARE(t.game.msg(), QStringLiteral("次もぼくの番だよ！\r\nえーっとぉ・・・"));
        // Two more pairs, each drawn fresh: first panel, then its twin.
        for (int p : {7, 9}) {
            t.random.push(p);
            t.petFlip();
            QCOMPARE(t.game.msg(), QStringLiteral("2枚目は～・・・"));
            t.random.push(p + 1);
            t.petFlip();
            QCOMPARE(t.game.msg(), QStringLiteral("よし！"));
            t.time.advance(PanelFlip::WaitloopMs);
        }
        QCOMPARE(t.game.pairsTaken(PanelFlip::Pet), 3);
        QCOMPARE(t.game.msg(), QStringLiteral("次もぼくの番だよ！\r\nあとは、めくるだけだねっ"));
        QCOMPARE(t.game.frame(), 6);
        const qsizetype askedBefore = t.random.asked().size();
        t.random.push({4, 11}); // a face-up panel is skipped; remembered 11 is taken at once
        t.petFlip();
        QVERIFY(!t.game.isFaceDown(11));
        QCOMPARE(t.game.msg(), QStringLiteral("そして、これで終わり！"));
        t.random.push({11, 12});
        t.petFlip();
        QVERIFY(!t.game.isFaceDown(12));
        QCOMPARE(t.game.msg(), QStringLiteral("そして、これで終わり！"));
        // No recall and no forgetting: only panel draws.
        for (qsizetype i = askedBefore; i < t.random.asked().size(); ++i)
            QCOMPARE(t.random.asked().at(i), 12);
        t.time.advance(PanelFlip::WaitloopMs);
        QCOMPARE(t.game.pairsTaken(PanelFlip::Pet), 4);
        QCOMPARE(t.game.frame(), 1);
        QCOMPARE(t.game.msg(), QStringLiteral("ぼくの勝ちだね！\r\nまた、いつでも相手してあげるよっ！"));
        QCOMPARE(t.store.read(QStringLiteral("winno11"), {}), QStringLiteral("1"));
        QCOMPARE(t.store.read(QStringLiteral("winno12"), {}), QStringLiteral("0"));
        QCOMPARE(t.store.read(QStringLiteral("winno13"), {}), QStringLiteral("0"));
        QVERIFY(!t.random.failed());
    }

    // Three pairs each is a draw, and the pet's miss hands the turn back with the right words.
    void threeAllIsADraw()
    {
        Table t;
        for (int f = 1; f <= 3; ++f)
            t.userTurns(2 * f - 1, 2 * f);
        t.userTurns(7, 9);
        t.random.push({10}); // its twin 9 is remembered: the pet is sure
        t.petFlip();
        t.random.push({2});
        t.petFlip();
        t.time.advance(PanelFlip::WaitloopMs);
        t.random.push({11});
        t.petFlip();
        t.random.push({8}); // fresh, and wrong
        t.petFlip();
        QCOMPARE(t.game.frame(), 4);
        QCOMPARE(t.game.msg(), QStringLiteral("あれー？"));
        t.time.advance(PanelFlip::WaitloopMs);
        QVERIFY(t.game.isFaceDown(11) && t.game.isFaceDown(8));
        QCOMPARE(t.game.turn(), int(PanelFlip::UserTurn));
        QCOMPARE(t.game.frame(), 6);
        QCOMPARE(t.game.msg(), QStringLiteral("君の番だよ！"));
        t.userTurns(11, 7); // miss; the pet remembers both twins now
        QCOMPARE(t.game.msg(), QStringLiteral("次はぼくの番だね！\r\n当てちゃうからね！"));
        t.random.push({2});
        t.petFlip();
        t.petFlip();
        t.time.advance(PanelFlip::WaitloopMs);
        QCOMPARE(t.game.pairsTaken(PanelFlip::Pet), 2);
        t.random.push({11, 12});
        t.petFlip();
        t.petFlip();
        t.time.advance(PanelFlip::WaitloopMs);
        QCOMPARE(t.game.pairsTaken(PanelFlip::Pet), 3);
        QCOMPARE(t.game.frame(), 1);
        QCOMPARE(t.game.msg(), QStringLiteral("引き分けかぁ\r\n結構強いんだね！"));
        QCOMPARE(t.store.read(QStringLiteral("winno13"), {}), QStringLiteral("1"));
        QCOMPARE(t.store.read(QStringLiteral("winno11"), {}), QStringLiteral("0"));
        QVERIFY(!t.random.failed());
    }

    // The board must sit where the user expects it and show the game's state; a first start
    // shows every counter as 0.
    void windowShowsTheBoardAndCounters()
    {
        Table t;
        PanelFlipWindow w(t.game);
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("パネルめくり"));
        QCOMPARE(w.panelWidget(1)->geometry(), QRect(8, 8, 32, 32));
        QCOMPARE(w.panelWidget(6)->geometry(), QRect(48, 48, 32, 32));
        QCOMPARE(w.panelWidget(12)->geometry(), QRect(128, 88, 32, 32));
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(w.winbox(i)->text(), QStringLiteral("0"));
        QCOMPARE(w.petWidget()->pictureName(), QStringLiteral("flip1"));
        QVERIFY(!w.petWidget()->pixmap().isNull());
        QTest::mouseClick(w.panelWidget(3), Qt::LeftButton);
        QCOMPARE(w.panelWidget(3)->pictureName(), QStringLiteral("panel2"));
        QCOMPARE(w.panelWidget(4)->pictureName(), QStringLiteral("panel0"));
        QCOMPARE(w.msgLabel()->text(), QStringLiteral("2枚目をめくって！"));
        QTest::mouseClick(w.panelWidget(4), Qt::LeftButton);
        QCOMPARE(w.getbox(2)->text(), QStringLiteral("1"));
    }

    // Closing the window, even while the last pair is being judged, must write nothing.
    void closingBeforeTheResultWritesNothing()
    {
        Table t;
        PanelFlipWindow w(t.game);
        w.show();
        for (int f = 1; f <= 5; ++f)
            t.userTurns(2 * f - 1, 2 * f);
        t.game.userClick(11);
        t.game.userClick(12);
        w.close();
        t.time.advance(60000);
        QCOMPARE(t.store.writeCount(), 0);
        QVERIFY(!t.game.isOver());
    }
};

QTEST_MAIN(TestPanelFlip)
#include "tst_panelflip.moc"
