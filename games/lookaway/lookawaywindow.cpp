#include "gamepack.h"
// The look-away game arrives with the game pack; until then the letter starts nothing.
int playLookAway() { return 0; }
