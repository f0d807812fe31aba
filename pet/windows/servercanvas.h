// The pet's picture put together inside the X server. Each picture (the strip in use, the props)
// goes to the server once, as a pixmap with a mask where it is transparent; a repaint then sends a
// few small copy requests instead of pixels, and nothing of it is painted in the program, which
// sleeps again almost as soon as it woke. Only on X, and only with a window whose pixels are the
// 32-bit words of Qt's RGB32 pictures; everywhere else open() gives nothing and the pet's view
// paints with QPainter as any widget does.
#pragma once

#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QRegion>
#include <memory>

class ServerCanvas
{
public:
    // A canvas for the native window `window`, or nothing where this display or window is not one
    // it can draw on (another window system, an unusual pixel format).
    static std::unique_ptr<ServerCanvas> open(quintptr window);
    ~ServerCanvas();
    ServerCanvas(const ServerCanvas &) = delete;
    ServerCanvas &operator=(const ServerCanvas &) = delete;

    // The window to show on: a native window may be made again (its id changes), the pictures
    // in the server stay.
    void setWindow(quintptr window) { m_window = quint32(window); }
    // The picture being put together, in device pixels; its content is undefined until drawn.
    void setSize(QSize deviceSize);
    QSize size() const { return m_size; }

    // What the next draws, fills and show() touch, in units of `scale` device pixels: one request
    // however many rectangles it has, so that a change of many small parts costs as few requests
    // as one of a single part.
    void limitTo(const QRegion &area, int scale);
    // Into the picture being put together (device pixels): part `source` of `picture` at `to`.
    // An opaque picture is drawn within the limit only; one with transparent parts is drawn
    // through its own mask over all of `source`, which leaves the picture as it was wherever
    // the same picture already lay at the same place.
    void draw(const QPixmap &picture, const QRect &source, QPoint to);
    void fill(const QRect &area, QColor colour);
    // Shows what lies within the limit on the window and sends everything waiting to the server.
    void show();
    // The server lets go of its copy of the picture with this QPixmap::cacheKey() (a strip no
    // longer shown).
    void forget(qint64 pictureKey);
    int picturesHeld() const { return int(m_pictures.size()); }

private:
    ServerCanvas() = default;
    struct Held
    {
        quint32 pixels = 0;
        quint32 mask = 0; // 0: opaque everywhere
    };
    const Held &upload(const QPixmap &picture);

    void *m_connection = nullptr; // xcb_connection_t
    quint32 m_window = 0;
    quint32 m_root = 0;
    quint8 m_depth = 0;
    bool m_bitsLeastFirst = true;
    int m_bitmapPad = 32;
    quint32 m_maxRequestBytes = 0;
    quint32 m_plainGc = 0;   // sends pictures
    quint32 m_limitedGc = 0; // draws within the limit
    quint32 m_maskedGc = 0;  // draws through a picture's mask
    quint32 m_maskGc = 0; // for depth-1 pixmaps
    quint32 m_back = 0;
    QSize m_size;
    QRect m_limitBox; // around the limit, in device pixels
    QHash<qint64, Held> m_pictures; // by QPixmap::cacheKey()
};
