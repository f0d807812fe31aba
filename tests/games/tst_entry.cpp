// The game pack's command line: only the whole strings "-a", "-b", "-c" (or capitals) start a
// game; anything else ends the program at once without touching the shared store.
#include "games/entry.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestEntry : public QObject
{
    Q_OBJECT
private slots:
    void argumentsChooseTheGame_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("game");
        QTest::newRow("-a") << QStringList{"-a"} << int(Game::PanelFlip);
        QTest::newRow("-A") << QStringList{"-A"} << int(Game::PanelFlip);
        QTest::newRow("-b") << QStringList{"-b"} << int(Game::LookAway);
        QTest::newRow("-B") << QStringList{"-B"} << int(Game::LookAway);
        QTest::newRow("-c") << QStringList{"-c"} << int(Game::WordChain);
        QTest::newRow("-C") << QStringList{"-C"} << int(Game::WordChain);
        QTest::newRow("none") << QStringList{} << int(Game::None);
        QTest::newRow("leading blank") << QStringList{" -a"} << int(Game::None);
        QTest::newRow("further word") << QStringList{"-a", "x"} << int(Game::None);
        QTest::newRow("two letters") << QStringList{"-ab"} << int(Game::None);
        QTest::newRow("no dash") << QStringList{"a"} << int(Game::None);
        QTest::newRow("other letter") << QStringList{"-d"} << int(Game::None);
    }
    void argumentsChooseTheGame()
    {
        QFETCH(QStringList, args);
        QFETCH(int, game);
        QCOMPARE(int(gameForArguments(args)), game);
    }

    // The real program with an unknown argument must end at once and leave no settings behind.
    void unknownArgumentEndsAtOnceLeavingTheStoreAlone()
    {
        const QString korrigo = QStringLiteral(TOBBERLY_BIN_DIR "/korrigo");
        if (!QFileInfo::exists(korrigo))
            QSKIP("korrigo is not built");
        QTemporaryDir config;
        QVERIFY(config.isValid());
        for (const QStringList &args : {QStringList{"-x"}, QStringList{"-a", "x"}, QStringList{}}) {
            QProcess p;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
            p.setProcessEnvironment(env);
            p.start(korrigo, args);
            QVERIFY(p.waitForFinished(5000));
            QCOMPARE(p.exitStatus(), QProcess::NormalExit);
            QCOMPARE(p.exitCode(), 0);
        }
        QVERIFY(QDir(config.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEntry)
#include "tst_entry.moc"
