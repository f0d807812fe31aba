// The options window "設定" (German time, reset) and the about window, the pet's profile card.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

class Pet;
class QCheckBox;
class QMessageBox;

class OptionsWindow : public QDialog
{
    Q_OBJECT
public:
    OptionsWindow(Pet &pet, QWidget *parent = nullptr);
    QCheckBox *germanTime() const { return m_check; }
    // Asks before the reset; the test replaces the question.
    std::function<bool()> confirmReset;
    // The question asked before the reset: Yes and No, No the default, no icon.
    static std::unique_ptr<QMessageBox> resetQuestion(QWidget *parent);

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
