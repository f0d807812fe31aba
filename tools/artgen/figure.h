// The characters, drawn from parts: a pose says where the head sits, how it tilts, what the face
// shows, what the arms do and what the character wears; drawFigure puts the parts together. The
// pet ピモ and the visitors share every part and differ only in their Look.
#pragma once

#include <QPainter>
#include <QPointF>

enum class Side { Left, Right }; // as the viewer sees it

enum class Eyes {
    Open,   // big eyes with highlights
    Closed, // a blink: lids down, a soft curve
    Sleep,  // asleep: curved lids with lashes
    Happy,  // ^ ^ smiling eyes
    Half,   // drowsy or doubtful, upper lid half down
    Wide,   // surprised
    Wink,   // left open, right happy
    Sad,    // open with drooping lids
    Blunt,  // flat lids over the top: a blunt, unimpressed look
    Tight,  // > < squeezed shut
};
enum class Mouth { Smile, Open, Grin, Flat, O, Frown, Chew, Wavy, Tongue, Yawn };
enum class Brows { None, Worried, Angry, Raised };
enum class Outfit { Day, Pyjamas, Apron, Kimono, Bath, Racing, Jacket };
enum class Legs { Stand, Hidden, Kneel, Walk };
enum class Hat { None, Bun, Towel, Santa, Kabuto, Headphones, Kerchief, Nightcap, Cap };
enum class HairStyle { Long, Short, Spiky };

struct Look {
    QRgb hair, hairShade, hairLight;
    QRgb iris, irisShade;
    HairStyle style;
    Eyes usualEyes; // what Eyes::Open means for this character
};
Look pimoLook();
Look gardoLook(); // ガルド: Italian, dark short hair, blunt look
Look rowelLook(); // ロウェル
Look fenLook();   // フェン

// An arm runs from the shoulder through the elbow to the hand; points are in head units (the
// head's centre is the origin, the pet is about 148 units from head centre to the soles).
struct Arm {
    QPointF elbow, hand;
    bool hidden = false;
    bool finger = false; // a pointing finger
};
namespace arms {
Arm down(Side s);
Arm wave(Side s);    // raised beside the head
Arm raise(Side s);   // straight up, cheering
Arm chest(Side s);   // hand in front of the chest, holding something
Arm mouth(Side s);   // hand at the mouth: eating, yawning
Arm table(Side s);   // forearm resting on a table in front
Arm hip(Side s);
Arm reach(Side s);   // stretched out sideways
Arm cheek(Side s);   // hand at the cheek: thinking
Arm head(Side s);    // hand on top of the head
Arm front(Side s);   // both hands low in front
Arm point(Side s, int dx, int dy); // pointing: dx, dy in -1..1
Arm hidden();
Arm mirrored(const Arm &a);
} // namespace arms

struct Pose {
    QPointF at{75, 64}; // where the head's centre lies in the picture
    double scale = 1.0;
    double tilt = 0;    // head tilt in degrees, clockwise
    QPointF turn{0, 0}; // head turned: face features shift by up to ±1 of the way
    Look look = pimoLook();
    Outfit outfit = Outfit::Day;
    Legs legs = Legs::Stand;
    Hat hat = Hat::None;
    Eyes eyes = Eyes::Open;
    QPointF gaze{0, 0}; // -1..1: where the pupils look
    Mouth mouth = Mouth::Smile;
    Brows brows = Brows::None;
    bool blush = true;
    bool sweat = false;
    bool tears = false;
    bool back = false;  // seen from behind: hair instead of a face
    Arm left = arms::down(Side::Left);
    Arm right = arms::down(Side::Right);
};

void drawFigure(QPainter &p, const Pose &pose);
// Lying on the front along the floor, propped on the elbows: the head faces the viewer, the body
// and the legs run to the viewer's left along the floor and the lower legs rise from the knees by
// the given angles in degrees (0 flat on the floor, 90 straight up). pose.at is the head's centre;
// the hands rest where pose.left and pose.right put them, in front of the chin (left is the one
// on the viewer's left). Day clothes.
void drawLying(QPainter &p, const Pose &pose, double nearLift, double farLift);
// Only the head (for portraits, icons and faces peeking out of blankets).
void drawHead(QPainter &p, const Pose &pose);
// Where a hand ends up in picture coordinates, to put a held thing there.
QPointF handAt(const Pose &pose, Side side);
// Draws a hand again over a held thing so the fingers hold it.
void drawHand(QPainter &p, const Pose &pose, Side side);
