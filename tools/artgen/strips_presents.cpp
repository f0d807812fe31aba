// Playing with the presents: the doll, the car, the flower, the board game, the violin,
// the computer, painting, television, a flower wreath, an animal.
#include "stripgroups.h"

#include "colours.h"
#include "figure.h"
#include "paint.h"
#include "scenery.h"

using namespace colours;

void addPresentStrips(QList<Strip> &t)
{
    // ---- presents ----
    // "36": playing with the doll
    t.append({QStringLiteral("36"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  Pose pose = kneeling();
                  QPointF doll;
                  if (f == 0) {
                      // the doll lifted up beside the head, where both faces show
                      pose.right = arms::wave(Side::Right);
                      pose.right.elbow = {40, 40};
                      pose.right.hand = {52, 8};
                      pose.left = arms::hip(Side::Left);
                      pose.mouth = Mouth::Grin;
                      pose.gaze = {1, -0.6};
                      pose.tilt = -6;
                      doll = {0, -22};
                  } else {
                      pose = withArms(pose, arms::chest);
                      pose.eyes = Eyes::Happy;
                      pose.tilt = 10;
                  }
                  drawFigure(p, pose);
                  if (f == 0) {
                      drawDoll(p, handAt(pose, Side::Right) + doll, 0.3);
                  } else {
                      const QPointF c = (handAt(pose, Side::Left) + handAt(pose, Side::Right)) / 2;
                      drawDoll(p, c + QPointF(0, -14), 0.3);
                  }
                  drawHand(p, pose, Side::Left);
                  drawHand(p, pose, Side::Right);
                  if (f == 1)
                      paint::heart(p, {118, 40}, 7, pink);
              }});
    // "37": dressing the doll
    t.append({QStringLiteral("37"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  // a red bow for the doll's hair: brought to its head, then tied on
                  constexpr QPointF kDoll{116, 146};
                  constexpr double kDollScale = 0.36;
                  const QPointF bowOnHead = kDoll + QPointF(0, -38 * kDollScale);
                  Pose pose = kneeling();
                  pose.at = {58, 92};
                  pose.right = arms::reach(Side::Right);
                  pose.right.hand = f == 0 ? QPointF(36, 30) : QPointF(42, 72);
                  pose.gaze = {1, 1};
                  pose.eyes = f == 0 ? Eyes::Open : Eyes::Happy;
                  pose.mouth = f == 0 ? Mouth::Smile : Mouth::Grin;
                  drawFigure(p, pose);
                  drawDoll(p, kDoll, kDollScale);
                  const QPointF bow = f == 0 ? handAt(pose, Side::Right) + QPointF(4, -8)
                                             : bowOnHead;
                  paint::ellipse(p, bow + QPointF(-6, 0), 5.5, 3.8, red);
                  paint::ellipse(p, bow + QPointF(6, 0), 5.5, 3.8, red);
                  paint::ellipse(p, bow, 2.5, 2.5, red);
                  if (f == 1)
                      paint::sparkle(p, {138, 106}, 6, yellow);
                  drawHand(p, pose, Side::Right);
              }});
    // "38": tuning the mini 4WD car
    t.append({QStringLiteral("38"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Study, false);
                  Pose pose = seated();
                  pose.gaze = {0, 1};
                  pose.mouth = Mouth::Flat;
                  if (f == 1) {
                      pose = withArms(pose, arms::chest);
                      pose.left.hand = {-14, 44};
                      pose.right.hand = {14, 44};
                      pose.gaze = {};
                      pose.mouth = Mouth::Grin;
                  }
                  drawFigure(p, pose);
                  drawDesk(p, kTableTop);
                  if (f == 0) {
                      drawCar(p, {75, 160}, 1.3, bookBlue);
                      const QPointF h = handAt(pose, Side::Right);
                      paint::stroke(p, {h, h + QPointF(-14, -4)}, 3, yellow);
                      drawHand(p, pose, Side::Right);
                  } else {
                      drawCar(p, {75, 120}, 1.3, bookBlue);
                      drawHand(p, pose, Side::Left);
                      drawHand(p, pose, Side::Right);
                      paint::sparkle(p, {118, 100}, 6, yellow);
                  }
              }});
    // "39": running the mini 4WD car
    t.append({QStringLiteral("39"), 3, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  Pose pose = standing();
                  if (f == 0) {
                      pose = kneeling();
                      pose = withArms(pose, arms::front);
                      pose.gaze = {0, 1};
                      drawFigure(p, pose);
                      drawCar(p, {75, 184}, 1.2, bookBlue);
                      drawHand(p, pose, Side::Left);
                      drawHand(p, pose, Side::Right);
                      return;
                  }
                  pose.left = arms::raise(Side::Left);
                  pose.right = f == 1 ? arms::hip(Side::Right) : arms::point(Side::Right, -1, 1);
                  pose.gaze = {-1, 0.4};
                  pose.mouth = f == 1 ? Mouth::Open : Mouth::Grin;
                  pose.eyes = f == 2 ? Eyes::Happy : Eyes::Open;
                  drawFigure(p, pose);
                  paint::sparkle(p, {20, 40}, 6, yellow);
              }});
    // "40": watering the flower
    t.append({QStringLiteral("40"), 3, [](QPainter &p, int f) {
                  drawRoom(p, Place::Garden, false);
                  Pose pose = kneeling();
                  pose.at = {96, 92};
                  // the hand reaches the watering can that bobs beside the flower pot
                  pose.left = arms::reach(Side::Left);
                  pose.left.elbow = {-40, 58};
                  pose.left.hand = {-62, 72};
                  pose.gaze = {-1, 1};
                  pose.turn = {-0.4, 0};
                  if (f == 1)
                      pose.eyes = Eyes::Happy;
                  if (f == 2) {
                      pose.mouth = Mouth::Open;
                      pose.right = arms::cheek(Side::Right);
                  }
                  drawFigure(p, pose);
                  if (f == 2)
                      paint::heart(p, {48, 120}, 6, pink);
              }});
    // "41": waiting for the seeds to sprout
    t.append({QStringLiteral("41"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Garden, false);
                  drawPot(p, {40, 184}, 1.4, 0);
                  Pose pose = kneeling();
                  pose.at = {96, 92};
                  pose = withArms(pose, arms::cheek);
                  pose.gaze = {-1, 1};
                  pose.turn = {-0.4, 0};
                  pose.tilt = f == 0 ? 0 : -14;
                  pose.mouth = f == 0 ? Mouth::Smile : Mouth::O;
                  drawFigure(p, pose);
                  if (f == 1)
                      drawQuestionMark(p, {42, 140}, 0.9, yellow);
              }});
    // "42": a board game
    t.append({QStringLiteral("42"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  Pose pose = seated();
                  pose.gaze = {0, 1};
                  if (f == 0) {
                      pose.right = arms::cheek(Side::Right);
                      pose.mouth = Mouth::Flat;
                      pose.brows = Brows::Worried;
                  } else {
                      pose.right = arms::table(Side::Right);
                      pose.right.hand = {2, 76};
                      pose.mouth = Mouth::Grin;
                  }
                  drawFigure(p, pose);
                  drawTable(p, kTableTop, false);
                  drawPegBoard(p, {75, 172}, 1.2, false);
                  drawHand(p, pose, Side::Right);
                  if (f == 1)
                      paint::sparkle(p, {118, 120}, 6, yellow);
              }});
    // "43": playing the violin
    t.append({QStringLiteral("43"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  Pose pose = standing();
                  pose.tilt = 14;
                  pose.eyes = Eyes::Closed;
                  pose.mouth = f == 0 ? Mouth::Smile : Mouth::O;
                  pose.left = arms::chest(Side::Left);
                  pose.left.hand = {-4, 46};
                  pose.right = f == 0 ? arms::reach(Side::Right) : arms::chest(Side::Right);
                  pose.right.hand = f == 0 ? QPointF(44, 56) : QPointF(20, 58);
                  drawFigure(p, pose);
                  drawViolin(p, {68, 120}, 1.1, 60);
                  drawHand(p, pose, Side::Left);
                  const QPointF h = handAt(pose, Side::Right);
                  drawBow(p, h + QPointF(-40, -10), h + QPointF(8, 2));
                  drawHand(p, pose, Side::Right);
                  paint::note(p, {f ? 20.0 : 26.0, 40}, 10, pink);
                  paint::note(p, {126, f ? 30.0 : 44.0}, 9, cyan);
              }});
    // "44": at the computer
    t.append({QStringLiteral("44"), 3, [](QPainter &p, int f) {
                  drawRoom(p, Place::Study, false);
                  Pose pose = seated();
                  pose.at = {38, kSeatY + 14};
                  pose.scale = 0.88;
                  pose.turn = {0.25, 0};
                  pose.gaze = {1, 0.3};
                  // typing on the keyboard in front of the screen
                  pose.right = arms::reach(Side::Right);
                  pose.right.elbow = {30, 64};
                  pose.right.hand = {50, 50};
                  if (f == 1) {
                      pose.right.hand = {44, 48};
                      pose.mouth = Mouth::Flat;
                  }
                  if (f == 2) {
                      // the free hand goes up; the screen would hide the other
                      pose.eyes = Eyes::Wide;
                      pose.mouth = Mouth::Grin;
                      pose.left = arms::raise(Side::Left);
                  }
                  drawFigure(p, pose);
                  drawDesk(p, 150);
                  drawLaptop(p, {94, 128}, 1.0, 1);
                  paint::rect(p, {58, 82, 72, 45}, metalShade, true, 3);
                  paint::rect(p, {61, 85, 66, 39}, colours::screen, false);
                  paint::polygon(p, QPolygonF{{56, 128}, {132, 128}, {138, 140}, {50, 140}},
                                 metal);
                  drawHand(p, pose, Side::Right);
                  if (f == 2)
                      paint::sparkle(p, {24, 40}, 6, yellow);
              }});
    // "45": painting
    t.append({QStringLiteral("45"), 3, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  drawEasel(p, {104, 126}, 1.2, f + 1);
                  Pose pose = standing();
                  pose.at = {48, 64};
                  pose.gaze = {1, 0};
                  pose.turn = {0.5, 0};
                  pose.right = arms::reach(Side::Right);
                  pose.right.hand = {f == 1 ? 40.0 : 44.0, f == 1 ? 26.0 : 50.0};
                  pose.left = arms::chest(Side::Left);
                  if (f == 2) {
                      pose.right = arms::raise(Side::Right);
                      pose.eyes = Eyes::Happy;
                      pose.mouth = Mouth::Grin;
                  }
                  drawFigure(p, pose);
                  drawBrush(p, handAt(pose, Side::Right), f == 2 ? 0 : 40, bookBlue);
                  drawHand(p, pose, Side::Right);
                  paint::ellipse(p, handAt(pose, Side::Left) + QPointF(2, 4), 12, 8, paper);
                  for (int i = 0; i < 3; ++i)
                      paint::ellipse(p, handAt(pose, Side::Left) + QPointF(-4 + i * 5, 4), 2, 2,
                                     std::array<QRgb, 3>{red, yellow, bookBlue}[i], false);
                  drawHand(p, pose, Side::Left);
              }});
    // "46": watching television
    t.append({QStringLiteral("46"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  paint::rect(p, {14, 94, 108, 16}, wood, true, 2);
                  drawTelevision(p, {22, 40, 92, 48}, 0);
                  Pose pose = kneeling();
                  pose.at = {75, 136};
                  pose.scale = 0.8;
                  pose.back = true;
                  pose.left = arms::hidden();
                  pose.right = arms::hidden();
                  if (f == 1) {
                      pose.tilt = 12;
                      pose.at += QPointF(0, 4);
                  }
                  drawFigure(p, pose);
              }});
    // "47": making a flower wreath
    t.append({QStringLiteral("47"), 3, [](QPainter &p, int f) {
                  drawRoom(p, Place::Garden, false);
                  Pose pose = kneeling();
                  pose = withArms(pose, arms::chest);
                  pose.gaze = {0, 1};
                  if (f == 1) {
                      pose.eyes = Eyes::Closed;
                      pose.right.hand += QPointF(6, -8);
                  }
                  if (f == 2) {
                      pose = withArms(pose, arms::head);
                      pose.gaze = {};
                      pose.eyes = Eyes::Happy;
                      pose.mouth = Mouth::Grin;
                  }
                  drawFigure(p, pose);
                  if (f < 2) {
                      drawWreath(p, {75, 160}, 20);
                      drawHand(p, pose, Side::Left);
                      drawHand(p, pose, Side::Right);
                  } else {
                      drawWreath(p, {75, 44}, 36);
                      drawHand(p, pose, Side::Left);
                      drawHand(p, pose, Side::Right);
                      paint::sparkle(p, {126, 70}, 6, yellow);
                  }
              }});
    // "48": petting an animal
    t.append({QStringLiteral("48"), 4, [](QPainter &p, int f) {
                  drawRoom(p, Place::Garden, false);
                  Pose pose = kneeling();
                  if (f < 2) {
                      pose.at = {62, 92};
                      pose.right = arms::reach(Side::Right);
                      pose.right.hand = {36, 66};
                      pose.gaze = {1, 1};
                      pose.eyes = f == 0 ? Eyes::Open : Eyes::Happy;
                      pose.mouth = f == 0 ? Mouth::Smile : Mouth::Grin;
                      drawFigure(p, pose);
                      drawPuppy(p, {118, 170}, 1.2, f == 1);
                      drawHand(p, pose, Side::Right);
                      if (f == 1)
                          paint::heart(p, {130, 130}, 6, pink);
                  } else {
                      // the puppy hugged at the chest, under the pet's chin
                      pose = withArms(pose, arms::chest);
                      pose.left.hand = {-18, 72};
                      pose.right.hand = {18, 74};
                      pose.gaze = {-0.4, 1};
                      pose.tilt = -8;
                      pose.mouth = f == 2 ? Mouth::Open : Mouth::Grin;
                      pose.eyes = f == 2 ? Eyes::Open : Eyes::Happy;
                      drawFigure(p, pose);
                      drawPuppy(p, {80, 150}, 1.2, f == 3);
                      if (f == 3)
                          paint::heart(p, {124, 52}, 6, pink);
                      drawHand(p, pose, Side::Left);
                      drawHand(p, pose, Side::Right);
                  }
              }});
}
