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
#include <chrono>
#include <memory>

// The steady clock's milliseconds: the time of the moments pictures are shown at later.
inline qint64 steadyMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

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

    // Pictures for moments to come. Between beginLater(at) and endLater() the draws, fills and
    // show() go to the server over a second connection that the server holds back until `at`
    // (milliseconds of the steady clock, std::chrono::steady_clock): it shows them on time while
    // the program sleeps. False where the server cannot hold requests back (then nothing is
    // drawn until endLater()).
    bool beginLater(qint64 at);
    // Whether pictures for later may be shown (false once the server proved unable).
    bool canShowLater() const;
    void endLater();
    // Drops every picture still waiting for its moment (its connection is closed at once by the
    // server). What the window shows is then one of those pictures or the one before them.
    void cancelLater();
    // Drops the pictures still waiting, when some may be (a moment to come, or one that came so
    // lately that the server may not have drawn it yet): gives whether it did.
    bool dropLater(qint64 now);

private:
    ServerCanvas() = default;
    struct Held
    {
        quint32 pixels = 0;
        quint32 mask = 0; // 0: opaque everywhere
    };
    const Held &upload(const QPixmap &picture);

    // Where the draws go: the program's own connection, or the one held back.
    struct Target {
        void *connection = nullptr; // xcb_connection_t
        quint32 limitedGc = 0;
        quint32 maskedGc = 0;
    };
    bool openLater();
    Target m_target;
    Target m_now;
    Target m_later;
    qint64 m_serverAhead = 0; // the server's time less the steady clock's, in ms
    quint32 m_serverTime = 0; // the server's SERVERTIME counter
    qint64 m_lastLater = -1;
    bool m_uploadedLater = false; // a picture went to the server while drawing for later
    bool m_laterUnavailable = false;
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
