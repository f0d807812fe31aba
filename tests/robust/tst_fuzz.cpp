// Thousands of mutated inputs, from a fixed seed, through the three readers of outside text: the
// data-file field reader, the Shift_JIS codec and the word lists. TOBBERLY_FUZZ_SCALE=N runs N
// times as many (the sanitizer run does); the test prints how many inputs it fed. Each must end on any input,
// without reading past its buffer, and keep its promises: the field reader always moves on, a
// clean decode survives a round trip, and a word the pet learns reads back as the same word.
#include "warnings.h"

#include "common/cp932.h"
#include "common/datreader.h"
#include "games/wordchain/wordlists.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <random>

namespace {

// Byte-level mutations of a seed input: flips, insertions of the delimiters the readers care
// about, deletions, duplicated slices and truncation.
QByteArray mutate(QByteArray b, std::mt19937 &gen)
{
    static const char special[] = {'"', ',', '\r', '\n', ' ', '\t', '-', '.', '\0', char(0x81),
                                   char(0x82), char(0x9f), char(0xe0), char(0xfc), char(0xff), char(0xa0)};
    const int edits = 1 + int(gen() % 8);
    for (int e = 0; e < edits; ++e) {
        const qsizetype pos = b.isEmpty() ? 0 : qsizetype(gen() % quint32(b.size()));
        switch (gen() % 6) {
        case 0:
            if (!b.isEmpty())
                b[pos] = char(b[pos] ^ char(1u << (gen() % 8)));
            break;
        case 1:
            b.insert(pos, special[gen() % sizeof special]);
            break;
        case 2:
            b.remove(pos, qsizetype(gen() % 16));
            break;
        case 3:
            if (!b.isEmpty())
                b.insert(pos, b.mid(qsizetype(gen() % quint32(b.size())), qsizetype(gen() % 32)));
            break;
        case 4:
            b.truncate(pos);
            break;
        default:
            if (!b.isEmpty())
                b[pos] = char(gen() & 0xff);
            break;
        }
    }
    return b;
}

qint64 g_inputs = 0;

// How many rounds a fuzzer runs: its base count times the scale asked for.
int rounds(int base)
{
    const int scale = qMax(1, qEnvironmentVariableIntValue("TOBBERLY_FUZZ_SCALE"));
    return base * scale;
}

QList<QByteArray> seedsFrom(const QStringList &names)
{
    QList<QByteArray> seeds;
    const QDir dat(QStringLiteral(TOBBERLY_BIN_DIR "/dat"));
    for (const QString &n : names)
        seeds << readFile(dat.filePath(n));
    seeds << QByteArray("\"a,b\",1,-3,\"\r\n\",x,,  \"q\"tail\r\n32768,2.5");
    return seeds;
}

} // namespace

class TestFuzz : public QObject
{
    Q_OBJECT
private slots:
    void cleanupTestCase() { qInfo("%lld fuzzed inputs", g_inputs); }
    void fieldReaderAlwaysMovesOnAndEnds();
    void codecSurvivesAnyBytesAndRoundTrips();
    void codecEncodesAnyText();
    void wordListsLoadAnyFile();
    void learnedWordsReadBackUnchanged();
};

// A reader that stops advancing on some input would hang the pet at start-up; one that reads past
// its text would crash it. Every field read before the end must consume input, so reading runs
// out within as many fields as the text has characters.
void TestFuzz::fieldReaderAlwaysMovesOnAndEnds()
{
    std::mt19937 gen(1207);
    const QList<QByteArray> seeds = seedsFrom({QStringLiteral("Study.dat"), QStringLiteral("Music.dat"),
                                              QStringLiteral("Book.dat"), QStringLiteral("Present.dat")});
    for (int round = 0, total = rounds(4000); round < total; ++round, ++g_inputs) {
        const QByteArray bytes = mutate(seeds[qsizetype(round) % seeds.size()], gen);
        const QString text = cp932::decode(bytes);
        DatReader r(text);
        qsizetype fields = 0;
        while (!r.atEnd()) {
            if (gen() % 3 == 0) {
                const qint16 v = r.nextInt();
                Q_UNUSED(v);
            } else {
                const QString f = r.nextText();
                QVERIFY(f.size() <= text.size());
            }
            QVERIFY2(++fields <= text.size() + 1, qPrintable(QStringLiteral("round %1").arg(round)));
        }
        QVERIFY(r.nextText().isEmpty());
        QCOMPARE(r.nextInt(), qint16(0));
    }
}

// Any bytes decode without a crash; bytes that decode cleanly encode to bytes that decode to the
// same text (the code page has a few characters with two codes, so the bytes may differ).
void TestFuzz::codecSurvivesAnyBytesAndRoundTrips()
{
    std::mt19937 gen(46363);
    const QList<QByteArray> seeds = seedsFrom({QStringLiteral("word1.dat"), QStringLiteral("Study.dat")});
    int clean = 0;
    for (int round = 0, total = rounds(4000); round < total; ++round, ++g_inputs) {
        QByteArray bytes;
        if (round % 2 == 0) {
            bytes = mutate(seeds[qsizetype(round / 2) % seeds.size()], gen);
        } else {
            bytes.resize(qsizetype(gen() % 64));
            for (char &c : bytes)
                c = char(gen() & 0xff);
        }
        bool ok = true;
        const QString text = cp932::decode(bytes, &ok);
        QVERIFY(text.size() <= bytes.size());
        if (!ok) {
            QVERIFY(text.contains(QChar::ReplacementCharacter));
            continue;
        }
        ++clean;
        bool back = true;
        const QByteArray again = cp932::encode(text, &back);
        QVERIFY2(back, qPrintable(QStringLiteral("round %1").arg(round)));
        QCOMPARE(cp932::decode(again), text);
    }
    QVERIFY(clean > 500);
}

// Text from anywhere (a word the user typed, lone surrogates included) encodes without a crash,
// and what cannot be encoded is reported, never passed as if it had been.
void TestFuzz::codecEncodesAnyText()
{
    std::mt19937 gen(2);
    for (int round = 0, total = rounds(4000); round < total; ++round, ++g_inputs) {
        QString s;
        const int n = int(gen() % 24);
        for (int i = 0; i < n; ++i) {
            switch (gen() % 4) {
            case 0: s += QChar(char16_t(0x3041 + gen() % 0x56)); break; // hiragana
            case 1: s += QChar(char16_t(0x20 + gen() % 0x5f)); break;   // ASCII
            case 2: s += QChar(char16_t(0xd800 + gen() % 0x800)); break; // surrogate halves
            default: s += QChar(char16_t(gen() & 0xffff)); break;
            }
        }
        bool ok = true;
        const QByteArray b = cp932::encode(s, &ok);
        QCOMPARE(cp932::canEncode(s), ok && cp932::decode(b) == s);
    }
}

// A word list in any state loads: no empty words, no line breaks inside a word.
void TestFuzz::wordListsLoadAnyFile()
{
    QTemporaryDir shipped, home;
    const QDir from(QStringLiteral(TOBBERLY_BIN_DIR "/dat"));
    for (int index : kana::allIndices())
        writeFile(shipped.filePath(kana::fileName(index)), QByteArray());
    const QList<QByteArray> seeds = seedsFrom({QStringLiteral("word1.dat"), QStringLiteral("word11.dat"),
                                              QStringLiteral("word26b.dat")});
    std::mt19937 gen(69);
    WarningLog quiet;
    WordLists lists(shipped.path(), home.path());
    // Each round loads all 69 lists: the count stays as it is at every scale.
    for (int round = 0; round < 1500; ++round, ++g_inputs) {
        const int index = kana::allIndices()[qsizetype(gen() % 69)];
        const QByteArray bytes = mutate(seeds[qsizetype(round) % seeds.size()], gen);
        writeFile(shipped.filePath(kana::fileName(index)), bytes);
        lists.load();
        for (const QString &w : lists.list(index)) {
            QVERIFY(!w.isEmpty());
            QVERIFY(!w.contains(u'\n'));
        }
        writeFile(shipped.filePath(kana::fileName(index)), QByteArray());
    }
}

// What the pet learns is kept for years: a word it accepted must come back from the file as the
// very same word, or it would be learned again and again, or turn into another word.
void TestFuzz::learnedWordsReadBackUnchanged()
{
    QTemporaryDir shipped, home;
    for (int index : kana::allIndices())
        writeFile(shipped.filePath(kana::fileName(index)), QByteArray());
    // Hiragana with the marks and symbols a user may type beside them, and some that look alike.
    const QString pool = QStringLiteral("あいうかがさぱゃっーんをゔ〜～・、。　 ｱｶﾞ①ⅰ∵∥￢－―‐−\t\u00a0\u3099");
    std::mt19937 gen(7);
    WordLists lists(shipped.path(), home.path());
    QStringList learned;
    for (int round = 0, total = rounds(3000); round < total; ++round, ++g_inputs) {
        QString w(QChar(pool[qsizetype(gen() % 8)]));
        const int n = int(gen() % 5);
        for (int i = 0; i < n; ++i)
            w += pool[qsizetype(gen() % quint32(pool.size()))];
        if (lists.Learnword(w))
            learned << w;
    }
    QVERIFY(learned.size() > 100);
    // Look-alikes the code page folds together: typed as the one, they would read back as the other.
    QVERIFY(!lists.Learnword(QStringLiteral("あ〜")));
    QVERIFY(!lists.Learnword(QStringLiteral("あ−")));
    QVERIFY(lists.Learnword(QStringLiteral("あかさた～")));
    QVERIFY(lists.save());
    WordLists again(shipped.path(), home.path());
    again.load();
    for (const QString &w : learned)
        QVERIFY2(again.list(kana::indexOf(w.front())).contains(w), qPrintable(w));
    for (int index : kana::allIndices())
        QCOMPARE(again.list(index), lists.list(index));
}

QTEST_GUILESS_MAIN(TestFuzz)
#include "tst_fuzz.moc"
