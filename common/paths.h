// Where the programs find what is installed beside them and where they keep the user's files.
#pragma once

#include <QString>

namespace paths {
// The folder of the executable ("beside the program").
QString programDir();
QString datDir();                 // programDir()/dat
QString gifDir();                 // programDir()/gif
QString stripFile(const QString &name); // gif/pimmo<name>.gif
// The user's own data folder for files the programs rewrite ($XDG_DATA_HOME/Tobberly).
QString userDataDir();
QString desktopDir();
// Lets tests and tools point the programs at another installation folder.
void setProgramDirOverride(const QString &dir);
} // namespace paths
