// Meals, afternoon sweets and what follows them: after the meal and resting.
#include "stripgroups.h"

#include "colours.h"
#include "figure.h"
#include "paint.h"
#include "scenery.h"

#include <functional>

using namespace colours;

namespace {

// The right hand brings chopsticks to the mouth from below, so they end at the lips instead of
// crossing the face.
constexpr double kChopsticksToMouth = -42;
Arm chopsticksToMouth()
{
    return {{32, 62}, {20, 46}};
}

// ----- meals at the table -----

void atTable(QPainter &p, const Pose &pose, const std::function<void()> &onTable,
             const std::function<void()> &inHands = {})
{
    drawRoom(p, Place::Kitchen, false);
    drawFigure(p, pose);
    drawTable(p, kTableTop, true);
    onTable();
    if (inHands)
        inHands();
}

} // namespace

void addMealStrips(QList<Strip> &t)
{
    // ---- meals ----
    // "18": a meal at the table
    t.append({QStringLiteral("18"), 4, [](QPainter &p, int f) {
                  Pose pose = seated();
                  pose.right = arms::chest(Side::Right);
                  if (f == 1 || f == 3) {
                      pose.right = chopsticksToMouth();
                      pose.mouth = Mouth::Chew;
                  }
                  if (f == 2 || f == 3) {
                      pose.left = arms::chest(Side::Left);
                      pose.left.hand += QPointF(-2, 10);
                      pose.eyes = Eyes::Happy;
                  }
                  if (f == 1)
                      pose.eyes = Eyes::Closed;
                  atTable(p, pose, [&] {
                      drawSoupBowl(p, {118, 168});
                      if (f < 2)
                          drawRiceBowl(p, {54, 166});
                      drawPlate(p, {88, 172}, 16);
                      paint::ellipse(p, {88, 168}, 10, 4, 0xfff08070);
                  }, [&] {
                      const QPointF h = handAt(pose, Side::Right);
                      drawChopsticks(p, h, f == 1 || f == 3 ? kChopsticksToMouth : -30);
                      drawHand(p, pose, Side::Right);
                      if (f >= 2) {
                          drawRiceBowl(p, handAt(pose, Side::Left) + QPointF(4, -6));
                          drawHand(p, pose, Side::Left);
                      }
                      if (f == 3)
                          paint::heart(p, {122, 60}, 6, pink);
                  });
              }});
    // "19": a meal at the table
    t.append({QStringLiteral("19"), 4, [](QPainter &p, int f) {
                  Pose pose = seated();
                  if (f == 1) {
                      pose.right = arms::chest(Side::Right);
                      pose.mouth = Mouth::Open;
                  } else if (f == 2) {
                      pose.right = arms::mouth(Side::Right);
                      pose.mouth = Mouth::Chew;
                      pose.eyes = Eyes::Happy;
                  } else if (f == 3) {
                      pose.left = arms::mouth(Side::Left);
                      pose.eyes = Eyes::Closed;
                      pose.mouth = Mouth::Flat;
                  }
                  atTable(p, pose, [&] {
                      drawPlate(p, {50, 170}, 18);
                      drawToast(p, {50, 166});
                      drawSoupBowl(p, {104, 166});
                      if (f != 3)
                          drawCup(p, {30, 162}, white);
                  }, [&] {
                      const QPointF h = handAt(pose, Side::Right);
                      drawSpoon(p, h, f == 0 ? 20 : (f == 1 ? -20 : -60));
                      drawHand(p, pose, Side::Right);
                      if (f == 3) {
                          drawCup(p, handAt(pose, Side::Left) + QPointF(4, 2), white);
                          drawHand(p, pose, Side::Left);
                      }
                  });
              }});
    // "20": a meal at the table
    t.append({QStringLiteral("20"), 3, [](QPainter &p, int f) {
                  Pose pose = seated();
                  if (f == 1) {
                      pose.right = arms::mouth(Side::Right);
                      pose.mouth = Mouth::Chew;
                  } else if (f == 2) {
                      pose = withArms(pose, arms::cheek);
                      pose.eyes = Eyes::Happy;
                      pose.mouth = Mouth::Open;
                  }
                  atTable(p, pose, [&] {
                      drawPlate(p, {75, 172}, 30);
                      paint::ellipse(p, {68, 168}, 12, 5, 0xfffff0a0); // omelette
                      paint::ellipse(p, {70, 166}, 4, 2, red, false);
                      paint::ellipse(p, {90, 170}, 5, 3, green);
                      drawCup(p, {124, 164}, pink);
                  }, [&] {
                      if (f < 2) {
                          const QPointF h = handAt(pose, Side::Right);
                          drawSpoon(p, h, f == 0 ? 10 : -70);
                          drawHand(p, pose, Side::Right);
                      } else {
                          paint::heart(p, {22, 50}, 6, pink);
                          paint::heart(p, {128, 40}, 5, pink);
                      }
                  });
              }});
    // "21": afternoon sweets
    t.append({QStringLiteral("21"), 3, [](QPainter &p, int f) {
                  Pose pose = seated();
                  pose.gaze = {0, 1};
                  if (f == 1) {
                      pose.right = arms::mouth(Side::Right);
                      pose.mouth = Mouth::Chew;
                      pose.eyes = Eyes::Closed;
                      pose.gaze = {};
                  } else if (f == 2) {
                      pose = withArms(pose, arms::cheek);
                      pose.eyes = Eyes::Happy;
                      pose.mouth = Mouth::Grin;
                      pose.gaze = {};
                  }
                  atTable(p, pose, [&] {
                      drawCake(p, {76, 168});
                      drawCup(p, {122, 166}, white);
                  }, [&] {
                      if (f < 2) {
                          const QPointF h = handAt(pose, Side::Right);
                          drawSpoon(p, h, f == 0 ? 0 : -70);
                          drawHand(p, pose, Side::Right);
                      } else {
                          paint::sparkle(p, {24, 50}, 7, yellow);
                          paint::sparkle(p, {126, 44}, 6, yellow);
                      }
                  });
              }});
    // "22": after the meal
    t.append({QStringLiteral("22"), 6, [](QPainter &p, int f) {
                  Pose pose = seated();
                  if (f == 1) {
                      pose.right = chopsticksToMouth();
                      pose.mouth = Mouth::Chew;
                  } else if (f == 2 || f == 3) {
                      pose = withArms(pose, arms::chest);
                      pose.left.hand += QPointF(4, -20);
                      pose.right.hand += QPointF(-4, -20);
                      pose.eyes = f == 2 ? Eyes::Closed : Eyes::Happy;
                      pose.mouth = f == 2 ? Mouth::Smile : Mouth::O;
                  } else if (f == 4) {
                      pose = withArms(pose, arms::chest);
                      pose.left.hand = {-3, 56};
                      pose.right.hand = {3, 56};
                      pose.eyes = Eyes::Closed;
                  } else if (f == 5) {
                      pose = withArms(pose, arms::front);
                      pose.left.hand = {-10, 78};
                      pose.right.hand = {10, 78};
                      pose.eyes = Eyes::Happy;
                      pose.mouth = Mouth::Grin;
                      pose.tilt = -8;
                  }
                  atTable(p, pose, [&] {
                      drawRiceBowl(p, {44, 168});
                      drawPlate(p, {108, 172}, 16);
                      if (f < 4)
                          paint::ellipse(p, {108, 168}, 8, 3, 0xfff08070);
                  }, [&] {
                      if (f < 2) {
                          drawChopsticks(p, handAt(pose, Side::Right), f == 0 ? -30 : kChopsticksToMouth);
                          drawHand(p, pose, Side::Right);
                      } else if (f < 4) {
                          const QPointF c = (handAt(pose, Side::Left)
                                             + handAt(pose, Side::Right)) / 2;
                          drawCup(p, c + QPointF(0, 4), 0xff9ad08a);
                          drawSteam(p, c + QPointF(0, -10), f);
                          drawHand(p, pose, Side::Left);
                          drawHand(p, pose, Side::Right);
                      } else if (f == 5) {
                          paint::heart(p, {124, 52}, 6, pink);
                      }
                  });
              }});
}

void addRestStrips(QList<Strip> &t)
{
    // ---- resting ----
    // "23": resting
    t.append({QStringLiteral("23"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  drawSofa(p, 96);
                  Pose pose = standing();
                  pose.at = {75, 80};
                  pose.legs = Legs::Kneel;
                  pose = withArms(pose, arms::front);
                  pose.tilt = -10;
                  pose.eyes = f == 0 ? Eyes::Half : Eyes::Closed;
                  pose.mouth = f == 0 ? Mouth::Smile : Mouth::Chew;
                  drawFigure(p, pose);
                  paint::rect(p, {-4, 120, 30, 50}, bookBlue, true, 10);
                  paint::rect(p, {124, 120, 30, 50}, bookBlue, true, 10);
                  if (f == 1)
                      paint::note(p, {120, 44}, 10, yellow);
              }});
    // "24": resting
    t.append({QStringLiteral("24"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  drawFloorCushion(p, 198);
                  Pose pose = kneeling();
                  pose.at = {75, 96};
                  pose.right = arms::mouth(Side::Right);
                  pose.left = arms::chest(Side::Left);
                  pose.right.hand = {6, 64};
                  pose.left.hand = {-6, 66};
                  pose.eyes = f == 0 ? Eyes::Open : Eyes::Closed;
                  pose.mouth = f == 0 ? Mouth::Smile : Mouth::O;
                  drawFigure(p, pose);
                  const QPointF c = (handAt(pose, Side::Left) + handAt(pose, Side::Right)) / 2;
                  drawCup(p, c + QPointF(0, 2), 0xff9ad08a);
                  drawSteam(p, c + QPointF(0, -12), f);
                  drawHand(p, pose, Side::Left);
                  drawHand(p, pose, Side::Right);
              }});
    // "25": resting
    t.append({QStringLiteral("25"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  Pose pose = seated();
                  pose = withArms(pose, arms::cheek);
                  pose.left.hand = {-16, 30};
                  pose.right.hand = {16, 30};
                  pose.gaze = {-0.8, -0.6};
                  pose.eyes = f == 0 ? Eyes::Open : Eyes::Closed;
                  pose.mouth = f == 0 ? Mouth::Smile : Mouth::Chew;
                  pose.tilt = f == 0 ? -6 : 6;
                  drawFigure(p, pose);
                  drawTable(p, kTableTop, false);
                  drawCup(p, {116, 166}, pink);
                  if (f == 1)
                      paint::note(p, {124, 60}, 10, pink);
              }});
}
