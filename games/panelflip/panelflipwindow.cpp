#include "gamepack.h"
// The panel-flip game arrives with the game pack; until then the letter starts nothing.
int playPanelFlip() { return 0; }
