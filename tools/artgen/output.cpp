#include "output.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace output {
namespace {
QSet<QString> &written()
{
    static QSet<QString> files;
    return files;
}

QString normal(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}
} // namespace

QImage canvas(int w, int h, int scale, QColor fill)
{
    QImage image(w * scale, h * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(fill);
    return image;
}

bool savePng(const QString &path, const QImage &image)
{
    wrote(path);
    return image.save(path, "PNG");
}

void wrote(const QString &path)
{
    written().insert(normal(path));
}

QStringList compareWithList(const QString &list, const QString &binDir, const QString &gameartDir)
{
    QSet<QString> expected;
    QStringList problems;
    const QStringList lines = list.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString name = fields.first();
        const bool twice = fields.size() == 2 && fields[1] == QLatin1String("2x");
        QString root;
        if (name.startsWith(QLatin1String("bin/")))
            root = binDir + name.mid(3);
        else if (name.startsWith(QLatin1String("gameart/")))
            root = gameartDir + name.mid(7);
        if (root.isEmpty() || fields.size() > 2 || (fields.size() == 2 && !twice)) {
            problems << QStringLiteral("line %1 of the list is not understood: %2")
                            .arg(i + 1)
                            .arg(line);
            continue;
        }
        expected.insert(normal(root));
        if (twice)
            expected.insert(normal(scaledpicture::pathAt(root, 2)));
    }
    for (const QString &f : written())
        if (!expected.contains(f))
            problems << QStringLiteral("written but not listed: ") + f;
    for (const QString &f : expected)
        if (!written().contains(f))
            problems << QStringLiteral("listed but not written: ") + f;
    problems.sort();
    return problems;
}

} // namespace output
