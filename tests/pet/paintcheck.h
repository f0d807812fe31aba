// A pet picture box on the screen that records what it repaints, for tests that play frames and
// props through it and compare what the screen then holds with a full paint of the same scene.
#pragma once

#include "pet/model/scene.h"
#include "pet/windows/petwindow.h"

#include <QPaintEvent>
#include <QScreen>
#include <QtTest>

// Records the regions a widget paints.
class PaintLog : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            regions << static_cast<QPaintEvent *>(e)->region();
        return false;
    }
    QList<QRegion> regions;
};

// The picture box in a window of its own. The window is made as many times the box's size as the
// screen's ratio, because the offscreen screen hands out a window's picture cut to its size in
// window units: so the grab holds every device pixel of the box.
struct ShownPicture {
    ShownPicture()
    {
        const int ratio = qCeil(qApp->devicePixelRatio());
        host.resize(154 * ratio, 224 * ratio);
        view.setGeometry(0, 0, 154, 224);
        host.show();
    }
    bool exposed()
    {
        const bool ok = QTest::qWaitForWindowExposed(&host);
        settle();
        view.installEventFilter(&log);
        return ok;
    }
    void settle()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    void show(const QString &strip, int frame)
    {
        scene.setStrip(strip);
        scene.setFrame(frame);
        view.refresh();
        settle();
    }
    // What the box shows on the screen, in device pixels.
    QImage onScreen() const
    {
        const QImage all = pixels(host.screen()->grabWindow(host.winId()).toImage());
        const qreal ratio = view.devicePixelRatio();
        return all.copy(QRect(0, 0, qRound(154 * ratio), qRound(224 * ratio)));
    }
    // What a paint of the whole box draws now (not counted as repainted).
    QImage fullPaint()
    {
        view.removeEventFilter(&log);
        const QImage image = pixels(view.grab().toImage());
        view.installEventFilter(&log);
        return image;
    }
    static QImage pixels(const QImage &image)
    {
        QImage plain = image.convertToFormat(QImage::Format_RGB32);
        plain.setDevicePixelRatio(1);
        return plain;
    }
    // Window units repainted since the last look, counted once however often painted.
    int repainted()
    {
        QRegion all;
        for (const QRegion &r : std::as_const(log.regions))
            all += r;
        log.regions.clear();
        int units = 0;
        for (const QRect &r : all)
            units += r.width() * r.height();
        return units;
    }

    Scene scene;
    QWidget host;
    PetView view{scene, &host};
    PaintLog log;
};
