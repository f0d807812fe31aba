// The pictures the pet's activities really show, found by playing every activity: each strip must
// be wide enough for the highest frame any step shows, and every prop picture the scene can put
// over the pet must be installed. The frame counts come from the events themselves, so a new
// gesture in an event cannot outgrow its strip unnoticed.
#include "petfixture.h"

#include "pet/dialogs/questions.h"
#include "pet/events/events.h"

#include <QImage>
#include <QImageReader>
#include <QtTest>

namespace {

struct ShownPictures {
    QMap<QString, int> highestFrame;   // strip name -> highest frame shown
    QMap<QString, QList<int>> byStrip; // strip name -> events that showed it
    QSet<QString> props;               // prop picture names shown
};

constexpr int kSteps = 400;

// The props' animations, each a step the engine's timer would run.
const std::pair<Anim, void (Engine::*)()> kAnimations[] = {
    {Anim::Bubbles, &Engine::bubbleStep},       {Anim::Water, &Engine::waterStep},
    {Anim::Tv, &Engine::tvStep},         {Anim::Computer, &Engine::computerStep},
    {Anim::Grass, &Engine::grassStep}, {Anim::ToyCar, &Engine::toyCarStep},
    {Anim::RaceStart, &Engine::raceStartStep},   {Anim::RaceRun, &Engine::raceRunStep}};

void record(const Scene &s, qint16 event, ShownPictures &out)
{
    if (!s.strip().isEmpty()) {
        int &h = out.highestFrame[s.strip()];
        h = qMax(h, s.frame());
        QList<int> &events = out.byStrip[s.strip()];
        if (!events.contains(event))
            events << event;
    }
    for (int i = 0; i < int(Prop::Count); ++i) {
        const PropState &p = s.prop(Prop(i));
        if (p.visible)
            out.props.insert(propPictureName(Prop(i), p.picture));
    }
}

// Plays event n for a few hundred steps. Only the state after a whole step counts: a step that
// loads a strip and then sets a frame never shows the old frame on the new strip.
void play(qint16 n, ShownPictures &out, qint16 flowerDay = 0, qint16 flowerKind = 0)
{
    PetFixture f(ordinaryDay(10, 0), PetFixture::Seeded, quint64(1000 + n * 7 + flowerDay + flowerKind));
    f.returning();
    for (int i = 1; i <= 9; ++i)
        f.mem().Item[size_t(i)] = 3;
    f.mem().Loveval = 100; // the opening lines run too
    f.mem().Flowerday = flowerDay;
    f.mem().Flowekind = flowerKind;
    // A question would replace the activity; hold the questions back so every step is reached.
    f.pet->questions().gameBegun();
    Engine &e = f.engine();
    e.startActivity(Activity(n));
    record(f.scene(), f.rt().activity, out);
    const bool sleeping = n >= 7 && n <= 10;
    for (int step = 0; step < kSteps; ++step) {
        if (sleeping && step == kSteps / 2)
            e.disturbSleep(); // a first click: the pet stirs
        else
            e.playStep();
        record(f.scene(), f.rt().activity, out);
        for (auto [anim, step] : kAnimations)
            if (e.animationRunning(anim))
                (e.*step)();
        record(f.scene(), f.rt().activity, out);
    }
}

const ShownPictures &shown()
{
    static const ShownPictures all = [] {
        ShownPictures s;
        for (qint16 n : eventNumbers())
            play(n, s);
        // The flower grows over the days: a sprout, a bud, a plant, then one of five blossoms.
        for (qint16 day : {0, 3, 6})
            play(40, s, day);
        for (qint16 kind = 1; kind <= 5; ++kind)
            play(40, s, 10, kind);
        return s;
    }();
    return all;
}

QString gif(const QString &name) { return QStringLiteral(TOBBERLY_BIN_DIR "/gif/") + name + QStringLiteral(".gif"); }

} // namespace

class TestEventFrames : public QObject
{
    Q_OBJECT
private slots:
    // A strip narrower than the highest frame its events show leaves the pet blank at that step;
    // a wrong height or see-through background tears the picture; two neighbouring frames that
    // are copies freeze the pet where it should move.
    void everyStripHoldsTheFramesItsEventsShow_data()
    {
        QTest::addColumn<QString>("strip");
        QTest::addColumn<int>("highest");
        QTest::addColumn<QString>("events");
        const ShownPictures &s = shown();
        for (auto it = s.highestFrame.cbegin(); it != s.highestFrame.cend(); ++it) {
            QStringList events;
            for (int n : s.byStrip.value(it.key()))
                events << QString::number(n);
            QTest::newRow(qPrintable(it.key())) << it.key() << it.value() << events.join(u',');
        }
    }
    void everyStripHoldsTheFramesItsEventsShow()
    {
        QFETCH(QString, strip);
        QFETCH(int, highest);
        QFETCH(QString, events);
        QImageReader reader(gif(QStringLiteral("pimmo") + strip));
        const QSize size = reader.size();
        QVERIFY2(size.isValid(), qPrintable(reader.fileName() + u' ' + reader.errorString()));
        QCOMPARE(size.height(), 220);
        QVERIFY2(size.width() >= 150 * (highest + 1),
                 qPrintable(QStringLiteral("events %1 show frame %2 but the strip is %3 wide")
                                .arg(events).arg(highest).arg(size.width())));
        const QImage image = reader.read();
        QVERIFY(!image.isNull());
        QVERIFY(!image.hasAlphaChannel() || image.pixelColor(0, 0).alpha() == 255);
        for (int f = 1; f <= highest; ++f)
            QVERIFY2(image.copy(150 * f, 0, 150, 220) != image.copy(150 * (f - 1), 0, 150, 220),
                     qPrintable(QStringLiteral("frame %1 repeats frame %2").arg(f).arg(f - 1)));
    }

    // The playing must reach the pictures that change by chance or by day (every flower stage,
    // every television and computer screen, both pampas pictures), or the check below would
    // pass without looking at them.
    void playingReachesEveryChangingProp()
    {
        const QSet<QString> &props = shown().props;
        QStringList expected;
        for (int i = 1; i <= 8; ++i)
            expected << QStringLiteral("flower%1").arg(i);
        for (int i = 1; i <= 5; ++i)
            expected << QStringLiteral("tv%1").arg(i);
        for (int i = 1; i <= 4; ++i)
            expected << QStringLiteral("comp%1").arg(i);
        expected << QStringLiteral("susuki1") << QStringLiteral("susuki2") << QStringLiteral("water")
                 << QStringLiteral("mini4wd") << QStringLiteral("berg") << QStringLiteral("othermachine")
                 << QStringLiteral("awa1") << QStringLiteral("awa2");
        for (const QString &name : expected)
            QVERIFY2(props.contains(name), qPrintable(name));
    }

    // A prop picture the scene can show but the installation lacks leaves a hole over the pet.
    void everyPropPictureTheSceneShowsExists()
    {
        for (const QString &name : shown().props) {
            const QImage image(gif(name));
            QVERIFY2(!image.isNull(), qPrintable(name));
            const PropPlace place = propDesignPlace([&] {
                for (int i = 0; i < int(Prop::Count); ++i)
                    for (int k = 1; k <= 8; ++k)
                        if (propPictureName(Prop(i), k) == name)
                            return Prop(i);
                return Prop::Count;
            }());
            QCOMPARE(image.size(), QSize(place.w, place.h));
        }
    }
};

QTEST_GUILESS_MAIN(TestEventFrames)
#include "tst_eventframes.moc"
