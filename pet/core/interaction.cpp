#include "interaction.h"

#include "buttons.h"
#include "pet/dialogs/questions.h"
#include "pet/dialogs/speech.h"
#include "pet/model/activity.h"
#include "presentation.h"

namespace {
struct ClickRow {
    Activity from, to; // a run of activities (from == to for one)
    qint16 lineSet;    // the click lines' number; 0: the activity's own
    int hour;          // -1: any hour
};

// Tried top to bottom; the first row that fits wins.
using enum Activity;
const ClickRow kClickTable[] = {
    {FondChatFirst, PlainChatSecond, 1, -1},
    {ChangeClothes, WashFace, 14, 8}, {GroomingFirst, GroomingThird, 14, 8},
    {MorningChoreFirst, MorningChoreFirst, 17, -1},
    {MealFirst, Sweets, 18, -1},
    {AfternoonSweets, AfternoonSweets, 21, -1},
    {AfterMealSnack, AfterMealStretch, 22, -1},
    {RestDriftingFirst, RestDriftingSecond, 23, -1},
    {Studying, Studying, 26, -1},
    {Reading, ReadingLyingDown, 27, -1},
    {ListeningToMusic, ListeningLyingDown, 29, -1},
    {BathFirst, BathThird, 31, -1},
    {AfterBath, DressingDoll, 0, -1},
    {BuildingToyCar, RunningToyCar, 38, -1},
    {WateringFlower, WateringFlower, 0, -1}, {PlayingSolitaire, PettingAnimal, 0, -1},
    {BakingFirst, BakingFourth, 491, -1},
    {CookiesDone, CookiesDone, 495, -1},
    {FortuneStart, FortuneGazing, 50, -1},
    {ReadingInBed, ReadingInBed, 53, -1},
    {WashFace, WashFace, 55, 21}, {UndressForBath, UndressForBath, 55, 21}, {GroomingFirst, GroomingSecond, 55, 21},
    {FriendsArrive, FriendsVisit, 0, -1}, {RaceRun, RaceRun, 0, -1},
    {GardoArrives, GardoVisitThird, 0, -1},
    {NewYear, Christmas, 0, -1},
};
} // namespace

qint16 Interaction::clickLineSet(qint16 n, int hour)
{
    for (const ClickRow &r : kClickTable) {
        if (!isBetween(n, r.from, r.to))
            continue;
        if (r.hour >= 0 && r.hour != hour)
            continue;
        return r.lineSet == 0 ? n : r.lineSet;
    }
    return 0;
}

const QString &Interaction::refusalText()
{
    static const QString t = QStringLiteral("ちゃんとお留守番するって約束したんだから、\r\n勝手に終わらせないで！");
    return t;
}

void Interaction::clickPet()
{
    Runtime &rt = m_ctx.rt;
    m_ctx.day.refreshHour();
    if (rt.userAway())
        return;
    if (m_speech.closeTimerOn())
        return; // a line that closes by itself is on display
    if (isSleeping(rt.activity)) {
        if (m_activities.disturbSleep()) {
            m_ctx.memory.addFriendship(-5);
            m_presentation.showClickLines(number(Activity::WokenAtNight));
            m_activities.startActivity(Activity::WokenAtNight);
        }
        return;
    }
    if (m_ctx.draw(5) == 1)
        m_ctx.memory.addFriendship(1);
    if (const qint16 set = clickLineSet(rt.activity, rt.hour))
        m_presentation.showClickLines(set);
}

void Interaction::clickHobby()
{
    m_ctx.memory.addFriendship(1);
    m_questions.userAsksToPlay();
    // The countdown is not reset: the play question is measured from where the interrupted activity stood.
    m_activities.startActivity(Activity::AskToPlay);
}

void Interaction::clickLeave()
{
    Runtime &rt = m_ctx.rt;
    Scene &s = m_ctx.scene;
    Buttons &b = m_buttons;
    m_activities.restartCountdown();
    m_activities.stopAnimations();
    if (!rt.userAway()) {
        m_ctx.day.startCountingAway();
        b.lockPresentAndHobby();
        b.setAvailable(Button::Option, false);
        b.setAvailable(Button::End, false);
        rt.leaveTag = kAway;
        s.setButtonToolTip(Button::Leave, QStringLiteral("早く帰ってこないかなぁ"));
        s.setPetToolTip(QStringLiteral("お留守番中だよ"));
        m_activities.startActivity(Activity::SeeUserOff);
    } else {
        b.setAvailable(Button::Option, true);
        b.setAvailable(Button::End, true);
        rt.leaveTag = kPresent;
        s.setButtonToolTip(Button::Leave, QStringLiteral("どこかに行く時はぼくに言ってからね"));
        s.setPetToolTip(QStringLiteral("たまにクリックしてね！"));
        m_activities.startActivity(Activity::WelcomeUserBack);
    }
}

bool Interaction::refuseClose() const
{
    const Runtime &rt = m_ctx.rt;
    return rt.hour >= 9 && rt.hour <= 20 && rt.userAway();
}
