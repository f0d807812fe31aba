// The pet's light touch: the clock's tick counts every second, the labels turn with the minute and
// activities end on the tick they always did; the pet's picture is repainted only where the scene
// changed.
#include "paintcheck.h"
#include "petfixture.h"

#include "common/paths.h"
#include "pet/core/interaction.h"
#include "pet/dialogs/questions.h"
#include "pet/windows/petwindow.h"
#include "pet/windows/picturestore.h"

#include <QtTest>

namespace {
// Virtual time that also counts how often each timer called its handler. With everySecond it
// never passes over a firing: the clock's tick then runs every second and the steps come at each
// interval, as they once did.
class CountingTimers : public Timers
{
public:
    CountingTimers(VirtualTime &time, bool everySecond = false) : m_time(time), m_everySecond(everySecond) {}
    int create(Handler handler) override
    {
        const size_t id = m_fired.size();
        m_fired.push_back(0);
        return m_time.create([this, id, handler = std::move(handler)] {
            ++m_fired[id];
            handler();
            if (afterCall)
                afterCall();
        });
    }
    void setInterval(int id, int ms) override { m_time.setInterval(id, ms); }
    void setEnabled(int id, bool enabled) override { m_time.setEnabled(id, enabled); }
    void setSingleShot(int id, bool singleShot) override { m_time.setSingleShot(id, singleShot); }
    bool isEnabled(int id) const override { return m_time.isEnabled(id); }
    int interval(int id) const override { return m_time.interval(id); }
    void passOver(int id, int n) override
    {
        if (!m_everySecond)
            m_time.passOver(id, n);
    }
    int takePassedOver(int id) override { return m_time.takePassedOver(id); }
    qint64 untilNextFiring(int id) const override { return m_time.untilNextFiring(id); }
    // Another timer always at hand: no step is drawn ahead to be passed over.
    qint64 untilOtherCall(int id) const override { return m_everySecond ? 0 : m_time.untilOtherCall(id); }
    Call nextCall() const override { return m_time.nextCall(); }
    void callNext() override { m_time.callNext(); }
    Saved save() const override { return m_time.save(); }
    void restore(const Saved &saved) override { m_time.restore(saved); }
    void holdUntil(qint64 ms, Handler wake) override { m_time.holdUntil(ms, std::move(wake)); }
    void release() override { m_time.release(); }
    bool held() const override { return m_time.held(); }
    int fired(int id) const { return m_fired.at(size_t(id)); }
    // Called after each handler, as the end of an event loop's round.
    std::function<void()> afterCall;

private:
    VirtualTime &m_time;
    bool m_everySecond;
    std::vector<int> m_fired;
};

// A pet on counting timers; the tick's timer is the first the engine makes.
struct CountedPet {
    explicit CountedPet(const QDateTime &start) : time(start), timers(time), rnd(7)
    {
        store.write(QStringLiteral("Firstflag"), QStringLiteral("1"));
        store.write(QStringLiteral("Loveval"), QStringLiteral("50"));
        pet = std::make_unique<Pet>(store, time, rnd, timers, testSetup(dir.path(), dir.path(), dir.path()));
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

// A fond pet with every hobby, the real data files, and a user who answers each question twenty
// seconds after it is asked and plays the games for four minutes: answers and games begin and end
// on whole seconds, at the very instants the clock's tick falls due. Writes down, with the time,
// every activity, question and present, and the labels and buttons whenever the scene changes.
struct LivingPet : public Trace, public GameLauncher {
    // foreseeing: the pet's pictures are worked out ahead and shown on time by the "window
    // system" (noted in `pictures` at their moments) while the timers are held; the calls are
    // made when the hold ends or something comes from outside. withPictures: the log's scene
    // lines hold the picture (otherwise `pictures` has it, for both kinds of pet).
    LivingPet(const QDateTime &start, bool everySecond, bool foreseeing = false)
        : time(start), timers(time, everySecond), rnd(11), m_foreseeing(foreseeing), m_withPictures(!foreseeing)
    {
        const QList<std::pair<const char *, const char *>> keys = {
            {"Firstflag", "1"}, {"Loveval", "75"}, {"Totaltime", "5000"}, {"Flowerday", "1"}, {"Precount", "40"}};
        for (const auto &[k, v] : keys)
            store.write(QString::fromLatin1(k), QString::fromLatin1(v));
        for (int i = 1; i <= 9; ++i)
            store.write(QStringLiteral("Item%1").arg(i), QStringLiteral("3"));
        pet = std::make_unique<Pet>(store, time, rnd, timers,
                                    testSetup(desktop.path(), QStringLiteral(TOBBERLY_BIN_DIR "/dat"), desktop.path()));
        pet->ctx().trace = this;
        pet->ctx().launcher = this;
        m_answer = timers.create([this] {
            if (pet->scene().questionOpen())
                pet->questions().answer(1 + m_answered++ % 3);
        });
        timers.setSingleShot(m_answer, true);
        m_gameOver = timers.create([this] { std::exchange(m_finished, {})(); });
        timers.setSingleShot(m_gameOver, true);
        QObject::connect(&pet->scene(), &Scene::changed, &pet->scene(), [this](int parts) {
            constexpr int picture = Scene::PetPicture | Scene::Props;
            if ((parts & picture) && !m_catching)
                notePicture(time.elapsedMs(), pet->scene().picture());
            if (m_withPictures || (parts & ~picture))
                note(QStringLiteral("scene"));
        });
        timers.afterCall = [this] {
            if (m_foreseeing && !m_inForesight && !m_catching)
                foresee();
        };
        pet->start();
        if (m_foreseeing)
            foresee();
    }
    void comparePicturesAlone() { m_withPictures = false; }

    // Works out what comes and holds the timers until the first call not worked out.
    void foresee()
    {
        m_pending.clear();
        timers.release();
        m_inForesight = true;
        const Pet::Foresight f = pet->foresee(65000);
        m_inForesight = false;
        QVERIFY(f.possible);
        ++foresights;
        for (const Pet::Moment &m : f.moments)
            m_pending.push_back({time.elapsedMs() + m.in, m.picture});
        if (f.until > 0)
            timers.holdUntil(f.until, [this] { wake(); });
    }
    // The hold ends, or something comes from outside: the pictures due by now were shown; the calls
    // due by now are made.
    void wake()
    {
        const qint64 now = time.elapsedMs();
        for (const auto &[at, picture] : m_pending)
            if (at <= now)
                notePicture(at, picture);
        m_pending.clear();
        catchUp();
        foresee();
    }
    // The calls due by now are made; the picture they leave is the window's to show now (it is the
    // last one worked out, unless the calls went on to one that was not).
    void catchUp()
    {
        m_catching = true;
        pet->catchUp();
        m_catching = false;
        timers.release();
        notePicture(time.elapsedMs(), pet->scene().picture());
    }
    // Something from outside the timers reaches the pet now.
    void fromOutside(const std::function<void()> &what)
    {
        if (m_foreseeing) {
            m_pending.erase(std::remove_if(m_pending.begin(), m_pending.end(),
                                           [this](const auto &p) { return p.first > time.elapsedMs(); }),
                            m_pending.end());
            for (const auto &[at, picture] : m_pending)
                notePicture(at, picture);
            m_pending.clear();
            catchUp();
        }
        what();
        if (m_foreseeing)
            foresee();
    }
    void notePicture(qint64 at, const ScenePicture &p)
    {
        QString line = QStringLiteral("%1 %2:%3").arg(at).arg(p.strip).arg(p.frame);
        for (const PropState &st : p.props)
            if (st.visible)
                line += QStringLiteral(" %1,%2/%3").arg(st.x).arg(st.y).arg(st.picture);
        // The window shows what a moment leaves, not the steps of it.
        if (!pictures.isEmpty() && pictures.last().section(u' ', 0, 0) == QString::number(at)) {
            pictures.removeLast();
            m_lastPicture = pictures.isEmpty() ? QString() : pictures.last().section(u' ', 1);
        }
        if (m_lastPicture != line.section(u' ', 1)) {
            m_lastPicture = line.section(u' ', 1);
            pictures << line;
        }
    }

    void eventStarted(int n) override { note(QStringLiteral("event %1").arg(n)); }
    void questionShown(int kind) override
    {
        note(QStringLiteral("question %1").arg(kind));
        timers.start(m_answer, 20000);
    }
    void presentDelivered(int k) override { note(QStringLiteral("present %1").arg(k)); }
    bool start(const QString &, const QStringList &, std::function<void()> finished) override
    {
        note(QStringLiteral("game"));
        m_finished = std::move(finished);
        timers.start(m_gameOver, 4 * 60000);
        return true;
    }

    void note(const QString &what)
    {
        const Scene &s = pet->scene();
        QString line = time.now().toString(Qt::ISODateWithMs) + u' ' + what;
        if (what == u"scene") {
            line += QStringLiteral(" picture %1:%2").arg(s.strip()).arg(s.frame());
            for (Label l : {Label::Time, Label::GermanTime, Label::TotalTime, Label::Level})
                line += u' ' + s.label(l);
            for (int b = 0; b < int(Button::Count); ++b)
                line += s.button(Button(b)).enabled ? u'+' : u'-';
        }
        if (log.isEmpty() || log.last() != line)
            log << line;
    }

    // The counts as they stand now, with every second slept through counted.
    QString counts()
    {
        Runtime &rt = pet->ctx().rt;
        pet->engine().setActivityLength(rt.activityLength);
        const Memory &m = pet->ctx().mem();
        // Not the step: one whose visits are drawn ahead already holds the step after them.
        return QStringLiteral("activity %1 %2/%3 s, %4 s into the minute, total %5, away %6, presents in %7")
            .arg(rt.activity).arg(rt.activitySeconds).arg(rt.activityLength)
            .arg(rt.secondsIntoMinute).arg(m.Totaltime).arg(rt.minutesAway).arg(m.Precount);
    }

    QTemporaryDir desktop;
    MemorySettingsStore store;
    VirtualTime time;
    CountingTimers timers;
    SeededRandom rnd;
    std::unique_ptr<Pet> pet;
    QStringList log;
    QStringList pictures;
    int foresights = 0;

private:
    bool m_foreseeing;
    bool m_withPictures;
    bool m_inForesight = false;
    bool m_catching = false;
    std::vector<std::pair<qint64, ScenePicture>> m_pending;
    QString m_lastPicture;
    int m_answer = -1;
    int m_gameOver = -1;
    int m_answered = 0;
    std::function<void()> m_finished;
};

// Two logs line for line; the first difference is reported.
bool sameLines(const QStringList &actual, const QStringList &expected)
{
    for (qsizetype i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        if (actual.value(i) != expected.value(i)) {
            qWarning().noquote() << "line" << i << ":" << actual.value(i) << "instead of" << expected.value(i);
            return false;
        }
    }
    return true;
}

} // namespace

class TestLightness : public QObject
{
    Q_OBJECT
private slots:
    void sleepingTickLivesTheDayOfATickEverySecond();
    void picturesWorkedOutAheadComeAtTheirMoments();
    void sleepingPetsTickWakesOnlyForTheMinute();
    void countdownEndsOnTheSameTickWhileTheTickSleeps();
    void resetCountdownCountsFromTheReset();
    void labelsTurnWithTheMinute();
    void petPictureRepaintsOnlyWhatChanged();
    void newFramesRepaintOnlyWhereTheyDiffer();
    void changedSquaresCoverEveryChangedPixel();
    void nearRectanglesJoinWithoutMuchMore();
};

// The tick sleeps through the seconds in which it would only count and counts them when it wakes
// or when anything touches the countdown; the steps pass over the visits of a rest that stay,
// whose draws are made ahead. Guards that nothing comes a second early or late for either, and
// that no draw changes places: over two days with questions, games and presents, a pet whose
// tick sleeps lives exactly the day of one whose tick wakes every second and whose steps visit
// every rest, with the same pictures to the millisecond, and ends with the same counts.
void TestLightness::sleepingTickLivesTheDayOfATickEverySecond()
{
    const QDateTime start = tokyo(2026, 12, 1, 7, 58, 0);
    LivingPet sleeping(start, false);
    LivingPet waking(start, true);
    for (int hour = 0; hour < 48; ++hour) {
        sleeping.time.advance(3600 * 1000);
        waking.time.advance(3600 * 1000);
        QCOMPARE(sleeping.counts(), waking.counts());
    }
    QVERIFY(sameLines(sleeping.log, waking.log));
    QCOMPARE(sleeping.store.values(), waking.store.values());
    // The days had what could move the seconds: answers and games.
    const QString all = waking.log.join(u'\n');
    QVERIFY(all.contains(QStringLiteral("question 4")));
    QVERIFY(all.contains(QStringLiteral("question 1")));
    QVERIFY(all.contains(QStringLiteral("game")));
    // A few wake-ups a minute instead of sixty.
    const int slept = sleeping.timers.fired(0);
    const int ticked = waking.timers.fired(0);
    QVERIFY2(slept * 12 < ticked, qPrintable(QStringLiteral("%1 against %2").arg(slept).arg(ticked)));
    // And the steps (the engine's second timer): the rests' visits that stay are passed over.
    const int stepped = sleeping.timers.fired(1);
    const int visited = waking.timers.fired(1);
    QVERIFY2(stepped * 10 < visited * 9, qPrintable(QStringLiteral("%1 against %2").arg(stepped).arg(visited)));
}

// The window system shows the pet's pictures at their moments from what the pet worked out ahead,
// while its timers are held until the first call that does more than change the picture. Guards
// that working ahead changes nothing: over two days with questions, games, presents and clicks
// that come between the moments worked out, the pictures come to the millisecond as a pet that
// makes every call at its moment shows them, the labels, buttons and lines likewise, and the counts
// and the store end the same; and that the pet then wakes for a small part of the calls.
void TestLightness::picturesWorkedOutAheadComeAtTheirMoments()
{
    const QDateTime start = tokyo(2026, 12, 1, 7, 58, 0);
    LivingPet plain(start, false);
    LivingPet ahead(start, false, true);
    plain.comparePicturesAlone();
    const auto click = [](LivingPet &p) {
        return [&p] {
            if (!p.pet->scene().questionOpen())
                p.pet->interaction().clickPet();
        };
    };
    // A click every 17 minutes and a third of a second, between the moments worked out.
    constexpr qint64 kSpan = 17 * 60000 + 333;
    for (qint64 done = 0; done < 48 * 3600000LL; done += kSpan) {
        plain.time.advance(kSpan);
        ahead.time.advance(kSpan);
        plain.fromOutside(click(plain));
        ahead.fromOutside(click(ahead));
        QString plainCounts, aheadCounts;
        plain.fromOutside([&] { plainCounts = plain.counts(); });
        ahead.fromOutside([&] { aheadCounts = ahead.counts(); });
        QCOMPARE(aheadCounts, plainCounts);
    }
    QVERIFY(sameLines(ahead.pictures, plain.pictures));
    QVERIFY(sameLines(ahead.log, plain.log));
    QCOMPARE(ahead.store.values(), plain.store.values());
    const QString all = plain.log.join(u'\n');
    QVERIFY(all.contains(QStringLiteral("question 4")));
    QVERIFY(all.contains(QStringLiteral("game")));
    QVERIFY(all.contains(QRegularExpression(QStringLiteral("event 3[123]\\b")))); // a bath, with its bubbles
    // The pet works out ahead far less often than the picture changes.
    QVERIFY2(ahead.foresights * 3 < plain.pictures.size(),
             qPrintable(QStringLiteral("%1 against %2").arg(ahead.foresights).arg(plain.pictures.size())));
}

// The tick once woke the program every second of the night for nothing but counting. Guards that
// it now wakes a few times a minute while the running time and the night's countdown still grow
// by one every second.
void TestLightness::sleepingPetsTickWakesOnlyForTheMinute()
{
    CountedPet p(ordinaryDay(2, 0, 30));
    QVERIFY(p.rt().activity >= 7 && p.rt().activity <= 10);
    const qint32 total = p.pet->ctx().mem().Totaltime;
    const qint32 count = p.rt().activitySeconds;
    p.time.advance(10 * 60 * 1000);
    const int wakes = p.tickWakes();
    p.pet->engine().setActivityLength(p.rt().activityLength); // counts what was slept through
    QCOMPARE(p.pet->ctx().mem().Totaltime, total + 10);
    QCOMPARE(p.rt().activitySeconds, count + 600);
    QVERIFY2(wakes <= 2 * 10 + 2, qPrintable(QString::number(wakes)));
}

// An activity of length L ends on the tick after its countdown reached L: L + 1 seconds after it
// began, however long the tick slept in between.
void TestLightness::countdownEndsOnTheSameTickWhileTheTickSleeps()
{
    CountedPet p(ordinaryDay(2, 0, 10));
    Engine &e = p.pet->engine();
    e.restartCountdown();
    p.rt().activityLength = 95;
    e.startActivity(Activity::SleepOnBack);
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
    e.startActivity(Activity::SleepHandOut);
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
    ShownPicture shown;
    QVERIFY(shown.exposed());
    Scene &scene = shown.scene;
    PetView &view = shown.view;
    QList<QRegion> &regions = shown.log.regions;

    shown.show(QStringLiteral("31"), 1);
    QCOMPARE(regions.size(), 1);
    QCOMPARE(regions.last().boundingRect(), view.rect());

    regions.clear();
    scene.setPetToolTip(QStringLiteral("お風呂だよ"));
    view.refresh();
    shown.settle();
    QVERIFY(regions.isEmpty());

    scene.setPropVisible(Prop::Bubble1, true);
    scene.moveProp(Prop::Bubble1, 8, 120);
    view.refresh();
    shown.settle();
    regions.clear();
    scene.moveProp(Prop::Bubble1, 11, 115);
    view.refresh();
    shown.settle();
    QCOMPARE(regions.size(), 1);
    const QRect painted = regions.last().boundingRect();
    QVERIFY2(painted.width() < 40 && painted.height() < 40, qPrintable(QStringLiteral("%1x%2").arg(painted.width()).arg(painted.height())));
    QVERIFY(painted.contains(QPoint(9, 121)) && painted.contains(QPoint(12, 116)));
}

// A new frame of the same strip is repainted only in the squares where it differs from the one
// before. Guards that nothing of the frame before is left on the screen and that no prop is cut:
// through the night's breathing, lunch's gestures and the bath with its bubbles moving between
// frames, what the screen holds after each frame is what a full paint draws; and the breathing
// repaints well under half the picture.
void TestLightness::newFramesRepaintOnlyWhereTheyDiffer()
{
    paths::setProgramDirOverride(QStringLiteral(TOBBERLY_BIN_DIR));
    PictureStore::instance().clear();
    ShownPicture shown;
    QVERIFY(shown.exposed());
    const int picture = 150 * 220;

    shown.show(QStringLiteral("7"), 0);
    shown.repainted();
    for (int frame : {1, 0, 2, 1, 2, 0, 1}) {
        shown.show(QStringLiteral("7"), frame);
        const int units = shown.repainted();
        QVERIFY2(units > 0 && units < picture / 2, qPrintable(QString::number(units)));
        QVERIFY2(shown.onScreen() == shown.fullPaint(), qPrintable(QStringLiteral("asleep, frame %1").arg(frame)));
    }
    for (int frame : {0, 1, 2, 3, 0, 2, 1, 3}) {
        shown.show(QStringLiteral("18"), frame);
        QVERIFY2(shown.onScreen() == shown.fullPaint(), qPrintable(QStringLiteral("lunch, frame %1").arg(frame)));
    }
    Scene &scene = shown.scene;
    scene.setPropVisible(Prop::Bubble1, true);
    scene.setPropVisible(Prop::Bubble2, true);
    scene.moveProp(Prop::Bubble1, 8, 160);
    scene.moveProp(Prop::Bubble2, 128, 128);
    shown.show(QStringLiteral("31"), 0);
    for (int frame : {1, 0, 1, 1, 0}) {
        scene.moveProp(Prop::Bubble1, scene.prop(Prop::Bubble1).x + 3, scene.prop(Prop::Bubble1).y - 5);
        scene.moveProp(Prop::Bubble2, scene.prop(Prop::Bubble2).x - 1, scene.prop(Prop::Bubble2).y + 2);
        shown.show(QStringLiteral("31"), frame);
        QVERIFY2(shown.onScreen() == shown.fullPaint(), qPrintable(QStringLiteral("bath, frame %1").arg(frame)));
    }
}

// The squares' arithmetic. Guards against a changed pixel left out: one in the frame's last
// corner is the last square; at twice the size a pixel at odd coordinates is in the square of
// the window unit it falls in; a frame that ends in part of a square covers that part.
void TestLightness::changedSquaresCoverEveryChangedPixel()
{
    QImage strip(300, 220, QImage::Format_RGB32);
    strip.fill(Qt::white);
    const QRect a(0, 0, 150, 220), b(150, 0, 150, 220);
    QCOMPARE(PictureStore::changedSquares(strip, a, b, 1), QRegion());
    strip.setPixel(150 + 149, 219, qRgb(0, 0, 0));
    QCOMPARE(PictureStore::changedSquares(strip, a, b, 1), QRegion(140, 210, 10, 10));
    strip.setPixel(150 + 0, 0, qRgb(0, 0, 0));
    strip.setPixel(150 + 75, 100, qRgb(0, 0, 1));
    QCOMPARE(PictureStore::changedSquares(strip, a, b, 1),
             QRegion(140, 210, 10, 10) + QRegion(0, 0, 10, 10) + QRegion(70, 100, 10, 10));
    // Neighbouring squares in a row join into one rectangle.
    strip.setPixel(150 + 85, 101, qRgb(9, 9, 9));
    QCOMPARE(PictureStore::changedSquares(strip, a, b, 1).rectCount(), 3);

    QImage twice(600, 440, QImage::Format_ARGB32_Premultiplied);
    twice.fill(Qt::white);
    const QRect a2(0, 0, 300, 440), b2(300, 0, 300, 440);
    twice.setPixel(300 + 299, 439, qRgb(1, 0, 0));
    QCOMPARE(PictureStore::changedSquares(twice, a2, b2, 2), QRegion(140, 210, 10, 10));
    twice.setPixel(300 + 21, 19, qRgb(1, 0, 0));
    QCOMPARE(PictureStore::changedSquares(twice, a2, b2, 2), QRegion(140, 210, 10, 10) + QRegion(10, 0, 10, 10));

    QImage small(30, 7, QImage::Format_RGB32);
    small.fill(Qt::white);
    small.setPixel(15 + 14, 6, qRgb(0, 0, 0));
    QCOMPARE(PictureStore::changedSquares(small, QRect(0, 0, 15, 7), QRect(15, 0, 15, 7), 1), QRegion(10, 0, 5, 7));
}

// Fewer rectangles for a repaint. Guards that nothing asked for is left out and that joining stays
// cheap: a bubble's old and new places (three bands as a region) become one rectangle, squares
// one square apart join, but squares far apart stay apart rather than repaint what lies between.
void TestLightness::nearRectanglesJoinWithoutMuchMore()
{
    auto area = [](const QRegion &r) {
        qint64 a = 0;
        for (const QRect &x : r)
            a += qint64(x.width()) * x.height();
        return a;
    };
    const QRegion bubble = QRegion(8, 120, 24, 23) + QRegion(11, 115, 24, 23);
    QCOMPARE(bubble.rectCount(), 3);
    QCOMPARE(PictureStore::fewerRects(bubble), QRegion(8, 115, 27, 28));

    const QRegion near = QRegion(100, 30, 30, 10) + QRegion(100, 40, 40, 20) + QRegion(120, 60, 10, 10);
    const QRegion joined = PictureStore::fewerRects(near);
    QCOMPARE(joined.rectCount(), 1);
    QVERIFY(joined.contains(near.boundingRect()));

    const QRegion apart = QRegion(0, 0, 10, 10) + QRegion(140, 210, 10, 10) + QRegion(0, 130, 150, 10);
    const QRegion kept = PictureStore::fewerRects(apart);
    QCOMPARE(kept, apart);
    QCOMPARE(PictureStore::fewerRects(QRegion()), QRegion());

    // However many join, everything asked for is covered and the extra stays within the bound
    // for each join.
    QRegion squares;
    for (int i = 0; i < 12; ++i)
        squares += QRect((i * 37) % 140, (i * 53) % 210, 10, 10);
    const QRegion fewer = PictureStore::fewerRects(squares);
    QVERIFY((squares - fewer).isEmpty());
    QVERIFY(fewer.rectCount() <= squares.rectCount());
    QVERIFY(area(fewer) - area(squares) <= qint64(squares.rectCount() - 1) * PictureStore::kMergeWaste);
}

QTEST_MAIN(TestLightness)
#include "tst_lightness.moc"
