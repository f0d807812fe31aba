// What the pet remembers between runs: the in-memory copy of every settings key it owns, the one
// table of keys (name, type, default) that loading, saving, the reset and the tests share, and
// the rules that change those values at start and exit (friendship, return bonus and absence
// penalty, the flower catch-up, the exit save). No window code here.
#pragma once

#include "common/placement.h"
#include "common/settingsstore.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

// The screens and the pet's windows as the placement sees them, in twips (15 twips to a pixel).
// Sizes are of the outer frames the user sees; until the window manager has framed the pet
// window its size is that of its inside.
struct ScreenGeometry {
    // The primary screen, when no screens are listed (tests and the simulation).
    qint32 width = 1920 * 15;
    qint32 height = 1080 * 15;
    // The usable area of every screen, the primary first.
    std::vector<placement::Area> screens;
    qint32 petWidth = 4380;
    qint32 petHeight = 3360;
    // Where the pet window stands now (the user may move it).
    qint32 petLeft = 0;
    qint32 petTop = 0;
    // The speech and question windows, their thin frame included.
    qint32 speechWidth = 3075;
    qint32 speechHeight = 2490;
    qint32 questionWidth = 3075;
    qint32 questionHeight = 3675;

    std::vector<placement::Area> areas() const;
    placement::Area pet() const { return {petLeft, petTop, petWidth, petHeight}; }
    // The usable area of the screen the pet window stands on.
    placement::Area petScreen() const;
};

struct Memory {
    qint32 mleft = 0;
    qint32 mtop = 0;
    qint16 Firstflag = 0;
    qint32 Totaltime = 0;
    qint16 Loveval = 50;
    std::array<qint16, 10> Item{}; // Item[1]..Item[9]
    qint16 Flowerday = 0;
    qint32 Lastday = 0;
    qint32 Lastdate = 0;
    qint16 Flowekind = 0;
    bool option1 = false;
    qint16 Precount = 0;
    qint16 Totalpreno = 0;
    std::array<qint16, 21> Preflag{}; // Preflag[1]..Preflag[15]
};

enum class KeyType { Int16, Int32, Bool };

struct KeyDef {
    QString key;
    KeyType type;
    qint32 def; // for Bool: 0 or 1; the window place computes its default from the screen
    std::function<void *(Memory &)> field;
};

// Every key the pet program owns, in its loading order.
const std::vector<KeyDef> &petKeys();
// The game pack's keys, which the pet never reads but which its reset deletes.
QStringList gamePackKeys();

class PetMemory
{
public:
    explicit PetMemory(SettingsStore &store) : m_store(store) {}

    Memory m;

    // Reads every key in loading order. A value that does not convert leaves that key alone at
    // its default (with a warning naming it) and the rest are still read. The window place is
    // clamped to the screen.
    void load(const ScreenGeometry &screen);
    // Friendship changes only here: 16-bit sum, kept in -20..120, written at once.
    void addFriendship(qint16 d);
    // Start-up: the flower catch-up (only with the seeds given), then the return bonus or the
    // absence penalty from the day of the last exit.
    void flowerCatchUp(const QDateTime &now);
    void returnBonus(const QDateTime &now);
    // Exit: window place, running time, then the day numbers.
    void exitSave(const QDateTime &now, qint32 left, qint32 top);
    // What the exit writes is also kept current while the pet runs, so a killed pet or a power
    // cut leaves the store as a close at that moment would have: the day numbers when their
    // rounded value changes (called at start and every minute), the window place once a move
    // has settled. Each writes only what differs from the store.
    void keepDaysCurrent(const QDateTime &now);
    void keepPlaceCurrent(qint32 left, qint32 top);

    void saveKey(const QString &key);
    void saveInt(const QString &key, qint64 value);
    SettingsStore &store() { return m_store; }

    // Places the window from the stored place load read (centred on the primary screen when
    // none was stored), pulled onto the screen it stands on. Run again once the window manager
    // has framed the window, so the whole frame lies on the screen.
    void placeWindow(const ScreenGeometry &screen);

    // Window place arithmetic on a single screen at 0,0, in twips: the centred default and the
    // clamp into the screen.
    static qint32 centred(qint32 screen, qint32 window);
    static qint32 clampToScreen(qint32 pos, qint32 screen, qint32 window);

private:
    SettingsStore &m_store;
    std::optional<qint32> m_storedLeft;
    std::optional<qint32> m_storedTop;
};
