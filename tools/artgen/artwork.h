// The groups of pictures artgen writes; each returns false when a file could not be written.
#pragma once

#include <QList>
#include <QString>

bool writeStrips(const QString &gifDir);
bool writeProps(const QString &gifDir);
bool writeButtons(const QString &gifDir);
bool writePresents(const QString &gifDir);
bool writePortraits(const QString &binDir);  // about.gif and icon.png
bool writeIcons(const QString &binDir);     // icons/lunetta-<size>.png
QList<int> iconSizes();
bool writeGameArt(const QString &dir);
bool writePresentFiles(const QString &datDir);
bool writeContactSheet(const QString &binDir, const QString &out);
bool writePictureSheet(const QString &binDir, const QString &out);
