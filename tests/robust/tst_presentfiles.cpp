// Present files left on the user's desktop: whatever the desktop already holds under the present's
// name (a file, a folder, a link to somewhere else, even a link to nothing) is the user's and is
// never written through or over, and names from a damaged present list never reach outside the
// installation or the desktop.
#include "pet/petfixture.h"
#include "warnings.h"

#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestPresentFiles : public QObject
{
    Q_OBJECT
private slots:
    void nothingOnTheDesktopIsWrittenThroughOrOver_data();
    void nothingOnTheDesktopIsWrittenThroughOrOver();
};

void TestPresentFiles::nothingOnTheDesktopIsWrittenThroughOrOver_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("delivered");
    QTest::addColumn<QString>("onDesktop"); // what the desktop holds under "letter.txt"
    QTest::newRow("link to a file elsewhere") << "gift1.txt" << "letter.txt" << "link to file";
    QTest::newRow("link to nothing elsewhere") << "gift1.txt" << "letter.txt" << "dangling link";
    QTest::newRow("a folder") << "gift1.txt" << "letter.txt" << "folder";
    QTest::newRow("slash in the name") << "gift1.txt" << "a/b" << "";
    QTest::newRow("stored outside the installation") << "../outside.txt" << "letter.txt" << "";
    QTest::newRow("stored as an absolute path") << "/etc/hostname" << "letter.txt" << "";
}

// A link on the desktop named like the present could send the copy anywhere the user may write
// (a document, a start-up script); the present must not be delivered and nothing outside changes.
void TestPresentFiles::nothingOnTheDesktopIsWrittenThroughOrOver()
{
    QFETCH(QString, stored);
    QFETCH(QString, delivered);
    QFETCH(QString, onDesktop);
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("document.txt"));
    PetFixture f(ordinaryDay(10, 0));
    f.writeDat(QStringLiteral("Present.dat"), QStringLiteral("\"%1\",\"%2\"\n").arg(stored, delivered));
    writeFile(f.dataDir.filePath(QStringLiteral("gift1.txt")), "present");
    writeFile(QFileInfo(f.dataDir.path()).path() + QStringLiteral("/outside.txt"), "not a present");
    const QString letter = f.desktopDir.filePath(QStringLiteral("letter.txt"));
    if (onDesktop == u"link to file") {
        writeFile(target, "the user's document");
        QVERIFY(QFile::link(target, letter));
    } else if (onDesktop == u"dangling link") {
        QVERIFY(QFile::link(target, letter));
    } else if (onDesktop == u"folder") {
        QVERIFY(QDir().mkpath(letter));
    }
    f.ctx().tables.load(f.dataDir.path());
    f.scripted.push({1, 1});
    WarningLog log;
    f.engine().maybeDeliverPresent();

    QCOMPARE(f.mem().Totalpreno, qint16(0));
    QCOMPARE(f.mem().Preflag[1], qint16(0));
    QVERIFY(f.trace.presents.isEmpty());
    QVERIFY(log.count(QStringLiteral("present")) >= 1);
    if (onDesktop == u"link to file")
        QCOMPARE(readFile(target), QByteArray("the user's document"));
    else
        QVERIFY(!QFileInfo::exists(target));
    if (onDesktop.contains(u"link"))
        QCOMPARE(QFileInfo(letter).symLinkTarget(), target);
    QStringList expected;
    if (!onDesktop.isEmpty())
        expected << QStringLiteral("letter.txt");
    QCOMPARE(QDir(f.desktopDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
             expected);
}

QTEST_GUILESS_MAIN(TestPresentFiles)
#include "tst_presentfiles.moc"
