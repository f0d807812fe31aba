// Where windows stand: centring and pulling back onto a screen's usable area, which screen a
// window stands on among several, and the dialog beside the pet on a screen that does not start
// at the desktop's corner.
#include "common/placement.h"

#include <QtTest>

using placement::Area;

class TestPlacement : public QObject
{
    Q_OBJECT
private slots:
    // The half of the spare room rounds to the even neighbour on a tie, and the area's start is
    // added, so a window is centred on a second screen as on the first.
    void centringRoundsTiesToEvenFromTheAreasStart_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("expected");
        QTest::newRow("even room") << 0 << 28800 << 4380 << 12210;
        QTest::newRow("tie rounds down to even") << 0 << 101 << 20 << 40;
        QTest::newRow("tie rounds up to even") << 0 << 103 << 20 << 42;
        QTest::newRow("second screen") << 28800 << 19200 << 4410 << 28800 + 7395;
        QTest::newRow("window wider than the area") << 0 << 3000 << 4380 << -690;
    }
    void centringRoundsTiesToEvenFromTheAreasStart()
    {
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(int, window);
        QFETCH(int, expected);
        QCOMPARE(placement::centred(start, length, window), expected);
    }

    // A window is pulled back so it lies within the area; one longer than the area ends on the
    // area's far edge with its start before the area.
    void pullingBackKeepsTheWholeWindowInside_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("expected");
        QTest::newRow("before the area") << -300 << 1000;
        QTest::newRow("inside") << 5000 << 5000;
        QTest::newRow("touching the far edge") << 1000 + 20000 - 4000 << 17000;
        QTest::newRow("far beyond") << 999999 << 17000;
    }
    void pullingBackKeepsTheWholeWindowInside()
    {
        QFETCH(int, start);
        QFETCH(int, expected);
        QCOMPARE(placement::pulledInto(start, 1000, 20000, 4000), expected);
        QCOMPARE(placement::pulledInto(start, 1000, 3000, 4000), 0);
    }

    // With two screens a window belongs to the one it overlaps most; off every screen, to the
    // nearest, so a place stored beyond the second screen comes back onto it, not the first.
    void aWindowStandsOnTheScreenItOverlapsMostOrTheNearest()
    {
        const std::vector<Area> screens{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
        QCOMPARE(placement::screenOf(screens, {100, 100, 300, 240}), 0);
        QCOMPARE(placement::screenOf(screens, {2000, 100, 300, 240}), 1);
        QCOMPARE(placement::screenOf(screens, {1800, 100, 300, 240}), 1); // 180 px on the second
        QCOMPARE(placement::screenOf(screens, {1700, 100, 300, 240}), 0);
        QCOMPARE(placement::screenOf(screens, {99999, 99999, 300, 240}), 1);
        QCOMPARE(placement::screenOf(screens, {-5000, 500, 300, 240}), 0);
        // A screen below the primary one, as a laptop under a monitor.
        const std::vector<Area> stacked{{0, 0, 1920, 1080}, {0, 1080, 1366, 768}};
        QCOMPARE(placement::screenOf(stacked, {100, 99999, 300, 240}), 1);
    }

    // The dialog's right-or-left choice looks at the right edge of the screen the pet stands on,
    // wherever that screen starts.
    void theDialogTurnsLeftAtTheRightEdgeOfThePetsScreen()
    {
        const Area second{1920, 100, 1280, 1024};
        const Area pet{1920 + 600, 300, 294, 245};
        QCOMPARE(placement::besidePet(second, pet, 205, 166, 156, placement::Level::Bottom),
                 QPoint(1920 + 600 + 156, 300 + 245 - 166));
        const Area atEdge{1920 + 1280 - 294 - 100, 300, 294, 245};
        QCOMPARE(placement::besidePet(second, atEdge, 205, 245, 156, placement::Level::Centre),
                 QPoint(atEdge.left - 205, 300 + 122 - 122));
    }
};

QTEST_APPLESS_MAIN(TestPlacement)
#include "tst_placement.moc"
