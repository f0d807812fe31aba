#include "strips.h"

#include "colours.h"
#include "figure.h"
#include "paint.h"
#include "scenery.h"

#include <QtMath>

#include <array>

using namespace colours;

namespace {

constexpr double kSeatY = 78;     // head centre of a figure sitting behind a table
constexpr double kTableTop = 156;

Pose standing(Outfit outfit = Outfit::Day)
{
    Pose pose;
    pose.outfit = outfit;
    return pose;
}

Pose seated(Outfit outfit = Outfit::Day)
{
    Pose pose;
    pose.outfit = outfit;
    pose.at = {75, kSeatY};
    pose.legs = Legs::Hidden;
    pose.left = arms::table(Side::Left);
    pose.right = arms::table(Side::Right);
    return pose;
}

Pose kneeling(Outfit outfit = Outfit::Day)
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

// The right hand brings chopsticks to the mouth from below, so they end at the lips instead of
// crossing the face.
constexpr double kChopsticksToMouth = -42;
Arm chopsticksToMouth()
{
    return {{32, 62}, {20, 46}};
}

Pose blink(Pose pose)
{
    pose.eyes = Eyes::Closed;
    return pose;
}

// ----- sleeping in bed, seen from the foot of the bed -----

struct Sleeper {
    double tilt = 0;
    bool handOut = false;    // one hand on the blanket
    bool sprawled = false;   // arm flung over the pillow
    bool doll = false;       // hugging the doll
};

void sleepScene(QPainter &p, int f, const Sleeper &s)
{
    drawRoom(p, Place::Bedroom, true);
    drawBedHead(p);
    Pose head;
    head.at = {75, 100};
    head.scale = 0.92;
    head.tilt = s.tilt;
    head.eyes = f == 2 ? Eyes::Half : Eyes::Sleep;
    head.mouth = f == 2 ? Mouth::Wavy : (f == 1 ? Mouth::O : Mouth::Smile);
    head.brows = f == 2 ? Brows::Worried : Brows::None;
    head.hat = Hat::Nightcap;
    drawHead(p, head);
    if (s.doll)
        drawDoll(p, {122, 112}, 0.32);
    if (s.sprawled)
        paint::stroke(p, {{36, 134}, {22, 110}, {30, 86}}, 9, pyjama);
    if (s.sprawled)
        paint::ellipse(p, {30, 84}, 5.5, 5.5, skin);
    drawBlanket(p, 134, f == 1 ? 8 : 3);
    // an arm laid out over the blanket's edge, or round the doll
    if (s.handOut) {
        paint::stroke(p, {{60, 134}, {44, 146}, {34, 162}}, 9, pyjama);
        paint::ellipse(p, {33, 165}, 5.5, 5.5, skin);
    }
    if (s.doll) {
        paint::stroke(p, {{84, 136}, {108, 132}}, 9, pyjama);
        paint::ellipse(p, {112, 130}, 5.5, 5.5, skin);
    }
    if (f == 0)
        paint::zMarks(p, {112, 50}, 2, 8);
    else if (f == 1)
        paint::zMarks(p, {104, 56}, 3, 9);
    else
        paint::sparkle(p, {118, 74}, 5, white);
}

// ----- sitting up in bed -----

void sittingUp(QPainter &p, bool night, Pose pose)
{
    drawRoom(p, Place::Bedroom, night);
    paint::rect(p, {6, 74, 138, 40}, wood, true, 8);
    paint::rect(p, {22, 96, 106, 40}, pillow, true, 14);
    pose.outfit = Outfit::Pyjamas;
    pose.legs = Legs::Hidden;
    pose.at = {75, 88};
    drawFigure(p, pose);
    drawBlanket(p, 168, 6);
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

// ----- the two visitors and the pet in one frame -----

Pose visitor(Look look, QPointF at, double scale, Outfit outfit)
{
    Pose pose;
    pose.look = look;
    pose.at = at;
    pose.scale = scale;
    pose.outfit = outfit;
    pose.blush = false;
    return pose;
}

Pose small(Pose pose, QPointF at, double scale)
{
    pose.at = at;
    pose.scale = scale;
    return pose;
}

void readingBook(QPainter &p, const Pose &pose, QRgb cover, double dy = 0)
{
    const QPointF c = (handAt(pose, Side::Left) + handAt(pose, Side::Right)) / 2
                      + QPointF(0, -10 + dy);
    drawBook(p, c, 44, 28, cover, true);
    drawHand(p, pose, Side::Left);
    drawHand(p, pose, Side::Right);
}

QList<Strip> buildStrips()
{
    QList<Strip> t;
    // ---- chatting ----
    t.append({QStringLiteral("1"), 4, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  Pose pose = standing();
                  if (f == 1)
                      pose = blink(pose);
                  if (f == 2) {
                      pose.right = arms::wave(Side::Right);
                      pose.mouth = Mouth::Open;
                      pose.tilt = -6;
                  }
                  if (f == 3) {
                      pose = withArms(pose, arms::raise);
                      pose.eyes = Eyes::Happy;
                      pose.mouth = Mouth::Grin;
                  }
                  drawFigure(p, pose);
                  if (f == 3) {
                      paint::heart(p, {26, 40}, 7, pink);
                      paint::heart(p, {124, 56}, 5, pink);
                  }
              }});
    t.append({QStringLiteral("2"), 4, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  Pose pose = withArms(standing(), arms::front);
                  pose.tilt = 8;
                  if (f == 1)
                      pose = blink(pose);
                  if (f == 2) {
                      pose.mouth = Mouth::Open;
                      pose.right = arms::chest(Side::Right);
                      pose.tilt = -4;
                  }
                  if (f == 3) {
                      pose.eyes = Eyes::Happy;
                      pose.mouth = Mouth::Grin;
                      pose.left = arms::mouth(Side::Left);
                  }
                  drawFigure(p, pose);
                  if (f == 2)
                      paint::note(p, {120, 40}, 10, yellow);
              }});
    t.append({QStringLiteral("3"), 4, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  Pose pose = withArms(standing(), arms::hip);
                  if (f == 1 || f == 3)
                      pose = blink(pose);
                  if (f >= 2) {
                      pose.left = arms::down(Side::Left);
                      pose.right = arms::cheek(Side::Right);
                      pose.gaze = {0.6, -0.8};
                      pose.mouth = Mouth::Flat;
                      pose.tilt = 10;
                  }
                  drawFigure(p, pose);
                  if (f >= 2)
                      drawQuestionMark(p, {30, 36}, 1.1, yellow);
              }});
    t.append({QStringLiteral("4"), 3, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  Pose pose = withArms(standing(), arms::front);
                  if (f == 1)
                      pose = blink(pose);
                  if (f == 2) {
                      pose.right = arms::wave(Side::Right);
                      pose.left = arms::wave(Side::Left);
                      pose.mouth = Mouth::Grin;
                      pose.eyes = Eyes::Happy;
                  }
                  drawFigure(p, pose);
                  if (f == 2)
                      paint::sparkle(p, {22, 30}, 7, yellow);
              }});
    t.append({QStringLiteral("5"), 4, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  Pose pose = withArms(standing(), arms::chest);
                  if (f == 1) {
                      pose.eyes = Eyes::Closed;
                      pose.tilt = 10;
                  }
                  if (f >= 2) {
                      pose.left = arms::down(Side::Left);
                      pose.right = arms::wave(Side::Right);
                      pose.right.finger = true;
                      pose.mouth = Mouth::Open;
                      pose.brows = Brows::Raised;
                  }
                  if (f == 3)
                      pose.eyes = Eyes::Wink;
                  drawFigure(p, pose);
                  if (f >= 2)
                      paint::sparkle(p, {124, 22}, 6, yellow);
              }});
    t.append({QStringLiteral("6"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  Pose pose = withArms(standing(), arms::front);
                  pose.gaze = {-1, 0};
                  pose.turn = {-0.5, 0};
                  pose.mouth = Mouth::Flat;
                  if (f == 1) {
                      pose = withArms(pose, arms::raise);
                      pose.eyes = Eyes::Tight;
                      pose.mouth = Mouth::Yawn;
                      pose.turn = {};
                  }
                  drawFigure(p, pose);
              }});
    // ---- asleep ----
    t.append({QStringLiteral("7"), 3, [](QPainter &p, int f) { sleepScene(p, f, {}); }});
    t.append({QStringLiteral("8"), 3, [](QPainter &p, int f) {
                  Sleeper s;
                  s.tilt = 18;
                  s.handOut = true;
                  sleepScene(p, f, s);
              }});
    t.append({QStringLiteral("9"), 3, [](QPainter &p, int f) {
                  Sleeper s;
                  s.tilt = -20;
                  s.sprawled = true;
                  sleepScene(p, f, s);
              }});
    t.append({QStringLiteral("10"), 3, [](QPainter &p, int f) {
                  Sleeper s;
                  s.tilt = 14;
                  s.doll = true;
                  sleepScene(p, f, s);
              }});
    // ---- waking ----
    t.append({QStringLiteral("11"), 3, [](QPainter &p, int f) {
                  Pose pose;
                  pose.eyes = f == 1 ? Eyes::Closed : Eyes::Half;
                  pose.mouth = Mouth::O;
                  pose.hat = Hat::Nightcap;
                  if (f == 2) {
                      pose = withArms(pose, arms::raise);
                      pose.eyes = Eyes::Tight;
                      pose.mouth = Mouth::Yawn;
                  }
                  sittingUp(p, false, pose);
                  if (f == 2)
                      paint::sparkle(p, {20, 40}, 6, yellow);
              }});
    t.append({QStringLiteral("12"), 2, [](QPainter &p, int f) {
                  Pose pose;
                  pose.hat = Hat::Nightcap;
                  pose.tilt = -8;
                  if (f == 0) {
                      pose.eyes = Eyes::Closed;
                      pose.mouth = Mouth::Wavy;
                      pose.left = arms::cheek(Side::Left);
                      pose.left.hand += QPointF(10, -14);
                  } else {
                      pose.eyes = Eyes::Half;
                      pose.mouth = Mouth::O;
                      pose.gaze = {0.5, 0};
                  }
                  sittingUp(p, false, pose);
              }});
    t.append({QStringLiteral("13"), 4, [](QPainter &p, int f) {
                  drawRoom(p, Place::Bedroom, false);
                  Pose pose = standing(Outfit::Pyjamas);
                  pose.hat = Hat::Nightcap;
                  if (f == 0) {
                      pose.eyes = Eyes::Half;
                      pose.mouth = Mouth::Smile;
                  } else if (f == 1 || f == 3) {
                      pose = withArms(pose, arms::raise);
                      pose.eyes = f == 1 ? Eyes::Closed : Eyes::Tight;
                      pose.mouth = f == 1 ? Mouth::Smile : Mouth::Yawn;
                  } else {
                      pose.eyes = Eyes::Closed;
                      pose.mouth = Mouth::Yawn;
                      pose.right = arms::mouth(Side::Right);
                  }
                  drawFigure(p, pose);
                  if (f == 1)
                      paint::sparkle(p, {24, 30}, 6, yellow);
              }});
    // ---- morning and evening routine ----
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
    // ---- meals ----
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
    // ---- resting ----
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
    // ---- studying ----
    t.append({QStringLiteral("26"), 3, [](QPainter &p, int f) {
                  drawRoom(p, Place::Study, false);
                  Pose pose = seated();
                  pose.gaze = {0, 1};
                  if (f == 0) {
                      pose.right = arms::table(Side::Right);
                      pose.right.hand += QPointF(6, -4);
                      pose.mouth = Mouth::Flat;
                  } else if (f == 1) {
                      pose.right = arms::cheek(Side::Right);
                      pose.mouth = Mouth::Smile;
                  } else {
                      pose.right = arms::head(Side::Right);
                      pose.gaze = {0, -1};
                      pose.brows = Brows::Worried;
                      pose.mouth = Mouth::Wavy;
                      pose.sweat = true;
                  }
                  drawFigure(p, pose);
                  drawDesk(p, kTableTop);
                  drawLamp(p, {130, 162}, true);
                  drawBook(p, {52, 164}, 40, 16, bookBlue, true);
                  paint::rect(p, {74, 158, 30, 12}, paper, true, 1);
                  const QPointF h = handAt(pose, Side::Right);
                  drawPencil(p, h + QPointF(6, -12), h + QPointF(f == 0 ? -8 : -2, 6));
                  drawHand(p, pose, Side::Right);
                  if (f == 2)
                      drawQuestionMark(p, {30, 40}, 1.1, cyan);
              }});
    // ---- reading: posture A sitting up with the book (f0-f2), B lying on the tummy (f3-f5)
    auto reading = [](QPainter &p, int f, Place place, QRgb cover) {
        drawRoom(p, place, false);
        if (f < 3) {
            drawFloorCushion(p, 198);
            Pose pose = kneeling();
            pose = withArms(pose, arms::chest);
            pose.left.hand = {-18, 70};
            pose.right.hand = {18, 70};
            pose.gaze = {0, 1};
            if (f == 1) {
                pose.eyes = Eyes::Closed;
                pose.right.hand = {8, 56};
            }
            if (f == 2) {
                pose.eyes = Eyes::Happy;
                pose.mouth = Mouth::Grin;
                pose.gaze = {};
            }
            drawFigure(p, pose);
            readingBook(p, pose, cover, f == 1 ? -4 : 0);
            if (f == 2)
                paint::note(p, {124, 40}, 9, pink);
            return;
        }
        // on the tummy along the floor, propped on the elbows over the open book
        drawFloorCushion(p, 204);
        Pose pose;
        pose.at = {112, 138};
        pose.scale = 0.74;
        pose.gaze = {0, 1};
        pose.eyes = f == 4 ? Eyes::Closed : (f == 5 ? Eyes::Happy : Eyes::Open);
        pose.mouth = f == 5 ? Mouth::Grin : Mouth::Smile;
        pose.left = {{-40, 72}, {-34, 80}};
        pose.right = {{40, 72}, {34, 80}};
        drawLying(p, pose, f == 4 ? 80 : 36, f == 4 ? 34 : 78);
        drawBook(p, pose.at + QPointF(0, 66), 56, 24, cover, true);
        drawHand(p, pose, Side::Left);
        drawHand(p, pose, Side::Right);
        if (f == 5)
            paint::heart(p, {136, 96}, 6, pink);
    };
    t.append({QStringLiteral("27"), 6, [reading](QPainter &p, int f) {
                  reading(p, f, Place::Living, bookRed);
              }});
    t.append({QStringLiteral("28"), 6, [reading](QPainter &p, int f) {
                  reading(p, f, Place::Study, bookGreen);
              }});
    // ---- music with headphones: posture A sitting (f0, f2), B standing and swaying (f1, f3)
    t.append({QStringLiteral("29"), 4, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  Pose pose;
                  pose.hat = Hat::Headphones;
                  pose.eyes = Eyes::Closed;
                  if (f == 0 || f == 2) {
                      drawFloorCushion(p, 198);
                      pose = kneeling();
                      pose.hat = Hat::Headphones;
                      pose.eyes = Eyes::Closed;
                      pose = withArms(pose, arms::front);
                      pose.tilt = f == 0 ? 0 : 12;
                      pose.mouth = f == 0 ? Mouth::Smile : Mouth::O;
                  } else {
                      pose.tilt = f == 1 ? -10 : 10;
                      pose.left = f == 1 ? arms::raise(Side::Left) : arms::hip(Side::Left);
                      pose.right = f == 1 ? arms::hip(Side::Right) : arms::raise(Side::Right);
                      pose.mouth = Mouth::Open;
                      pose.legs = f == 1 ? Legs::Stand : Legs::Walk;
                  }
                  drawFigure(p, pose);
                  paint::note(p, {f % 2 ? 22.0 : 28.0, f < 2 ? 44.0 : 34.0}, 11, pink);
                  paint::note(p, {f % 2 ? 126.0 : 120.0, f < 2 ? 30.0 : 44.0}, 9, cyan);
              }});
    t.append({QStringLiteral("30"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  drawSofa(p, 100);
                  Pose pose = standing();
                  pose.at = {75, 84};
                  pose.legs = Legs::Kneel;
                  pose.hat = Hat::Headphones;
                  pose.tilt = -12;
                  pose.eyes = Eyes::Closed;
                  pose.mouth = f == 0 ? Mouth::Smile : Mouth::Open;
                  pose.right = arms::chest(Side::Right);
                  drawFigure(p, pose);
                  drawHeadphonePlayer(p, handAt(pose, Side::Right) + QPointF(0, -4));
                  drawHand(p, pose, Side::Right);
                  paint::rect(p, {-4, 124, 30, 50}, bookBlue, true, 10);
                  paint::rect(p, {124, 124, 30, 50}, bookBlue, true, 10);
                  paint::note(p, {118, 40 + f * 8.0}, 10, yellow);
                  if (f == 1)
                      paint::note(p, {28, 36}, 8, pink);
              }});
    // ---- the bath ----
    auto bath = [](QPainter &p, const Pose &face, const std::function<void(const Pose &)> &extra) {
        drawRoom(p, Place::Bathroom, false);
        Pose pose = face;
        pose.outfit = Outfit::Bath;
        pose.hat = Hat::Bun;
        pose.legs = Legs::Hidden;
        pose.at = {75, 96};
        drawFigure(p, pose);
        drawTub(p, 150);
        extra(pose);
    };
    t.append({QStringLiteral("31"), 2, [bath](QPainter &p, int f) {
                  Pose pose;
                  pose.left = arms::hidden();
                  pose.right = arms::hidden();
                  pose.eyes = f == 0 ? Eyes::Closed : Eyes::Open;
                  pose.mouth = f == 0 ? Mouth::O : Mouth::Smile;
                  bath(p, pose, [&](const Pose &) {
                      drawSteam(p, {30, 70}, f);
                      drawSteam(p, {120, 60}, f + 1);
                      drawDuck(p, {116, 146}, 1.0);
                  });
              }});
    t.append({QStringLiteral("32"), 2, [bath](QPainter &p, int f) {
                  Pose pose;
                  pose.left = arms::hidden();
                  pose.right = arms::chest(Side::Right);
                  pose.right.hand = {20, 56};
                  pose.gaze = {1, 0.5};
                  pose.eyes = f == 0 ? Eyes::Open : Eyes::Happy;
                  pose.mouth = f == 0 ? Mouth::Smile : Mouth::Grin;
                  bath(p, pose, [&](const Pose &pz) {
                      drawDuck(p, handAt(pz, Side::Right) + QPointF(4, f == 0 ? -6 : -2),
                               f == 0 ? 1.1 : 0.9);
                      drawHand(p, pz, Side::Right);
                      if (f == 1)
                          paint::sparkle(p, {120, 96}, 5, white);
                  });
              }});
    t.append({QStringLiteral("33"), 2, [bath](QPainter &p, int f) {
                  Pose pose;
                  pose.left = arms::hidden();
                  pose.right = arms::hidden();
                  pose.eyes = f == 0 ? Eyes::Happy : Eyes::Open;
                  pose.mouth = f == 0 ? Mouth::Open : Mouth::O;
                  pose.tilt = f == 0 ? -8 : 0;
                  bath(p, pose, [&](const Pose &) {
                      if (f == 0) {
                          paint::note(p, {26, 60}, 10, pink);
                          paint::note(p, {122, 50}, 9, yellow);
                      } else {
                          // blown bubbles float up beside the head
                          drawBubbles(p, {122, 108}, 6);
                          drawBubbles(p, {132, 84}, 4);
                      }
                  });
              }});
    t.append({QStringLiteral("34"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Bathroom, false);
                  Pose pose = standing(Outfit::Pyjamas);
                  pose.hat = Hat::Towel;
                  pose.left = f == 0 ? arms::head(Side::Left) : arms::wave(Side::Left);
                  pose.right = f == 0 ? arms::wave(Side::Right) : arms::head(Side::Right);
                  pose.eyes = f == 0 ? Eyes::Tight : Eyes::Closed;
                  pose.mouth = Mouth::Grin;
                  pose.tilt = f == 0 ? -6 : 6;
                  drawFigure(p, pose);
                  for (QPointF d : {QPointF(22, 50), QPointF(128, 60), QPointF(20, 90)})
                      paint::ellipse(p, d + QPointF(f * 6, f * -6), 2.5, 3.5, water);
              }});
    t.append({QStringLiteral("35"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Bedroom, true);
                  Pose pose = standing(Outfit::Pyjamas);
                  pose.hat = Hat::Nightcap;
                  if (f == 1) {
                      pose.eyes = Eyes::Half;
                      pose.tilt = 14;
                      pose.mouth = Mouth::Chew;
                      pose = withArms(pose, arms::front);
                  } else {
                      pose.eyes = Eyes::Tight;
                      pose.mouth = Mouth::Yawn;
                      pose.right = arms::mouth(Side::Right);
                      pose.tears = true;
                  }
                  drawFigure(p, pose);
                  if (f == 1)
                      paint::zMarks(p, {116, 40}, 2, 7);
              }});
    // ---- presents ----
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
    // ---- baking cookies, ten frames through the stages ----
    t.append({QStringLiteral("49"), 10, [](QPainter &p, int f) {
                  drawRoom(p, Place::Kitchen, false);
                  if (f >= 4 && f <= 7)
                      drawOven(p, {92, 98, 54, 68}, f >= 6);
                  Pose pose = seated(Outfit::Apron);
                  pose.hat = Hat::Kerchief;
                  pose.gaze = {0, 1};
                  if (f < 2) {
                      pose.right = arms::chest(Side::Right);
                      pose.right.hand = {f == 0 ? 10.0 : 22.0, 66};
                      pose.mouth = Mouth::Open;
                  } else if (f < 4) {
                      pose = withArms(pose, arms::table);
                      pose.right.hand = {f == 2 ? 6.0 : 16.0, 78};
                  } else if (f < 6) {
                      pose.at = {50, kSeatY};
                      pose = withArms(pose, arms::reach);
                      pose.right.hand = {f == 4 ? 40.0 : 48.0, 60};
                      pose.left.hand = {f == 4 ? 20.0 : 28.0, 62};
                      pose.gaze = {1, 0};
                      pose.turn = {0.5, 0};
                  } else if (f < 8) {
                      pose.at = {50, kSeatY};
                      pose = withArms(pose, arms::cheek);
                      pose.gaze = {1, 0.5};
                      pose.turn = {0.5, 0};
                      pose.eyes = f == 6 ? Eyes::Open : Eyes::Wide;
                  } else {
                      pose = withArms(pose, arms::chest);
                      pose.gaze = {};
                      pose.eyes = Eyes::Happy;
                      pose.mouth = Mouth::Grin;
                      if (f == 9) {
                          pose.right = arms::mouth(Side::Right);
                          pose.mouth = Mouth::Chew;
                      }
                  }
                  drawFigure(p, pose);
                  drawTable(p, kTableTop, false);
                  if (f < 2) {
                      drawMixingBowl(p, {75, 160}, f == 1);
                      drawHand(p, pose, Side::Right);
                  } else if (f < 4) {
                      paint::ellipse(p, {75, 166}, 40, 8, 0xfff8e8c8);
                      for (int i = 0; i < (f == 2 ? 2 : 4); ++i)
                          paint::star(p, {46.0 + i * 18, 166}, 5, cookie);
                      drawHand(p, pose, Side::Left);
                      drawHand(p, pose, Side::Right);
                  } else if (f < 6) {
                      const QPointF c = (handAt(pose, Side::Left) + handAt(pose, Side::Right)) / 2;
                      drawTray(p, c + QPointF(0, 2), 4, false);
                      drawHand(p, pose, Side::Left);
                      drawHand(p, pose, Side::Right);
                  } else if (f < 8) {
                      if (f == 7)
                          drawSteam(p, {118, 96}, 1);
                  } else {
                      drawTray(p, {75, 160}, 4, true);
                      paint::sparkle(p, {30, 120}, 6, yellow);
                      if (f == 9) {
                          drawCookie(p, handAt(pose, Side::Right) + QPointF(2, -2), 5);
                          drawHand(p, pose, Side::Right);
                      }
                      paint::heart(p, {122, 54}, 6, pink);
                  }
              }});
    // ---- fortune telling with cards ----
    t.append({QStringLiteral("50"), 5, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  Pose pose = seated();
                  pose.gaze = {0, 1};
                  if (f < 2) {
                      pose = withArms(pose, arms::chest);
                      pose.right.hand += QPointF(0, f == 0 ? 0 : -10);
                  } else if (f < 4) {
                      pose.right = arms::table(Side::Right);
                      pose.right.hand = {f == 2 ? 14.0 : 30.0, 78};
                  } else {
                      pose.right = arms::raise(Side::Right);
                      pose.right.hand = {26, 8};
                      pose.gaze = {0.6, -0.6};
                      pose.mouth = Mouth::O;
                      pose.brows = Brows::Raised;
                  }
                  drawFigure(p, pose);
                  drawTable(p, kTableTop, false);
                  paint::rect(p, {20, 156, 110, 20}, purple, true, 3);
                  if (f < 2) {
                      const QPointF c = (handAt(pose, Side::Left) + handAt(pose, Side::Right)) / 2;
                      for (int i = 0; i < 3; ++i)
                          drawCard(p, c + QPointF(-6 + i * 6, f == 0 ? 0 : -i * 4), 1.1, 0,
                                   -10 + i * 10);
                      drawHand(p, pose, Side::Left);
                      drawHand(p, pose, Side::Right);
                  } else {
                      const int shown = f == 2 ? 2 : 3;
                      for (int i = 0; i < shown; ++i)
                          drawCard(p, {48.0 + i * 28, 164}, 0.9, 0, 0);
                      drawHand(p, pose, Side::Right);
                      if (f == 4) {
                          drawCard(p, handAt(pose, Side::Right) + QPointF(0, -12), 1.3, 3, 10);
                          drawHand(p, pose, Side::Right);
                          paint::sparkle(p, {120, 20}, 8, yellow);
                          paint::sparkle(p, {96, 8}, 5, yellow);
                      }
                  }
              }});
    t.append({QStringLiteral("51"), 3, [](QPainter &p, int f) {
                  drawRoom(p, Place::Study, false);
                  Pose pose = standing();
                  pose = withArms(pose, arms::chest);
                  pose.left.hand = {-14, 60};
                  pose.right.hand = {14, 60};
                  pose.brows = Brows::Worried;
                  pose.mouth = f == 0 ? Mouth::Open : Mouth::Wavy;
                  if (f == 2)
                      pose.eyes = Eyes::Closed;
                  drawFigure(p, pose);
                  drawBook(p, {75, 116}, 40, 28, bookBlue, true); // held below the chin
                  drawHand(p, pose, Side::Left);
                  drawHand(p, pose, Side::Right);
                  drawQuestionMark(p, {124, 34}, f == 1 ? 1.3 : 1.0, cyan);
              }});
    t.append({QStringLiteral("52"), 3, [](QPainter &p, int f) {
                  drawRoom(p, Place::Bedroom, true);
                  Pose pose = standing(Outfit::Pyjamas);
                  pose.hat = Hat::Nightcap;
                  pose.left = arms::chest(Side::Left);
                  pose.right = arms::wave(Side::Right);
                  pose.eyes = Eyes::Half;
                  if (f == 1) {
                      pose.right = arms::mouth(Side::Right);
                      pose.mouth = Mouth::Yawn;
                      pose.eyes = Eyes::Tight;
                  }
                  if (f == 2)
                      pose.eyes = Eyes::Closed;
                  drawFigure(p, pose);
                  paint::shaded(p, paint::roundRect({46, 96, 40, 26}, 10), pillow,
                                paint::roundRect({46, 114, 40, 10}, 0), pillowShade);
                  drawHand(p, pose, Side::Left);
                  paint::zMarks(p, {114, 100}, 1, 7);
              }});
    t.append({QStringLiteral("53"), 3, [](QPainter &p, int f) {
                  Pose pose = withArms(Pose(), arms::chest);
                  pose.hat = Hat::Nightcap;
                  pose.left.hand = {-18, 66};
                  pose.right.hand = {18, 66};
                  pose.gaze = {0, 1};
                  if (f == 1)
                      pose.eyes = Eyes::Closed;
                  if (f == 2) {
                      pose.eyes = Eyes::Tight;
                      pose.mouth = Mouth::Yawn;
                      pose.gaze = {};
                  }
                  sittingUp(p, true, pose);
                  Pose placed = pose;
                  placed.at = {75, 88};
                  readingBook(p, placed, bookGreen);
                  drawLamp(p, {132, 170}, true);
              }});
    // ---- visitors ----
    t.append({QStringLiteral("60"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  Pose rowel = visitor(rowelLook(), {30, 88}, 0.62, Outfit::Racing);
                  rowel.right = arms::wave(Side::Right);
                  rowel.mouth = Mouth::Open;
                  Pose fen = visitor(fenLook(), {120, 86}, 0.62, Outfit::Racing);
                  fen.left = arms::wave(Side::Left);
                  fen.eyes = Eyes::Wink;
                  fen.mouth = Mouth::Grin;
                  drawFigure(p, rowel);
                  drawFigure(p, fen);
                  Pose pet = small(standing(), {75, 110}, 0.68);
                  if (f == 1) {
                      pet = withArms(pet, arms::raise);
                      pet.at = {75, 100};
                      pet.eyes = Eyes::Happy;
                      pet.mouth = Mouth::Grin;
                  } else {
                      pet.eyes = Eyes::Wide;
                      pet.mouth = Mouth::O;
                  }
                  drawFigure(p, pet);
                  if (f == 1)
                      paint::sparkle(p, {75, 28}, 7, yellow);
              }});
    t.append({QStringLiteral("61"), 6, [](QPainter &p, int f) {
                  if (f < 3) {
                      drawRoom(p, Place::Living, false);
                      Pose rowel = visitor(rowelLook(), {30, 88}, 0.62, Outfit::Racing);
                      Pose fen = visitor(fenLook(), {120, 86}, 0.62, Outfit::Racing);
                      Pose pet = small(standing(), {75, 110}, 0.68);
                      if (f == 0) {
                          rowel.eyes = fen.eyes = pet.eyes = Eyes::Happy;
                          rowel.mouth = fen.mouth = pet.mouth = Mouth::Grin;
                      } else if (f == 1) {
                          pet.mouth = Mouth::Open;
                          pet.right = arms::wave(Side::Right);
                          rowel.gaze = fen.gaze = {0, 0.5};
                      } else {
                          fen.mouth = Mouth::Open;
                          fen.left = arms::point(Side::Left, -1, 0);
                          pet.gaze = {1, 0};
                          rowel.gaze = {1, 0};
                      }
                      drawFigure(p, rowel);
                      drawFigure(p, fen);
                      drawFigure(p, pet);
                      return;
                  }
                  // tea and cake with the team-mates
                  drawRoom(p, Place::Kitchen, false);
                  Pose rowel = visitor(rowelLook(), {28, 108}, 0.6, Outfit::Racing);
                  Pose fen = visitor(fenLook(), {122, 106}, 0.6, Outfit::Racing);
                  Pose pet = small(seated(), {75, 100}, 0.66);
                  rowel.legs = fen.legs = Legs::Hidden;
                  if (f == 3) {
                      pet.right = arms::mouth(Side::Right);
                      pet.mouth = Mouth::Chew;
                  } else if (f == 5) {
                      pet.eyes = rowel.eyes = Eyes::Happy;
                      pet.mouth = rowel.mouth = Mouth::Grin;
                  } else {
                      fen.mouth = Mouth::Open;
                  }
                  drawFigure(p, rowel);
                  drawFigure(p, fen);
                  drawFigure(p, pet);
                  drawTable(p, 160, true);
                  drawCake(p, {75, 172});
                  drawCup(p, {30, 170}, white);
                  drawCup(p, {120, 170}, white);
              }});
    // ---- the race ----
    t.append({QStringLiteral("62"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Track, false);
                  drawFlag(p, {20, 170}, 1.2, f == 1);
                  Pose pose = standing(Outfit::Racing);
                  pose.hat = Hat::Cap;
                  if (f == 0) {
                      pose.right = arms::raise(Side::Right);
                      pose.mouth = Mouth::Grin;
                      pose.brows = Brows::Angry;
                  } else {
                      pose = withArms(pose, arms::chest);
                      pose.left.hand = {-12, 48};
                      pose.right.hand = {12, 48};
                      pose.gaze = {0, 1};
                  }
                  drawFigure(p, pose);
                  if (f == 1) {
                      drawCar(p, {75, 106}, 1.0, bookBlue);
                      drawHand(p, pose, Side::Left);
                      drawHand(p, pose, Side::Right);
                  }
              }});
    t.append({QStringLiteral("63"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Track, false);
                  Pose pose = standing(Outfit::Racing);
                  pose.hat = Hat::Cap;
                  pose.at = {100, 64};
                  pose.scale = 0.9;
                  if (f == 0) {
                      pose = kneeling(Outfit::Racing);
                      pose.hat = Hat::Cap;
                      pose.at = {100, 96};
                      pose.scale = 0.9;
                      pose.left = arms::front(Side::Left);
                      pose.gaze = {-1, 1};
                      pose.brows = Brows::Angry;
                      pose.mouth = Mouth::Flat;
                      drawFigure(p, pose);
                      drawCarTop(p, {60, 196}, 1.0, bookBlue);
                      drawHand(p, pose, Side::Left);
                      return;
                  }
                  pose = withArms(pose, arms::raise);
                  pose.mouth = Mouth::Grin;
                  pose.gaze = {-1, 0.5};
                  drawFigure(p, pose);
                  paint::text(p, {0, 8, 70, 30}, QStringLiteral("GO!"), red, 22);
              }});
    t.append({QStringLiteral("64"), 4, [](QPainter &p, int f) {
                  drawRoom(p, Place::Track, false);
                  Pose pose = standing(Outfit::Racing);
                  pose.hat = Hat::Cap;
                  pose.at = {96, 60 + (f == 2 ? -6.0 : 0.0)};
                  pose.gaze = {-1, 1};
                  switch (f) {
                  case 0:
                      pose = withArms(pose, arms::raise);
                      pose.mouth = Mouth::Open;
                      break;
                  case 1:
                      pose.right = arms::point(Side::Right, -1, 1);
                      pose.right = arms::mirrored(pose.right);
                      pose.left = arms::point(Side::Left, -1, 1);
                      pose.mouth = Mouth::Grin;
                      pose.tilt = -10;
                      break;
                  case 2:
                      pose.legs = Legs::Walk;
                      pose = withArms(pose, arms::wave);
                      pose.eyes = Eyes::Tight;
                      pose.mouth = Mouth::Grin;
                      break;
                  default:
                      pose.left = arms::hip(Side::Left);
                      pose.right = arms::raise(Side::Right);
                      pose.mouth = Mouth::Open;
                      pose.brows = Brows::Angry;
                      break;
                  }
                  drawFigure(p, pose);
                  paint::line(p, {14, 150 + f * 2.0}, {34, 150 + f * 2.0}, white, 2);
              }});
    t.append({QStringLiteral("65"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Track, false);
                  Pose pose = standing(Outfit::Racing);
                  pose.hat = Hat::Cap;
                  // the trophy held up high beside the head, the other arm cheering
                  pose.at = {66, 82};
                  pose.right = arms::raise(Side::Right);
                  pose.right.elbow = {40, 34};
                  pose.right.hand = {54, 10};
                  pose.left = f == 0 ? arms::raise(Side::Left) : arms::hip(Side::Left);
                  pose.eyes = f == 0 ? Eyes::Happy : Eyes::Wink;
                  pose.mouth = Mouth::Grin;
                  pose.gaze = {0.6, -0.4};
                  drawFigure(p, pose);
                  drawTrophy(p, handAt(pose, Side::Right) + QPointF(0, -24), 1.1);
                  drawHand(p, pose, Side::Right);
                  const QRgb confetti[] = {red, yellow, cyan, pink, green};
                  for (int i = 0; i < 10; ++i) {
                      const double x = 8 + ((i * 37 + f * 13) % 134);
                      const double y = 10 + ((i * 23 + f * 29) % 60);
                      p.fillRect(QRectF(x, y, 5, 3), colours::c(confetti[i % 5]));
                  }
              }});
    // ---- ガルド's visit ----
    t.append({QStringLiteral("66"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  paint::rect(p, {6, 14, 52, 152}, woodLight, true, 2); // the door
                  paint::ellipse(p, {50, 96}, 3, 3, yellow);
                  Pose gardo = visitor(gardoLook(), {36, 78}, 0.8, Outfit::Jacket);
                  gardo.mouth = Mouth::Flat;
                  gardo.right = arms::hip(Side::Right);
                  gardo.left = arms::wave(Side::Left);
                  drawFigure(p, gardo);
                  Pose pet = small(standing(), {108, 90}, 0.78);
                  pet.gaze = {-1, 0};
                  pet.turn = {-0.4, 0};
                  if (f == 0) {
                      pet.mouth = Mouth::Open;
                      pet.right = arms::wave(Side::Right);
                  } else {
                      pet.at = {108, 80};
                      pet = withArms(pet, arms::raise);
                      pet.eyes = Eyes::Wide;
                      pet.mouth = Mouth::Grin;
                  }
                  drawFigure(p, pet);
                  if (f == 1)
                      paint::sparkle(p, {130, 20}, 7, yellow);
              }});
    t.append({QStringLiteral("67"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  drawSofa(p, 110);
                  Pose gardo = visitor(gardoLook(), {52, 78}, 0.82, Outfit::Jacket);
                  gardo.legs = Legs::Kneel;
                  gardo.gaze = {1, 1};
                  gardo.mouth = f == 0 ? Mouth::Flat : Mouth::Wavy;
                  gardo.sweat = f == 1;
                  gardo.blush = f == 1;
                  Pose pet = small(standing(), {100, 100}, 0.72);
                  pet.legs = Legs::Kneel;
                  pet.tilt = -28;
                  pet.eyes = Eyes::Sleep;
                  pet.mouth = f == 0 ? Mouth::Smile : Mouth::O;
                  pet = withArms(pet, arms::front);
                  drawFigure(p, gardo);
                  drawFigure(p, pet);
                  paint::zMarks(p, {116, 50 - f * 6.0}, f + 1, 7);
              }});
    t.append({QStringLiteral("68"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Living, false);
                  Pose gardo = visitor(gardoLook(), {40, 72}, 0.84, Outfit::Jacket);
                  gardo.mouth = f == 0 ? Mouth::Frown : Mouth::Wavy;
                  gardo.sweat = true;
                  gardo.blush = f == 1;
                  gardo.left = arms::cheek(Side::Left);
                  gardo.gaze = {1, 0};
                  drawFigure(p, gardo);
                  // the doll is held at the chest, then hugged cheek to cheek: his face and
                  // the pet's delight stay in sight
                  Pose pet = small(standing(), {108, 92}, 0.74);
                  pet.mouth = Mouth::Grin;
                  QPointF doll;
                  if (f == 0) {
                      pet = withArms(pet, arms::chest);
                      pet.left.hand = {-10, 70};
                      pet.right.hand = {10, 70};
                      pet.gaze = {-1, 0};
                      doll = {108, 130};
                  } else {
                      pet.tilt = 12;
                      pet.eyes = Eyes::Happy;
                      pet.left = arms::chest(Side::Left);
                      pet.left.hand = {14, 54};
                      pet.right = arms::wave(Side::Right);
                      pet.right.hand = {36, 40};
                      doll = {136, 104};
                  }
                  drawFigure(p, pet);
                  drawDoll(p, doll, 0.26);
                  drawHand(p, pet, Side::Left);
                  drawHand(p, pet, Side::Right);
                  if (f == 1)
                      paint::heart(p, {96, 30}, 6, pink);
              }});
    t.append({QStringLiteral("69"), 2, [](QPainter &p, int f) {
                  drawRoom(p, Place::Garden, false);
                  Pose gardo = visitor(gardoLook(), {44, 70}, 0.84, Outfit::Jacket);
                  gardo.legs = Legs::Walk;
                  gardo.gaze = {1, 0.3};
                  gardo.mouth = Mouth::Flat;
                  drawFigure(p, gardo);
                  Pose pet = small(standing(), {108, 92}, 0.74);
                  pet.legs = Legs::Walk;
                  if (f == 0) {
                      pet.left = arms::reach(Side::Left);
                      pet.mouth = Mouth::Open;
                      pet.gaze = {-1, -0.4};
                  } else {
                      pet.right = arms::point(Side::Right, 1, -1);
                      pet.gaze = {1, -1};
                      pet.mouth = Mouth::Grin;
                  }
                  drawFigure(p, pet);
                  if (f == 1)
                      paint::note(p, {134, 30}, 9, pink);
              }});
    // ---- festivals ----
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
    return t;
}

} // namespace

const QList<Strip> &strips()
{
    static const QList<Strip> table = buildStrips();
    return table;
}

QImage renderStrip(const Strip &strip)
{
    QImage image(kFrameWidth * strip.frames, kFrameHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
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
