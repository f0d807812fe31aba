// The bath, drying the hair after it, and sleepy on the way to bed.
#include "stripgroups.h"

#include "colours.h"
#include "figure.h"
#include "paint.h"
#include "scenery.h"

#include <functional>

using namespace colours;

void addBathStrips(QList<Strip> &t)
{
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
    // "31": in the bath
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
    // "32": in the bath
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
    // "33": in the bath
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
    // "34": drying the hair after the bath
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
    // "35": sleepy, going to bed
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
}
