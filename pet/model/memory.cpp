#include "memory.h"

#include "common/daynumber.h"
#include "common/logging.h"
#include "common/values.h"

#include <cmath>

namespace {
template <typename T> KeyDef def(const char *key, KeyType type, qint32 d, T Memory::*member)
{
    return KeyDef{QString::fromLatin1(key), type, d,
                  [member](Memory &m) -> void * { return &(m.*member); }};
}
KeyDef item(int k)
{
    return KeyDef{QStringLiteral("Item%1").arg(k), KeyType::Int16, 0,
                  [k](Memory &m) -> void * { return &m.Item[k]; }};
}
KeyDef preflag(int k)
{
    return KeyDef{QStringLiteral("Preflag%1").arg(k), KeyType::Int16, 0,
                  [k](Memory &m) -> void * { return &m.Preflag[k]; }};
}
} // namespace

const std::vector<KeyDef> &petKeys()
{
    static const std::vector<KeyDef> keys = [] {
        std::vector<KeyDef> k;
        k.push_back(def("mleft", KeyType::Int32, 0, &Memory::mleft));
        k.push_back(def("mtop", KeyType::Int32, 0, &Memory::mtop));
        k.push_back(def("Firstflag", KeyType::Int16, 0, &Memory::Firstflag));
        k.push_back(def("Totaltime", KeyType::Int32, 0, &Memory::Totaltime));
        k.push_back(def("Loveval", KeyType::Int16, 50, &Memory::Loveval));
        for (int i = 1; i <= 9; ++i)
            k.push_back(item(i));
        k.push_back(def("Flowerday", KeyType::Int16, 0, &Memory::Flowerday));
        k.push_back(def("Lastday", KeyType::Int32, 0, &Memory::Lastday));
        k.push_back(def("Lastdate", KeyType::Int32, 0, &Memory::Lastdate));
        // The key is spelled without the r: "Flowekind".
        k.push_back(def("Flowekind", KeyType::Int16, 0, &Memory::Flowekind));
        k.push_back(def("option1", KeyType::Bool, 0, &Memory::option1));
        k.push_back(def("Precount", KeyType::Int16, 0, &Memory::Precount));
        k.push_back(def("Totalpreno", KeyType::Int16, 0, &Memory::Totalpreno));
        for (int i = 1; i <= 15; ++i)
            k.push_back(preflag(i));
        return k;
    }();
    return keys;
}

QStringList gamePackKeys()
{
    QStringList k{QStringLiteral("winno11"), QStringLiteral("winno12"), QStringLiteral("winno13"),
                  QStringLiteral("winno21"), QStringLiteral("winno22"), QStringLiteral("winno31"),
                  QStringLiteral("winno32"), QStringLiteral("winno33"), QStringLiteral("mno"),
                  QStringLiteral("mno2"), QStringLiteral("mno3")};
    for (const char *a : {"g", "c", "p"})
        for (const char *b : {"g", "c", "p"})
            k << QString::fromLatin1(a) + QString::fromLatin1(b);
    for (const char *suffix : {"", "2"})
        for (const char *a : {"u", "d", "l", "r"})
            for (const char *b : {"u", "d", "l", "r"})
                k << QString::fromLatin1(a) + QString::fromLatin1(b) + QString::fromLatin1(suffix);
    return k;
}

qint32 PetMemory::centred(qint32 screen, qint32 window) { return placement::centred(0, screen, window); }

qint32 PetMemory::clampToScreen(qint32 pos, qint32 screen, qint32 window)
{
    return placement::pulledInto(pos, 0, screen, window);
}

std::vector<placement::Area> ScreenGeometry::areas() const
{
    if (!screens.empty())
        return screens;
    return {placement::Area{0, 0, width, height}};
}

placement::Area ScreenGeometry::petScreen() const
{
    const std::vector<placement::Area> all = areas();
    return all[size_t(placement::screenOf(all, pet()))];
}

void PetMemory::placeWindow(const ScreenGeometry &screen)
{
    const std::vector<placement::Area> all = screen.areas();
    const placement::Area primary = all.front();
    const qint32 left = m_storedLeft.value_or(placement::centred(primary.left, primary.width, screen.petWidth));
    const qint32 top = m_storedTop.value_or(placement::centred(primary.top, primary.height, screen.petHeight));
    const placement::Area on = all[size_t(placement::screenOf(all, {left, top, screen.petWidth, screen.petHeight}))];
    m.mleft = placement::pulledInto(left, on.left, on.width, screen.petWidth);
    m.mtop = placement::pulledInto(top, on.top, on.height, screen.petHeight);
}

void PetMemory::load(const ScreenGeometry &screen)
{
    m = Memory{};
    m_storedLeft.reset();
    m_storedTop.reset();
    for (const KeyDef &k : petKeys()) {
        const qint32 d = k.def;
        const bool place = k.key == u"mleft" || k.key == u"mtop";
        if (place) {
            // No stored place: the window is centred once its size is known (placeWindow).
            if (!m_store.contains(k.key))
                continue;
        }
        const QString text = m_store.read(k.key, QString::number(d));
        void *f = k.field(m);
        bool ok = true;
        switch (k.type) {
        case KeyType::Int16: {
            auto v = values::toInt16(text);
            ok = v.has_value();
            *static_cast<qint16 *>(f) = v.value_or(qint16(d));
            break;
        }
        case KeyType::Int32: {
            auto v = values::toInt32(text);
            ok = v.has_value();
            *static_cast<qint32 *>(f) = v.value_or(d);
            if (place && v)
                (k.key == u"mleft" ? m_storedLeft : m_storedTop) = *v;
            break;
        }
        case KeyType::Bool: {
            auto v = values::toBool(text);
            ok = v.has_value();
            *static_cast<bool *>(f) = v.value_or(d != 0);
            break;
        }
        }
        if (!ok)
            qCWarning(lcStore) << "stored value of" << k.key << "is unusable, using its default:" << text;
    }
    placeWindow(screen);
}

void PetMemory::saveInt(const QString &key, qint64 value) { m_store.write(key, values::fromInt(value)); }

void PetMemory::saveKey(const QString &key)
{
    for (const KeyDef &k : petKeys()) {
        if (k.key != key)
            continue;
        void *f = k.field(m);
        switch (k.type) {
        case KeyType::Int16:
            saveInt(key, *static_cast<qint16 *>(f));
            break;
        case KeyType::Int32:
            saveInt(key, *static_cast<qint32 *>(f));
            break;
        case KeyType::Bool:
            m_store.write(key, values::fromBool(*static_cast<bool *>(f)));
            break;
        }
        return;
    }
    Q_ASSERT_X(false, "PetMemory::saveKey", "unknown key");
}

void PetMemory::addFriendship(qint16 d)
{
    qint16 v = values::add16(m.Loveval, d);
    if (v > 120)
        v = 120;
    if (v < -20)
        v = -20;
    m.Loveval = v;
    saveKey(QStringLiteral("Loveval"));
}

void PetMemory::flowerCatchUp(const QDateTime &now)
{
    if (m.Item[3] != 3)
        return;
    if (m.Lastday != 0) {
        const double grown = m.Flowerday + daynumber::fromDateTime(now) - m.Lastday;
        const double r = values::roundHalfEven(grown);
        m.Flowerday = qint16(std::clamp(r, -32768.0, 32767.0));
    }
    if (m.Flowerday < 0)
        m.Flowerday = 0;
    saveKey(QStringLiteral("Flowerday"));
}

void PetMemory::returnBonus(const QDateTime &now)
{
    qint32 d = 0;
    if (m.Lastdate != 0) {
        const double diff = values::roundHalfEven(daynumber::fromDateTime(now) - m.Lastdate);
        d = qint32(std::clamp(diff, -32768.0, 32767.0));
    }
    if (d == 1)
        addFriendship(2);
    else if (d >= 3)
        addFriendship(qint16(-d));
}

void PetMemory::exitSave(const QDateTime &now, qint32 left, qint32 top)
{
    m.mleft = left;
    m.mtop = top;
    saveKey(QStringLiteral("mleft"));
    saveKey(QStringLiteral("mtop"));
    saveKey(QStringLiteral("Totaltime"));
    if (m.Item[3] == 3) {
        m.Lastday = daynumber::rounded(now);
        saveKey(QStringLiteral("Lastday"));
    }
    m.Lastdate = daynumber::rounded(now);
    saveKey(QStringLiteral("Lastdate"));
}

void PetMemory::keepDaysCurrent(const QDateTime &now)
{
    const qint32 today = daynumber::rounded(now);
    if (m.Item[3] == 3 && m.Lastday != today) {
        m.Lastday = today;
        saveKey(QStringLiteral("Lastday"));
    }
    if (m.Lastdate != today) {
        m.Lastdate = today;
        saveKey(QStringLiteral("Lastdate"));
    }
}

void PetMemory::keepPlaceCurrent(qint32 left, qint32 top)
{
    if (left != m.mleft) {
        m.mleft = left;
        saveKey(QStringLiteral("mleft"));
    }
    if (top != m.mtop) {
        m.mtop = top;
        saveKey(QStringLiteral("mtop"));
    }
}
