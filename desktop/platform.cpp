#include "platform.h"

#include "desktoplog.h"

namespace desktop {

PlatformChoice choosePlatform(const QByteArray &qpaPlatform, const QByteArray &waylandDisplay,
                              const QByteArray &sessionType, const QByteArray &x11Display)
{
    PlatformChoice c;
    if (!qpaPlatform.trimmed().isEmpty())
        return c; // the user's own choice stands
    const bool wayland = !waylandDisplay.isEmpty() || sessionType.trimmed().toLower() == "wayland";
    if (!wayland)
        return c;
    if (!x11Display.isEmpty())
        c.platform = "xcb";
    else
        c.waylandOnly = true;
    return c;
}

void preparePlatform()
{
#ifdef Q_OS_UNIX
    const PlatformChoice c = choosePlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"),
                                            qgetenv("XDG_SESSION_TYPE"), qgetenv("DISPLAY"));
    if (!c.platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", c.platform);
    // Our windows are small and repaint a few squares at a time. Through shared memory every such
    // repaint would first wait for the X server to answer that it has read the last one (a round
    // trip that wakes the program twice); sent over the connection the few kilobytes cost less.
    // A user's own setting stands.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    if (c.waylandOnly)
        qCWarning(lcDesktop, "running on Wayland without an X display: the pet cannot place its "
                          "windows there, so its speech may not stand beside it");
#endif
}

} // namespace desktop
