// Writes the pet strips with one shared palette, and the contact sheet of every strip.
#include "artwork.h"
#include "colours.h"
#include "gifwriter.h"
#include "output.h"
#include "paint.h"
#include "strips.h"

#include <QImageReader>
#include <QPainter>

bool writeStrips(const QString &gifDir)
{
    // One palette for every strip, so the pet never changes colour between activities. The 2x
    // strips use the same palette: the flat colours are the same at both sizes, and building it
    // once from the 1x pictures keeps the build quick.
    QList<QImage> images;
    for (const Strip &strip : strips())
        images.append(renderStrip(strip, 1));
    const GifPalette palette = buildPalette(images, false);
    auto path = [&](int i, int scale) {
        return scaledpicture::pathAt(gifDir + QStringLiteral("/pimmo") + strips()[i].name
                                   + QStringLiteral(".gif"), scale);
    };
    bool ok = true;
    for (int i = 0; i < images.size(); ++i)
        ok = writeGif(path(i, 1), images[i], palette) && ok;
    images.clear();
    // One 2x strip at a time: together they would take four times the memory of the 1x set.
    for (int i = 0; i < strips().size(); ++i)
        ok = writeGif(path(i, 2), renderStrip(strips()[i], 2), palette) && ok;
    return ok;
}

bool writeContactSheet(const QString &binDir, const QString &out)
{
    // One row per strip, read back from the written files so the sheet shows what users see.
    constexpr int label = 40, gap = 6, maxFrames = 10;
    const int rowsPerColumn = (int(strips().size()) + 1) / 2;
    const int columnWidth = label + maxFrames * (kFrameWidth / 2 + 2);
    QImage sheet(2 * columnWidth + gap, rowsPerColumn * (kFrameHeight / 2 + gap),
                 QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    paint::begin(p);
    for (int i = 0; i < strips().size(); ++i) {
        const Strip &strip = strips()[i];
        const QImage image(binDir + QStringLiteral("/gif/pimmo") + strip.name
                           + QStringLiteral(".gif"));
        const int x0 = (i / rowsPerColumn) * (columnWidth + gap);
        const int y0 = (i % rowsPerColumn) * (kFrameHeight / 2 + gap);
        paint::text(p, QRectF(x0, y0, label, 30), strip.name, colours::outline, 16);
        if (image.isNull())
            continue;
        for (int f = 0; f < image.width() / kFrameWidth; ++f) {
            const QImage frame = image.copy(f * kFrameWidth, 0, kFrameWidth, kFrameHeight)
                                     .scaled(kFrameWidth / 2, kFrameHeight / 2,
                                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            p.drawImage(x0 + label + f * (kFrameWidth / 2 + 2), y0, frame);
        }
    }
    p.end();
    return sheet.save(out);
}
