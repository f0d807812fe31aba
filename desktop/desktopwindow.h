// How the windows of both programs behave on a desktop with a window manager: raised and
// restored without taking the keyboard from the program the user is working in, dialogs kept out
// of the taskbar and the window switcher, no maximise on a window that cannot grow, and the frame
// the window manager draws noticed when it arrives, so placement can be reckoned on it.
// On X11 this speaks the desktop's window protocols; elsewhere it falls back to plain Qt calls.
#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <functional>

class QScreen;

namespace desktop {

// Flags for a top-level window of fixed size: a title bar with close (and minimise when asked),
// never a maximise button. Together with a fixed size (minimum = maximum) every window manager
// then offers no maximise. Openbox still draws a greyed, inert maximise box when its title layout
// puts one between the minimise box and the title (its default, "NLIMC"), so that the boxes keep
// their places; it also gives every titled window a minimise box whatever the window asks. No
// hint of ours removes that placeholder short of a toolbar or menu window type.
Qt::WindowFlags fixedSizeFlags(Qt::WindowType type, bool minimisable);

// Keeps a dialog out of the taskbar and the window switcher, from its next show on.
void keepOffTaskbar(QWidget *window);

// Brings a shown window to the front without activating it: a window that could take the
// keyboard is kept from it for a moment while the window manager raises it, and takes it again
// only on the user's click.
void raiseQuietly(QWidget *window);

// Restores a minimised window without taking the keyboard in the same way.
void restoreQuietly(QWidget *window);

// Centres a window's outer frame on the screen's usable area before it is shown, guessing the
// frame from `frameLike` (a framed window of the same program) when given; when the real frame
// arrives and the window still stands where it was put, it is centred once more on that frame.
void centreOnScreen(QWidget *window, QScreen *screen, const QWidget *frameLike = nullptr);

// Runs work once, as soon as the window's first picture has reached the screen (or, should it
// never be painted, after latestMs): for what a start-up need not do before the user sees it.
void afterFirstPaint(QWidget *window, std::function<void()> work, int latestMs = 1000);

// Reports the outer size of a window whenever it changes: when the window manager's frame
// arrives after the first show, and when the frame changes later.
class FrameWatch : public QObject
{
    Q_OBJECT
public:
    explicit FrameWatch(QWidget *window);
    QSize outerSize() const { return m_outer; }

signals:
    void frameChanged(QSize outer);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    QSize m_outer;
};

} // namespace desktop
