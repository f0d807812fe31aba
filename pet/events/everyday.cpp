// The pet's everyday activities: the first meeting, chatting, sleeping and waking, the morning
// and evening routine, meals and sweets, rest, study, reading, music, the bath, bedtime, the
// questions it asks and the house-sitting greetings.
#include "everyday.h"

#include "steps.h"

using namespace steps;

namespace {

const GestureTable kChat1{0, 2000, 10, {{8, 8, 1, 500}, {9, 9, 2, 500}, {10, 10, 3, 1000}}, 200, Activity::AskToPlay};
const GestureTable kChat2{0, 2000, 10, {{7, 8, 1, 200}, {9, 9, 2, 500}, {10, 10, 3, 500}}, 200, Activity::AskToPlay};
const GestureTable kChat4{0, 2000, 10, {{7, 9, 1, 200}, {10, 10, 2, 1000}}, 200, Activity::AskToPlay};
const GestureTable kChat6{0, 2000, 10, {{9, 10, 1, 5000}}, 200, Activity::AskToPlay};
const GestureTable kWave{0, 2000, 10, {{7, 9, 1, 200}, {10, 10, 2, 1000}}}; // 0, 11, 61
const GestureTable kReport{0, 2000, 10, {{8, 8, 1, 500}, {9, 9, 2, 500}, {10, 10, 3, 1000}}}; // 56
const GestureTable kAskMusic{0, 2000, 10, {{7, 8, 1, 200}, {9, 9, 2, 500}, {10, 10, 3, 500}}}; // 58, 62
const GestureTable kSweets{0, 1000, 5, {{1, 1, 2, 1500}, {2, 5, 1, 1000}}};   // 20, 21
const GestureTable kSleepy{1, 2000, 5, {{1, 1, 0, 1000}}};                    // 35
const GestureTable kAskStudy{1, 2000, 10, {{1, 7, 0, 500}, {8, 10, 2, 200}}}; // 51
const GestureTable kGoodNight{0, 2000, 10, {{1, 7, 1, 500}, {8, 10, 2, 200}}}; // 52
const GestureTable kBedBook{0, 2000, 10, {{8, 9, 1, 200}, {10, 10, 2, 1000}}}; // 53

// Reading: posture A on frames 0-2, posture B on frames 3-5.
const GestureTable kReadA{0, 2000, 10, {{6, 7, 1, 200}, {8, 9, 1, 1000}, {10, 10, -1, 0}}};
const GestureTable kReadB{3, 2000, 10, {{6, 7, 4, 200}, {8, 9, 5, 1000}, {10, 10, -1, 0}}};
// Music: posture A on frame 0 (gesture 2), posture B on frame 1 (gesture 3).
const GestureTable kMusicA{0, 2000, 10, {{7, 9, 2, 200}, {10, 10, -1, 0}}};
const GestureTable kMusicB{1, 2000, 10, {{7, 9, 3, 200}, {10, 10, -1, 0}}};

void firstMeeting(Player &e)
{
    if (e.rt().step == 0) {
        begin(e, 30, "4", 0, 100);
        e.stage().sayLines(Lines::FirstMeeting);
        return;
    }
    gestures(e, kWave);
}

template <const GestureTable &T, int N> void chat(Player &e)
{
    if (e.rt().step == 0)
        return begin(e, 300, N == 1 ? "1" : N == 2 ? "2" : N == 4 ? "4" : "6", 0, 100);
    gestures(e, T);
}

void heldChat(Player &e, const char *strip)
{
    if (e.rt().step == 0)
        return begin(e, 300, strip, 0, 100);
    heldPose(e, 2000, 200, 2000, 200, Activity::AskToPlay);
}
void chatting3(Player &e) { heldChat(e, "3"); }
void chatting5(Player &e) { heldChat(e, "5"); }

// Sleeping: breathing frames in turn; step 3 is the stir after a first click.
void sleeping(Player &e, const char *strip)
{
    Runtime &rt = e.rt();
    switch (rt.step) {
    case 0:
        return begin(e, 0, strip, 0, 2000);
    case 3:
        e.showFrame(2);
        e.setStepInterval(3000);
        rt.step = 1;
        return;
    default:
        return alternate(e, 0, 1);
    }
}
void sleepA(Player &e) { sleeping(e, "7"); }
void sleepB(Player &e) { sleeping(e, "8"); }
void sleepHappy(Player &e) { sleeping(e, "9"); }
void sleepWithDoll(Player &e) { sleeping(e, "10"); }

void wakeCheerfully(Player &e)
{
    if (e.rt().step == 0) {
        begin(e, 300, "11", 0, 100);
        return openingLines(e, Lines::GoodMorning);
    }
    gestures(e, kWave);
}

void wakeGrumpily(Player &e)
{
    if (e.rt().step == 0)
        return begin(e, 300, "12", 0, 500);
    alternate(e, 0, 1);
}

// Waking slowly: two rests, each with a stretch now and then.
void wakeSlowly(Player &e)
{
    Runtime &rt = e.rt();
    switch (rt.step) {
    case 0:
        begin(e, 300, "13", 1, 100);
        return openingLines(e, Lines::GoodMorning);
    case 2: // rest B
        e.showFrame(0);
        e.setStepInterval(2000);
        if (e.draw(3) == 1)
            rt.step = e.draw(10) <= 7 ? 1 : 4;
        return;
    case 3: // stretch of rest A
        e.showFrame(3);
        e.setStepInterval(500);
        rt.step = 1;
        return;
    case 4: // stretch of rest B
        e.showFrame(2);
        e.setStepInterval(500);
        rt.step = 2;
        return;
    default: // rest A
        e.showFrame(1);
        e.setStepInterval(2000);
        rt.step = 1;
        if (e.draw(3) == 1)
            rt.step = e.draw(10) <= 7 ? 2 : 3;
        return;
    }
}

const std::vector<int> kChange{0, 1, 0, 1, 2, 3, 2, 3};
const std::vector<int> kUndress{2, 3, 2, 3, 0, 1, 0, 1};
const std::vector<bool> kOddClears{true, false, true, false, true, false, true, false};

void changeClothes(Player &e)
{
    if (e.rt().step == 0) {
        e.rt().stirred = 0;
        return begin(e, 60, "14", kChange[0], 500);
    }
    loop(e, kChange, {}, kOddClears);
}

void undressForBath(Player &e)
{
    if (e.rt().step == 0) {
        e.rt().stirred = 0;
        return begin(e, 60, "14", kUndress[0], 500);
    }
    loop(e, kUndress, {}, kOddClears);
}

void washFace(Player &e)
{
    if (e.rt().step == 0)
        return begin(e, 60, "15", 0, 500);
    alternate(e, 0, 1);
}

template <int First> void grooming(Player &e)
{
    if (e.rt().step == 0)
        return begin(e, 20, "16", First, 500);
    alternate(e, First, First + 1);
}

void morningChoreA(Player &e)
{
    if (e.rt().step == 0)
        return begin(e, 270, "17", 0, 1000);
    alternate(e, 0, 1);
}

void morningChoreB(Player &e)
{
    if (e.rt().step == 0)
        return begin(e, 30, "17", 2, 500);
    alternate(e, 2, 3);
}

void mealA(Player &e)
{
    if (e.rt().step == 0)
        return begin(e, 1200, "18", 0, 100);
    heldPose(e, 1000, 500, 1000);
}

void mealB(Player &e)
{
    Runtime &rt = e.rt();
    switch (rt.step) {
    case 0:
        return begin(e, 1200, "19", 0, 100);
    case 2:
        e.showFrame(3);
        e.setStepInterval(1500);
        rt.step = 1;
        return;
    case 3:
        e.showFrame(1);
        e.setStepInterval(500);
        rt.step = 4;
        return;
    case 4:
        e.showFrame(2);
        e.setStepInterval(1000);
        rt.step = e.draw(5) == 1 ? 1 : 3;
        return;
    default:
        e.showFrame(0);
        e.setStepInterval(500);
        rt.step = e.draw(2) == 1 ? 2 : 3;
        return;
    }
}

template <int N> void sweets(Player &e)
{
    if (e.rt().step == 0)
        return begin(e, 1200, N == 20 ? "20" : "21", 0, 100);
    gestures(e, kSweets);
}

void afterMealSnack(Player &e)
{
    Runtime &rt = e.rt();
    switch (rt.step) {
    case 0:
        return begin(e, 270, "22", 0, 100);
    case 2: // a bite
        e.showFrame(1);
        e.setStepInterval(500);
        rt.step = 1;
        return;
    case 3: // the pose
        e.showFrame(2);
        e.setStepInterval(500);
        rt.step = e.draw(5) == 1 ? 1 : 4;
        return;
    case 4:
        e.showFrame(3);
        e.setStepInterval(500);
        rt.step = 3;
        return;
    default:
        e.showFrame(0);
        e.setStepInterval(500);
        rt.step = e.draw(5) == 1 ? 3 : 2;
        return;
    }
}

void afterMealStretch(Player &e)
{
    if (e.rt().step == 0)
        return begin(e, 30, "22", 4, 1000);
    alternate(e, 4, 5, 1000, 2000);
}

template <int N> void restDrift(Player &e)
{
    if (e.rt().step == 0)
        return begin(e, 0, N == 23 ? "23" : "25", 0, 3000);
    drift(e, 200, Activity::AskToPlay);
}

void restStretching(Player &e)
{
    Runtime &rt = e.rt();
    switch (rt.step) {
    case 0:
        return begin(e, 0, "24", 0, 1000);
    case 1:
        e.showFrame(1);
        if (e.switchByChance(e.draw(200), Activity::AskToPlay))
            return;
        e.setStepInterval(500);
        rt.step = 2;
        return;
    case 2:
        e.showFrame(0);
        e.setStepInterval(1500);
        rt.step = 3;
        return;
    default:
        e.showFrame(0);
        e.setStepInterval(1000);
        rt.step = 1;
        return;
    }
}

// Studying: the Hobby button stays greyed; now and then the pet asks the user a study question.
void studying(Player &e)
{
    Runtime &rt = e.rt();
    e.stage().greyHobby();
    switch (rt.step) {
    case 0:
        return begin(e, 0, "26", 0, 500);
    case 1: {
        e.showFrame(1);
        if (!rt.userAway() && rt.talkState == Talk::None && e.draw(150) == 1) {
            e.restartCountdown();
            e.startActivity(Activity::AskStudyQuestion);
            return;
        }
        rt.step = e.draw(10) == 1 ? 2 : 3;
        return;
    }
    case 2: // a long think
        e.showFrame(2);
        e.setStepInterval(3000);
        rt.step = 1;
        return;
    default:
        e.showFrame(0);
        rt.step = 1;
        return;
    }
}

// The first step of reading and music: its length, and either its opening lines or, when the
// question window started it, the question's own reply already shown.
void tasteBegin(Player &e, const char *strip, int firstMs, Lines lines, bool music)
{
    Runtime &rt = e.rt();
    const bool asked = rt.replyShown == 1;
    begin(e, asked && music ? 0 : 1200, strip, 0, firstMs);
    if (asked)
        rt.replyShown = 0;
    else
        openingLines(e, lines);
}

template <int N> void reading(Player &e)
{
    if (e.rt().step == 0)
        return tasteBegin(e, N == number(Activity::Reading) ? "27" : "28", 100, Lines::Reading, false);
    postures(e, kReadB, kReadA, 0, 150, Activity::AskBookQuestion);
}

void listeningToMusic(Player &e)
{
    if (e.rt().step == 0)
        return tasteBegin(e, "29", 100, Lines::Music, true);
    postures(e, kMusicB, kMusicA, 0, 150, Activity::AskMusicQuestion);
}

void listeningLyingDown(Player &e)
{
    if (e.rt().step == 0)
        return tasteBegin(e, "30", 3000, Lines::Music, true);
    drift(e, 150, Activity::AskMusicQuestion);
}

template <int N> void bath(Player &e)
{
    if (e.rt().step == 0) {
        const char *strip = N == 31 ? "31" : N == 32 ? "32" : "33";
        const int ms = N == 31 ? 1500 : N == 32 ? 1000 : 2000;
        begin(e, 1800, strip, 0, ms);
        if (N == 31)
            e.startBubbles(8, 160, 128, 128);
        else if (N == 32)
            e.startBubbles(8, 136, 128, 48);
        else
            e.startBubbles(8, 120, 128, 32);
        return openingLines(e, Lines::Bath);
    }
    if (N == 31)
        alternate(e, 0, 1, 1500, 1000, false, false);
    else
        alternate(e, 0, 1, 0, 0, false, false);
}

void afterBath(Player &e)
{
    if (e.rt().step == 0)
        return begin(e, 300, "34", 0, 1000);
    alternate(e, 0, 1, 0, 0, false, false);
}

void sleepy(Player &e)
{
    if (e.rt().step == 0)
        return begin(e, 600, "35", 1, 100);
    gestures(e, kSleepy);
}

void askStudyQuestion(Player &e)
{
    if (e.rt().step == 0) {
        begin(e, 60, "51", 1, 100);
        e.beep();
        e.stage().askQuestion(Question::Study);
        e.ctx().memory.addFriendship(-10);
        return;
    }
    gestures(e, kAskStudy);
}

void goodNight(Player &e)
{
    if (e.rt().step == 0) {
        begin(e, 30, "52", 0, 100);
        e.stage().sayLines(Lines::GoodNight);
        return;
    }
    gestures(e, kGoodNight);
}

void readingInBed(Player &e)
{
    if (e.rt().step == 0)
        return begin(e, 600, "53", 0, 100);
    gestures(e, kBedBook);
}

// Woken at night: a few sleepy blinks, then back to sleep; the night's countdown runs on.
void wokenAtNight(Player &e)
{
    Runtime &rt = e.rt();
    if (rt.step == 0) {
        e.showStrip(QStringLiteral("12"));
        e.showFrame(0);
        e.setStepInterval(500);
        rt.step = 1;
        return;
    }
    if (rt.step <= 4) {
        e.showFrame(rt.step % 2 == 1 ? 1 : 0);
        rt.step += 1;
        return;
    }
    // Back to the sleep it was woken from; the plainest one comes back as either of the first two.
    const qint16 k = rt.sleepActivity;
    const Activity again = isSleeping(k) && k != number(Activity::SleepOnBack)
                               ? Activity(k)
                               : offset(Activity::SleepOnBack, e.draw(2) - 1);
    rt.step = 0;
    e.startActivity(again);
}

void pleasedByAnswer(Player &e)
{
    if (e.rt().step == 0) {
        begin(e, 30, "1", 0, 100);
        e.stage().sayLines(Lines::AnswerReport);
        return;
    }
    gestures(e, kReport);
}

void sulkingAtAnswer(Player &e)
{
    if (e.rt().step == 0) {
        begin(e, 30, "5", 0, 100);
        e.stage().sayLines(Lines::AnswerReport);
        return;
    }
    heldPose(e, 2000, 200, 2000);
}

void askMusicQuestion(Player &e)
{
    if (e.rt().step == 0) {
        begin(e, 60, "2", 0, 100);
        e.beep();
        e.stage().askQuestion(Question::Music);
        e.ctx().memory.addFriendship(-10);
        return;
    }
    gestures(e, kAskMusic);
}

template <Question Kind> void askHeld(Player &e)
{
    if (e.rt().step == 0) {
        begin(e, 60, "3", 0, 100);
        e.beep();
        e.stage().askQuestion(Kind);
        e.ctx().memory.addFriendship(-10);
        return;
    }
    heldPose(e, 2000, 200, 2000);
}

void seeUserOff(Player &e)
{
    if (e.rt().step == 0) {
        begin(e, 30, "4", 0, 100);
        e.stage().sayLines(Lines::SeeOff);
        return;
    }
    gestures(e, kWave);
}

void welcomeUserBack(Player &e)
{
    if (e.rt().step == 0) {
        begin(e, 30, "2", 0, 100);
        e.stage().sayLines(Lines::WelcomeBack);
        return;
    }
    gestures(e, kAskMusic);
}

} // namespace

void registerEverydayEvents(EventTable &t)
{
    auto at = [&t](Activity a) -> EventProc & { return t[size_t(number(a))]; };
    at(Activity::FirstMeeting) = firstMeeting;
    at(Activity::FondChatFirst) = chat<kChat1, 1>;
    at(Activity::FondChatSecond) = chat<kChat2, 2>;
    at(Activity::PlainChatFirst) = chatting3;
    at(Activity::PlainChatSecond) = chat<kChat4, 4>;
    at(Activity::AwkwardChatFirst) = chatting5;
    at(Activity::AwkwardChatSecond) = chat<kChat6, 6>;
    at(Activity::SleepOnBack) = sleepA;
    at(Activity::SleepHandOut) = sleepB;
    at(Activity::SleepSprawled) = sleepHappy;
    at(Activity::SleepWithDoll) = sleepWithDoll;
    at(Activity::WakeCheerfully) = wakeCheerfully;
    at(Activity::WakeGrumpily) = wakeGrumpily;
    at(Activity::WakeSlowly) = wakeSlowly;
    at(Activity::ChangeClothes) = changeClothes;
    at(Activity::WashFace) = washFace;
    at(Activity::GroomingFirst) = grooming<0>;
    at(Activity::GroomingSecond) = grooming<2>;
    at(Activity::GroomingThird) = grooming<4>;
    at(Activity::MorningChoreFirst) = morningChoreA;
    at(Activity::MorningChoreSecond) = morningChoreB;
    at(Activity::MealFirst) = mealA;
    at(Activity::MealSecond) = mealB;
    at(Activity::Sweets) = sweets<20>;
    at(Activity::AfternoonSweets) = sweets<21>;
    at(Activity::AfterMealSnack) = afterMealSnack;
    at(Activity::AfterMealStretch) = afterMealStretch;
    at(Activity::RestDriftingFirst) = restDrift<23>;
    at(Activity::RestStretching) = restStretching;
    at(Activity::RestDriftingSecond) = restDrift<25>;
    at(Activity::Studying) = studying;
    at(Activity::Reading) = reading<27>;
    at(Activity::ReadingLyingDown) = reading<28>;
    at(Activity::ListeningToMusic) = listeningToMusic;
    at(Activity::ListeningLyingDown) = listeningLyingDown;
    at(Activity::BathFirst) = bath<31>;
    at(Activity::BathSecond) = bath<32>;
    at(Activity::BathThird) = bath<33>;
    at(Activity::AfterBath) = afterBath;
    at(Activity::Sleepy) = sleepy;
    at(Activity::AskStudyQuestion) = askStudyQuestion;
    at(Activity::GoodNight) = goodNight;
    at(Activity::ReadingInBed) = readingInBed;
    at(Activity::WokenAtNight) = wokenAtNight;
    at(Activity::UndressForBath) = undressForBath;
    at(Activity::PleasedByAnswer) = pleasedByAnswer;
    at(Activity::SulkingAtAnswer) = sulkingAtAnswer;
    at(Activity::AskMusicQuestion) = askMusicQuestion;
    at(Activity::AskBookQuestion) = askHeld<Question::Book>;
    at(Activity::AskToPlay) = askHeld<Question::Play>;
    at(Activity::SeeUserOff) = seeUserOff;
    at(Activity::WelcomeUserBack) = welcomeUserBack;
}
