#include "panelflip.h"

#include "gamescore.h"

#include "common/logging.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString LastPairLine = QStringLiteral("あとは、めくるだけだねっ");

const char *const WinKeys[] = {nullptr, "winno11", "winno12", "winno13"};

// Draws panel numbers 1..12 until one satisfies wanted. A real source finds one at once on
// average; the cap only keeps a broken or exhausted source from hanging the window.
template <typename Wanted>
int drawPanel(Random &random, Wanted wanted)
{
    for (int i = 0; i < 100000; ++i) {
        const int n = random.draw(PanelFlip::PanelCount);
        if (wanted(n))
            return n;
    }
    qCWarning(lcGames) << "random source gave no usable panel; taking the first that fits";
    for (int n = 1; n <= PanelFlip::PanelCount; ++n)
        if (wanted(n))
            return n;
    return 1;
}

} // namespace

PanelFlip::PanelFlip(Random &random, Timers &timers, SettingsStore &store, QObject *parent)
    : QObject(parent), m_random(random), m_timers(timers), m_store(store),
      m_waitloop(timers, WaitloopMs)
{
    m_turnpanel1 = m_timers.create([this] { turnpanel1Timer(); });
    m_turnpanel2 = m_timers.create([this] { turnpanel2Timer(); });
    m_closetimer = m_timers.create([this] { closetimerTimer(); });
    m_timers.setInterval(m_turnpanel1, FlipDelayMs);
    m_timers.setInterval(m_turnpanel2, FlipDelayMs);
    m_timers.setInterval(m_closetimer, CloseDelayMs);
}

void PanelFlip::Newgame()
{
    m_memory.fill(0);
    m_pairs.fill(0);
    for (int w = Pet; w <= Draw; ++w)
        m_wins[w] = gamescore::readCounter(m_store, QLatin1String(WinKeys[w]));
    m_faceUp.fill(false);
    m_tag.fill(0);
    for (int face = 1; face <= 6; ++face) {
        for (int twice = 0; twice < 2; ++twice) {
            const int n = drawPanel(m_random, [this](int p) { return m_tag[p] == 0; });
            m_tag[n] = face;
        }
    }
    Setpicture(1);
    m_msg = QStringLiteral("ねっねっ、早く早く！君が先だよっ") + CrLf
            + QStringLiteral("ぼく、絶対負けないからね！");
    m_turn = UserTurn;
    m_flipcount = 0;
    m_knownpair = false;
    m_enabled = true;
    m_over = false;
    emit changed();
}

void PanelFlip::userClick(int index)
{
    if (m_enabled && !m_abandoned && index >= 1 && index <= PanelCount)
        panelClick(index);
}

void PanelFlip::abandon()
{
    m_abandoned = true;
    m_enabled = false;
    for (int id : {m_turnpanel1, m_turnpanel2, m_closetimer})
        m_timers.stop(id);
    m_waitloop.cancel();
}

// Every flip, the user's and the pet's, takes this path.
void PanelFlip::panelClick(int index)
{
    if (!isFaceDown(index))
        return;
    for (int p = MemorySize; p > 1; --p)
        m_memory[p] = m_memory[p - 1];
    m_memory[1] = index;
    m_faceUp[index] = true;
    ++m_flipcount;
    m_selected[m_flipcount] = index;

    if (m_flipcount == 2) {
        m_flipcount = 0;
        if (m_turn == UserTurn)
            m_enabled = false;
        Checkpanel();
        return;
    }

    if (m_turn == UserTurn) {
        m_msg = pairsSum() == 5 ? QStringLiteral("それをめくれば終わりだね！")
                                : QStringLiteral("2枚目をめくって！");
    } else {
        if (pairsSum() == 5) {
            m_msg = QStringLiteral("そして、これで終わり！");
        } else {
            // The panel just turned may complete a pair the pet has seen before.
            if (!m_knownpair)
                m_knownpair = Searchpair();
            if (m_knownpair) {
                // The older the sighting, the less sure the pet sounds.
                const int older = m_age[2];
                if (older < 5) {
                    Setpicture(1);
                    m_msg = QStringLiteral("♪～");
                } else if (older <= 7) {
                    Setpicture(6);
                    m_msg = QStringLiteral("んー");
                } else if (older <= 9) {
                    Setpicture(5);
                    m_msg = QStringLiteral("・・・？");
                } else {
                    Setpicture(3);
                    m_msg = QStringLiteral("ううーん・・・とぉ");
                }
            } else {
                m_msg = QStringLiteral("2枚目は～・・・");
            }
        }
        m_timers.setEnabled(m_turnpanel2, true);
    }
    emit changed();
}

bool PanelFlip::Searchpair()
{
    for (int i = 1; i <= MemorySize; ++i) {
        for (int j = 1; j <= MemorySize; ++j) {
            const int a = m_memory[i];
            const int b = m_memory[j];
            if (a == 0 || b == 0 || a == b || m_tag[a] != m_tag[b] || !isFaceDown(a))
                continue;
            m_age[1] = std::min(i, j);
            m_age[2] = std::max(i, j);
            m_target[1] = m_memory[m_age[1]];
            m_target[2] = m_memory[m_age[2]];
            return true;
        }
    }
    return false;
}

void PanelFlip::Myturn(int first)
{
    Setpicture(6);
    m_msg = (first == 1 ? QStringLiteral("次はぼくの番だね！") : QStringLiteral("次もぼくの番だよ！"))
            + CrLf;
    if (pairsSum() == 5) {
        m_msg += LastPairLine;
    } else {
        m_knownpair = Searchpair();
        if (m_knownpair) {
            Setpicture(1);
            m_msg += QStringLiteral("当てちゃうからね！");
        } else {
            m_msg += QStringLiteral("えーっとぉ・・・");
        }
    }
    m_timers.setEnabled(m_turnpanel1, true);
    emit changed();
}

void PanelFlip::turnpanel1Timer()
{
    m_timers.stop(m_turnpanel1);
    if (pairsSum() == 5)
        m_knownpair = false;
    if (m_knownpair)
        panelClick(m_target[1]);
    else if (pairsSum() == 5)
        panelClick(drawFaceDown());
    else
        panelClick(drawAvoidingMemory());
}

void PanelFlip::turnpanel2Timer()
{
    m_timers.stop(m_turnpanel2);
    if (m_knownpair) {
        // The older the sighting, the likelier the pet has lost it.
        const int older = m_age[2];
        const int n = older <= 4 ? 30 : older <= 7 ? 10 : older <= 9 ? 5 : 2;
        if (m_random.draw(n) == 1)
            panelClick(drawAvoidingMemory());
        else
            panelClick(m_target[2]);
    } else if (pairsSum() == 5) {
        panelClick(drawFaceDown());
    } else {
        panelClick(drawAvoidingMemory());
    }
}

int PanelFlip::drawFaceDown()
{
    return drawPanel(m_random, [this](int p) { return isFaceDown(p); });
}

// A face-down panel the pet does not remember among its last ten flips; after ten rejections
// the next face-down candidate is taken whatever it is.
int PanelFlip::drawAvoidingMemory()
{
    int tries = 0;
    for (;;) {
        const int n = drawFaceDown();
        if (tries >= 10)
            return n;
        ++tries;
        bool remembered = false;
        for (int p = 1; p <= 10; ++p)
            remembered = remembered || m_memory[p] == n;
        if (!remembered)
            return n;
    }
}

void PanelFlip::Checkpanel()
{
    const int first = m_selected[1];
    const int second = m_selected[2];
    if (m_tag[first] == m_tag[second]) {
        // The last pair is greeted by the result instead.
        if (pairsSum() < 5) {
            if (m_turn == PetTurn) {
                Setpicture(2);
                m_msg = QStringLiteral("よし！");
            } else {
                Setpicture(1);
                m_msg = QStringLiteral("あ、当たったね！");
            }
        }
        ++m_pairs[m_turn];
        emit changed();
        m_waitloop.then([this] {
            if (pairsSum() == 6) {
                Gameend();
            } else if (m_turn == PetTurn) {
                Myturn(2);
            } else {
                Setpicture(6);
                m_msg = QStringLiteral("さぁ、次も君だよっ！");
                if (pairsSum() == 5)
                    m_msg += CrLf + LastPairLine;
                m_enabled = true;
                emit changed();
            }
        });
    } else {
        if (m_turn == PetTurn) {
            Setpicture(4);
            m_msg = QStringLiteral("あれー？");
        }
        emit changed();
        m_waitloop.then([this, first, second] {
            turnBack(first);
            turnBack(second);
            if (m_turn == PetTurn) {
                m_turn = UserTurn;
                Setpicture(6);
                m_msg = QStringLiteral("君の番だよ！");
                if (pairsSum() == 5)
                    m_msg += CrLf + LastPairLine;
                m_enabled = true;
                emit changed();
            } else {
                m_enabled = false;
                m_turn = PetTurn;
                Myturn(1);
            }
        });
    }
}

void PanelFlip::Gameend()
{
    int winner;
    if (m_pairs[Pet] < m_pairs[User]) {
        winner = User;
        Setpicture(4);
        m_msg = QStringLiteral("あーあ、負けちゃった・・・") + CrLf
                + QStringLiteral("また勝負してね、次はぼくが勝つからっ！");
    } else if (m_pairs[Pet] == m_pairs[User]) {
        winner = Draw;
        Setpicture(1);
        m_msg = QStringLiteral("引き分けかぁ") + CrLf + QStringLiteral("結構強いんだね！");
    } else {
        winner = Pet;
        Setpicture(1);
        m_msg = QStringLiteral("ぼくの勝ちだね！") + CrLf
                + QStringLiteral("また、いつでも相手してあげるよっ！");
    }
    m_wins[winner] = gamescore::plusOne(m_wins[winner]);
    m_over = true;
    for (int w = Pet; w <= Draw; ++w)
        gamescore::writeCounter(m_store, QLatin1String(WinKeys[w]), m_wins[w]);
    m_timers.setEnabled(m_closetimer, true);
    emit changed();
}

void PanelFlip::closetimerTimer()
{
    m_timers.stop(m_closetimer);
    emit finished();
}
