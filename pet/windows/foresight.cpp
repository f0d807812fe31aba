#include "pet/windows/foresight.h"

#include "common/timers.h"
#include "pet/core/pet.h"
#include "pet/windows/petwindow.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>

namespace {
// How far ahead the pictures are worked out at most: past the next minute's work, which ends
// them anyway.
constexpr qint64 kMostAheadMs = 65000;
} // namespace

Foresight::Foresight(Pet &pet, Timers &timers, PetView &view, double speed)
    : m_pet(pet), m_timers(timers), m_view(view), m_on(speed == 1.0)
{
    if (QAbstractEventDispatcher *loop = QAbstractEventDispatcher::instance())
        connect(loop, &QAbstractEventDispatcher::aboutToBlock, this, &Foresight::beforeSleep);
}

Foresight::~Foresight()
{
    if (m_filtering)
        QCoreApplication::instance()->removeEventFilter(this);
    if (m_timers.held())
        catchUp();
}

void Foresight::beforeSleep()
{
    if (!m_on || m_timers.held() || !m_view.showsLater())
        return;
    const Pet::Foresight f = m_pet.foresee(kMostAheadMs);
    if (!f.possible) {
        m_on = false;
        return;
    }
    const qint64 now = steadyMs();
    std::vector<PetView::Later> moments;
    moments.reserve(f.moments.size());
    for (const Pet::Moment &m : f.moments)
        moments.push_back({now + m.in, m.picture});
    const int taken = m_view.showLater(moments);
    // The program itself shows the first picture the view did not take.
    const qint64 until = taken < int(f.moments.size()) ? f.moments[size_t(taken)].in : f.until;
    if (until <= 0)
        return;
    m_timers.holdUntil(until, [this] { catchUp(); });
    if (!m_filtering) {
        m_filtering = true;
        QCoreApplication::instance()->installEventFilter(this);
    }
}

void Foresight::catchUp()
{
    m_pet.catchUp();
    m_timers.release();
}

bool Foresight::eventFilter(QObject *watched, QEvent *event)
{
    if (m_timers.held()) {
        switch (event->type()) {
        // What may reach the pet's rules: the user, a signal or another program (sockets), a
        // timer or a queued call, a window closed or shown again. The calls due by now are made
        // first, so that it finds the pet as it is at this moment.
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Close:
        case QEvent::Quit:
        case QEvent::Timer:
        case QEvent::SockAct:
        case QEvent::SockClose:
        case QEvent::MetaCall:
        case QEvent::Expose:
            catchUp();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
