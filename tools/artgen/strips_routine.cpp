// The morning and evening routine: changing clothes, washing, grooming, hair care.
#include "stripgroups.h"

#include "colours.h"
#include "figure.h"
#include "paint.h"
#include "scenery.h"

using namespace colours;

void addRoutineStrips(QList<Strip> &t)
{
    // ---- morning and evening routine ----
    // "14": changing clothes in the morning; also undressing before the bath
    t.append({QStringLiteral("14"), 4, [](QPainter &p, int f) {
                  drawRoom(p, Place::Bedroom, false);
                  paint::rect(p, {108, 40, 40, 126}, woodLight, true, 3); // wardrobe
                  paint::line(p, {128, 40}, {128, 166}, woodShade, 2);
                  // on the wardrobe hang the clothes to put on: the day top, then the pyjamas
                  const QPointF c{128, 100};
                  paint::line(p, c + QPointF(0, -22), c + QPointF(0, -15), metalShade, 2);
                  paint::line(p, c + QPointF(-14, -8), c + QPointF(0, -15), metalShade, 2);
                  paint::line(p, c + QPointF(14, -8), c + QPointF(0, -15), metalShade, 2);
                  QPolygonF shirt;
                  for (QPointF q : {QPointF(-7, -12), QPointF(-15, -8), QPointF(-20, 4),
                                    QPointF(-14, 7), QPointF(-11, 2), QPointF(-11, 22),
                                    QPointF(11, 22), QPointF(11, 2), QPointF(14, 7),
                                    QPointF(20, 4), QPointF(15, -8), QPointF(7, -12),
                                    QPointF(0, -7)})
                      shirt << c + q;
                  paint::polygon(p, shirt, f < 2 ? top : pyjama);
                  if (f < 2) {
                      paint::ellipse(p, c + QPointF(-4, -8), 5, 3, white);
                      paint::ellipse(p, c + QPointF(4, -8), 5, 3, white);
                  } else {
                      for (QPointF d : {QPointF(-6, 4), QPointF(5, 10), QPointF(-3, 16)})
                          paint::ellipse(p, c + d, 1.8, 1.8, pyjamaDot, false);
                  }
                  Pose pose = standing(f < 2 ? Outfit::Pyjamas : Outfit::Day);
                  pose.at = {68, 64};
                  if (f == 0) {
                      pose = withArms(pose, arms::chest);
                      pose.gaze = {0, 1};
                      pose.mouth = Mouth::Flat;
                  } else if (f == 1) {
                      pose = withArms(pose, arms::raise);
                      pose.eyes = Eyes::Tight;
                      pose.mouth = Mouth::O;
                  } else if (f == 2) {
                      pose = withArms(pose, arms::chest);
                      pose.gaze = {0, 1};
                  } else {
                      pose.right = arms::wave(Side::Right);
                      pose.left = arms::hip(Side::Left);
                      pose.eyes = Eyes::Happy;
                      pose.mouth = Mouth::Grin;
                  }
                  drawFigure(p, pose);
                  if (f == 3)
                      paint::sparkle(p, {20, 70}, 7, yellow);
              }});
    auto basin = [](QPainter &p) {
        drawRoom(p, Place::Bathroom, false);
        paint::rect(p, {40, 8, 70, 50}, metal, true, 6); // mirror
        paint::rect(p, {44, 12, 62, 42}, 0xffe8f8ff, false, 4);
    };
    auto basinFront = [](QPainter &p) {
        paint::rect(p, {14, 150, 122, 14}, tub, true, 6);
        paint::rect(p, {54, 164, 42, 60}, tubShade, true, 2);
        paint::rect(p, {70, 140, 10, 12}, metal, true, 2);
    };
    // "15": washing the face
    t.append({QStringLiteral("15"), 2, [basin, basinFront](QPainter &p, int f) {
                  basin(p);
                  Pose pose = standing();
                  pose.at = {75, 84};
                  pose.legs = Legs::Hidden;
                  if (f == 0) {
                      pose = withArms(pose, arms::mouth);
                      pose.left.hand += QPointF(-8, -2);
                      pose.right.hand += QPointF(8, -2);
                      pose.eyes = Eyes::Tight;
                      pose.mouth = Mouth::O;
                  } else {
                      pose.eyes = Eyes::Closed;
                      pose.mouth = Mouth::Grin;
                      pose = withArms(pose, arms::front);
                  }
                  drawFigure(p, pose);
                  basinFront(p);
                  for (QPointF d : {QPointF(40, 70), QPointF(112, 76), QPointF(50, 96),
                                    QPointF(104, 100)})
                      paint::ellipse(p, d + QPointF(0, f == 0 ? 0 : 8), 3, 4.5, water);
              }});
    // "16": morning and evening grooming
    t.append({QStringLiteral("16"), 6, [basin, basinFront](QPainter &p, int f) {
                  basin(p);
                  Pose pose = standing();
                  pose.at = {75, 84};
                  pose.legs = Legs::Hidden;
                  if (f < 2) {
                      // brushing teeth
                      pose.right = arms::mouth(Side::Right);
                      pose.right.hand += QPointF(f == 0 ? 6 : 12, -4);
                      pose.mouth = Mouth::Grin;
                      pose.eyes = f == 0 ? Eyes::Open : Eyes::Half;
                      drawFigure(p, pose);
                      const QPointF h = handAt(pose, Side::Right);
                      paint::stroke(p, {h, h + QPointF(-22, -4)}, 3, cyan);
                      paint::rect(p, {h.x() - 26, h.y() - 9, 6, 4}, white, true, 1);
                      drawHand(p, pose, Side::Right);
                      paint::ellipse(p, {100, 98}, 4 + f, 4 + f, bubble);
                  } else if (f < 4) {
                      // combing the fringe
                      pose.right = arms::head(Side::Right);
                      pose.right.hand += QPointF(f == 2 ? 0 : -14, 12);
                      pose.eyes = Eyes::Open;
                      pose.gaze = {0, -1};
                      drawFigure(p, pose);
                      const QPointF h = handAt(pose, Side::Right);
                      paint::rect(p, {h.x() - 16, h.y() - 4, 22, 6}, pink, true, 2);
                      drawHand(p, pose, Side::Right);
                  } else {
                      // checking in the mirror
                      pose = withArms(pose, arms::cheek);
                      pose.eyes = f == 4 ? Eyes::Open : Eyes::Wink;
                      pose.mouth = f == 4 ? Mouth::Smile : Mouth::Tongue;
                      drawFigure(p, pose);
                      if (f == 5)
                          paint::sparkle(p, {122, 44}, 7, yellow);
                  }
                  basinFront(p);
              }});
    // "17": hair care
    t.append({QStringLiteral("17"), 4, [](QPainter &p, int f) {
                  drawRoom(p, Place::Bedroom, false);
                  Pose pose = standing();
                  if (f < 2) {
                      // brushing the long hair down one side
                      pose.tilt = 12;
                      pose.right = arms::wave(Side::Right);
                      pose.right.hand += QPointF(-4, f == 0 ? 6 : 40);
                      pose.eyes = Eyes::Closed;
                      drawFigure(p, pose);
                      const QPointF h = handAt(pose, Side::Right);
                      paint::rect(p, {h.x() - 6, h.y() - 14, 12, 18}, pink, true, 4);
                      paint::stroke(p, {h + QPointF(0, 4), h + QPointF(0, 14)}, 4, pink);
                      drawHand(p, pose, Side::Right);
                  } else {
                      // tying a ribbon
                      pose = withArms(pose, arms::head);
                      pose.left.hand += QPointF(14, 14);
                      pose.right.hand += QPointF(-14, 14);
                      pose.mouth = f == 2 ? Mouth::Flat : Mouth::Grin;
                      pose.eyes = f == 2 ? Eyes::Open : Eyes::Happy;
                      drawFigure(p, pose);
                      paint::ellipse(p, {66, 20}, 9, 6, red);
                      paint::ellipse(p, {84, 20}, 9, 6, red);
                      paint::ellipse(p, {75, 21}, 4, 4, red);
                  }
              }});
}
