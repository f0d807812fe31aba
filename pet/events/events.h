// The table of the pet's activities, by number. Numbers without a procedure do nothing.
#pragma once

#include "player.h"

#include <QList>

// The procedure of event n, or nullptr.
EventProc eventProcedure(qint16 n);
// Every event number that has a procedure (for tests and the art checks).
QList<qint16> eventNumbers();
