#include "pictureswidget.h"

#include "common/logging.h"
#include "common/paths.h"

#include <QImageReader>

PictureStore &PictureStore::instance()
{
    static PictureStore store;
    return store;
}

const QPixmap &PictureStore::picture(const QString &name)
{
    auto it = m_cache.constFind(name);
    if (it != m_cache.constEnd())
        return *it;
    const QString path = paths::gifDir() + u'/' + name + QStringLiteral(".gif");
    QImageReader reader(path);
    QImage img = reader.read();
    if (img.isNull())
        qCWarning(lcCore) << "picture missing or unreadable:" << path << reader.errorString();
    return *m_cache.insert(name, QPixmap::fromImage(img));
}

QPixmap PictureStore::frame(const QString &strip, int n)
{
    const QPixmap &all = picture(QStringLiteral("pimmo") + strip);
    if (all.isNull() || n < 0 || n > 218)
        return QPixmap();
    const QRect r(150 * n, 0, 150, 220);
    if (!all.rect().contains(r))
        return QPixmap();
    return all.copy(r);
}
