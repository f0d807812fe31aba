// The words the pet learned are the user's and are kept for years: a game rewrites only them,
// leaves every line it did not learn byte for byte (even lines that are not Shift_JIS), and a
// user folder written by earlier versions (a whole copy of each shipped list) reads as it did and
// is converted at the next save without losing a word.
#include "warnings.h"

#include "common/cp932.h"
#include "common/random.h"
#include "common/settingsstore.h"
#include "common/timers.h"
#include "games/wordchain/wordchain.h"
#include "games/wordchain/wordlists.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct Folders {
    QTemporaryDir shipped, home;
    QString user() const { return home.path() + u"/dat"_s; }
    QString userFile(int index) const { return user() + u'/' + kana::fileName(index); }
    void ship(const std::map<int, QStringList> &words)
    {
        for (int index : kana::allIndices()) {
            const auto it = words.find(index);
            writeFile(shipped.filePath(kana::fileName(index)), it == words.end() ? QByteArray() : wordListBytes(it->second));
        }
    }
};

// One game to its end: the user plays `word`, then gives up once the pet is done thinking.
void playAndGiveUp(Folders &f, const QString &word)
{
    MemorySettingsStore store;
    VirtualTime time(QDateTime(QDate(2026, 12, 7), QTime(10, 0)));
    SeededRandom rnd(3);
    WordLists lists(f.shipped.path(), f.user());
    WordChainGame game(rnd, time, store, lists);
    game.start();
    game.submit(word);
    for (int t = 0; t < 600 && !game.resultShown() && game.whose() == WordChainGame::Pet; ++t)
        time.advance(100);
    game.giveUp();
    time.advance(WordChainGame::kCloseMs + 100);
    QVERIFY(game.resultShown());
}

} // namespace

class TestLearnedWords : public QObject
{
    Q_OBJECT
private slots:
    void linesThePetCannotReadSurviveAGameByteForByte();
    void aFolderOfWholeCopiesIsReadAndConvertedWithoutLosingAWord();
    void newShippedWordsReachAPlayerWhoHasLearnedWords();
    void listsPutOffUntilFirstUseAreReadOnceAndKeepWhatIsLearned();
};

// A line of the user's list that is not Shift_JIS (82 A0 FF 82 A2) must come back exactly as it
// was after a game, not with '?' for its bad byte; the word learned in the game is added after it.
void TestLearnedWords::linesThePetCannotReadSurviveAGameByteForByte()
{
    Folders f;
    f.ship({{1, {u"あめ"_s}}});
    QVERIFY(QDir().mkpath(f.user()));
    const QByteArray bad("\x82\xa0\xff\x82\xa2\r\n", 7);
    const QByteArray lf = cp932::encode(u"あひる"_s) + "\n"; // a hand-edited line end
    writeFile(f.userFile(1), bad + lf);

    WarningLog log;
    playAndGiveUp(f, u"あさがお"_s);
    QCOMPARE(readFile(f.userFile(1)), bad + wordListBytes({u"あひる"_s, u"あさがお"_s}));
    QCOMPARE(log.count(u"not Shift_JIS"_s), 1);

    // The unreadable line is kept, not played: the pet only ever says words it can read.
    WordLists again(f.shipped.path(), f.user());
    again.load();
    QCOMPARE(again.list(1), QStringList({u"あめ"_s, u"あひる"_s, u"あさがお"_s}));
    QCOMPARE(again.learnedLines(1).first(), bad.chopped(2));
}

// Earlier versions copied each shipped list whole into the user's folder and appended the learned
// words. Such a folder plays exactly as before; at the next save each file keeps only the words
// that are not shipped, every one of them, in their order.
void TestLearnedWords::aFolderOfWholeCopiesIsReadAndConvertedWithoutLosingAWord()
{
    Folders f;
    const QStringList shippedA{u"あめ"_s, u"あさ"_s, u"あり"_s};
    const QStringList shippedKa{u"かさ"_s, u"かめ"_s};
    f.ship({{1, shippedA}, {6, shippedKa}, {11, {u"さる"_s}}});
    QVERIFY(QDir().mkpath(f.user()));
    // Copies written by the old version: an older shipped list (あり is new, あじ was dropped since),
    // learned words after it; one copy with nothing learned.
    const QStringList oldA{u"あめ"_s, u"あさ"_s, u"あじ"_s, u"あひる"_s, u"あんず"_s};
    writeFile(f.userFile(1), wordListBytes(oldA));
    writeFile(f.userFile(6), wordListBytes(shippedKa + QStringList{u"からす"_s}));
    writeFile(f.userFile(11), wordListBytes({u"さる"_s}));

    WordLists before(f.shipped.path(), f.user());
    before.load();
    QCOMPARE(before.list(1), shippedA + QStringList({u"あじ"_s, u"あひる"_s, u"あんず"_s}));
    QCOMPARE(before.list(6), shippedKa + QStringList{u"からす"_s});
    QCOMPARE(before.list(11), QStringList{u"さる"_s});

    playAndGiveUp(f, u"さかな"_s);
    QCOMPARE(readFile(f.userFile(1)), wordListBytes({u"あじ"_s, u"あひる"_s, u"あんず"_s}));
    QCOMPARE(readFile(f.userFile(6)), wordListBytes({u"からす"_s}));
    QCOMPARE(readFile(f.userFile(11)), wordListBytes({u"さかな"_s}));

    // Not a word lost: every word of the old copies is still played, and so is the new one.
    WordLists after(f.shipped.path(), f.user());
    after.load();
    for (const QString &w : oldA)
        QVERIFY2(after.list(1).contains(w), qPrintable(w));
    QCOMPARE(after.list(1), before.list(1));
    QCOMPARE(after.list(6), before.list(6));
    QCOMPARE(after.list(11), QStringList({u"さる"_s, u"さかな"_s}));
}

// A release that ships more words: a player with learned words gets them too, in list order
// before the learned ones, and a copy that had nothing learned is removed rather than kept stale.
void TestLearnedWords::newShippedWordsReachAPlayerWhoHasLearnedWords()
{
    Folders f;
    f.ship({{1, {u"あめ"_s}}, {16, {u"たこ"_s}}});
    QVERIFY(QDir().mkpath(f.user()));
    writeFile(f.userFile(1), wordListBytes({u"あめ"_s, u"あひる"_s}));
    writeFile(f.userFile(16), wordListBytes({u"たこ"_s}));
    playAndGiveUp(f, u"いす"_s);
    QVERIFY(!QFile::exists(f.userFile(16)));

    f.ship({{1, {u"あめ"_s, u"あお"_s}}, {16, {u"たこ"_s, u"たぬき"_s}}});
    WordLists lists(f.shipped.path(), f.user());
    lists.load();
    QCOMPARE(lists.list(1), QStringList({u"あめ"_s, u"あお"_s, u"あひる"_s}));
    QCOMPARE(lists.list(16), QStringList({u"たこ"_s, u"たぬき"_s}));
    QCOMPARE(lists.list(2), QStringList{u"いす"_s});
}

// The game pack shows its window before it reads the word lists: the read comes at the first use
// (or when asked for) and finds the files as they are then; it comes once, so a word learned
// after it is neither lost to a second read nor missing from the save.
void TestLearnedWords::listsPutOffUntilFirstUseAreReadOnceAndKeepWhatIsLearned()
{
    Folders f;
    f.ship({{1, {u"あめ"_s}}});
    WordLists lists(f.shipped.path(), f.user());
    lists.loadWhenNeeded();
    f.ship({{1, {u"あめ"_s, u"あり"_s}}});
    QCOMPARE(lists.list(1), QStringList({u"あめ"_s, u"あり"_s}));
    QVERIFY(lists.Learnword(u"あさ"_s));
    lists.ensureLoaded();
    QCOMPARE(lists.list(1), QStringList({u"あめ"_s, u"あり"_s, u"あさ"_s}));
    QVERIFY(lists.save());
    QCOMPARE(readFile(f.userFile(1)), wordListBytes({u"あさ"_s}));

    // Learned before anything read the lists: the word joins the lists as they are on disk.
    WordLists again(f.shipped.path(), f.user());
    again.loadWhenNeeded();
    QVERIFY(again.Learnword(u"あひる"_s));
    QCOMPARE(again.list(1), QStringList({u"あめ"_s, u"あり"_s, u"あさ"_s, u"あひる"_s}));
}

QTEST_GUILESS_MAIN(TestLearnedWords)
#include "tst_learnedwords.moc"
