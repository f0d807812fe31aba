#include "placement.h"

#include "values.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace placement {

qint32 centred(qint32 areaStart, qint32 areaLength, qint32 window)
{
    return areaStart + static_cast<qint32>(values::roundHalfEven(float(areaLength - window) / 2.0f));
}

qint32 pulledInto(qint32 start, qint32 areaStart, qint32 areaLength, qint32 window)
{
    if (start < areaStart)
        start = areaStart;
    if (start > areaStart + areaLength - window)
        start = areaStart + areaLength - window;
    return start;
}

namespace {
qint64 overlap(qint32 a0, qint32 a1, qint32 b0, qint32 b1)
{
    return std::max<qint64>(0, qint64(std::min(a1, b1)) - std::max(a0, b0));
}

// Distance of a point from a range along one axis (0 inside it).
qint64 gap(qint64 p, qint32 from, qint32 to)
{
    return p < from ? from - p : (p > to ? p - to : 0);
}
} // namespace

int screenOf(const std::vector<Area> &screens, const Area &window)
{
    int best = 0;
    qint64 bestArea = 0;
    for (int i = 0; i < int(screens.size()); ++i) {
        const Area &s = screens[size_t(i)];
        const qint64 a = overlap(s.left, s.right(), window.left, window.right())
                         * overlap(s.top, s.bottom(), window.top, window.bottom());
        if (a > bestArea) {
            bestArea = a;
            best = i;
        }
    }
    if (bestArea > 0)
        return best;
    // Off every screen: the screen beside or above the window counts first (monitors mostly stand
    // side by side), then the nearest in height.
    const qint64 cx = qint64(window.left) + window.width / 2;
    const qint64 cy = qint64(window.top) + window.height / 2;
    std::pair<qint64, qint64> nearest{std::numeric_limits<qint64>::max(), 0};
    for (int i = 0; i < int(screens.size()); ++i) {
        const Area &s = screens[size_t(i)];
        const std::pair<qint64, qint64> d{gap(cx, s.left, s.right()), gap(cy, s.top, s.bottom())};
        if (d < nearest) {
            nearest = d;
            best = i;
        }
    }
    return best;
}

QPoint besidePet(const Area &screen, const Area &pet, qint32 dialogWidth, qint32 dialogHeight,
                 qint32 offset, Level level)
{
    const qint32 left = (pet.left + pet.width + dialogWidth > screen.right()) ? pet.left - dialogWidth
                                                                              : pet.left + offset;
    const qint32 top = level == Level::Centre ? pet.top + pet.height / 2 - dialogHeight / 2
                                              : pet.top + pet.height - dialogHeight;
    return QPoint(left, top);
}

} // namespace placement
