// The step patterns the pet's activities are made of, as small interpreters over per-event data:
// a rest pose with a random gesture now and then, two frames in turn, a loop of frames, two
// postures chosen by chance, and a pose the pet holds for a while. An event procedure is step 0
// (length, strip, first frame, first interval, perhaps its opening lines) plus one of these.
#pragma once

#include "player.h"
#include "pet/model/lines.h"

#include <vector>

struct Gesture {
    int lo, hi;  // draw values that choose it
    int frame;   // -1: back to choosing a posture (two-posture pattern)
    int ms;      // 0: keep the interval
};

struct GestureTable {
    int restFrame;
    int restMs;
    int drawN;
    std::vector<Gesture> gestures;
    int chanceN = 0; // switchByChance(draw 1..chanceN, chanceEvent) in the rest step
    Activity chanceEvent = Activity::AskToPlay;
    bool restClearsClick = false;
};

namespace steps {

// Step 0: the length (0 keeps the caller's), the strip, the first frame and the first interval.
void begin(Player &e, qint32 length, const char *strip, int frame, int ms, qint16 next = 1);
// The event's opening lines by friendship: never under 60, one time in ten under 80, else one in
// three.
void openingLines(Player &e, Lines lines);
// Rest step 1, gesture steps 2.. that return to it.
void gestures(Player &e, const GestureTable &t);
// Frames a and b in turn from step 1 on (step 0 showed a); each with its interval (0: keep).
void alternate(Player &e, int a, int b, int msA = 0, int msB = 0, bool clearA = false, bool clearB = true);
// A loop of frames; step firstStep shows frames[0] (with firstStep 0 that is the first step
// itself); clears marks the frames that end a stir (a first click on the pet); ms per frame
// (empty: keep).
void loop(Player &e, const std::vector<int> &frames, const std::vector<int> &ms, const std::vector<bool> &clears,
          int firstStep = 0);
// Step 1 chooses a posture by a draw 1..2 (1: first, 2: second); each posture is a rest with
// gestures; a gesture with frame -1 chooses again.
void postures(Player &e, const GestureTable &first, const GestureTable &second, int chooseFrame = -1,
              int chanceN = 0, Activity chanceEvent = Activity::AskToPlay);
// The held pose: a rest with short gestures, now and then a pose held for a while.
void heldPose(Player &e, int restMs, int shortMs, int poseMs, int chanceN = 0, Activity chanceEvent = Activity::AskToPlay);
// Two frames, each moving to the other only when a draw 1..3 gives 1.
void drift(Player &e, int chanceN = 0, Activity chanceEvent = Activity::AskToPlay);

} // namespace steps
