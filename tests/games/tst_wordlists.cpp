// The pet's shipped word lists for the word-chain game: one file per starting kana, CP932 with
// CR LF lines, hiragana words that begin with their file's kana, and enough of them to play.
#include "common/cp932.h"

#include <QFile>
#include <QSet>
#include <QtTest>

namespace {

struct KanaFile
{
    const char *kana;
    const char *file;
    int minimum; // fewest words the list must hold
};

// Common kana need at least 20 words. The rare ones are allowed fewer: the language has few
// everyday nouns starting with them, or only loanwords. No everyday word is written with a
// leading ぢ or づ, so those two lists may be empty.
constexpr int Common = 20;
constexpr int Rare = 5;
constexpr int None = 0;

const KanaFile kanaFiles[] = {
    {"あ", "word1.dat", Common},   {"い", "word2.dat", Common},   {"う", "word3.dat", Common},
    {"え", "word4.dat", Common},   {"お", "word5.dat", Common},   {"か", "word6.dat", Common},
    {"き", "word7.dat", Common},   {"く", "word8.dat", Common},   {"け", "word9.dat", Common},
    {"こ", "word10.dat", Common},  {"さ", "word11.dat", Common},  {"し", "word12.dat", Common},
    {"す", "word13.dat", Common},  {"せ", "word14.dat", Common},  {"そ", "word15.dat", Common},
    {"た", "word16.dat", Common},  {"ち", "word17.dat", Common},  {"つ", "word18.dat", Common},
    {"て", "word19.dat", Common},  {"と", "word20.dat", Common},  {"な", "word21.dat", Common},
    {"に", "word22.dat", Common},  {"ぬ", "word23.dat", Rare},    {"ね", "word24.dat", Common},
    {"の", "word25.dat", Common},  {"は", "word26.dat", Common},  {"ひ", "word27.dat", Common},
    {"ふ", "word28.dat", Common},  {"へ", "word29.dat", Rare},    {"ほ", "word30.dat", Common},
    {"ま", "word31.dat", Common},  {"み", "word32.dat", Common},  {"む", "word33.dat", Common},
    {"め", "word34.dat", Common},  {"も", "word35.dat", Common},  {"や", "word36.dat", Common},
    {"ゆ", "word37.dat", Common},  {"よ", "word38.dat", Common},  {"ら", "word41.dat", Rare},
    {"り", "word42.dat", Common},  {"る", "word43.dat", Rare},    {"れ", "word44.dat", Rare},
    {"ろ", "word45.dat", Rare},    {"わ", "word46.dat", Common},
    {"が", "word6a.dat", Common},  {"ぎ", "word7a.dat", Common},  {"ぐ", "word8a.dat", Rare},
    {"げ", "word9a.dat", Rare},    {"ご", "word10a.dat", Common}, {"ざ", "word11a.dat", Rare},
    {"じ", "word12a.dat", Common}, {"ず", "word13a.dat", Rare},   {"ぜ", "word14a.dat", Rare},
    {"ぞ", "word15a.dat", Rare},   {"だ", "word16a.dat", Common}, {"ぢ", "word17a.dat", None},
    {"づ", "word18a.dat", None},   {"で", "word19a.dat", Rare},   {"ど", "word20a.dat", Common},
    {"ば", "word26a.dat", Rare},   {"び", "word27a.dat", Rare},   {"ぶ", "word28a.dat", Common},
    {"べ", "word29a.dat", Rare},   {"ぼ", "word30a.dat", Rare},
    {"ぱ", "word26b.dat", Rare},   {"ぴ", "word27b.dat", Rare},   {"ぷ", "word28b.dat", Rare},
    {"ぺ", "word29b.dat", Rare},   {"ぽ", "word30b.dat", Rare},
};

QString datPath(const char *file)
{
    return QStringLiteral(TOBBERLY_BIN_DIR "/dat/") + QString::fromLatin1(file);
}

// The words of one shipped file, decoded; empty when the file is missing.
QStringList readWords(const char *file)
{
    QFile f(datPath(file));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = cp932::decode(f.readAll()).split(QStringLiteral("\r\n"));
    lines.removeLast(); // after the final CR LF
    return lines;
}

bool isHiraganaOrLongMark(QChar c)
{
    return (c.unicode() >= 0x3041 && c.unicode() <= 0x3096) || c == QChar(0x30FC);
}

// The kana a reply has to begin with, as the game reads a word's end: small kana count as
// their full-size forms and a closing long mark as the vowel before it.
QChar continuingKana(const QString &word)
{
    static const QString small = QStringLiteral("ぁぃぅぇぉゃゅょっ");
    static const QString full = QStringLiteral("あいうえおやゆよつ");
    static const QString vowelRows[5] = {
        QStringLiteral("あぁかがさざただなはばぱまやゃらわ"),
        QStringLiteral("いぃきぎしじちぢにひびぴみり"),
        QStringLiteral("うぅくぐすずつづぬふぶぷむゆゅる"),
        QStringLiteral("えぇけげせぜてでねへべぺめれ"),
        QStringLiteral("おぉこごそぞとどのほぼぽもよょろ"),
    };
    QChar last = word.back();
    if (last == QChar(0x30FC) && word.size() > 1) {
        for (int v = 0; v < 5; ++v)
            if (vowelRows[v].contains(word.at(word.size() - 2)))
                return QStringLiteral("あいうえお").at(v);
        return last;
    }
    const qsizetype i = small.indexOf(last);
    return i >= 0 ? full.at(i) : last;
}

} // namespace

class TestWordLists : public QObject
{
    Q_OBJECT
private slots:
    void everyKanaHasItsFile()
    {
        QCOMPARE(int(std::size(kanaFiles)), 69);
        QSet<QString> kana, files;
        for (const KanaFile &k : kanaFiles) {
            kana.insert(QString::fromUtf8(k.kana));
            files.insert(QString::fromLatin1(k.file));
        }
        QCOMPARE(kana.size(), 69);
        QCOMPARE(files.size(), 69);
    }

    void filesAreCp932WithCrLfLines_data()
    {
        QTest::addColumn<QString>("file");
        for (const KanaFile &k : kanaFiles)
            QTest::newRow(k.file) << QString::fromLatin1(k.file);
    }
    // Exactly what the game reads back: CP932 bytes, every line (the last one too) closed by
    // CR LF, no stray CR or LF, and no empty line that would become an empty word.
    void filesAreCp932WithCrLfLines()
    {
        QFETCH(QString, file);
        QFile f(datPath(file.toLatin1().constData()));
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
        const QByteArray bytes = f.readAll();
        bool ok = false;
        cp932::decode(bytes, &ok);
        QVERIFY2(ok, "not valid CP932");
        if (bytes.isEmpty())
            return;
        QVERIFY2(bytes.endsWith("\r\n"), "the last line lacks CR LF");
        const QList<QByteArray> lines = bytes.chopped(2).split('\n');
        for (int i = 0; i < lines.size(); ++i) {
            const QByteArray &line = lines[i];
            const QByteArray where = file.toLatin1() + " line " + QByteArray::number(i + 1);
            if (i + 1 < lines.size())
                QVERIFY2(line.endsWith('\r'), where + ": LF without CR");
            const QByteArray text = i + 1 < lines.size() ? line.chopped(1) : line;
            QVERIFY2(!text.isEmpty(), where + ": empty line");
            QVERIFY2(!text.contains('\r'), where + ": stray CR");
        }
    }

    void wordsFitTheirFile_data()
    {
        QTest::addColumn<QString>("kana");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("minimum");
        for (const KanaFile &k : kanaFiles)
            QTest::newRow(k.file) << QString::fromUtf8(k.kana) << QString::fromLatin1(k.file)
                                  << k.minimum;
    }
    // Hiragana (and the long mark) only, each word under its own first kana, no word twice,
    // and enough words that the pet is not out of ideas after a few turns.
    void wordsFitTheirFile()
    {
        QFETCH(QString, kana);
        QFETCH(QString, file);
        QFETCH(int, minimum);
        const QStringList words = readWords(file.toLatin1().constData());
        QSet<QString> seen;
        for (const QString &w : words) {
            const QByteArray where = file.toLatin1() + ": " + w.toUtf8();
            QVERIFY2(!w.isEmpty(), where + " is empty");
            QVERIFY2(w.startsWith(kana), where + " does not start with " + kana.toUtf8());
            for (QChar c : w)
                QVERIFY2(isHiraganaOrLongMark(c), where + " has a character other than hiragana");
            QVERIFY2(!seen.contains(w), where + " appears twice");
            seen.insert(w);
        }
        QVERIFY2(words.size() >= minimum,
                 qPrintable(QStringLiteral("%1 has only %2 words").arg(file).arg(words.size())));
    }

    // A few words ending in ん let the pet slip now and then; too many would make it lose often.
    void aHandfulEndInN()
    {
        int endInN = 0;
        for (const KanaFile &k : kanaFiles)
            for (const QString &w : readWords(k.file))
                endInN += w.endsWith(QChar(u'ん'));
        QVERIFY2(endInN >= 5 && endInN <= 15, qPrintable(QString::number(endInN)));
    }

    // Every other word must leave the user a kana the game can go on from, one for which the
    // pet itself has words too, so no shipped word ends the game by being unanswerable.
    void everyWordCanBeAnswered()
    {
        QSet<QChar> answerable;
        for (const KanaFile &k : kanaFiles)
            if (!readWords(k.file).isEmpty())
                answerable.insert(QString::fromUtf8(k.kana).at(0));
        for (const KanaFile &k : kanaFiles)
            for (const QString &w : readWords(k.file))
                if (!w.endsWith(QChar(u'ん')))
                    QVERIFY2(answerable.contains(continuingKana(w)), qPrintable(w));
    }

    // The folding above must agree with the game's own examples, or the check proves nothing.
    void continuingKanaFollowsTheGame()
    {
        QCOMPARE(continuingKana(QStringLiteral("こーひー")), QChar(u'い'));
        QCOMPARE(continuingKana(QStringLiteral("ぎゅう")), QChar(u'う'));
        QCOMPARE(continuingKana(QStringLiteral("きって")), QChar(u'て'));
        QCOMPARE(continuingKana(QStringLiteral("しゃっ")), QChar(u'つ'));
        QCOMPARE(continuingKana(QStringLiteral("ちゃ")), QChar(u'や'));
        QCOMPARE(continuingKana(QStringLiteral("ぱとかー")), QChar(u'あ'));
        QCOMPARE(continuingKana(QStringLiteral("かんー")), QChar(0x30FC));
    }
};

QTEST_GUILESS_MAIN(TestWordLists)
#include "tst_wordlists.moc"
