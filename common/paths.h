// Where the programs find what is installed with them and where they keep the user's files.
// The pictures (gif/), data (dat/) and icons (icons/) stand beside the executables in the build
// tree, and in ../share/tobberly beside an installed bin/.
#pragma once

#include <QString>

namespace paths {
// The folder of the executable ("beside the program").
QString programDir();
// The folder holding gif/, dat/ and icons/: programDir() when they are there, else the
// installed ../share/tobberly, else programDir() again (so a missing file is named where a
// user would look for it).
QString dataRoot();
QString dataRootFor(const QString &programDir);
QString datDir();                 // dataRoot()/dat
QString gifDir();                 // dataRoot()/gif
QString iconDir();                // dataRoot()/icons
QString stripFile(const QString &name); // gif/pimmo<name>.gif
// The user's own data folder for files the programs rewrite ($XDG_DATA_HOME/Tobberly).
QString userDataDir();
QString desktopDir();
// Lets tests and tools point the programs at another installation folder.
void setProgramDirOverride(const QString &dir);
} // namespace paths
