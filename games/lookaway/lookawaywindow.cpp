#include "lookawaywindow.h"

#include "choicedialog.h"
#include "gamepack.h"
#include "gamepicturewidget.h"
#include "gamewindowparts.h"
#include "lookaway.h"

#include <QLabel>

LookAwayWindow::LookAwayWindow(LookAway &game, QWidget *parent) : GameWindow(parent), m_game(game)
{
    using namespace gamewindow;
    setWindowTitle(QStringLiteral("あっち向いてホイ"));
    setFixedSize(400, 282);

    // The choice dialogs open over the upper right of the window, from x = 159 down to about
    // y = 115 when they stand where they belong, and to about y = 150 while the window manager
    // has not yet told where the window's frame is. They are open for most of a match, so
    // everything the user reads while choosing lies left of them (the pet) or below them: the
    // pet's call, the counts and the user's last choice.
    m_pet = new GamePictureWidget(QSize(120, 176), this);
    m_pet->move(8, 8);
    m_msg = speechBox(this, {136, 152, 256, 52});

    caption(this, QStringLiteral("勝った数"), {8, 214, 64, 24});
    caption(this, QStringLiteral("Pimo"), {76, 214, 36, 24});
    m_getbox[LookAway::Pet] = countBox(this, {112, 214, 32, 24});
    caption(this, QStringLiteral("You"), {154, 214, 30, 24});
    m_getbox[LookAway::User] = countBox(this, {184, 214, 32, 24});

    caption(this, QStringLiteral("対戦成績"), {8, 246, 64, 24});
    caption(this, QStringLiteral("Pim"), {76, 246, 36, 24});
    m_winbox[LookAway::Pet] = countBox(this, {112, 246, 32, 24});
    caption(this, QStringLiteral("You"), {154, 246, 30, 24});
    m_winbox[LookAway::User] = countBox(this, {184, 246, 32, 24});

    caption(this, QStringLiteral("あなたの手"), {264, 210, 128, 20});
    m_yourbox = countBox(this, {264, 230, 128, 40});
    m_yourbox->clear();
    QFont big = m_yourbox->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    m_yourbox->setFont(big);

    QStringList hands, arrows;
    for (int h = 0; h < 3; ++h)
        hands << LookAway::handName(h);
    for (int d = 0; d < 4; ++d)
        arrows << LookAway::arrowName(d);
    m_handDialog = new ChoiceDialog(hands, this);
    m_directionDialog = new ChoiceDialog(arrows, this);
    connect(m_handDialog, &ChoiceDialog::chosen, &m_game, &LookAway::chooseHand);
    connect(m_directionDialog, &ChoiceDialog::chosen, &m_game, &LookAway::chooseDirection);
    // Closing a choice dialog leaves the game, as closing the window does.
    for (ChoiceDialog *d : {m_handDialog, m_directionDialog})
        connect(d, &ChoiceDialog::dismissed, this, &QDialog::reject);
    connect(&m_game, &LookAway::handRequested, this,
            [this] { m_handDialog->askAt(this, LookAway::handDialogOffset()); });
    connect(&m_game, &LookAway::directionRequested, this,
            [this] { m_directionDialog->askAt(this, LookAway::directionDialogOffset()); });

    connect(&m_game, &LookAway::changed, this, &LookAwayWindow::refresh);
    connect(&m_game, &LookAway::finished, this, &QDialog::accept);
    refresh();
}

void LookAwayWindow::refresh()
{
    m_pet->showPicture(QStringLiteral("look%1").arg(m_game.frame()),
                       QString::number(m_game.frame()));
    m_msg->setText(gamewindow::shownText(m_game.msg()));
    m_yourbox->setText(m_game.yourbox());
    for (int p = LookAway::Pet; p <= LookAway::User; ++p) {
        m_getbox[p]->setNum(m_game.boutwins(p));
        m_winbox[p]->setNum(m_game.score(p));
    }
}

void LookAwayWindow::stopGame()
{
    m_game.abandon();
    m_handDialog->hide();
    m_directionDialog->hide();
}

int playLookAway() { return gamewindow::play<LookAway, LookAwayWindow>(); }
