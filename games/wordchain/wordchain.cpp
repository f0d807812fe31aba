#include "wordchain.h"

#include "gamescore.h"

#include "common/values.h"

#include <algorithm>
#include <climits>

using namespace Qt::StringLiterals;

struct WordChainGame::Outcome {
    int frame;
    QStringList lines;
    Counter counter;
};

namespace {

// The pet's pictures: 1 its word accepted, 2 it wins, 3 thinking at length, 4 a refused entry,
// its defeat or a give-up, 5 thinking or a noticed repeat, 6 starting to think.
enum Frame { Accepted = 1, PetWinsFrame = 2, ThinkingLong = 3, Dismayed = 4, Thinking = 5, Pondering = 6 };

// Thinking units of each pause.
constexpr int kBeforeThinking = 10000;
constexpr int kPerListPosition = 1500;
constexpr int kLongThought = 20000;
constexpr int kLongestThought = 50000;
constexpr int kAfterNoticedRepeat = 25000;
constexpr int kPerTypedCharacter = 5000;

// The user's defeats, by reason: 1 does not connect, 2 already played, 3 ends in ん.
const WordChainGame::Outcome &userLoses(int reason)
{
    static const WordChainGame::Outcome outcomes[] = {
        {PetWinsFrame, {u"それじゃつながらないよー"_s, u"ぼくの勝ちだね！"_s, u"もっと語彙を増やさないと駄目だよぉ"_s}, WordChainGame::PetWins},
        {PetWinsFrame, {u"それ、前にでたよっ"_s, u"ぼくの勝ちだね！"_s, u"また、いつでも相手してあげるよ"_s}, WordChainGame::PetWins},
        {PetWinsFrame, {u"あー！ 最後が「ん」だよ"_s, u"ぼくの勝ちだね！"_s, u"慌てたの？しょうがないなぁ"_s}, WordChainGame::PetWins},
    };
    return outcomes[reason - 1];
}

// The pet's defeats, by reason: 1 already played, 2 ends in ん.
const WordChainGame::Outcome &petLoses(int reason)
{
    static const WordChainGame::Outcome outcomes[] = {
        {Dismayed, {u"あれっ、これ、前にでた？？"_s, u"あーあ、ぼくの負けかぁ"_s, u"悔しいな、次は負けないからね！"_s}, WordChainGame::UserWins},
        {Dismayed, {u"あー！ 最後に「ん」がついちゃった！"_s, u"ぼくの負けだね"_s, u"うっかりしちゃったなぁ・・・"_s}, WordChainGame::UserWins},
    };
    return outcomes[reason - 1];
}

const WordChainGame::Outcome kPetTimedOut{Dismayed, {u"あー、時間切れになっちゃった"_s, u"あーあ、ぼくの負けかぁ"_s, u"思いつかなかったなぁ・・・"_s}, WordChainGame::UserWins};
const WordChainGame::Outcome kUserTimedOut{PetWinsFrame, {u"時間切れだよー"_s, u"ぼくの勝ちだね！"_s, u"日本語は君の方が得意じゃないの？？"_s}, WordChainGame::PetWins};
const WordChainGame::Outcome kGivenUp{Dismayed, {u"えーっ、まだ途中だよぉ？？"_s, u"しょうがないなぁ・・・"_s, u"じゃあ、この勝負は引き分けだね"_s}, WordChainGame::Draws};

QString counterKey(WordChainGame::Counter c) { return QStringLiteral("winno3%1").arg(int(c)); }

} // namespace

WordChainGame::WordChainGame(Random &random, Timers &timers, SettingsStore &store,
                             WordLists &lists, QObject *parent)
    : QObject(parent), m_random(random), m_timers(timers), m_store(store), m_lists(lists)
{
    m_timer1 = m_timers.create([this] { Timer1_Timer(); });
    m_timers.setInterval(m_timer1, kTickMs);
    m_closetimer = m_timers.create([this] { closetimer_Timer(); });
    m_timers.setSingleShot(m_closetimer, true);
    m_thinkTimer = m_timers.create([this] {
        auto then = std::move(m_afterThink);
        m_afterThink = nullptr;
        if (then)
            then();
    });
    m_timers.setSingleShot(m_thinkTimer, true);
}

bool WordChainGame::turnClockRunning() const { return m_timers.isEnabled(m_timer1); }

void WordChainGame::start()
{
    for (Counter c : {PetWins, UserWins, Draws})
        m_wins[c] = gamescore::readCounter(m_store, counterKey(c));
    m_lists.loadWhenNeeded();
    setMessage({u"君からだよ！言葉を入れてリターンキーを押してね"_s,
                u"そうそう、ひらがなしか使っちゃ駄目だからね！"_s});
    m_whose = User;
    m_timeleft = kTurnTicks;
    startTurnClock();
    emit changed();
}

void WordChainGame::Setpicture(int n) { m_frame = n; }

void WordChainGame::setMessage(const QStringList &lines) { m_msg = lines.join(u'\n'); }

void WordChainGame::startTurnClock() { m_timers.start(m_timer1, kTickMs); }

void WordChainGame::stopTurnClock()
{
    m_timers.stop(m_timer1);
    // Whatever the pet was thinking about is cut short. A word it was still typing stays as far
    // as it got: the pet ran out of time before it could finish it.
    m_timers.stop(m_thinkTimer);
    m_afterThink = nullptr;
    m_typing.clear();
    m_typed = 0;
}

void WordChainGame::Resettime()
{
    stopTurnClock();
    m_timeleft = kTurnTicks;
}

void WordChainGame::Timer1_Timer()
{
    m_timeleft -= 1;
    if (m_timeleft > 0) {
        emit changed();
        return;
    }
    recordResult(m_whose == Pet ? kPetTimedOut : kUserTimedOut);
}

void WordChainGame::submit(const QString &text)
{
    if (m_resultShown || !m_entryEnabled)
        return;
    m_entryEnabled = false;
    if (text.isEmpty()) {
        Setpicture(Dismayed);
        setMessage({u"もー、何にも言わないと、しりとりにならないよ！"_s, u"真面目にやってよね！"_s});
        m_entryEnabled = true;
        emit changed();
        return;
    }
    if (!kana::endsUsably(text)) {
        Setpicture(Dismayed);
        setMessage({text + u"の後には何にも続かないよ！"_s, u"ふざけないでちゃんと答えてよ！"_s});
        m_entryEnabled = true;
        emit changed();
        return;
    }
    Resettime();
    Checkword(text);
}

void WordChainGame::Checkword(const QString &w)
{
    if (!m_used.isEmpty()) {
        const QString previous = kana::Lastkana(m_used.back());
        if (w.front() != previous.back())
            return Youlose(1);
        if (m_used.contains(w))
            return Youlose(2);
    }
    if (w.endsWith(u'ん'))
        return Youlose(3);
    Addword(w);
    m_lists.Learnword(w);
    startTurnClock();
    m_whose = Pet;
    Thinkword(w);
}

void WordChainGame::Addword(const QString &w)
{
    m_used << w;
    m_history.prepend(w);
    if (m_history.size() > kHistorySize)
        m_history.removeLast();
}

void WordChainGame::Thinkwait(int units, std::function<void()> then)
{
    if (!turnClockRunning())
        return; // the turn is over: there is nothing left to think about
    m_afterThink = std::move(then);
    m_timers.start(m_thinkTimer, std::max(1, units / kUnitsPerMs));
}

void WordChainGame::Thinkword(const QString &userWord)
{
    Setpicture(Pondering);
    m_petWord.clear();
    m_msg = userWord + u"だね・・・じゃあ、ぼくは・・・"_s;
    emit changed();
    Thinkwait(kBeforeThinking, [this, userWord] {
        // A word left ending on a character no kana list starts with (ー after ん) leaves the
        // pet speechless until its time runs out.
        const int k = kana::indexOf(kana::Lastkana(userWord).back());
        if (k != 0)
            Chooseword(k);
    });
}

void WordChainGame::Chooseword(int k)
{
    if (!turnClockRunning())
        return;
    const qsizetype count = m_lists.list(k).size();
    const int n = count > 0 ? m_random.draw(int(std::min<qsizetype>(count, INT_MAX))) : 1;
    // A word from further down the list takes the pet longer to come up with.
    qint64 units = qint64(n) * kPerListPosition;
    if (units >= kLongThought)
        Setpicture(Thinking);
    if (units >= kLongestThought) {
        units = kLongestThought;
        Setpicture(ThinkingLong);
    }
    emit changed();
    Thinkwait(int(units), [this, k, n] { considerWord(k, n); });
}

int WordChainGame::overlookDie(int position)
{
    if (position <= 5)
        return 0;
    if (position <= 50)
        return 10;
    if (position <= 80)
        return 5;
    return 2;
}

void WordChainGame::considerWord(int k, int n)
{
    const QStringList &list = m_lists.list(k);
    if (n > list.size())
        return Chooseword(k); // nothing there: think again
    const QString word = list.at(n - 1);
    const int position = int(m_history.indexOf(word)) + 1;
    if (position > 0) {
        const int die = overlookDie(position);
        const bool overlooked = die > 0 && m_random.draw(die) == 1;
        if (!overlooked) {
            Setpicture(m_frame == Thinking ? ThinkingLong : Thinking);
            emit changed();
            Thinkwait(kAfterNoticedRepeat, [this, k] { Chooseword(k); });
            return;
        }
    }
    Setpicture(Accepted);
    m_typing = word;
    m_typed = 0;
    typeNextCharacter();
}

void WordChainGame::typeNextCharacter()
{
    if (m_typed >= m_typing.size()) {
        const QString word = m_typing;
        m_typing.clear();
        Resettime();
        Checkmyword(word);
        return;
    }
    // One character is one code point, so a rare character outside the BMP appears whole.
    const qsizetype len = m_typing.at(m_typed).isHighSurrogate() && m_typed + 1 < m_typing.size() ? 2 : 1;
    m_petWord += m_typing.mid(m_typed, len);
    m_typed += len;
    emit changed();
    Thinkwait(kPerTypedCharacter, [this] { typeNextCharacter(); });
}

void WordChainGame::Checkmyword(const QString &p)
{
    if (m_used.contains(p))
        return Ilose(1);
    if (p.endsWith(u'ん'))
        return Ilose(2);
    Addword(p);
    Setpicture(Accepted);
    m_msg = u"さぁ、きみの番だよ！"_s;
    m_entryEnabled = true;
    startTurnClock();
    m_whose = User;
    emit entryReset();
    emit changed();
}

void WordChainGame::Youlose(int reason) { recordResult(userLoses(reason)); }
void WordChainGame::Ilose(int reason) { recordResult(petLoses(reason)); }

void WordChainGame::giveUp()
{
    if (m_resultShown)
        return;
    recordResult(kGivenUp);
}

void WordChainGame::recordResult(const Outcome &outcome)
{
    stopTurnClock();
    m_entryEnabled = false;
    m_resultShown = true;
    Setpicture(outcome.frame);
    setMessage(outcome.lines);
    qint16 &count = m_wins[outcome.counter];
    count = values::add16(count, 1);
    m_store.write(counterKey(outcome.counter), values::fromInt(count));
    m_lists.save();
    m_timers.start(m_closetimer, kCloseMs);
    emit changed();
}

void WordChainGame::raiseFriendship()
{
    if (m_bonusGiven)
        return;
    m_bonusGiven = true;
    // The game pack keeps no bound of its own on friendship; the pet program applies its range.
    const qint16 loveval =
        values::toInt16(m_store.read(QStringLiteral("Loveval"), QStringLiteral("50"))).value_or(50);
    m_store.write(QStringLiteral("Loveval"), values::fromInt(values::add16(loveval, 2)));
}

void WordChainGame::closetimer_Timer()
{
    raiseFriendship();
    emit programEnds();
}

void WordChainGame::windowClosing()
{
    stopTurnClock();
    if (m_resultShown && !m_bonusGiven) {
        m_timers.stop(m_closetimer);
        raiseFriendship();
    }
}
