// The settings file both programs write: a write is reported as failed exactly when its value
// could not be kept (a read-only folder, a directory where the file should be), never because of
// something that went wrong earlier or a line of the file that cannot be read; a value that could
// not be written is kept and written with the next write that works; and two programs writing
// at once (the game pack adding its counters while the pet writes its minute keys) keep both
// programs' values. The pet takes over the friendship the game pack wrote while it waited.
//
// Permissions mean nothing to root, so when started as root the test first becomes the
// unprivileged user "nobody" (as a desktop user would be).
#include "robustfixture.h"
#include "warnings.h"

#include "common/writelock.h"
#include "pet/core/gamelaunch.h"
#include "testfiles.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QThread>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <random>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString kFailed = u"could not be written"_s;
constexpr int kRounds = 80;

// The game pack's part, run as a second program: `rounds` times one more for each counter.
int gamePackCounters(int rounds)
{
    WarningLog log;
    QtSettingsStore store;
    for (int r = 0; r < rounds; ++r) {
        for (const QString &k : {u"winno11"_s, u"winno12"_s, u"winno13"_s})
            store.write(k, QString::number(store.read(k, u"0"_s).toInt() + 1));
        QThread::msleep(3);
    }
    for (const QString &m : log.messages())
        std::fprintf(stderr, "game pack: %s\n", qPrintable(m));
    return log.count(kFailed) == 0 && store.lastWriteOk() ? 0 : 1;
}

// The game pack ending a word-chain game: friendship as it finds it in the file, plus two.
int gamePackFriendship()
{
    QtSettingsStore store;
    store.write(u"Loveval"_s, QString::number(store.read(u"Loveval"_s, u"50"_s).toInt() + 2));
    return store.lastWriteOk() ? 0 : 1;
}

QProcess *startSelf(const QStringList &args)
{
    auto *p = new QProcess;
    p->setProcessChannelMode(QProcess::ForwardedChannels);
    p->start(QCoreApplication::applicationFilePath(), args);
    return p;
}

// Starts the real game pack's part as another program and reports when it has ended.
class ChildLauncher : public GameLauncher
{
public:
    bool start(const QString &, const QStringList &, std::function<void()> finished) override
    {
        m_finished = std::move(finished);
        return true;
    }
    bool runGamePack()
    {
        std::unique_ptr<QProcess> p(startSelf({u"--game-pack-friendship"_s}));
        const bool ok = p->waitForFinished(20000) && p->exitCode() == 0;
        m_finished();
        return ok;
    }

private:
    std::function<void()> m_finished;
};

} // namespace

class TestStoreWrites : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void aLineThatCannotBeReadDoesNotMakeWritesLookFailed();
    void aReadOnlyFolderIsReportedOnceAndMadeGoodLater();
    void aDirectoryWhereTheFileShouldBeIsReported();
    void bothProgramsWritingAtOnceKeepEveryValue();
    void friendshipFromTheGamePackIsTakenOver();
    void writesOfABatchReachTheFileTogetherWhenItEnds();
    void aBatchThatCannotBeWrittenIsKeptForTheNextWrite();
    void everyWriteLeavesTheFileQSettingsWouldWrite();
    void theWriteLockIsQLockFilesOwnWithoutItsDiskFlush();

private:
    QString confDir() const { return m_config.path() + u"/Tobberly"_s; }
    QString confFile() const { return confDir() + u"/Tobberly.conf"_s; }
    // What another program would find in the file now.
    static QString stored(const QString &key) { return QtSettingsStore().read(key, u"(none)"_s); }
    QTemporaryDir m_config;
};

void TestStoreWrites::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
}

void TestStoreWrites::init()
{
    chmod(qPrintable(confDir()), 0755);
    QDir(confDir()).removeRecursively();
    QVERIFY(QDir().mkpath(confDir()));
}

void TestStoreWrites::cleanup() { chmod(qPrintable(confDir()), 0755); }

// A hand-edited line the reader skips used to leave the store reporting every later write as
// failed, although each one was written; each write is judged on its own outcome.
void TestStoreWrites::aLineThatCannotBeReadDoesNotMakeWritesLookFailed()
{
    writeFile(confFile(), "[setting]\nLoveval=70\nTotaltime 12\nFirstflag=1\n");
    WarningLog log;
    QtSettingsStore store;
    QCOMPARE(store.read(u"Loveval"_s, {}), u"70"_s);
    QCOMPARE(store.read(u"Firstflag"_s, {}), u"1"_s);
    store.write(u"Loveval"_s, u"72"_s);
    store.write(u"Precount"_s, u"3"_s);
    QVERIFY(store.lastWriteOk());
    QCOMPARE(log.count(kFailed), 0);
    QCOMPARE(log.count(u"cannot be read"_s), 1);
    QCOMPARE(stored(u"Loveval"_s), u"72"_s);
    QCOMPARE(stored(u"Precount"_s), u"3"_s);
    QCOMPARE(stored(u"Firstflag"_s), u"1"_s);
}

// While the folder is read-only nothing can be kept: one warning (not one a minute), the file as
// it was. Once it is writable again, the next write keeps the values that failed as well.
void TestStoreWrites::aReadOnlyFolderIsReportedOnceAndMadeGoodLater()
{
    if (geteuid() == 0)
        QSKIP("still root: permissions cannot be tested");
    const QByteArray before("[setting]\nLoveval=70\n");
    writeFile(confFile(), before);
    WarningLog log;
    QtSettingsStore store;
    QVERIFY(chmod(qPrintable(confDir()), 0555) == 0);
    store.write(u"Loveval"_s, u"80"_s);
    QVERIFY(!store.lastWriteOk());
    store.write(u"Totaltime"_s, u"61"_s);
    QVERIFY(!store.lastWriteOk());
    QCOMPARE(log.count(kFailed), 1);
    QCOMPARE(readFile(confFile()), before);
    QCOMPARE(QDir(confDir()).entryList(QDir::Files | QDir::Hidden), QStringList{u"Tobberly.conf"_s});
    QCOMPARE(store.read(u"Loveval"_s, {}), u"80"_s); // the pet goes on with what it meant to keep

    QVERIFY(chmod(qPrintable(confDir()), 0755) == 0);
    store.write(u"Precount"_s, u"4"_s);
    QVERIFY(store.lastWriteOk());
    QCOMPARE(log.count(kFailed), 1);
    QCOMPARE(stored(u"Loveval"_s), u"80"_s);
    QCOMPARE(stored(u"Totaltime"_s), u"61"_s);
    QCOMPARE(stored(u"Precount"_s), u"4"_s);
}

// A directory in the file's place (root cannot write there either): the write fails, says so
// once, and the directory and what is in it stay.
void TestStoreWrites::aDirectoryWhereTheFileShouldBeIsReported()
{
    QVERIFY(QDir().mkpath(confFile()));
    writeFile(confFile() + u"/keep.txt"_s, "mine");
    WarningLog log;
    QtSettingsStore store;
    QCOMPARE(store.read(u"Loveval"_s, u"50"_s), u"50"_s);
    store.write(u"Loveval"_s, u"52"_s);
    store.write(u"Loveval"_s, u"54"_s);
    QVERIFY(!store.lastWriteOk());
    QCOMPARE(log.count(kFailed), 1);
    QVERIFY(QFileInfo(confFile()).isDir());
    QCOMPARE(readFile(confFile() + u"/keep.txt"_s), QByteArray("mine"));
}

// The game pack adds its counters while the pet writes its minute keys, both as fast as they
// can: neither may report a failure, and the file must end with every last value of both.
void TestStoreWrites::bothProgramsWritingAtOnceKeepEveryValue()
{
    WarningLog log;
    QtSettingsStore pet;
    pet.write(u"Loveval"_s, u"60"_s);
    std::unique_ptr<QProcess> gamePack(startSelf({u"--game-pack-counters"_s, QString::number(kRounds)}));
    QVERIFY(gamePack->waitForStarted(10000));
    int minute = 0;
    while (gamePack->state() != QProcess::NotRunning || minute < kRounds) {
        ++minute;
        pet.write(u"Totaltime"_s, QString::number(minute));
        pet.write(u"Precount"_s, QString::number(minute % 60));
        gamePack->waitForFinished(3);
        QVERIFY(minute < 100000);
    }
    QCOMPARE(gamePack->exitStatus(), QProcess::NormalExit);
    QCOMPARE(gamePack->exitCode(), 0);
    QVERIFY(pet.lastWriteOk());
    QCOMPARE(log.count(kFailed), 0);
    for (const QString &k : {u"winno11"_s, u"winno12"_s, u"winno13"_s})
        QCOMPARE(stored(k), QString::number(kRounds));
    QCOMPARE(stored(u"Totaltime"_s), QString::number(minute));
    QCOMPARE(stored(u"Precount"_s), QString::number(minute % 60));
    QCOMPARE(stored(u"Loveval"_s), u"60"_s);
}

// The pet waits while the game pack (another program, with its own view of the file) raises the
// friendship; afterwards the pet shows and keeps the game pack's value, and its next change
// builds on it instead of writing its old value over it.
void TestStoreWrites::friendshipFromTheGamePackIsTakenOver()
{
    writeFile(confFile(), "[setting]\nFirstflag=1\nLoveval=40\n");
    QtSettingsStore store;
    PetOnStore p(store, QDateTime(QDate(2026, 12, 7), QTime(10, 0)), 4);
    ChildLauncher launcher;
    p.pet->ctx().launcher = &launcher;
    p.pet->load();
    QCOMPARE(p.pet->ctx().mem().Loveval, qint16(40));
    p.pet->playGame(3);
    QVERIFY(launcher.runGamePack());
    QCOMPARE(p.pet->ctx().mem().Loveval, qint16(42));
    p.pet->ctx().memory.addFriendship(1);
    QCOMPARE(stored(u"Loveval"_s), u"43"_s);
}

// The minute's keys are written as one: until the outermost batch ends the file is as it was
// (another program sees none of them), the store itself answers with the new values at once, and
// afterwards every key is in the file. The private copies used on the way leave nothing behind.
void TestStoreWrites::writesOfABatchReachTheFileTogetherWhenItEnds()
{
    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    writeFile(confFile(), "[setting]\nPrecount=4\nTotaltime=100\n");
    {
        QtSettingsStore store;
        {
            const SettingsStore::Batch minute(store);
            store.write(u"Precount"_s, u"5"_s);
            {
                const SettingsStore::Batch inner(store);
                store.write(u"Totaltime"_s, u"101"_s);
            }
            store.write(u"Lastdate"_s, u"46363"_s);
            QCOMPARE(store.read(u"Totaltime"_s, {}), u"101"_s);
            QCOMPARE(stored(u"Precount"_s), u"4"_s);
            QCOMPARE(stored(u"Totaltime"_s), u"100"_s);
            QCOMPARE(stored(u"Lastdate"_s), u"(none)"_s);
        }
        QVERIFY(store.lastWriteOk());
        QCOMPARE(stored(u"Precount"_s), u"5"_s);
        QCOMPARE(stored(u"Totaltime"_s), u"101"_s);
        QCOMPARE(stored(u"Lastdate"_s), u"46363"_s);
        // An empty batch writes nothing.
        const QDateTime written = QFileInfo(confFile()).lastModified();
        QThread::msleep(20);
        { const SettingsStore::Batch none(store); }
        QCOMPARE(QFileInfo(confFile()).lastModified(), written);
    }
    qunsetenv("XDG_RUNTIME_DIR");
    QCOMPARE(QDir(runtime.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    QCOMPARE(QDir(confDir()).entryList(QDir::Files | QDir::Hidden), QStringList{u"Tobberly.conf"_s});
}

// A batch whose write fails says so once, as a single write does, and its keys go to the file
// with the next write that works.
void TestStoreWrites::aBatchThatCannotBeWrittenIsKeptForTheNextWrite()
{
    QVERIFY(QDir().mkpath(confFile()));
    WarningLog log;
    QtSettingsStore store;
    {
        const SettingsStore::Batch minute(store);
        store.write(u"Precount"_s, u"7"_s);
        store.write(u"Totaltime"_s, u"8"_s);
    }
    QVERIFY(!store.lastWriteOk());
    QCOMPARE(log.count(kFailed), 1);
    QVERIFY(QDir(confFile()).removeRecursively());
    store.write(u"Loveval"_s, u"51"_s);
    QVERIFY(store.lastWriteOk());
    QCOMPARE(stored(u"Precount"_s), u"7"_s);
    QCOMPARE(stored(u"Totaltime"_s), u"8"_s);
    QCOMPARE(stored(u"Loveval"_s), u"51"_s);
}

// A write that only changes the value of a key the file holds changes it in place, on the bytes
// QSettings wrote the time before; every other write goes through QSettings. Either way the file
// must come out as QSettings itself would write it, whatever the file holds: each write here is
// compared with QSettings's own change of the file as it was before it, over a mix of plain
// numbers (changed in place), new keys, text that needs quotes or escapes, batches, and another
// program's writes in between.
void TestStoreWrites::everyWriteLeavesTheFileQSettingsWouldWrite()
{
    writeFile(confFile(), "[General]\nx=1\n[setting]\nLoveval=50\nName=\"a, b\"\nJa=\xe3\x83\x94\xe3\x83\xa2\n"
                          "Empty=\nAt=@@x\nTotaltime = 12\n[zzz]\nPrecount=9\n");
    const QStringList keys = {u"Loveval"_s, u"Precount"_s, u"Totaltime"_s, u"Item1"_s, u"Name"_s,
                              u"Ja"_s, u"Empty"_s, u"At"_s, u"x"_s, u"Key with space"_s, u"ピモ"_s};
    const QStringList odd = {u"a, b"_s, u" lead"_s, u"ピモ"_s, QString(), u"@x"_s, u"1=2"_s,
                             u";"_s, u"\"q\""_s, u"a\\b"_s, u"True"_s, u"-7"_s, u"x-y"_s};
    std::mt19937 rnd(7);
    const auto pick = [&rnd](int n) { return int(rnd() % unsigned(n)); };
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    QtSettingsStore store;
    for (int i = 0; i < 400; ++i) {
        // Mostly numbers for keys already written, as the pet's minutes are.
        QHash<QString, QString> changes;
        for (int n = pick(4) == 0 ? 2 : 1; n > 0; --n)
            changes.insert(keys[pick(i % 7 == 0 ? keys.size() : 4)],
                           pick(5) == 0 ? odd[pick(odd.size())] : QString::number(pick(100000) - 50));
        const QByteArray before = readFile(confFile());
        const QString copy = scratch.path() + u"/%1.conf"_s.arg(i);
        writeFile(copy, before);
        {
            QSettings expected(copy, QSettings::IniFormat);
            for (auto it = changes.cbegin(); it != changes.cend(); ++it)
                expected.setValue(u"setting/"_s + it.key(), it.value());
        }
        {
            const SettingsStore::Batch batch(store);
            for (auto it = changes.cbegin(); it != changes.cend(); ++it)
                store.write(it.key(), it.value());
        }
        QVERIFY(store.lastWriteOk());
        QCOMPARE(readFile(confFile()), readFile(copy));
        const QtSettingsStore fresh;
        QCOMPARE(store.keys().size(), fresh.keys().size());
        for (const QString &k : fresh.keys())
            QCOMPARE(store.read(k, u"(none)"_s), fresh.read(k, {}));
        if (i % 50 == 25) {
            // Another program writes meanwhile.
            QtSettingsStore other;
            other.write(u"winno11"_s, QString::number(i));
        }
    }
}

// The store makes its lock file itself once it has learned from QLockFile what goes in it (QLockFile
// flushes the disk for it each time). That lock must stay one QLockFile, and so QSettings and the
// other program, respects: the same bytes, a QLockFile cannot take it meanwhile nor judge it left
// behind, it is gone when let go; and the store still waits for a QLockFile's lock and takes over
// one a killed program left.
void TestStoreWrites::theWriteLockIsQLockFilesOwnWithoutItsDiskFlush()
{
    const QString path = confFile() + u".lock"_s;
    QByteArray qtContents;
    {
        QLockFile reference(confDir() + u"/reference.lock"_s);
        QVERIFY(reference.tryLock(0));
        qtContents = readFile(confDir() + u"/reference.lock"_s);
    }
    QVERIFY(qtContents.startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));

    QByteArray learned;
    {
        WriteLock first(path, learned);
        QVERIFY(first.take(1000));
        QVERIFY(!first.madeDirectly());
    }
    QCOMPARE(learned, qtContents);
    QVERIFY(!QFile::exists(path));
    for (int round = 0; round < 3; ++round) {
        {
            WriteLock lock(path, learned);
            QVERIFY(lock.take(1000));
            QVERIFY(lock.madeDirectly());
            QCOMPARE(readFile(path), qtContents);
            QLockFile other(path);
            other.setStaleLockTime(1);
            // Older than that, the lock is judged left behind; only its being held, as QLockFile holds
            // its own, keeps it from being taken away.
            QThread::msleep(5);
            QVERIFY(!other.tryLock(0));
            QCOMPARE(other.error(), QLockFile::LockFailedError);
            QVERIFY(QFile::exists(path));
        }
        QVERIFY(!QFile::exists(path));
    }

    {
        QLockFile held(path);
        QVERIFY(held.tryLock(0));
        WriteLock waiting(path, learned);
        QVERIFY(!waiting.take(50));
    }
    QVERIFY(!QFile::exists(path));

    // A lock left behind: unreadable, an hour old.
    writeFile(path, "?");
    {
        QFile left(path);
        QVERIFY(left.open(QIODevice::ReadWrite));
        QVERIFY(left.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }
    {
        WriteLock lock(path, learned);
        QVERIFY(lock.take(1000));
        QCOMPARE(readFile(path), qtContents);
    }
    QVERIFY(!QFile::exists(path));
    QtSettingsStore store;
    store.write(u"Loveval"_s, u"70"_s);
    store.write(u"Loveval"_s, u"71"_s);
    QVERIFY(store.lastWriteOk());
    QCOMPARE(stored(u"Loveval"_s), u"71"_s);
    QVERIFY(!QFile::exists(path));
}

int main(int argc, char **argv)
{
    // Become an ordinary user before anything opens a file, so the permissions above hold.
    if (geteuid() == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            qWarning("could not leave root; the permission tests will be skipped");
        // Leaving root hides this process's /proc entry from its own children, so the lock file's
        // owner would look gone to the second program and the lock be taken from under us.
        prctl(PR_SET_DUMPABLE, 1);
        qputenv("HOME", "/tmp");
        qunsetenv("XDG_RUNTIME_DIR");
    }
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--game-pack-counters") == 0)
        return gamePackCounters(QByteArray(argv[2]).toInt());
    if (argc == 2 && qstrcmp(argv[1], "--game-pack-friendship") == 0)
        return gamePackFriendship();
    TestStoreWrites t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_storewrites.moc"
