// The night: asleep in bed, waking up, and at bedtime saying good night and reading in bed.
#include "stripgroups.h"

#include "colours.h"
#include "figure.h"
#include "paint.h"
#include "scenery.h"

using namespace colours;

namespace {

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

} // namespace

void addSleepStrips(QList<Strip> &t)
{
    // ---- asleep ----
    // "7": asleep on the back
    t.append({QStringLiteral("7"), 3, [](QPainter &p, int f) { sleepScene(p, f, {}); }});
    // "8": asleep with a hand out on the blanket
    t.append({QStringLiteral("8"), 3, [](QPainter &p, int f) {
                  Sleeper s;
                  s.tilt = 18;
                  s.handOut = true;
                  sleepScene(p, f, s);
              }});
    // "9": asleep sprawled over the pillow (friendship 60 and more)
    t.append({QStringLiteral("9"), 3, [](QPainter &p, int f) {
                  Sleeper s;
                  s.tilt = -20;
                  s.sprawled = true;
                  sleepScene(p, f, s);
              }});
    // "10": asleep hugging the doll (with the doll)
    t.append({QStringLiteral("10"), 3, [](QPainter &p, int f) {
                  Sleeper s;
                  s.tilt = 14;
                  s.doll = true;
                  sleepScene(p, f, s);
              }});
    // ---- waking ----
    // "11": waking up
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
    // "12": waking up drowsy, rubbing the eyes (friendship 39 and less); also woken at night
    //       and dropping off again
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
    // "13": up on its feet, stretching
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
}

void addBedtimeStrips(QList<Strip> &t)
{
    // ---- bedtime ----
    // "52": saying good night
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
    // "53": reading in bed
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
}
