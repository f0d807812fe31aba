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
    setFixedSize(400, 260);

    // The choice dialogs open over the upper right of the window (from x = 159 and from just
    // below the title bar down to y = 115, whatever frame the window manager draws), and they are
    // open for most of a match. Everything the user reads while choosing therefore lies left of
    // them (the pet) or below them: the pet's call, the counts and the user's last choice.
    m_pet = new GamePictureWidget(QSize(120, 176), this);
    m_pet->move(8, 8);
    m_msg = speechBox(this, {136, 120, 256, 64});

    caption(this, QStringLiteral("勝った数"), {8, 196, 64, 24});
    caption(this, QStringLiteral("Pimo"), {76, 196, 36, 24});
    m_getbox[LookAway::Pet] = countBox(this, {112, 196, 32, 24});
    caption(this, QStringLiteral("You"), {154, 196, 30, 24});
    m_getbox[LookAway::User] = countBox(this, {184, 196, 32, 24});

    caption(this, QStringLiteral("対戦成績"), {8, 228, 64, 24});
    caption(this, QStringLiteral("Pim"), {76, 228, 36, 24});
    m_winbox[LookAway::Pet] = countBox(this, {112, 228, 32, 24});
    caption(this, QStringLiteral("You"), {154, 228, 30, 24});
    m_winbox[LookAway::User] = countBox(this, {184, 228, 32, 24});

    caption(this, QStringLiteral("あなたの手"), {264, 192, 128, 20});
    m_yourbox = countBox(this, {264, 212, 128, 40});
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
