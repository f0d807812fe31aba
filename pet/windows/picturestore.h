// Pictures the pet's windows show, loaded from the gif folder beside the program and kept; a
// missing or broken file is reported once and shows as an empty picture. On a screen whose
// device pixel ratio is above one the 2x pictures (name@2x.gif) are shown, with their ratio set
// so that all sizes and places stay in the windows' 1x units; the 1x file stands in when a 2x
// one is missing or broken. On an ordinary screen no 2x file is ever read.
#pragma once

#include "pet/model/scene.h"

#include <QHash>
#include <QPainter>
#include <QImage>
#include <QSet>
#include <QPixmap>
#include <QRegion>
#include <QString>

class PictureStore
{
public:
    static PictureStore &instance();
    // gif/<name>.gif, for a device with the given pixel ratio (a widget's devicePixelRatio()).
    const QPixmap &picture(const QString &name, qreal deviceRatio);
    // The picture a prop shows (propPictureName), found without spelling its name at each step.
    const QPixmap &propPicture(Prop prop, int picture, qreal deviceRatio);
    // The frame n (150 x 220 at x = 150 n) of strip gif/pimmo<name>.gif. Only the strip in use
    // is kept: a day shows dozens of strips and keeping them all would only grow the memory.
    QPixmap frame(const QString &strip, int n, qreal deviceRatio);
    // The whole strip gif/pimmo<name>.gif as shown at this ratio, and where frame n lies in it (in
    // the strip's own pixels; empty when there is no frame n).
    const QPixmap &strip(const QString &name, qreal deviceRatio);
    static QRect frameRect(const QPixmap &strip, int n);
    // Draws the part `area` (window units, the frame's top-left at 0, 0) of frame n of the strip
    // at its place, in the size that suits the painter's device; false when there is no frame n.
    bool drawFrame(QPainter &p, const QString &strip, int n, const QRect &area = kFrameArea);
    // Where frames `from` and `to` of the strip differ, in window units with the frame's top-left
    // at 0, 0: the squares of kChangeSquare units in which any pixel differs (a blink, an arm, a
    // "Z" mark), read from the pictures shown at this device ratio. Worked out once for each pair
    // while the strip is in use. The whole frame when either frame is missing, and at a ratio
    // that is not a whole number, where smoothing spreads each change into its neighbours.
    QRegion frameChange(const QString &strip, int from, int to, qreal deviceRatio);
    // The squares in which the parts a and b (the same size, in pixels of the picture, which is
    // `scale` times the window's units) of the picture differ, in window units from a's top-left.
    static QRegion changedSquares(const QImage &pixels, const QRect &a, const QRect &b, int scale);
    // The region in fewer rectangles: two of them become the rectangle around both while that
    // covers at most `waste` units outside the region. Every rectangle of a repaint costs about as
    // much in the painter and on its way to the screen as a few hundred units more of one.
    static QRegion fewerRects(const QRegion &region, int waste = kMergeWaste);
    static constexpr int kMergeWaste = 300;
    static constexpr QRect kFrameArea{0, 0, 150, 220};
    static constexpr int kChangeSquare = 10;
    // On a screen whose ratio is not a whole number (1.5, say) the 2x pictures are shrunk to fit,
    // and only smooth shrinking keeps their outlines even; at whole ratios they are drawn pixel
    // for pixel as they are. Call before drawing pictures on a widget.
    static void smoothWhenShrunk(QPainter &p);
    void clear()
    {
        m_cache.clear();
        m_props.clear();
        m_strip.clear();
        m_stripPixmap = QPixmap();
        m_changes.clear();
    }

private:
    QPixmap read(const QString &name, int scale);
    QHash<QString, QPixmap> m_cache; // by name, "@2x" added for the 2x ones
    QHash<quint64, QPixmap> m_props; // the props' pictures, by prop, picture and scale
    QSet<QString> m_warned;
    const QPixmap &stripPixmap(const QString &strip, int scale);
    QString m_strip;
    int m_stripScale = 1;
    QPixmap m_stripPixmap;
    QHash<quint64, QRegion> m_changes; // of the strip in use, by pair of frames
};
