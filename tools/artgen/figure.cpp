#include "figure.h"

#include "colours.h"
#include "paint.h"

#include <QtMath>

using namespace colours;

namespace {

constexpr QPointF kNeck{0, 36};
constexpr double kShoulderX = 17, kShoulderY = 44;

QPointF shoulder(Side s)
{
    return {s == Side::Left ? -kShoulderX : kShoulderX, kShoulderY};
}

QPointF mirror(QPointF p)
{
    return {-p.x(), p.y()};
}

Arm sided(Side s, QPointF elbow, QPointF hand)
{
    Arm a{elbow, hand};
    return s == Side::Left ? a : arms::mirrored(a);
}

struct Clothes {
    QRgb main, shade; // torso
    QRgb bottom, bottomShade;
    QRgb sleeve;      // upper arm
    bool longSleeves;
    double sleeveWidth;
};

Clothes clothesOf(const Pose &pose)
{
    switch (pose.outfit) {
    case Outfit::Pyjamas:
        return {pyjama, pyjamaShade, pyjama, pyjamaShade, pyjama, true, 10};
    case Outfit::Kimono:
        return {kimono, kimonoShade, kimono, kimonoShade, kimono, true, 13};
    case Outfit::Bath:
        return {skin, skinShade, skin, skinShade, skin, true, 9};
    case Outfit::Racing:
        return {racing, racingShade, shorts, shortsShade, racing, true, 10};
    case Outfit::Jacket:
        return {jacket, jacketShade, shortsShade, black, jacket, true, 10};
    case Outfit::Day:
    case Outfit::Apron:
        break;
    }
    return {top, topShade, shorts, shortsShade, top, false, 11};
}

QPainterPath torsoPath(double hem)
{
    QPainterPath t;
    t.moveTo(-13, 37);
    t.quadTo(-20, 39, -21, 48);
    t.lineTo(-24, hem);
    t.quadTo(0, hem + 4, 24, hem);
    t.lineTo(21, 48);
    t.quadTo(20, 39, 13, 37);
    t.closeSubpath();
    return t;
}

// The top of long trousers; the legs below are drawn as limbs.
QPainterPath trousersPath()
{
    return paint::polyPath(
        QPolygonF{{-24, 84}, {24, 84}, {25, 104}, {3, 104}, {0, 98}, {-3, 104}, {-25, 104}});
}

QPainterPath rightShade(double from, double to)
{
    return paint::polyPath(QPolygonF{{12, from}, {40, from}, {40, to}, {15, to}});
}

void smallFlower(QPainter &p, QPointF c, double r, QRgb petal)
{
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * M_PI / 5;
        paint::ellipse(p, c + QPointF(std::cos(a), std::sin(a)) * r, r * 0.7, r * 0.7, petal,
                       false);
    }
    paint::ellipse(p, c, r * 0.5, r * 0.5, yellow, false);
}

void drawLegs(QPainter &p, const Pose &pose, const Clothes &c)
{
    const bool longTrousers = pose.outfit == Outfit::Pyjamas || pose.outfit == Outfit::Racing
                              || pose.outfit == Outfit::Jacket;
    if (pose.legs == Legs::Kneel) {
        // Sitting on the floor: knees and shins folded under, seen from the front.
        const QRgb k = longTrousers ? c.bottom : skin;
        paint::ellipse(p, {-13, 104}, 15, 10, k);
        paint::ellipse(p, {13, 104}, 15, 10, k);
        return;
    }
    const bool walk = pose.legs == Legs::Walk;
    const QPointF hipL{-9, 100}, hipR{9, 100};
    const QPointF footL = walk ? QPointF(-17, 134) : QPointF(-10, 134);
    const QPointF footR = walk ? QPointF(13, 130) : QPointF(10, 134);
    for (auto [hip, foot] : {std::pair{hipL, footL}, std::pair{hipR, footR}}) {
        if (longTrousers) {
            paint::stroke(p, {hip, foot}, 11, c.bottom);
        } else if (pose.outfit == Outfit::Kimono) {
            // the kimono reaches the ankles; only the sandals show
        } else {
            paint::stroke(p, {hip, foot}, 9, skin);
            paint::stroke(p, {hip + (foot - hip) * 0.62, foot}, 10, sock);
        }
    }
    const QRgb shoeColour = pose.outfit == Outfit::Pyjamas ? skin
                            : pose.outfit == Outfit::Jacket ? black
                            : pose.outfit == Outfit::Kimono ? wood
                                                            : shoe;
    paint::ellipse(p, footL + QPointF(-1, 5), 9, 5.5, shoeColour);
    paint::ellipse(p, footR + QPointF(1, 5), 9, 5.5, shoeColour);
}

// The day clothes' round white collar and yellow bow.
void drawCollar(QPainter &p)
{
    paint::ellipse(p, {-6, 41}, 8, 5, white);
    paint::ellipse(p, {6, 41}, 8, 5, white);
    paint::polygon(p, QPolygonF{{0, 47}, {-7, 43}, {-7, 52}}, yellow);
    paint::polygon(p, QPolygonF{{0, 47}, {7, 43}, {7, 52}}, yellow);
    paint::ellipse(p, {0, 47}, 2.5, 2.5, yellowShade);
}

void drawTorso(QPainter &p, const Pose &pose, const Clothes &c)
{
    // Neck first; the head covers its top.
    paint::shaded(p, paint::roundRect({-6, 26, 12, 16}, 3), skin,
                  paint::ellipsePath({0, 30}, 9, 6), skinShade);
    switch (pose.outfit) {
    case Outfit::Day:
    case Outfit::Apron: {
        QPainterPath shorts = paint::polyPath(
            QPolygonF{{-24, 85}, {24, 85}, {25, 106}, {3, 106}, {0, 98}, {-3, 106}, {-25, 106}});
        paint::shaded(p, shorts, c.bottom, rightShade(80, 110), c.bottomShade);
        paint::shaded(p, torsoPath(88), c.main, rightShade(30, 100), c.shade);
        drawCollar(p);
        if (pose.outfit == Outfit::Apron) {
            QPainterPath bib = paint::polyPath(QPolygonF{
                {-12, 52}, {12, 52}, {15, 80}, {23, 102}, {-23, 102}, {-15, 80}});
            paint::shaded(p, bib, apron, rightShade(40, 110), apronShade);
            paint::line(p, {-12, 52}, {-15, 40}, apronTrim, 3);
            paint::line(p, {12, 52}, {15, 40}, apronTrim, 3);
            paint::rect(p, {-8, 84, 16, 10}, apron, true, 2);
            paint::heart(p, {0, 67}, 4, apronTrim);
        }
        break;
    }
    case Outfit::Pyjamas: {
        const QPainterPath trousers = trousersPath();
        paint::shaded(p, trousers, c.bottom, rightShade(80, 110), c.bottomShade);
        paint::shaded(p, torsoPath(90), c.main, rightShade(30, 100), c.shade);
        for (QPointF d : {QPointF(-14, 56), QPointF(12, 62), QPointF(-8, 78), QPointF(15, 84),
                          QPointF(-18, 88), QPointF(6, 96)})
            paint::ellipse(p, d, 2.2, 2.2, pyjamaDot, false);
        paint::polygon(p, QPolygonF{{-12, 38}, {0, 48}, {12, 38}, {8, 36}, {0, 42}, {-8, 36}},
                       white);
        for (double y : {56.0, 68.0, 80.0})
            paint::ellipse(p, {0, y}, 1.8, 1.8, white);
        break;
    }
    case Outfit::Kimono: {
        QPainterPath robe;
        robe.moveTo(-13, 37);
        robe.quadTo(-20, 39, -21, 48);
        robe.lineTo(-27, 138);
        robe.quadTo(0, 142, 27, 138);
        robe.lineTo(21, 48);
        robe.quadTo(20, 39, 13, 37);
        robe.closeSubpath();
        paint::shaded(p, robe, c.main, rightShade(30, 150), c.shade);
        p.save();
        p.setClipPath(robe);
        for (QPointF d : {QPointF(-14, 96), QPointF(10, 108), QPointF(-6, 126),
                          QPointF(18, 128), QPointF(-18, 56)})
            smallFlower(p, d, 3, pink);
        p.restore();
        paint::polygon(p, QPolygonF{{-10, 37}, {2, 66}, {10, 37}, {6, 37}, {1, 56}, {-6, 37}},
                       white);
        paint::rect(p, {-23, 64, 46, 15}, obi, true);
        paint::line(p, {-22, 72}, {22, 72}, obiShade, 2);
        paint::ellipse(p, {0, 72}, 4, 3, pink);
        break;
    }
    case Outfit::Bath:
        paint::shaded(p, torsoPath(96), skin, rightShade(30, 110), skinShade);
        break;
    case Outfit::Racing: {
        const QPainterPath trousers = trousersPath();
        paint::shaded(p, trousers, c.bottom, rightShade(80, 110), c.bottomShade);
        paint::shaded(p, torsoPath(90), c.main, rightShade(30, 100), c.shade);
        p.save();
        p.setClipPath(torsoPath(90));
        paint::rect(p, {-23, 58, 46, 8}, racingStripe, false);
        paint::rect(p, {-23, 66, 46, 3}, red, false);
        p.restore();
        paint::line(p, {0, 40}, {0, 90}, outline, 1.5);
        paint::rect(p, {-9, 34, 18, 7}, racingStripe, true, 2);
        break;
    }
    case Outfit::Jacket: {
        const QPainterPath trousers = trousersPath();
        paint::fill(p, trousers, c.bottom);
        paint::shaded(p, torsoPath(90), c.main, rightShade(30, 100), c.shade);
        paint::polygon(p, QPolygonF{{-8, 37}, {8, 37}, {3, 88}, {-3, 88}}, white);
        paint::polygon(p, QPolygonF{{-8, 37}, {-14, 40}, {-4, 60}}, jacketShade);
        paint::polygon(p, QPolygonF{{8, 37}, {14, 40}, {4, 60}}, jacketShade);
        break;
    }
    }
}

void drawArm(QPainter &p, Side side, const Arm &arm, const Clothes &c)
{
    if (arm.hidden)
        return;
    const QPointF s = shoulder(side);
    if (c.longSleeves) {
        paint::stroke(p, {s, arm.elbow, arm.hand}, c.sleeveWidth, c.sleeve);
    } else {
        paint::stroke(p, {s, arm.elbow, arm.hand}, 9, skin);
        paint::stroke(p, {s, s + (arm.elbow - s) * 0.7}, c.sleeveWidth, c.sleeve);
    }
    paint::ellipse(p, arm.hand, 5.5, 5.5, skin);
    if (arm.finger) {
        const QPointF d = arm.hand - arm.elbow;
        const double len = std::hypot(d.x(), d.y());
        if (len > 0)
            paint::stroke(p, {arm.hand, arm.hand + d / len * 9}, 3, skin);
    }
}

// ----- the head -----

struct HairShape {
    QPainterPath back;  // behind the head and body
    QPainterPath cap;   // over the forehead, with the fringe and side locks
};

HairShape hairShape(HairStyle style, bool bun)
{
    HairShape h;
    const double lock = style == HairStyle::Long ? 40 : 14;
    if (style == HairStyle::Long && !bun) {
        QPainterPath lower;
        lower.moveTo(-40, -6);
        lower.quadTo(-48, 40, -45, 96);
        const double wave[][2] = {{-34, 90}, {-24, 98}, {-12, 92}, {0, 98},
                                  {12, 92},  {24, 98},  {34, 90},  {45, 96}};
        QPointF prev(-45, 96);
        for (auto w : wave) {
            const QPointF next(w[0], w[1]);
            lower.quadTo((prev + next) / 2 + QPointF(0, 4), next);
            prev = next;
        }
        lower.quadTo(48, 40, 40, -6);
        lower.closeSubpath();
        h.back = lower.united(paint::ellipsePath({0, -4}, 43, 40));
    } else {
        h.back = paint::ellipsePath({0, -4}, 42, 40);
    }
    QPainterPath cap;
    cap.moveTo(-41, lock);
    cap.quadTo(-47, 0, -40, -18);
    if (style == HairStyle::Spiky) {
        const double spikes[][2] = {{-42, -34}, {-30, -36}, {-30, -52}, {-14, -44}, {-4, -60},
                                    {6, -45},   {22, -54},  {24, -38},  {40, -36}};
        for (auto s : spikes)
            cap.lineTo(s[0], s[1]);
        cap.lineTo(40, -18);
    } else {
        cap.cubicTo(-36, -48, 36, -48, 40, -18);
    }
    cap.quadTo(47, 0, 41, lock);
    cap.lineTo(36, lock - 4);
    cap.quadTo(34, 10, 31, -2);
    const double fringe[][2] = {{27, -12}, {22, -1}, {15, -13}, {8, -2}, {1, -14},
                                {-6, -2},  {-13, -13}, {-20, -1}, {-26, -11}, {-31, -2}};
    QPointF prev(31, -2);
    for (auto f : fringe) {
        const QPointF next(f[0], f[1]);
        const bool tip = next.y() > prev.y();
        const QPointF ctrl = (prev + next) / 2 + QPointF(tip ? 2.5 : -2.5, tip ? -3 : 1);
        cap.quadTo(ctrl, next);
        prev = next;
    }
    cap.quadTo(-34, 10, -36, lock - 4);
    cap.closeSubpath();
    h.cap = cap;
    return h;
}

void drawEye(QPainter &p, QPointF c, bool leftEye, Eyes e, QPointF gaze, const Look &look)
{
    const double out = leftEye ? -1 : 1; // towards the outer corner
    QPen lash(colours::c(outline), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QPen thin(colours::c(outline), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.save();
    p.setBrush(Qt::NoBrush);
    switch (e) {
    case Eyes::Closed: {
        QPainterPath l(c + QPointF(-8, 1));
        l.quadTo(c + QPointF(0, 7), c + QPointF(8, 1));
        p.setPen(lash);
        p.drawPath(l);
        p.drawLine(c + QPointF(8 * out, 1), c + QPointF(11 * out, -1));
        break;
    }
    case Eyes::Sleep: {
        QPainterPath l(c + QPointF(-8, 2));
        l.quadTo(c + QPointF(0, 8), c + QPointF(8, 2));
        p.setPen(lash);
        p.drawPath(l);
        p.setPen(thin);
        p.drawLine(c + QPointF(-3, 5.5), c + QPointF(-4, 8.5));
        p.drawLine(c + QPointF(3, 5.5), c + QPointF(4, 8.5));
        break;
    }
    case Eyes::Happy: {
        QPainterPath l(c + QPointF(-8, 4));
        l.quadTo(c + QPointF(0, -9), c + QPointF(8, 4));
        p.setPen(lash);
        p.drawPath(l);
        break;
    }
    case Eyes::Tight: {
        QPainterPath l(c + QPointF(-7 * out, -5));
        l.lineTo(c + QPointF(6 * out, 1));
        l.lineTo(c + QPointF(-7 * out, 6));
        p.setPen(lash);
        p.drawPath(l);
        break;
    }
    default: {
        const bool wide = e == Eyes::Wide;
        const double rx = wide ? 7.5 : 7, ry = wide ? 10.5 : 9.5;
        const QPointF ic = c + gaze * 1.5;
        QPainterPath irisPath = paint::ellipsePath(ic, rx, ry);
        p.save();
        if (e == Eyes::Half || e == Eyes::Blunt) {
            const double lid = e == Eyes::Half ? -1 : -3;
            p.setClipRect(QRectF(c.x() - 12, c.y() + lid, 24, 20));
        }
        paint::fill(p, irisPath, look.iris, false);
        p.save();
        p.setClipPath(irisPath, Qt::IntersectClip);
        paint::ellipse(p, ic + QPointF(0, -7), 9, 6, look.irisShade, false);
        p.restore();
        const QPointF pc = c + gaze * 2.5 + QPointF(0, 1.5);
        const double pr = wide ? 2.4 : 3.2;
        paint::ellipse(p, pc, pr, pr * 1.3, outline, false);
        p.setPen(QPen(colours::c(outline), 1.5));
        p.drawPath(irisPath);
        paint::ellipse(p, ic + gaze + QPointF(-2.8, -3.5), 2.7, 2.7, white, false);
        paint::ellipse(p, ic + gaze + QPointF(2.6, 4.2), 1.3, 1.3, white, false);
        p.restore();
        p.setPen(lash);
        if (e == Eyes::Half || e == Eyes::Blunt) {
            const double lid = e == Eyes::Half ? -1 : -3;
            p.drawLine(c + QPointF(-8.5, lid), c + QPointF(8.5, lid + (e == Eyes::Blunt ? 0 : 1)));
        } else if (e == Eyes::Sad) {
            p.drawLine(c + QPointF(8.5 * out, -3), c + QPointF(-8.5 * out, -8));
        } else {
            QPainterPath l(c + QPointF(-8.5, -6));
            l.quadTo(c + QPointF(0, wide ? -15 : -14), c + QPointF(8.5, -6));
            p.drawPath(l);
        }
        break;
    }
    }
    p.restore();
}

void drawMouth(QPainter &p, QPointF m, Mouth mouthShape)
{
    p.save();
    QPen pen(colours::c(outline), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    auto openShape = [&](double w, double d) {
        QPainterPath path(m + QPointF(-w, -2));
        path.lineTo(m + QPointF(w, -2));
        path.quadTo(m + QPointF(w, d), m + QPointF(0, d));
        path.quadTo(m + QPointF(-w, d), m + QPointF(-w, -2));
        paint::fill(p, path, colours::mouth);
        p.save();
        p.setClipPath(path);
        paint::ellipse(p, m + QPointF(0, d), w * 0.7, d * 0.45, tongue, false);
        p.restore();
        p.setPen(pen);
        p.drawPath(path);
    };
    switch (mouthShape) {
    case Mouth::Smile: {
        QPainterPath path(m + QPointF(-5, -1));
        path.quadTo(m + QPointF(0, 4), m + QPointF(5, -1));
        p.drawPath(path);
        break;
    }
    case Mouth::Tongue: {
        QPainterPath path(m + QPointF(-5, -1));
        path.quadTo(m + QPointF(0, 4), m + QPointF(5, -1));
        paint::ellipse(p, m + QPointF(2, 3), 2.5, 3, tongue);
        p.setPen(pen);
        p.drawPath(path);
        break;
    }
    case Mouth::Open:
        openShape(5.5, 7);
        break;
    case Mouth::Grin:
        openShape(8, 9);
        break;
    case Mouth::Flat:
        p.drawLine(m + QPointF(-4, 1), m + QPointF(4, 1));
        break;
    case Mouth::O:
        paint::ellipse(p, m + QPointF(0, 2), 3.2, 4.2, colours::mouth);
        break;
    case Mouth::Yawn:
        paint::ellipse(p, m + QPointF(0, 3), 5, 7, colours::mouth);
        break;
    case Mouth::Frown: {
        QPainterPath path(m + QPointF(-5, 3));
        path.quadTo(m + QPointF(0, -2), m + QPointF(5, 3));
        p.drawPath(path);
        break;
    }
    case Mouth::Chew: {
        QPainterPath path(m + QPointF(-6, 0));
        path.quadTo(m + QPointF(-3, 4.5), m + QPointF(0, 0.5));
        path.quadTo(m + QPointF(3, 4.5), m + QPointF(6, 0));
        p.drawPath(path);
        break;
    }
    case Mouth::Wavy: {
        QPainterPath path(m + QPointF(-6, 1));
        path.quadTo(m + QPointF(-3, -2), m + QPointF(0, 1));
        path.quadTo(m + QPointF(3, 4), m + QPointF(6, 1));
        p.drawPath(path);
        break;
    }
    }
    p.restore();
}

void drawBrows(QPainter &p, Brows b, QPointF shift)
{
    if (b == Brows::None)
        return;
    p.save();
    p.setPen(QPen(colours::c(outline), 2.5, Qt::SolidLine, Qt::RoundCap));
    for (double s : {-1.0, 1.0}) {
        const QPointF outer = shift + QPointF(21 * s, 0), inner = shift + QPointF(8 * s, 0);
        switch (b) {
        case Brows::Worried:
            p.drawLine(outer + QPointF(0, -6), inner + QPointF(0, -11));
            break;
        case Brows::Angry:
            p.drawLine(outer + QPointF(0, -11), inner + QPointF(0, -6));
            break;
        case Brows::Raised: {
            QPainterPath arc(outer + QPointF(0, -11));
            arc.quadTo((outer + inner) / 2 + QPointF(0, -17), inner + QPointF(0, -11));
            p.drawPath(arc);
            break;
        }
        case Brows::None:
            break;
        }
    }
    p.restore();
}

void drawHat(QPainter &p, Hat hat)
{
    switch (hat) {
    case Hat::Towel: {
        QPainterPath towel;
        towel.moveTo(-46, 6);
        towel.cubicTo(-52, -40, -20, -58, 0, -56);
        towel.cubicTo(20, -58, 52, -40, 46, 6);
        towel.quadTo(40, -6, 30, -12);
        towel.quadTo(0, -24, -30, -12);
        towel.quadTo(-40, -6, -46, 6);
        paint::shaded(p, towel, white, paint::ellipsePath({30, -10}, 22, 30), tileLine);
        p.save();
        p.setClipPath(towel);
        for (double y : {-44.0, -38.0})
            paint::line(p, {-40, y}, {40, y}, cyan, 2.5);
        p.restore();
        break;
    }
    case Hat::Santa:
    case Hat::Nightcap: {
        const bool santa = hat == Hat::Santa;
        QPainterPath cone;
        cone.moveTo(-36, -26);
        cone.quadTo(-20, -70, 22, -74);
        cone.quadTo(48, -70, 52, -46);
        cone.quadTo(40, -56, 30, -52);
        cone.quadTo(38, -40, 36, -26);
        cone.closeSubpath();
        paint::shaded(p, cone, santa ? red : pyjama, rightShade(-80, 0),
                      santa ? kimonoShade : pyjamaShade);
        paint::rect(p, {-40, -32, 80, 12}, santa ? white : pyjamaDot, true, 6);
        paint::ellipse(p, {52, -44}, 7, 7, santa ? white : yellow);
        break;
    }
    case Hat::Kabuto: {
        paint::polygon(p, QPolygonF{{-40, -22}, {0, -70}, {40, -22}}, paper);
        paint::polygon(p, QPolygonF{{-46, -28}, {46, -28}, {42, -16}, {-42, -16}}, paper);
        paint::line(p, {-30, -40}, {30, -40}, greyLight, 2);
        paint::line(p, {-20, -52}, {20, -52}, greyLight, 2);
        paint::line(p, {-34, -22}, {34, -22}, red, 2);
        break;
    }
    case Hat::Headphones: {
        QPainterPath band(QPointF(-42, 4));
        band.cubicTo(-46, -60, 46, -60, 42, 4);
        p.save();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colours::c(outline), 8, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(band);
        p.setPen(QPen(colours::c(black), 4.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(band);
        p.restore();
        paint::rect(p, {-50, -6, 12, 22}, red, true, 5);
        paint::rect(p, {38, -6, 12, 22}, red, true, 5);
        break;
    }
    case Hat::Kerchief: {
        QPainterPath scarf;
        scarf.moveTo(-44, -8);
        scarf.cubicTo(-44, -52, 44, -52, 44, -8);
        scarf.quadTo(0, -22, -44, -8);
        paint::fill(p, scarf, apronTrim);
        for (QPointF d : {QPointF(-24, -28), QPointF(0, -36), QPointF(22, -28), QPointF(-8, -22),
                          QPointF(12, -20)})
            paint::ellipse(p, d, 2.2, 2.2, white, false);
        paint::polygon(p, QPolygonF{{40, -12}, {54, -18}, {52, -4}}, apronTrim);
        break;
    }
    case Hat::Cap: {
        QPainterPath dome;
        dome.moveTo(-42, -14);
        dome.cubicTo(-42, -56, 42, -56, 42, -14);
        dome.closeSubpath();
        paint::fill(p, dome, racingStripe);
        paint::fill(p, paint::ellipsePath({-14, -14}, 34, 6), racingStripe);
        paint::star(p, {0, -32}, 7, yellow);
        break;
    }
    case Hat::Bun:
    case Hat::None:
        break;
    }
}

QTransform headTransform(const Pose &pose)
{
    QTransform t;
    t.translate(pose.at.x(), pose.at.y());
    t.scale(pose.scale, pose.scale);
    t.translate(kNeck.x(), kNeck.y());
    t.rotate(pose.tilt);
    t.translate(-kNeck.x(), -kNeck.y());
    return t;
}

QTransform bodyTransform(const Pose &pose)
{
    QTransform t;
    t.translate(pose.at.x(), pose.at.y());
    t.scale(pose.scale, pose.scale);
    return t;
}

void drawBackHair(QPainter &p, const Pose &pose)
{
    const bool bun = pose.hat == Hat::Bun;
    const HairShape h = hairShape(pose.look.style, bun);
    p.save();
    p.setTransform(headTransform(pose), true);
    paint::shaded(p, h.back, pose.look.hair,
                  paint::polyPath(QPolygonF{{-30, 20}, {30, 20}, {32, 100}, {-32, 100}}),
                  pose.look.hairShade);
    if (bun) {
        paint::ellipse(p, {0, -44}, 14, 12, pose.look.hair);
        paint::line(p, {-6, -50}, {4, -52}, pose.look.hairLight, 3);
    }
    p.restore();
}

void drawFace(QPainter &p, const Pose &pose)
{
    const HairShape h = hairShape(pose.look.style, pose.hat == Hat::Bun);
    p.save();
    p.setTransform(headTransform(pose), true);
    paint::fill(p, paint::ellipsePath({0, 3}, 34, 32), skin);
    const QPointF shift(pose.turn.x() * 8, pose.turn.y() * 5);
    if (pose.blush) {
        paint::ellipse(p, shift + QPointF(-22, 18), 6, 3.5, cheek, false);
        paint::ellipse(p, shift + QPointF(22, 18), 6, 3.5, cheek, false);
    }
    Eyes e = pose.eyes;
    if (e == Eyes::Open && pose.look.usualEyes != Eyes::Open)
        e = pose.look.usualEyes;
    const Eyes leftEye = e == Eyes::Wink ? Eyes::Open : e;
    const Eyes rightEye = e == Eyes::Wink ? Eyes::Happy : e;
    drawEye(p, shift + QPointF(-14, 8), true, leftEye, pose.gaze, pose.look);
    drawEye(p, shift + QPointF(14, 8), false, rightEye, pose.gaze, pose.look);
    drawMouth(p, shift + QPointF(0, 23), pose.mouth);
    // hair over the forehead, with the shine across the crown
    paint::fill(p, h.cap, pose.look.hair);
    p.save();
    p.setClipPath(h.cap);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colours::c(pose.look.hairLight), 4, Qt::SolidLine, Qt::RoundCap));
    const QRectF ring(-30, -36, 60, 46);
    for (auto [start, span] : {std::pair{28, 24}, std::pair{62, 34}, std::pair{106, 24},
                               std::pair{140, 14}})
        p.drawArc(ring, start * 16, span * 16);
    p.restore();
    drawBrows(p, pose.brows, shift);
    drawHat(p, pose.hat);
    if (pose.sweat) {
        QPainterPath drop(QPointF(32, -14));
        drop.quadTo(QPointF(40, -2), QPointF(34, 2));
        drop.quadTo(QPointF(28, 0), QPointF(32, -14));
        paint::fill(p, drop, water);
    }
    if (pose.tears) {
        paint::ellipse(p, shift + QPointF(-20, 20), 2.5, 4, water);
        paint::ellipse(p, shift + QPointF(20, 20), 2.5, 4, water);
    }
    p.restore();
}

} // namespace

Look pimoLook()
{
    return {hair, hairShade, hairLight, iris, irisShade, HairStyle::Long, Eyes::Open};
}
Look gardoLook()
{
    return {darkHair, darkHairShade, darkHairLight, brownEye, outline, HairStyle::Short,
            Eyes::Blunt};
}
Look rowelLook()
{
    return {brownHair, brownHairShade, brownHairLight, greenEye, grassShade, HairStyle::Short,
            Eyes::Open};
}
Look fenLook()
{
    return {redHair, redHairShade, redHairLight, brownEye, outline, HairStyle::Spiky, Eyes::Open};
}

namespace arms {
Arm down(Side s) { return sided(s, {-24, 64}, {-26, 82}); }
Arm wave(Side s) { return sided(s, {-36, 42}, {-42, 18}); }
Arm raise(Side s) { return sided(s, {-28, 22}, {-30, -4}); }
Arm chest(Side s) { return sided(s, {-26, 68}, {-8, 64}); }
Arm mouth(Side s) { return sided(s, {-26, 64}, {-8, 32}); }
Arm table(Side s) { return sided(s, {-30, 74}, {-12, 80}); }
Arm hip(Side s) { return sided(s, {-36, 60}, {-22, 76}); }
Arm reach(Side s) { return sided(s, {-36, 52}, {-54, 46}); }
Arm cheek(Side s) { return sided(s, {-24, 70}, {-24, 28}); }
Arm head(Side s) { return sided(s, {-44, 30}, {-30, -20}); }
Arm front(Side s) { return sided(s, {-22, 66}, {-10, 84}); }
Arm point(Side s, int dx, int dy)
{
    const QPointF sh = shoulder(s);
    const QPointF dir(dx, dy);
    const double len = std::hypot(double(dx), double(dy));
    const QPointF unit = len > 0 ? dir / len : QPointF(0, 1);
    const QPointF elbow = sh + unit * 18 + QPointF(0, dy < 0 ? 0 : 2);
    Arm a{elbow, elbow + unit * 18};
    a.finger = true;
    return a;
}
Arm hidden()
{
    Arm a;
    a.hidden = true;
    return a;
}
Arm mirrored(const Arm &a)
{
    return Arm{mirror(a.elbow), mirror(a.hand), a.hidden, a.finger};
}
} // namespace arms

void drawFigure(QPainter &p, const Pose &pose)
{
    const Clothes clothes = clothesOf(pose);
    if (!pose.back)
        drawBackHair(p, pose);
    p.save();
    p.setTransform(bodyTransform(pose), true);
    if (pose.legs != Legs::Hidden)
        drawLegs(p, pose, clothes);
    drawTorso(p, pose, clothes);
    p.restore();
    if (pose.back) {
        drawBackHair(p, pose);
        p.save();
        p.setTransform(headTransform(pose), true);
        drawHat(p, pose.hat);
        p.restore();
    } else {
        drawFace(p, pose);
    }
    p.save();
    p.setTransform(bodyTransform(pose), true);
    drawArm(p, Side::Left, pose.left, clothes);
    drawArm(p, Side::Right, pose.right, clothes);
    p.restore();
}

void drawHead(QPainter &p, const Pose &pose)
{
    drawBackHair(p, pose);
    drawFace(p, pose);
}

QPointF handAt(const Pose &pose, Side side)
{
    const Arm &a = side == Side::Left ? pose.left : pose.right;
    return bodyTransform(pose).map(a.hand);
}

void drawHand(QPainter &p, const Pose &pose, Side side)
{
    const Arm &a = side == Side::Left ? pose.left : pose.right;
    if (a.hidden)
        return;
    p.save();
    p.setTransform(bodyTransform(pose), true);
    paint::ellipse(p, a.hand, 5.5, 5.5, skin);
    p.restore();
}

void drawLying(QPainter &p, const Pose &pose, double nearLift, double farLift)
{
    // Head units as in drawFigure; the floor the body rests on lies at y = kFloor. The chest is
    // seen from the front under the chin, the rest of the body from the side.
    constexpr double kFloor = 76;
    auto leg = [&](double lift, double dy) {
        const QPointF hip{-76, kFloor - 12 + dy};
        const QPointF knee{-106, kFloor - 7 + dy};
        constexpr double kShin = 32;
        const double a = qDegreesToRadians(lift);
        const QPointF dir(-std::cos(a), -std::sin(a)); // along the shin, away from the knee
        const QPointF toes(-std::sin(a), std::cos(a));  // the way the toes point
        const QPointF ankle = knee + dir * kShin;
        paint::stroke(p, {hip, knee, ankle}, 12, skin);
        paint::stroke(p, {knee + dir * (kShin * 0.68), ankle}, 12.5, sock);
        // the shoe, its toes pointing back down towards the floor
        const QTransform t(toes.x(), toes.y(), dir.x(), dir.y(), ankle.x(), ankle.y());
        paint::fill(p, t.map(paint::ellipsePath({5, 0}, 11, 6.5)), shoe);
    };
    p.save();
    p.setTransform(bodyTransform(pose), true);
    leg(farLift, -6);
    // shorts, then the top lying over their waist
    QPainterPath pants;
    pants.moveTo(-52, 50);
    pants.quadTo(-70, 38, -84, 50);
    pants.quadTo(-90, 62, -86, kFloor);
    pants.lineTo(-52, kFloor);
    pants.closeSubpath();
    paint::shaded(p, pants, shorts, paint::roundRect({-96, kFloor - 10, 50, 12}, 0), shortsShade);
    QPainterPath back;
    back.moveTo(-10, 38);
    back.quadTo(-34, 40, -62, 48);
    back.quadTo(-68, 64, -62, kFloor + 1);
    back.lineTo(-10, kFloor + 1);
    back.closeSubpath();
    paint::shaded(p, back, top, paint::roundRect({-80, kFloor - 12, 80, 16}, 0), topShade);
    leg(nearLift, 0);
    // the chest under the chin, with the collar
    QPainterPath chest;
    chest.moveTo(-14, 34);
    chest.quadTo(-26, 38, -28, 54);
    chest.lineTo(-30, kFloor);
    chest.lineTo(30, kFloor);
    chest.lineTo(28, 54);
    chest.quadTo(26, 38, 14, 34);
    chest.closeSubpath();
    paint::shaded(p, chest, top, rightShade(30, kFloor + 2), topShade);
    drawCollar(p);
    p.restore();
    // the long hair falls over the shoulders onto the back
    p.save();
    p.setTransform(headTransform(pose), true);
    QPainterPath hairFall;
    hairFall.moveTo(-30, -30);
    hairFall.cubicTo(-62, -20, -58, 24, -72, 44);
    hairFall.quadTo(-62, 42, -56, 48);
    hairFall.quadTo(-48, 38, -38, 44);
    hairFall.quadTo(-30, 34, -20, 38);
    hairFall.lineTo(0, 0);
    hairFall.closeSubpath();
    // only the round back of the head from the usual hair: its length lies along the back here
    const HairShape h = hairShape(pose.look.style, true);
    paint::shaded(p, hairFall.united(h.back), pose.look.hair,
                  paint::polyPath(QPolygonF{{-80, 20}, {30, 20}, {30, 80}, {-80, 80}}),
                  pose.look.hairShade);
    p.restore();
    drawFace(p, pose);
    // propped on the elbows, the forearms reaching in to the hands
    p.save();
    p.setTransform(bodyTransform(pose), true);
    for (Side side : {Side::Left, Side::Right}) {
        const Arm &arm = side == Side::Left ? pose.left : pose.right;
        const QPointF shoulderAt(side == Side::Left ? -21 : 21, 46);
        paint::stroke(p, {shoulderAt, arm.elbow, arm.hand}, 9, skin);
        paint::stroke(p, {shoulderAt, shoulderAt + (arm.elbow - shoulderAt) * 0.45}, 12, top);
        paint::ellipse(p, arm.hand, 5.5, 5.5, skin);
    }
    p.restore();
}
