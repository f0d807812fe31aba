// The present window's rules: which of the nine presents are available by the time spent
// together, giving one (friendship, thanks, its first activity), and saving their states.
#pragma once

#include "pet/model/activities.h"
#include "pet/model/context.h"
#include "pet/model/stage.h"
#include "pet/model/lines.h"

#include <array>

struct PresentInfo {
    int key;          // ItemN that stores the state of this window position
    qint32 threshold; // available once Totaltime is greater
    qint16 friendship;
    Lines thanks;
    Activity event; // what the pet does first with it
    const char *name; // label under the picture (empty for the surprises)
    const char *toolTip;
};

class Presents
{
public:
    Presents(PetContext &ctx, Stage &stage, Activities &activities)
        : m_ctx(ctx), m_stage(stage), m_activities(activities)
    {
    }

    static const std::array<PresentInfo, 10> &table(); // positions 1..9
    // The state shown at window position p (0 locked, 1 available, 3 given).
    qint16 state(int p) const;
    // Brings the states up to date with the time spent together (never lowers one).
    void refreshStates();
    // The user clicks present p; returns whether it was given.
    bool give(int p);
    void saveStates();
    bool windowOpen() const { return m_open; }
    void setWindowOpen(bool open);

private:
    PetContext &m_ctx;
    Stage &m_stage;
    Activities &m_activities;
    bool m_open = false;
};
