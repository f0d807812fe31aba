#include "pictureswidget.h"

#include "common/logging.h"
#include "common/paths.h"

#include <QImageReader>

PictureStore &PictureStore::instance()
{
    static PictureStore store;
    return store;
}

namespace {
QImage readPicture(const QString &name, QSet<QString> &warned)
{
    const QString path = paths::gifDir() + u'/' + name + QStringLiteral(".gif");
    QImageReader reader(path);
    QImage img = reader.read();
    // A missing picture is said once, not at every repaint.
    if (img.isNull() && !warned.contains(name)) {
        warned.insert(name);
        qCWarning(lcCore) << "picture missing or unreadable:" << path << reader.errorString();
    }
    return img;
}
} // namespace

const QPixmap &PictureStore::picture(const QString &name)
{
    auto it = m_cache.constFind(name);
    if (it != m_cache.constEnd())
        return *it;
    return *m_cache.insert(name, QPixmap::fromImage(readPicture(name, m_warned)));
}

const QPixmap &PictureStore::stripPixmap(const QString &strip)
{
    if (strip != m_strip) {
        m_strip = strip;
        m_stripPixmap = strip.isEmpty() ? QPixmap()
                                        : QPixmap::fromImage(readPicture(QStringLiteral("pimmo") + strip, m_warned));
    }
    return m_stripPixmap;
}

QRect PictureStore::frameRect(const QPixmap &strip, int n)
{
    if (strip.isNull() || n < 0 || n > 218)
        return QRect();
    const QRect r(150 * n, 0, 150, 220);
    return strip.rect().contains(r) ? r : QRect();
}

QPixmap PictureStore::frame(const QString &strip, int n)
{
    const QPixmap &all = stripPixmap(strip);
    const QRect r = frameRect(all, n);
    return r.isNull() ? QPixmap() : all.copy(r);
}

bool PictureStore::drawFrame(QPainter &p, const QString &strip, int n)
{
    const QPixmap &all = stripPixmap(strip);
    const QRect r = frameRect(all, n);
    if (r.isNull())
        return false;
    p.drawPixmap(QPoint(0, 0), all, r);
    return true;
}
