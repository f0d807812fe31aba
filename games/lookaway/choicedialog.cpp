#include "choicedialog.h"

#include "desktop/desktopwindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>

ChoiceDialog::ChoiceDialog(const QStringList &captions, QWidget *parent) : QDialog(parent)
{
    // A plain titled box without a help button; closing it counts as giving up the game.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setWindowTitle(parent ? parent->windowTitle() : QString());
    setModal(true);
    desktop::keepOffTaskbar(this);
    // Until its own frame is known a move places its inside; once the frame arrives it is placed
    // again so that the frame stands where it belongs.
    auto *frames = new desktop::FrameWatch(this);
    connect(frames, &desktop::FrameWatch::frameChanged, this, [this] {
        if (isVisible() && m_gameWindow)
            place();
    });
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(10, 10, 10, 10);
    row->setSpacing(8);
    for (int i = 0; i < captions.size(); ++i) {
        auto *b = new QPushButton(captions.at(i), this);
        b->setMinimumSize(56, 36);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, i] {
            m_answered = true;
            hide();
            emit chosen(i);
        });
        row->addWidget(b);
        m_buttons << b;
    }
    setFixedSize(sizeHint());
}

void ChoiceDialog::askAt(QWidget *gameWindow, QPoint offset)
{
    m_answered = false;
    if (m_gameWindow != gameWindow) {
        if (m_gameWindow)
            m_gameWindow->removeEventFilter(this);
        m_gameWindow = gameWindow;
        gameWindow->installEventFilter(this);
    }
    m_offset = offset;
    place();
    open();
}

void ChoiceDialog::place()
{
    // Both corners are those of the outer frames the user sees.
    move(m_gameWindow->frameGeometry().topLeft() + m_offset);
}

bool ChoiceDialog::eventFilter(QObject *watched, QEvent *event)
{
    // The game window moved, or its frame arrived after the dialog was placed.
    if (watched == m_gameWindow && event->type() == QEvent::Move && isVisible())
        place();
    return QDialog::eventFilter(watched, event);
}

void ChoiceDialog::keyPressEvent(QKeyEvent *event)
{
    // Escape must not slip past the one choice the call is waiting for.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void ChoiceDialog::closeEvent(QCloseEvent *event)
{
    QDialog::closeEvent(event);
    if (event->isAccepted() && !m_answered)
        emit dismissed();
}
