#include "daynumber.h"

#include "values.h"

namespace daynumber {

double fromDateTime(const QDateTime &dt)
{
    static const QDate epoch(1899, 12, 30);
    const qint64 days = epoch.daysTo(dt.date());
    const QTime t = dt.time();
    const double frac = (t.msecsSinceStartOfDay()) / 86400000.0;
    return double(days) + frac;
}

qint32 rounded(const QDateTime &dt)
{
    return static_cast<qint32>(values::roundHalfEven(fromDateTime(dt)));
}

} // namespace daynumber
