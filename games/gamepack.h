// Each game window of the game pack: shows its game modally and returns when the window is gone.
#pragma once

int playPanelFlip();
int playLookAway();
int playWordChain();
