#include "interaction.h"

#include "buttons.h"
#include "pet/dialogs/speech.h"
#include "pet/model/activity.h"
#include "presentation.h"

namespace {
struct ClickRow {
    qint16 from, to; // events from..to (single numbers have from == to)
    qint16 lineSet;  // 0: the event's own number
    int hour;        // -1: any hour
};

// Tried top to bottom; the first row that fits wins.
const ClickRow kClickTable[] = {
    {1, 4, 1, -1},
    {14, 15, 14, 8}, {161, 163, 14, 8},
    {171, 171, 17, -1},
    {18, 20, 18, -1},
    {21, 21, 21, -1},
    {221, 222, 22, -1},
    {23, 25, 23, -1},
    {26, 26, 26, -1},
    {27, 28, 27, -1},
    {29, 30, 29, -1},
    {31, 33, 31, -1},
    {34, 37, 0, -1},
    {38, 39, 38, -1},
    {40, 40, 0, -1}, {42, 48, 0, -1},
    {491, 494, 491, -1},
    {495, 495, 495, -1},
    {501, 502, 50, -1},
    {53, 53, 53, -1},
    {15, 15, 55, 21}, {55, 55, 55, 21}, {161, 162, 55, 21},
    {631, 632, 0, -1}, {643, 643, 0, -1},
    {651, 654, 0, -1},
    {1001, 1006, 0, -1},
};
} // namespace

qint16 Interaction::clickLineSet(qint16 n, int hour)
{
    for (const ClickRow &r : kClickTable) {
        if (n < r.from || n > r.to)
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
    m_ctx.rt.userAskedToPlay = 1;
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
