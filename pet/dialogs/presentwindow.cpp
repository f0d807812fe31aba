#include "presentwindow.h"

#include "pet/core/pet.h"
#include "pet/core/pictureswidget.h"
#include "presents.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {
struct Place {
    int x, y, w, h, sx, sy;
};
// Twips of the window's design, divided by 15.
const Place kPlaces[9] = {
    {240, 240, 480, 1035, 240, 480},   {1200, 480, 750, 660, 1320, 480}, {2280, 360, 1200, 900, 2640, 480},
    {3720, 360, 645, 615, 3720, 480},  {240, 1560, 480, 1155, 240, 1920}, {1080, 1920, 990, 645, 1320, 1920},
    {2520, 2040, 480, 480, 2520, 2040}, {3120, 2040, 480, 480, 3120, 2040}, {3720, 2040, 480, 480, 3720, 2040},
};
const int kNameLeft[6] = {240, 1200, 2280, 3720, 240, 1080};

QPixmap presentPixmap(int p, bool colour)
{
    const QPixmap &pic = PictureStore::instance().picture(
        QStringLiteral("present%1_%2").arg(p).arg(colour ? QStringLiteral("color") : QStringLiteral("grey")));
    if (!pic.isNull())
        return pic;
    QPixmap fallback(32, 32);
    fallback.fill(colour ? QColor(255, 200, 120) : QColor(190, 190, 190));
    return fallback;
}
} // namespace

PresentWindow::PresentWindow(Pet &pet, QWidget *parent) : QWidget(parent, Qt::Window), m_pet(pet)
{
    setWindowTitle(QStringLiteral("プレゼント"));
    setFixedSize(294, 231);
    QFont f(QStringLiteral("Noto Sans CJK JP"));
    f.setPixelSize(11);
    setFont(f);
    auto *title = new QLabel(QStringLiteral("プレゼントする品物をクリックしてください"), this);
    QFont bold = f;
    bold.setBold(true);
    title->setFont(bold);
    title->setGeometry(8, 0, 286, 16);
    for (int p = 1; p <= 9; ++p) {
        const Place &pl = kPlaces[p - 1];
        auto *pic = new QLabel(this);
        pic->setGeometry(pl.x / 15, pl.y / 15, pl.w / 15, pl.h / 15);
        pic->setAlignment(Qt::AlignCenter);
        pic->setToolTip(QString::fromUtf8(Presents::table()[size_t(p)].toolTip));
        pic->setCursor(Qt::PointingHandCursor);
        pic->installEventFilter(this);
        m_pictures[p - 1] = pic;
        auto *stamp = new QLabel(this);
        stamp->setGeometry(pl.sx / 15, pl.sy / 15, 33, 33);
        stamp->setPixmap(PictureStore::instance().picture(QStringLiteral("stamp")));
        stamp->setToolTip(QStringLiteral("もう持ってるよ！"));
        stamp->hide();
        m_stamps[p - 1] = stamp;
        if (p <= 6) {
            auto *name = new QLabel(QString::fromUtf8(Presents::table()[size_t(p)].name), this);
            name->setGeometry(kNameLeft[p - 1] / 15 - 8, (p <= 4 ? 1320 : 2760) / 15, 76, 14);
        }
    }
    auto *close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setGeometry(3240 / 15, 3000 / 15, 1095 / 15, 375 / 15);
    close->setToolTip(QStringLiteral("閉じるよ"));
    connect(close, &QPushButton::clicked, this, [this] {
        m_pet.presents().setWindowOpen(false);
        hide();
    });
    connect(&pet.scene(), &Scene::changed, this, [this](int parts) {
        if (parts & Scene::Presents) {
            refresh();
            if (!m_pet.presents().windowOpen())
                hide();
        }
    });
}

void PresentWindow::refresh()
{
    for (int p = 1; p <= 9; ++p) {
        const qint16 s = m_pet.presents().state(p);
        m_pictures[p - 1]->setPixmap(presentPixmap(p, s == 1));
        m_stamps[p - 1]->setVisible(s == 3);
        if (s == 3)
            m_stamps[p - 1]->raise();
    }
}

bool PresentWindow::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonRelease) {
        for (int p = 1; p <= 9; ++p)
            if (o == m_pictures[p - 1])
                m_pet.presents().give(p);
    }
    return QWidget::eventFilter(o, e);
}
