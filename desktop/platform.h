// Which window system the programs run on. On a Wayland desktop a client cannot place its own
// windows, so the pet's speech could not stand beside it; where the desktop also offers an X
// display, both programs go there unless the user chose a platform himself.
#pragma once

#include <QByteArray>

namespace desktop {

struct PlatformChoice {
    QByteArray platform; // what QT_QPA_PLATFORM is to be set to; empty = leave it alone
    bool waylandOnly = false; // Wayland without an X display: the dialogs may stand elsewhere
};

// The rule, from the environment's values (empty = unset).
PlatformChoice choosePlatform(const QByteArray &qpaPlatform, const QByteArray &waylandDisplay,
                              const QByteArray &sessionType, const QByteArray &x11Display);

// Applies the rule to this process before the application object is made, and logs the one
// warning of a Wayland-only desktop. On X the pictures go to the server over the connection,
// not through shared memory.
void preparePlatform();

} // namespace desktop
