#include "pet/windows/picturestore.h"

#include "common/gui/scaledpicture.h"
#include "common/logging.h"
#include "common/paths.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

PictureStore &PictureStore::instance()
{
    static PictureStore store;
    return store;
}

QPixmap PictureStore::read(const QString &name, int scale)
{
    QStringList problems;
    const QImage img = scaledpicture::read(paths::gifDir() + u'/' + name + QStringLiteral(".gif"),
                                           scale, &problems);
    // Each problem is said once, not at every repaint.
    for (const QString &problem : std::as_const(problems)) {
        if (!m_warned.contains(problem)) {
            m_warned.insert(problem);
            qCWarning(lcCore).noquote() << problem;
        }
    }
    return QPixmap::fromImage(img);
}

const QPixmap &PictureStore::picture(const QString &name, qreal deviceRatio)
{
    const int scale = scaledpicture::scaleFor(deviceRatio);
    const QString key = scale == 1 ? name : name + QStringLiteral("@2x");
    auto it = m_cache.constFind(key);
    if (it != m_cache.constEnd())
        return *it;
    return *m_cache.insert(key, read(name, scale));
}

const QPixmap &PictureStore::propPicture(Prop prop, int n, qreal deviceRatio)
{
    const int scale = scaledpicture::scaleFor(deviceRatio);
    const quint64 key = (quint64(prop) << 40) | (quint64(quint32(n)) << 8) | quint64(scale);
    auto it = m_props.constFind(key);
    if (it != m_props.constEnd())
        return *it;
    return *m_props.insert(key, picture(propPictureName(prop, n), deviceRatio));
}

const QPixmap &PictureStore::stripPixmap(const QString &strip, int scale)
{
    if (strip != m_strip || scale != m_stripScale) {
        m_strip = strip;
        m_stripScale = scale;
        m_stripPixmap = QPixmap(); // the old strip goes before the next is read
        m_changes.clear();
        if (!strip.isEmpty())
            m_stripPixmap = read(QStringLiteral("pimmo") + strip, scale);
    }
    return m_stripPixmap;
}

const QPixmap &PictureStore::strip(const QString &name, qreal deviceRatio)
{
    return stripPixmap(name, scaledpicture::scaleFor(deviceRatio));
}

QRect PictureStore::frameRect(const QPixmap &strip, int n)
{
    if (strip.isNull() || n < 0 || n > 218)
        return QRect();
    // In the strip's own pixels: a 2x strip has its frames at twice the place and size.
    const int s = int(strip.devicePixelRatio());
    const QRect r(kFrameArea.width() * n * s, 0, kFrameArea.width() * s, kFrameArea.height() * s);
    return strip.rect().contains(r) ? r : QRect();
}

QPixmap PictureStore::frame(const QString &strip, int n, qreal deviceRatio)
{
    const QPixmap &all = stripPixmap(strip, scaledpicture::scaleFor(deviceRatio));
    const QRect r = frameRect(all, n);
    return r.isNull() ? QPixmap() : all.copy(r);
}

void PictureStore::smoothWhenShrunk(QPainter &p)
{
    const qreal ratio = p.device() ? p.device()->devicePixelRatio() : 1.0;
    if (ratio != std::floor(ratio))
        p.setRenderHint(QPainter::SmoothPixmapTransform);
}

bool PictureStore::drawFrame(QPainter &p, const QString &strip, int n, const QRect &area)
{
    const qreal ratio = p.device() ? p.device()->devicePixelRatio() : 1.0;
    const QPixmap &all = stripPixmap(strip, scaledpicture::scaleFor(ratio));
    const QRect r = frameRect(all, n);
    if (r.isNull())
        return false;
    const QRect part = area & kFrameArea;
    if (part.isEmpty())
        return true;
    // The source is in the strip's pixels; a 2x strip covers 150 × 220 of the window.
    const int s = int(all.devicePixelRatio());
    p.drawPixmap(part.topLeft(), all,
                 QRect(r.topLeft() + part.topLeft() * s, part.size() * s));
    return true;
}

QRegion PictureStore::frameChange(const QString &strip, int from, int to, qreal deviceRatio)
{
    const QRegion whole(kFrameArea);
    if (deviceRatio != std::floor(deviceRatio))
        return whole;
    const QPixmap &all = stripPixmap(strip, scaledpicture::scaleFor(deviceRatio));
    const QRect a = frameRect(all, from);
    const QRect b = frameRect(all, to);
    if (a.isNull() || b.isNull())
        return whole;
    if (from == to)
        return QRegion();
    const quint64 key = (quint64(std::min(from, to)) << 32) | quint64(std::max(from, to));
    const auto known = m_changes.constFind(key);
    if (known != m_changes.constEnd())
        return *known;

    const QRegion changed = fewerRects(changedSquares(all.toImage(), a, b, int(all.devicePixelRatio())));
    m_changes.insert(key, changed);
    return changed;
}

QRegion PictureStore::changedSquares(const QImage &pixels, const QRect &a, const QRect &b, int scale)
{
    const QRegion whole(QRect(QPoint(0, 0), a.size() / scale));
    if (pixels.depth() % 8 != 0 || a.size() != b.size() || !pixels.rect().contains(a) || !pixels.rect().contains(b))
        return whole;
    const int bytes = pixels.depth() / 8;
    const int square = kChangeSquare * scale;
    const uchar *const bits = pixels.constBits();
    const qsizetype stride = pixels.bytesPerLine();
    const uchar *const cornerA = bits + a.y() * stride + a.x() * bytes;
    const uchar *const cornerB = bits + b.y() * stride + b.x() * bytes;
    auto differs = [&](int x, int y, int w, int h) {
        const qsizetype start = y * stride + x * bytes;
        for (int row = 0; row < h; ++row) {
            if (std::memcmp(cornerA + start + row * stride, cornerB + start + row * stride, size_t(w * bytes)) != 0)
                return true;
        }
        return false;
    };
    // Squares that differ, joined into one rectangle along each row of squares; a square cut
    // short by the frame's edge covers every window unit it touches.
    QRegion changed;
    for (int y = 0; y < a.height(); y += square) {
        const int h = std::min(square, a.height() - y);
        // Most rows of two frames are the same: a row of squares is looked into only when one
        // of its pixel rows differs somewhere.
        if (!differs(0, y, a.width(), h))
            continue;
        int run = -1;
        for (int x = 0;; x += square) {
            const bool end = x >= a.width();
            const bool here = !end && differs(x, y, std::min(square, a.width() - x), h);
            if (here && run < 0) {
                run = x;
            } else if (!here && run >= 0) {
                const int right = std::min(x, a.width());
                changed += QRect(run / scale, y / scale, (right - run + scale - 1) / scale, (h + scale - 1) / scale);
                run = -1;
            }
            if (end)
                break;
        }
    }
    return changed;
}

QRegion PictureStore::fewerRects(const QRegion &region, int waste)
{
    if (region.rectCount() < 2)
        return region;
    std::vector<QRect> rects(region.begin(), region.end());
    auto area = [](const QRect &r) { return r.isEmpty() ? 0LL : qint64(r.width()) * r.height(); };
    // The region's own rectangles do not overlap; joined ones may cover others, which then go.
    for (bool joined = true; joined;) {
        joined = false;
        for (size_t i = 0; i < rects.size() && !joined; ++i) {
            for (size_t j = i + 1; j < rects.size(); ++j) {
                const QRect around = rects[i] | rects[j];
                const qint64 covered = area(rects[i]) + area(rects[j]) - area(rects[i] & rects[j]);
                if (area(around) - covered > waste)
                    continue;
                rects[i] = around;
                rects.erase(rects.begin() + qsizetype(j));
                joined = true;
                break;
            }
        }
    }
    QRegion fewer;
    for (const QRect &r : rects)
        fewer += r;
    return fewer;
}
