// Starting the pet with the user's session: an XDG autostart entry, autostart/lunetta.desktop in
// the user's config folder, that starts this very lunetta. It lives outside the settings store,
// so a reset of the pet leaves it as the user set it.
#pragma once

#include <QString>

namespace desktop {

// $XDG_CONFIG_HOME/autostart/lunetta.desktop
QString autostartFile();
// Whether the session will start the pet: the entry exists and is not switched off.
bool autostartEnabled();
// Writes the entry starting program (an absolute path), or removes it. False when the file
// could not be written or removed; the entry is then as it was.
bool setAutostart(bool enabled, const QString &program);
// The Exec value that starts program with no arguments, quoted as desktop entries require.
QString execLine(const QString &program);

} // namespace desktop
