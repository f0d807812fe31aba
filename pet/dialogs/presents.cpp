#include "presents.h"

#include "pet/model/activity.h"


const std::array<PresentInfo, 10> &Presents::table()
{
    static const std::array<PresentInfo, 10> t = {{
        {0, 0, 0, Lines::Shown, Activity::FirstMeeting, "", ""}, // position 0 is not shown
        {1, 100, 10, Lines::ThanksDoll, Activity::DressingDoll, "ガルド人形", "イタリア人のガルドの人形"},
        {4, 500, 5, Lines::ThanksSolitaire, Activity::PlayingSolitaire, "ソリティア", "イギリスで作られた一人用パズルゲーム"},
        {2, 1500, 10, Lines::ThanksCarKit, Activity::BuildingToyCar, "ミニ四駆", "チーム・ブリッツのマシン「ブリッツ・ファルケ」のキット"},
        {3, 3000, 10, Lines::ThanksSeeds, Activity::WateringFlower, "花の種", "色々な花の種ミックス"},
        {5, 5000, 5, Lines::ThanksViolin, Activity::PlayingViolin, "バイオリン", "子供用の小さなバイオリン"},
        {6, 10000, 10, Lines::ThanksComputer, Activity::UsingComputer, "パソコン", "最新式のノートパソコン"},
        {7, 15000, 10, Lines::FriendsVisit, Activity::FriendsArrive, "", "何だろう？楽しみだなぁ"},
        {8, 20000, 5, Lines::RaceStart, Activity::RaceDay, "", "何だろう？楽しみだなぁ"},
        {9, 30000, 15, Lines::GardoVisit, Activity::GardoArrives, "", "何だろう？楽しみだなぁ"},
    }};
    return t;
}

qint16 Presents::state(int p) const { return m_ctx.mem().Item[size_t(table()[size_t(p)].key)]; }

void Presents::setWindowOpen(bool open)
{
    if (m_open == open)
        return;
    m_open = open;
    m_ctx.scene.emitChanged(Scene::Presents);
}

void Presents::refreshStates()
{
    Memory &m = m_ctx.mem();
    for (int p = 1; p <= 9; ++p) {
        qint16 &s = m.Item[size_t(table()[size_t(p)].key)];
        if (m.Totaltime > table()[size_t(p)].threshold && s != 3)
            s = 1;
    }
    m_ctx.scene.emitChanged(Scene::Presents);
}

void Presents::saveStates()
{
    for (int k = 1; k <= 9; ++k)
        m_ctx.memory.saveKey(QStringLiteral("Item%1").arg(k));
    m_ctx.memory.saveKey(QStringLiteral("Loveval"));
    m_stage.friendshipChanged();
}

bool Presents::give(int p)
{
    if (p < 1 || p > 9)
        return false;
    const PresentInfo &info = table()[size_t(p)];
    qint16 &s = m_ctx.mem().Item[size_t(info.key)];
    if (s != 1)
        return false;
    s = 3;
    m_ctx.memory.addFriendship(info.friendship);
    saveStates();
    setWindowOpen(false);
    m_activities.restartCountdown();
    m_activities.stopAnimations();
    m_stage.sayLines(info.thanks);
    m_activities.startActivity(info.event);
    return true;
}
