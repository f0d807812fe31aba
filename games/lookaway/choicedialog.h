// The small modal dialog of the look-away game that asks for one choice: the hand (ぐー ちょき ぱー)
// or the direction (↑ ↓ ← →). A button press hides it and reports the button's index.
#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QPushButton;

class ChoiceDialog : public QDialog
{
    Q_OBJECT
public:
    ChoiceDialog(const QStringList &captions, QWidget *parent = nullptr);

    // Shows the dialog modally at offset from the top-left corner of the game window's outer
    // frame, without blocking: the answer arrives through chosen(). It keeps that place when the
    // game window moves.
    void askAt(QWidget *gameWindow, QPoint offset);
    QPushButton *button(int index) const { return m_buttons.at(index); }

signals:
    void chosen(int index);
    // Closed without an answer.
    void dismissed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void place();
    QList<QPushButton *> m_buttons;
    bool m_answered = false;
    QWidget *m_gameWindow = nullptr;
    QPoint m_offset;
};
