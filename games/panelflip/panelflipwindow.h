// The panel-flip window: the board of twelve panels, the pet, its speech and the counts. It shows
// what the PanelFlip game holds and passes panel clicks to it; it keeps no rule of its own.
#pragma once

#include "gamewindowparts.h"

#include <array>

class PanelFlip;
class GamePictureWidget;
class QLabel;

class PanelFlipWindow : public GameWindow
{
    Q_OBJECT
public:
    explicit PanelFlipWindow(PanelFlip &game, QWidget *parent = nullptr);

    // Board geometry: 4 x 3 panels of 32 x 32 on a 40-pixel pitch, 8 pixels in from the corner.
    static QPoint panelPosition(int index);

    GamePictureWidget *panelWidget(int index) const { return m_panels.at(index); }
    GamePictureWidget *petWidget() const { return m_pet; }
    QLabel *msgLabel() const { return m_msg; }
    QLabel *getbox(int i) const { return m_getbox.at(i); }
    QLabel *winbox(int i) const { return m_winbox.at(i); }

protected:
    void stopGame() override;

private:
    void refresh();

    PanelFlip &m_game;
    std::array<GamePictureWidget *, 13> m_panels{};
    GamePictureWidget *m_pet = nullptr;
    QLabel *m_msg = nullptr;
    std::array<QLabel *, 3> m_getbox{};
    std::array<QLabel *, 4> m_winbox{};
};
