// The look-away game played in virtual time with scripted chance: the pacing of the calls, the
// throw and the look-away, the pet's prediction from its learning tables, the stored result.
#include "games/gamepicturewidget.h"
#include "games/lookaway/choicedialog.h"
#include "games/lookaway/lookaway.h"
#include "games/lookaway/lookawaywindow.h"

#include "common/random.h"
#include "common/settingsstore.h"
#include "common/timers.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

constexpr int Whim = 1;   // a draw of 1 in 50: the pet plays at random
constexpr int Reason = 2; // any other: the pet plays its prediction

enum Hand { Gu = 0, Choki = 1, Pa = 2 };
enum Dir { Up = 0, Down = 1, Left = 2, Right = 3 };

struct Match {
    ScriptedRandom random;
    VirtualTime time{QDateTime(QDate(2024, 5, 1), QTime(10, 0))};
    MemorySettingsStore store;
    LookAway game{random, time, store};

    void start() { game.Newgame(); }
    // Runs the clock until the game asks for a choice.
    void untilAsked()
    {
        while (game.pendingRequest() == LookAway::Request::None && time.nextDue() >= 0)
            time.advance(time.nextDue());
    }
    // The user answers; the pet's choice comes from the scripted draws; the pause runs out.
    void hand(int user, std::initializer_list<int> draws)
    {
        untilAsked();
        QCOMPARE(game.pendingRequest(), LookAway::Request::Hand);
        random.push(draws);
        game.chooseHand(user);
        time.advance(LookAway::WaitloopMs);
    }
    void direction(int user, std::initializer_list<int> draws)
    {
        untilAsked();
        QCOMPARE(game.pendingRequest(), LookAway::Request::Direction);
        random.push(draws);
        game.chooseDirection(user);
        time.advance(LookAway::WaitloopMs);
    }
    // A bout the pet takes: it wins the throw at random and points where the user looks.
    void petTakesBout()
    {
        hand(Gu, {Whim, 3});        // pet ぱー
        direction(Up, {Whim, 1});   // pet points ↑
    }
    // A bout the user takes: the user wins the throw and the pet looks where the user points.
    void userTakesBout()
    {
        hand(Pa, {Whim, 1});        // pet ぐー
        direction(Up, {Whim, 1});   // pet looks ↑
    }
};

} // namespace

class TestLookAway : public QObject
{
    Q_OBJECT
private slots:
    // The calls must come 3 s after the start, 0.5 s after a throw, 2 s after a taken bout and
    // 0.8 s after a missed look-away, with the quoted words and frames.
    void callsArePacedAndWorded()
    {
        Match m;
        m.start();
        QCOMPARE(m.game.frame(), 2);
        QCOMPARE(m.game.msg(), QStringLiteral("三回勝負だからねっ！\r\nくすくす・・・ぼく、負けないよ！"));
        QCOMPARE(m.time.nextDue(), 3000);
        m.time.advance(3000);
        QCOMPARE(m.game.pendingRequest(), LookAway::Request::Hand);
        QCOMPARE(m.game.msg(), QStringLiteral("じゃーんけーん・・・"));
        QCOMPARE(m.game.frame(), 1);

        m.random.push({Whim, 3});
        m.game.chooseHand(Gu);
        QCOMPARE(m.game.msg(), QStringLiteral("ぽん！"));
        QCOMPARE(m.game.frame(), 5); // the pet shows ぱー
        QCOMPARE(m.game.yourbox(), QStringLiteral("ぐー"));
        m.time.advance(LookAway::WaitloopMs);
        QCOMPARE(m.game.state(), int(LookAway::PetPoints));
        QCOMPARE(m.game.frame(), 2);
        QCOMPARE(m.time.nextDue(), 500);
        m.time.advance(500);
        QCOMPARE(m.game.msg(), QStringLiteral("あっち向いて・・・"));
        QCOMPARE(m.game.pendingRequest(), LookAway::Request::Direction);

        m.random.push({Whim, 4}); // the pet points →
        m.game.chooseDirection(Up);
        QCOMPARE(m.game.frame(), 9);
        QCOMPARE(m.game.msg(), QStringLiteral("ほい！"));
        QCOMPARE(m.game.yourbox(), QStringLiteral("↑"));
        m.time.advance(LookAway::WaitloopMs);
        QCOMPARE(m.game.frame(), 15);
        QCOMPARE(m.game.msg(), QStringLiteral("あれー？"));
        QCOMPARE(m.time.nextDue(), 800);

        m.hand(Pa, {Whim, 1}); // the user wins the throw
        QCOMPARE(m.game.frame(), 16);
        m.untilAsked();
        QCOMPARE(m.game.msg(), QStringLiteral("「あっち向いて・・・」"));
        m.random.push({Whim, 1}); // the pet looks ↑
        m.game.chooseDirection(Up);
        QCOMPARE(m.game.frame(), 10);
        QCOMPARE(m.game.msg(), QStringLiteral("「ほい！」"));
        m.time.advance(LookAway::WaitloopMs);
        QCOMPARE(m.game.msg(), QStringLiteral("君の1勝だね"));
        QCOMPARE(m.game.boutwins(LookAway::User), 1);
        QCOMPARE(m.time.nextDue(), 2000);

        m.hand(Pa, {Whim, 1});
        m.direction(Up, {Whim, 2}); // the pet looks ↓: a miss
        QCOMPARE(m.game.frame(), 1);
        QCOMPARE(m.game.msg(), QStringLiteral("はずれちゃったね"));
        QCOMPARE(m.time.nextDue(), 800);
        QVERIFY(!m.random.failed());
    }

    // A tie must replay the throw with its own words and still be learned as a throw.
    void tiesReplayAndAreLearned()
    {
        Match m;
        m.start();
        m.hand(Gu, {Whim, 1}); // ぐー against ぐー
        QCOMPARE(m.game.state(), int(LookAway::ThrowAgain));
        QCOMPARE(m.game.frame(), 1);
        QCOMPARE(m.game.count(LookAway::HandTable, Gu, Gu), 1);
        m.untilAsked();
        QCOMPARE(m.game.msg(), QStringLiteral("あーいこーで・・・"));
        m.random.push({Whim, 2});
        m.game.chooseHand(Choki);
        QCOMPARE(m.game.msg(), QStringLiteral("しょっ！"));
        m.time.advance(LookAway::WaitloopMs);
        QCOMPARE(m.game.count(LookAway::HandTable, Gu, Choki), 1);
        QCOMPARE(m.game.state(), int(LookAway::ThrowAgain));
        QVERIFY(!m.random.failed());
    }

    // The prediction reads the row of the user's previous choice; the first of equal counts
    // wins, so an empty table expects ぐー / ↑. Row ↑ holds only zeros in each case here.
    void predictionFollowsTheTables_data()
    {
        QTest::addColumn<QString>("storedKey");
        QTest::addColumn<int>("storedCount");
        QTest::addColumn<int>("expectedPetHand");
        QTest::newRow("empty: expects ぐー, plays ぱー") << QString() << 0 << int(Pa);
        QTest::newRow("ちょき expected, plays ぐー") << QStringLiteral("gc") << 4 << int(Gu);
        QTest::newRow("ぱー expected, plays ちょき") << QStringLiteral("gp") << 1 << int(Choki);
        QTest::newRow("other rows do not count") << QStringLiteral("cp") << 9 << int(Pa);
    }
    void predictionFollowsTheTables()
    {
        QFETCH(QString, storedKey);
        QFETCH(int, storedCount);
        QFETCH(int, expectedPetHand);
        Match m;
        m.store.write(QStringLiteral("mno"), QStringLiteral("1"));
        if (!storedKey.isEmpty())
            m.store.write(storedKey, QString::number(storedCount));
        m.start();
        m.untilAsked();
        m.random.push({Reason});
        m.game.chooseHand(Gu);
        QCOMPARE(m.game.petHand(), expectedPetHand);
        QCOMPARE(m.game.samples(LookAway::HandTable), 2);
        QVERIFY(!m.random.failed());
    }

    // Equal counts resolve in the order ↑ ↓ ← →: the pet points at the first, and when the user
    // points, the pet looks at one of the three other directions.
    void directionsPredictedInFixedOrder()
    {
        Match m;
        m.store.write(QStringLiteral("mno2"), QStringLiteral("5"));
        m.store.write(QStringLiteral("ul"), QStringLiteral("3"));
        m.store.write(QStringLiteral("ur"), QStringLiteral("3"));
        m.store.write(QStringLiteral("mno3"), QStringLiteral("5"));
        m.store.write(QStringLiteral("ud2"), QStringLiteral("2"));
        m.start();
        m.hand(Gu, {Whim, 3});
        m.untilAsked();
        m.random.push({Reason});
        m.game.chooseDirection(Down);
        QCOMPARE(m.game.petDirection(), int(Left)); // ← comes before → in a tie
        m.time.advance(LookAway::WaitloopMs);

        m.hand(Pa, {Whim, 1});
        m.untilAsked();
        m.random.push({Reason, 1}); // b = ↓ is the expected direction, so the pet looks ↑
        m.game.chooseDirection(Down);
        QCOMPARE(m.game.petDirection(), int(Up));
        m.time.advance(LookAway::WaitloopMs);
        QCOMPARE(m.game.boutwins(LookAway::User), 0);
        QVERIFY(!m.random.failed());
    }

    // With an empty pointing table the pet expects ↑ and so never looks ↑.
    void emptyPointingTableLooksAwayFromUp_data()
    {
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("look");
        QTest::newRow("1") << 1 << int(Down);
        QTest::newRow("2") << 2 << int(Left);
        QTest::newRow("3") << 3 << int(Right);
    }
    void emptyPointingTableLooksAwayFromUp()
    {
        QFETCH(int, b);
        QFETCH(int, look);
        Match m;
        m.store.write(QStringLiteral("mno3"), QStringLiteral("3"));
        m.start();
        m.hand(Pa, {Whim, 1});
        m.untilAsked();
        m.random.push({Reason, b});
        m.game.chooseDirection(Up);
        QCOMPARE(m.game.petDirection(), look);
        QVERIFY(!m.random.failed());
    }

    // The sample counter: the first counted choice is random, the 51st clears the table, and a
    // whim (1 in 50) neither counts nor clears.
    void tablesForgetAfterFiftyChoices_data()
    {
        QTest::addColumn<int>("storedSamples");
        QTest::addColumn<QList<int>>("draws");
        QTest::addColumn<int>("petHand");
        QTest::addColumn<int>("samplesAfter");
        QTest::addColumn<int>("gcAfter");
        QTest::newRow("first after clearing is random")
            << 0 << QList<int>{Reason, 3} << int(Pa) << 1 << 9;
        QTest::newRow("50th still predicts") << 49 << QList<int>{Reason} << int(Gu) << 50 << 9;
        QTest::newRow("51st clears, then expects ぐー")
            << 50 << QList<int>{Reason} << int(Pa) << 0 << 0;
        QTest::newRow("a whim does not count") << 50 << QList<int>{Whim, 2} << int(Choki) << 50 << 9;
    }
    void tablesForgetAfterFiftyChoices()
    {
        QFETCH(int, storedSamples);
        QFETCH(QList<int>, draws);
        QFETCH(int, petHand);
        QFETCH(int, samplesAfter);
        QFETCH(int, gcAfter);
        Match m;
        m.store.write(QStringLiteral("mno"), QString::number(storedSamples));
        m.store.write(QStringLiteral("gc"), QStringLiteral("9"));
        m.start();
        m.untilAsked();
        for (int d : draws)
            m.random.push(d);
        m.game.chooseHand(Gu);
        QCOMPARE(m.game.petHand(), petHand);
        QCOMPARE(m.game.samples(LookAway::HandTable), samplesAfter);
        QCOMPARE(m.game.count(LookAway::HandTable, Gu, Choki), gcAfter);
        QVERIFY(!m.random.failed());
    }

    // At 2 to 2 the last bout decides, for whichever side takes it; the match result, every
    // table count and the three sample counters are stored, and the program ends 3 s later.
    void twoAllIsDecidedByTheLastBout_data()
    {
        QTest::addColumn<bool>("petWins");
        QTest::newRow("pet") << true;
        QTest::newRow("user") << false;
    }
    void twoAllIsDecidedByTheLastBout()
    {
        QFETCH(bool, petWins);
        Match m;
        m.store.write(QStringLiteral("winno21"), QStringLiteral("7"));
        m.start();
        QSignalSpy finished(&m.game, &LookAway::finished);
        m.petTakesBout();
        QCOMPARE(m.game.msg(), QStringLiteral("ぼくの1勝だね！"));
        QCOMPARE(m.game.frame(), 14);
        m.userTakesBout();
        m.userTakesBout();
        QCOMPARE(m.game.msg(), QStringLiteral("むぅ・・・"));
        m.petTakesBout();
        QCOMPARE(m.game.msg(), QStringLiteral("これで2対2・・・お互い後がないね"));
        QCOMPARE(m.store.writeCount(), 1);
        if (petWins)
            m.petTakesBout();
        else
            m.userTakesBout();
        QVERIFY(m.game.isOver());
        QCOMPARE(m.game.boutwins(petWins ? LookAway::Pet : LookAway::User), 3);
        QCOMPARE(m.game.boutwins(petWins ? LookAway::User : LookAway::Pet), 2);
        QCOMPARE(m.game.frame(), petWins ? 14 : 15);
        QCOMPARE(m.game.msg(), petWins
                     ? QStringLiteral("あははっ！ぼくの勝ちだね！\r\nまた、いつでも相手してあげるよっ")
                     : QStringLiteral("あーあ、負けちゃった・・・\r\nでも、次は絶対負けないからね！"));
        QCOMPARE(m.store.read(QStringLiteral("winno21"), {}), petWins ? QStringLiteral("8") : QStringLiteral("7"));
        QCOMPARE(m.store.read(QStringLiteral("winno22"), {}), petWins ? QStringLiteral("0") : QStringLiteral("1"));
        QCOMPARE(m.store.writeCount(), 1 + 2 + 41 + 3);
        // The user always looked and pointed ↑: each bout was learned in its own table.
        QCOMPARE(m.store.read(QStringLiteral("uu"), {}), QString::number(petWins ? 3 : 2));
        QCOMPARE(m.store.read(QStringLiteral("uu2"), {}), QString::number(petWins ? 2 : 3));
        QCOMPARE(m.store.read(QStringLiteral("rr2"), {}), QStringLiteral("0"));
        QCOMPARE(m.store.read(QStringLiteral("mno3"), {}), QStringLiteral("0"));
        QVERIFY(m.time.nextDue() == LookAway::CloseDelayMs);
        m.time.advance(LookAway::CloseDelayMs);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(m.game.pendingRequest(), LookAway::Request::None);
        QVERIFY(!m.random.failed());
    }

    // The pet's second bout without the user at two has its own line.
    void petsSecondBoutWarnsTheUser()
    {
        Match m;
        m.start();
        m.petTakesBout();
        m.petTakesBout();
        QCOMPARE(m.game.msg(), QStringLiteral("これでぼくの2勝、後がないよ！"));
    }

    // Text that is not a 16-bit number reads as 0, and counts at the top stay there.
    void storedGarbageReadsZeroAndCountsSaturate()
    {
        Match m;
        m.store.write(QStringLiteral("winno21"), QStringLiteral("x1"));
        m.store.write(QStringLiteral("gg"), QStringLiteral("99999"));
        m.store.write(QStringLiteral("winno22"), QStringLiteral("32767"));
        m.store.write(QStringLiteral("pg"), QStringLiteral("32767"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("winno21")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("\"gg\"")));
        m.start();
        QCOMPARE(m.game.score(LookAway::Pet), 0);
        QCOMPARE(m.game.count(LookAway::HandTable, Gu, Gu), 0);
        m.userTakesBout(); // learns ぐー -> ぱー
        m.hand(Gu, {Whim, 1}); // ぱー -> ぐー, a tie
        m.hand(Pa, {Whim, 1});
        m.direction(Up, {Whim, 1});
        m.userTakesBout();
        QVERIFY(m.game.isOver());
        QCOMPARE(m.store.read(QStringLiteral("winno22"), {}), QStringLiteral("32767"));
        QCOMPARE(m.store.read(QStringLiteral("winno21"), {}), QStringLiteral("0"));
        QCOMPARE(m.store.read(QStringLiteral("pg"), {}), QStringLiteral("32767"));
        QCOMPARE(m.store.read(QStringLiteral("gg"), {}), QStringLiteral("0"));
    }

    // The dialogs stand where they always have relative to the game window, and their buttons
    // carry the choices to the game.
    void windowPlacesTheChoiceDialogs()
    {
        QCOMPARE(LookAway::handDialogOffset(), QPoint(167, 53));
        QCOMPARE(LookAway::directionDialogOffset(), QPoint(160, 50));
        Match m;
        m.start();
        LookAwayWindow w(m.game);
        w.move(100, 80);
        w.show();
        QCOMPARE(w.windowTitle(), QStringLiteral("あっち向いてホイ"));
        QCOMPARE(w.winbox(1)->text(), QStringLiteral("0"));
        QCOMPARE(w.petWidget()->pictureName(), QStringLiteral("look2"));
        m.untilAsked();
        QVERIFY(w.handDialog()->isVisible());
        QCOMPARE(w.handDialog()->pos(), w.frameGeometry().topLeft() + QPoint(167, 53));
        QCOMPARE(w.handDialog()->button(1)->text(), QStringLiteral("ちょき"));
        m.random.push({Whim, 1});
        w.handDialog()->button(Pa)->click();
        QVERIFY(!w.handDialog()->isVisible());
        QCOMPARE(w.yourbox()->text(), QStringLiteral("ぱー"));
        m.time.advance(LookAway::WaitloopMs);
        m.untilAsked();
        QVERIFY(w.directionDialog()->isVisible());
        QCOMPARE(w.directionDialog()->pos(), w.frameGeometry().topLeft() + QPoint(160, 50));
        QCOMPARE(w.directionDialog()->button(3)->text(), QStringLiteral("→"));
    }

    // A choice dialog stands over the window for most of a match. The user's last choice, the
    // record, the bout counts, their captions and the pet's call must stay in sight beside it,
    // whatever frame the window manager draws (none at all, or a title bar of up to 32 px with
    // borders of up to 6 px around both windows), and also while the window's frame is not yet
    // known and the dialog's frame lands at the offset from the window's inside corner.
    void openChoiceDialogsLeaveTheScoresInSight()
    {
        Match m;
        m.start();
        LookAwayWindow w(m.game);
        QList<QWidget *> inSight = {w.yourbox(), w.msgLabel(), w.petWidget()};
        for (int side : {1, 2})
            inSight << w.winbox(side) << w.getbox(side);
        QStringList captions = {QStringLiteral("あなたの手"), QStringLiteral("対戦成績"), QStringLiteral("勝った数"),
                                QStringLiteral("Pim"), QStringLiteral("Pimo"), QStringLiteral("You")};
        for (QLabel *l : w.findChildren<QLabel *>())
            if (captions.contains(l->text()))
                inSight << l;
        QCOMPARE(inSight.size(), 7 + 7);
        auto describe = [&w](QWidget *widget) {
            if (widget == w.yourbox())
                return QStringLiteral("the user's hand");
            if (auto *label = qobject_cast<QLabel *>(widget))
                return QStringLiteral("「%1」 at %2,%3").arg(label->text()).arg(widget->x()).arg(widget->y());
            return QString::fromLatin1(widget->metaObject()->className());
        };
        for (QWidget *widget : inSight) {
            QVERIFY(w.rect().contains(widget->geometry()));
            if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().isEmpty())
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
        }
        const std::pair<ChoiceDialog *, QPoint> dialogs[] = {{w.handDialog(), LookAway::handDialogOffset()},
                                                             {w.directionDialog(), LookAway::directionDialogOffset()}};
        for (const auto &[dialog, offset] : dialogs)
            for (int title : {0, 20, 32})
                for (int border : {0, 6})
                    for (bool frameKnown : {true, false}) {
                        // The dialog's outer frame, in the coordinates of the window's inside.
                        const QPoint corner = frameKnown ? offset - QPoint(border, title) : offset;
                        const QRect covered(corner, dialog->size() + QSize(2 * border, title + border));
                        for (QWidget *widget : inSight)
                            QVERIFY2(!covered.intersects(widget->geometry()),
                                     qPrintable(QStringLiteral("%1 under a %2 px title covers %3")
                                                    .arg(dialog->button(0)->text()).arg(title)
                                                    .arg(describe(widget))));
                    }
    }

    // Closing the window, or a choice dialog, before the end, even while the deciding bout is
    // being judged, must write neither counters nor tables.
    void closingBeforeTheEndWritesNothing()
    {
        {
            Match m;
            m.start();
            LookAwayWindow w(m.game);
            w.show();
            m.untilAsked();
            w.handDialog()->close();
            QVERIFY(!w.isVisible());
            m.time.advance(60000);
            m.game.chooseHand(Gu);
            QCOMPARE(m.store.writeCount(), 0);
        }
        {
            Match m;
            m.start();
            LookAwayWindow w(m.game);
            w.show();
            m.petTakesBout();
            m.petTakesBout();
            m.hand(Gu, {Whim, 3});
            m.untilAsked();
            m.random.push({Whim, 1});
            m.game.chooseDirection(Up); // the winning look-away, still being judged
            w.close();
            m.time.advance(60000);
            QCOMPARE(m.store.writeCount(), 0);
            QVERIFY(!m.game.isOver());
        }
    }
};

QTEST_MAIN(TestLookAway)
#include "tst_lookaway.moc"
