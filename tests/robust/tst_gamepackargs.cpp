// The game pack started by hand or by a stray shortcut with a command line the pet never passes:
// it must end at once with exit code 0, open no window and leave the settings and the user's data
// folders exactly as they were.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestGamePackArgs : public QObject
{
    Q_OBJECT
private slots:
    void oddCommandLinesEndAtOnceTouchingNothing_data();
    void oddCommandLinesEndAtOnceTouchingNothing();
};

void TestGamePackArgs::oddCommandLinesEndAtOnceTouchingNothing_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("none") << QStringList();
    QTest::newRow("empty argument") << QStringList{QString()};
    QTest::newRow("spaces") << QStringList{QStringLiteral("   ")};
    QTest::newRow("space before -a") << QStringList{QStringLiteral(" -a")};
    QTest::newRow("-a x as two") << QStringList{QStringLiteral("-a"), QStringLiteral("x")};
    QTest::newRow("-a x as one") << QStringList{QStringLiteral("-a x")};
    QTest::newRow("-A -B") << QStringList{QStringLiteral("-A"), QStringLiteral("-B")};
    QTest::newRow("bare dash") << QStringList{QStringLiteral("-")};
    QTest::newRow("-d") << QStringList{QStringLiteral("-d")};
    QTest::newRow("10 000 characters") << QStringList{QString(10000, u'a')};
    QTest::newRow("japanese") << QStringList{QStringLiteral("－ａ")};
    QTest::newRow("hiragana") << QStringList{QStringLiteral("しりとり")};
}

void TestGamePackArgs::oddCommandLinesEndAtOnceTouchingNothing()
{
    QFETCH(QStringList, args);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString config = home.filePath(QStringLiteral("config"));
    const QString data = home.filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(config) && QDir().mkpath(data));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    env.insert(QStringLiteral("XDG_DATA_HOME"), data);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TOBBERLY_BIN_DIR "/korrigo"), args);
    QVERIFY(p.waitForStarted(5000));
    // A game would wait for the user; a refused command line is gone within moments.
    const bool ended = p.waitForFinished(5000);
    if (!ended) {
        p.kill();
        p.waitForFinished(2000);
    }
    QVERIFY2(ended, "the game pack kept running");
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(QDir(config).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    QCOMPARE(QDir(data).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

QTEST_GUILESS_MAIN(TestGamePackArgs)
#include "tst_gamepackargs.moc"
