// The activities that presents, high friendship, visitors and the calendar bring: playing with
// each present, the flower, baking, fortune telling, the visits, the race and the festivals.
#include "everyday.h"

#include "steps.h"

using namespace steps;

namespace {

// Two frames in turn for the whole activity, from a strip of its own.
template <int Event> struct Simple;
#define SIMPLE(EV, STRIP, LEN, A, B, MS, CLEAR) \
    template <> struct Simple<EV> { \
        static void run(Player &e) \
        { \
            if (e.rt().step == 0) \
                return begin(e, LEN, STRIP, A, MS); \
            alternate(e, A, B, 0, 0, false, CLEAR); \
        } \
    };
SIMPLE(36, "36", 600, 0, 1, 1000, false)
SIMPLE(37, "37", 600, 0, 1, 2000, false)
SIMPLE(38, "38", 600, 0, 1, 1000, false)
SIMPLE(42, "42", 600, 0, 1, 2000, false)
SIMPLE(43, "43", 600, 0, 1, 1000, false)
SIMPLE(641, "62", 30, 0, 1, 500, true)
SIMPLE(652, "67", 600, 0, 1, 1000, true)
SIMPLE(653, "68", 600, 0, 1, 1000, true)
SIMPLE(1003, "s3", 0, 0, 1, 2000, false)
SIMPLE(1006, "s6", 0, 0, 1, 1000, false)
#undef SIMPLE

const GestureTable kWatering{0, 2000, 10, {{7, 9, 1, 500}, {10, 10, 2, 1500}}};
const GestureTable kComputer{0, 500, 3, {{1, 1, 2, 1000}, {2, 3, 1, 0}}};
const GestureTable kPainting{0, 1000, 5, {{1, 1, 2, 1500}, {2, 5, 1, 1000}}};
const GestureTable kAnimalA{0, 2000, 5, {{1, 1, -1, 0}, {2, 5, 1, 0}}};
const GestureTable kAnimalB{2, 1000, 5, {{1, 1, -1, 0}, {2, 5, 3, 0}}};
const GestureTable kCookiesCool{6, 1000, 5, {{1, 1, 7, 200}}};
const GestureTable kVisitA{1, 1000, 10, {{6, 7, 0, 500}, {8, 9, 2, 500}, {10, 10, -1, 0}}};
const GestureTable kVisitB{4, 1000, 10, {{6, 7, 3, 500}, {8, 9, 5, 500}, {10, 10, -1, 0}}};
const GestureTable kGardoArrives{0, 1000, 10, {{1, 1, 1, 100}}, 0, Activity::AskToPlay, true};
const GestureTable kNewYearA{2, 2000, 10, {{7, 9, 2, 500}, {10, 10, -1, 0}}};
const GestureTable kNewYearB{3, 2000, 10, {{7, 9, 3, 500}, {10, 10, -1, 0}}};
const GestureTable kBeansA{0, 2000, 10, {{7, 9, 1, 200}, {10, 10, -1, 0}}};
const GestureTable kBeansB{2, 2000, 10, {{7, 9, 3, 200}, {10, 10, -1, 0}}};
const GestureTable kCarpA{0, 2000, 5, {{1, 1, -1, 0}, {2, 5, 1, 1000}}};
const GestureTable kCarpB{2, 2000, 5, {{1, 1, -1, 0}, {2, 5, 3, 1000}}};

void playWithToyCar(Player &e)
{
    Runtime &rt = e.rt();
    switch (rt.step) {
    case 0:
        return begin(e, 600, "39", 0, 1000);
    case 1: // the car is put down and runs across the room again and again
        e.showFrame(1);
        e.ctx().scene.setPropVisible(Prop::ToyCar, true);
        e.startAnimation(Anim::ToyCar);
        e.setStepInterval(100);
        rt.step = 2;
        return;
    case 3:
        e.showFrame(2);
        e.setStepInterval(200);
        rt.step = 2;
        return;
    default:
        e.showFrame(1);
        e.setStepInterval(2000);
        rt.step = e.draw(5) == 1 ? 3 : 2;
        return;
    }
}

void wateringFlower(Player &e)
{
    if (e.rt().step == 0) {
        begin(e, 600, "40", 0, 100);
        e.showFlowerGrowth();
        e.ctx().scene.setPropVisible(Prop::Flower, true);
        e.ctx().scene.setPropVisible(Prop::Water, true);
        e.startAnimation(Anim::Water);
        return;
    }
    gestures(e, kWatering);
}

void flowerHope(Player &e)
{
    if (e.rt().step == 0) {
        begin(e, 600, "41", 0, 2000);
        e.stage().sayLines(Lines::FlowerHope);
        return;
    }
    alternate(e, 0, 1, 0, 0, false, false);
}

void usingComputer(Player &e)
{
    if (e.rt().step == 0) {
        begin(e, 600, "44", 0, 100);
        e.ctx().scene.setPropVisible(Prop::Computer, true);
        e.startAnimation(Anim::Computer);
        return;
    }
    gestures(e, kComputer);
}

template <int N> void painting(Player &e)
{
    if (e.rt().step == 0)
        return begin(e, 600, N == 45 ? "45" : "47", 0, 100);
    gestures(e, kPainting);
}

void watchingTv(Player &e)
{
    Runtime &rt = e.rt();
    if (rt.step == 0) {
        begin(e, 600, "46", 0, 100);
        e.ctx().scene.setPropVisible(Prop::Tv, true);
        e.startAnimation(Anim::Tv);
        return;
    }
    // The pet settles in front of the television; only the screen moves from now on.
    e.showFrame(1);
    e.setStepInterval(0);
    rt.step = 2;
}

void playingWithAnimals(Player &e)
{
    if (e.rt().step == 0)
        return begin(e, 600, "48", 0, 100);
    postures(e, kAnimalA, kAnimalB);
}

template <int N> void baking(Player &e)
{
    e.stage().lockPresentAndHobby();
    constexpr int first = (N - 491) * 2;
    if (e.rt().step == 0)
        return begin(e, N == 494 ? 600 : N == 495 ? 30 : 300, "49", N == 494 ? 6 : N == 495 ? 8 : first,
                     N == 494 ? 100 : N == 495 ? 2000 : 1000);
    if (N == 494)
        return gestures(e, kCookiesCool);
    if (N == 495)
        return alternate(e, 8, 9, 0, 0, false, false);
    alternate(e, first, first + 1, 0, 0, false, false);
}

void fortuneStart(Player &e)
{
    e.stage().lockPresentAndHobby();
    if (e.rt().step == 0) {
        begin(e, 30, "50", 0, 1000);
        e.stage().sayLines(Lines::FortuneStart);
        return;
    }
    alternate(e, 0, 1, 0, 0, false, false);
}

void fortuneGazing(Player &e)
{
    e.stage().lockPresentAndHobby();
    if (e.rt().step == 0)
        return begin(e, 60, "50", 2, 1000);
    alternate(e, 2, 3, 0, 0, false, false);
}

void fortuneResult(Player &e)
{
    e.stage().lockPresentAndHobby();
    if (e.rt().step == 0) {
        begin(e, 30, "50", 4, 0, 1);
        e.beep();
        e.stage().sayLines(Lines::FortuneResult);
    }
}

// The visitors' arrival and ガルド's walk: a pose, now and then the other frame.
template <int N> void arrival(Player &e)
{
    Runtime &rt = e.rt();
    if (rt.step == 0)
        return begin(e, N == 631 ? 60 : 600, N == 631 ? "60" : "69", 0, 1000);
    if (rt.step == 2) {
        e.showFrame(0);
        rt.step = 1;
        return;
    }
    e.showFrame(1);
    rt.stirred = 0;
    rt.step = e.draw(5) == 1 ? 2 : 1;
}

void friendsVisit(Player &e)
{
    if (e.rt().step == 0)
        return begin(e, 600, "61", 1, 100);
    postures(e, kVisitA, kVisitB, 1);
}

void raceStart(Player &e)
{
    Runtime &rt = e.rt();
    if (rt.step == 0)
        return begin(e, 5, "63", 0, 1000);
    if (rt.step == 1) {
        Scene &s = e.ctx().scene;
        e.showFrame(1);
        rt.stirred = 0;
        s.setPropVisible(Prop::BlueCar, true);
        s.setPropVisible(Prop::RivalCar, true);
        e.startAnimation(Anim::RaceStart);
        rt.step = 2;
    }
}

const std::vector<int> kRaceFrames{0, 1, 2, 3};
const std::vector<int> kRaceMs{500, 300, 500, 300};
const std::vector<bool> kRaceClears{true, true, false, false};

void raceRun(Player &e)
{
    Runtime &rt = e.rt();
    if (rt.step == 0) {
        begin(e, 100, "64", 0, 100);
        Scene &s = e.ctx().scene;
        s.moveProp(Prop::ToyCar, 40, s.prop(Prop::ToyCar).y);
        s.setPropVisible(Prop::ToyCar, true);
        e.startAnimation(Anim::RaceRun);
        return;
    }
    loop(e, kRaceFrames, kRaceMs, kRaceClears, 1);
}

void raceWon(Player &e)
{
    if (e.rt().step == 0) {
        begin(e, 30, "65", 0, 500);
        e.stage().sayLines(Lines::RaceWon);
        return;
    }
    alternate(e, 0, 1, 0, 0, false, false);
}

void gardoArrives(Player &e)
{
    if (e.rt().step == 0)
        return begin(e, 60, "66", 0, 100);
    gestures(e, kGardoArrives);
}

void newYear(Player &e)
{
    if (e.rt().step == 0)
        return begin(e, 0, "s1", 2, 100);
    postures(e, kNewYearA, kNewYearB);
}

void beanThrowing(Player &e)
{
    if (e.rt().step == 0)
        return begin(e, 0, "s2", 0, 100);
    postures(e, kBeansA, kBeansB);
}

void carpStreamers(Player &e)
{
    if (e.rt().step == 0)
        return begin(e, 0, "s4", 0, 100);
    postures(e, kCarpA, kCarpB);
}

// Moon viewing: the pet sits still; the pampas grass sways in the wind.
void moonViewing(Player &e)
{
    Runtime &rt = e.rt();
    if (rt.step == 0) {
        begin(e, 0, "s5", 0, 100);
        e.ctx().scene.setPropVisible(Prop::Grass, true);
        e.startAnimation(Anim::Grass);
        return;
    }
    e.showFrame(0);
    e.setStepInterval(e.draw(5) == 1 ? 200 : 2000);
    rt.step = 1;
}

} // namespace

void registerHobbyEvents(EventTable &t)
{
    auto at = [&t](Activity a) -> EventProc & { return t[size_t(number(a))]; };
    at(Activity::PlayingWithDoll) = Simple<36>::run;
    at(Activity::DressingDoll) = Simple<37>::run;
    at(Activity::BuildingToyCar) = Simple<38>::run;
    at(Activity::RunningToyCar) = playWithToyCar;
    at(Activity::WateringFlower) = wateringFlower;
    at(Activity::WaitingForSprouts) = flowerHope;
    at(Activity::PlayingSolitaire) = Simple<42>::run;
    at(Activity::PlayingViolin) = Simple<43>::run;
    at(Activity::UsingComputer) = usingComputer;
    at(Activity::Painting) = painting<45>;
    at(Activity::WatchingTv) = watchingTv;
    at(Activity::MakingWreath) = painting<47>;
    at(Activity::PettingAnimal) = playingWithAnimals;
    at(Activity::BakingFirst) = baking<491>;
    at(Activity::BakingSecond) = baking<492>;
    at(Activity::BakingThird) = baking<493>;
    at(Activity::BakingFourth) = baking<494>;
    at(Activity::CookiesDone) = baking<495>;
    at(Activity::FortuneStart) = fortuneStart;
    at(Activity::FortuneGazing) = fortuneGazing;
    at(Activity::FortuneResult) = fortuneResult;
    at(Activity::FriendsArrive) = arrival<631>;
    at(Activity::FriendsVisit) = friendsVisit;
    at(Activity::RaceDay) = Simple<641>::run;
    at(Activity::RaceStart) = raceStart;
    at(Activity::RaceRun) = raceRun;
    at(Activity::RaceWon) = raceWon;
    at(Activity::GardoArrives) = gardoArrives;
    at(Activity::GardoVisitFirst) = Simple<652>::run;
    at(Activity::GardoVisitSecond) = Simple<653>::run;
    at(Activity::GardoVisitThird) = arrival<654>;
    at(Activity::NewYear) = newYear;
    at(Activity::BeanThrowing) = beanThrowing;
    at(Activity::DollFestival) = Simple<1003>::run;
    at(Activity::CarpStreamers) = carpStreamers;
    at(Activity::MoonViewing) = moonViewing;
    at(Activity::Christmas) = Simple<1006>::run;
}
