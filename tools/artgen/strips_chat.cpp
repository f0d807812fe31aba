// The pet chatting, from high friendship to low; the same strips serve the questions, the
// replies to answers, the first meeting and the user leaving and coming back.
#include "stripgroups.h"

#include "colours.h"
#include "figure.h"
#include "paint.h"
#include "scenery.h"

using namespace colours;

void addChatStrips(QList<Strip> &t)
{
    // ---- chatting ----
    // "1": chatting at high friendship; also glad about a right answer
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
    // "2": chatting at high friendship; also asking about music, and welcoming the user back
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
    // "3": chatting at middle friendship; also asking about a book or what to play
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
    // "4": chatting at middle friendship; also the first meeting and seeing the user off
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
    // "5": chatting at low friendship; also sorry about a wrong answer
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
    // "6": chatting at low friendship
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
}
