// The pet's next pictures shown by the window system while the program sleeps. Before the event
// loop sleeps, the pet works out what its steps and props will show until its next other work
// (the clock's minute, a dialog's timer) and hands those pictures, each with its moment, to the
// view, which has the X server hold them back until their moments; the pet's timers are held
// until the first moment the pictures do not cover. When that comes, or anything else reaches the
// program first (a click, a key, a signal, a timer), the calls that fell due are made, as at their
// moments, before it is handled. Where the view cannot show pictures for later it does nothing.
#pragma once

#include <QObject>

class Pet;
class PetView;
class Timers;

class Foresight : public QObject
{
public:
    // speed: the --speed time-lapse; only real time is worked out ahead.
    Foresight(Pet &pet, Timers &timers, PetView &view, double speed);
    ~Foresight() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void beforeSleep();
    void catchUp();

    Pet &m_pet;
    Timers &m_timers;
    PetView &m_view;
    bool m_on;
    bool m_filtering = false;
};
