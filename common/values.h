// Conversions between the store's text and the programs' 16-bit, 32-bit and Boolean values.
// Integers are plain decimal text; a fraction rounds to the nearest integer, ties to even;
// Booleans are "True"/"False". Anything else does not convert (std::nullopt).
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace values {

// Nearest integer, ties to the even neighbour (4567.5 -> 4568, 2.5 -> 2).
double roundHalfEven(double x);

std::optional<qint16> toInt16(const QString &text);
std::optional<qint32> toInt32(const QString &text);
std::optional<bool> toBool(const QString &text);

QString fromInt(qint64 v);
QString fromBool(bool v);

// A number zero-filled to at least `digits` digits, a negative one with its sign in front of
// them: 42 -> "0000042", -42 -> "-0000042" (for digits = 7).
QString zeroFilled(qint64 v, int digits);

// 16-bit arithmetic that saturates instead of overflowing.
qint16 add16(qint16 a, qint32 b);
qint32 add32(qint32 a, qint64 b);

} // namespace values
