#include "gamewindowparts.h"

#include "desktop/desktopwindow.h"

#include <QCursor>
#include <QDateTime>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QScreen>

GameWindow::GameWindow(QWidget *parent) : QDialog(parent, desktop::fixedSizeFlags(Qt::Dialog, true)) {}

void GameWindow::setVisible(bool visible)
{
    if (visible && !m_placed) {
        m_placed = true;
        gamewindow::placeGameWindow(this);
    }
    QDialog::setVisible(visible);
}

void GameWindow::done(int result)
{
    stopGame();
    QDialog::done(result);
}

void GameWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

namespace gamewindow {

QLabel *caption(QWidget *parent, const QString &text, const QRect &place)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(place);
    return label;
}

QLabel *countBox(QWidget *parent, const QRect &place)
{
    auto *label = new QLabel(QStringLiteral("0"), parent);
    label->setGeometry(place);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel *speechBox(QWidget *parent, const QRect &place)
{
    auto *label = new QLabel(parent);
    label->setGeometry(place);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setMargin(4);
    label->setTextFormat(Qt::PlainText);
    label->setStyleSheet(QStringLiteral("background: #fffdf4;"));
    return label;
}

QString shownText(const QString &msg)
{
    QString s = msg;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

quint64 clockSeed() { return quint64(QDateTime::currentMSecsSinceEpoch()); }

void placeGameWindow(QWidget *window)
{
    // Its size comes from its layout, which is settled before the first show.
    window->ensurePolished();
    if (QLayout *layout = window->layout())
        layout->activate();
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    desktop::centreOnScreen(window, screen ? screen : QGuiApplication::primaryScreen());
}

} // namespace gamewindow
