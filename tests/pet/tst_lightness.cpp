// The pet's light touch: the clock's tick counts every second, the labels turn with the minute and
// activities end on the tick they always did; the pet's picture is repainted only where the scene
// changed.
#include "petfixture.h"

#include "common/paths.h"
#include "pet/windows/petwindow.h"
#include "pet/windows/picturestore.h"

#include <QPaintEvent>
#include <QtTest>

namespace {
// Virtual time that also counts how often each timer woke the program.
class CountingTimers : public Timers
{
public:
    explicit CountingTimers(VirtualTime &time) : m_time(time) {}
    int create(Handler handler) override
    {
        const size_t id = m_fired.size();
        m_fired.push_back(0);
        return m_time.create([this, id, handler = std::move(handler)] {
            ++m_fired[id];
            handler();
        });
    }
    void setInterval(int id, int ms) override { m_time.setInterval(id, ms); }
    void setEnabled(int id, bool enabled) override { m_time.setEnabled(id, enabled); }
    void setSingleShot(int id, bool singleShot) override { m_time.setSingleShot(id, singleShot); }
    bool isEnabled(int id) const override { return m_time.isEnabled(id); }
    int interval(int id) const override { return m_time.interval(id); }
    int fired(int id) const { return m_fired.at(size_t(id)); }

private:
    VirtualTime &m_time;
    std::vector<int> m_fired;
};

// A pet on counting timers; the tick's timer is the first the engine makes.
struct CountedPet {
    explicit CountedPet(const QDateTime &start) : time(start), timers(time), rnd(7)
    {
        store.write(QStringLiteral("Firstflag"), QStringLiteral("1"));
        store.write(QStringLiteral("Loveval"), QStringLiteral("50"));
        Pet::Setup setup;
        setup.screen.width = 1920 * 15;
        setup.screen.height = 1080 * 15;
        setup.programDir = dir.path();
        setup.datDir = dir.path();
        setup.desktopDir = dir.path();
        pet = std::make_unique<Pet>(store, time, rnd, timers, setup);
        pet->start();
    }
    Runtime &rt() { return pet->ctx().rt; }
    int tickWakes() const { return timers.fired(0); }

    QTemporaryDir dir;
    MemorySettingsStore store;
    VirtualTime time;
    CountingTimers timers;
    SeededRandom rnd;
    std::unique_ptr<Pet> pet;
};

// Records the regions the view paints.
class PaintLog : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            regions << static_cast<QPaintEvent *>(e)->region();
        return false;
    }
    QList<QRegion> regions;
};
} // namespace

class TestLightness : public QObject
{
    Q_OBJECT
private slots:
    void countdownEndsOnTheSameTickWhileTheTickSleeps();
    void resetCountdownCountsFromTheReset();
    void labelsTurnWithTheMinute();
    void petPictureRepaintsOnlyWhatChanged();
};

// An activity of length L ends on the tick after its countdown reached L: L + 1 seconds after it
// began, however long the tick slept in between.
void TestLightness::countdownEndsOnTheSameTickWhileTheTickSleeps()
{
    CountedPet p(ordinaryDay(2, 0, 10));
    Engine &e = p.pet->engine();
    e.restartCountdown();
    p.rt().activityLength = 95;
    e.startActivity(7);
    p.time.advance(95 * 1000 + 500);
    QCOMPARE(p.rt().activity, 7);
    p.time.advance(1000);
    QVERIFY(p.rt().activity != 7); // the night's sleep follows with the waking up
}

// A countdown reset in the middle of the tick's sleep (a present, a question answered) counts
// from the reset, not from when the tick last woke.
void TestLightness::resetCountdownCountsFromTheReset()
{
    CountedPet p(ordinaryDay(2, 0, 10));
    Engine &e = p.pet->engine();
    p.time.advance(20 * 1000 + 300);
    e.restartCountdown();
    QCOMPARE(p.rt().activitySeconds, 0);
    p.rt().activityLength = 30;
    e.startActivity(8);
    p.time.advance(30 * 1000);
    QCOMPARE(p.rt().activity, 8);
    p.time.advance(1000);
    QVERIFY(p.rt().activity != 8);
}

// The time label turns on the first tick of a new minute and not a second later, even though the
// tick no longer wakes in between.
void TestLightness::labelsTurnWithTheMinute()
{
    CountedPet p(ordinaryDay(2, 0, 10));
    p.time.advance(500); // the ticks fall on the whole seconds; look half a second after each
    const Scene &s = p.pet->scene();
    p.time.advance(49 * 1000);
    QCOMPARE(s.label(Label::Time), QStringLiteral("2:00"));
    p.time.advance(1000); // 2:01:00.5
    QCOMPARE(s.label(Label::Time), QStringLiteral("2:01"));
    p.time.advance(59 * 1000);
    QCOMPARE(s.label(Label::Time), QStringLiteral("2:01"));
    p.time.advance(1000);
    QCOMPARE(s.label(Label::Time), QStringLiteral("2:02"));
}

// A frame that did not change is not painted again, and a prop that moves (the bath's bubbles,
// every second) repaints its old and new places, not the whole picture.
void TestLightness::petPictureRepaintsOnlyWhatChanged()
{
    paths::setProgramDirOverride(QStringLiteral(TOBBERLY_BIN_DIR));
    PictureStore::instance().clear();
    Scene scene;
    PetView view(scene);
    view.resize(154, 224);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    PaintLog log;
    view.installEventFilter(&log);
    auto settle = [&] {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    };

    scene.setStrip(QStringLiteral("31"));
    scene.setFrame(1);
    view.refresh();
    settle();
    QCOMPARE(log.regions.size(), 1);
    QCOMPARE(log.regions.last().boundingRect(), view.rect());

    log.regions.clear();
    scene.setPetToolTip(QStringLiteral("お風呂だよ"));
    view.refresh();
    settle();
    QVERIFY(log.regions.isEmpty());

    scene.setPropVisible(Prop::Bubble1, true);
    scene.moveProp(Prop::Bubble1, 8, 120);
    view.refresh();
    settle();
    log.regions.clear();
    scene.moveProp(Prop::Bubble1, 11, 115);
    view.refresh();
    settle();
    QCOMPARE(log.regions.size(), 1);
    const QRect painted = log.regions.last().boundingRect();
    QVERIFY2(painted.width() < 40 && painted.height() < 40, qPrintable(QStringLiteral("%1x%2").arg(painted.width()).arg(painted.height())));
    QVERIFY(painted.contains(QPoint(9, 121)) && painted.contains(QPoint(12, 116)));
}

QTEST_MAIN(TestLightness)
#include "tst_lightness.moc"
