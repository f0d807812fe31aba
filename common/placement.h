// Where windows stand on the desktop, reckoned on the outer frames the user sees. Pure
// arithmetic, the same in twips (15 to a pixel, as the pet keeps its place) and in pixels (as the
// game pack centres its window); the windows feed it the sizes of their frames and the usable
// areas of the screens.
#pragma once

#include <QPoint>
#include <QtGlobal>
#include <vector>

namespace placement {

struct Area {
    qint32 left = 0;
    qint32 top = 0;
    qint32 width = 0;
    qint32 height = 0;
    qint32 right() const { return left + width; }
    qint32 bottom() const { return top + height; }
    bool operator==(const Area &) const = default;
};

// The start that centres a window of `window` length in an area: half the spare room, computed
// in single precision and rounded to the even neighbour on a tie, as the pet's first place always was.
qint32 centred(qint32 areaStart, qint32 areaLength, qint32 window);

// A start pulled back so that the window lies within the area. When the window is longer than
// the area, its far edge ends on the area's far edge and its start lies before the area's start.
qint32 pulledInto(qint32 start, qint32 areaStart, qint32 areaLength, qint32 window);

// The screen a window stands on: the one it overlaps most (the earlier one on a tie); off every
// screen, the one whose columns are nearest to the window's centre, then whose rows are. The list
// must not be empty.
int screenOf(const std::vector<Area> &screens, const Area &window);

// The place of a dialog beside the pet window: `offset` right of the pet's left edge, or, when the
// pet's right edge plus the dialog would run past the screen's right edge, left of the pet touching
// it. Vertically level with the pet's bottom edge, or centred on the pet.
enum class Level { Bottom, Centre };
QPoint besidePet(const Area &screen, const Area &pet, qint32 dialogWidth, qint32 dialogHeight,
                 qint32 offset, Level level);

} // namespace placement
