// Pictures the pet's windows show, loaded from the gif folder beside the program and kept; a
// missing or broken file is reported once and shows as an empty picture. On a screen whose
// device pixel ratio is above one the 2x pictures (name@2x.gif) are shown, with their ratio set
// so that all sizes and places stay in the windows' 1x units; the 1x file stands in when a 2x
// one is missing or broken. On an ordinary screen no 2x file is ever read.
#pragma once

#include <QHash>
#include <QPainter>
#include <QImage>
#include <QSet>
#include <QPixmap>
#include <QString>

class PictureStore
{
public:
    static PictureStore &instance();
    // gif/<name>.gif, for a device with the given pixel ratio (a widget's devicePixelRatio()).
    const QPixmap &picture(const QString &name, qreal deviceRatio);
    // The frame n (150 x 220 at x = 150 n) of strip gif/pimmo<name>.gif. Only the strip in use
    // is kept: a day shows dozens of strips and keeping them all would only grow the memory.
    QPixmap frame(const QString &strip, int n, qreal deviceRatio);
    // Draws frame n of the strip at the top-left of the painter, in the size that suits the
    // painter's device; false when there is none.
    bool drawFrame(QPainter &p, const QString &strip, int n);
    // On a screen whose ratio is not a whole number (1.5, say) the 2x pictures are shrunk to fit,
    // and only smooth shrinking keeps their outlines even; at whole ratios they are drawn pixel
    // for pixel as they are. Call before drawing pictures on a widget.
    static void smoothWhenShrunk(QPainter &p);
    void clear()
    {
        m_cache.clear();
        m_strip.clear();
        m_stripPixmap = QPixmap();
    }

private:
    QPixmap read(const QString &name, int scale);
    QHash<QString, QPixmap> m_cache; // by name, "@2x" added for the 2x ones
    QSet<QString> m_warned;
    const QPixmap &stripPixmap(const QString &strip, int scale);
    static QRect frameRect(const QPixmap &strip, int n);
    QString m_strip;
    int m_stripScale = 1;
    QPixmap m_stripPixmap;
};
