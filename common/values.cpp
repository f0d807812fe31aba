#include "values.h"

#include <cmath>
#include <limits>

namespace values {

double roundHalfEven(double x)
{
    return std::nearbyint(x); // the default rounding mode is to nearest, ties to even
}

namespace {
std::optional<double> toNumber(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 40)
        return std::nullopt;
    // Only plain decimal text: an optional sign, digits, an optional fraction.
    int i = 0;
    if (t[0] == u'-' || t[0] == u'+')
        ++i;
    bool digits = false, dot = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= u'0' && c <= u'9')
            digits = true;
        else if (c == u'.' && !dot)
            dot = true;
        else
            return std::nullopt;
    }
    if (!digits)
        return std::nullopt;
    bool ok = false;
    const double d = t.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return roundHalfEven(d);
}
} // namespace

std::optional<qint16> toInt16(const QString &text)
{
    auto d = toNumber(text);
    if (!d || *d < std::numeric_limits<qint16>::min() || *d > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(*d);
}

std::optional<qint32> toInt32(const QString &text)
{
    auto d = toNumber(text);
    if (!d || *d < std::numeric_limits<qint32>::min() || *d > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(*d);
}

std::optional<bool> toBool(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    if (auto n = toInt32(t))
        return *n != 0;
    return std::nullopt;
}

QString fromInt(qint64 v) { return QString::number(v); }

QString zeroFilled(qint64 v, int digits)
{
    // The magnitude is filled on its own, so the sign never takes the place of a digit.
    // Once a minute for the label: plain digits, none of the locale's formatting.
    const quint64 magnitude = v < 0 ? quint64(0) - quint64(v) : quint64(v);
    QString number = QString::number(magnitude);
    if (number.size() < digits)
        number.prepend(QString(digits - number.size(), u'0'));
    return v < 0 ? u'-' + number : number;
}

QString fromBool(bool v) { return v ? QStringLiteral("True") : QStringLiteral("False"); }

qint16 add16(qint16 a, qint32 b)
{
    const qint64 r = qint64(a) + b;
    if (r > std::numeric_limits<qint16>::max())
        return std::numeric_limits<qint16>::max();
    if (r < std::numeric_limits<qint16>::min())
        return std::numeric_limits<qint16>::min();
    return static_cast<qint16>(r);
}

qint32 add32(qint32 a, qint64 b)
{
    const qint64 r = qint64(a) + b;
    if (r > std::numeric_limits<qint32>::max())
        return std::numeric_limits<qint32>::max();
    if (r < std::numeric_limits<qint32>::min())
        return std::numeric_limits<qint32>::min();
    return static_cast<qint32>(r);
}

} // namespace values
