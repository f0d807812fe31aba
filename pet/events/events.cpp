#include "events.h"

#include "everyday.h"

#include <QList>

namespace {
const EventTable &table()
{
    static const EventTable t = [] {
        EventTable t{};
        registerEverydayEvents(t);
        registerHobbyEvents(t);
        return t;
    }();
    return t;
}
} // namespace

EventProc eventProcedure(qint16 n)
{
    if (n < 0 || size_t(n) >= table().size())
        return nullptr;
    return table()[size_t(n)];
}

QList<qint16> eventNumbers()
{
    QList<qint16> out;
    for (size_t i = 0; i < table().size(); ++i)
        if (table()[i])
            out << qint16(i);
    return out;
}
