// Pictures the pet's windows show, loaded once from the gif folder beside the program and kept;
// a missing or broken file is reported once and shows as an empty picture.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

class PictureStore
{
public:
    static PictureStore &instance();
    // gif/<name>.gif
    const QPixmap &picture(const QString &name);
    // The frame n (150 x 220 at x = 150 n) of strip gif/pimmo<name>.gif.
    QPixmap frame(const QString &strip, int n);
    void clear() { m_cache.clear(); }

private:
    QHash<QString, QPixmap> m_cache;
    QPixmap m_empty;
};
