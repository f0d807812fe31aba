// Playing a game with the pet: the game pack is started, the pet window hides and the clock
// stops until the game pack has ended; then the pet comes back and chooses a new activity.
#pragma once

#include "pet/model/activities.h"
#include "pet/model/context.h"
#include "pet/model/stage.h"

// Starts game n (1 panel flip, 2 look-away, 3 word chain; any other n passes a bare "-").
void playGame(PetContext &ctx, Activities &activities, Stage &stage, qint16 n);
// The game pack's argument for game n.
QString gameArgument(qint16 n);
