// The application icon: the pet's face on a round sky-blue badge, drawn once in a 96-unit square
// and written at the sizes desktops ask for (menus, taskbars, software centres).
#include "artwork.h"
#include "colours.h"
#include "figure.h"
#include "output.h"
#include "paint.h"

#include <QDir>
#include <QImage>
#include <QPainter>

namespace {
QImage iconAt(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paint::begin(p);
    p.scale(size / 96.0, size / 96.0);
    paint::ellipse(p, {48, 48}, 45, 45, colours::sky);
    // The face fills the badge; the hair may reach past its rim, as a sticker's would.
    p.save();
    p.setClipPath(paint::ellipsePath({48, 48}, 47, 47));
    Pose face;
    face.at = {48, 53};
    face.scale = 0.8;
    face.eyes = Eyes::Open;
    face.mouth = Mouth::Smile;
    drawHead(p, face);
    p.restore();
    p.end();
    return image;
}
} // namespace

bool writeIcons(const QString &binDir)
{
    const QString dir = binDir + QStringLiteral("/icons");
    if (!QDir().mkpath(dir))
        return false;
    bool ok = true;
    for (int size : iconSizes())
        ok = output::savePng(dir + QStringLiteral("/lunetta-%1.png").arg(size), iconAt(size)) && ok;
    return ok;
}

QList<int> iconSizes() { return {48, 128, 256}; }
