// The games' pictures: the panels of the memory game and the pet's frames in the three games,
// the same figure as in the strips on a plain background, at 120 × 176.
#include "artwork.h"
#include "colours.h"
#include "figure.h"
#include "output.h"
#include "paint.h"
#include "scenery.h"

#include <QImage>
#include <QPainter>

#include <functional>

using namespace colours;

namespace {

bool savePng(const QString &path, int w, int h, int scale,
             const std::function<void(QPainter &)> &d)
{
    QImage image = output::canvas(w, h, scale, Qt::white);
    QPainter p(&image);
    paint::begin(p);
    d(p);
    p.end();
    return output::savePng(scaledpicture::pathAt(path, scale),
                           image.convertToFormat(QImage::Format_RGB32));
}

void plainBackground(QPainter &p)
{
    p.fillRect(QRectF(0, 0, 150, 220), colours::c(0xffe8f4ff));
    for (int i = 0; i < 6; ++i)
        paint::ellipse(p, {12.0 + i * 26, 196}, 22, 14, 0xffd0e8fa, false);
    p.fillRect(QRectF(0, 190, 150, 30), colours::c(0xffd0e8fa));
}

bool petFrame(const QString &path, int scale, const std::function<void(QPainter &)> &d)
{
    return savePng(path, 120, 176, scale, [&](QPainter &p) {
        p.scale(0.8, 0.8);
        plainBackground(p);
        d(p);
    });
}

// The three throws of the hand game, drawn large in front of the pet's raised hand.
void handSign(QPainter &p, QPointF c, int sign)
{
    if (sign == 0) { // ぐー
        paint::ellipse(p, c, 11, 10, skin);
        for (int i = 0; i < 3; ++i)
            paint::line(p, c + QPointF(-6 + i * 6, -6), c + QPointF(-6 + i * 6, -1), outline, 1.5);
        return;
    }
    const int fingers = sign == 1 ? 2 : 5;
    for (int i = 0; i < fingers; ++i) {
        const double a = sign == 1 ? (-105 + i * 30) : (-160 + i * 35);
        const double rad = a * M_PI / 180;
        paint::stroke(p, {c, c + QPointF(std::cos(rad), std::sin(rad)) * (sign == 1 ? 20 : 17)},
                      5, skin);
    }
    paint::ellipse(p, c, 10, 9, skin);
}

Pose base()
{
    Pose pose;
    return pose;
}

} // namespace

bool writeGameArt(const QString &dir, int scale)
{
    bool ok = true;
    auto out = [&](const QString &name) { return dir + QLatin1Char('/') + name; };
    // panels: a back and six faces
    ok = savePng(out(QStringLiteral("panel0.png")), 32, 32, scale, [](QPainter &p) {
        paint::rect(p, {1, 1, 30, 30}, bookBlue, true, 4);
        paint::rect(p, {5, 5, 22, 22}, 0xff6a8ee0, false, 3);
        paint::text(p, {1, 1, 30, 30}, QStringLiteral("?"), white, 18);
    }) && ok;
    const QList<std::function<void(QPainter &)>> faces = {
        [](QPainter &p) { // sun
            for (int i = 0; i < 8; ++i) {
                const double a = i * M_PI / 4;
                paint::line(p, {16 + std::cos(a) * 9, 16 + std::sin(a) * 9},
                            {16 + std::cos(a) * 14, 16 + std::sin(a) * 14}, orange, 3);
            }
            paint::ellipse(p, {16, 16}, 8, 8, yellow);
        },
        [](QPainter &p) { paint::star(p, {16, 17}, 13, yellow); },
        [](QPainter &p) { paint::heart(p, {16, 17}, 12, pink); },
        [](QPainter &p) { drawDaisy(p, {16, 16}, 11, purple); },
        [](QPainter &p) { paint::note(p, {13, 23}, 14, cyan); },
        [](QPainter &p) { drawCar(p, {16, 17}, 0.6, red); },
    };
    for (int i = 0; i < faces.size(); ++i) {
        const QString name = QStringLiteral("panel%1.png").arg(i + 1);
        ok = savePng(out(name), 32, 32, scale, [&](QPainter &p) {
            paint::rect(p, {1, 1, 30, 30}, 0xfffffbf0, true, 4);
            faces[i](p);
        }) && ok;
    }

    auto figure = [&](const QString &name, const std::function<void(Pose &)> &setUp,
                      const std::function<void(QPainter &, const Pose &)> &extra = {}) {
        ok = petFrame(out(name), scale, [&](QPainter &p) {
            Pose pose = base();
            setUp(pose);
            drawFigure(p, pose);
            if (extra)
                extra(p, pose);
        }) && ok;
    };
    // panel flipping
    figure(QStringLiteral("flip1.png"), [](Pose &s) {
        s.eyes = Eyes::Wink;
        s.mouth = Mouth::Grin;
        s.right = arms::point(Side::Right, 0, -1);
    });
    figure(QStringLiteral("flip2.png"), [](Pose &s) {
        s.left = arms::raise(Side::Left);
        s.right = arms::raise(Side::Right);
        s.eyes = Eyes::Happy;
        s.mouth = Mouth::Grin;
    }, [](QPainter &p, const Pose &) { paint::sparkle(p, {22, 40}, 7, yellow); });
    figure(QStringLiteral("flip3.png"), [](Pose &s) {
        s.right = arms::cheek(Side::Right);
        s.gaze = {0.6, -1};
        s.mouth = Mouth::Wavy;
        s.brows = Brows::Worried;
        s.sweat = true;
    });
    figure(QStringLiteral("flip4.png"), [](Pose &s) {
        s.eyes = Eyes::Sad;
        s.mouth = Mouth::Frown;
        s.brows = Brows::Worried;
        s.tears = true;
        s.tilt = 8;
        s.left = arms::front(Side::Left);
        s.right = arms::front(Side::Right);
    });
    figure(QStringLiteral("flip5.png"), [](Pose &s) {
        s.tilt = 14;
        s.mouth = Mouth::O;
        s.right = arms::head(Side::Right);
    }, [](QPainter &p, const Pose &) { drawQuestionMark(p, {26, 40}, 1.2, cyan); });
    figure(QStringLiteral("flip6.png"), [](Pose &s) {
        s.mouth = Mouth::Open;
        s.brows = Brows::Angry;
        s.left = arms::hip(Side::Left);
        s.right = arms::raise(Side::Right);
    });
    // the look-away game
    figure(QStringLiteral("look1.png"), [](Pose &) {});
    figure(QStringLiteral("look2.png"), [](Pose &s) {
        s.left = arms::hip(Side::Left);
        s.right = arms::hip(Side::Right);
        s.mouth = Mouth::Grin;
        s.brows = Brows::Angry;
    });
    for (int sign = 0; sign < 3; ++sign)
        figure(QStringLiteral("look%1.png").arg(3 + sign), [](Pose &s) {
            s.right = arms::wave(Side::Right);
            s.right.hand = {36, 20};
            s.mouth = Mouth::Open;
        }, [sign](QPainter &p, const Pose &s) { handSign(p, handAt(s, Side::Right), sign); });
    const int dirs[4][2] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
    for (int d = 0; d < 4; ++d) {
        figure(QStringLiteral("look%1.png").arg(6 + d), [&](Pose &s) {
            const Side side = dirs[d][0] < 0 ? Side::Left : Side::Right;
            (side == Side::Left ? s.left : s.right) = arms::point(side, dirs[d][0], dirs[d][1]);
            s.mouth = Mouth::Open;
        });
        figure(QStringLiteral("look%1.png").arg(10 + d), [&](Pose &s) {
            s.turn = {dirs[d][0] * 0.8, dirs[d][1] * 0.8};
            s.gaze = {double(dirs[d][0]), double(dirs[d][1])};
            s.tilt = dirs[d][0] * 12;
            s.at += QPointF(dirs[d][0] * 4, dirs[d][1] * 3);
            s.mouth = Mouth::O;
        });
    }
    figure(QStringLiteral("look14.png"), [](Pose &s) {
        s.left = arms::raise(Side::Left);
        s.right = arms::raise(Side::Right);
        s.eyes = Eyes::Happy;
        s.mouth = Mouth::Grin;
    });
    figure(QStringLiteral("look15.png"), [](Pose &s) {
        s.eyes = Eyes::Tight;
        s.mouth = Mouth::Wavy;
        s.tears = true;
        s.right = arms::head(Side::Right);
    });
    figure(QStringLiteral("look16.png"), [](Pose &s) {
        s.eyes = Eyes::Wide;
        s.mouth = Mouth::O;
        s.brows = Brows::Raised;
        s.left = arms::chest(Side::Left);
        s.right = arms::chest(Side::Right);
    });
    // the word chain
    figure(QStringLiteral("chain1.png"), [](Pose &s) {
        s.right = arms::point(Side::Right, 0, -1);
        s.mouth = Mouth::Open;
    });
    figure(QStringLiteral("chain2.png"), [](Pose &s) {
        s.left = arms::raise(Side::Left);
        s.right = arms::raise(Side::Right);
        s.eyes = Eyes::Happy;
        s.mouth = Mouth::Grin;
    }, [](QPainter &p, const Pose &) { paint::heart(p, {124, 44}, 7, pink); });
    figure(QStringLiteral("chain3.png"), [](Pose &s) {
        s.left = arms::head(Side::Left);
        s.right = arms::head(Side::Right);
        s.eyes = Eyes::Tight;
        s.mouth = Mouth::Wavy;
        s.sweat = true;
    });
    figure(QStringLiteral("chain4.png"), [](Pose &s) {
        s.eyes = Eyes::Sad;
        s.mouth = Mouth::Frown;
        s.brows = Brows::Worried;
        s.tears = true;
    });
    figure(QStringLiteral("chain5.png"), [](Pose &s) {
        s.right = arms::cheek(Side::Right);
        s.gaze = {-0.6, -1};
        s.mouth = Mouth::Flat;
    }, [](QPainter &p, const Pose &) { paint::text(p, {100, 20, 50, 30}, QStringLiteral("…"), outline, 20); });
    figure(QStringLiteral("chain6.png"), [](Pose &s) {
        s.left = arms::cheek(Side::Left);
        s.gaze = {1, -0.5};
        s.mouth = Mouth::Smile;
        s.tilt = -8;
    });
    return ok;
}
