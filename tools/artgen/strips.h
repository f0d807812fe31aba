// The pet's picture strips: one row of 150 × 220 frames per file, frame n at x = 150·n. Each
// strips_*.cpp draws one group of activities and names every strip of it with its frame count,
// the activity it shows and what each frame shows; strips.cpp puts the groups together.
#pragma once

#include <QImage>
#include <QList>
#include <QPainter>
#include <QString>

#include <functional>

struct Strip {
    QString name;   // the file is gif/pimmo<name>.gif
    int frames;
    std::function<void(QPainter &, int frame)> draw;
};

constexpr int kFrameWidth = 150;
constexpr int kFrameHeight = 220;

const QList<Strip> &strips();
// All frames of the strip side by side, drawn at the scale (1 or 2) given.
QImage renderStrip(const Strip &strip, int scale = 1);
