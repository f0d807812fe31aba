// The six festivals of the year.
#include "stripgroups.h"

#include "colours.h"
#include "figure.h"
#include "paint.h"
#include "scenery.h"

using namespace colours;

void addFestivalStrips(QList<Strip> &t)
{
    // ---- festivals ----
    // "s1": New Year, in kimono
    t.append({QStringLiteral("s1"), 4, [](QPainter &p, int f) {
                  drawRoom(p, Place::Tatami, false);
                  drawKadomatsu(p, {22, 168}, 1.0);
                  Pose pose = standing(Outfit::Kimono);
                  if (f == 0) {
                      pose = withArms(pose, arms::front);
                      pose.eyes = Eyes::Closed;
                      pose.tilt = 0;
                      pose.at = {75, 70};
                  } else if (f == 1) {
                      pose.right = arms::raise(Side::Right);
                      pose.mouth = Mouth::Open;
                  } else if (f == 2) {
                      pose = withArms(pose, arms::chest);
                      pose.left.hand = {-4, 60};
                      pose.right.hand = {4, 60};
                      pose.eyes = Eyes::Happy;
                      pose.mouth = Mouth::Grin;
                  } else {
                      pose.right = arms::wave(Side::Right);
                      pose.left = arms::hip(Side::Left);
                      pose.mouth = Mouth::Open;
                  }
                  drawFigure(p, pose);
                  if (f == 1 || f == 3) {
                      const QPointF h = handAt(pose, Side::Right);
                      paint::rect(p, {h.x() - 8, h.y() - 30, 16, 26}, woodLight, true, 4);
                      drawDaisy(p, {h.x(), h.y() - 18}, 4, red);
                      drawHand(p, pose, Side::Right);
                  }
                  paint::text(p, {0, 2, 150, 22}, QStringLiteral("謹賀新年"), red, 15);
              }});
    // "s2": Setsubun, throwing beans
    t.append({QStringLiteral("s2"), 4, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  drawOniMask(p, {112, 22}, 1.0); // the demon the beans chase out
                  Pose pose = standing();
                  if (f < 2) {
                      pose.left = arms::chest(Side::Left);
                      pose.right = f == 0 ? arms::chest(Side::Right) : arms::reach(Side::Right);
                      pose.right.hand += QPointF(0, f == 1 ? -20 : 0);
                      pose.mouth = f == 0 ? Mouth::Smile : Mouth::Grin;
                      pose.brows = f == 1 ? Brows::Angry : Brows::None;
                      drawFigure(p, pose);
                      drawBeanBox(p, handAt(pose, Side::Left) + QPointF(4, -2), 1.0);
                      drawHand(p, pose, Side::Left);
                      if (f == 1)
                          for (QPointF b : {QPointF(130, 30), QPointF(138, 44), QPointF(124, 50)})
                              paint::ellipse(p, b, 2.6, 2.4, 0xfff0d8a0);
                  } else {
                      pose.right = arms::mouth(Side::Right);
                      pose.mouth = f == 2 ? Mouth::Smile : Mouth::Chew;
                      pose.eyes = f == 2 ? Eyes::Open : Eyes::Happy;
                      drawFigure(p, pose);
                      drawBeanBox(p, {40, 150}, 1.0);
                  }
              }});
    // "s3": Hinamatsuri, the dolls on their stand
    t.append({QStringLiteral("s3"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Tatami, false);
                  drawHinaDolls(p, {75, 56}, 1.15); // on their stand above the pet's head
                  Pose pose = kneeling(Outfit::Kimono);
                  pose.at = {75, 130};
                  pose.scale = 0.8;
                  pose = withArms(pose, arms::chest);
                  pose.eyes = f == 0 ? Eyes::Open : Eyes::Happy;
                  pose.mouth = f == 0 ? Mouth::Smile : Mouth::Grin;
                  drawFigure(p, pose);
                  const QPointF c = (handAt(pose, Side::Left) + handAt(pose, Side::Right)) / 2;
                  paint::polygon(p, QPolygonF{c + QPointF(-10, 0), c + QPointF(10, 0),
                                              c + QPointF(0, -12)}, pink);
                  drawHand(p, pose, Side::Left);
                  drawHand(p, pose, Side::Right);
                  paint::sparkle(p, {f ? 20.0 : 130.0, 40}, 6, pink);
              }});
    // "s4": Children's Day, carp streamers
    t.append({QStringLiteral("s4"), 4, [](QPainter &p, int f) {
                  drawRoom(p, Place::Garden, false);
                  // the streamers fly clear of the pet's head
                  paint::stroke(p, {{136, 160}, {136, 6}}, 3, metalShade);
                  const double wave = (f % 2) ? 4 : -4;
                  drawCarpStreamer(p, {134, 24}, -42, black, wave);
                  drawCarpStreamer(p, {134, 46}, -36, red, -wave);
                  drawCarpStreamer(p, {134, 68}, -30, bookBlue, wave);
                  Pose pose = standing();
                  pose.hat = Hat::Kabuto;
                  pose.at = {52, 76};
                  pose.scale = 0.92;
                  if (f < 2) {
                      pose.gaze = {1, -1};
                      pose.right = f == 0 ? arms::down(Side::Right) : arms::wave(Side::Right);
                      pose.mouth = f == 0 ? Mouth::Smile : Mouth::Open;
                  } else {
                      pose.legs = f == 3 ? Legs::Walk : Legs::Stand;
                      pose.left = arms::raise(Side::Left);
                      pose.eyes = f == 3 ? Eyes::Happy : Eyes::Open;
                      pose.mouth = Mouth::Grin;
                  }
                  drawFigure(p, pose);
                  if (f >= 2) {
                      const QPointF h = handAt(pose, Side::Left);
                      drawCarpStreamer(p, h + QPointF(0, -4), -20, red, f == 3 ? 3 : -3);
                      drawHand(p, pose, Side::Left);
                  }
              }});
    // "s5": moon viewing with pampas grass
    t.append({QStringLiteral("s5"), 1, [](QPainter &p, int) {
                  drawRoom(p, Place::Tatami, true);
                  p.fillRect(QRectF(0, 0, 150, 100), colours::c(nightSky));
                  drawMoon(p, {36, 34}, 20);
                  for (QPointF s : {QPointF(80, 20), QPointF(130, 14), QPointF(70, 60),
                                    QPointF(140, 70)})
                      paint::sparkle(p, s, 3, star);
                  paint::rect(p, {0, 100, 150, 8}, wood, true);
                  paint::polygon(p, QPolygonF{{94, 126}, {110, 126}, {114, 114}, {90, 114}},
                                 0xff6a8a9a); // the vase the grass stands in
                  Pose pose = kneeling(Outfit::Kimono);
                  pose.at = {56, 120};
                  pose.scale = 0.7;
                  pose.gaze = {-0.5, -1};
                  pose.eyes = Eyes::Open;
                  pose = withArms(pose, arms::front);
                  drawFigure(p, pose);
                  paint::rect(p, {92, 176, 44, 8}, wood, true);
                  paint::polygon(p, QPolygonF{{96, 184}, {132, 184}, {126, 200}, {102, 200}},
                                 wood);
                  for (int i = 0; i < 3; ++i)
                      paint::ellipse(p, {104.0 + i * 10, 170}, 5.5, 5.5, white);
                  paint::ellipse(p, {114, 161}, 5.5, 5.5, white);
              }});
    // "s6": Christmas
    t.append({QStringLiteral("s6"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  drawTree(p, {118, 166}, 1.0, f == 1);
                  Pose pose = standing();
                  pose.hat = Hat::Santa;
                  pose.at = {62, 64};
                  if (f == 0) {
                      pose = withArms(pose, arms::chest);
                      pose.left.hand = {-10, 58};
                      pose.right.hand = {10, 58};
                      pose.eyes = Eyes::Happy;
                  } else {
                      pose = withArms(pose, arms::raise);
                      pose.mouth = Mouth::Grin;
                  }
                  drawFigure(p, pose);
                  if (f == 0) {
                      drawGift(p, (handAt(pose, Side::Left) + handAt(pose, Side::Right)) / 2
                                      + QPointF(0, -6),
                               26, 20, bookRed, yellow);
                      drawHand(p, pose, Side::Left);
                      drawHand(p, pose, Side::Right);
                  } else {
                      paint::star(p, {24, 30}, 6, yellow);
                      drawGift(p, {30, 192}, 26, 20, bookRed, yellow);
                  }
              }});
}
