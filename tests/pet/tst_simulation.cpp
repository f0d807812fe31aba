// The headless simulation of the real program: repeatable with a seed, one plain line per thing
// the pet did, and the store it leaves behind.
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Run {
    int exitCode = -1;
    QString out;
};

Run simulate(const QString &home)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    env.insert(QStringLiteral("TZ"), QStringLiteral("Asia/Tokyo"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TOBBERLY_BIN_DIR "/lunetta"),
            {QStringLiteral("--simulate"), QStringLiteral("2026-12-07T00:00"), QStringLiteral("--minutes"),
             QStringLiteral("1440"), QStringLiteral("--seed"), QStringLiteral("5")});
    Run r;
    if (!p.waitForFinished(120000))
        return r;
    r.exitCode = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    return r;
}
} // namespace

class TestSimulation : public QObject
{
    Q_OBJECT
private slots:
    // The same seed from the same empty store must give the same day, line for line, in the
    // stated format, and leave a store that knows the first meeting is over and a day has passed.
    void seededDayIsRepeatableAndSaved()
    {
        QTemporaryDir a, b;
        const Run first = simulate(a.path());
        const Run second = simulate(b.path());
        QCOMPARE(first.exitCode, 0);
        QCOMPARE(second.exitCode, 0);
        QCOMPARE(first.out, second.out);

        const QStringList lines = first.out.split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() > 20);
        static const QRegularExpression format(QStringLiteral(
            "^2026-12-0[78]T\\d\\d:\\d\\d:\\d\\d (event \\d+|speech Intoform\\w*|question [1-4]|present \\d+)$"));
        for (const QString &l : lines)
            QVERIFY2(format.match(l).hasMatch(), qPrintable(l));
        QCOMPARE(lines.first(), QStringLiteral("2026-12-07T00:00:00 event 0"));

        QSettings store(a.path() + QStringLiteral("/config/Tobberly/Tobberly.conf"), QSettings::IniFormat);
        QCOMPARE(store.value(QStringLiteral("setting/Firstflag")).toString(), QStringLiteral("1"));
        QCOMPARE(store.value(QStringLiteral("setting/Totaltime")).toString(), QStringLiteral("1440"));
    }
};

QTEST_GUILESS_MAIN(TestSimulation)
#include "tst_simulation.moc"
