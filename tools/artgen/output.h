// Where artgen's pictures go and at which size. Every picture the programs show is drawn twice
// by the same code: at its own size for ordinary screens, and at twice the size, as
// name@2x.ext beside it, for screens whose device pixel ratio is above one. The drawing code
// always works in the 1x units of the picture; the canvas carries the ratio, so a 2x picture
// is drawn afresh and never an enlarged 1x one.
//
// Every file artgen writes is reported here, so that a run can be checked against outputs.txt,
// the one list from which the build also learns what the art command produces.
#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include "common/gui/scaledpicture.h"

namespace output {

constexpr int kScales[] = {1, 2};

// A w × h picture (in 1x units) at the given scale, filled with fill and ready to paint on.
QImage canvas(int w, int h, int scale, QColor fill);

// Saves a PNG and records it; false when it could not be written.
bool savePng(const QString &path, const QImage &image);

// Records a file that was written (the GIF writer and the present files call it themselves).
void wrote(const QString &path);

// Checks the files recorded since the start against the list: each listed name is relative to
// one of the output folders ("bin/gif/pimmo1.gif", "gameart/panel0.png"); a name followed by
// "2x" has its @2x copy as well. Lines starting with # are comments. Returns the differences,
// one line each, empty when the run wrote exactly what the list says.
QStringList compareWithList(const QString &list, const QString &binDir,
                            const QString &gameartDir);

} // namespace output
