// The speech window: a white panel with the pet's text beside the pet window, above every other
// window while it is shown. A click on the text closes it; a click on the margin does nothing.
// The question window: the question on a white panel and three answer buttons.
// Both belong to the pet window: they follow it when it moves, hide while it is minimised or
// away for a game, stay out of the taskbar, and never take the keyboard.
#pragma once

#include <QLabel>
#include <QWidget>

class Pet;
class QPushButton;

// A window without a title bar beside the pet, in the thin fixed frame of a dialog that we draw
// ourselves, so it looks the same under every window manager.
class BubbleWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kFrame = 2;
    // The area inside the frame, where the contents go.
    QWidget *inside() const { return m_inside; }

protected:
    BubbleWindow(Pet &pet, QWidget *petWindow, QSize insideSize);
    // Shows, moves or hides the window as the scene says: open or parked, its place in twips, and
    // how many times it has been brought up (a new bring-up raises it again).
    void follow(bool open, QPoint placeTwips, int bringUps);
    virtual void reportOuterSize(QSize outer) = 0;
    void paintEvent(QPaintEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    Pet &m_pet;

private:
    void updateShown();
    QWidget *m_petWindow;
    QWidget *m_inside;
    bool m_open = false;
    QPoint m_place;
    int m_bringUps = 0;
};

class SpeechWindow : public BubbleWindow
{
    Q_OBJECT
public:
    explicit SpeechWindow(Pet &pet, QWidget *petWindow = nullptr);
    QLabel *textLabel() const { return m_text; }
    static QFont textFont();

protected:
    void reportOuterSize(QSize outer) override;

private:
    void refresh();
    QLabel *m_text;
};

class QuestionWindow : public BubbleWindow
{
    Q_OBJECT
public:
    explicit QuestionWindow(Pet &pet, QWidget *petWindow = nullptr);
    QPushButton *answerButton(int i) const { return m_answers[i - 1]; }

protected:
    void reportOuterSize(QSize outer) override;

private:
    void refresh();
    QLabel *m_text;
    QPushButton *m_answers[3];
};
