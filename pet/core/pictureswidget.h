// Pictures the pet's windows show, loaded once from the gif folder beside the program and kept;
// a missing or broken file is reported once and shows as an empty picture.
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
    // gif/<name>.gif
    const QPixmap &picture(const QString &name);
    // The frame n (150 x 220 at x = 150 n) of strip gif/pimmo<name>.gif. Only the strip in use
    // is kept: a day shows dozens of strips and keeping them all would only grow the memory.
    QPixmap frame(const QString &strip, int n);
    // Draws frame n of the strip at the top-left of the painter; false when there is none.
    bool drawFrame(QPainter &p, const QString &strip, int n);
    void clear()
    {
        m_cache.clear();
        m_strip.clear();
        m_stripPixmap = QPixmap();
    }

private:
    QPixmap load(const QString &name);
    QHash<QString, QPixmap> m_cache;
    QSet<QString> m_warned;
    const QPixmap &stripPixmap(const QString &strip);
    static QRect frameRect(const QPixmap &strip, int n);
    QString m_strip;
    QPixmap m_stripPixmap;
};
