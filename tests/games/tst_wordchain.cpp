// The word-chain game played by its rules alone: scripted chance, virtual time, an in-memory
// store and word lists in temporary folders.
#include "common/cp932.h"
#include "common/random.h"
#include "common/settingsstore.h"
#include "common/timers.h"
#include "games/wordchain/wordchain.h"
#include "games/wordchain/wordlists.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A game with its shipped lists (every other list present but empty) and a fresh user folder.
struct Game {
    QTemporaryDir shipped;
    QTemporaryDir home;
    ScriptedRandom random;
    VirtualTime time{QDateTime(QDate(2026, 12, 6), QTime(10, 0))};
    MemorySettingsStore store;
    std::unique_ptr<WordLists> lists;
    std::unique_ptr<WordChainGame> game;

    explicit Game(const std::map<int, QStringList> &words = {})
    {
        for (int index : kana::allIndices()) {
            const auto it = words.find(index);
            writeFile(shipped.path() + u'/' + kana::fileName(index),
                      wordListBytes(it == words.end() ? QStringList() : it->second));
        }
    }
    QString userDir() const { return home.path() + u"/dat"_s; }
    void start()
    {
        lists = std::make_unique<WordLists>(shipped.path(), userDir());
        game = std::make_unique<WordChainGame>(random, time, store, *lists);
        game->start();
    }
    WordChainGame *operator->() { return game.get(); }
    // Lets virtual time run until the pet has answered (or a result came), at most maxMs.
    void runPetTurn(qint64 maxMs = 25000)
    {
        for (qint64 t = 0; t < maxMs && game->whose() == WordChainGame::Pet && !game->resultShown(); t += 50)
            time.advance(50);
    }
    // The result on show as "frame|message|pet/user/draws": one comparison shows all of it.
    QString outcome() const
    {
        if (!game->resultShown())
            return u"no result"_s;
        const auto count = [this](const char *key) { return store.read(QLatin1String(key), u"0"_s); };
        return u"%1|%2|%3/%4/%5"_s.arg(game->frame()).arg(game->message(), count("winno31"),
                                                          count("winno32"), count("winno33"));
    }
    QString userList(int index) const
    {
        return cp932::decode(readFile(userDir() + u'/' + kana::fileName(index)));
    }
};

} // namespace

class TestWordChain : public QObject
{
    Q_OBJECT
private slots:
    // The kana a word continues from: long vowels take the vowel of the kana before them, small
    // kana grow, voiced endings stay, and a ー after a kana with no vowel stays ー.
    void wordsContinueFromTheirLastKana_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("next");
        QTest::newRow("long vowel after ひ") << u"こーひー"_s << u"い"_s;
        QTest::newRow("long vowel after ゃ") << u"きゃー"_s << u"あ"_s;
        QTest::newRow("plain ending") << u"ぎゅう"_s << u"う"_s;
        QTest::newRow("ending after small っ") << u"きって"_s << u"て"_s;
        QTest::newRow("small っ at the end") << u"しゃっ"_s << u"つ"_s;
        QTest::newRow("small ゃ at the end") << u"ちゃ"_s << u"や"_s;
        QTest::newRow("voiced stays") << u"ふぐ"_s << u"ぐ"_s;
        QTest::newRow("ー after ん stays") << u"みかんー"_s << u"ー"_s;
        QTest::newRow("ー alone stays") << u"ー"_s << u"ー"_s;
    }
    void wordsContinueFromTheirLastKana()
    {
        QFETCH(QString, word);
        QFETCH(QString, next);
        QCOMPARE(kana::Lastkana(word).back(), next.front());
        QCOMPARE(kana::Lastkana(word).size(), word.size());
    }

    // Each of the 69 kana has its own number and file; nothing else has a number.
    void theSixtyNineKanaHaveTheirNumbersAndFiles()
    {
        const QList<int> all = kana::allIndices();
        QCOMPARE(all.size(), 69);
        QCOMPARE(QSet<int>(all.begin(), all.end()).size(), 69);
        QCOMPARE(kana::indexOf(u'あ'), 1);
        QCOMPARE(kana::indexOf(u'も'), 35);
        QCOMPARE(kana::indexOf(u'よ'), 38);
        QCOMPARE(kana::indexOf(u'ら'), 41);
        QCOMPARE(kana::indexOf(u'わ'), 46);
        QCOMPARE(kana::indexOf(u'が'), 106);
        QCOMPARE(kana::indexOf(u'ど'), 120);
        QCOMPARE(kana::indexOf(u'ぼ'), 130);
        QCOMPARE(kana::indexOf(u'ぽ'), 230);
        for (char16_t c : std::u16string_view(u"んをゃっーアa"))
            QCOMPARE(kana::indexOf(QChar(c)), 0);
        QCOMPARE(kana::fileName(1), u"word1.dat"_s);
        QCOMPARE(kana::fileName(106), u"word6a.dat"_s);
        QCOMPARE(kana::fileName(226), u"word26b.dat"_s);
        QCOMPARE(kana::fileName(46), u"word46.dat"_s);
    }

    // A full exchange: the pet answers from the list of the kana the user's word ends on, types
    // its word letter by letter, and hands the turn back with a fresh clock.
    void petAnswersFromTheListOfTheUsersLastKana()
    {
        Game g({{2, {u"いか"_s, u"いす"_s}}});
        g.start();
        QSignalSpy reset(g.game.get(), &WordChainGame::entryReset);
        g->submit(u"こーひー"_s);
        QCOMPARE(g->whose(), WordChainGame::Pet);
        QCOMPARE(g->frame(), 6);
        QCOMPARE(g->message(), u"こーひーだね・・・じゃあ、ぼくは・・・"_s);
        QVERIFY(!g->entryEnabled());
        g.random.push(2);
        // 500 ms before thinking, 150 ms for the second word of the list, then one letter.
        g.time.advance(650);
        QCOMPARE(g->petWord(), u"い"_s);
        QCOMPARE(g->frame(), 1);
        g.runPetTurn();
        QCOMPARE(g->petWord(), u"いす"_s);
        QCOMPARE(g->message(), u"さぁ、きみの番だよ！"_s);
        QCOMPARE(g->whose(), WordChainGame::User);
        QVERIFY(g->entryEnabled());
        QCOMPARE(g->timeLeft(), 10);
        QCOMPARE(reset.count(), 1);
        QCOMPARE(g->used(), QStringList({u"こーひー"_s, u"いす"_s}));

        // The user must now start with す.
        g->submit(u"かさ"_s);
        QCOMPARE(g.outcome(), u"2|それじゃつながらないよー\nぼくの勝ちだね！\nもっと語彙を増やさないと駄目だよぉ|1/0/0"_s);
        QVERIFY(g.random.remaining() == 0 && !g.random.failed());
    }

    // The pet's thinking grows with the position of its word and stops growing at 2.5 s.
    void aWordFurtherDownTheListTakesLongerUpToACap()
    {
        QStringList words;
        for (int i = 1; i <= 40; ++i)
            words << u"い"_s + QString(QChar(u'か' + i % 10)) + QString(QChar(u'な' + i / 10)) + u"い"_s;
        Game g({{2, words}});
        g.start();
        g.random.push(40);
        g->submit(u"こい"_s);
        g.time.advance(500 + 2499);
        QCOMPARE(g->frame(), 3);
        QVERIFY(g->petWord().isEmpty());
        g.time.advance(1);
        QCOMPARE(g->petWord(), u"い"_s);

        Game h({{2, words}});
        h.start();
        h.random.push(14); // 21 000 units: a long think, but not the longest
        h->submit(u"こい"_s);
        h.time.advance(500);
        QCOMPARE(h->frame(), 5);
    }

    // Empty entries and entries ending on a character the chain cannot go on from are refused;
    // the user may try again, but the clock keeps running.
    void refusedEntriesLeaveTheClockRunning()
    {
        Game g;
        g.start();
        g.time.advance(4000);
        QCOMPARE(g->timeLeft(), 8);
        g->submit(QString());
        QCOMPARE(g->frame(), 4);
        QCOMPARE(g->message(), u"もー、何にも言わないと、しりとりにならないよ！\n真面目にやってよね！"_s);
        QVERIFY(g->entryEnabled());
        g->submit(u"ネコ"_s);
        QCOMPARE(g->message(), u"ネコの後には何にも続かないよ！\nふざけないでちゃんと答えてよ！"_s);
        QVERIFY(g->entryEnabled());
        QVERIFY(g->used().isEmpty());
        g.time.advance(2000);
        QCOMPARE(g->timeLeft(), 7);
        // The user's 20 seconds run out: the pet wins.
        g.time.advance(14000);
        QCOMPARE(g.outcome(), u"2|時間切れだよー\nぼくの勝ちだね！\n日本語は君の方が得意じゃないの？？|1/0/0"_s);
    }

    // Short games and their results: the first word connects to nothing but ending in ん loses
    // even then; repeating the word just played (one that starts and ends on the same kana) is a
    // repeat; the pet's own word ending in ん loses for the pet.
    void shortGamesEndWithTheirResult_data()
    {
        QTest::addColumn<int>("kana");
        QTest::addColumn<QString>("petWord");
        QTest::addColumn<QStringList>("userWords");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("first word ends in ん") << 0 << QString() << QStringList{u"みかん"_s}
            << u"2|あー！ 最後が「ん」だよ\nぼくの勝ちだね！\n慌てたの？しょうがないなぁ|1/0/0"_s;
        QTest::newRow("the word just played") << 20 << u"とまと"_s << QStringList{u"いと"_s, u"とまと"_s}
            << u"2|それ、前にでたよっ\nぼくの勝ちだね！\nまた、いつでも相手してあげるよ|1/0/0"_s;
        QTest::newRow("pet's word ends in ん") << 22 << u"にんじん"_s << QStringList{u"かに"_s}
            << u"4|あー！ 最後に「ん」がついちゃった！\nぼくの負けだね\nうっかりしちゃったなぁ・・・|0/1/0"_s;
    }
    void shortGamesEndWithTheirResult()
    {
        QFETCH(int, kana);
        QFETCH(QString, petWord);
        QFETCH(QStringList, userWords);
        QFETCH(QString, outcome);
        Game g(kana ? std::map<int, QStringList>{{kana, {petWord}}} : std::map<int, QStringList>{});
        g.start();
        if (kana)
            g.random.push(1);
        for (const QString &w : userWords) {
            g.runPetTurn();
            g->submit(w);
        }
        g.runPetTurn();
        QCOMPARE(g->petWord(), petWord);
        QCOMPARE(g.outcome(), outcome);
    }

    // When the pet cannot find a word (ー after ん, or no list words at all) it keeps thinking,
    // without spinning, until its 20 seconds are gone and it loses.
    void petWithoutAWordThinksUntilItsTimeRunsOut_data()
    {
        QTest::addColumn<QString>("word");
        QTest::newRow("ー after ん") << u"みかんー"_s;
        QTest::newRow("empty list") << u"あひる"_s;
    }
    void petWithoutAWordThinksUntilItsTimeRunsOut()
    {
        QFETCH(QString, word);
        Game g;
        g.start();
        g->submit(word);
        QCOMPARE(g->whose(), WordChainGame::Pet);
        g.time.advance(19999);
        QVERIFY(!g->resultShown());
        QCOMPARE(g->timeLeft(), 1);
        g.time.advance(1);
        QCOMPARE(g.outcome(), u"4|あー、時間切れになっちゃった\nあーあ、ぼくの負けかぁ\n思いつかなかったなぁ・・・|0/1/0"_s);
        QVERIFY(g.random.asked().isEmpty()); // an empty list needs no draw to come up empty
        QCOMPARE(g.time.nextDue(), qint64(3000)); // only the closing timer is left
    }

    // When the pet's 20 seconds run out while it is still typing, its word stays as far as it
    // got: the pet says it could not think of one, so the whole word must not appear.
    void aWordCutShortByTheClockStaysHalfTyped()
    {
        // The user's own word heads the pet's memory, so drawing it again is always noticed and
        // costs the pet 1.3 s; after fourteen such slips the pet starts typing at 19.2 s.
        Game g({{1, {u"あいあ"_s, u"あまのがわ"_s}}});
        g.start();
        for (int i = 0; i < 14; ++i)
            g.random.push(1);
        g.random.push(2);
        g->submit(u"あいあ"_s);
        g.time.advance(19999);
        QCOMPARE(g->petWord(), u"あまのが"_s);
        QVERIFY(!g->resultShown());
        g.time.advance(1);
        QCOMPARE(g.outcome(), u"4|あー、時間切れになっちゃった\nあーあ、ぼくの負けかぁ\n思いつかなかったなぁ・・・|0/1/0"_s);
        QCOMPARE(g->petWord(), u"あまのが"_s);
        g.time.advance(5000);
        QCOMPARE(g->petWord(), u"あまのが"_s);
        QCOMPARE(g->used(), QStringList{u"あいあ"_s});
        QVERIFY(g.random.remaining() == 0 && !g.random.failed());
    }

    // New words of the user land at the end of their kana's list, and only they are written to the
    // user's folder; words that cannot be stored faithfully are played but never written. The
    // shipped lists stay as they are.
    void newWordsAreLearnedAtTheEndOfTheirList()
    {
        Game g({{13, {u"すし"_s}}, {2, {u"いす"_s}}, {1, {u"あい"_s}}});
        const QByteArray shippedSu = readFile(g.shipped.path() + u"/word13.dat"_s);
        g.start();
        g.random.push(1);
        g->submit(u"コーヒー"_s); // katakana: played, learned nowhere
        QCOMPARE(g->used().size(), 1);
        g->giveUp();
        QVERIFY(!QFile::exists(g.userDir() + u"/word13.dat"_s));

        Game h({{13, {u"すし"_s}}, {6, {u"かさ"_s}}});
        h.start();
        h.random.push(1);
        h->submit(u"すいか"_s);
        h.runPetTurn();
        QCOMPARE(h->petWord(), u"かさ"_s);
        h->submit(u"さくら"_s);
        h->giveUp();
        QCOMPARE(h.userList(13), u"すいか\r\n"_s);
        QCOMPARE(h.userList(11), u"さくら\r\n"_s);
        QVERIFY(!QFile::exists(h.userDir() + u"/word6.dat"_s)); // the pet's own words are not learned
        QCOMPARE(readFile(h.shipped.path() + u"/word13.dat"_s), shippedSu);

        // The next game reads the learned list from the user's folder.
        WordLists again(h.shipped.path(), h.userDir());
        again.load();
        QCOMPARE(again.list(13), QStringList({u"すし"_s, u"すいか"_s}));
    }

    void wordsThatCannotBeStoredAreNotLearned()
    {
        WordLists lists{QString(), QString()};
        QVERIFY(lists.Learnword(u"すいか"_s));
        QVERIFY(!lists.Learnword(u"すいか"_s)); // already known
        QVERIFY(!lists.Learnword(u"コーヒー"_s));
        QVERIFY(!lists.Learnword(u"す😀い"_s));
        QVERIFY(!lists.Learnword(u"す\nい"_s));
        QCOMPARE(lists.list(13), QStringList({u"すいか"_s}));
    }

    // Saving writes the learned words whole, CP932 with CR LF; lists with nothing learned are not
    // copied into the user's folder.
    void savingLeavesEveryListWhole()
    {
        std::map<int, QStringList> words;
        const QList<int> all = kana::allIndices();
        for (int index : all) {
            // The kana of that index, found in the hiragana block.
            QChar c;
            for (char16_t u = u'ぁ'; u <= u'ゖ'; ++u)
                if (kana::indexOf(QChar(u)) == index)
                    c = QChar(u);
            words[index] = {c + u"りんご"_s, c + u"ー"_s, c + u"っぱ"_s};
        }
        Game g(words);
        g.start();
        g.random.push(1);
        g->submit(u"さかな"_s);
        g.runPetTurn();
        QCOMPARE(g->petWord(), u"なりんご"_s);
        g->giveUp();
        QDir dir(g.userDir());
        QCOMPARE(dir.entryList(QDir::Files), QStringList{u"word11.dat"_s});
        QCOMPARE(readFile(g.userDir() + u"/word11.dat"_s), wordListBytes({u"さかな"_s}));
        QCOMPARE(g.lists->list(11), words[11] + QStringList{u"さかな"_s});
    }

    // A missing list reads as empty, is named in a warning, and the game goes on.
    void aMissingListReadsAsEmpty()
    {
        Game g({{1, {u"あめ"_s}}});
        QFile::remove(g.shipped.path() + u"/word5.dat"_s);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"word5\\.dat"_s));
        g.start();
        QVERIFY(g.lists->list(5).isEmpty());
        QCOMPARE(g.lists->list(1), QStringList({u"あめ"_s}));
        g->submit(u"ねこ"_s);
        QCOMPARE(g->whose(), WordChainGame::Pet);
    }

    // After a result nothing the user does changes anything: no second counter, no message.
    void nothingChangesAfterAResult()
    {
        Game g;
        g.start();
        g->submit(u"みかん"_s);
        const int writes = g.store.writeCount();
        const QString shown = g.outcome();
        g->giveUp();
        g->submit(u"りんご"_s);
        QCOMPARE(g.store.writeCount(), writes);
        QCOMPARE(g.outcome(), shown);
    }

    // Three seconds after any result friendship rises by 2 in 16-bit arithmetic, with no bound
    // of the game's own, and the program ends.
    void friendshipRisesByTwoThreeSecondsAfterTheResult_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("119") << u"119"_s << u"121"_s;
        QTest::newRow("never stored") << QString() << u"52"_s;
        QTest::newRow("top of 16 bits") << u"32767"_s << u"32767"_s;
        QTest::newRow("not a number") << u"abc"_s << u"52"_s;
    }
    void friendshipRisesByTwoThreeSecondsAfterTheResult()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        Game g;
        if (!before.isNull())
            g.store.write(u"Loveval"_s, before);
        g.store.write(u"winno33"_s, u"4"_s);
        g.start();
        QCOMPARE(g->wins(WordChainGame::Draws), qint16(4));
        QSignalSpy ends(g.game.get(), &WordChainGame::programEnds);
        g->giveUp();
        QCOMPARE(g.outcome(), u"4|えーっ、まだ途中だよぉ？？\nしょうがないなぁ・・・\nじゃあ、この勝負は引き分けだね|0/0/5"_s);
        g.time.advance(2999);
        QCOMPARE(ends.count(), 0);
        QCOMPARE(g.store.read(u"Loveval"_s, u"none"_s), before.isNull() ? u"none"_s : before);
        g.time.advance(1);
        QCOMPARE(ends.count(), 1);
        QCOMPARE(g.store.read(u"Loveval"_s, u""_s), after);
    }

    // Closing the window before a result writes nothing at all, and no timer fires afterwards;
    // closing after a result gives the friendship bonus at once, exactly once.
    void closingBeforeAResultWritesNothing()
    {
        Game g({{1, {u"あめ"_s}}});
        g.start();
        g.random.push(1);
        g->submit(u"やま"_s);
        g.time.advance(300);
        g->windowClosing();
        g.time.advance(60000);
        QCOMPARE(g.store.writeCount(), 0);
        QVERIFY(!QDir(g.userDir()).exists());
        QCOMPARE(g.time.nextDue(), qint64(-1));

        Game h;
        h.store.write(u"Loveval"_s, u"70"_s);
        h.start();
        h->giveUp();
        h.time.advance(1000);
        h->windowClosing();
        QCOMPARE(h.store.read(u"Loveval"_s, u""_s), u"72"_s);
        h.time.advance(5000);
        QCOMPARE(h.store.read(u"Loveval"_s, u""_s), u"72"_s);
    }

    // Giving up while the pet thinks stops its thinking: no further draws, no typing.
    void givingUpCutsThePetsThinkingShort()
    {
        Game g({{6, {u"かさ"_s}}});
        g.start();
        g->submit(u"いか"_s);
        g.time.advance(400);
        g->giveUp();
        g.time.advance(10000);
        QVERIFY(g.random.asked().isEmpty());
        QVERIFY(g->petWord().isEmpty());
        QCOMPARE(g.store.read(u"winno33"_s, u"0"_s), u"1"_s);
    }

    // The pet remembers the last 100 words but forgets more the older a word is: it always
    // notices a repeat among the last 5, overlooks one in 10 up to 50 back, one in 5 up to 80,
    // one in 2 up to 100, and beyond that plays the repeat (and loses) without noticing.
    void thePetsMemoryFadesWithAge_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("die");
        QTest::addColumn<int>("roll");
        QTest::newRow("1: always noticed") << 1 << 0 << 0;
        QTest::newRow("5: always noticed") << 5 << 0 << 0;
        QTest::newRow("6: overlooked") << 6 << 10 << 1;
        QTest::newRow("6: noticed") << 6 << 10 << 2;
        QTest::newRow("50: overlooked") << 50 << 10 << 1;
        QTest::newRow("51: overlooked") << 51 << 5 << 1;
        QTest::newRow("80: noticed") << 80 << 5 << 5;
        QTest::newRow("81: overlooked") << 81 << 2 << 1;
        QTest::newRow("100: noticed") << 100 << 2 << 2;
        QTest::newRow("101: forgotten") << 101 << 0 << 0;
    }
    void thePetsMemoryFadesWithAge()
    {
        QFETCH(int, position);
        QFETCH(int, die);
        QFETCH(int, roll);
        // Every word begins and ends with あ, so any word follows any other.
        const QString target = u"あいあ"_s;
        QStringList petWords{target};
        QStringList userWords;
        const std::u16string_view a = u"かきくけこさしすせそたちつてとなにぬねの";
        const std::u16string_view b = u"はひふへほまみむめも";
        for (char16_t x : a)
            for (char16_t y : b.substr(0, 4))
                petWords << u"あ"_s + QChar(x) + QChar(y) + u"あ"_s;
        for (char16_t x : b)
            for (char16_t y : b)
                userWords << u"あ"_s + QChar(x) + QChar(y) + u"あ"_s;
        Game g({{1, petWords}});
        g.start();

        // The target is the user's first word (odd positions) or the pet's first (even ones).
        const bool userFirst = position % 2 == 1;
        const int petTurn = userFirst ? (position + 1) / 2 : position / 2 + 1;
        int nextUser = 0, nextFiller = 2;
        g->submit(userFirst ? target : userWords[nextUser++]);
        for (int turn = 1; turn < petTurn; ++turn) {
            g.random.push(turn == 1 && !userFirst ? 1 : nextFiller++);
            g.runPetTurn();
            QCOMPARE(g->whose(), WordChainGame::User);
            g->submit(userWords[nextUser++]);
            QCOMPARE(g->whose(), WordChainGame::Pet);
        }
        const int before = int(g.random.asked().size());
        g.random.push(1);
        if (die)
            g.random.push(roll);
        const bool noticed = position <= 100 && (die == 0 || roll != 1);
        if (noticed)
            g.random.push(nextFiller); // it thinks again and finds a fresh word
        g.runPetTurn();
        QVERIFY2(!g.random.failed(), qPrintable(g.random.error()));
        QCOMPARE(g.random.remaining(), 0);
        const QList<int> asked = g.random.asked().mid(before);
        QCOMPARE(asked.size(), 1 + (die ? 1 : 0) + (noticed ? 1 : 0));
        if (die)
            QCOMPARE(asked.at(1), die);
        if (noticed) {
            QCOMPARE(g->whose(), WordChainGame::User);
            QCOMPARE(g->petWord(), petWords.at(nextFiller - 1));
        } else {
            QCOMPARE(g.outcome(), u"4|あれっ、これ、前にでた？？\nあーあ、ぼくの負けかぁ\n悔しいな、次は負けないからね！|0/1/0"_s);
        }
    }
};

QTEST_GUILESS_MAIN(TestWordChain)
#include "tst_wordchain.moc"
