#include "artwork.h"
bool writeProps(const QString &) { return true; }
bool writeButtons(const QString &) { return true; }
bool writePresents(const QString &) { return true; }
bool writePortraits(const QString &) { return true; }
bool writeGameArt(const QString &) { return true; }
bool writePresentFiles(const QString &) { return true; }
bool writePictureSheet(const QString &, const QString &) { return true; }
