#include "pet/windows/outsideeffects.h"

#include <QApplication>
#include <QProcess>

bool ProcessLauncher::start(const QString &program, const QStringList &args, std::function<void()> finished)
{
    auto *proc = new QProcess(this);
    proc->setProcessChannelMode(QProcess::ForwardedChannels);
    // The pet sleeps until the game pack has ended: no polling, just its finished signal.
    connect(proc, &QProcess::finished, this, [proc, finished] {
        proc->deleteLater();
        finished();
    });
    proc->start(program, args);
    if (!proc->waitForStarted(5000)) {
        proc->deleteLater();
        return false;
    }
    return true;
}

void SystemEffects::beep() { QApplication::beep(); }
