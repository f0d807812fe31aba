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

Run simulate(const QString &home, const QStringList &more = {}, const QString &minutes = QStringLiteral("1440"))
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    env.insert(QStringLiteral("TZ"), QStringLiteral("Asia/Tokyo"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TOBBERLY_BIN_DIR "/lunetta"),
            QStringList{QStringLiteral("--simulate"), QStringLiteral("2026-12-07T00:00"), QStringLiteral("--minutes"),
                        minutes, QStringLiteral("--seed"), QStringLiteral("5")}
                + more);
    Run r;
    if (!p.waitForFinished(120000))
        return r;
    r.exitCode = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    return r;
}
// The scene trace's lines with their full stamps: it names each day once and each instant's time
// on its first line only.
QList<std::pair<QString, QString>> sceneLines(const QString &out)
{
    QList<std::pair<QString, QString>> lines;
    QString day, time;
    for (const QString &l : out.split(u'\n', Qt::SkipEmptyParts)) {
        if (l.startsWith(QLatin1String("day "))) {
            day = l.mid(4);
            continue;
        }
        if (!l.startsWith(u' '))
            time = l.left(12);
        lines.append({day + u'T' + time, l.mid(13)});
    }
    return lines;
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

    // Watching the scene must not change the life it watches: the scene trace steps through
    // virtual time one instant at a time, and a step taken differently would start other events.
    // Its event, speech, question and present lines are the plain trace's.
    void sceneTraceLivesTheSameDay()
    {
        QTemporaryDir a, b;
        const Run plain = simulate(a.path());
        const Run scene = simulate(b.path(), {QStringLiteral("--trace"), QStringLiteral("scene")});
        QCOMPARE(scene.exitCode, 0);
        static const QRegularExpression kept(QStringLiteral("^(event \\d+|speech Intoform\\w*|question [1-4]|present \\d+)$"));
        QStringList picked;
        for (const auto &[when, what] : sceneLines(scene.out))
            if (kept.match(what).hasMatch())
                picked << when.left(19) + u' ' + what;
        QCOMPARE(picked, plain.out.split(u'\n', Qt::SkipEmptyParts));
    }

    // What the user sees of the first meeting: the pet's picture, the open speech window with its
    // text, the buttons and labels as they stand, and the clock; then, once the time is up, the
    // speech window parked again and how often each frame of the greeting came up.
    void sceneTraceShowsWhatTheUserSees()
    {
        QTemporaryDir home;
        const Run r = simulate(home.path(), {QStringLiteral("--trace"), QStringLiteral("scene")}, QStringLiteral("10"));
        QCOMPARE(r.exitCode, 0);
        const QList<std::pair<QString, QString>> lines = sceneLines(r.out);
        auto at = [&](const QString &what) {
            for (int i = 0; i < lines.size(); ++i)
                if (lines[i].second.startsWith(what))
                    return i;
            return -1;
        };
        QVERIFY(r.out.startsWith(QStringLiteral("day 2026-12-07\n00:00:00.000 event 0\n")));
        QVERIFY(at(QStringLiteral("picture 4 frame 0")) > 0);
        QVERIFY(at(QStringLiteral("speech window text \"")) > 0);
        QVERIFY(at(QStringLiteral("speech window shown at ")) > at(QStringLiteral("speech window text ")));
        QVERIFY(at(QStringLiteral("label level \"普通\"")) > 0);
        QVERIFY(at(QStringLiteral("button about available")) > 0);
        QVERIFY(at(QStringLiteral("button leave tip \"")) > 0);
        QVERIFY(at(QStringLiteral("clock \"0:00\" german \"")) > 0);
        // The greeting lasts half a minute; then the pet chooses for the hour and the speech
        // window is parked.
        const int parked = at(QStringLiteral("speech window parked"));
        QVERIFY(parked > at(QStringLiteral("speech window shown at ")));
        QCOMPARE(lines[parked].first, QStringLiteral("2026-12-07T00:00:31.000"));
        const int frames = at(QStringLiteral("frames 4:0="));
        QVERIFY(frames > 0);
        QCOMPARE(lines.value(frames + 1).first, lines[frames].first);
        QVERIFY(lines.value(frames + 1).second.startsWith(QLatin1String("event ")));
        for (const auto &[when, what] : lines) {
            QVERIFY2(!what.startsWith(QLatin1String("label time")), qPrintable(what)); // the clock once an hour
            QVERIFY2(when.size() == 23 && !what.isEmpty(), qPrintable(when + u' ' + what));
        }
        // Texts stay on one line each, whatever line breaks they hold.
        QCOMPARE(r.out.count(u'\r'), 0);
    }

    // The answering user closes every question twenty seconds after it opened, and a game it
    // chose hides the pet for the four minutes it plays; a user who never answers leaves each
    // question open until the pet gives up on it. Answers also keep the friendship from falling.
    void answeringUserAnswersEveryQuestion()
    {
        QTemporaryDir answering, away;
        const QStringList scene = {QStringLiteral("--trace"), QStringLiteral("scene")};
        const Run r = simulate(answering.path(), scene + QStringList{QStringLiteral("--answer")});
        const Run idle = simulate(away.path(), scene);
        QCOMPARE(r.exitCode, 0);
        auto seconds = [](const QString &when) {
            return QDateTime::fromString(when, Qt::ISODateWithMs).toSecsSinceEpoch();
        };
        auto gaps = [&](const Run &run, const QString &open, const QString &close) {
            QList<qint64> found;
            QString openedAt;
            for (const auto &[when, what] : sceneLines(run.out)) {
                if (what.startsWith(open))
                    openedAt = when;
                else if (what == close && !openedAt.isEmpty())
                    found << seconds(when) - seconds(std::exchange(openedAt, QString()));
            }
            return found;
        };
        const QList<qint64> answered = gaps(r, QStringLiteral("question window shown at"), QStringLiteral("question window parked"));
        QVERIFY(answered.size() >= 3);
        for (qint64 g : answered)
            QCOMPARE(g, qint64(20));
        const QList<qint64> games = gaps(r, QStringLiteral("pet window hidden"), QStringLiteral("pet window shown"));
        QVERIFY(!games.isEmpty());
        for (qint64 g : games)
            QCOMPARE(g, qint64(240));
        for (qint64 g : gaps(idle, QStringLiteral("question window shown at"), QStringLiteral("question window parked")))
            QVERIFY(g >= 60);

        auto friendship = [](const QTemporaryDir &home) {
            QSettings store(home.path() + QStringLiteral("/config/Tobberly/Tobberly.conf"), QSettings::IniFormat);
            return store.value(QStringLiteral("setting/Loveval"), 50).toInt();
        };
        QVERIFY2(friendship(answering) > friendship(away),
                 qPrintable(QStringLiteral("%1 %2").arg(friendship(answering)).arg(friendship(away))));
    }

    // A trace the program does not know is refused before the pet's life begins.
    void unknownTraceIsRefused()
    {
        QTemporaryDir home;
        const Run r = simulate(home.path(), {QStringLiteral("--trace"), QStringLiteral("everything")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY(!QFile::exists(home.path() + QStringLiteral("/config/Tobberly/Tobberly.conf")));
    }
};

QTEST_GUILESS_MAIN(TestSimulation)
#include "tst_simulation.moc"
