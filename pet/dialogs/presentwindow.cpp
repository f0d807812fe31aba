#include "presentwindow.h"

#include "desktop/desktopwindow.h"
#include "pet/core/pet.h"
#include "pet/core/pictureswidget.h"
#include "presents.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
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

QPixmap presentPixmap(int p, bool colour, qreal deviceRatio)
{
    const QPixmap &pic = PictureStore::instance().picture(
        QStringLiteral("present%1_%2").arg(p).arg(colour ? QStringLiteral("color") : QStringLiteral("grey")),
        deviceRatio);
    if (!pic.isNull())
        return pic;
    QPixmap fallback(32, 32);
    fallback.fill(colour ? QColor(255, 200, 120) : QColor(190, 190, 190));
    return fallback;
}
} // namespace

PresentWindow::PresentWindow(Pet &pet, QWidget *parent)
    : QWidget(parent, desktop::fixedSizeFlags(Qt::Dialog, false)), m_pet(pet)
{
    // It belongs to the pet window: one taskbar entry for the pet and its windows.
    desktop::keepOffTaskbar(this);
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
        stamp->setPixmap(
            PictureStore::instance().picture(QStringLiteral("stamp"), devicePixelRatio()));
        stamp->setToolTip(QStringLiteral("もう持ってるよ！"));
        stamp->hide();
        m_stamps[p - 1] = stamp;
        if (p <= 6) {
            // The name is centred under its picture and kept inside the window.
            auto *name = new QLabel(QString::fromUtf8(Presents::table()[size_t(p)].name), this);
            name->setAlignment(Qt::AlignCenter);
            const int w = qMax(pl.w / 15, name->sizeHint().width());
            const int x = qBound(0, pl.x / 15 + pl.w / 30 - w / 2, width() - w);
            name->setGeometry(x, (p <= 4 ? 1320 : 2760) / 15, w, 14);
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

void PresentWindow::open()
{
    // Bringing the presents up to date may take a moment: the pointer says so meanwhile.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_pet.presents().Setform();
    m_pet.presents().setWindowOpen(true);
    refresh();
    if (!m_placed) {
        // The first time it opens in the middle of the screen the pet stands on; afterwards where
        // the user left it.
        m_placed = true;
        QWidget *petWindow = parentWidget();
        desktop::centreOnScreen(this, petWindow ? petWindow->screen() : nullptr, petWindow);
    }
    show();
    raise();
    QApplication::restoreOverrideCursor();
}

void PresentWindow::refresh()
{
    for (int p = 1; p <= 9; ++p) {
        const qint16 s = m_pet.presents().state(p);
        m_pictures[p - 1]->setPixmap(presentPixmap(p, s == 1, devicePixelRatio()));
        m_stamps[p - 1]->setVisible(s == 3);
        if (s == 3)
            m_stamps[p - 1]->raise();
    }
}

bool PresentWindow::eventFilter(QObject *o, QEvent *e)
{
    // Giving is final, so only a real click gives: the left button pressed on a present and
    // released over the same present. Other buttons, and a press dragged off before release,
    // give nothing.
    const auto type = e->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(o, e);
    const auto *me = static_cast<QMouseEvent *>(e);
    if (me->button() != Qt::LeftButton)
        return QWidget::eventFilter(o, e);
    int p = 0;
    for (int i = 1; i <= 9; ++i)
        if (o == m_pictures[i - 1])
            p = i;
    if (type == QEvent::MouseButtonPress) {
        m_pressed = p;
    } else {
        const bool over = p != 0 && m_pictures[p - 1]->rect().contains(me->position().toPoint());
        const bool click = over && m_pressed == p;
        m_pressed = 0;
        if (click)
            m_pet.presents().give(p);
    }
    return QWidget::eventFilter(o, e);
}
