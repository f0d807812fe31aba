/* xclose NAME: asks every window titled NAME to close, as a window manager's close box does
   (WM_DELETE_WINDOW), so end-to-end tests can try to close the pet like a user. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <string.h>

static int sent;

/* Windows come and go while the tree is walked; a vanished one is simply skipped. */
static int ignoreErrors(Display *d, XErrorEvent *e)
{
    (void)d;
    (void)e;
    return 0;
}

static void visit(Display *d, Window w, const char *name, Atom protocols, Atom del, Atom utf8, Atom netName)
{
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char *prop = NULL;
    if (XGetWindowProperty(d, w, netName, 0, 1024, False, utf8, &type, &format, &n, &after, &prop) == Success
        && prop) {
        if (strcmp((const char *)prop, name) == 0) {
            XEvent e;
            memset(&e, 0, sizeof e);
            e.xclient.type = ClientMessage;
            e.xclient.window = w;
            e.xclient.message_type = protocols;
            e.xclient.format = 32;
            e.xclient.data.l[0] = (long)del;
            e.xclient.data.l[1] = CurrentTime;
            XSendEvent(d, w, False, NoEventMask, &e);
            ++sent;
        }
        XFree(prop);
    }
    Window root, parent, *kids = NULL;
    unsigned int count = 0;
    if (XQueryTree(d, w, &root, &parent, &kids, &count)) {
        for (unsigned int i = 0; i < count; ++i)
            visit(d, kids[i], name, protocols, del, utf8, netName);
        if (kids)
            XFree(kids);
    }
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: xclose NAME\n");
        return 2;
    }
    Display *d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "xclose: no display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    Atom protocols = XInternAtom(d, "WM_PROTOCOLS", False);
    Atom del = XInternAtom(d, "WM_DELETE_WINDOW", False);
    Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    Atom netName = XInternAtom(d, "_NET_WM_NAME", False);
    visit(d, DefaultRootWindow(d), argv[1], protocols, del, utf8, netName);
    XFlush(d);
    XCloseDisplay(d);
    return sent ? 0 : 1;
}
