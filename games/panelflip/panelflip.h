// The panel-flip memory game, whole and without widgets: the deal, the turns, the pet's short and
// fallible memory of the last twelve flips, its timed flips, the judging and the stored result.
// The window only shows what this class holds (faces, frame, msg, counts) and passes the user's
// clicks in; every pause runs on the Timers it was given, so a test can play a game in virtual time.
#pragma once

#include "common/random.h"
#include "common/settingsstore.h"
#include "common/timers.h"
#include "pause.h"

#include <QObject>
#include <QString>
#include <array>

class PanelFlip : public QObject
{
    Q_OBJECT
public:
    static constexpr int PanelCount = 12;
    static constexpr int MemorySize = 12;
    static constexpr int PetTurn = 1;
    static constexpr int UserTurn = 2;
    // Pet player index 1, user 2; draws are counter 3.
    static constexpr int Pet = 1;
    static constexpr int User = 2;
    static constexpr int Draw = 3;

    static constexpr int FlipDelayMs = 2000;  // the pet's first and second flip
    static constexpr int WaitloopMs = 1000;   // the pause while a turn is judged
    static constexpr int CloseDelayMs = 3000; // from the result to the end of the program

    PanelFlip(Random &random, Timers &timers, SettingsStore &store, QObject *parent = nullptr);

    // Reads the counters and deals; the user begins.
    void Newgame();
    // A click by the user: ignored while the panels are disabled or the panel is face up.
    void userClick(int index);
    // The window was closed: nothing more happens and nothing is written.
    void abandon();

    // What the window shows. Panels are numbered 1..12 left to right, top to bottom.
    bool isFaceDown(int index) const { return !m_faceUp.at(index); }
    // The face the panel shows: 0 the back, 1..6 a face.
    int shownFace(int index) const { return m_faceUp.at(index) ? m_tag.at(index) : 0; }
    int tag(int index) const { return m_tag.at(index); }
    bool panelsEnabled() const { return m_enabled; }
    int frame() const { return m_frame; }
    QString msg() const { return m_msg; }
    int pairsTaken(int player) const { return m_pairs.at(player); }
    int wins(int which) const { return m_wins.at(which); }
    int turn() const { return m_turn; }
    bool isOver() const { return m_over; }
    // The pet's memory, position 1 = most recent flip; 0 = empty.
    int memoryAt(int position) const { return m_memory.at(position); }

    // Memory search: the first pair of remembered, different panels with equal faces whose more
    // recent sighting is still face down. Fills target and age; the target at age(1) comes first.
    bool Searchpair();
    int target(int i) const { return m_target.at(i); }
    int age(int i) const { return m_age.at(i); }

    // For tests: set a board and memory as a game would have reached them.
    void setTagsForTest(const std::array<int, PanelCount + 1> &tags) { m_tag = tags; }
    void setMemoryForTest(const std::array<int, MemorySize + 1> &memory) { m_memory = memory; }

signals:
    void changed();
    // The result has stood for three seconds: the program ends.
    void finished();

private:
    void panelClick(int index);
    void turnpanel1Timer();
    void turnpanel2Timer();
    void closetimerTimer();
    void Myturn(int first);
    void Checkpanel();
    void Gameend();
    void Setpicture(int n) { m_frame = n; }
    int pairsSum() const { return m_pairs[Pet] + m_pairs[User]; }
    int drawFaceDown();
    int drawAvoidingMemory();
    void turnBack(int index) { m_faceUp[index] = false; }

    Random &m_random;
    Timers &m_timers;
    SettingsStore &m_store;
    int m_turnpanel1;
    int m_turnpanel2;
    int m_closetimer;
    // The pause while a turn is judged; the judging goes on when it runs out.
    Pause m_waitloop;

    std::array<int, PanelCount + 1> m_tag{};
    std::array<bool, PanelCount + 1> m_faceUp{};
    std::array<int, MemorySize + 1> m_memory{};
    std::array<int, 3> m_pairs{};
    std::array<qint16, 4> m_wins{};
    std::array<int, 3> m_selected{};
    std::array<int, 3> m_target{};
    std::array<int, 3> m_age{};
    int m_turn = UserTurn;
    int m_flipcount = 0;
    bool m_knownpair = false;
    bool m_enabled = false;
    bool m_over = false;
    bool m_abandoned = false;
    int m_frame = 1;
    QString m_msg;
};
