// The pet's life without a window, in virtual time: the engine's test bench and the base of the
// soak. Prints one line per event started, line set shown, question asked and present delivered.
#pragma once

#include <QDateTime>
#include <QString>
#include <QTextStream>

struct SimulationOptions {
    QDateTime start;
    qint64 minutes = 60;
    quint64 seed = 1;
};

// Runs on the given store; returns the process exit code.
class SettingsStore;
int runSimulation(const SimulationOptions &opt, SettingsStore &store, const QString &programDir,
                  const QString &desktopDir, QTextStream &out);
