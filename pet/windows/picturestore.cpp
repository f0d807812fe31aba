#include "pet/windows/picturestore.h"

#include "common/gui/scaledpicture.h"
#include "common/logging.h"
#include "common/paths.h"

#include <cmath>

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

const QPixmap &PictureStore::stripPixmap(const QString &strip, int scale)
{
    if (strip != m_strip || scale != m_stripScale) {
        m_strip = strip;
        m_stripScale = scale;
        m_stripPixmap = QPixmap(); // the old strip goes before the next is read
        if (!strip.isEmpty())
            m_stripPixmap = read(QStringLiteral("pimmo") + strip, scale);
    }
    return m_stripPixmap;
}

QRect PictureStore::frameRect(const QPixmap &strip, int n)
{
    if (strip.isNull() || n < 0 || n > 218)
        return QRect();
    // In the strip's own pixels: a 2x strip has its frames at twice the place and size.
    const int s = int(strip.devicePixelRatio());
    const QRect r(150 * n * s, 0, 150 * s, 220 * s);
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

bool PictureStore::drawFrame(QPainter &p, const QString &strip, int n)
{
    const qreal ratio = p.device() ? p.device()->devicePixelRatio() : 1.0;
    const QPixmap &all = stripPixmap(strip, scaledpicture::scaleFor(ratio));
    const QRect r = frameRect(all, n);
    if (r.isNull())
        return false;
    // The source is in the strip's pixels; a 2x strip covers 150 × 220 of the window.
    p.drawPixmap(QPoint(0, 0), all, r);
    return true;
}
