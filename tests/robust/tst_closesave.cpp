// Closing the pet window ends the program and keeps what the next start needs: where the window
// stood, the time spent together and the day of the exit. The test closes the real window on the
// real settings file inside a running event loop, as a user's click on the close button does,
// and reads the file afterwards the way the next start would.
#include "pet/petfixture.h"
#include "robustfixture.h"

#include "common/daynumber.h"
#include "pet/windows/petwindow.h"
#include "testfiles.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestCloseSave : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void closingTheWindowSavesPlaceTimeAndDay();
    void startUpWritesWaitForThePictureAndAreNeverLost();

private:
    QTemporaryDir m_config;
};

void TestCloseSave::initTestCase()
{
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
}

void TestCloseSave::closingTheWindowSavesPlaceTimeAndDay()
{
    const QString dir = m_config.path() + u"/Tobberly"_s;
    QVERIFY(QDir().mkpath(dir));
    writeFile(dir + u"/Tobberly.conf"_s,
              "[setting]\nFirstflag=1\nLoveval=50\nTotaltime=100\nLastdate=46000\nmleft=15\nmtop=15\n");
    QtSettingsStore store;
    PetOnStore p(store, ordinaryDay(10, 0), 8);
    p.pet->start();
    {
        PetWindow w(*p.pet);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        p.time.advance(3 * 60 * 1000 + 40 * 1000);
        w.move(300, 200);
        QTest::qWait(20);
        // The close comes from the event loop, as a click on the close button does; should the
        // program not end by itself, the guard ends the loop and the checks below tell.
        QTimer::singleShot(0, &w, &QWidget::close);
        QTimer::singleShot(10000, qApp, &QCoreApplication::quit);
        QApplication::exec();
        QVERIFY(!w.isVisible());
    }
    const QtSettingsStore next;
    QCOMPARE(next.read(u"mleft"_s, {}), QString::number(300 * 15));
    QCOMPARE(next.read(u"mtop"_s, {}), QString::number(200 * 15));
    QCOMPARE(next.read(u"Totaltime"_s, {}), u"103"_s);
    QCOMPARE(next.read(u"Lastdate"_s, {}), QString::number(daynumber::rounded(p.time.now())));
}

// The start-up's writes (the return bonus and the day it was reckoned on) wait until the pet's
// picture is up, then reach the file together; a pet that ends before that (a signal in the
// middle of its start) still writes them, with its exit save.
void TestCloseSave::startUpWritesWaitForThePictureAndAreNeverLost()
{
    const QString conf = m_config.path() + u"/Tobberly/Tobberly.conf"_s;
    QVERIFY(QDir().mkpath(QFileInfo(conf).path()));
    const qint32 today = daynumber::rounded(ordinaryDay(10, 0));
    const QByteArray yesterday = "[setting]\nFirstflag=1\nLoveval=50\nLastdate=" + QByteArray::number(today - 1) + "\n";
    for (const bool endsEarly : {false, true}) {
        writeFile(conf, yesterday);
        QtSettingsStore store;
        PetOnStore p(store, ordinaryDay(10, 0), 8);
        p.pet->holdStartWrites();
        p.pet->start();
        QCOMPARE(readFile(conf), yesterday);
        if (endsEarly)
            p.pet->exitSave(450, 300);
        else
            p.pet->releaseStartWrites();
        const QtSettingsStore next;
        QCOMPARE(next.read(u"Lastdate"_s, {}), QString::number(today));
        QCOMPARE(next.read(u"Loveval"_s, {}), u"52"_s);
        QCOMPARE(next.read(u"mleft"_s, {}), endsEarly ? u"450"_s : QString());
        p.pet->releaseStartWrites(); // nothing left to write, nothing written twice
        QCOMPARE(QtSettingsStore().read(u"Loveval"_s, {}), u"52"_s);
    }
}

QTEST_MAIN(TestCloseSave)
#include "tst_closesave.moc"
