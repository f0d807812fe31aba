// What the robustness tests share: a key's value in the pet's memory as a number, and a pet on
// a given store (the real settings file, usually) with virtual time and empty installation and
// desktop folders.
#pragma once

#include "common/random.h"
#include "common/timers.h"
#include "pet/core/pet.h"

#include <QTemporaryDir>

inline qint64 keyValue(const KeyDef &k, Memory &m)
{
    void *f = k.field(m);
    switch (k.type) {
    case KeyType::Int16:
        return *static_cast<qint16 *>(f);
    case KeyType::Int32:
        return *static_cast<qint32 *>(f);
    case KeyType::Bool:
        return *static_cast<bool *>(f) ? 1 : 0;
    }
    return 0;
}

struct PetOnStore {
    PetOnStore(SettingsStore &store, const QDateTime &start, quint64 seed) : time(start), rnd(seed)
    {
        Pet::Setup setup;
        setup.datDir = setup.programDir = data.path();
        setup.desktopDir = desk.path();
        pet = std::make_unique<Pet>(store, time, rnd, time, setup);
    }
    VirtualTime time;
    SeededRandom rnd;
    QTemporaryDir data, desk;
    std::unique_ptr<Pet> pet;
};
