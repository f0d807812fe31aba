#include "gamepack.h"
// The word-chain game arrives with its word lists; until then the letter starts nothing.
int playWordChain() { return 0; }
