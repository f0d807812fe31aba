// Damaged installation files: each question table, the present list and a word list missing,
// empty, cut off mid-field, with a quote that never closes, with bytes that are not Shift_JIS, or
// replaced by ten megabytes of noise. The tables must load without a crash, the pet must live an
// hour on them (asking and answering its questions, checking for presents) and the word-chain
// game must still be played to a result.
#include "pet/lifefixture.h"
#include "testfiles.h"
#include "warnings.h"

#include "common/cp932.h"
#include "common/values.h"
#include "games/wordchain/wordchain.h"
#include "games/wordchain/wordlists.h"

#include <QtTest>
#include <random>

using namespace life;

namespace {

enum class Damage { Missing, Empty, CutMidField, CutInQuote, UnclosedQuote, NotShiftJis, Noise };

QByteArray noise(qsizetype size, unsigned seed)
{
    std::mt19937 gen(seed);
    QByteArray b(size, '\0');
    for (char &c : b)
        c = char(gen() & 0xff);
    return b;
}

// Applies one kind of damage to the file at path; false when the file had nothing to damage.
bool damage(const QString &path, Damage d)
{
    const QByteArray good = readFile(path);
    QByteArray bad;
    switch (d) {
    case Damage::Missing:
        return QFile::remove(path);
    case Damage::Empty:
        break;
    case Damage::CutMidField:
        bad = good.left(good.size() / 2 + 1);
        break;
    case Damage::CutInQuote: {
        const qsizetype q = good.indexOf('"', good.size() / 2);
        bad = good.left(q < 0 ? good.size() / 3 : q + 2);
        break;
    }
    case Damage::UnclosedQuote: {
        // The first field opens a quote that never closes: the rest of the file is one field.
        bad = '"' + good;
        bad.replace('"', "'");
        bad[0] = '"';
        break;
    }
    case Damage::NotShiftJis: {
        bad = good;
        const QByteArray broken("\x81\x20\xFF\xA0\xFD\x80\x9F", 7);
        for (qsizetype i = 5; i < bad.size(); i += 40)
            bad.insert(i, broken);
        break;
    }
    case Damage::Noise:
        bad = noise(10 * 1024 * 1024, 2026);
        break;
    }
    writeFile(path, bad);
    return true;
}

void addDamageRows(const QStringList &files)
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("damage");
    const QList<std::pair<const char *, Damage>> kinds{
        {"missing", Damage::Missing},           {"empty", Damage::Empty},
        {"cut mid-field", Damage::CutMidField}, {"cut in a quote", Damage::CutInQuote},
        {"unclosed quote", Damage::UnclosedQuote}, {"not Shift_JIS", Damage::NotShiftJis},
        {"10 MB of noise", Damage::Noise},
    };
    for (const QString &f : files)
        for (const auto &[name, d] : kinds)
            QTest::addRow("%s %s", qPrintable(f), name) << f << int(d);
}

} // namespace

class TestBadData : public QObject
{
    Q_OBJECT
private slots:
    void petLivesAnHourOnDamagedTables_data();
    void petLivesAnHourOnDamagedTables();
    void wordChainIsPlayedOnADamagedList_data();
    void wordChainIsPlayedOnADamagedList();
};

// A damaged table must leave the pet asking questions it can show and answer (blank ones at
// worst), never reading past a table or starting an activity it has no procedure for, and a
// damaged present list must deliver nothing outside the desktop.
void TestBadData::petLivesAnHourOnDamagedTables_data()
{
    addDamageRows({QStringLiteral("Study.dat"), QStringLiteral("Music.dat"), QStringLiteral("Book.dat"),
                   QStringLiteral("Present.dat")});
}

void TestBadData::petLivesAnHourOnDamagedTables()
{
    QFETCH(QString, file);
    QFETCH(int, damage);
    Keys keys{{"Loveval", "110"}, {"Totaltime", "40000"}};
    for (int k = 1; k <= 9; ++k)
        keys.append({QStringLiteral("Item%1").arg(k), QStringLiteral("3")});
    Life l(on(15, 0), keys);
    QVERIFY(::damage(l.dataDir.filePath(file), Damage(damage)));
    l.rnd.seed(quint64(damage) * 100 + quint64(file.size()));

    WarningLog log;
    l.pet->start();
    const QList<qint16> known = eventNumbers();
    for (int minute = 0; minute < 60; ++minute) {
        // The user answers every kind of question once a quarter of an hour, and clicks the pet.
        if (minute % 15 == 0) {
            for (qint16 kind = 1; kind <= 3; ++kind) {
                l.questions().fill(Question(kind));
                l.questions().answer(l.rnd.draw(3));
            }
        }
        if (minute % 7 == 0)
            l.interaction().clickPet();
        l.runMinutes(1);
        QVERIFY(l.mem().Loveval >= -20 && l.mem().Loveval <= 120);
        QVERIFY2(known.contains(l.rt().activity), qPrintable(QString::number(l.rt().activity)));
    }
    // Presents from a damaged list land on the desktop or nowhere.
    const QDir desk(l.ctx().desktopDir);
    const QDir outside(QFileInfo(l.ctx().desktopDir).path());
    for (const QString &name : outside.entryList(QDir::Files | QDir::NoDotAndDotDot))
        QFAIL(qPrintable(QStringLiteral("a file appeared beside the desktop: ") + name));
    QCOMPARE(int(l.mem().Totalpreno), l.trace.presents.size());
    // A damaged or missing file is named in the log, but not once per question.
    if (Damage(damage) == Damage::Missing || Damage(damage) == Damage::NotShiftJis
        || Damage(damage) == Damage::Noise)
        QVERIFY(log.count(file) >= 1);
    QVERIFY(log.count(file) <= 2);
}

// The pet's vocabulary comes from files the user's own folder may hold in any state: a damaged
// list must load (what can be read of it), the pet must still take its turn from it, and the game
// must reach a result and save the lists it can.
void TestBadData::wordChainIsPlayedOnADamagedList_data()
{
    // さ is what the pet must answer from after the user's "あさ"; あ is the user's own list.
    addDamageRows({kana::fileName(11), kana::fileName(1)});
}

void TestBadData::wordChainIsPlayedOnADamagedList()
{
    QFETCH(QString, file);
    QFETCH(int, damage);
    QTemporaryDir shipped, home;
    const QDir from(QStringLiteral(TOBBERLY_BIN_DIR "/dat"));
    for (int index : kana::allIndices())
        QVERIFY(QFile::copy(from.filePath(kana::fileName(index)), shipped.filePath(kana::fileName(index))));
    QVERIFY(::damage(shipped.filePath(file), Damage(damage)));

    WarningLog log;
    MemorySettingsStore store;
    VirtualTime time(on(10));
    SeededRandom rnd(quint64(damage) + 5);
    WordLists lists(shipped.path(), home.path() + QStringLiteral("/dat"));
    WordChainGame game(rnd, time, store, lists);
    game.start();
    QString word = QStringLiteral("あさ");
    for (int turn = 0; turn < 6 && !game.resultShown(); ++turn) {
        game.submit(word);
        for (int t = 0; t < 600 && game.whose() == WordChainGame::Pet && !game.resultShown(); ++t)
            time.advance(100);
        if (game.resultShown())
            break;
        // A word of the user's that follows on from the pet's and is new to the game.
        const QString last = kana::Lastkana(game.used().back());
        word = last.right(1) + QStringLiteral("かい") + QString(QChar(u'あ' + turn * 2));
    }
    if (!game.resultShown())
        game.giveUp();
    QVERIFY(game.resultShown());
    time.advance(WordChainGame::kCloseMs + 100);
    QVERIFY(values::toInt16(store.read(QStringLiteral("Loveval"), {})).has_value());
    // The shipped lists are never written; the words learned in the game are kept in the user's
    // folder, and every list, the damaged one included, reads back as the game kept it.
    WordLists again(shipped.path(), home.path() + QStringLiteral("/dat"));
    again.load();
    for (int index : kana::allIndices())
        QCOMPARE(again.list(index), lists.list(index));
}

QTEST_GUILESS_MAIN(TestBadData)
#include "tst_baddata.moc"
