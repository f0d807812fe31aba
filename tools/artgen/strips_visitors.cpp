// Visitors: the two team-mates, the mini 4WD race with them, and ガルド.
#include "stripgroups.h"

#include "colours.h"
#include "figure.h"
#include "paint.h"
#include "scenery.h"

using namespace colours;

namespace {

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

} // namespace

void addVisitorStrips(QList<Strip> &t)
{
    // ---- visitors ----
    // "60": the visitors arrive
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
    // "61": the visit of the two team-mates
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
    // "62": getting ready to race
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
    // "63": the start of the race
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
    // "64": the race
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
    // "65": showing the trophy
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
    // "66": ガルド arrives
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
    // "67": ガルド's visit
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
    // "68": ガルド's visit
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
    // "69": ガルド's visit
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
}
