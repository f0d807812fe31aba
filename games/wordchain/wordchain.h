// The rules of the word-chain game against the pet: whose turn it is, the 20-second turn clock,
// the judging of the user's words, the pet's thinking, choosing, remembering and typing, every
// result with its text, picture and counter, and the end of the program three seconds after a
// result. It talks to the world through the settings store, the timers and the chance source;
// the window only shows what it says and hands it Return and "終了".
//
// The pet's pauses are measured in thinking units, 20 to the millisecond: a think of 10 000
// units lasts half a second. Every pause is a single-shot timer that ends early when the turn
// clock stops.
#pragma once

#include "common/random.h"
#include "common/settingsstore.h"
#include "common/timers.h"
#include "wordlists.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class WordChainGame : public QObject
{
    Q_OBJECT
public:
    enum Whose { Pet = 1, User = 2 };
    enum Counter { PetWins = 1, UserWins = 2, Draws = 3 };
    // A result: the pet's picture, its words and the counter it adds to.
    struct Outcome;

    static constexpr int kUnitsPerMs = 20;
    static constexpr int kTurnTicks = 10;
    static constexpr int kTickMs = 2000;
    static constexpr int kCloseMs = 3000;
    static constexpr int kHistorySize = 100;

    WordChainGame(Random &random, Timers &timers, SettingsStore &store, WordLists &lists,
                  QObject *parent = nullptr);

    // Setform: reads the counters and the lists, greets the user and starts the user's turn.
    void start();

    // Return in the entry box with its text.
    void submit(const QString &text);
    // "終了": the user gives up; the game is a draw.
    void giveUp();
    // The window is being closed. Before a result nothing is written; after one, the friendship
    // bonus the closing timer would have given is given now.
    void windowClosing();

    // What the window shows.
    int frame() const { return m_frame; }
    QString message() const { return m_msg; }
    QString petWord() const { return m_petWord; }
    bool entryEnabled() const { return m_entryEnabled; }
    int timeLeft() const { return m_timeleft; }
    qint16 wins(Counter c) const { return m_wins[c]; }
    bool resultShown() const { return m_resultShown; }
    Whose whose() const { return m_whose; }
    bool turnClockRunning() const;
    const QStringList &used() const { return m_used; }

signals:
    void changed();
    // The entry box is to be emptied, enabled and given the focus: the user's turn begins.
    void entryReset();
    // The closing timer fired and the bonus is written: the program ends.
    void programEnds();

private:
    void Setpicture(int n);
    void setMessage(const QStringList &lines);
    void Resettime();
    void startTurnClock();
    void stopTurnClock();
    void Timer1_Timer();
    void closetimer_Timer();
    void raiseFriendship();

    void Checkword(const QString &w);
    void Addword(const QString &w);
    void Thinkword(const QString &userWord);
    void Chooseword(int k);
    void considerWord(int k, int n);
    void typeNextCharacter();
    void Checkmyword(const QString &p);
    void Youlose(int reason);
    void Ilose(int reason);
    void recordResult(const Outcome &outcome);

    // Thinkwait: runs `then` after `units` thinking units, unless the turn clock stops first.
    void Thinkwait(int units, std::function<void()> then);
    // How many sides the die has that decides whether the pet overlooks a repeat it remembers
    // at history position i (it overlooks on a 1); 0 when it always notices.
    static int overlookDie(int position);

    Random &m_random;
    Timers &m_timers;
    SettingsStore &m_store;
    WordLists &m_lists;

    int m_timer1 = -1;
    int m_closetimer = -1;
    int m_thinkTimer = -1;
    std::function<void()> m_afterThink;

    Whose m_whose = User;
    int m_timeleft = kTurnTicks;
    QStringList m_used;
    QStringList m_history; // most recent first, at most kHistorySize
    QString m_typing;      // the word the pet is typing; empty when it is not typing
    qsizetype m_typed = 0;

    int m_frame = 1;
    QString m_msg;
    QString m_petWord;
    bool m_entryEnabled = true;
    bool m_resultShown = false;
    bool m_bonusGiven = false;
    std::array<qint16, 4> m_wins{}; // [1] pet, [2] user, [3] draws
};
