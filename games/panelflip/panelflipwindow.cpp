#include "panelflipwindow.h"

#include "gamepack.h"
#include "gamepicturewidget.h"
#include "gamewindowparts.h"
#include "panelflip.h"

#include <QLabel>

namespace {
constexpr QSize PanelSize(32, 32);
constexpr QSize PetSize(120, 176);
constexpr int Pitch = 40;
constexpr int Margin = 8;
} // namespace

QPoint PanelFlipWindow::panelPosition(int index)
{
    const int i = index - 1;
    return {Margin + (i % 4) * Pitch, Margin + (i / 4) * Pitch};
}

PanelFlipWindow::PanelFlipWindow(PanelFlip &game, QWidget *parent) : GameWindow(parent), m_game(game)
{
    using namespace gamewindow;
    setWindowTitle(QStringLiteral("パネルめくり"));
    setFixedSize(528, 192);

    for (int i = 1; i <= PanelFlip::PanelCount; ++i) {
        auto *panel = new GamePictureWidget(PanelSize, this);
        panel->move(panelPosition(i));
        connect(panel, &GamePictureWidget::clicked, this, [this, i] { m_game.userClick(i); });
        m_panels[i] = panel;
    }

    caption(this, QStringLiteral("取ったパネルの数"), {8, 136, 160, 18});
    caption(this, QStringLiteral("Pimo"), {8, 158, 40, 22});
    m_getbox[1] = countBox(this, {48, 158, 36, 22});
    caption(this, QStringLiteral("You"), {92, 158, 30, 22});
    m_getbox[2] = countBox(this, {124, 158, 36, 22});

    m_pet = new GamePictureWidget(PetSize, this);
    m_pet->move(176, 8);
    m_msg = speechBox(this, {306, 8, 214, 100});

    caption(this, QStringLiteral("対戦成績"), {306, 116, 214, 18});
    const char *heads[] = {nullptr, "Pim", "You", "Draw"};
    for (int w = 1; w <= 3; ++w) {
        const int x = 306 + (w - 1) * 74;
        caption(this, QLatin1String(heads[w]), {x, 136, 66, 18})->setAlignment(Qt::AlignCenter);
        m_winbox[w] = countBox(this, {x, 156, 66, 22});
    }

    connect(&m_game, &PanelFlip::changed, this, &PanelFlipWindow::refresh);
    connect(&m_game, &PanelFlip::finished, this, &QDialog::accept);
    refresh();
}

void PanelFlipWindow::refresh()
{
    for (int i = 1; i <= PanelFlip::PanelCount; ++i) {
        const int face = m_game.shownFace(i);
        m_panels[i]->showPicture(QStringLiteral("panel%1").arg(face),
                                 face == 0 ? QStringLiteral("?") : QString::number(face));
        m_panels[i]->setCursor(m_game.panelsEnabled() && face == 0 ? Qt::PointingHandCursor
                                                                    : Qt::ArrowCursor);
    }
    m_pet->showPicture(QStringLiteral("flip%1").arg(m_game.frame()),
                       QString::number(m_game.frame()));
    m_msg->setText(gamewindow::shownText(m_game.msg()));
    for (int p = 1; p <= 2; ++p)
        m_getbox[p]->setNum(m_game.pairsTaken(p));
    for (int w = 1; w <= 3; ++w)
        m_winbox[w]->setNum(m_game.wins(w));
}

void PanelFlipWindow::stopGame() { m_game.abandon(); }

int playPanelFlip() { return gamewindow::play<PanelFlip, PanelFlipWindow>(); }
