#include "scenery.h"

#include "colours.h"
#include "figure.h"
#include "paint.h"

#include <QtMath>

#include <array>
#include <functional>

using namespace colours;

namespace {
constexpr double W = 150, H = 220;

void rotated(QPainter &p, QPointF c, double angle, const std::function<void()> &draw)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    draw();
    p.restore();
}
} // namespace

void drawWindow(QPainter &p, const QRectF &r, bool night)
{
    paint::rect(p, r.adjusted(-3, -3, 3, 3), frame, true, 2);
    paint::rect(p, r, night ? nightSky : sky, true);
    p.save();
    p.setClipRect(r);
    if (night) {
        paint::ellipse(p, r.topLeft() + QPointF(r.width() * 0.72, r.height() * 0.3), 7, 7, moon,
                       false);
        paint::ellipse(p, r.topLeft() + QPointF(r.width() * 0.72 + 4, r.height() * 0.3 - 3), 6, 6,
                       nightSky, false);
        for (auto [fx, fy] : {std::pair{0.2, 0.25}, std::pair{0.4, 0.6}, std::pair{0.15, 0.75},
                              std::pair{0.55, 0.2}, std::pair{0.85, 0.7}})
            paint::sparkle(p, r.topLeft() + QPointF(r.width() * fx, r.height() * fy), 3, star);
    } else {
        const QPointF c = r.topLeft() + QPointF(r.width() * 0.35, r.height() * 0.4);
        paint::ellipse(p, c, 9, 5, cloud, false);
        paint::ellipse(p, c + QPointF(8, -3), 7, 6, cloud, false);
        paint::ellipse(p, c + QPointF(15, 1), 7, 4, cloud, false);
    }
    p.restore();
    paint::line(p, {r.center().x(), r.top()}, {r.center().x(), r.bottom()}, frame, 3);
    paint::line(p, {r.left(), r.center().y()}, {r.right(), r.center().y()}, frame, 3);
    // curtains
    for (double x : {r.left() - 8, r.right() - 4}) {
        QPainterPath c;
        c.moveTo(x, r.top() - 6);
        c.lineTo(x + 12, r.top() - 6);
        c.quadTo(x + 8, r.center().y(), x + 12, r.bottom() + 8);
        c.lineTo(x, r.bottom() + 8);
        c.closeSubpath();
        paint::shaded(p, c, curtain, paint::roundRect({x, r.top() - 8, 4, r.height() + 20}, 0),
                      curtainShade);
    }
}

void drawRoom(QPainter &p, Place place, bool night)
{
    const QRgb wallColour = night ? nightWall : wall;
    const QRgb lineColour = night ? nightWallLine : wallLine;
    const QRgb floorColour = night ? nightFloor : floorWood;
    p.fillRect(QRectF(0, 0, W, H), colours::c(wallColour));
    switch (place) {
    case Place::Garden:
    case Place::Track: {
        p.fillRect(QRectF(0, 0, W, H), colours::c(night ? nightSky : sky));
        paint::ellipse(p, {30, 150}, 70, 30, night ? grassShade : 0xff9ad87e, false);
        paint::ellipse(p, {130, 156}, 60, 24, night ? grassShade : 0xff9ad87e, false);
        p.fillRect(QRectF(0, 160, W, 60), colours::c(night ? grassShade : grass));
        if (!night) {
            paint::ellipse(p, {40, 30}, 12, 6, cloud, false);
            paint::ellipse(p, {50, 26}, 9, 7, cloud, false);
            paint::ellipse(p, {118, 44}, 10, 5, cloud, false);
        }
        if (place == Place::Track) {
            p.fillRect(QRectF(0, 176, W, 44), colours::c(grey));
            for (double x = 4; x < W; x += 24)
                p.fillRect(QRectF(x, 196, 12, 3), colours::c(white));
        } else {
            for (double x : {14.0, 46.0, 108.0, 136.0})
                drawDaisy(p, {x, 186 + std::fmod(x, 17.0)}, 4, x > 60 ? white : pink);
        }
        return;
    }
    case Place::Bathroom:
        p.fillRect(QRectF(0, 0, W, H), colours::c(tile));
        for (double x = 0; x <= W; x += 18)
            paint::line(p, {x, 0}, {x, H}, tileLine, 1.5);
        for (double y = 0; y <= H; y += 18)
            paint::line(p, {0, y}, {W, y}, tileLine, 1.5);
        paint::rect(p, {104, 22, 30, 22}, night ? nightSky : sky, true, 2);
        paint::line(p, {119, 22}, {119, 44}, frame, 2);
        return;
    case Place::Tatami:
        p.fillRect(QRectF(0, 0, W, H), colours::c(night ? nightWall : 0xfff6e8c8));
        // sliding paper doors
        for (double x : {0.0, 50.0, 100.0}) {
            paint::rect(p, {x + 2, 10, 46, 150}, night ? nightWallLine : paper, true);
            for (double y = 40; y < 160; y += 30)
                paint::line(p, {x + 2, y}, {x + 48, y}, woodLight, 1.5);
            paint::line(p, {x + 25, 10}, {x + 25, 160}, woodLight, 1.5);
        }
        p.fillRect(QRectF(0, 160, W, 60), colours::c(night ? grassShade : 0xffc8d890));
        paint::line(p, {0, 160}, {W, 160}, outline, 2);
        paint::line(p, {0, 190}, {W, 190}, 0xff9ab070, 2);
        return;
    default:
        break;
    }
    // wall with a skirting line, floor boards
    for (double x = 12; x < W; x += 24)
        paint::line(p, {x, 0}, {x, 166}, lineColour, 2);
    p.fillRect(QRectF(0, 166, W, 54), colours::c(floorColour));
    paint::line(p, {0, 166}, {W, 166}, outline, 2);
    for (double y : {182.0, 202.0})
        paint::line(p, {0, y}, {W, y}, night ? nightWallLine : floorShade, 1.5);
    switch (place) {
    case Place::Living:
        drawWindow(p, {14, 20, 40, 48}, night);
        paint::rect(p, {110, 26, 26, 20}, woodLight, true, 1);
        paint::ellipse(p, {123, 36}, 6, 5, night ? nightWallLine : sky, false);
        break;
    case Place::Kitchen:
        drawWindow(p, {98, 16, 40, 40}, night);
        // shelf with jars
        paint::rect(p, {6, 40, 50, 4}, wood, true);
        paint::rect(p, {10, 26, 10, 14}, bookRed, true, 2);
        paint::rect(p, {24, 28, 10, 12}, yellow, true, 2);
        paint::rect(p, {38, 24, 12, 16}, green, true, 2);
        break;
    case Place::Study:
        drawWindow(p, {14, 18, 36, 44}, night);
        // bookshelf
        paint::rect(p, {100, 14, 44, 70}, wood, true);
        for (double y : {20.0, 44.0, 66.0}) {
            int i = 0;
            for (double x = 104; x < 138; x += 7, ++i)
                paint::rect(p, {x, y, 6, 16.0 + (i % 2) * 2},
                            i % 3 == 0 ? bookRed : (i % 3 == 1 ? bookBlue : bookGreen), true);
        }
        break;
    case Place::Bedroom:
    case Place::Night:
        drawWindow(p, {14, 10, 34, 40}, night);
        break;
    default:
        break;
    }
}

void drawTable(QPainter &p, double top, bool cloth)
{
    paint::rect(p, {-4, top, W + 8, 10}, woodLight, true);
    paint::rect(p, {-4, top + 10, W + 8, H - top}, wood, true);
    paint::rect(p, {-4, top + 10, W + 8, 4}, woodShade, false);
    if (cloth) {
        QPainterPath c;
        c.moveTo(-4, top);
        c.lineTo(W + 4, top);
        c.lineTo(W + 4, top + 26);
        for (double x = W + 4; x > -4; x -= 10)
            c.quadTo(x - 5, top + 32, x - 10, top + 26);
        c.closeSubpath();
        paint::fill(p, c, white);
        p.save();
        p.setClipPath(c);
        for (double x = 0; x < W; x += 12)
            p.fillRect(QRectF(x, top, 6, 40), colours::c(0xffffd0d8));
        p.restore();
        paint::fill(p, c, 0x00000000);
    }
}

void drawDesk(QPainter &p, double top)
{
    paint::rect(p, {-4, top, W + 8, 8}, woodLight, true);
    paint::rect(p, {-4, top + 8, W + 8, H - top}, wood, true);
    paint::rect(p, {20, top + 18, 44, 16}, woodLight, true, 2);
    paint::ellipse(p, {42, top + 26}, 3, 2, woodShade);
    paint::rect(p, {86, top + 18, 44, 16}, woodLight, true, 2);
    paint::ellipse(p, {108, top + 26}, 3, 2, woodShade);
}

void drawBedHead(QPainter &p)
{
    paint::rect(p, {6, 58, 138, 40}, wood, true, 8);
    paint::rect(p, {12, 64, 126, 8}, woodLight, false, 3);
    paint::shaded(p, paint::roundRect({8, 74, 134, 56}, 16), pillow,
                  paint::roundRect({8, 116, 134, 20}, 0), pillowShade);
}

void drawBlanket(QPainter &p, double top, double bulge)
{
    QPainterPath b;
    b.moveTo(0, top + 8);
    b.quadTo(W / 2, top - 6 - bulge, W, top + 8);
    b.lineTo(W, H);
    b.lineTo(0, H);
    b.closeSubpath();
    paint::shaded(p, b, blanket, paint::polyPath(QPolygonF{{100, 0}, {W, 0}, {W, H}, {110, H}}),
                  blanketShade);
    p.save();
    p.setClipPath(b);
    for (double y = top + 30; y < H; y += 28)
        for (double x = 10 + std::fmod(y, 20.0); x < W; x += 36)
            paint::heart(p, {x, y}, 4, blanketPattern);
    // folded hem
    paint::fill(p, paint::roundRect({-4, top - 12 - bulge, W + 8, 18 + bulge}, 0)
                       .intersected(b),
                blanketPattern, false);
    p.restore();
    paint::line(p, {0, top + 6}, {W, top + 6}, blanketShade, 2);
    p.save();
    p.setPen(paint::outlinePen());
    p.setBrush(Qt::NoBrush);
    p.drawPath(b);
    p.restore();
}

void drawTub(QPainter &p, double top)
{
    paint::rect(p, {-6, top - 4, W + 12, 10}, water, false);
    QPainterPath tubPath = paint::roundRect({-6, top, W + 12, H - top + 20}, 16);
    paint::shaded(p, tubPath, tub, paint::roundRect({-6, top + 34, W + 12, 60}, 0), tubShade);
    paint::rect(p, {-6, top - 2, W + 12, 10}, tub, true, 5);
    for (QPointF c : {QPointF(20, top - 2), QPointF(34, top - 6), QPointF(118, top - 4),
                      QPointF(132, top - 1), QPointF(48, top - 1)})
        drawBubbles(p, c, 6);
}

void drawFloorCushion(QPainter &p, double y)
{
    paint::ellipse(p, {75, y}, 52, 12, purple);
}

void drawRiceBowl(QPainter &p, QPointF c)
{
    paint::ellipse(p, c + QPointF(0, -4), 14, 8, rice);
    QPainterPath bowlPath(c + QPointF(-16, -4));
    bowlPath.quadTo(c + QPointF(-14, 12), c + QPointF(0, 12));
    bowlPath.quadTo(c + QPointF(14, 12), c + QPointF(16, -4));
    bowlPath.closeSubpath();
    paint::fill(p, bowlPath, bowl);
    paint::line(p, c + QPointF(-12, 3), c + QPointF(12, 3), white, 2);
}

void drawSoupBowl(QPainter &p, QPointF c)
{
    QPainterPath bowlPath(c + QPointF(-15, -3));
    bowlPath.quadTo(c + QPointF(-14, 12), c + QPointF(0, 12));
    bowlPath.quadTo(c + QPointF(14, 12), c + QPointF(15, -3));
    bowlPath.closeSubpath();
    paint::fill(p, bowlPath, bookRed);
    paint::ellipse(p, c + QPointF(0, -3), 15, 5, soup);
    paint::ellipse(p, c + QPointF(-4, -3), 3, 1.5, green, false);
}

void drawPlate(QPainter &p, QPointF c, double r)
{
    paint::ellipse(p, c, r, r * 0.35, white);
    paint::ellipse(p, c, r * 0.7, r * 0.22, 0xfff0f0f0, false);
}

void drawToast(QPainter &p, QPointF c)
{
    paint::rect(p, {c.x() - 11, c.y() - 12, 22, 18}, cookieShade, true, 6);
    paint::rect(p, {c.x() - 8, c.y() - 9, 16, 13}, 0xfff8e0a8, false, 4);
    paint::rect(p, {c.x() - 4, c.y() - 5, 8, 5}, yellow, true, 1);
}

void drawCup(QPainter &p, QPointF c, QRgb colour)
{
    paint::rect(p, {c.x() - 8, c.y() - 10, 16, 16}, colour, true, 3);
    p.save();
    p.setPen(QPen(colours::c(outline), 4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() + 5, c.y() - 7, 9, 9), -90 * 16, 180 * 16);
    p.setPen(QPen(colours::c(colour), 2));
    p.drawArc(QRectF(c.x() + 5, c.y() - 7, 9, 9), -90 * 16, 180 * 16);
    p.restore();
    paint::ellipse(p, c + QPointF(0, -10), 8, 2.5, cookieShade);
}

void drawCake(QPainter &p, QPointF c)
{
    drawPlate(p, c + QPointF(0, 6), 18);
    paint::polygon(p, QPolygonF{c + QPointF(-12, 4), c + QPointF(12, 4), c + QPointF(8, -12),
                                c + QPointF(-12, -12)},
                   0xfffff4d8);
    paint::rect(p, {c.x() - 12, c.y() - 16, 20, 6}, white, true, 2);
    paint::ellipse(p, c + QPointF(-2, -19), 4, 4, red);
    paint::line(p, c + QPointF(-12, -4), c + QPointF(10, -4), 0xffffa0b0, 2);
}

void drawCookie(QPainter &p, QPointF c, double r)
{
    paint::ellipse(p, c, r, r * 0.9, cookie);
    for (auto [dx, dy] : {std::pair{-0.4, -0.2}, std::pair{0.3, 0.1}, std::pair{-0.05, 0.45}})
        paint::ellipse(p, c + QPointF(dx * r, dy * r), r * 0.14, r * 0.14, woodShade, false);
}

void drawSpoon(QPainter &p, QPointF hand, double angle)
{
    rotated(p, hand, angle, [&] {
        paint::stroke(p, {{0, 6}, {0, -14}}, 3, metal);
        paint::ellipse(p, {0, -18}, 4.5, 6, metal);
    });
}

void drawChopsticks(QPainter &p, QPointF hand, double angle)
{
    rotated(p, hand, angle, [&] {
        paint::stroke(p, {{-2, 6}, {-4, -24}}, 2.5, bookRed);
        paint::stroke(p, {{2, 6}, {1, -24}}, 2.5, bookRed);
    });
}

void drawBook(QPainter &p, QPointF c, double w, double h, QRgb cover, bool open, double angle)
{
    rotated(p, c, angle, [&] {
        if (!open) {
            paint::rect(p, {-w / 2, -h / 2, w, h}, cover, true, 2);
            paint::rect(p, {-w / 2 + 3, -h / 2 + 4, w - 9, h / 4}, paper, true, 1);
            return;
        }
        paint::rect(p, {-w / 2 - 2, -h / 2 + 2, w + 4, h}, cover, true, 2);
        QPainterPath left(QPointF(0, -h / 2 + 4));
        left.quadTo(QPointF(-w / 4, -h / 2 - 2), QPointF(-w / 2, -h / 2));
        left.lineTo(QPointF(-w / 2, h / 2 - 2));
        left.quadTo(QPointF(-w / 4, h / 2 - 4), QPointF(0, h / 2));
        left.closeSubpath();
        QTransform flip;
        flip.scale(-1, 1);
        paint::fill(p, left, paper);
        paint::fill(p, flip.map(left), paper);
        for (double y = -h / 2 + 6; y < h / 2 - 4; y += 5) {
            paint::line(p, {-w / 2 + 4, y}, {-4, y + 1}, paperLine, 1.2);
            paint::line(p, {4, y + 1}, {w / 2 - 4, y}, paperLine, 1.2);
        }
    });
}

void drawPencil(QPainter &p, QPointF a, QPointF b)
{
    paint::stroke(p, {a, b}, 4, yellow);
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    paint::stroke(p, {b, b + d / len * 5}, 2, 0xfff4d8b0);
}

void drawLamp(QPainter &p, QPointF base, bool on)
{
    paint::ellipse(p, base, 12, 4, green);
    paint::stroke(p, {base, base + QPointF(4, -36), base + QPointF(-10, -46)}, 3, green);
    QPainterPath shade(base + QPointF(-24, -36));
    shade.lineTo(base + QPointF(-16, -54));
    shade.lineTo(base + QPointF(2, -48));
    shade.lineTo(base + QPointF(-4, -30));
    shade.closeSubpath();
    paint::fill(p, shade, green);
    if (on)
        paint::ellipse(p, base + QPointF(-14, -32), 5, 3, yellow, false);
}

void drawDuck(QPainter &p, QPointF c, double s)
{
    paint::ellipse(p, c, 10 * s, 7 * s, yellow);
    paint::ellipse(p, c + QPointF(-6, -8) * s, 6 * s, 6 * s, yellow);
    paint::polygon(p, QPolygonF{c + QPointF(-12, -8) * s, c + QPointF(-17, -6) * s,
                                c + QPointF(-12, -5) * s},
                   orange);
    paint::ellipse(p, c + QPointF(-7, -9) * s, 1.2, 1.2, outline, false);
}

void drawBubbles(QPainter &p, QPointF c, double s)
{
    paint::ellipse(p, c, s, s, bubble);
    paint::ellipse(p, c + QPointF(s * 1.2, -s * 0.5), s * 0.7, s * 0.7, bubble);
    paint::ellipse(p, c + QPointF(-s * 0.3, -s * 0.3), s * 0.3, s * 0.3, white, false);
}

void drawDoll(QPainter &p, QPointF c, double scale)
{
    Pose doll;
    doll.look = gardoLook();
    doll.outfit = Outfit::Jacket;
    doll.at = c;
    doll.scale = scale;
    doll.mouth = Mouth::Flat;
    doll.blush = false;
    drawFigure(p, doll);
}

void drawCar(QPainter &p, QPointF c, double s, QRgb body)
{
    QPainterPath shell(c + QPointF(-24, 2) * s);
    shell.lineTo(c + QPointF(-22, -6) * s);
    shell.lineTo(c + QPointF(-6, -9) * s);
    shell.quadTo(c + QPointF(4, -16) * s, c + QPointF(12, -8) * s);
    shell.lineTo(c + QPointF(24, -4) * s);
    shell.lineTo(c + QPointF(24, 2) * s);
    shell.closeSubpath();
    paint::fill(p, shell, body);
    paint::ellipse(p, c + QPointF(2, -9) * s, 5 * s, 3 * s, cyan);
    paint::line(p, c + QPointF(-18, -2) * s, c + QPointF(18, -2) * s, yellow, 2 * s);
    for (double x : {-15.0, 15.0}) {
        paint::ellipse(p, c + QPointF(x, 3) * s, 6 * s, 6 * s, black);
        paint::ellipse(p, c + QPointF(x, 3) * s, 2.5 * s, 2.5 * s, metal, false);
    }
}

void drawCarTop(QPainter &p, QPointF c, double s, QRgb body)
{
    // seen from behind and a little above: wide rear, two wheels, a wing
    paint::rect(p, {c.x() - 17 * s, c.y() + 2 * s, 8 * s, 14 * s}, black, true, 2);
    paint::rect(p, {c.x() + 9 * s, c.y() + 2 * s, 8 * s, 14 * s}, black, true, 2);
    QPainterPath shell(c + QPointF(-11, 16) * s);
    shell.lineTo(c + QPointF(-9, -12) * s);
    shell.quadTo(c + QPointF(0, -20) * s, c + QPointF(9, -12) * s);
    shell.lineTo(c + QPointF(11, 16) * s);
    shell.closeSubpath();
    paint::fill(p, shell, body);
    paint::ellipse(p, c + QPointF(0, -6) * s, 5 * s, 4 * s, cyan);
    paint::rect(p, {c.x() - 16 * s, c.y() + 8 * s, 32 * s, 5 * s}, body, true, 1);
    paint::line(p, c + QPointF(0, -14) * s, c + QPointF(0, 14) * s, white, 2 * s);
}

void drawWateringCan(QPainter &p, QPointF c, double s, bool pouring)
{
    paint::stroke(p, {c + QPointF(6, -4) * s, c + QPointF(20, -16) * s}, 3 * s, green);
    paint::rect(p, {c.x() - 8 * s, c.y() - 8 * s, 16 * s, 16 * s}, green, true, 3 * s);
    p.save();
    p.setPen(QPen(colours::c(outline), 3 * s));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 14 * s, c.y() - 10 * s, 10 * s, 14 * s), 90 * 16, 180 * 16);
    p.restore();
    paint::ellipse(p, c + QPointF(21, -17) * s, 3 * s, 2 * s, green);
    if (pouring) {
        for (int i = 0; i < 3; ++i)
            paint::line(p, c + QPointF(22 + i * 2, -14 + i) * s, c + QPointF(24 + i * 2, -4 + i) * s,
                        water, 1.5);
    }
}

void drawPot(QPainter &p, QPointF c, double s, int stage)
{
    // c is the pot's rim centre
    if (stage >= 1) {
        const double h = (stage == 1 ? 8 : stage == 2 ? 18 : 26) * s;
        paint::stroke(p, {c, c + QPointF(0, -h)}, 2 * s, green);
        paint::ellipse(p, c + QPointF(-4, -h * 0.5) * 1.0 + QPointF(0, 0), 4 * s, 2 * s, green);
        if (stage >= 2)
            paint::ellipse(p, c + QPointF(4 * s, -h * 0.7), 4 * s, 2 * s, green);
        if (stage == 3)
            paint::ellipse(p, c + QPointF(0, -h - 2 * s), 3 * s, 4 * s, grassShade);
        if (stage >= 4) {
            const QRgb petals[] = {red, yellow, pink, purple, white};
            drawDaisy(p, c + QPointF(0, -h - 4 * s), 6 * s, petals[(stage - 4) % 5]);
        }
    } else {
        for (double x : {-4.0, 0.0, 4.0})
            paint::ellipse(p, c + QPointF(x * s, -1 * s), 1.2 * s, 1 * s, woodShade, false);
    }
    paint::polygon(p, QPolygonF{c + QPointF(-9, 0) * s, c + QPointF(9, 0) * s,
                                c + QPointF(7, 14) * s, c + QPointF(-7, 14) * s},
                   orange);
    paint::rect(p, {c.x() - 10 * s, c.y() - 1 * s, 20 * s, 4 * s}, orange, true, 1);
}

void drawDaisy(QPainter &p, QPointF c, double r, QRgb petal)
{
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        paint::ellipse(p, c + QPointF(std::cos(a), std::sin(a)) * r * 0.75, r * 0.45, r * 0.45,
                       petal);
    }
    paint::ellipse(p, c, r * 0.45, r * 0.45, yellow);
}

void drawViolin(QPainter &p, QPointF c, double s, double angle)
{
    rotated(p, c, angle, [&] {
        p.scale(s, s);
        QPainterPath body;
        body.addEllipse(QPointF(0, 8), 10, 11);
        body.addEllipse(QPointF(0, -8), 8, 9);
        body.setFillRule(Qt::WindingFill);
        paint::fill(p, body.simplified(), wood);
        paint::stroke(p, {{0, -16}, {0, -34}}, 3, black);
        paint::ellipse(p, {0, -36}, 3, 3, woodShade);
        paint::line(p, {-3, 0}, {-3, 6}, outline, 1.5);
        paint::line(p, {3, 0}, {3, 6}, outline, 1.5);
        paint::rect(p, {-4, 10, 8, 3}, black, false);
    });
}

void drawBow(QPainter &p, QPointF a, QPointF b)
{
    paint::stroke(p, {a, b}, 2, woodShade);
}

void drawComputerScreen(QPainter &p, const QRectF &r, int screen)
{
    p.fillRect(r, colours::c(screen == 0 ? colours::screen : white));
    p.save();
    p.setClipRect(r);
    const double x = r.left(), y = r.top(), w = r.width(), h = r.height();
    switch (screen) {
    case 1: // a racing game
        p.fillRect(QRectF(x, y, w, h * 0.5), colours::c(sky));
        p.fillRect(QRectF(x, y + h * 0.5, w, h * 0.5), colours::c(grass));
        paint::polygon(p, QPolygonF{{x + w * 0.4, y + h * 0.5}, {x + w * 0.6, y + h * 0.5},
                                    {x + w * 0.9, y + h}, {x + w * 0.1, y + h}},
                       grey, false);
        drawCarTop(p, {x + w * 0.5, y + h * 0.72}, h / 60, red);
        break;
    case 2: // a drawing program
        p.fillRect(QRectF(x, y, w * 0.15, h), colours::c(greyLight));
        for (int i = 0; i < 4; ++i)
            paint::ellipse(p, {x + w * 0.075, y + h * (0.15 + i * 0.22)}, w * 0.04, w * 0.04,
                           std::array<QRgb, 4>{red, yellow, green, bookBlue}[i], false);
        drawDaisy(p, {x + w * 0.55, y + h * 0.5}, h * 0.22, pink);
        break;
    case 3: // a mail with a heart
        p.fillRect(QRectF(x, y, w, h * 0.18), colours::c(bookBlue));
        for (double ly = y + h * 0.32; ly < y + h - 4; ly += h * 0.16)
            paint::line(p, {x + 5, ly}, {x + w * 0.7, ly}, grey, 2);
        paint::heart(p, {x + w * 0.84, y + h * 0.58}, h * 0.16, pink);
        break;
    case 4: // an animal picture
        p.fillRect(r, colours::c(0xffe8f6ff));
        drawPuppy(p, {x + w * 0.5, y + h * 0.62}, h / 70, false);
        break;
    default:
        paint::star(p, r.center(), h * 0.25, yellow);
        break;
    }
    p.restore();
}

void drawLaptop(QPainter &p, QPointF c, double s, int screen)
{
    const QRectF lid(c.x() - 30 * s, c.y() - 40 * s, 60 * s, 38 * s);
    paint::rect(p, lid, metalShade, true, 3);
    drawComputerScreen(p, lid.adjusted(4 * s, 4 * s, -4 * s, -4 * s), screen);
    paint::polygon(p, QPolygonF{c + QPointF(-32, -2) * s, c + QPointF(32, -2) * s,
                                c + QPointF(38, 8) * s, c + QPointF(-38, 8) * s},
                   metal);
}

void drawTvScreen(QPainter &p, const QRectF &r, int screen)
{
    p.save();
    p.setClipRect(r);
    const double x = r.left(), y = r.top(), w = r.width(), h = r.height();
    switch (screen) {
    case 1: // cartoon: a smiling sun over hills
        p.fillRect(r, colours::c(sky));
        paint::ellipse(p, {x + w * 0.5, y + h * 1.1}, w * 0.7, h * 0.5, grass, false);
        paint::ellipse(p, {x + w * 0.75, y + h * 0.35}, h * 0.2, h * 0.2, yellow);
        break;
    case 2: // a car race
        p.fillRect(r, colours::c(grass));
        p.fillRect(QRectF(x, y + h * 0.4, w, h * 0.35), colours::c(grey));
        drawCar(p, {x + w * 0.4, y + h * 0.6}, h / 50, red);
        break;
    case 3: // the news
        p.fillRect(r, colours::c(bookBlue));
        p.fillRect(QRectF(x, y + h * 0.75, w, h * 0.25), colours::c(white));
        paint::ellipse(p, {x + w * 0.5, y + h * 0.42}, h * 0.18, h * 0.2, skin);
        paint::rect(p, {x + w * 0.36, y + h * 0.58, w * 0.28, h * 0.2}, black, false);
        break;
    case 4: // animals
        p.fillRect(r, colours::c(0xffe8f6ff));
        drawPuppy(p, {x + w * 0.5, y + h * 0.62}, h / 64, true);
        break;
    case 5: // music show
        p.fillRect(r, colours::c(purple));
        for (int i = 0; i < 3; ++i)
            paint::note(p, {x + w * (0.25 + i * 0.25), y + h * (0.7 - (i % 2) * 0.2)}, h * 0.22,
                        std::array<QRgb, 3>{yellow, pink, cyan}[i]);
        break;
    default:
        p.fillRect(r, colours::c(colours::screen));
        break;
    }
    p.restore();
}

void drawTelevision(QPainter &p, const QRectF &r, int screen)
{
    paint::rect(p, r.adjusted(-5, -5, 5, 5), black, true, 4);
    drawTvScreen(p, r, screen);
    paint::rect(p, {r.center().x() - 10, r.bottom() + 5, 20, 6}, black, true);
}

void drawEasel(QPainter &p, QPointF c, double s, int progress)
{
    paint::stroke(p, {c + QPointF(-14, 40) * s, c + QPointF(0, -40) * s}, 3 * s, wood);
    paint::stroke(p, {c + QPointF(14, 40) * s, c + QPointF(0, -40) * s}, 3 * s, wood);
    const QRectF canvas(c.x() - 20 * s, c.y() - 30 * s, 40 * s, 44 * s);
    paint::rect(p, canvas, paper, true);
    p.save();
    p.setClipRect(canvas);
    if (progress >= 1)
        paint::ellipse(p, canvas.topLeft() + QPointF(28, 10) * s, 6 * s, 6 * s, red, false);
    if (progress >= 2)
        paint::ellipse(p, canvas.center() + QPointF(0, 26 * s), 30 * s, 12 * s, green, false);
    if (progress >= 3)
        drawDaisy(p, canvas.center() + QPointF(-6, 4) * s, 5 * s, yellow);
    p.restore();
    paint::rect(p, {c.x() - 24 * s, c.y() + 14 * s, 48 * s, 4 * s}, wood, true);
}

void drawBrush(QPainter &p, QPointF hand, double angle, QRgb tip)
{
    rotated(p, hand, angle, [&] {
        paint::stroke(p, {{0, 6}, {0, -16}}, 2.5, woodLight);
        paint::ellipse(p, {0, -19}, 2.5, 4, tip);
    });
}

void drawPegBoard(QPainter &p, QPointF c, double s, bool grey)
{
    paint::ellipse(p, c, 22 * s, 19 * s, grey ? greyLight : wood);
    paint::ellipse(p, c, 19 * s, 16 * s, grey ? colours::grey : woodLight, false);
    for (int y = -3; y <= 3; ++y)
        for (int x = -3; x <= 3; ++x) {
            if ((std::abs(x) > 1 && std::abs(y) > 1))
                continue;
            const QPointF h = c + QPointF(x * 4.6 * s, y * 3.9 * s);
            if (x == 0 && y == 0)
                paint::ellipse(p, h, 1.2 * s, 1.2 * s, woodShade, false);
            else
                paint::ellipse(p, h, 1.7 * s, 1.7 * s, grey ? greyDark : bookBlue, false);
        }
}

void drawCard(QPainter &p, QPointF c, double s, int face, double angle)
{
    rotated(p, c, angle, [&] {
        const QRectF r(-8 * s, -12 * s, 16 * s, 24 * s);
        paint::rect(p, r, face == 0 ? purple : paper, true, 2);
        if (face == 0) {
            paint::star(p, {0, 0}, 5 * s, yellow, false);
        } else if (face == 1) {
            paint::ellipse(p, {0, 0}, 5 * s, 5 * s, yellow);
        } else if (face == 2) {
            drawMoon(p, {0, 0}, 5 * s);
        } else {
            paint::heart(p, {0, 0}, 5 * s, red);
        }
    });
}

void drawWreath(QPainter &p, QPointF c, double r)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colours::c(outline), 8));
    p.drawEllipse(c, r, r * 0.45);
    p.setPen(QPen(colours::c(green), 5));
    p.drawEllipse(c, r, r * 0.45);
    p.restore();
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        drawDaisy(p, c + QPointF(std::cos(a) * r, std::sin(a) * r * 0.45), 3.2,
                  i % 2 ? white : pink);
    }
}

void drawPuppy(QPainter &p, QPointF c, double s, bool wag)
{
    const QRgb fur = 0xfff0d8b0, ear = 0xffb07a48;
    paint::stroke(p, {c + QPointF(14, 2) * s, c + QPointF(wag ? 24 : 20, wag ? -10 : -8) * s},
                  3 * s, fur);
    paint::ellipse(p, c + QPointF(4, 4) * s, 14 * s, 9 * s, fur);
    for (double x : {-6.0, 2.0, 10.0})
        paint::rect(p, {c.x() + x * s, c.y() + 9 * s, 5 * s, 6 * s}, fur, true, 2);
    paint::ellipse(p, c + QPointF(-10, -8) * s, 10 * s, 9 * s, fur);
    paint::ellipse(p, c + QPointF(-19, -8) * s, 4 * s, 7 * s, ear);
    paint::ellipse(p, c + QPointF(-1, -8) * s, 4 * s, 7 * s, ear);
    paint::ellipse(p, c + QPointF(-13, -9) * s, 1.5 * s, 1.8 * s, outline, false);
    paint::ellipse(p, c + QPointF(-7, -9) * s, 1.5 * s, 1.8 * s, outline, false);
    paint::ellipse(p, c + QPointF(-10, -4) * s, 2 * s, 1.5 * s, outline, false);
}

void drawTray(QPainter &p, QPointF c, int cookies, bool baked)
{
    paint::rect(p, {c.x() - 30, c.y() - 6, 60, 12}, metal, true, 2);
    for (int i = 0; i < cookies; ++i) {
        const QPointF at = c + QPointF(-20 + (i % 4) * 13, -2 + (i / 4) * 0);
        if (baked)
            drawCookie(p, at, 5);
        else
            paint::ellipse(p, at, 5, 4, 0xfff8e8c8);
    }
}

void drawMixingBowl(QPainter &p, QPointF c, bool stirring)
{
    paint::ellipse(p, c + QPointF(0, -6), 22, 6, 0xfff8e8c8);
    QPainterPath bowlPath(c + QPointF(-24, -6));
    bowlPath.quadTo(c + QPointF(-22, 16), c + QPointF(0, 16));
    bowlPath.quadTo(c + QPointF(22, 16), c + QPointF(24, -6));
    bowlPath.quadTo(c + QPointF(0, 0), c + QPointF(-24, -6));
    paint::fill(p, bowlPath, white);
    paint::stroke(p, {c + QPointF(stirring ? 6 : -6, -6), c + QPointF(stirring ? 16 : 2, -30)}, 3,
                  woodLight);
}

void drawOven(QPainter &p, const QRectF &r, bool glowing)
{
    paint::rect(p, r, metal, true, 3);
    const QRectF door = r.adjusted(6, 14, -6, -6);
    paint::rect(p, door, glowing ? orange : black, true, 2);
    for (double x = r.left() + 8; x < r.right() - 4; x += 10)
        paint::ellipse(p, {x, r.top() + 7}, 2.5, 2.5, black, false);
}

void drawTrophy(QPainter &p, QPointF c, double s)
{
    paint::rect(p, {c.x() - 10 * s, c.y() + 14 * s, 20 * s, 6 * s}, woodShade, true);
    paint::rect(p, {c.x() - 3 * s, c.y() + 4 * s, 6 * s, 10 * s}, yellowShade, true);
    QPainterPath cup(c + QPointF(-14, -16) * s);
    cup.lineTo(c + QPointF(14, -16) * s);
    cup.quadTo(c + QPointF(14, 6) * s, c + QPointF(0, 6) * s);
    cup.quadTo(c + QPointF(-14, 6) * s, c + QPointF(-14, -16) * s);
    paint::shaded(p, cup, yellow, paint::ellipsePath(c + QPointF(12, -4) * s, 8 * s, 14 * s),
                  yellowShade);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colours::c(outline), 4 * s));
    p.drawArc(QRectF(c.x() - 22 * s, c.y() - 14 * s, 12 * s, 12 * s), 90 * 16, 180 * 16);
    p.drawArc(QRectF(c.x() + 10 * s, c.y() - 14 * s, 12 * s, 12 * s), -90 * 16, 180 * 16);
    p.restore();
    paint::star(p, c + QPointF(0, -6) * s, 5 * s, white, false);
}

void drawFlag(QPainter &p, QPointF pole, double s, bool waving)
{
    paint::stroke(p, {pole, pole + QPointF(0, -40) * s}, 2 * s, metalShade);
    QPainterPath flag(pole + QPointF(0, -40) * s);
    flag.quadTo(pole + QPointF(10, waving ? -46 : -38) * s, pole + QPointF(22, -40) * s);
    flag.lineTo(pole + QPointF(22, -26) * s);
    flag.quadTo(pole + QPointF(10, waving ? -32 : -24) * s, pole + QPointF(0, -26) * s);
    flag.closeSubpath();
    paint::fill(p, flag, white);
    p.save();
    p.setClipPath(flag);
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 4; ++j)
            if ((i + j) % 2)
                p.fillRect(QRectF(pole.x() + i * 4 * s, pole.y() - 46 * s + j * 5 * s, 4 * s,
                                  5 * s),
                           colours::c(black));
    p.restore();
}

void drawGift(QPainter &p, QPointF c, double w, double h, QRgb box, QRgb ribbon)
{
    paint::rect(p, {c.x() - w / 2, c.y() - h / 2, w, h}, box, true, 2);
    paint::rect(p, {c.x() - w / 10, c.y() - h / 2, w / 5, h}, ribbon, true);
    paint::ellipse(p, c + QPointF(-w / 6, -h / 2 - 3), w / 6, h / 8, ribbon);
    paint::ellipse(p, c + QPointF(w / 6, -h / 2 - 3), w / 6, h / 8, ribbon);
}

void drawKadomatsu(QPainter &p, QPointF base, double s)
{
    for (auto [dx, h] : {std::pair{-6.0, 46.0}, std::pair{6.0, 40.0}, std::pair{0.0, 54.0}}) {
        QPainterPath b(base + QPointF(dx - 4, 0) * s);
        b.lineTo(base + QPointF(dx - 4, -h + 6) * s);
        b.lineTo(base + QPointF(dx + 4, -h) * s);
        b.lineTo(base + QPointF(dx + 4, 0) * s);
        b.closeSubpath();
        paint::fill(p, b, green);
    }
    paint::rect(p, {base.x() - 14 * s, base.y() - 16 * s, 28 * s, 18 * s}, woodLight, true, 2);
    paint::line(p, base + QPointF(-14, -8) * s, base + QPointF(14, -8) * s, red, 2);
    paint::ellipse(p, base + QPointF(-12, -18) * s, 5 * s, 3 * s, grassShade);
    paint::ellipse(p, base + QPointF(12, -18) * s, 5 * s, 3 * s, grassShade);
}

void drawBeanBox(QPainter &p, QPointF c, double s)
{
    paint::polygon(p, QPolygonF{c + QPointF(-12, -6) * s, c + QPointF(12, -6) * s,
                                c + QPointF(10, 10) * s, c + QPointF(-10, 10) * s},
                   woodLight);
    for (double x : {-7.0, -2.0, 3.0, 8.0, -4.0, 5.0})
        paint::ellipse(p, c + QPointF(x, x > 0 && x < 4 ? -9 : -7) * s, 2.4 * s, 2.2 * s,
                       0xfff0d8a0);
    paint::polygon(p, QPolygonF{c + QPointF(-12, -6) * s, c + QPointF(12, -6) * s,
                                c + QPointF(10, 10) * s, c + QPointF(-10, 10) * s},
                   0x00000000);
}

void drawOniMask(QPainter &p, QPointF c, double s)
{
    paint::ellipse(p, c, 14 * s, 15 * s, red);
    paint::polygon(p, QPolygonF{c + QPointF(-10, -10) * s, c + QPointF(-6, -24) * s,
                                c + QPointF(-3, -12) * s},
                   yellow);
    paint::polygon(p, QPolygonF{c + QPointF(10, -10) * s, c + QPointF(6, -24) * s,
                                c + QPointF(3, -12) * s},
                   yellow);
    paint::ellipse(p, c + QPointF(-5, -2) * s, 3 * s, 3 * s, white);
    paint::ellipse(p, c + QPointF(5, -2) * s, 3 * s, 3 * s, white);
    paint::rect(p, {c.x() - 6 * s, c.y() + 6 * s, 12 * s, 4 * s}, white, true);
    paint::ellipse(p, c + QPointF(0, -14) * s, 10 * s, 3 * s, black, false);
}

void drawHinaDolls(QPainter &p, QPointF c, double s)
{
    // two tiers of red cloth with the emperor and empress dolls on top
    paint::rect(p, {c.x() - 40 * s, c.y(), 80 * s, 14 * s}, red, true);
    paint::rect(p, {c.x() - 50 * s, c.y() + 14 * s, 100 * s, 14 * s}, red, true);
    for (auto [dx, robe] : {std::pair{-14.0, bookBlue}, std::pair{14.0, kimono}}) {
        const QPointF d = c + QPointF(dx, 0) * s;
        paint::polygon(p, QPolygonF{d + QPointF(-11, 0) * s, d + QPointF(11, 0) * s,
                                    d + QPointF(5, -18) * s, d + QPointF(-5, -18) * s},
                       robe);
        paint::ellipse(p, d + QPointF(0, -23) * s, 6 * s, 6 * s, white);
        paint::ellipse(p, d + QPointF(0, -27) * s, 6.5 * s, 3.5 * s, black, false);
    }
    for (double dx : {-34.0, -8.0, 8.0, 34.0})
        paint::ellipse(p, c + QPointF(dx, 14 + 0) * s + QPointF(0, -5 * s), 4 * s, 5 * s,
                       dx < 0 ? pink : white);
}

void drawCarpStreamer(QPainter &p, QPointF head, double len, QRgb body, double wave)
{
    QPainterPath fish(head + QPointF(0, -6));
    fish.cubicTo(head + QPointF(len * 0.4, -9 + wave), head + QPointF(len * 0.7, -6 - wave),
                 head + QPointF(len, -9 + wave));
    fish.lineTo(head + QPointF(len * 0.9, wave));
    fish.lineTo(head + QPointF(len, 9 + wave));
    fish.cubicTo(head + QPointF(len * 0.7, 6 - wave), head + QPointF(len * 0.4, 9 + wave),
                 head + QPointF(0, 6));
    fish.closeSubpath();
    paint::fill(p, fish, body);
    paint::ellipse(p, head + QPointF(5, 0), 3.5, 3.5, white);
    paint::ellipse(p, head + QPointF(5, 0), 1.5, 1.5, outline, false);
    for (double f : {0.35, 0.55, 0.75}) {
        QPainterPath scale(head + QPointF(len * f, -5));
        scale.quadTo(head + QPointF(len * f + 6, 0), head + QPointF(len * f, 5));
        p.save();
        p.setPen(QPen(colours::c(white), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(scale);
        p.restore();
    }
}

void drawDango(QPainter &p, QPointF c, double s)
{
    paint::stroke(p, {c + QPointF(-2, 22) * s, c + QPointF(2, -24) * s}, 1.5 * s, woodLight);
    paint::ellipse(p, c + QPointF(0, 10) * s, 6 * s, 6 * s, green);
    paint::ellipse(p, c + QPointF(0, -1) * s, 6 * s, 6 * s, white);
    paint::ellipse(p, c + QPointF(0, -12) * s, 6 * s, 6 * s, pink);
}

void drawMoon(QPainter &p, QPointF c, double r)
{
    paint::ellipse(p, c, r, r, moon);
    paint::ellipse(p, c + QPointF(-r * 0.3, -r * 0.2), r * 0.2, r * 0.2, 0xfff0dc90, false);
    paint::ellipse(p, c + QPointF(r * 0.3, r * 0.3), r * 0.15, r * 0.15, 0xfff0dc90, false);
}

void drawTree(QPainter &p, QPointF base, double s, bool lit)
{
    paint::rect(p, {base.x() - 4 * s, base.y() - 10 * s, 8 * s, 10 * s}, wood, true);
    for (int i = 0; i < 3; ++i) {
        const double y = base.y() - 10 * s - i * 18 * s;
        const double w = (26 - i * 6) * s;
        paint::polygon(p, QPolygonF{{base.x() - w, y}, {base.x() + w, y},
                                    {base.x(), y - 28 * s}},
                       green);
    }
    paint::star(p, base + QPointF(0, -76) * s, 7 * s, yellow);
    const QRgb balls[] = {red, yellow, cyan, pink};
    int k = 0;
    for (auto [dx, dy] : {std::pair{-12, -18}, std::pair{10, -22}, std::pair{-6, -38},
                          std::pair{8, -44}, std::pair{0, -60}, std::pair{-16, -14}})
        paint::ellipse(p, base + QPointF(dx, dy) * s, 2.8 * s, 2.8 * s,
                       lit ? balls[(k++) % 4] : balls[(k++ + 1) % 4]);
}

void drawSteam(QPainter &p, QPointF c, int phase)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colours::c(white), 2.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 2; ++i) {
        const double x = c.x() + (i ? 6 : -6);
        const double sway = (phase + i) % 2 ? 3 : -3;
        QPainterPath s(QPointF(x, c.y()));
        s.cubicTo(QPointF(x + sway, c.y() - 6), QPointF(x - sway, c.y() - 10),
                  QPointF(x, c.y() - 16));
        p.drawPath(s);
    }
    p.restore();
}

void drawSofa(QPainter &p, double top)
{
    paint::rect(p, {4, top, 142, 40}, bookBlue, true, 12);
    paint::rect(p, {-4, top + 24, 30, 50}, bookBlue, true, 10);
    paint::rect(p, {124, top + 24, 30, 50}, bookBlue, true, 10);
}

void drawGrassTuft(QPainter &p, QPointF base, double s, bool bent)
{
    for (int i = -2; i <= 2; ++i) {
        const QPointF tip = base + QPointF(i * 6 + (bent ? 14 : 0), -42 + std::abs(i) * 5) * s;
        paint::stroke(p, {base + QPointF(i * 2, 0) * s, (base + tip) / 2 + QPointF(bent ? 4 : 0, 0),
                          tip},
                      1.5 * s, grassShade);
        paint::ellipse(p, tip + QPointF(0, 4 * s), 3 * s, 6 * s, 0xffe8dcc0);
    }
}

void drawHeadphonePlayer(QPainter &p, QPointF c)
{
    paint::rect(p, {c.x() - 7, c.y() - 10, 14, 20}, bookBlue, true, 3);
    paint::ellipse(p, c + QPointF(0, 3), 4, 4, greyLight);
}

void drawQuestionMark(QPainter &p, QPointF c, double s, QRgb colour)
{
    p.save();
    QPainterPath q;
    q.moveTo(c + QPointF(-6, -6) * s);
    q.cubicTo(c + QPointF(-6, -16) * s, c + QPointF(8, -16) * s, c + QPointF(7, -7) * s);
    q.cubicTo(c + QPointF(6, -1) * s, c + QPointF(0, -1) * s, c + QPointF(0, 5) * s);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colours::c(outline), 7 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(q);
    p.setPen(QPen(colours::c(colour), 4 * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(q);
    p.restore();
    paint::ellipse(p, c + QPointF(0, 12) * s, 2.8 * s, 2.8 * s, colour);
}
