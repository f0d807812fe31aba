// The Japanese Windows code page (CP932, Shift_JIS) of the .dat files and word lists, through
// iconv. Qt 6 has no codec for it.
#pragma once

#include <QByteArray>
#include <QString>

namespace cp932 {
// Decodes bytes; an invalid byte becomes U+FFFD and *ok is set to false.
QString decode(const QByteArray &bytes, bool *ok = nullptr);
// Encodes text; a character CP932 cannot hold makes *ok false (and is written as '?').
QByteArray encode(const QString &text, bool *ok = nullptr);
// Whether text is stored and read back unchanged.
bool canEncode(const QString &text);
} // namespace cp932
