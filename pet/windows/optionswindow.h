// The options window "設定" (German time, reset, starting with the session) and the about window,
// the pet's profile card.
#pragma once

#include <QDialog>
#include <QPointer>
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
    // Ticked, the session starts this pet at login; it acts at once and shows what is on disk.
    QCheckBox *startAtLogin() const { return m_login; }
    // Asks before the reset; the test replaces the question.
    std::function<bool()> confirmReset;
    // The question asked before the reset: Yes and No, No the default, no icon.
    static std::unique_ptr<QMessageBox> resetQuestion(QWidget *parent);

private:
    Pet &m_pet;
    QCheckBox *m_check;
    QCheckBox *m_login;
};

class AboutWindow : public QDialog
{
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);
    // The About button: opens the profile card, or brings the open one to the front, so the
    // user never has two.
    static AboutWindow *showOne(QPointer<AboutWindow> &open, QWidget *parent);
};
