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

QPixmap PictureStore::frame(const QString &strip, int n)
{
    if (strip != m_strip) {
        m_strip = strip;
        m_stripImage = strip.isEmpty() ? QImage() : readPicture(QStringLiteral("pimmo") + strip, m_warned);
    }
    if (m_stripImage.isNull() || n < 0 || n > 218)
        return QPixmap();
    const QRect r(150 * n, 0, 150, 220);
    if (!m_stripImage.rect().contains(r))
        return QPixmap();
    return QPixmap::fromImage(m_stripImage.copy(r));
}
