// Studying, reading and music, and asking the user a study question.
#include "stripgroups.h"

#include "colours.h"
#include "figure.h"
#include "paint.h"
#include "scenery.h"

using namespace colours;

void addPastimeStrips(QList<Strip> &t)
{
    // ---- studying ----
    // "26": studying, with a question for the user
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
    // "27": reading
    t.append({QStringLiteral("27"), 6, [reading](QPainter &p, int f) {
                  reading(p, f, Place::Living, bookRed);
              }});
    // "28": reading
    t.append({QStringLiteral("28"), 6, [reading](QPainter &p, int f) {
                  reading(p, f, Place::Study, bookGreen);
              }});
    // ---- music with headphones: posture A sitting (f0, f2), B standing and swaying (f1, f3)
    // "29": listening to music
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
    // "30": listening to music
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
}

void addQuestionStrips(QList<Strip> &t)
{
    // ---- asking a question ----
    // "51": asking the user a study question
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
}
