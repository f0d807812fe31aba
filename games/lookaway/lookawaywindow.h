// The look-away window: the pet, its call, the user's last choice and the counts, plus the two
// choice dialogs it opens when the game asks. It shows what the LookAway game holds and passes
// the user's answers to it; it keeps no rule of its own.
#pragma once

#include "gamewindowparts.h"

#include <array>

class LookAway;
class ChoiceDialog;
class GamePictureWidget;
class QLabel;

class LookAwayWindow : public GameWindow
{
    Q_OBJECT
public:
    explicit LookAwayWindow(LookAway &game, QWidget *parent = nullptr);

    GamePictureWidget *petWidget() const { return m_pet; }
    QLabel *msgLabel() const { return m_msg; }
    QLabel *yourbox() const { return m_yourbox; }
    QLabel *getbox(int i) const { return m_getbox.at(i); }
    QLabel *winbox(int i) const { return m_winbox.at(i); }
    ChoiceDialog *handDialog() const { return m_handDialog; }
    ChoiceDialog *directionDialog() const { return m_directionDialog; }

protected:
    void stopGame() override;

private:
    void refresh();

    LookAway &m_game;
    GamePictureWidget *m_pet = nullptr;
    QLabel *m_msg = nullptr;
    QLabel *m_yourbox = nullptr;
    std::array<QLabel *, 3> m_getbox{};
    std::array<QLabel *, 3> m_winbox{};
    ChoiceDialog *m_handDialog = nullptr;
    ChoiceDialog *m_directionDialog = nullptr;
};
