// The word lists are rewritten after every game; a game pack killed in the middle of that (the
// machine switched off, the process ended from a task list) must leave each list either as it was
// or as it was about to become, never cut short. A child process learns a word of every kana and
// saves all lists, over and over, and is killed at a random moment, fifty times.
#include "common/cp932.h"
#include "games/wordchain/wordlists.h"
#include "testfiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <random>
#include <sys/types.h>

namespace {

const QString kSyllables = QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわ");
constexpr int kShippedWords = 800;

QString syllables(int n, int digits)
{
    QString s;
    for (int i = 0; i < digits; ++i) {
        s.prepend(kSyllables[n % kSyllables.size()]);
        n /= int(kSyllables.size());
    }
    return s;
}

QChar firstKana(int index)
{
    for (char16_t c = u'ぁ'; c <= u'ゖ'; ++c)
        if (kana::indexOf(QChar(c)) == index)
            return QChar(c);
    return QChar();
}

// The shipped list of a kana: its kana and three more syllables, never with ん.
QStringList shippedWords(int index)
{
    QStringList w;
    for (int i = 0; i < kShippedWords; ++i)
        w << firstKana(index) + syllables(i, 3);
    return w;
}

// The child: loads the lists, then learns one word for every kana and saves, until killed.
int saveLoop(const QString &shipped, const QString &user)
{
    WordLists lists(shipped, user);
    lists.load();
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    for (int round = 0;; ++round) {
        for (int index : kana::allIndices())
            lists.Learnword(firstKana(index) + QStringLiteral("ん") + syllables(round, 4));
        if (!lists.save())
            return 1;
    }
}

} // namespace

class TestKilledSave : public QObject
{
    Q_OBJECT
private slots:
    void listsAreOldOrNewAfterAKillMidSave();
};

void TestKilledSave::listsAreOldOrNewAfterAKillMidSave()
{
    QTemporaryDir shipped, home;
    const QString user = home.filePath(QStringLiteral("dat"));
    QVERIFY(QDir().mkpath(user));
    for (int index : kana::allIndices()) {
        QByteArray bytes;
        for (const QString &w : shippedWords(index))
            bytes += cp932::encode(w) + "\r\n";
        writeFile(shipped.filePath(kana::fileName(index)), bytes);
    }

    std::mt19937 gen(50);
    int killedWhileSaving = 0;
    for (int attempt = 0; attempt < 50; ++attempt) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--save-loop"), shipped.path(), user});
        QVERIFY(child.waitForStarted(5000));
        QVERIFY(child.waitForReadyRead(10000));
        QTest::qSleep(int(gen() % 60));
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(5000));
        killedWhileSaving += child.exitStatus() == QProcess::CrashExit ? 1 : 0;

        // Every list: the shipped words first, then whole learned words, each on a whole line.
        for (int index : kana::allIndices()) {
            const QString path = user + u'/' + kana::fileName(index);
            if (!QFile::exists(path))
                continue; // not saved yet: the shipped list still holds
            const QByteArray bytes = readFile(path);
            QVERIFY2(bytes.endsWith("\r\n"), qPrintable(path));
            bool ok = true;
            const QStringList lines = cp932::decode(bytes, &ok).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
            QVERIFY(ok);
            const QStringList first = shippedWords(index);
            QVERIFY2(lines.size() >= first.size(), qPrintable(path));
            QVERIFY(lines.mid(0, first.size()) == first);
            for (qsizetype i = first.size(); i < lines.size(); ++i)
                QVERIFY2(lines[i].size() == 6 && lines[i][1] == u'ん', qPrintable(lines[i]));
        }
    }
    QCOMPARE(killedWhileSaving, 50);
}

int main(int argc, char **argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--save-loop") == 0) {
        QCoreApplication app(argc, argv);
        return saveLoop(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    QCoreApplication app(argc, argv);
    TestKilledSave t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_killedsave.moc"
