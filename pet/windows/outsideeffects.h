// The outside effects of the real program: starting the game pack with QProcess and the beep.
#pragma once

#include "pet/model/context.h"

#include <QObject>

class ProcessLauncher : public QObject, public GameLauncher
{
    Q_OBJECT
public:
    using QObject::QObject;
    bool start(const QString &program, const QStringList &args, std::function<void()> finished) override;
};

class SystemEffects : public Effects
{
public:
    void beep() override;
};
