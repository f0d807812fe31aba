// Folders and files the programs may not write or read: an unreadable settings file, a read-only
// settings folder, a read-only folder for the word lists. Writes must fail quietly (one warning,
// never a crash), be reported as failed, and never replace or cut the user's old files.
//
// Permissions mean nothing to root, so when started as root the test first becomes the
// unprivileged user "nobody" (as a desktop user would be).
#include "pet/petfixture.h"
#include "robustfixture.h"
#include "warnings.h"

#include "common/cp932.h"
#include "games/wordchain/wordchain.h"
#include "games/wordchain/wordlists.h"
#include "testfiles.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kUserSettings("[setting]\nFirstflag=1\nLoveval=99\nTotaltime=5000\nItem1=3\nmleft=4500\n"
                               "mtop=3000\n");

QStringList listing(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// A pet on the real settings store, living `minutes` virtual minutes and then saving at exit.
void liveOnTheRealStore(int minutes, QtSettingsStore &store)
{
    PetOnStore p(store, ordinaryDay(10, 0), 5);
    Pet &pet = *p.pet;
    pet.start();
    p.time.advance(qint64(minutes) * 60 * 1000);
    pet.exitSave(4500, 3000);
}

} // namespace

class TestReadOnly : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void unreadableSettingsFileIsNotWrittenOver();
    void readOnlySettingsFolderKeepsTheOldFile();
    void readOnlyWordListFolderKeepsTheOldLists();
    void wordListFolderThatCannotBeMadeFailsQuietly();

private:
    QString confDir() const { return m_config.path() + QStringLiteral("/Tobberly"); }
    QString confFile() const { return confDir() + QStringLiteral("/Tobberly.conf"); }
    QTemporaryDir m_config;
};

void TestReadOnly::initTestCase()
{
    if (geteuid() == 0)
        QSKIP("still root: permissions cannot be tested");
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
}

void TestReadOnly::init()
{
    QVERIFY(QDir().mkpath(confDir()));
    chmod(qPrintable(confDir()), 0755);
    QFile::remove(confFile());
    writeFile(confFile(), kUserSettings);
}

void TestReadOnly::cleanup()
{
    chmod(qPrintable(confDir()), 0755);
    chmod(qPrintable(confFile()), 0644);
}

// A settings file the pet may not read must not be taken for an empty one and replaced: the pet
// starts from its defaults, its writes fail (reported once), and the user's file stays as it was.
void TestReadOnly::unreadableSettingsFileIsNotWrittenOver()
{
    QVERIFY(chmod(qPrintable(confFile()), 0) == 0);
    WarningLog log;
    {
        QtSettingsStore store;
        liveOnTheRealStore(5, store);
        QVERIFY(!store.lastWriteOk());
    }
    QCOMPARE(log.count(QStringLiteral("could not be written")), 1);
    QVERIFY(chmod(qPrintable(confFile()), 0644) == 0);
    QCOMPARE(readFile(confFile()), kUserSettings);
    QCOMPARE(listing(confDir()), QStringList{QStringLiteral("Tobberly.conf")});
}

// With the settings folder read-only every write fails, but the file in it is the user's
// friendship and years together: the minute writes and the exit save must leave it whole, with
// no stray temporary file, and one warning must say so, not one a minute.
void TestReadOnly::readOnlySettingsFolderKeepsTheOldFile()
{
    QVERIFY(chmod(qPrintable(confDir()), 0555) == 0);
    WarningLog log;
    {
        QtSettingsStore store;
        QCOMPARE(store.read(QStringLiteral("Loveval"), {}), QStringLiteral("99"));
        liveOnTheRealStore(30, store);
        QVERIFY(!store.lastWriteOk());
    }
    QCOMPARE(log.count(QStringLiteral("could not be written")), 1);
    QCOMPARE(readFile(confFile()), kUserSettings);
    QCOMPARE(listing(confDir()), QStringList{QStringLiteral("Tobberly.conf")});
}

// The pet's learned words live in the user's folder: when it turns read-only, saving fails and
// says so, and the lists already there stay whole, with no half-written or temporary file beside.
void TestReadOnly::readOnlyWordListFolderKeepsTheOldLists()
{
    QTemporaryDir shipped, home;
    const QString user = home.filePath(QStringLiteral("dat"));
    QVERIFY(QDir().mkpath(user));
    for (int index : kana::allIndices()) {
        writeFile(shipped.filePath(kana::fileName(index)), QByteArray());
        writeFile(user + u'/' + kana::fileName(index), cp932::encode(QStringLiteral("あさ\r\nいぬ\r\n")));
    }
    const QStringList before = listing(user);
    QVERIFY(chmod(qPrintable(user), 0555) == 0);

    WarningLog log;
    MemorySettingsStore store;
    VirtualTime time(ordinaryDay(10, 0));
    SeededRandom rnd(9);
    WordLists lists(shipped.path(), user);
    WordChainGame game(rnd, time, store, lists);
    game.start();
    game.submit(QStringLiteral("あめだま"));
    for (int t = 0; t < 400 && !game.resultShown() && game.whose() == WordChainGame::Pet; ++t)
        time.advance(100);
    game.giveUp();
    time.advance(WordChainGame::kCloseMs + 100);
    QVERIFY(game.resultShown());
    QVERIFY(!lists.save());
    chmod(qPrintable(user), 0755);
    QCOMPARE(listing(user), before);
    for (int index : kana::allIndices())
        QCOMPARE(cp932::decode(readFile(user + u'/' + kana::fileName(index))), QStringLiteral("あさ\r\nいぬ\r\n"));
    QVERIFY(log.count(QStringLiteral("word list")) >= 1);
}

// No user data folder and no right to make one: the lists are read from the installation and the
// save fails with a warning instead of a crash.
void TestReadOnly::wordListFolderThatCannotBeMadeFailsQuietly()
{
    QTemporaryDir shipped, home;
    for (int index : kana::allIndices())
        writeFile(shipped.filePath(kana::fileName(index)), cp932::encode(QStringLiteral("うみ\r\n")));
    QVERIFY(chmod(qPrintable(home.path()), 0555) == 0);
    WarningLog log;
    WordLists lists(shipped.path(), home.filePath(QStringLiteral("dat")));
    lists.load();
    QCOMPARE(lists.list(3), QStringList{QStringLiteral("うみ")});
    QVERIFY(lists.Learnword(QStringLiteral("うどん")));
    QVERIFY(!lists.save());
    QCOMPARE(log.count(QStringLiteral("word lists")), 1);
    chmod(qPrintable(home.path()), 0755);
    QCOMPARE(listing(home.path()), QStringList());
}

int main(int argc, char **argv)
{
    // Become an ordinary user before anything opens a file, so the permissions below hold.
    if (geteuid() == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            qWarning("could not leave root; the permission tests will be skipped");
        qputenv("HOME", "/tmp");
        qunsetenv("XDG_RUNTIME_DIR");
    }
    QCoreApplication app(argc, argv);
    TestReadOnly t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_readonly.moc"
