// Turns our antialiased drawings into indexed GIF89a files. A palette is built by median cut over
// one or more pictures; the flat colours of our colour table keep exact entries so fills stay
// clean, and the rest of the palette covers the antialiased edges.
#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QVector>

struct GifPalette {
    QVector<QRgb> colours;
    int transparent = -1; // index of the see-through colour, -1 for an opaque picture
};

// Builds one palette for all the given pictures. With transparency, pixels whose alpha is below
// one half are see-through and one entry is kept for them.
GifPalette buildPalette(const QList<QImage> &images, bool transparency, int maxColours = 256);

// Writes the picture with the palette; returns false (and says why on stderr) when it fails.
bool writeGif(const QString &path, const QImage &image, const GifPalette &palette);

// The common case: a picture with a palette of its own.
bool writeGif(const QString &path, const QImage &image, bool transparency);
