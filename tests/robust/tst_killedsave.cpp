// The learned words are written after every game; a game pack killed in the middle of that (the
// machine switched off, the process ended from a task list) must leave each list either as it was
// or as it was about to become, never cut short. A child process learns a word of every kana and
// saves, over and over, and is killed at a random moment, fifty times; it tells the test when a
// save begins and ends, so the test knows (and prints) how many kills landed mid-save.
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
#include <unistd.h>

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

// The shipped list of a kana: its kana and three more syllables, never with ん. Long lists make
// each load and save take a while, as a real one does.
QStringList shippedWords(int index)
{
    QStringList w;
    for (int i = 0; i < kShippedWords; ++i)
        w << firstKana(index) + syllables(i, 3);
    return w;
}

// The word learned for a kana in round `round`: its kana, ん and four syllables.
QString learnedWord(int index, int round) { return firstKana(index) + QStringLiteral("ん") + syllables(round, 4); }

// Marks on the child's output, written straight to the pipe so none waits in a buffer when the
// child is killed: 's' a save begins, 'e' it has ended.
void mark(char c)
{
    if (::write(STDOUT_FILENO, &c, 1) != 1)
        std::abort();
}

// The child: loads the lists, then learns one word for every kana and saves, until killed.
int saveLoop(const QString &shipped, const QString &user)
{
    WordLists lists(shipped, user);
    lists.load();
    mark('r');
    for (int round = 0;; ++round) {
        for (int index : kana::allIndices())
            lists.Learnword(learnedWord(index, round));
        mark('s');
        if (!lists.save())
            return 1;
        mark('e');
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
    constexpr int kKills = 50;
    int killed = 0, midSave = 0;
    for (int attempt = 0; attempt < kKills; ++attempt) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--save-loop"), shipped.path(), user});
        QVERIFY(child.waitForStarted(5000));
        QVERIFY(child.waitForReadyRead(10000));
        QTest::qSleep(int(gen() % 60));
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(5000));
        killed += child.exitStatus() == QProcess::CrashExit ? 1 : 0;
        const QByteArray marks = child.readAllStandardOutput();
        midSave += marks.endsWith('s') ? 1 : 0;

        // Every list: the learned words of rounds 0, 1, 2 ... in order, each on a whole line;
        // a save goes through the lists in order, so a kill mid-save leaves the first lists one
        // round ahead of the rest, never more, and never one behind a later list.
        qsizetype previous = -1, fewest = -1;
        for (int index : kana::allIndices()) {
            const QString path = user + u'/' + kana::fileName(index);
            const QByteArray bytes = readFile(path);
            QVERIFY2(bytes.isEmpty() || bytes.endsWith("\r\n"), qPrintable(path));
            bool ok = true;
            const QStringList lines = cp932::decode(bytes, &ok).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
            QVERIFY(ok);
            for (qsizetype i = 0; i < lines.size(); ++i)
                QVERIFY2(lines[i] == learnedWord(index, int(i)), qPrintable(path + u' ' + lines[i]));
            QVERIFY2(previous < 0 || lines.size() <= previous, qPrintable(path));
            previous = lines.size();
            fewest = fewest < 0 ? lines.size() : qMin(fewest, lines.size());
        }
        const QList<int> &all = kana::allIndices();
        const qsizetype most = cp932::decode(readFile(user + u'/' + kana::fileName(all.first())))
                                   .count(QStringLiteral("\r\n"));
        QVERIFY(most - fewest <= 1);
    }
    qInfo("%d kills, %d of them while a save was under way; every list whole", killed, midSave);
    QCOMPARE(killed, kKills);
    QVERIFY2(midSave >= kKills / 5, qPrintable(QStringLiteral("only %1 kills landed mid-save").arg(midSave)));
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
