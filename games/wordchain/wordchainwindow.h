// The word-chain game's window: shows what WordChainGame says (the pet's picture and speech,
// its word, the time bar, the counters) and hands it Return in the entry box and "終了".
// It holds no rule of the game.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class WordChainGame;
class GamePictureWidget;
class TimeBar;

class WordChainWindow : public QDialog
{
    Q_OBJECT
public:
    explicit WordChainWindow(WordChainGame &game, QWidget *parent = nullptr);

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void render();
    void beginUserTurn();

    WordChainGame &m_game;
    GamePictureWidget *m_pet = nullptr;
    QLabel *m_msg = nullptr;
    QLabel *m_petWord = nullptr;
    QLineEdit *m_entry = nullptr;
    TimeBar *m_timeBar = nullptr;
    QLabel *m_winbox[4] = {};
    QPushButton *m_quit = nullptr;
};
