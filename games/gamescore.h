// The game pack's stored counters and learning counts: 16-bit decimal text in the shared store,
// default "0". The store can be edited by hand, so text that is not a 16-bit decimal number is
// read as 0 (with a warning naming the key) rather than trusted or allowed to stop the game.
#pragma once

#include "common/settingsstore.h"

#include <QString>
#include <QtGlobal>

namespace gamescore {

qint16 readCounter(const SettingsStore &store, const QString &key);
void writeCounter(SettingsStore &store, const QString &key, qint16 value);
// One more, stopping at 32767 instead of overflowing.
qint16 plusOne(qint16 value);

} // namespace gamescore
