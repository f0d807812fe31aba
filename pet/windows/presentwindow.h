// The present window "プレゼント": nine presents in colour when they can be given, grey when not,
// with a red stamp once given. A left click on a colour present gives it.
#pragma once

#include <QLabel>
#include <QWidget>

class Pet;

class PresentWindow : public QWidget
{
    Q_OBJECT
public:
    explicit PresentWindow(Pet &pet, QWidget *parent = nullptr);
    // The picture of window position p (1..9), for tests and clicks.
    QLabel *presentPicture(int p) const { return m_pictures[p - 1]; }
    QLabel *stamp(int p) const { return m_stamps[p - 1]; }
    void refresh();
    // The Present button: the presents brought up to date and the window shown (centred on the
    // screen the first time).
    void open();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    Pet &m_pet;
    QLabel *m_pictures[9];
    QLabel *m_stamps[9];
    bool m_placed = false;
    int m_pressed = 0; // the present the left button went down on, 0 for none
};
