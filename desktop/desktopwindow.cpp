#include "desktopwindow.h"

#include "common/placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <vector>

#if defined(TOBBERLY_HAVE_XCB)
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>
#endif

namespace desktop {

#if defined(TOBBERLY_HAVE_XCB)
namespace {
xcb_connection_t *x11Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name);
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(c, cookie, nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return a;
}

xcb_window_t rootOf(xcb_connection_t *c)
{
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// The atoms of a window's ATOM-list property.
std::vector<xcb_atom_t> atomList(xcb_connection_t *c, xcb_window_t w, xcb_atom_t property)
{
    std::vector<xcb_atom_t> atoms;
    const xcb_get_property_cookie_t cookie = xcb_get_property(c, 0, w, property, XCB_ATOM_ATOM, 0, 1024);
    xcb_get_property_reply_t *reply = xcb_get_property_reply(c, cookie, nullptr);
    if (reply && reply->type == XCB_ATOM_ATOM && reply->format == 32) {
        const auto *data = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
        atoms.assign(data, data + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return atoms;
}

bool windowManagerSupports(xcb_connection_t *c, const char *name)
{
    const xcb_atom_t wanted = atom(c, name);
    const std::vector<xcb_atom_t> supported = atomList(c, rootOf(c), atom(c, "_NET_SUPPORTED"));
    return wanted != XCB_ATOM_NONE && std::find(supported.begin(), supported.end(), wanted) != supported.end();
}

// Adds the skip states to the window's _NET_WM_STATE while it is unmapped; the window manager
// reads them when the window is mapped, and Qt keeps states it does not set itself.
void addSkipStates(QWidget *window)
{
    xcb_connection_t *c = x11Connection();
    if (!c || !window->windowHandle())
        return;
    const xcb_window_t w = xcb_window_t(window->winId());
    const xcb_atom_t state = atom(c, "_NET_WM_STATE");
    std::vector<xcb_atom_t> atoms = atomList(c, w, state);
    for (const char *name : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
        const xcb_atom_t a = atom(c, name);
        if (std::find(atoms.begin(), atoms.end(), a) == atoms.end())
            atoms.push_back(a);
    }
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, state, XCB_ATOM_ATOM, 32, uint32_t(atoms.size()), atoms.data());
    xcb_flush(c);
}
} // namespace
#endif

Qt::WindowFlags fixedSizeFlags(Qt::WindowType type, bool minimisable)
{
    Qt::WindowFlags f = type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                        | Qt::WindowCloseButtonHint;
    if (minimisable)
        f |= Qt::WindowMinimizeButtonHint;
    return f;
}

namespace {
class TaskbarKeeper : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The show event comes before the window is mapped: the state is in place for the
        // window manager's first look.
#if defined(TOBBERLY_HAVE_XCB)
        if (event->type() == QEvent::Show)
            addSkipStates(static_cast<QWidget *>(watched));
#else
        Q_UNUSED(watched);
        Q_UNUSED(event);
#endif
        return false;
    }
};
} // namespace

void keepOffTaskbar(QWidget *window)
{
    window->installEventFilter(new TaskbarKeeper(window));
}

namespace {
// Keeps a window from taking the keyboard while the window manager acts on a raise or a restore
// it did not ask for (xfwm4 takes a raise of a window that could take the keyboard, even one asked
// for as a pager would, for a wish to be activated, and focuses a window it maps back), then lets
// it take the keyboard again on the user's click. A second raise while it holds holds longer.
class FocusHold : public QObject
{
public:
    static constexpr int kHoldMs = 2000;
    static constexpr QLatin1StringView kName{"desktop-focus-hold"};

    static void hold(QWidget *window)
    {
        QWindow *h = window->windowHandle();
        if (!h || QGuiApplication::platformName() != QLatin1String("xcb")
            || (window->windowFlags() & Qt::WindowDoesNotAcceptFocus))
            return; // a window that never takes the keyboard needs no hold
        // Found by its name: without a meta-object of its own it cannot be told apart by type.
        auto *held = static_cast<FocusHold *>(window->findChild<QObject *>(kName, Qt::FindDirectChildrenOnly));
        if (!held) {
            held = new FocusHold(window);
            h->setFlag(Qt::WindowDoesNotAcceptFocus, true);
        }
        held->m_timer.start(kHoldMs);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // Some window managers (xfwm4) hand the keyboard to a window they map back a moment after
        // its state has changed, so the window stays without it a little longer.
        if (event->type() == QEvent::WindowStateChange && !m_window->isMinimized())
            m_timer.start(kHoldMs);
        return false;
    }

private:
    explicit FocusHold(QWidget *window) : QObject(window), m_window(window)
    {
        setObjectName(kName);
        window->installEventFilter(this);
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, &FocusHold::release);
    }
    void release()
    {
        if (QWindow *h = m_window->windowHandle())
            h->setFlag(Qt::WindowDoesNotAcceptFocus, false);
        deleteLater();
    }
    QWidget *m_window;
    QTimer m_timer;
};
} // namespace

void raiseQuietly(QWidget *window)
{
    FocusHold::hold(window);
#if defined(TOBBERLY_HAVE_XCB)
    // A restack asked for as a pager would is the least a window manager can take for a wish for
    // the keyboard; the hold above covers those that take it so all the same.
    if (xcb_connection_t *c = x11Connection(); c && window->isVisible() && windowManagerSupports(c, "_NET_RESTACK_WINDOW")) {
        xcb_client_message_event_t ev;
        std::memset(&ev, 0, sizeof ev);
        ev.response_type = XCB_CLIENT_MESSAGE;
        ev.format = 32;
        ev.window = xcb_window_t(window->winId());
        ev.type = atom(c, "_NET_RESTACK_WINDOW");
        ev.data.data32[0] = 2; // asked for as a pager would: not the application's own wish for focus
        ev.data.data32[1] = XCB_NONE;
        ev.data.data32[2] = XCB_STACK_MODE_ABOVE;
        xcb_send_event(c, 0, rootOf(c), XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&ev));
        xcb_flush(c);
        return;
    }
#endif
    window->raise();
}

void restoreQuietly(QWidget *window)
{
    if (!window->isMinimized())
        return;
    // The window manager focuses a window it maps back; one that says it takes no keyboard is put
    // back without it.
    FocusHold::hold(window);
    window->showNormal();
}

namespace {
class Centrer : public QObject
{
public:
    Centrer(QWidget *window, QScreen *screen) : QObject(window), m_window(window), m_screen(screen)
    {
        window->installEventFilter(this);
    }
    void place(QSize outer)
    {
        const QRect a = m_screen ? m_screen->availableGeometry() : QRect();
        if (a.isEmpty())
            return;
        m_placed = QPoint(placement::centred(a.x(), a.width(), outer.width()),
                          placement::centred(a.y(), a.height(), outer.height()));
        m_window->move(m_placed);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Move || !m_window->isVisible())
            return false;
        const QSize outer = m_window->frameGeometry().size();
        if (outer == m_window->size())
            return false; // not framed yet
        // The frame is here: centre once more on it, unless the user has moved the window.
        if (m_window->pos() == m_placed && outer != m_guess)
            place(outer);
        deleteLater();
        return false;
    }

public:
    QSize m_guess;

private:
    QWidget *m_window;
    QPointer<QScreen> m_screen;
    QPoint m_placed;
};
} // namespace

void centreOnScreen(QWidget *window, QScreen *screen, const QWidget *frameLike)
{
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    QSize guess = window->size();
    if (frameLike && frameLike->isVisible())
        guess += frameLike->frameGeometry().size() - frameLike->size();
    auto *centrer = new Centrer(window, screen);
    centrer->m_guess = guess;
    centrer->place(guess);
}

FrameWatch::FrameWatch(QWidget *window) : QObject(window), m_window(window), m_outer(window->size())
{
    window->installEventFilter(this);
}

bool FrameWatch::eventFilter(QObject *, QEvent *event)
{
    const QEvent::Type t = event->type();
    if ((t == QEvent::Move || t == QEvent::Resize || t == QEvent::Show) && m_window) {
        const QSize outer = m_window->frameGeometry().size();
        if (outer != m_outer) {
            m_outer = outer;
            emit frameChanged(outer);
        }
    }
    return false;
}

namespace {
// Waits for the first paint of one window. The work is posted behind the paint, so it runs when
// the picture has been handed to the window system, never in the middle of drawing it.
class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(QWidget *window, std::function<void()> work, int latestMs)
        : QObject(window), m_work(std::move(work))
    {
        window->installEventFilter(this);
        // A timer of its own, which goes with the watch: a single shot aimed at it would still
        // wake the program after the work was done.
        auto *latest = new QTimer(this);
        latest->setSingleShot(true);
        connect(latest, &QTimer::timeout, this, &FirstPaintWatch::run);
        latest->start(latestMs);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, &FirstPaintWatch::run);
        }
        return false;
    }

private:
    void run()
    {
        if (auto work = std::exchange(m_work, nullptr))
            work();
        deleteLater();
    }
    std::function<void()> m_work;
};
} // namespace

void afterFirstPaint(QWidget *window, std::function<void()> work, int latestMs)
{
    new FirstPaintWatch(window, std::move(work), latestMs);
}

} // namespace desktop
