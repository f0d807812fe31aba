/* xwmstate WINDOW add|remove maximise|fullscreen: asks the window manager to maximise a window, or to show
   it on the full screen, as a taskbar or a pager does (a _NET_WM_STATE request), so end-to-end
   tests can try every way a user has to make a window grow. */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char **argv)
{
    if (argc != 4 || (strcmp(argv[2], "add") != 0 && strcmp(argv[2], "remove") != 0)
        || (strcmp(argv[3], "maximise") != 0 && strcmp(argv[3], "fullscreen") != 0)) {
        fprintf(stderr, "usage: xwmstate WINDOW add|remove maximise|fullscreen\n");
        return 2;
    }
    Display *d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "xwmstate: no display\n");
        return 2;
    }
    const int maximise = strcmp(argv[3], "maximise") == 0;
    XEvent e;
    memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = (Window)strtoul(argv[1], NULL, 0);
    e.xclient.message_type = XInternAtom(d, "_NET_WM_STATE", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = strcmp(argv[2], "add") == 0 ? 1 : 0;
    e.xclient.data.l[1] = (long)XInternAtom(d, maximise ? "_NET_WM_STATE_MAXIMIZED_VERT" : "_NET_WM_STATE_FULLSCREEN", False);
    e.xclient.data.l[2] = maximise ? (long)XInternAtom(d, "_NET_WM_STATE_MAXIMIZED_HORZ", False) : 0;
    e.xclient.data.l[3] = 2; /* asked for by a pager, on the user's behalf */
    XSendEvent(d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    XFlush(d);
    XCloseDisplay(d);
    return 0;
}
