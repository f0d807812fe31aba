// The files the pet leaves on the desktop now and then: crayon pictures it drew, a postcard from
// home and a few short letters. Their delivered names are listed in data/dat/Present.dat.utf8.
#include "artwork.h"
#include "colours.h"
#include "output.h"
#include "paint.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QtMath>

#include <functional>

using namespace colours;

namespace {

// A small fixed-seed generator: the wobble of the crayon is the same on every run.
class Wobble
{
public:
    explicit Wobble(quint32 seed) : m_state(seed * 2654435761u + 1) {}
    double next(double range)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return (double(m_state >> 8) / double(1 << 24) - 0.5) * 2 * range;
    }

private:
    quint32 m_state;
};

class Crayon
{
public:
    Crayon(QPainter &p, quint32 seed) : m_p(p), m_w(seed) {}

    void fill(const QPainterPath &shape, QRgb colour)
    {
        m_p.save();
        m_p.setClipPath(shape);
        QColor c = colours::c(colour);
        c.setAlpha(190);
        m_p.setPen(QPen(c, 3.2, Qt::SolidLine, Qt::RoundCap));
        const QRectF r = shape.boundingRect().adjusted(-6, -6, 6, 6);
        for (double x = r.left() - r.height(); x < r.right(); x += 3.4) {
            m_p.drawLine(QPointF(x + m_w.next(1.5), r.bottom() + m_w.next(2)),
                         QPointF(x + r.height() + m_w.next(1.5), r.top() + m_w.next(2)));
        }
        m_p.restore();
        line(shape, colour, 2.2);
    }

    void line(const QPainterPath &path, QRgb colour, double width = 3)
    {
        QColor c = colours::c(colour);
        c.setAlpha(220);
        m_p.save();
        m_p.setBrush(Qt::NoBrush);
        for (int pass = 0; pass < 2; ++pass) {
            m_p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            m_p.drawPath(path.translated(m_w.next(1.2), m_w.next(1.2)));
        }
        m_p.restore();
    }

    void circle(QPointF c, double r, QRgb colour) { fill(paint::ellipsePath(c, r, r), colour); }
    void blob(QPointF c, double rx, double ry, QRgb colour)
    {
        fill(paint::ellipsePath(c, rx, ry), colour);
    }
    void stroke(QPointF a, QPointF b, QRgb colour, double width = 4)
    {
        QPainterPath path(a);
        path.lineTo(b);
        line(path, colour, width);
    }
    void sun(QPointF c, double r)
    {
        circle(c, r, 0xffffc020);
        for (int i = 0; i < 10; ++i) {
            const double a = i * M_PI / 5;
            stroke(c + QPointF(std::cos(a), std::sin(a)) * (r + 5),
                   c + QPointF(std::cos(a), std::sin(a)) * (r + 16), 0xffff9a20);
        }
    }
    void flower(QPointF c, double r, QRgb petal)
    {
        stroke(c, c + QPointF(0, 60), 0xff40a040, 4);
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4;
            blob(c + QPointF(std::cos(a), std::sin(a)) * r, r * 0.55, r * 0.55, petal);
        }
        circle(c, r * 0.6, 0xff8a5020);
    }
    void kid(QPointF c, QRgb hairColour, QRgb shirt, bool longHair)
    {
        if (longHair)
            blob(c + QPointF(0, 12), 24, 32, hairColour);
        circle(c, 20, 0xffffe0c8);
        fill(paint::polyPath(QPolygonF{c + QPointF(-16, 22), c + QPointF(16, 22),
                                       c + QPointF(22, 62), c + QPointF(-22, 62)}),
             shirt);
        blob(c + QPointF(0, -14), 20, 9, hairColour);
        circle(c + QPointF(-7, 0), 2.5, 0xff303030);
        circle(c + QPointF(7, 0), 2.5, 0xff303030);
        QPainterPath smile(c + QPointF(-6, 8));
        smile.quadTo(c + QPointF(0, 14), c + QPointF(6, 8));
        line(smile, 0xffd04040, 2);
        stroke(c + QPointF(-8, 62), c + QPointF(-10, 84), 0xff303060);
        stroke(c + QPointF(8, 62), c + QPointF(10, 84), 0xff303060);
    }
    void caption(const QString &text)
    {
        paint::text(m_p, {10, 204, 300, 30}, text, 0xff5a4a9a, 18, true,
                    Qt::AlignRight | Qt::AlignVCenter);
    }

private:
    QPainter &m_p;
    Wobble m_w;
};

struct Drawing {
    QString file;
    std::function<void(Crayon &, QPainter &)> draw;
};

QList<Drawing> drawings()
{
    const QRgb grassC = 0xff58b848, skyC = 0xff88c8f8;
    return {
        {QStringLiteral("pre01.png"), [=](Crayon &c, QPainter &) {
             c.sun({262, 52}, 24);
             c.fill(paint::roundRect({0, 200, 320, 40}, 0), grassC);
             c.flower({90, 90}, 22, 0xfff8d020);
             c.flower({170, 110}, 18, 0xfff8d020);
             c.flower({240, 130}, 14, 0xfff8d020);
             c.caption(QStringLiteral("ひまわり　ピモ"));
         }},
        {QStringLiteral("pre02.png"), [=](Crayon &c, QPainter &) {
             c.sun({50, 46}, 20);
             c.fill(paint::roundRect({0, 196, 320, 44}, 0), grassC);
             c.fill(paint::polyPath(QPolygonF{{110, 110}, {230, 110}, {230, 200}, {110, 200}}),
                    0xfff8e0b0);
             c.fill(paint::polyPath(QPolygonF{{96, 112}, {170, 52}, {244, 112}}), 0xffe04848);
             c.fill(paint::roundRect({156, 150, 28, 50}, 0), 0xffa06030);
             c.fill(paint::roundRect({124, 126, 22, 20}, 0), skyC);
             c.fill(paint::roundRect({196, 126, 22, 20}, 0), skyC);
             c.caption(QStringLiteral("ぼくのおうち"));
         }},
        {QStringLiteral("pre03.png"), [=](Crayon &c, QPainter &) {
             c.kid({110, 90}, 0xfff0c040, 0xffe85a50, true);
             c.kid({210, 84}, 0xff3a2c2c, 0xff506050, false);
             c.caption(QStringLiteral("ぼくとガルド"));
         }},
        {QStringLiteral("pre04.png"), [=](Crayon &c, QPainter &) {
             c.fill(paint::roundRect({0, 150, 320, 90}, 0), 0xffa0a0a0);
             c.fill(paint::polyPath(QPolygonF{{60, 150}, {90, 110}, {200, 104}, {250, 130},
                                              {270, 150}}),
                    0xff3060d0);
             c.circle({100, 156}, 18, 0xff303030);
             c.circle({230, 156}, 18, 0xff303030);
             for (int i = 0; i < 3; ++i)
                 c.stroke({20.0, 100.0 + i * 16}, {50.0, 100.0 + i * 16}, 0xff707070);
             c.caption(QStringLiteral("ミニ四駆　はやいぞ！"));
         }},
        {QStringLiteral("pre05.png"), [=](Crayon &c, QPainter &) {
             const QRgb bands[] = {0xffe84040, 0xffff9a30, 0xfff8e040, 0xff50c050, 0xff4090e0,
                                   0xff9060d0};
             for (int i = 0; i < 6; ++i) {
                 QPainterPath arc;
                 arc.arcMoveTo(QRectF(30 + i * 12, 40 + i * 12, 260 - i * 24, 260 - i * 24), 0);
                 arc.arcTo(QRectF(30 + i * 12, 40 + i * 12, 260 - i * 24, 260 - i * 24), 0, 180);
                 c.line(arc, bands[i], 9);
             }
             c.blob({60, 176}, 40, 18, 0xffffffff);
             c.blob({262, 176}, 40, 18, 0xffffffff);
             c.caption(QStringLiteral("にじ"));
         }},
        {QStringLiteral("pre06.png"), [=](Crayon &c, QPainter &) {
             c.fill(paint::roundRect({0, 190, 320, 50}, 0), grassC);
             c.blob({160, 140}, 60, 40, 0xfff0d0a0);
             c.circle({110, 110}, 34, 0xfff0d0a0);
             c.blob({84, 92}, 10, 20, 0xffb07a48);
             c.blob({136, 92}, 10, 20, 0xffb07a48);
             c.circle({100, 106}, 4, 0xff303030);
             c.circle({120, 106}, 4, 0xff303030);
             c.circle({110, 120}, 5, 0xff303030);
             c.stroke({216, 124}, {250, 96}, 0xfff0d0a0, 8);
             c.caption(QStringLiteral("こいぬ　かわいいね"));
         }},
        {QStringLiteral("pre07.png"), [=](Crayon &c, QPainter &p) {
             p.fillRect(QRectF(0, 0, 320, 240), colours::c(0xff283870));
             c.circle({250, 60}, 28, 0xfffff0a0);
             for (int i = 0; i < 14; ++i)
                 c.circle({20.0 + (i * 73) % 290, 20.0 + (i * 41) % 150}, 3, 0xfffff080);
             c.fill(paint::roundRect({0, 200, 320, 40}, 0), 0xff204020);
             c.caption(QStringLiteral("おほしさま　きらきら"));
         }},
        {QStringLiteral("pre08.png"), [=](Crayon &c, QPainter &p) {
             p.fillRect(QRectF(0, 0, 320, 240), colours::c(0xffd8ecff));
             c.circle({160, 160}, 48, 0xffffffff);
             c.circle({160, 84}, 34, 0xffffffff);
             c.circle({148, 78}, 4, 0xff303030);
             c.circle({172, 78}, 4, 0xff303030);
             c.fill(paint::polyPath(QPolygonF{{160, 86}, {184, 92}, {160, 94}}), 0xffff8030);
             c.fill(paint::polyPath(QPolygonF{{128, 56}, {192, 56}, {180, 20}, {140, 20}}),
                    0xffe04848);
             c.stroke({112, 150}, {70, 120}, 0xff8a5020);
             c.stroke({208, 150}, {250, 120}, 0xff8a5020);
             c.caption(QStringLiteral("ゆきだるま"));
         }},
        {QStringLiteral("pre09.png"), [=](Crayon &c, QPainter &) {
             c.fill(paint::roundRect({80, 120, 160, 70}, 8), 0xfffff0d0);
             c.fill(paint::roundRect({80, 110, 160, 20}, 8), 0xffffffff);
             for (int i = 0; i < 4; ++i) {
                 c.circle({110.0 + i * 34, 100}, 10, 0xffe83040);
                 c.stroke({110.0 + i * 34, 70}, {110.0 + i * 34, 88}, 0xff60a0e0, 5);
             }
             c.caption(QStringLiteral("ケーキ　いっしょにたべよう"));
         }},
        {QStringLiteral("pre10.png"), [=](Crayon &c, QPainter &) {
             c.fill(paint::roundRect({0, 170, 320, 70}, 0), 0xff40a0e0);
             c.sun({60, 60}, 22);
             c.fill(paint::polyPath(QPolygonF{{120, 170}, {240, 170}, {222, 190}, {138, 190}}),
                    0xffc06030);
             c.stroke({180, 170}, {180, 70}, 0xff8a5020);
             c.fill(paint::polyPath(QPolygonF{{184, 76}, {184, 160}, {250, 160}}), 0xffffffff);
             c.caption(QStringLiteral("うみ　いってみたいな"));
         }},
        {QStringLiteral("pre11.png"), [=](Crayon &c, QPainter &) {
             c.fill(paint::roundRect({0, 184, 320, 56}, 0), grassC);
             const QRgb petals[] = {0xffff80b0, 0xfff8e040, 0xff9060d0, 0xffff6040, 0xffffffff};
             for (int i = 0; i < 10; ++i)
                 c.flower({24.0 + i * 30, 130.0 + (i % 3) * 18}, 10, petals[i % 5]);
             c.caption(QStringLiteral("おはなばたけ"));
         }},
    };
}

// A postcard from the pet's home: a castle on a hill, with a greeting on the side.
void postcard(QPainter &p, Crayon &c)
{
    p.fillRect(QRectF(0, 0, 320, 240), colours::c(0xfffffaf0));
    c.fill(paint::roundRect({10, 10, 190, 220}, 0), 0xff98d0f8);
    c.fill(paint::ellipsePath({105, 250}, 130, 70), 0xff58b848);
    c.fill(paint::roundRect({60, 110, 90, 80}, 0), 0xffe8e0d0);
    for (double x : {50.0, 140.0}) {
        c.fill(paint::roundRect({x, 80, 20, 110}, 0), 0xffe8e0d0);
        c.fill(paint::polyPath(QPolygonF{{x - 4, 82}, {x + 10, 50}, {x + 24, 82}}), 0xff4070c0);
    }
    c.fill(paint::roundRect({94, 150, 22, 40}, 10), 0xff8a5020);
    paint::line(p, {216, 20}, {216, 220}, 0xffa0a0a0, 1.5);
    paint::rect(p, {262, 18, 44, 52}, 0xffff8cc0, true, 2);
    paint::heart(p, {284, 44}, 10, 0xffe03a3a);
    paint::text(p, {222, 90, 96, 120},
                QStringLiteral("ドイツから\nこんにちは！\n\nいつか\nいっしょに\nいこうね\n　　ピモ"),
                0xff4a2a1a, 13, false, Qt::AlignLeft | Qt::AlignTop);
}

struct Letter {
    QString file;
    QString text;
};

QList<Letter> letters()
{
    return {
        {QStringLiteral("pre13.txt"),
         QStringLiteral("Hallo！ ピモだよ。\n\n"
                        "いつもいっしょにいてくれて、ありがとう。\n"
                        "きみがパソコンの前にいると、ぼく、なんだかうれしくなるんだ。\n\n"
                        "きょうはどんな一日だった？\n"
                        "つかれたら、ちょっとだけ休んでね。\n"
                        "ぼくはここで待ってるから。\n\n"
                        "ピモより")},
        {QStringLiteral("pre14.txt"),
         QStringLiteral("Danke shoen！\n\n"
                        "プレゼント、ほんとうにありがとう。\n"
                        "ずっとずっと大事にするね。\n\n"
                        "お礼に、ぼくの好きなものを教えてあげる。\n"
                        "動物と、車のレースと、あまいおかし。\n"
                        "それから、きみとおしゃべりすること！\n\n"
                        "ピモより")},
        {QStringLiteral("pre15.txt"),
         QStringLiteral("Gute Nacht！\n\n"
                        "もうすぐ寝る時間だね。\n"
                        "今夜はお月さまがとってもきれいだよ。\n\n"
                        "あしたもいいことがありますように。\n"
                        "あったかくして、ゆっくり休んでね。\n"
                        "また明日、いっぱいお話ししようね。\n\n"
                        "ピモより")},
    };
}

bool writeLetter(const QString &path, const QString &text)
{
    output::wrote(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray bytes("\xEF\xBB\xBF");
    QString crlf = text;
    crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    bytes += crlf.toUtf8() + "\r\n";
    file.write(bytes);
    return file.commit();
}

} // namespace

bool writePresentFiles(const QString &datDir)
{
    bool ok = true;
    quint32 seed = 1;
    auto picture = [&](const QString &file, const std::function<void(Crayon &, QPainter &)> &d) {
        QImage image(320, 240, QImage::Format_RGB32);
        image.fill(colours::c(0xfffffdf6));
        QPainter p(&image);
        paint::begin(p);
        Crayon crayon(p, seed++);
        d(crayon, p);
        p.end();
        ok = output::savePng(datDir + QLatin1Char('/') + file, image) && ok;
    };
    for (const Drawing &d : drawings())
        picture(d.file, d.draw);
    picture(QStringLiteral("pre12.png"), [](Crayon &c, QPainter &p) { postcard(p, c); });
    for (const Letter &l : letters())
        ok = writeLetter(datDir + QLatin1Char('/') + l.file, l.text) && ok;
    return ok;
}
