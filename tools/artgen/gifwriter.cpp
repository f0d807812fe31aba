#include "gifwriter.h"

#include "colours.h"
#include "output.h"

#include <QDebug>
#include <QFile>
#include <QHash>

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdio>

namespace {

// Colours are bucketed at six bits a channel for the median cut and the nearest-colour lookup.
int bucketOf(QRgb c)
{
    return ((qRed(c) >> 2) << 12) | ((qGreen(c) >> 2) << 6) | (qBlue(c) >> 2);
}

struct Bucket {
    int key;
    qint64 count;
    qint64 r, g, b;
};

struct Box {
    int begin, end; // range in the bucket list
    qint64 weight;
};

int channel(const Bucket &b, int ch)
{
    return (b.key >> (12 - 6 * ch)) & 63;
}

QRgb average(const std::vector<Bucket> &list, const Box &box)
{
    qint64 n = 0, r = 0, g = 0, b = 0;
    for (int i = box.begin; i < box.end; ++i) {
        n += list[i].count;
        r += list[i].r;
        g += list[i].g;
        b += list[i].b;
    }
    if (n == 0)
        return qRgb(0, 0, 0);
    return qRgb(int(r / n), int(g / n), int(b / n));
}

int distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

QRgb opaque(QRgb c)
{
    return c | 0xff000000u;
}

bool seeThrough(QRgb c)
{
    return qAlpha(c) < 128;
}

// Maps pixels to palette entries: exact hits on fixed colours first, then a cached lookup of the
// nearest entry per bucket.
class Mapper
{
public:
    explicit Mapper(const GifPalette &palette) : m_palette(palette), m_cache(1 << 18, -1)
    {
        for (int i = 0; i < palette.colours.size(); ++i) {
            if (i != palette.transparent && !m_exact.contains(palette.colours[i]))
                m_exact.insert(palette.colours[i], i);
        }
    }

    int index(QRgb pixel)
    {
        if (m_palette.transparent >= 0 && seeThrough(pixel))
            return m_palette.transparent;
        const QRgb c = opaque(pixel);
        const auto hit = m_exact.constFind(c);
        if (hit != m_exact.constEnd())
            return hit.value();
        int &cached = m_cache[bucketOf(c)];
        if (cached < 0) {
            int best = 0, bestDistance = INT_MAX;
            for (int i = 0; i < m_palette.colours.size(); ++i) {
                if (i == m_palette.transparent)
                    continue;
                const int d = distance(c, m_palette.colours[i]);
                if (d < bestDistance) {
                    bestDistance = d;
                    best = i;
                }
            }
            cached = best;
        }
        return cached;
    }

private:
    const GifPalette &m_palette;
    QHash<QRgb, int> m_exact;
    std::vector<int> m_cache;
};

} // namespace

GifPalette buildPalette(const QList<QImage> &images, bool transparency, int maxColours)
{
    GifPalette palette;
    if (transparency) {
        palette.transparent = 0;
        palette.colours.append(qRgb(255, 0, 255));
    }
    // Fixed colours that the pictures really use get exact entries.
    QHash<QRgb, qint64> exactUse;
    for (QRgb c : colours::all())
        exactUse.insert(opaque(c), 0);
    std::vector<Bucket> buckets(1 << 18);
    for (int i = 0; i < int(buckets.size()); ++i)
        buckets[i] = Bucket{i, 0, 0, 0, 0};
    for (const QImage &source : images) {
        const QImage image = source.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (transparency && seeThrough(line[x]))
                    continue;
                const QRgb c = opaque(line[x]);
                auto hit = exactUse.find(c);
                if (hit != exactUse.end()) {
                    ++hit.value();
                    continue;
                }
                Bucket &b = buckets[bucketOf(c)];
                ++b.count;
                b.r += qRed(c);
                b.g += qGreen(c);
                b.b += qBlue(c);
            }
        }
    }
    QList<QRgb> used;
    for (auto it = exactUse.cbegin(); it != exactUse.cend(); ++it) {
        if (it.value() > 0)
            used.append(it.key());
    }
    std::sort(used.begin(), used.end());
    const int fixedRoom = maxColours - int(palette.colours.size()) - 16;
    if (used.size() > fixedRoom)
        used.resize(fixedRoom); // too many flat colours: the rest fall back to the median cut
    palette.colours.append(used);

    std::vector<Bucket> list;
    for (const Bucket &b : buckets) {
        if (b.count > 0)
            list.push_back(b);
    }
    const int room = maxColours - int(palette.colours.size());
    if (!list.empty() && room > 0) {
        std::vector<Box> boxes{Box{0, int(list.size()), 0}};
        auto spread = [&](const Box &box, int *widest) {
            int best = -1;
            for (int ch = 0; ch < 3; ++ch) {
                int lo = 63, hi = 0;
                for (int i = box.begin; i < box.end; ++i) {
                    lo = std::min(lo, channel(list[i], ch));
                    hi = std::max(hi, channel(list[i], ch));
                }
                if (hi - lo > best) {
                    best = hi - lo;
                    *widest = ch;
                }
            }
            return best;
        };
        while (int(boxes.size()) < room) {
            // Split the box with the most pixels times its colour spread.
            int pick = -1, pickChannel = 0;
            double pickScore = 0;
            for (int i = 0; i < int(boxes.size()); ++i) {
                const Box &box = boxes[i];
                if (box.end - box.begin < 2)
                    continue;
                int ch = 0;
                const int s = spread(box, &ch);
                qint64 n = 0;
                for (int k = box.begin; k < box.end; ++k)
                    n += list[k].count;
                const double score = double(s) * std::sqrt(double(n));
                if (s > 0 && score > pickScore) {
                    pickScore = score;
                    pick = i;
                    pickChannel = ch;
                }
            }
            if (pick < 0)
                break;
            Box box = boxes[pick];
            std::sort(list.begin() + box.begin, list.begin() + box.end,
                      [&](const Bucket &a, const Bucket &b) {
                          const int ca = channel(a, pickChannel), cb = channel(b, pickChannel);
                          return ca != cb ? ca < cb : a.key < b.key;
                      });
            qint64 total = 0;
            for (int k = box.begin; k < box.end; ++k)
                total += list[k].count;
            qint64 half = 0;
            int cut = box.begin + 1;
            for (int k = box.begin; k < box.end - 1; ++k) {
                half += list[k].count;
                cut = k + 1;
                if (half * 2 >= total)
                    break;
            }
            boxes[pick] = Box{box.begin, cut, 0};
            boxes.push_back(Box{cut, box.end, 0});
        }
        for (const Box &box : boxes)
            palette.colours.append(average(list, box));
    }
    if (palette.colours.isEmpty())
        palette.colours.append(qRgb(0, 0, 0));
    return palette;
}

bool writeGif(const QString &path, const QImage &source, const GifPalette &palette)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    int size = 2;
    while (size < palette.colours.size())
        size *= 2;
    std::vector<GifColorType> entries(size, GifColorType{0, 0, 0});
    for (int i = 0; i < palette.colours.size(); ++i) {
        const QRgb c = palette.colours[i];
        entries[i] = GifColorType{GifByteType(qRed(c)), GifByteType(qGreen(c)),
                                  GifByteType(qBlue(c))};
    }
    output::wrote(path);
    const QByteArray name = QFile::encodeName(path);
    int error = 0;
    GifFileType *gif = EGifOpenFileName(name.constData(), false, &error);
    if (!gif) {
        std::fprintf(stderr, "artgen: cannot write %s (%s)\n", name.constData(),
                     GifErrorString(error));
        return false;
    }
    EGifSetGifVersion(gif, true);
    ColorMapObject *map = GifMakeMapObject(size, entries.data());
    bool ok = EGifPutScreenDesc(gif, image.width(), image.height(), 8,
                                palette.transparent >= 0 ? palette.transparent : 0, map)
              == GIF_OK;
    if (ok && palette.transparent >= 0) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.UserInputFlag = false;
        gcb.DelayTime = 0;
        gcb.TransparentColor = palette.transparent;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&gcb, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_OK;
    }
    ok = ok && EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), false, nullptr) == GIF_OK;
    Mapper mapper(palette);
    std::vector<GifPixelType> line(image.width());
    for (int y = 0; ok && y < image.height(); ++y) {
        const QRgb *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = GifPixelType(mapper.index(pixels[x]));
        ok = EGifPutLine(gif, line.data(), image.width()) == GIF_OK;
    }
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) != GIF_OK)
        ok = false;
    if (!ok)
        std::fprintf(stderr, "artgen: failed writing %s\n", name.constData());
    return ok;
}

bool writeGif(const QString &path, const QImage &image, bool transparency)
{
    return writeGif(path, image, buildPalette({image}, transparency));
}
