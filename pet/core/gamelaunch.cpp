#include "gamelaunch.h"

#include "common/logging.h"
#include "common/values.h"

#include <QDir>

QString gameArgument(qint16 n)
{
    switch (n) {
    case 1: return QStringLiteral("-a");
    case 2: return QStringLiteral("-b");
    case 3: return QStringLiteral("-c");
    default: return QStringLiteral("-");
    }
}

namespace {
void comeBack(PetContext &ctx, Activities &activities, Stage &stage)
{
    activities.setClockRunning(true);
    stage.conversationOver();
    ctx.scene.setPetShown(true);
    // The game pack may have raised the friendship: take its value rather than write ours over it.
    ctx.store.reload();
    if (auto v = values::toInt16(ctx.store.read(QStringLiteral("Loveval"), QString::number(ctx.mem().Loveval))))
        ctx.mem().Loveval = *v;
    stage.friendshipChanged();
    activities.stopAnimations();
    activities.chooseForTheHour();
    stage.refreshButtons();
}
} // namespace

void playGame(PetContext &ctx, Activities &activities, Stage &stage, qint16 n)
{
    const QString program = QDir(ctx.programDir).filePath(QStringLiteral("korrigo"));
    const bool started = ctx.launcher
                         && ctx.launcher->start(program, {gameArgument(n)},
                                                [&ctx, &activities, &stage] { comeBack(ctx, activities, stage); });
    if (!started) {
        qCWarning(lcCore) << "the game pack could not be started:" << program;
        comeBack(ctx, activities, stage);
        return;
    }
    ctx.scene.setPetShown(false);
    activities.setClockRunning(false);
}
