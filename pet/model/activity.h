// Every activity of the pet, by name. An activity keeps the number it has always had: the trace
// prints it, the click lines and the pictures' strips are found by it, and the current activity
// is kept as that number (Runtime::activity), since whole runs of them are read as one (the four
// ways of sleeping, the stages of baking).
#pragma once

#include <QtGlobal>

enum class Activity : qint16 {
    FirstMeeting = 0,
    // Chatting: 1-2 at high friendship, 3-4 at middle, 5-6 at low.
    FondChatFirst = 1,
    FondChatSecond = 2,
    PlainChatFirst = 3,
    PlainChatSecond = 4,
    AwkwardChatFirst = 5,
    AwkwardChatSecond = 6,
    // The four ways of sleeping; a click in them stirs or wakes the pet.
    SleepOnBack = 7,
    SleepHandOut = 8,
    SleepSprawled = 9,
    SleepWithDoll = 10,
    WakeCheerfully = 11,
    WakeGrumpily = 12,
    WakeSlowly = 13,
    ChangeClothes = 14,
    WashFace = 15,
    GroomingFirst = 161,
    GroomingSecond = 162,
    GroomingThird = 163,
    MorningChoreFirst = 171,
    MorningChoreSecond = 172,
    MealFirst = 18,
    MealSecond = 19,
    Sweets = 20,
    AfternoonSweets = 21,
    AfterMealSnack = 221,
    AfterMealStretch = 222,
    RestDriftingFirst = 23,
    RestStretching = 24,
    RestDriftingSecond = 25,
    Studying = 26,
    Reading = 27,
    ReadingLyingDown = 28,
    ListeningToMusic = 29,
    ListeningLyingDown = 30,
    BathFirst = 31,
    BathSecond = 32,
    BathThird = 33,
    AfterBath = 34,
    Sleepy = 35,
    PlayingWithDoll = 36,
    DressingDoll = 37,
    BuildingToyCar = 38,
    RunningToyCar = 39,
    WateringFlower = 40,
    WaitingForSprouts = 41,
    PlayingSolitaire = 42,
    PlayingViolin = 43,
    UsingComputer = 44,
    Painting = 45,
    WatchingTv = 46,
    MakingWreath = 47,
    PettingAnimal = 48,
    // Baking, stage by stage, then the cookies done.
    BakingFirst = 491,
    BakingSecond = 492,
    BakingThird = 493,
    BakingFourth = 494,
    CookiesDone = 495,
    FortuneStart = 501,
    FortuneGazing = 502,
    FortuneResult = 503,
    AskStudyQuestion = 51,
    GoodNight = 52,
    ReadingInBed = 53,
    WokenAtNight = 54,
    UndressForBath = 55,
    PleasedByAnswer = 56,
    SulkingAtAnswer = 57,
    AskMusicQuestion = 58,
    AskBookQuestion = 59,
    AskToPlay = 60,
    SeeUserOff = 61,
    WelcomeUserBack = 62,
    FriendsArrive = 631,
    FriendsVisit = 632,
    RaceDay = 641,
    RaceStart = 642,
    RaceRun = 643,
    RaceWon = 644,
    GardoArrives = 651,
    GardoVisitFirst = 652,
    GardoVisitSecond = 653,
    GardoVisitThird = 654,
    NewYear = 1001,
    BeanThrowing = 1002,
    DollFestival = 1003,
    CarpStreamers = 1004,
    MoonViewing = 1005,
    Christmas = 1006,
};

// The number an activity is known by.
constexpr qint16 number(Activity a) { return qint16(a); }
// The activity n more along a run of numbered ones (the sleeps, the meals, the baking stages).
constexpr Activity offset(Activity a, int n) { return Activity(qint16(int(a) + n)); }

// Runs of activities read as one, by the current activity's number.
constexpr bool isBetween(qint16 n, Activity first, Activity last) { return n >= number(first) && n <= number(last); }
constexpr bool isSleeping(qint16 n) { return isBetween(n, Activity::SleepOnBack, Activity::SleepWithDoll); }
constexpr bool isChatting(qint16 n) { return isBetween(n, Activity::FondChatFirst, Activity::AwkwardChatSecond); }
constexpr bool isResting(qint16 n) { return isBetween(n, Activity::RestDriftingFirst, Activity::RestDriftingSecond); }
constexpr bool isBakingOrFortuneTelling(qint16 n)
{
    return isBetween(n, Activity::BakingFirst, Activity::CookiesDone)
           || isBetween(n, Activity::FortuneStart, Activity::FortuneResult);
}
