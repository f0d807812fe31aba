// On X the pet's picture is put together in the display server from pictures sent there once.
// What the screen then shows must be, pixel for pixel, what the painter paints for the same scene:
// through new frames, new strips, props moving over the frame with their transparent parts, a
// window laid over the pet and taken away, and at 2x a 1x picture standing in for a missing 2x one.
// These tests need a real X display (ctest runs them under xvfb-run, at 1x and at 2x); on the
// offscreen platform there is no server to draw in and they are skipped.
#include "paintcheck.h"

#include "common/paths.h"
#include "pet/windows/picturestore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>

namespace {
QString gifDir() { return QStringLiteral(TOBBERLY_BIN_DIR "/gif"); }

// The same scene shown twice side by side: once put together in the server, once painted by
// the program as on any other platform.
struct TwoPictures {
    TwoPictures()
    {
        qputenv("TOBBERLY_PAINT_IN_PROGRAM", "1");
        painted = std::make_unique<ShownPicture>();
        qunsetenv("TOBBERLY_PAINT_IN_PROGRAM");
        painted->host.move(500, 0);
        server.host.move(0, 0);
    }
    bool exposed() { return server.exposed() && painted->exposed(); }
    // Both scenes are changed alike, then both views asked to show it.
    template <typename Change> void change(Change &&c)
    {
        c(server.scene);
        c(painted->scene);
        server.view.refresh();
        painted->view.refresh();
        settle();
    }
    void show(const QString &strip, int frame)
    {
        change([&](Scene &s) {
            s.setStrip(strip);
            s.setFrame(frame);
        });
    }
    void settle()
    {
        // The server's copies and the painter's flush both reach the screen before the grab.
        for (int i = 0; i < 3; ++i) {
            server.settle();
            QTest::qWait(20);
        }
    }
    bool same() const { return server.onScreen() == painted->onScreen(); }

    ShownPicture server;
    std::unique_ptr<ShownPicture> painted;
};

void moveBy(Scene &s, Prop p, int dx, int dy) { s.moveProp(p, s.prop(p).x + dx, s.prop(p).y + dy); }
} // namespace

class TestServerCanvas : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void serverPictureIsThePaintersPicture();
    void coveredPictureComesBack();
    void singleSizePictureIsEnlargedOnADoubleScreen();
    void serverHoldsOnlyTheStripInUse();
    void picturesForLaterComeAtTheirMoments();
};

void TestServerCanvas::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X display: the picture is put together in the X server only there");
}

void TestServerCanvas::init()
{
    paths::setProgramDirOverride(QStringLiteral(TOBBERLY_BIN_DIR));
    PictureStore::instance().clear();
}

// Guards against a picture on the screen that differs from what the painter draws: a part copied
// from the wrong frame or place, a prop's mask shifted against its picture, a bare margin left
// unfilled, a prop left behind where it was.
void TestServerCanvas::serverPictureIsThePaintersPicture()
{
    TwoPictures two;
    QVERIFY(two.exposed());
    QVERIFY(two.server.view.drawsInServer());
    QVERIFY(!two.painted->view.drawsInServer());

    two.show(QStringLiteral("7"), 0);
    QVERIFY2(two.same(), "asleep, first frame");
    for (int frame : {1, 0, 2, 1, 2, 0}) {
        two.show(QStringLiteral("7"), frame);
        QVERIFY2(two.same(), qPrintable(QStringLiteral("asleep, frame %1").arg(frame)));
    }
    for (int frame : {0, 1, 2, 3, 0, 2}) {
        two.show(QStringLiteral("18"), frame);
        QVERIFY2(two.same(), qPrintable(QStringLiteral("lunch, frame %1").arg(frame)));
    }
    // The bath's bubbles, with their transparent corners, over a frame and over each other.
    two.change([](Scene &s) {
        s.setPropVisible(Prop::Bubble1, true);
        s.setPropVisible(Prop::Bubble2, true);
        s.moveProp(Prop::Bubble1, 8, 160);
        s.moveProp(Prop::Bubble2, 14, 150);
    });
    two.show(QStringLiteral("31"), 0);
    QVERIFY2(two.same(), "bath with bubbles");
    for (int frame : {1, 0, 1, 1, 0}) {
        two.change([](Scene &s) {
            moveBy(s, Prop::Bubble1, 3, -5);
            moveBy(s, Prop::Bubble2, -1, 2);
        });
        two.show(QStringLiteral("31"), frame);
        QVERIFY2(two.same(), qPrintable(QStringLiteral("bath, frame %1").arg(frame)));
    }
    two.change([](Scene &s) { s.setPropVisible(Prop::Bubble2, false); });
    QVERIFY2(two.same(), "a bubble gone");
    // A frame the strip does not have leaves the picture's background.
    two.show(QStringLiteral("31"), 150);
    QVERIFY2(two.same(), "no such frame");
    // A grab of the view paints as the painter does.
    two.show(QStringLiteral("18"), 1);
    QCOMPARE(ShownPicture::pixels(two.server.view.grab().toImage()), two.painted->fullPaint());
}

// Guards against a blank or stale pet after another window lay over it or it was hidden: the
// server shows its picture again where it was uncovered, with a frame shown meanwhile.
void TestServerCanvas::coveredPictureComesBack()
{
    TwoPictures two;
    QVERIFY(two.exposed());
    two.show(QStringLiteral("18"), 0);
    QWidget cover;
    cover.setAutoFillBackground(true);
    QPalette pal = cover.palette();
    pal.setColor(QPalette::Window, Qt::darkGreen);
    cover.setPalette(pal);
    cover.setGeometry(20, 20, 100, 100);
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    two.show(QStringLiteral("18"), 2);
    cover.hide();
    two.settle();
    QVERIFY2(two.same(), "uncovered");

    // Unseen, nothing is sent; shown again, the pet is as it is now, not as it was.
    two.server.host.hide();
    two.painted->host.hide();
    two.settle();
    two.show(QStringLiteral("7"), 1);
    two.server.host.show();
    two.painted->host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&two.server.host) && QTest::qWaitForWindowExposed(two.painted->host.windowHandle()));
    two.settle();
    QVERIFY2(two.same(), "shown again");
}

// Guards against a 1x picture sent at its own size on a 2x screen (a quarter of the pet shown):
// where a strip's 2x file is missing, the 1x strip stands in, enlarged pixel for pixel as the
// painter does.
void TestServerCanvas::singleSizePictureIsEnlargedOnADoubleScreen()
{
    if (qApp->devicePixelRatio() != 2)
        QSKIP("for a screen scaled 2x");
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("gif"))));
    for (const QString &name : QDir(gifDir()).entryList(QDir::Files))
        if (name != QLatin1String("pimmo18@2x.gif"))
            QVERIFY(QFile::copy(gifDir() + u'/' + name, dir.filePath(QStringLiteral("gif/") + name)));
    paths::setProgramDirOverride(dir.path());
    PictureStore::instance().clear();
    TwoPictures two;
    QVERIFY(two.exposed());
    for (int frame : {0, 3, 1}) {
        two.show(QStringLiteral("18"), frame);
        QVERIFY2(two.same(), qPrintable(QStringLiteral("lunch from the 1x strip, frame %1").arg(frame)));
    }
    two.show(QStringLiteral("7"), 1);
    QVERIFY2(two.same(), "asleep after it");
}

// Guards against the server's memory growing with every strip of the day: the strip shown before
// is let go when the next comes.
void TestServerCanvas::serverHoldsOnlyTheStripInUse()
{
    ShownPicture shown;
    QVERIFY(shown.exposed());
    QVERIFY(shown.view.drawsInServer());
    shown.show(QStringLiteral("7"), 0);
    shown.settle();
    const QStringList strips = {QStringLiteral("18"), QStringLiteral("31"), QStringLiteral("7"),
                                QStringLiteral("19"), QStringLiteral("2"), QStringLiteral("18")};
    for (const QString &strip : strips) {
        shown.show(strip, 0);
        shown.settle();
    }
    QCOMPARE(shown.view.picturesHeldInServer(), 1);
}

QTEST_MAIN(TestServerCanvas)
#include "tst_servercanvas.moc"

// The pictures the pet worked out ahead are held back by the server until their moments, while
// the program sleeps. Guards against a picture shown early or never, against pictures left
// waiting when the pet did something else (the click that dropped them must not be drawn over by
// them a moment later), and against a later picture that differs from the painter's.
void TestServerCanvas::picturesForLaterComeAtTheirMoments()
{
    TwoPictures two;
    QVERIFY(two.exposed());
    two.show(QStringLiteral("18"), 0);
    QVERIFY(two.server.view.showsLater());
    const auto steady = [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    };
    const auto picture = [&](int frame) {
        ScenePicture p = two.server.scene.picture();
        p.frame = frame;
        return p;
    };
    qint64 start = steady();
    std::vector<PetView::Later> moments{{start + 600, picture(2)}, {start + 1800, picture(3)}};
    QCOMPARE(two.server.view.showLater(moments), 2);
    // Asked again for the same, the view keeps what waits.
    QCOMPARE(two.server.view.showLater(moments), 2);
    two.settle();
    QVERIFY2(two.same(), "before the first moment");
    QTest::qWait(int(start + 1200 - steady()));
    two.painted->scene.setFrame(2);
    two.painted->view.refresh();
    two.settle();
    QVERIFY2(two.same(), "after the first moment");
    QTest::qWait(int(start + 2400 - steady()));
    two.painted->scene.setFrame(3);
    two.painted->view.refresh();
    two.settle();
    QVERIFY2(two.same(), "after the second moment");

    // The scene moves on before the moment: what waited is dropped, never drawn.
    two.server.scene.setFrame(3);
    start = steady();
    QCOMPARE(two.server.view.showLater({{start + 600, picture(1)}}), 1);
    two.show(QStringLiteral("18"), 0);
    QTest::qWait(int(start + 1200 - steady()));
    two.settle();
    QVERIFY2(two.same(), "a moment dropped");

    // Only the strip shown now is taken: the server lets go of a strip no longer shown.
    start = steady();
    ScenePicture other = picture(1);
    other.strip = QStringLiteral("7");
    QCOMPARE(two.server.view.showLater({{start + 600, picture(1)}, {start + 1200, other}}), 1);

    // What waits unread in the connection stays small: were it to fill, the program would block
    // on its next write until the moments came.
    std::vector<PetView::Later> many;
    for (int i = 0; i < 150; ++i)
        many.push_back({start + 5000 + i * 50, picture(i % 2)});
    QCOMPARE(two.server.view.showLater(many), 100);
}
