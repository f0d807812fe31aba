// The pet's life without a window, in virtual time: the engine's test bench, the base of the soak
// and of the golden days. By default it prints one line per event started, line set shown,
// question asked and present delivered; with more detail it also prints what a user would see
// change in the pet window and its dialogs.
#pragma once

#include <QDateTime>
#include <QString>
#include <QTextStream>

#include <optional>

enum class TraceDetail {
    Events, // events, line sets, questions, presents
    Scene,  // and every visible change, the clock labels once an hour, animations only as they start and stop
    All,    // and every change, the clock labels each minute and each step of an animation
};

// The names --trace accepts ("events", "scene", "all"); nullopt for anything else.
std::optional<TraceDetail> traceDetailFromName(const QString &name);

struct SimulationOptions {
    QDateTime start;
    qint64 minutes = 60;
    quint64 seed = 1;
    TraceDetail detail = TraceDetail::Events;
    // A user who answers every question twenty seconds after it is asked, choosing the first,
    // second and third answer in turn, and plays each game that follows for four minutes.
    bool answering = false;
};

// Runs on the given store; returns the process exit code.
class SettingsStore;
int runSimulation(const SimulationOptions &opt, SettingsStore &store, const QString &programDir,
                  const QString &desktopDir, QTextStream &out);
