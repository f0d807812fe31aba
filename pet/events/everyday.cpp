// The pet's everyday activities: the first meeting, chatting, sleeping and waking, the morning
// and evening routine, meals and sweets, rest, study, reading, music, the bath, bedtime, the
// questions it asks and the house-sitting greetings.
#include "everyday.h"

#include "pet/core/presentation.h"
#include "pet/core/buttons.h"
#include "steps.h"

using namespace steps;

namespace {

const GestureTable kChat1{0, 2000, 10, {{8, 8, 1, 500}, {9, 9, 2, 500}, {10, 10, 3, 1000}}, 200, 60};
const GestureTable kChat2{0, 2000, 10, {{7, 8, 1, 200}, {9, 9, 2, 500}, {10, 10, 3, 500}}, 200, 60};
const GestureTable kChat4{0, 2000, 10, {{7, 9, 1, 200}, {10, 10, 2, 1000}}, 200, 60};
const GestureTable kChat6{0, 2000, 10, {{9, 10, 1, 5000}}, 200, 60};
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

void ibent0(Engine &e)
{
    if (e.rt().Ibentstep == 0) {
        begin(e, 30, "4", 0, 100);
        e.ctx().presentation->Callfun2(2);
        return;
    }
    gestures(e, kWave);
}

template <const GestureTable &T, int N> void chat(Engine &e)
{
    if (e.rt().Ibentstep == 0)
        return begin(e, 300, N == 1 ? "1" : N == 2 ? "2" : N == 4 ? "4" : "6", 0, 100);
    gestures(e, T);
}

void heldChat(Engine &e, const char *strip)
{
    if (e.rt().Ibentstep == 0)
        return begin(e, 300, strip, 0, 100);
    heldPose(e, 2000, 200, 2000, 200, 60);
}
void ibent3(Engine &e) { heldChat(e, "3"); }
void ibent5(Engine &e) { heldChat(e, "5"); }

// Sleeping: breathing frames in turn; step 3 is the stir after a first click.
void sleeping(Engine &e, const char *strip)
{
    Runtime &rt = e.rt();
    switch (rt.Ibentstep) {
    case 0:
        return begin(e, 0, strip, 0, 2000);
    case 3:
        e.Setframe(2);
        e.Setibenttimer(3000);
        rt.Ibentstep = 1;
        return;
    default:
        return alternate(e, 0, 1);
    }
}
void ibent7(Engine &e) { sleeping(e, "7"); }
void ibent8(Engine &e) { sleeping(e, "8"); }
void ibent9(Engine &e) { sleeping(e, "9"); }
void ibent10(Engine &e) { sleeping(e, "10"); }

void ibent11(Engine &e)
{
    if (e.rt().Ibentstep == 0) {
        begin(e, 300, "11", 0, 100);
        return openingLines(e, 7);
    }
    gestures(e, kWave);
}

void ibent12(Engine &e)
{
    if (e.rt().Ibentstep == 0)
        return begin(e, 300, "12", 0, 500);
    alternate(e, 0, 1);
}

// Waking slowly: two rests, each with a stretch now and then.
void ibent13(Engine &e)
{
    Runtime &rt = e.rt();
    switch (rt.Ibentstep) {
    case 0:
        begin(e, 300, "13", 1, 100);
        return openingLines(e, 7);
    case 2: // rest B
        e.Setframe(0);
        e.Setibenttimer(2000);
        if (e.draw(3) == 1)
            rt.Ibentstep = e.draw(10) <= 7 ? 1 : 4;
        return;
    case 3: // stretch of rest A
        e.Setframe(3);
        e.Setibenttimer(500);
        rt.Ibentstep = 1;
        return;
    case 4: // stretch of rest B
        e.Setframe(2);
        e.Setibenttimer(500);
        rt.Ibentstep = 2;
        return;
    default: // rest A
        e.Setframe(1);
        e.Setibenttimer(2000);
        rt.Ibentstep = 1;
        if (e.draw(3) == 1)
            rt.Ibentstep = e.draw(10) <= 7 ? 2 : 3;
        return;
    }
}

const std::vector<int> kChange{0, 1, 0, 1, 2, 3, 2, 3};
const std::vector<int> kUndress{2, 3, 2, 3, 0, 1, 0, 1};
const std::vector<bool> kOddClears{true, false, true, false, true, false, true, false};

void ibent14(Engine &e)
{
    if (e.rt().Ibentstep == 0) {
        e.rt().Clickflag = 0;
        return begin(e, 60, "14", kChange[0], 500);
    }
    loop(e, kChange, {}, kOddClears);
}

void ibent55(Engine &e)
{
    if (e.rt().Ibentstep == 0) {
        e.rt().Clickflag = 0;
        return begin(e, 60, "14", kUndress[0], 500);
    }
    loop(e, kUndress, {}, kOddClears);
}

void ibent15(Engine &e)
{
    if (e.rt().Ibentstep == 0)
        return begin(e, 60, "15", 0, 500);
    alternate(e, 0, 1);
}

template <int First> void grooming(Engine &e)
{
    if (e.rt().Ibentstep == 0)
        return begin(e, 20, "16", First, 500);
    alternate(e, First, First + 1);
}

void ibent17a(Engine &e)
{
    if (e.rt().Ibentstep == 0)
        return begin(e, 270, "17", 0, 1000);
    alternate(e, 0, 1);
}

void ibent17b(Engine &e)
{
    if (e.rt().Ibentstep == 0)
        return begin(e, 30, "17", 2, 500);
    alternate(e, 2, 3);
}

void ibent18(Engine &e)
{
    if (e.rt().Ibentstep == 0)
        return begin(e, 1200, "18", 0, 100);
    heldPose(e, 1000, 500, 1000);
}

void ibent19(Engine &e)
{
    Runtime &rt = e.rt();
    switch (rt.Ibentstep) {
    case 0:
        return begin(e, 1200, "19", 0, 100);
    case 2:
        e.Setframe(3);
        e.Setibenttimer(1500);
        rt.Ibentstep = 1;
        return;
    case 3:
        e.Setframe(1);
        e.Setibenttimer(500);
        rt.Ibentstep = 4;
        return;
    case 4:
        e.Setframe(2);
        e.Setibenttimer(1000);
        rt.Ibentstep = e.draw(5) == 1 ? 1 : 3;
        return;
    default:
        e.Setframe(0);
        e.Setibenttimer(500);
        rt.Ibentstep = e.draw(2) == 1 ? 2 : 3;
        return;
    }
}

template <int N> void sweets(Engine &e)
{
    if (e.rt().Ibentstep == 0)
        return begin(e, 1200, N == 20 ? "20" : "21", 0, 100);
    gestures(e, kSweets);
}

void ibent22a(Engine &e)
{
    Runtime &rt = e.rt();
    switch (rt.Ibentstep) {
    case 0:
        return begin(e, 270, "22", 0, 100);
    case 2: // a bite
        e.Setframe(1);
        e.Setibenttimer(500);
        rt.Ibentstep = 1;
        return;
    case 3: // the pose
        e.Setframe(2);
        e.Setibenttimer(500);
        rt.Ibentstep = e.draw(5) == 1 ? 1 : 4;
        return;
    case 4:
        e.Setframe(3);
        e.Setibenttimer(500);
        rt.Ibentstep = 3;
        return;
    default:
        e.Setframe(0);
        e.Setibenttimer(500);
        rt.Ibentstep = e.draw(5) == 1 ? 3 : 2;
        return;
    }
}

void ibent22b(Engine &e)
{
    if (e.rt().Ibentstep == 0)
        return begin(e, 30, "22", 4, 1000);
    alternate(e, 4, 5, 1000, 2000);
}

template <int N> void restDrift(Engine &e)
{
    if (e.rt().Ibentstep == 0)
        return begin(e, 0, N == 23 ? "23" : "25", 0, 3000);
    drift(e, 200, 60);
}

void ibent24(Engine &e)
{
    Runtime &rt = e.rt();
    switch (rt.Ibentstep) {
    case 0:
        return begin(e, 0, "24", 0, 1000);
    case 1:
        e.Setframe(1);
        if (e.Chanceibent(e.draw(200), 60))
            return;
        e.Setibenttimer(500);
        rt.Ibentstep = 2;
        return;
    case 2:
        e.Setframe(0);
        e.Setibenttimer(1500);
        rt.Ibentstep = 3;
        return;
    default:
        e.Setframe(0);
        e.Setibenttimer(1000);
        rt.Ibentstep = 1;
        return;
    }
}

// Studying: the Hobby button stays greyed; now and then the pet asks the user a study question.
void ibent26(Engine &e)
{
    Runtime &rt = e.rt();
    e.ctx().buttons->setAvailable(Button::Hobby, false);
    switch (rt.Ibentstep) {
    case 0:
        return begin(e, 0, "26", 0, 500);
    case 1: {
        e.Setframe(1);
        if (!rt.userAway() && rt.Talkflag == 0 && e.draw(150) == 1) {
            e.CReset();
            e.Setibent(51);
            return;
        }
        rt.Ibentstep = e.draw(10) == 1 ? 2 : 3;
        return;
    }
    case 2: // a long think
        e.Setframe(2);
        e.Setibenttimer(3000);
        rt.Ibentstep = 1;
        return;
    default:
        e.Setframe(0);
        rt.Ibentstep = 1;
        return;
    }
}

// The first step of reading and music: its length, and either its opening lines or, when the
// question window started it, the question's own reply already shown.
void tasteBegin(Engine &e, const char *strip, int firstMs, qint16 lines, bool music)
{
    Runtime &rt = e.rt();
    const bool asked = rt.Askflag == 1;
    begin(e, asked && music ? 0 : 1200, strip, 0, firstMs);
    if (asked)
        rt.Askflag = 0;
    else
        openingLines(e, lines);
}

template <int N> void reading(Engine &e)
{
    if (e.rt().Ibentstep == 0)
        return tasteBegin(e, N == 27 ? "27" : "28", 100, 16, false);
    postures(e, kReadB, kReadA, 0, 150, 59);
}

void ibent29(Engine &e)
{
    if (e.rt().Ibentstep == 0)
        return tasteBegin(e, "29", 100, 8, true);
    postures(e, kMusicB, kMusicA, 0, 150, 58);
}

void ibent30(Engine &e)
{
    if (e.rt().Ibentstep == 0)
        return tasteBegin(e, "30", 3000, 8, true);
    drift(e, 150, 58);
}

template <int N> void bath(Engine &e)
{
    if (e.rt().Ibentstep == 0) {
        const char *strip = N == 31 ? "31" : N == 32 ? "32" : "33";
        const int ms = N == 31 ? 1500 : N == 32 ? 1000 : 2000;
        begin(e, 1800, strip, 0, ms);
        if (N == 31)
            e.Startawa(8, 160, 128, 128);
        else if (N == 32)
            e.Startawa(8, 136, 128, 48);
        else
            e.Startawa(8, 120, 128, 32);
        return openingLines(e, 9);
    }
    if (N == 31)
        alternate(e, 0, 1, 1500, 1000, false, false);
    else
        alternate(e, 0, 1, 0, 0, false, false);
}

void ibent34(Engine &e)
{
    if (e.rt().Ibentstep == 0)
        return begin(e, 300, "34", 0, 1000);
    alternate(e, 0, 1, 0, 0, false, false);
}

void ibent35(Engine &e)
{
    if (e.rt().Ibentstep == 0)
        return begin(e, 600, "35", 1, 100);
    gestures(e, kSleepy);
}

void ibent51(Engine &e)
{
    if (e.rt().Ibentstep == 0) {
        begin(e, 60, "51", 1, 100);
        e.beep();
        e.ctx().presentation->Callquestfun(1);
        e.ctx().memory.Addloveval(-10);
        return;
    }
    gestures(e, kAskStudy);
}

void ibent52(Engine &e)
{
    if (e.rt().Ibentstep == 0) {
        begin(e, 30, "52", 0, 100);
        e.ctx().presentation->Callfun2(3);
        return;
    }
    gestures(e, kGoodNight);
}

void ibent53(Engine &e)
{
    if (e.rt().Ibentstep == 0)
        return begin(e, 600, "53", 0, 100);
    gestures(e, kBedBook);
}

// Woken at night: a few sleepy blinks, then back to sleep; the night's countdown runs on.
void ibent54(Engine &e)
{
    Runtime &rt = e.rt();
    if (rt.Ibentstep == 0) {
        e.Loadpic(QStringLiteral("12"));
        e.Setframe(0);
        e.Setibenttimer(500);
        rt.Ibentstep = 1;
        return;
    }
    if (rt.Ibentstep <= 4) {
        e.Setframe(rt.Ibentstep % 2 == 1 ? 1 : 0);
        rt.Ibentstep += 1;
        return;
    }
    const qint16 k = rt.Sleepkind;
    rt.Ibentno = (k == 8 || k == 9 || k == 10) ? k : qint16(6 + e.draw(2));
    rt.Ibentstep = 0;
    if (e.ctx().trace)
        e.ctx().trace->eventStarted(rt.Ibentno);
    e.Doibent();
}

void ibent56(Engine &e)
{
    if (e.rt().Ibentstep == 0) {
        begin(e, 30, "1", 0, 100);
        e.ctx().presentation->Callfun2(1);
        return;
    }
    gestures(e, kReport);
}

void ibent57(Engine &e)
{
    if (e.rt().Ibentstep == 0) {
        begin(e, 30, "5", 0, 100);
        e.ctx().presentation->Callfun2(1);
        return;
    }
    heldPose(e, 2000, 200, 2000);
}

void ibent58(Engine &e)
{
    if (e.rt().Ibentstep == 0) {
        begin(e, 60, "2", 0, 100);
        e.beep();
        e.ctx().presentation->Callquestfun(2);
        e.ctx().memory.Addloveval(-10);
        return;
    }
    gestures(e, kAskMusic);
}

template <int Kind> void askHeld(Engine &e)
{
    if (e.rt().Ibentstep == 0) {
        begin(e, 60, "3", 0, 100);
        e.beep();
        e.ctx().presentation->Callquestfun(Kind);
        e.ctx().memory.Addloveval(-10);
        return;
    }
    heldPose(e, 2000, 200, 2000);
}

void ibent61(Engine &e)
{
    if (e.rt().Ibentstep == 0) {
        begin(e, 30, "4", 0, 100);
        e.ctx().presentation->Callfun2(17);
        return;
    }
    gestures(e, kWave);
}

void ibent62(Engine &e)
{
    if (e.rt().Ibentstep == 0) {
        begin(e, 30, "2", 0, 100);
        e.ctx().presentation->Callfun2(18);
        return;
    }
    gestures(e, kAskMusic);
}

} // namespace

void registerEverydayEvents(EventTable &t)
{
    t[0] = ibent0;
    t[1] = chat<kChat1, 1>;
    t[2] = chat<kChat2, 2>;
    t[3] = ibent3;
    t[4] = chat<kChat4, 4>;
    t[5] = ibent5;
    t[6] = chat<kChat6, 6>;
    t[7] = ibent7;
    t[8] = ibent8;
    t[9] = ibent9;
    t[10] = ibent10;
    t[11] = ibent11;
    t[12] = ibent12;
    t[13] = ibent13;
    t[14] = ibent14;
    t[15] = ibent15;
    t[161] = grooming<0>;
    t[162] = grooming<2>;
    t[163] = grooming<4>;
    t[171] = ibent17a;
    t[172] = ibent17b;
    t[18] = ibent18;
    t[19] = ibent19;
    t[20] = sweets<20>;
    t[21] = sweets<21>;
    t[221] = ibent22a;
    t[222] = ibent22b;
    t[23] = restDrift<23>;
    t[24] = ibent24;
    t[25] = restDrift<25>;
    t[26] = ibent26;
    t[27] = reading<27>;
    t[28] = reading<28>;
    t[29] = ibent29;
    t[30] = ibent30;
    t[31] = bath<31>;
    t[32] = bath<32>;
    t[33] = bath<33>;
    t[34] = ibent34;
    t[35] = ibent35;
    t[51] = ibent51;
    t[52] = ibent52;
    t[53] = ibent53;
    t[54] = ibent54;
    t[55] = ibent55;
    t[56] = ibent56;
    t[57] = ibent57;
    t[58] = ibent58;
    t[59] = askHeld<3>;
    t[60] = askHeld<4>;
    t[61] = ibent61;
    t[62] = ibent62;
}
