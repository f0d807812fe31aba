// Small painting helpers shared by every picture: flat fills with the 2 px dark-brown outline,
// outlined strokes for limbs and handles, and a shade tone clipped inside a shape.
#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace paint {
// Antialiased painter on an image, with the outline pen ready.
void begin(QPainter &p);
QPen outlinePen(double width = 2.0);
void fill(QPainter &p, const QPainterPath &shape, QRgb colour, bool outlined = true);
void ellipse(QPainter &p, QPointF centre, double rx, double ry, QRgb colour, bool outlined = true);
void rect(QPainter &p, const QRectF &r, QRgb colour, bool outlined = true, double radius = 0);
void polygon(QPainter &p, const QPolygonF &points, QRgb colour, bool outlined = true);
// Fills shape, then the part of shade that lies inside shape in the shade tone, then outlines.
void shaded(QPainter &p, const QPainterPath &shape, QRgb colour, const QPainterPath &shade,
            QRgb shadeColour);
// A thick line with an outline on both sides: arms, legs, handles, stems.
void stroke(QPainter &p, const QList<QPointF> &points, double width, QRgb colour);
void line(QPainter &p, QPointF a, QPointF b, QRgb colour, double width = 2.0);
QPainterPath ellipsePath(QPointF centre, double rx, double ry);
QPainterPath polyPath(const QPolygonF &points);
QPainterPath roundRect(const QRectF &r, double radius);
// Small marks drawn beside the figures.
void zMarks(QPainter &p, QPointF at, int count, double size);
void heart(QPainter &p, QPointF centre, double size, QRgb colour);
void star(QPainter &p, QPointF centre, double size, QRgb colour, bool outlined = true);
void note(QPainter &p, QPointF at, double size, QRgb colour);
void sparkle(QPainter &p, QPointF centre, double size, QRgb colour);
void text(QPainter &p, const QRectF &box, const QString &s, QRgb colour, double pixelSize,
          bool bold = true, int flags = Qt::AlignCenter);
} // namespace paint
