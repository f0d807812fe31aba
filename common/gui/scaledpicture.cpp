#include "scaledpicture.h"

#include <QImageReader>

namespace scaledpicture {

int scaleFor(qreal deviceRatio)
{
    return deviceRatio > 1.0 ? 2 : 1;
}

QString pathAt(const QString &path, int scale)
{
    if (scale == 1)
        return path;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= slash)
        dot = path.size();
    return path.left(dot) + QStringLiteral("@%1x").arg(scale) + path.mid(dot);
}

QImage read(const QString &path, qreal deviceRatio, QStringList *problems)
{
    auto problem = [problems](const QString &text) {
        if (problems)
            problems->append(text);
    };
    if (scaleFor(deviceRatio) == 2) {
        const QString doublePath = pathAt(path, 2);
        QImageReader reader(doublePath);
        QImage image = reader.read();
        // Only the header of the 1x file is read, to check the size; it is not decoded.
        const QSize single = QImageReader(path).size();
        if (image.isNull()) {
            problem(QStringLiteral("picture missing or unreadable: %1 (%2)")
                        .arg(doublePath, reader.errorString()));
        } else if (single.isValid() && image.size() != single * 2) {
            // A 2x picture of another size would put every frame and prop in the wrong place.
            problem(QStringLiteral("picture %1 is %2 × %3, not twice its 1x size")
                        .arg(doublePath)
                        .arg(image.width())
                        .arg(image.height()));
        } else {
            image.setDevicePixelRatio(2);
            return image;
        }
    }
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull())
        problem(QStringLiteral("picture missing or unreadable: %1 (%2)")
                    .arg(path, reader.errorString()));
    image.setDevicePixelRatio(1);
    return image;
}

} // namespace scaledpicture
