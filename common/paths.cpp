#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace paths {
namespace {
QString &overrideDir()
{
    static QString dir;
    return dir;
}

bool holdsData(const QString &dir)
{
    return QFileInfo(dir + QStringLiteral("/gif")).isDir() || QFileInfo(dir + QStringLiteral("/dat")).isDir();
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

QString dataRootFor(const QString &program)
{
    if (holdsData(program))
        return program;
    const QString shared = QDir::cleanPath(program + QStringLiteral("/../share/tobberly"));
    if (holdsData(shared))
        return shared;
    return program;
}

QString dataRoot()
{
    // Looked up once: the folders do not move while a program runs.
    static QString cachedFor, cached;
    const QString program = programDir();
    if (program != cachedFor) {
        cachedFor = program;
        cached = dataRootFor(program);
    }
    return cached;
}

QString datDir() { return dataRoot() + QStringLiteral("/dat"); }
QString gifDir() { return dataRoot() + QStringLiteral("/gif"); }
QString iconDir() { return dataRoot() + QStringLiteral("/icons"); }
QString stripFile(const QString &name) { return gifDir() + QStringLiteral("/pimmo") + name + QStringLiteral(".gif"); }

QString userDataDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Tobberly");
}

QString desktopDir() { return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation); }

} // namespace paths
