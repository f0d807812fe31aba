// How the programs meet the desktop: the window system they choose, Japanese standard buttons,
// the autostart entry, where an installed program finds its pictures, and one pet per store.
#include "common/paths.h"
#include "desktop/appearance.h"
#include "desktop/autostart.h"
#include "desktop/desktopwindow.h"
#include "desktop/platform.h"
#include "desktop/singleinstance.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

class TestDesktop : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        paths::setProgramDirOverride(QStringLiteral(TOBBERLY_BIN_DIR));
        desktop::applyLook(*qApp);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    }

    // On Wayland the pet cannot place its speech beside itself; where an X display exists too it
    // must go there, but never against the user's own choice, and on plain X nothing changes.
    void waylandGoesToXWhereItCan_data()
    {
        QTest::addColumn<QByteArray>("qpa");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("session");
        QTest::addColumn<QByteArray>("x11");
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<bool>("warn");
        QTest::newRow("wayland with XWayland") << QByteArray() << QByteArray("wayland-0") << QByteArray("wayland")
                                              << QByteArray(":0") << QByteArray("xcb") << false;
        QTest::newRow("wayland session, socket unnamed") << QByteArray() << QByteArray() << QByteArray("wayland")
                                                        << QByteArray(":1") << QByteArray("xcb") << false;
        QTest::newRow("wayland alone") << QByteArray() << QByteArray("wayland-0") << QByteArray("wayland")
                                      << QByteArray() << QByteArray() << true;
        QTest::newRow("user chose wayland") << QByteArray("wayland") << QByteArray("wayland-0")
                                           << QByteArray("wayland") << QByteArray(":0") << QByteArray() << false;
        QTest::newRow("user chose offscreen, wayland alone") << QByteArray("offscreen") << QByteArray("wayland-0")
                                                            << QByteArray() << QByteArray() << QByteArray() << false;
        QTest::newRow("plain X") << QByteArray() << QByteArray() << QByteArray("x11") << QByteArray(":0")
                                 << QByteArray() << false;
        QTest::newRow("no display at all") << QByteArray() << QByteArray() << QByteArray() << QByteArray()
                                           << QByteArray() << false;
    }
    void waylandGoesToXWhereItCan()
    {
        QFETCH(QByteArray, qpa);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, session);
        QFETCH(QByteArray, x11);
        QFETCH(QByteArray, platform);
        QFETCH(bool, warn);
        const desktop::PlatformChoice c = desktop::choosePlatform(qpa, wayland, session, x11);
        QCOMPARE(c.platform, platform);
        QCOMPARE(c.waylandOnly, warn);
    }

    // A Japanese user reads はい and いいえ on the reset question and OK on the refusal, never
    // "Yes", "No" or an English mnemonic.
    void messageBoxButtonsSpeakJapanese()
    {
        QMessageBox question(QMessageBox::NoIcon, QStringLiteral("ピモ"), QStringLiteral("本当に初期化しちゃうの？"),
                             QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(question.button(QMessageBox::Yes)->text(), QStringLiteral("はい(&Y)"));
        QCOMPARE(question.button(QMessageBox::No)->text(), QStringLiteral("いいえ(&N)"));
        QMessageBox refusal(QMessageBox::Critical, QStringLiteral("ピモ"), QStringLiteral("…"), QMessageBox::Ok);
        QCOMPARE(refusal.button(QMessageBox::Ok)->text(), QStringLiteral("OK"));
        // Our own table agrees with what the boxes show, also where Qt's translation is missing.
        QCOMPARE(desktop::japaneseButtonText("&Yes"), QStringLiteral("はい(&Y)"));
        QCOMPARE(desktop::japaneseButtonText("&No"), QStringLiteral("いいえ(&N)"));
    }

    // Every window of both programs carries the pet's icon, at the sizes a taskbar asks for.
    void theApplicationCarriesThePetsIcon()
    {
        const QIcon icon = QApplication::windowIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(icon.availableSizes().contains(QSize(48, 48)));
        QVERIFY(icon.availableSizes().contains(QSize(128, 128)));
        // The pet reads the icon's pictures on a thread while it starts: the same pictures.
        const QList<QImage> ahead = desktop::readPetIconLater().get();
        QCOMPARE(ahead.size(), 2);
        QCOMPARE(ahead.at(0).size(), QSize(48, 48));
        QCOMPARE(ahead.at(1).size(), QSize(128, 128));
        QWidget w;
        QVERIFY(!w.windowIcon().isNull());
        QCOMPARE(w.windowIcon().cacheKey(), icon.cacheKey());
    }

    // The entry starts this very program even when its path has spaces or quotes; ticking writes
    // it, unticking removes it, and the box reads what is on disk.
    void autostartEntryStartsThisProgram()
    {
        QCOMPARE(desktop::execLine(QStringLiteral("/usr/bin/lunetta")), QStringLiteral("/usr/bin/lunetta"));
        QCOMPARE(desktop::execLine(QStringLiteral("/home/a b/bin/lunetta")),
                 QStringLiteral("\"/home/a b/bin/lunetta\""));
        QCOMPARE(desktop::execLine(QStringLiteral("/opt/it's \"$x\"/100%/lunetta")),
                 QStringLiteral("\"/opt/it's \\\\\"\\\\$x\\\\\"/100%%/lunetta\""));

        const QString file = desktop::autostartFile();
        QCOMPARE(file, m_config.path() + QStringLiteral("/autostart/lunetta.desktop"));
        QVERIFY(!desktop::autostartEnabled());
        QVERIFY(desktop::setAutostart(true, QStringLiteral("/home/a b/bin/lunetta")));
        QVERIFY(desktop::autostartEnabled());
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString entry = QString::fromUtf8(f.readAll());
        QVERIFY(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
        QVERIFY(entry.contains(QStringLiteral("\nType=Application\n")));
        QVERIFY(entry.contains(QStringLiteral("\nExec=\"/home/a b/bin/lunetta\"\n")));
        f.close();
        QVERIFY(desktop::setAutostart(false, QString()));
        QVERIFY(!QFile::exists(file));
        QVERIFY(!desktop::autostartEnabled());
        QVERIFY(desktop::setAutostart(false, QString())); // nothing there: nothing to do
        // An entry the desktop's own settings switched off starts nothing.
        QVERIFY(desktop::setAutostart(true, QStringLiteral("/usr/bin/lunetta")));
        QVERIFY(f.open(QIODevice::Append));
        f.write("Hidden=true\n");
        f.close();
        QVERIFY(!desktop::autostartEnabled());
        QVERIFY(desktop::setAutostart(false, QString()));
    }

    // Beside the program (the build tree) first, then the installed ../share/tobberly.
    void installedProgramFindsItsPictures()
    {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        QCOMPARE(paths::dataRootFor(bin), bin); // nothing anywhere: named beside the program
        QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("share/tobberly/gif"))));
        QCOMPARE(paths::dataRootFor(bin), root.filePath(QStringLiteral("share/tobberly")));
        QVERIFY(QDir().mkpath(bin + QStringLiteral("/dat")));
        QCOMPARE(paths::dataRootFor(bin), bin);
    }

    // One pet per store: the second start on a store finds the first, which is asked to come to
    // the front; another store (another test, another user's) is not in its way.
    void secondStartOnAStoreFindsTheFirst()
    {
        desktop::SingleInstance first(QStringLiteral("/home/u/.config/Tobberly/Tobberly.conf"));
        QCOMPARE(first.claim(), desktop::SingleInstance::Outcome::First);
        first.listen();
        QSignalSpy asked(&first, &desktop::SingleInstance::activationRequested);
        desktop::SingleInstance other(QStringLiteral("/tmp/test/Tobberly/Tobberly.conf"));
        QCOMPARE(other.claim(), desktop::SingleInstance::Outcome::First);
        desktop::SingleInstance second(QStringLiteral("/home/u/.config/Tobberly/Tobberly.conf"));
        QCOMPARE(second.claim(), desktop::SingleInstance::Outcome::AlreadyRunning);
        QTRY_COMPARE(asked.size(), 1);
        desktop::SingleInstance third(QStringLiteral("/home/u/.config/Tobberly/Tobberly.conf"));
        QCOMPARE(third.claim(), desktop::SingleInstance::Outcome::AlreadyRunning);
        QTRY_COMPARE(asked.size(), 2);
        QVERIFY(first.baseName() != other.baseName());
#ifdef Q_OS_UNIX
        QVERIFY(first.baseName().contains(QString::number(::getuid())));
#endif
    }

    // A start while the first pet is still starting (it has its place but listens only once its
    // picture is up) ends at once all the same, and its request is answered when the first listens.
    void secondStartWhileTheFirstIsStarting()
    {
        const QString key = QStringLiteral("/home/u/.config/starting/Tobberly.conf");
        desktop::SingleInstance first(key);
        QCOMPARE(first.claim(), desktop::SingleInstance::Outcome::First);
        QSignalSpy asked(&first, &desktop::SingleInstance::activationRequested);
        QElapsedTimer took;
        took.start();
        desktop::SingleInstance second(key);
        QCOMPARE(second.claim(), desktop::SingleInstance::Outcome::AlreadyRunning);
        QVERIFY(took.elapsed() < 1000);
        QTest::qWait(50);
        QCOMPARE(asked.size(), 0);
        first.listen();
        QTRY_COMPARE(asked.size(), 1);
        QTest::qWait(50);
        QCOMPARE(asked.size(), 1); // answered once, not again on every later change
    }

    // A pet killed with kill -9 leaves its lock and any request it had not read behind; the next
    // start takes over, and the old request does not pull the new pet to the front.
    void staleLockNeverBlocks()
    {
        const QString key = QStringLiteral("/home/u/.config/stale/Tobberly.conf");
        const QString base = m_runtime.path() + u'/' + desktop::SingleInstance::baseNameFor(key);
        QFile lock(base + QStringLiteral(".lock"));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("2147483000\nlunetta\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        QFile request(base + QStringLiteral(".raise"));
        QVERIFY(request.open(QIODevice::WriteOnly));
        request.write("raise\n");
        request.close();
        desktop::SingleInstance next(key);
        QSignalSpy asked(&next, &desktop::SingleInstance::activationRequested);
        QCOMPARE(next.claim(), desktop::SingleInstance::Outcome::First);
        next.listen();
        QTest::qWait(50);
        QCOMPARE(asked.size(), 0);
    }

    // A lock that names no pet (its pet killed while writing it, or a power cut) is taken over
    // once it is older than any start can take to write it; a young one is a pet starting now.
    void lockNamingNoPetIsTakenOverOnceOld()
    {
        const QString key = QStringLiteral("/home/u/.config/empty/Tobberly.conf");
        const QString name = m_runtime.path() + u'/' + desktop::SingleInstance::baseNameFor(key) + QStringLiteral(".lock");
        QFile lock(name);
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.close();
        {
            desktop::SingleInstance starting(key);
            QCOMPARE(starting.claim(), desktop::SingleInstance::Outcome::AlreadyRunning);
        }
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
        lock.close();
        desktop::SingleInstance next(key);
        QCOMPARE(next.claim(), desktop::SingleInstance::Outcome::First);
        desktop::SingleInstance later(key);
        QCOMPARE(later.claim(), desktop::SingleInstance::Outcome::AlreadyRunning);
    }

    // What a start leaves until its window is on the screen runs right after the first paint,
    // once; a window that is never painted has it done all the same, a moment later. Once done,
    // no timer is left behind to wake the program for nothing.
    void workAfterTheFirstPaintRunsOnce()
    {
        const QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
        const qsizetype timersBefore = dispatcher->children().size();
        QWidget shown;
        shown.resize(100, 80);
        int ranShown = 0;
        bool paintedBefore = false;
        desktop::afterFirstPaint(&shown, [&] {
            ++ranShown;
            paintedBefore = shown.isVisible();
        }, 5000);
        QWidget hidden;
        int ranHidden = 0;
        desktop::afterFirstPaint(&hidden, [&] { ++ranHidden; }, 200);
        QTest::qWait(20);
        QCOMPARE(ranShown, 0);
        shown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        QTRY_COMPARE(ranShown, 1);
        QVERIFY(paintedBefore);
        shown.update();
        QTRY_COMPARE(ranHidden, 1);
        QCOMPARE(ranShown, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(dispatcher->children().size(), timersBefore);
    }

    // Without XDG_RUNTIME_DIR the lock goes to a folder of this user's own, closed to others.
    void withoutRuntimeFolderAPrivateOneServes()
    {
#ifndef Q_OS_UNIX
        QSKIP("the runtime folder is a Unix matter");
#else
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        qunsetenv("XDG_RUNTIME_DIR");
        const QString dir = desktop::SingleInstance::userRuntimeDir();
        qputenv("XDG_RUNTIME_DIR", saved);
        QVERIFY(!dir.isEmpty());
        QVERIFY(dir.startsWith(QDir::tempPath()));
        QCOMPARE(QFileInfo(dir).permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ExeOther
                                                 | QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup),
                 QFile::Permissions());
        QCOMPARE(QFileInfo(dir).ownerId(), ::getuid());
#endif
    }

private:
    QTemporaryDir m_config;
    QTemporaryDir m_runtime;
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
