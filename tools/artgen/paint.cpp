#include "paint.h"

#include "colours.h"

#include <QFont>
#include <QtMath>

namespace paint {

namespace {
// The outline pen is cosmetic, so that it keeps its width however a figure is scaled; on a 2x
// canvas it must then be twice as many pixels wide. artgen paints one picture at a time, so the
// ratio of the canvas being painted is kept here when painting begins.
qreal s_deviceRatio = 1;
} // namespace

void begin(QPainter &p)
{
    s_deviceRatio = p.device() ? p.device()->devicePixelRatio() : 1;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPen outlinePen(double width)
{
    QPen pen(colours::c(colours::outline), width * s_deviceRatio);
    pen.setCosmetic(true);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void fill(QPainter &p, const QPainterPath &shape, QRgb colour, bool outlined)
{
    p.save();
    p.setPen(outlined ? outlinePen() : Qt::NoPen);
    p.setBrush(colours::c(colour));
    p.drawPath(shape);
    p.restore();
}

QPainterPath ellipsePath(QPointF centre, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath polyPath(const QPolygonF &points)
{
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

QPainterPath roundRect(const QRectF &r, double radius)
{
    QPainterPath path;
    if (radius > 0)
        path.addRoundedRect(r, radius, radius);
    else
        path.addRect(r);
    return path;
}

void ellipse(QPainter &p, QPointF centre, double rx, double ry, QRgb colour, bool outlined)
{
    fill(p, ellipsePath(centre, rx, ry), colour, outlined);
}

void rect(QPainter &p, const QRectF &r, QRgb colour, bool outlined, double radius)
{
    fill(p, roundRect(r, radius), colour, outlined);
}

void polygon(QPainter &p, const QPolygonF &points, QRgb colour, bool outlined)
{
    fill(p, polyPath(points), colour, outlined);
}

void shaded(QPainter &p, const QPainterPath &shape, QRgb colour, const QPainterPath &shade,
            QRgb shadeColour)
{
    fill(p, shape, colour, false);
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    fill(p, shade, shadeColour, false);
    p.restore();
    p.save();
    p.setPen(outlinePen());
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.restore();
}

void stroke(QPainter &p, const QList<QPointF> &points, double width, QRgb colour)
{
    if (points.isEmpty())
        return;
    QPainterPath path(points.first());
    for (int i = 1; i < points.size(); ++i)
        path.lineTo(points[i]);
    p.save();
    p.setBrush(Qt::NoBrush);
    const double scale = std::sqrt(std::abs(p.transform().determinant()));
    QPen outer(colours::c(colours::outline), width + 4.0 / std::max(0.1, scale), Qt::SolidLine,
               Qt::RoundCap, Qt::RoundJoin);
    p.setPen(outer);
    p.drawPath(path);
    QPen inner(colours::c(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(inner);
    p.drawPath(path);
    p.restore();
}

void line(QPainter &p, QPointF a, QPointF b, QRgb colour, double width)
{
    p.save();
    QPen pen(colours::c(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.drawLine(a, b);
    p.restore();
}

void zMarks(QPainter &p, QPointF at, int count, double size)
{
    p.save();
    for (int i = 0; i < count; ++i) {
        const double s = size * (1.0 + 0.35 * i);
        const QPointF o = at + QPointF(i * size * 0.9, -i * size * 1.2);
        QPainterPath z;
        z.moveTo(o);
        z.lineTo(o + QPointF(s, 0));
        z.lineTo(o + QPointF(0, s));
        z.lineTo(o + QPointF(s, s));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colours::c(colours::white), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(z);
        p.setPen(QPen(colours::c(colours::zmark), 2.5, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawPath(z);
    }
    p.restore();
}

void heart(QPainter &p, QPointF c, double s, QRgb colour)
{
    QPainterPath path;
    path.moveTo(c + QPointF(0, s * 0.9));
    path.cubicTo(c + QPointF(-s * 1.3, 0), c + QPointF(-s * 0.7, -s * 1.1),
                 c + QPointF(0, -s * 0.35));
    path.cubicTo(c + QPointF(s * 0.7, -s * 1.1), c + QPointF(s * 1.3, 0),
                 c + QPointF(0, s * 0.9));
    fill(p, path, colour);
}

void star(QPainter &p, QPointF c, double s, QRgb colour, bool outlined)
{
    QPolygonF pts;
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2 == 0) ? s : s * 0.45;
        const double a = -M_PI / 2 + i * M_PI / 5;
        pts << c + QPointF(r * std::cos(a), r * std::sin(a));
    }
    polygon(p, pts, colour, outlined);
}

void note(QPainter &p, QPointF at, double s, QRgb colour)
{
    ellipse(p, at, s * 0.45, s * 0.33, colour);
    line(p, at + QPointF(s * 0.4, 0), at + QPointF(s * 0.4, -s * 1.3), colours::outline, 2);
    line(p, at + QPointF(s * 0.4, -s * 1.3), at + QPointF(s * 0.9, -s * 0.9), colours::outline, 2);
}

void sparkle(QPainter &p, QPointF c, double s, QRgb colour)
{
    QPainterPath path;
    path.moveTo(c + QPointF(0, -s));
    path.quadTo(c, c + QPointF(s, 0));
    path.quadTo(c, c + QPointF(0, s));
    path.quadTo(c, c + QPointF(-s, 0));
    path.quadTo(c, c + QPointF(0, -s));
    fill(p, path, colour, false);
}

void text(QPainter &p, const QRectF &box, const QString &s, QRgb colour, double pixelSize,
          bool bold, int flags)
{
    p.save();
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPixelSize(int(pixelSize));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    p.setFont(font);
    p.setPen(colours::c(colour));
    p.drawText(box, flags, s);
    p.restore();
}

} // namespace paint
