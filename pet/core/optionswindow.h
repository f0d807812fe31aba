// The options window "設定" (German time, reset) and the about window, the pet's profile card.
#pragma once

#include <QDialog>

class Pet;
class QCheckBox;

class OptionsWindow : public QDialog
{
    Q_OBJECT
public:
    OptionsWindow(Pet &pet, QWidget *parent = nullptr);
    QCheckBox *germanTime() const { return m_check; }
    // Asks before the reset; the test replaces the question.
    std::function<bool()> confirmReset;

private:
    Pet &m_pet;
    QCheckBox *m_check;
};

class AboutWindow : public QDialog
{
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);
};
