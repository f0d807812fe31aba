// Playing a game with the pet: the game pack's argument, the pet hiding with its clock stopped
// while the game runs, coming back when it ends (or at once when it cannot start), and taking
// over the friendship the game pack wrote.
#include "lifefixture.h"

#include "pet/core/gamelaunch.h"

using namespace life;

class GameLaunchTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void gameNumberBecomesTheGamePacksArgument_data();
    void gameNumberBecomesTheGamePacksArgument();
    void gamePackThatCannotStartBringsThePetBackAtOnce();
    void clockStandsStillWhileAGameRuns();
    void petTakesOverTheFriendshipTheGamePackWrote();
    void friendshipIsTakenOverFromTheSharedSettingsFile();

private:
    QTemporaryDir m_config;
};

void GameLaunchTest::initTestCase()
{
    // The real settings file lands in a scratch folder.
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

// Guards against the wrong game being started: 1, 2, 3 pass -a, -b, -c; any other number a bare
// dash; while the game runs the pet hides and a game is being played.
void GameLaunchTest::gameNumberBecomesTheGamePacksArgument_data()
{
    QTest::addColumn<int>("game");
    QTest::addColumn<QString>("arg");
    QTest::newRow("1") << 1 << "-a";
    QTest::newRow("2") << 2 << "-b";
    QTest::newRow("3") << 3 << "-c";
    QTest::newRow("4") << 4 << "-";
    QTest::newRow("0") << 0 << "-";
}

void GameLaunchTest::gameNumberBecomesTheGamePacksArgument()
{
    QFETCH(int, game);
    QFETCH(QString, arg);
    Life l(on(10));
    l.engine().setClockRunning(true);
    l.pet->playGame(qint16(game));
    QCOMPARE(l.launcher.starts, 1);
    QCOMPARE(l.launcher.args, QStringList{arg});
    QCOMPARE(QFileInfo(l.launcher.program).fileName(), QStringLiteral("korrigo"));
    QCOMPARE(QFileInfo(l.launcher.program).absolutePath(), QDir(l.ctx().programDir).absolutePath());
    QVERIFY(!l.scene().petShown());
    QCOMPARE(l.rt().talkState, Talk::Playing);
    QVERIFY(!l.engine().clockRunning());
}

// Guards against a pet that stays hidden (or flickers) when the game pack is missing: the
// come-back runs at once, the window is never hidden, and a new activity is chosen.
void GameLaunchTest::gamePackThatCannotStartBringsThePetBackAtOnce()
{
    Life l(on(10), {{"Loveval", "60"}});
    l.rnd.seed(41);
    l.launcher.canStart = false;
    l.engine().setClockRunning(true);
    bool everHidden = false;
    QObject::connect(&l.scene(), &Scene::changed, [&] { everHidden = everHidden || !l.scene().petShown(); });
    l.start(60); // the pet asks to play; the user picks the second game
    l.trace.clear();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("game pack could not be started"));
    l.questions().answer(2);
    QCOMPARE(l.launcher.starts, 1);
    QVERIFY(!everHidden);
    QVERIFY(l.scene().petShown());
    QCOMPARE(l.rt().talkState, Talk::None);
    QVERIFY(l.engine().clockRunning());
    QCOMPARE(l.trace.events.size(), 1);
    QVERIFY(l.rt().activity != 60);
}

// Guards against time spent in a game counting as time together (or the pet moving on behind
// the user's back): while the game runs the tick is off, so ten minutes add nothing; afterwards
// it runs again.
void GameLaunchTest::clockStandsStillWhileAGameRuns()
{
    Life l(on(10), {{"Totaltime", "500"}, {"Precount", "3"}});
    l.rnd.seed(42);
    l.engine().setClockRunning(true);
    l.start(60);
    l.engine().setActivityLength(600); // the question stays open for the whole test
    l.runMinutes(1);
    QCOMPARE(l.mem().Totaltime, 501);
    l.questions().answer(3);
    QVERIFY(l.launcher.running());
    const qint32 count = l.rt().activitySeconds;
    l.runMinutes(10);
    QCOMPARE(l.mem().Totaltime, 501);
    QCOMPARE(l.mem().Precount, 4);
    QCOMPARE(l.rt().activitySeconds, count);
    QCOMPARE(l.rt().talkState, Talk::Playing);
    l.launcher.end();
    QVERIFY(l.scene().petShown());
    QVERIFY(l.engine().clockRunning());
    QCOMPARE(l.rt().talkState, Talk::None);
    QVERIFY(l.rt().activity != 60);
    l.runMinutes(2);
    QCOMPARE(l.mem().Totaltime, 503);
}

// Guards against the game pack's friendship being written over: when the game has ended the pet
// reads Loveval from the store, shows its level and keeps it; nothing else is read back.
void GameLaunchTest::petTakesOverTheFriendshipTheGamePackWrote()
{
    Life l(on(10), {{"Loveval", "58"}, {"Totaltime", "700"}});
    l.rnd.seed(43);
    l.pet->playGame(3);
    l.store.write(QStringLiteral("Loveval"), QStringLiteral("60"));
    l.store.write(QStringLiteral("Totaltime"), QStringLiteral("5"));
    l.launcher.end();
    QCOMPARE(l.mem().Loveval, 60);
    QCOMPARE(l.scene().label(Label::Level), QStringLiteral("ちょっと仲良し"));
    QCOMPARE(l.mem().Totaltime, 700);
    l.ctx().memory.addFriendship(1);
    QCOMPARE(l.stored("Loveval"), "61");

    // A value above the pet's range is shown as it is and clamped by the next change.
    l.pet->playGame(3);
    l.store.write(QStringLiteral("Loveval"), QStringLiteral("122"));
    l.launcher.end();
    QCOMPARE(l.mem().Loveval, 122);
    QCOMPARE(l.scene().label(Label::Level), QStringLiteral("大の仲良し"));
    l.ctx().memory.addFriendship(0);
    QCOMPARE(l.stored("Loveval"), "120");
}

// Guards against the pet reading a cached copy: with the real settings file, what a second
// program wrote while the game ran is what the pet shows and keeps afterwards.
void GameLaunchTest::friendshipIsTakenOverFromTheSharedSettingsFile()
{
    QtSettingsStore store;
    QVERIFY(store.fileName().startsWith(m_config.path()));
    store.write(QStringLiteral("Loveval"), QStringLiteral("40"));
    store.write(QStringLiteral("Firstflag"), QStringLiteral("1"));
    VirtualTime time(on(10));
    SeededRandom rnd(44);
    ScriptedLauncher launcher;
    Pet pet(store, time, rnd, time, Pet::Setup{});
    pet.ctx().launcher = &launcher;
    pet.load();
    QCOMPARE(pet.ctx().mem().Loveval, 40);
    pet.playGame(3);
    {
        QtSettingsStore gamePack;
        QCOMPARE(gamePack.read(QStringLiteral("Loveval"), QString()), QStringLiteral("40"));
        gamePack.write(QStringLiteral("Loveval"), QStringLiteral("105"));
    }
    launcher.end();
    QCOMPARE(pet.ctx().mem().Loveval, 105);
    pet.ctx().memory.addFriendship(1);
    QtSettingsStore after;
    QCOMPARE(after.read(QStringLiteral("Loveval"), QString()), QStringLiteral("106"));
}

QTEST_GUILESS_MAIN(GameLaunchTest)
#include "tst_gamelaunch.moc"
