// The table of every pet strip, put together from the activity groups in a fixed order, the
// poses the groups share, and the drawing of a strip frame by frame.
#include "stripgroups.h"

#include "colours.h"
#include "output.h"
#include "paint.h"
#include "scenery.h"

using namespace colours;

Pose standing(Outfit outfit)
{
    Pose pose;
    pose.outfit = outfit;
    return pose;
}

Pose seated(Outfit outfit)
{
    Pose pose;
    pose.outfit = outfit;
    pose.at = {75, kSeatY};
    pose.legs = Legs::Hidden;
    pose.left = arms::table(Side::Left);
    pose.right = arms::table(Side::Right);
    return pose;
}

Pose kneeling(Outfit outfit)
{
    Pose pose;
    pose.outfit = outfit;
    pose.at = {75, 92};
    pose.legs = Legs::Kneel;
    return pose;
}

Pose withArms(Pose pose, Arm (*both)(Side))
{
    pose.left = both(Side::Left);
    pose.right = both(Side::Right);
    return pose;
}

Pose blink(Pose pose)
{
    pose.eyes = Eyes::Closed;
    return pose;
}

void readingBook(QPainter &p, const Pose &pose, QRgb cover, double dy)
{
    const QPointF c = (handAt(pose, Side::Left) + handAt(pose, Side::Right)) / 2
                      + QPointF(0, -10 + dy);
    drawBook(p, c, 44, 28, cover, true);
    drawHand(p, pose, Side::Left);
    drawHand(p, pose, Side::Right);
}

namespace {

QList<Strip> buildStrips()
{
    QList<Strip> t;
    addChatStrips(t);
    addSleepStrips(t);
    addRoutineStrips(t);
    addMealStrips(t);
    addRestStrips(t);
    addPastimeStrips(t);
    addBathStrips(t);
    addPresentStrips(t);
    addFriendshipStrips(t);
    addQuestionStrips(t);
    addBedtimeStrips(t);
    addVisitorStrips(t);
    addFestivalStrips(t);
    return t;
}

} // namespace

const QList<Strip> &strips()
{
    static const QList<Strip> table = buildStrips();
    return table;
}

QImage renderStrip(const Strip &strip, int scale)
{
    QImage image = output::canvas(kFrameWidth * strip.frames, kFrameHeight, scale, Qt::white);
    QPainter p(&image);
    paint::begin(p);
    for (int f = 0; f < strip.frames; ++f) {
        p.save();
        p.setClipRect(f * kFrameWidth, 0, kFrameWidth, kFrameHeight);
        p.translate(f * kFrameWidth, 0);
        strip.draw(p, f);
        p.restore();
    }
    return image;
}
