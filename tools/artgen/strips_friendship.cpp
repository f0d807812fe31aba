// What a close friendship brings: baking cookies and telling fortunes.
#include "stripgroups.h"

#include "colours.h"
#include "figure.h"
#include "paint.h"
#include "scenery.h"

using namespace colours;

void addFriendshipStrips(QList<Strip> &t)
{
    // ---- baking cookies, ten frames through the stages ----
    // "49": baking cookies, through the stages to the cookies done
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
    // "50": fortune telling with cards, to the fortune told
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
}
