#include "lookaway.h"

#include "gamescore.h"

#include <QtMath>
#include <algorithm>

namespace {

const QString CrLf = QStringLiteral("\r\n");
constexpr int TwipsPerPixel = 15;

// Letters of the store keys: g c p for the hands, u d l r for the directions.
const char HandLetters[] = "gcp";
const char DirectionLetters[] = "udlr";

QPoint twipsToPixels(int x, int y)
{
    return {qRound(double(x) / TwipsPerPixel), qRound(double(y) / TwipsPerPixel)};
}

} // namespace

LookAway::LookAway(Random &random, Timers &timers, SettingsStore &store, QObject *parent)
    : QObject(parent), m_random(random), m_timers(timers), m_store(store),
      m_waitloop(timers, WaitloopMs)
{
    m_starttimer = m_timers.create([this] { starttimerTimer(); });
    m_closetimer = m_timers.create([this] {
        m_timers.stop(m_closetimer);
        emit finished();
    });
    m_timers.setInterval(m_starttimer, 1000);
    m_timers.setInterval(m_closetimer, CloseDelayMs);
    m_tables[HandTable].size = 3;
    m_tables[LookTable].size = 4;
    m_tables[PointTable].size = 4;
}

QString LookAway::handName(int hand)
{
    static const QString names[] = {QStringLiteral("ぐー"), QStringLiteral("ちょき"),
                                    QStringLiteral("ぱー")};
    return names[std::clamp(hand, 0, 2)];
}

QString LookAway::arrowName(int direction)
{
    static const QString names[] = {QStringLiteral("↑"), QStringLiteral("↓"), QStringLiteral("←"),
                                    QStringLiteral("→")};
    return names[std::clamp(direction, 0, 3)];
}

QPoint LookAway::handDialogOffset() { return twipsToPixels(2500, 800); }
QPoint LookAway::directionDialogOffset() { return twipsToPixels(2400, 750); }

QString LookAway::tableKey(TableKind kind, int prev, int next)
{
    const char *letters = kind == HandTable ? HandLetters : DirectionLetters;
    QString key = QString(QLatin1Char(letters[prev])) + QLatin1Char(letters[next]);
    if (kind == PointTable)
        key += QLatin1Char('2');
    return key;
}

QString LookAway::samplesKey(TableKind kind)
{
    switch (kind) {
    case HandTable:
        return QStringLiteral("mno");
    case LookTable:
        return QStringLiteral("mno2");
    case PointTable:
        break;
    }
    return QStringLiteral("mno3");
}

void LookAway::Newgame()
{
    for (int k = HandTable; k <= PointTable; ++k) {
        Table &t = m_tables[k];
        for (int prev = 0; prev < t.size; ++prev)
            for (int next = 0; next < t.size; ++next)
                t.counts[prev][next] =
                    gamescore::readCounter(m_store, tableKey(TableKind(k), prev, next));
        t.samples = gamescore::readCounter(m_store, samplesKey(TableKind(k)));
        t.prev = 0;
    }
    m_boutwins.fill(0);
    m_score[Pet] = gamescore::readCounter(m_store, QStringLiteral("winno21"));
    m_score[User] = gamescore::readCounter(m_store, QStringLiteral("winno22"));
    Setpicture(2);
    m_msg = QStringLiteral("三回勝負だからねっ！") + CrLf
            + QStringLiteral("くすくす・・・ぼく、負けないよ！");
    m_yourbox.clear();
    m_state = Throw;
    m_over = false;
    m_request = Request::None;
    m_timers.start(m_starttimer, FirstCallMs);
    emit changed();
}

void LookAway::abandon()
{
    m_abandoned = true;
    m_request = Request::None;
    m_timers.stop(m_starttimer);
    m_timers.stop(m_closetimer);
    m_waitloop.cancel();
}

void LookAway::ask(Request request)
{
    m_request = request;
    emit changed();
    if (request == Request::Hand)
        emit handRequested();
    else
        emit directionRequested();
}

void LookAway::starttimerTimer()
{
    m_timers.stop(m_starttimer);
    m_timers.setInterval(m_starttimer, CallMs);
    switch (m_state) {
    case Throw:
        Setpicture(1);
        m_msg = QStringLiteral("じゃーんけーん・・・");
        ask(Request::Hand);
        break;
    case ThrowAgain:
        Setpicture(1);
        m_msg = QStringLiteral("あーいこーで・・・");
        ask(Request::Hand);
        break;
    case PetPoints:
        Setpicture(2);
        m_msg = QStringLiteral("あっち向いて・・・");
        ask(Request::Direction);
        break;
    case UserPoints:
        Setpicture(16);
        m_msg = QStringLiteral("「あっち向いて・・・」");
        ask(Request::Direction);
        break;
    }
}

void LookAway::chooseHand(int hand)
{
    if (m_abandoned || m_request != Request::Hand || hand < 0 || hand > 2)
        return;
    m_request = Request::None;
    m_hands[User] = hand;
    Hantei1();
}

void LookAway::chooseDirection(int direction)
{
    if (m_abandoned || m_request != Request::Direction || direction < 0 || direction > 3)
        return;
    m_request = Request::None;
    m_dirs[User] = direction;
    if (m_state == PetPoints)
        Hantei2();
    else
        Hantei3();
}

// The throw, after the user's hand.
void LookAway::Hantei1()
{
    Choosehand();
    Setpicture(3 + m_hands[Pet]);
    m_msg = m_state == Throw ? QStringLiteral("ぽん！") : QStringLiteral("しょっ！");
    m_yourbox = handName(m_hands[User]);
    emit changed();
    m_waitloop.then([this] {
        learn(m_tables[HandTable], m_hands[User]);
        switch ((m_hands[Pet] - m_hands[User] + 3) % 3) {
        case 0: // a tie: throw again
            Setpicture(1);
            m_state = ThrowAgain;
            break;
        case 1:
            Setpicture(16);
            m_state = UserPoints;
            break;
        default:
            Setpicture(2);
            m_state = PetPoints;
            break;
        }
        m_timers.start(m_starttimer, AfterThrowMs);
        emit changed();
    });
}

// What differs between the two look-aways: who points, what the pet shows, and its words.
struct LookAway::Round {
    int pointer;           // Pet or User: who takes the bout when the directions meet
    TableKind learned;     // the table of the user's choice
    int firstFrame;        // the pet pointing (6..9) or looking (10..13), plus the direction
    const char *call;
    int hitFrame;
    const char *firstWin;
    const char *secondWin;
    const char *secondWinAtTwoAll;
    const char *matchWon;
    int missFrame;
    const char *miss;
};

const LookAway::Round LookAway::PetPointsRound = {
    Pet, LookTable, 6, "ほい！", 14, "ぼくの1勝だね！", "これでぼくの2勝、後がないよ！",
    "これで2対2・・・お互い後がないね",
    "あははっ！ぼくの勝ちだね！\r\nまた、いつでも相手してあげるよっ", 15, "あれー？"};

const LookAway::Round LookAway::UserPointsRound = {
    User, PointTable, 10, "「ほい！」", 15, "君の1勝だね", "むぅ・・・", "むぅ・・・",
    "あーあ、負けちゃった・・・\r\nでも、次は絶対負けないからね！", 1, "はずれちゃったね"};

// The pet points, after the user's looking direction.
void LookAway::Hantei2()
{
    Choosepoint();
    lookAway(PetPointsRound);
}

// The user points, after the user's pointing direction.
void LookAway::Hantei3()
{
    Chooselook();
    lookAway(UserPointsRound);
}

void LookAway::lookAway(const Round &round)
{
    Setpicture(round.firstFrame + m_dirs[Pet]);
    m_msg = QString::fromUtf8(round.call);
    m_yourbox = arrowName(m_dirs[User]);
    emit changed();
    m_waitloop.then([this, &round] {
        learn(m_tables[round.learned], m_dirs[User]);
        if (m_dirs[Pet] == m_dirs[User]) {
            const int other = round.pointer == Pet ? User : Pet;
            Setpicture(round.hitFrame);
            switch (m_boutwins[round.pointer]) {
            case 0:
                m_boutwins[round.pointer] = 1;
                m_msg = QString::fromUtf8(round.firstWin);
                break;
            case 1:
                m_boutwins[round.pointer] = 2;
                m_msg = QString::fromUtf8(m_boutwins[other] == 2 ? round.secondWinAtTwoAll
                                                                  : round.secondWin);
                break;
            default:
                m_msg = QString::fromUtf8(round.matchWon);
                Matchend(round.pointer);
                return;
            }
            m_state = Throw;
            m_timers.start(m_starttimer, AfterBoutMs);
        } else {
            Setpicture(round.missFrame);
            m_msg = QString::fromUtf8(round.miss);
            m_state = Throw;
            m_timers.setEnabled(m_starttimer, true); // the call's 0.8 s
        }
        emit changed();
    });
}

std::optional<int> LookAway::predict(Table &table)
{
    // Now and then the pet plays on a whim, which keeps it from being read too easily.
    if (m_random.draw(50) == 1)
        return std::nullopt;
    if (table.samples == 0) {
        table.samples = 1;
        return std::nullopt;
    }
    table.samples = gamescore::plusOne(table.samples);
    if (table.samples > 50) {
        // The pet forgets old habits and starts learning afresh.
        table.samples = 0;
        for (auto &row : table.counts)
            row.fill(0);
    }
    const auto &row = table.counts[table.prev];
    const auto best = std::max_element(row.begin(), row.begin() + table.size);
    return int(best - row.begin()); // the first of equal counts, in the fixed order
}

void LookAway::Choosehand()
{
    const auto expected = predict(m_tables[HandTable]);
    // The hand that beats the expected one: ぐー -> ぱー, ちょき -> ぐー, ぱー -> ちょき.
    m_hands[Pet] = expected ? (*expected + 2) % 3 : m_random.draw(3) - 1;
}

void LookAway::Choosepoint()
{
    const auto expected = predict(m_tables[LookTable]);
    m_dirs[Pet] = expected ? *expected : m_random.draw(4) - 1;
}

void LookAway::Chooselook()
{
    const auto expected = predict(m_tables[PointTable]);
    if (!expected) {
        m_dirs[Pet] = m_random.draw(4) - 1;
        return;
    }
    // One of the three other directions, each as likely.
    const int b = m_random.draw(3);
    m_dirs[Pet] = b == *expected ? 0 : b;
}

void LookAway::learn(Table &table, int choice)
{
    auto &cell = table.counts[table.prev][choice];
    cell = gamescore::plusOne(cell);
    table.prev = choice;
}

void LookAway::Matchend(int winner)
{
    m_boutwins[winner] = 3;
    m_score[winner] = gamescore::plusOne(m_score[winner]);
    Setpicture(winner == Pet ? 14 : 15);
    m_over = true;
    gamescore::writeCounter(m_store, QStringLiteral("winno21"), m_score[Pet]);
    gamescore::writeCounter(m_store, QStringLiteral("winno22"), m_score[User]);
    for (int k = HandTable; k <= PointTable; ++k) {
        const Table &t = m_tables[k];
        for (int prev = 0; prev < t.size; ++prev)
            for (int next = 0; next < t.size; ++next)
                gamescore::writeCounter(m_store, tableKey(TableKind(k), prev, next),
                                        t.counts[prev][next]);
    }
    for (int k = HandTable; k <= PointTable; ++k)
        gamescore::writeCounter(m_store, samplesKey(TableKind(k)), m_tables[k].samples);
    m_timers.setEnabled(m_closetimer, true);
    emit changed();
}
