// Picture strips the user's installation lost or damaged: the pet window must still open and
// paint, show an empty frame where the strip would be, and name each broken file once in the log,
// not once per paint (the window repaints every few hundred milliseconds all day).
#include "pet/petfixture.h"
#include "warnings.h"

#include "common/paths.h"
#include "pet/windows/petwindow.h"
#include "pet/windows/picturestore.h"
#include "testfiles.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestBrokenStrips : public QObject
{
    Q_OBJECT
private slots:
    void brokenStripsPaintBlankAndWarnOnce();
};

void TestBrokenStrips::brokenStripsPaintBlankAndWarnOnce()
{
    QTemporaryDir install;
    QVERIFY(install.isValid());
    const QDir gifFrom(QStringLiteral(TOBBERLY_BIN_DIR "/gif"));
    QVERIFY(QDir().mkpath(install.filePath(QStringLiteral("gif"))));
    for (const QString &name : gifFrom.entryList(QDir::Files))
        QVERIFY(QFile::copy(gifFrom.filePath(name), install.filePath(QStringLiteral("gif/") + name)));
    QVERIFY(QFile::remove(install.filePath(QStringLiteral("gif/pimmo1.gif"))));
    writeFile(install.filePath(QStringLiteral("gif/pimmo2.gif")), QByteArray("GIF89a this is no picture \x00\xff", 28));
    writeFile(install.filePath(QStringLiteral("gif/pimmo3.gif")), QByteArray(5000, '\x7f'));
    paths::setProgramDirOverride(install.path());
    PictureStore::instance().clear();

    WarningLog log;
    PetFixture f(ordinaryDay(12, 30), PetFixture::Seeded);
    f.returning();
    PetWindow w(*f.pet);
    f.pet->start();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QColor background(0xf4, 0xee, 0xe2);
    for (int i = 0; i < int(Prop::Count); ++i)
        f.scene().setPropVisible(Prop(i), false);
    for (const char *strip : {"1", "2", "3"}) {
        for (int paint = 0; paint < 5; ++paint) {
            f.scene().setStrip(QString::fromLatin1(strip));
            f.scene().setFrame(paint % 3);
            const QImage shot = w.view()->grab().toImage();
            QVERIFY(!shot.isNull());
            // The strip's place holds only the window's own background.
            QCOMPARE(shot.pixelColor(75, 110), background);
            QCOMPARE(shot.pixelColor(20, 200), background);
        }
    }
    for (const char *file : {"pimmo1.gif", "pimmo2.gif", "pimmo3.gif"})
        QVERIFY2(log.count(QString::fromLatin1(file)) == 1, file);
    // An intact strip still shows.
    f.scene().setStrip(QStringLiteral("4"));
    f.scene().setFrame(0);
    QVERIFY(w.view()->grab().toImage().pixelColor(75, 110) != background);
    paths::setProgramDirOverride(QString());
    PictureStore::instance().clear();
}

QTEST_MAIN(TestBrokenStrips)
#include "tst_brokenstrips.moc"
