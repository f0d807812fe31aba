// Pictures come in two sizes: name.ext for ordinary screens and name@2x.ext, drawn at twice the
// size, for screens whose device pixel ratio is above one. The 2x picture is handed out with its
// device pixel ratio set to 2, so every size and place stays in the 1x units of the windows.
// Window code only (Qt Gui); both programs read their pictures through here.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace scaledpicture {

// The size of picture to read on a device with this pixel ratio: 1 or 2.
int scaleFor(qreal deviceRatio);

// "gif/pimmo12.gif" at scale 2 is "gif/pimmo12@2x.gif"; at scale 1 the path itself.
QString pathAt(const QString &path, int scale);

// Reads the picture path names for a device with this pixel ratio. At 1 only the 1x file is
// read. Above 1 the 2x file is read; when it is missing, unreadable or not exactly twice the 1x
// picture's size, the 1x file is read instead. Each file that could not serve adds a line to
// problems (naming the file). A null image when neither could be read.
QImage read(const QString &path, qreal deviceRatio, QStringList *problems = nullptr);

} // namespace scaledpicture
