// The speech window: a white panel with the pet's text beside the pet window, above every other
// window while it is shown. A click on the text closes it; a click on the margin does nothing.
#pragma once

#include <QLabel>
#include <QWidget>

class Pet;

class SpeechWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SpeechWindow(Pet &pet);
    QLabel *textLabel() const { return m_text; }
    static QFont textFont();

private:
    void refresh();
    Pet &m_pet;
    QLabel *m_text;
};

// The question window: the question on a white panel and three answer buttons.
class QPushButton;
class QuestionWindow : public QWidget
{
    Q_OBJECT
public:
    explicit QuestionWindow(Pet &pet);
    QPushButton *answerButton(int i) const { return m_answers[i - 1]; }

private:
    void refresh();
    Pet &m_pet;
    QLabel *m_text;
    QPushButton *m_answers[3];
};
