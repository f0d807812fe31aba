// Small pieces the game windows share: placed captions, framed count boxes, the speech box, and
// the pet's text shown with its CR LF line breaks.
#pragma once

#include "common/random.h"
#include "common/settingsstore.h"
#include "common/timers.h"

#include <QDialog>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// A game window shown modally. Escape does not close it (a stray key would throw the game
// away); its close button does, and closing at any time stops the game so nothing more is played
// or written. It cannot grow, so it offers no maximise.
class GameWindow : public QDialog
{
    Q_OBJECT
public:
    explicit GameWindow(QWidget *parent = nullptr);
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    virtual void stopGame() = 0;

public:
    // The first show places the window, before it exists on the screen.
    void setVisible(bool visible) override;

private:
    bool m_placed = false;
};

namespace gamewindow {
// The game window's first place: its outer frame centred on the screen the user is at (where the
// pointer is, having just chosen the game beside the pet). Called before the window is first shown.
void placeGameWindow(QWidget *window);
}

namespace gamewindow {

QLabel *caption(QWidget *parent, const QString &text, const QRect &place);
// A sunken box holding a number.
QLabel *countBox(QWidget *parent, const QRect &place);
// The pet's speech: a framed, word-wrapped box.
QLabel *speechBox(QWidget *parent, const QRect &place);
// The pet's lines are joined with CR LF; a label wants plain line feeds.
QString shownText(const QString &msg);
// The game pack's chance is seeded once from the clock when a game window opens.
quint64 clockSeed();

// Plays one game in its window with the real store, timers and a clock-seeded chance.
template <typename Game, typename Window>
int play()
{
    QtSettingsStore store;
    QtTimers timers;
    SeededRandom random(clockSeed());
    Game game(random, timers, store);
    game.Newgame();
    Window window(game);
    window.exec();
    return 0;
}

} // namespace gamewindow
