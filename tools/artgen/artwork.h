// The groups of pictures artgen writes; each returns false when a file could not be written.
// Those with a scale draw their pictures at that scale (1 or 2, see output.h); the strips are
// written at both scales at once, as the two sizes share one palette.
#pragma once

#include <QList>
#include <QString>

bool writeStrips(const QString &gifDir);
bool writeProps(const QString &gifDir, int scale);
bool writeButtons(const QString &gifDir, int scale);
bool writePresents(const QString &gifDir, int scale);
bool writePortraits(const QString &binDir, int scale); // about.gif, and icon.png at scale 1
bool writeIcons(const QString &binDir);     // icons/lunetta-<size>.png
QList<int> iconSizes();
bool writeGameArt(const QString &dir, int scale);
bool writePresentFiles(const QString &datDir);
bool writeContactSheet(const QString &binDir, const QString &out);
bool writePictureSheet(const QString &binDir, const QString &out);
