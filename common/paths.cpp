#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace paths {
namespace {
QString &overrideDir()
{
    static QString dir;
    return dir;
}
} // namespace

void setProgramDirOverride(const QString &dir) { overrideDir() = dir; }

QString programDir()
{
    if (!overrideDir().isEmpty())
        return overrideDir();
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

QString datDir() { return programDir() + QStringLiteral("/dat"); }
QString gifDir() { return programDir() + QStringLiteral("/gif"); }
QString stripFile(const QString &name) { return gifDir() + QStringLiteral("/pimmo") + name + QStringLiteral(".gif"); }

QString userDataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Tobberly");
}

QString desktopDir() { return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation); }

} // namespace paths
