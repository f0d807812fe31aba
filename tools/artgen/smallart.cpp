// The props that lie over the pet picture, the six buttons, the presents, the stamp, the about
// portrait and the application icon.
#include "artwork.h"
#include "colours.h"
#include "figure.h"
#include "gifwriter.h"
#include "output.h"
#include "paint.h"
#include "scenery.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <functional>
#include <QtMath>

using namespace colours;

namespace {

using Drawing = std::function<void(QPainter &)>;

QImage draw(int w, int h, int scale, const Drawing &d, bool transparent)
{
    QImage image = output::canvas(w, h, scale, transparent ? Qt::transparent : Qt::white);
    QPainter p(&image);
    paint::begin(p);
    d(p);
    p.end();
    return image;
}

QImage greyed(const QImage &image, bool lighter)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            int g = qGray(line[x]);
            if (lighter)
                g = 110 + g * 145 / 255;
            line[x] = qRgba(g, g, g, qAlpha(line[x]));
        }
    }
    return out;
}

struct Picture {
    QString file;
    QImage image;
    bool transparent;
};

QList<Picture> &sheetPictures()
{
    static QList<Picture> all;
    return all;
}

// Writes the picture under its name at its scale: path@2x.gif for the 2x one.
bool save(const QString &path, const QImage &image, bool transparent)
{
    const int scale = int(image.devicePixelRatio());
    if (scale == 1)
        sheetPictures().append({QFileInfo(path).fileName(), image, transparent});
    return writeGif(scaledpicture::pathAt(path, scale), image, transparent);
}

} // namespace

bool writeProps(const QString &dir, int scale)
{
    bool ok = true;
    auto prop = [&](const QString &name, int w, int h, const Drawing &d) {
        ok = save(dir + QLatin1Char('/') + name, draw(w, h, scale, d, true), true) && ok;
    };
    for (int stage = 1; stage <= 8; ++stage) {
        prop(QStringLiteral("flower%1.gif").arg(stage), 27, 52, [stage](QPainter &p) {
            drawPot(p, {13.5, 37}, 1.0, stage);
        });
    }
    prop(QStringLiteral("water.gif"), 25, 29, [](QPainter &p) {
        drawWateringCan(p, {10, 19}, 0.75, true);
    });
    for (int s = 1; s <= 5; ++s)
        prop(QStringLiteral("tv%1.gif").arg(s), 92, 48, [s](QPainter &p) {
            drawTvScreen(p, {0, 0, 92, 48}, s);
        });
    for (int s = 1; s <= 4; ++s)
        prop(QStringLiteral("comp%1.gif").arg(s), 66, 39, [s](QPainter &p) {
            drawComputerScreen(p, {0, 0, 66, 39}, s);
        });
    prop(QStringLiteral("mini4wd.gif"), 55, 25, [](QPainter &p) {
        drawCar(p, {27, 14}, 1.05, bookBlue);
    });
    prop(QStringLiteral("berg.gif"), 38, 46, [](QPainter &p) { drawCarTop(p, {19, 24}, 1.05, bookBlue); });
    prop(QStringLiteral("othermachine.gif"), 39, 45, [](QPainter &p) {
        drawCarTop(p, {19.5, 23}, 1.05, red);
    });
    prop(QStringLiteral("susuki1.gif"), 45, 50, [](QPainter &p) { drawGrassTuft(p, {20, 50}, 1.0, false); });
    prop(QStringLiteral("susuki2.gif"), 45, 50, [](QPainter &p) { drawGrassTuft(p, {16, 50}, 1.0, true); });
    prop(QStringLiteral("awa1.gif"), 24, 23, [](QPainter &p) {
        paint::ellipse(p, {12, 11.5}, 10, 10, bubble);
        paint::ellipse(p, {8, 8}, 3, 3, white, false);
    });
    prop(QStringLiteral("awa2.gif"), 15, 14, [](QPainter &p) {
        paint::ellipse(p, {7.5, 7}, 6, 6, bubble);
        paint::ellipse(p, {5.5, 5}, 2, 2, white, false);
    });
    return ok;
}

bool writeButtons(const QString &dir, int scale)
{
    const QList<std::pair<QString, Drawing>> icons = {
        {QStringLiteral("about"), [](QPainter &p) {
             Pose face;
             face.at = {18, 19};
             face.scale = 0.3;
             face.eyes = Eyes::Open;
             drawHead(p, face);
         }},
        {QStringLiteral("hobby"), [](QPainter &p) {
             paint::ellipse(p, {18, 18}, 10, 10, white);
             p.save();
             p.setClipPath(paint::ellipsePath({18, 18}, 10, 10));
             paint::rect(p, {8, 8, 10, 10}, red, false);
             paint::rect(p, {18, 18, 10, 10}, red, false);
             p.restore();
             paint::ellipse(p, {18, 18}, 10, 10, 0x00000000);
         }},
        {QStringLiteral("present"), [](QPainter &p) { drawGift(p, {18, 20}, 20, 15, pink, yellow); }},
        {QStringLiteral("option"), [](QPainter &p) {
             QPainterPath gear;
             for (int i = 0; i < 16; ++i) {
                 const double a = i * M_PI / 8, r = (i % 2) ? 8.5 : 11.5;
                 const QPointF pt(18 + r * std::cos(a), 18 + r * std::sin(a));
                 i ? gear.lineTo(pt) : gear.moveTo(pt);
             }
             gear.closeSubpath();
             paint::fill(p, gear, metalShade);
             paint::ellipse(p, {18, 18}, 3.5, 3.5, white);
         }},
        {QStringLiteral("leave"), [](QPainter &p) {
             paint::polygon(p, QPolygonF{{6, 18}, {18, 7}, {30, 18}}, red);
             paint::rect(p, {9, 18, 18, 12}, wall);
             paint::rect(p, {15, 21, 6, 9}, wood);
         }},
        {QStringLiteral("end"), [](QPainter &p) {
             paint::ellipse(p, {18, 18}, 10, 10, moon);
             paint::ellipse(p, {23, 14}, 9, 9, bookBlue, false);
             paint::sparkle(p, {26, 24}, 3, star);
         }},
    };
    bool ok = true;
    for (const auto &[name, icon] : icons) {
        auto face = [icon = icon](bool pressed) {
            return [icon, pressed](QPainter &p) {
                paint::rect(p, {1, 1, 34, 34}, pressed ? 0xffd8c8b0 : 0xfffff6e6, true, 6);
                if (!pressed)
                    paint::line(p, {5, 31}, {31, 31}, 0xffd8c8b0, 2.5);
                else
                    paint::line(p, {5, 5}, {31, 5}, 0xffb8a890, 2.5);
                p.save();
                if (pressed)
                    p.translate(1, 1.5);
                icon(p);
                p.restore();
            };
        };
        const QString base = dir + QStringLiteral("/btn_") + name;
        const QImage normal = draw(36, 36, scale, face(false), false);
        ok = save(base + QStringLiteral("_normal.gif"), normal, false) && ok;
        ok = save(base + QStringLiteral("_pressed.gif"), draw(36, 36, scale, face(true), false),
                  false) && ok;
        ok = save(base + QStringLiteral("_off.gif"), greyed(normal, true), false) && ok;
    }
    return ok;
}

bool writePresents(const QString &dir, int scale)
{
    struct Present {
        int w, h;
        Drawing d;
    };
    const QList<Present> presents = {
        {32, 69, [](QPainter &p) { drawDoll(p, {16, 20}, 0.33); }},
        {50, 44, [](QPainter &p) { drawPegBoard(p, {25, 22}, 1.05, false); }},
        {80, 60, [](QPainter &p) {
             paint::rect(p, {2, 6, 76, 50}, bookBlue, true, 2);
             paint::rect(p, {2, 6, 76, 12}, yellow, true, 2);
             paint::text(p, {2, 6, 76, 12}, QStringLiteral("MINI 4WD"), bookBlue, 9);
             drawCar(p, {40, 40}, 1.2, red);
         }},
        {43, 41, [](QPainter &p) {
             paint::rect(p, {5, 2, 33, 37}, paper, true, 2);
             drawDaisy(p, {14, 14}, 5, pink);
             drawDaisy(p, {28, 12}, 4, yellow);
             drawDaisy(p, {22, 24}, 4.5, purple);
             paint::rect(p, {5, 30, 33, 9}, green, true, 1);
         }},
        {32, 77, [](QPainter &p) { drawViolin(p, {16, 50}, 1.1, 0); }},
        {66, 43, [](QPainter &p) { drawLaptop(p, {33, 34}, 0.9, 0); }},
        {32, 32, [](QPainter &p) { drawQuestionMark(p, {16, 14}, 1.3, cyan); }},
        {32, 32, [](QPainter &p) { drawQuestionMark(p, {16, 14}, 1.3, yellow); }},
        {32, 32, [](QPainter &p) { drawQuestionMark(p, {16, 14}, 1.3, pink); }},
    };
    bool ok = true;
    for (int i = 0; i < presents.size(); ++i) {
        const Present &pr = presents[i];
        const QImage colour = draw(pr.w, pr.h, scale, pr.d, false);
        const QString base = dir + QStringLiteral("/present%1_").arg(i + 1);
        ok = save(base + QStringLiteral("color.gif"), colour, false) && ok;
        ok = save(base + QStringLiteral("grey.gif"), greyed(colour, true), false) && ok;
    }
    ok = save(dir + QStringLiteral("/stamp.gif"), draw(33, 33, scale, [](QPainter &p) {
                  p.save();
                  p.setPen(QPen(colours::c(red), 2.5));
                  p.setBrush(Qt::NoBrush);
                  p.drawEllipse(QPointF(16.5, 16.5), 14.5, 14.5);
                  p.restore();
                  paint::text(p, {0, 0, 33, 33}, QStringLiteral("済"), red, 20);
              }, true), true) && ok;
    return ok;
}

bool writePortraits(const QString &bin, int scale)
{
    const QImage about = draw(100, 146, scale, [&](QPainter &p) {
        p.fillRect(QRectF(0, 0, 100, 146), colours::c(wall));
        paint::ellipse(p, {50, 150}, 70, 30, floorWood, false);
        p.save();
        p.translate(50, 24);
        p.scale(0.78, 0.78);
        p.translate(-75, -30);
        Pose pose;
        pose.right = arms::wave(Side::Right);
        pose.mouth = Mouth::Open;
        drawFigure(p, pose);
        p.restore();
    }, false);
    bool ok = save(bin + QStringLiteral("/gif/about.gif"), about, false);
    if (scale != 1)
        return ok; // the desktop picks its icon sizes by pixels, not by scale
    const QImage icon = draw(64, 64, 1, [](QPainter &p) {
        paint::ellipse(p, {32, 32}, 30, 30, sky);
        Pose face;
        face.at = {32, 32};
        face.scale = 0.62;
        drawHead(p, face);
    }, true);
    ok = output::savePng(bin + QStringLiteral("/icon.png"), icon) && ok;
    return ok;
}

bool writePictureSheet(const QString &, const QString &out)
{
    // Draws every non-strip picture again (the same code as the files) on a checked background.
    sheetPictures().clear();
    const QString scratch = QDir::tempPath() + QStringLiteral("/artgen-sheet");
    QDir().mkpath(scratch + QStringLiteral("/gif"));
    writeProps(scratch + QStringLiteral("/gif"), 1);
    writeButtons(scratch + QStringLiteral("/gif"), 1);
    writePresents(scratch + QStringLiteral("/gif"), 1);
    writePortraits(scratch, 1);
    QList<Picture> all = sheetPictures();
    const QString art = scratch + QStringLiteral("/gameart");
    QDir().mkpath(art);
    writeGameArt(art, 1);
    for (const QString &f : QDir(art).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name))
        all.append({f, QImage(art + QLatin1Char('/') + f), true});
    QDir(scratch).removeRecursively();
    constexpr int cell = 190, perRow = 8;
    const int rows = (int(all.size()) + perRow - 1) / perRow;
    QImage sheet(cell * perRow, rows * cell, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    paint::begin(p);
    for (int i = 0; i < all.size(); ++i) {
        const QPointF at((i % perRow) * cell + 4, (i / perRow) * cell + 4);
        QImage img = QImage(all[i].image);
        const double zoom = std::min(2.0, std::min(170.0 / img.width(), 160.0 / img.height()));
        const QSize size(int(img.width() * zoom), int(img.height() * zoom));
        for (int y = 0; y < size.height(); y += 8)
            for (int x = 0; x < size.width(); x += 8)
                p.fillRect(QRectF(at.x() + x, at.y() + y, 8, 8),
                           ((x + y) / 8) % 2 ? QColor(220, 220, 220) : QColor(250, 250, 250));
        p.drawImage(QRectF(at, size), img);
        paint::text(p, QRectF(at.x(), at.y() + 164, cell - 8, 20), all[i].file, outline, 11, false,
                    Qt::AlignLeft | Qt::AlignVCenter);
    }
    p.end();
    return sheet.save(out);
}
