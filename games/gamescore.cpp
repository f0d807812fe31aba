#include "gamescore.h"

#include "common/logging.h"
#include "common/values.h"

namespace gamescore {

qint16 readCounter(const SettingsStore &store, const QString &key)
{
    const QString text = store.read(key, QStringLiteral("0"));
    if (const auto v = values::toInt16(text))
        return *v;
    qCWarning(lcGames) << "stored value of" << key << "is not a 16-bit number, reading it as 0:"
                       << text;
    return 0;
}

void writeCounter(SettingsStore &store, const QString &key, qint16 value)
{
    store.write(key, values::fromInt(value));
}

qint16 plusOne(qint16 value) { return values::add16(value, 1); }

} // namespace gamescore
