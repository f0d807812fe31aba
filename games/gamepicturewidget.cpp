#include "gamepicturewidget.h"

#include "common/gui/scaledpicture.h"

#include <QHash>
#include <algorithm>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

GamePictureWidget::GamePictureWidget(QSize size, QWidget *parent) : QLabel(parent), m_size(size)
{
    setFixedSize(size);
    setAlignment(Qt::AlignCenter);
}

QString GamePictureWidget::resourcePath(const QString &name)
{
    return QStringLiteral(":/gameart/%1.png").arg(name);
}

void GamePictureWidget::showPicture(const QString &name, const QString &fallbackLabel)
{
    if (name == m_name && !pixmap().isNull()
        && scaledpicture::scaleFor(pixmap().devicePixelRatio())
               == scaledpicture::scaleFor(devicePixelRatio()))
        return;
    // Each picture is read once; a window flips between a handful of them all game long. On a
    // screen with a device pixel ratio above one the 2x picture is shown, in the same 1x size.
    static QHash<QString, QPixmap> cache;
    const int scale = scaledpicture::scaleFor(devicePixelRatio());
    const QString key = scale == 1 ? name : name + QStringLiteral("@2x");
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, QPixmap::fromImage(scaledpicture::read(resourcePath(name), scale)));
    m_name = name;
    m_fallback = it->isNull();
    setPixmap(m_fallback ? fallbackPixmap(fallbackLabel) : *it);
}

QPixmap GamePictureWidget::fallbackPixmap(const QString &label) const
{
    // Drawn at the screen's pixel ratio, so the card is as sharp as the pictures.
    QPixmap pm(m_size * devicePixelRatio());
    pm.setDevicePixelRatio(devicePixelRatio());
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x22), 2));
    p.setBrush(QColor(0xfc, 0xe8, 0xd0));
    const int radius = std::min(m_size.width(), m_size.height()) / 5;
    p.drawRoundedRect(QRectF(1, 1, m_size.width() - 2, m_size.height() - 2), radius, radius);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(std::max(10, std::min(m_size.width(), m_size.height()) / 3));
    p.setFont(f);
    p.drawText(QRect(QPoint(0, 0), m_size), Qt::AlignCenter, label);
    return pm;
}

void GamePictureWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mousePressEvent(event);
}
