// The look-away game, whole and without widgets: rock-paper-scissors throws, the look-away that
// follows, the pet's three learning tables of the user's habits, the paced calls and the stored
// result. The window shows what this class holds and opens the hand or direction dialog when it
// is asked to; every pause runs on the Timers it was given.
#pragma once

#include "common/random.h"
#include "common/settingsstore.h"
#include "common/timers.h"
#include "pause.h"

#include <QObject>
#include <QPoint>
#include <QString>
#include <array>
#include <optional>

class LookAway : public QObject
{
    Q_OBJECT
public:
    // Players, as in the bout and match counts: 1 the pet, 2 the user.
    static constexpr int Pet = 1;
    static constexpr int User = 2;
    // Hands 0 ぐー, 1 ちょき, 2 ぱー; directions 0 ↑, 1 ↓, 2 ←, 3 →.
    enum State { Throw = 1, ThrowAgain = 2, PetPoints = 3, UserPoints = 4 };
    // The three tables the pet learns: the user's hands, looking and pointing directions.
    enum TableKind { HandTable = 0, LookTable = 1, PointTable = 2 };
    enum class Request { None, Hand, Direction };

    static constexpr int FirstCallMs = 3000;
    static constexpr int CallMs = 800;       // also the pause after a missed look-away
    static constexpr int AfterThrowMs = 500;
    static constexpr int AfterBoutMs = 2000;
    static constexpr int WaitloopMs = 300;
    static constexpr int CloseDelayMs = 3000;

    LookAway(Random &random, Timers &timers, SettingsStore &store, QObject *parent = nullptr);

    static QString handName(int hand);
    static QString arrowName(int direction);
    // Where the hand and direction dialogs stand, from the game window's top-left corner.
    static QPoint handDialogOffset();
    static QPoint directionDialogOffset();
    // The store keys of a table's count for previous choice prev followed by next.
    static QString tableKey(TableKind kind, int prev, int next);
    static QString samplesKey(TableKind kind);

    // Reads the tables and counters and starts the first call three seconds later.
    void Newgame();
    // The user's answer in the hand dialog (0..2) or the direction dialog (0..3); ignored unless
    // that dialog was asked for.
    void chooseHand(int hand);
    void chooseDirection(int direction);
    // The window was closed: nothing more happens and nothing is written.
    void abandon();

    int state() const { return m_state; }
    Request pendingRequest() const { return m_request; }
    int frame() const { return m_frame; }
    QString msg() const { return m_msg; }
    QString yourbox() const { return m_yourbox; }
    int boutwins(int player) const { return m_boutwins.at(player); }
    int score(int player) const { return m_score.at(player); }
    int petHand() const { return m_hands[Pet]; }
    int petDirection() const { return m_dirs[Pet]; }
    bool isOver() const { return m_over; }
    int count(TableKind kind, int prev, int next) const { return m_tables.at(kind).counts.at(prev).at(next); }
    int samples(TableKind kind) const { return m_tables.at(kind).samples; }

signals:
    void changed();
    // Show the hand dialog (Form3) or the direction dialog (Form4), modally.
    void handRequested();
    void directionRequested();
    // The result has stood for three seconds: the program ends.
    void finished();

private:
    struct Table {
        int size = 3;
        std::array<std::array<qint16, 4>, 4> counts{};
        qint16 samples = 0;
        int prev = 0; // the user's previous choice; not stored, ぐー / ↑ at each start
    };

    void starttimerTimer();
    void Hantei1();
    void Hantei2();
    void Hantei3();
    struct Round;
    static const Round PetPointsRound;
    static const Round UserPointsRound;
    void lookAway(const Round &round);
    void Choosehand();
    void Choosepoint();
    void Chooselook();
    // The user's most likely next choice in the table, or nothing when the pet plays at random.
    std::optional<int> predict(Table &table);
    void learn(Table &table, int choice);
    void Matchend(int winner);
    void Setpicture(int n) { m_frame = n; }
    void ask(Request request);

    Random &m_random;
    Timers &m_timers;
    SettingsStore &m_store;
    int m_starttimer;
    int m_closetimer;
    // The short pause after the user's choice; the judging goes on when it runs out.
    Pause m_waitloop;

    std::array<Table, 3> m_tables{};
    std::array<int, 3> m_hands{};
    std::array<int, 3> m_dirs{};
    std::array<int, 3> m_boutwins{};
    std::array<qint16, 3> m_score{};
    int m_state = Throw;
    Request m_request = Request::None;
    int m_frame = 1;
    QString m_msg;
    QString m_yourbox;
    bool m_over = false;
    bool m_abandoned = false;
};
