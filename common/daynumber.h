// Day numbers: days since 30 December 1899 at 00:00 in local time, the fraction being the
// time of day (6 December 2026 00:00 is 46362.0, 18:00 is 46362.75).
#pragma once

#include <QDateTime>

namespace daynumber {
double fromDateTime(const QDateTime &dt);
// The stored form: rounded to the nearest whole day, ties to even.
qint32 rounded(const QDateTime &dt);
} // namespace daynumber
