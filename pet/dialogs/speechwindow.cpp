#include "speechwindow.h"

#include "desktop/desktopwindow.h"
#include "pet/core/pet.h"
#include "questions.h"
#include "speech.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {
// The text label closes the window when clicked.
class ClickLabel : public QLabel
{
public:
    ClickLabel(QWidget *parent, std::function<void()> onClick) : QLabel(parent), m_onClick(std::move(onClick)) {}

protected:
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
            m_onClick();
    }

private:
    std::function<void()> m_onClick;
};

QLabel *whitePanel(QWidget *parent, int w, int h)
{
    auto *panel = new QLabel(parent);
    panel->setGeometry(0, 0, w, h);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    panel->setPalette(pal);
    return panel;
}

QLabel *styledText(QLabel *label, int x, int y, int w, int h, const QString &toolTip)
{
    label->setGeometry(x, y, w, h);
    label->setFont(SpeechWindow::textFont());
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    label->setToolTip(toolTip);
    return label;
}

QPoint pixels(QPoint twips) { return {twips.x() / 15, twips.y() / 15}; }
} // namespace

BubbleWindow::BubbleWindow(Pet &pet, QWidget *petWindow, QSize insideSize)
    : QWidget(petWindow, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                             | Qt::WindowDoesNotAcceptFocus),
      m_pet(pet), m_petWindow(petWindow)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(insideSize + QSize(2 * kFrame, 2 * kFrame));
    m_inside = new QWidget(this);
    m_inside->setGeometry(kFrame, kFrame, insideSize.width(), insideSize.height());
    desktop::keepOffTaskbar(this);
    if (m_petWindow)
        m_petWindow->installEventFilter(this);
    auto *frames = new desktop::FrameWatch(this);
    connect(frames, &desktop::FrameWatch::frameChanged, this, [this](QSize outer) { reportOuterSize(outer); });
}

void BubbleWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.setPen(QColor(0x6f, 0x62, 0x55));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(QColor(0xd9, 0xd2, 0xc8));
    p.drawRect(r.adjusted(1, 1, -2, -2));
}

void BubbleWindow::follow(bool open, QPoint placeTwips, int bringUps)
{
    const bool broughtUp = bringUps != m_bringUps;
    m_open = open;
    m_place = pixels(placeTwips);
    m_bringUps = bringUps;
    updateShown();
    if (open && broughtUp && isVisible())
        desktop::raiseQuietly(this);
}

void BubbleWindow::updateShown()
{
    const bool petThere = !m_petWindow || (m_petWindow->isVisible() && !m_petWindow->isMinimized());
    if (m_open && petThere) {
        if (pos() != m_place)
            move(m_place);
        if (!isVisible()) {
            // The window manager may have minimised it along with the pet.
            setWindowState(windowState() & ~Qt::WindowMinimized);
            show();
        }
    } else if (isVisible()) {
        hide();
    }
}

bool BubbleWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_petWindow) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::WindowStateChange:
            updateShown();
            break;
        default:
            break;
        }
    }
    return false;
}

QFont SpeechWindow::textFont()
{
    QFont f(QStringLiteral("Noto Sans CJK JP"));
    f.setPixelSize(12);
    return f;
}

SpeechWindow::SpeechWindow(Pet &pet, QWidget *petWindow) : BubbleWindow(pet, petWindow, QSize(201, 162))
{
    setWindowTitle(QStringLiteral("ピモのおしゃべり"));
    whitePanel(inside(), 201, 161);
    m_text = styledText(new ClickLabel(inside(), [this] { m_pet.speech().close(); }), 8, 8, 185, 145,
                       QStringLiteral("クリックすると閉じるよ"));
    m_text->setCursor(Qt::PointingHandCursor);
    reportOuterSize(size());
    connect(&pet.scene(), &Scene::changed, this, [this](int parts) {
        if (parts & Scene::Speech)
            refresh();
    });
}

void SpeechWindow::reportOuterSize(QSize outer)
{
    ScreenGeometry &g = m_pet.ctx().screen;
    g.speechWidth = outer.width() * 15;
    g.speechHeight = outer.height() * 15;
}

void SpeechWindow::refresh()
{
    const Scene &s = m_pet.scene();
    m_text->setText(displayText(s.speechText()));
    follow(s.speechOpen(), s.speechPlace(), s.speechBringUps());
}

QuestionWindow::QuestionWindow(Pet &pet, QWidget *petWindow) : BubbleWindow(pet, petWindow, QSize(201, 241))
{
    setWindowTitle(QStringLiteral("ピモの質問"));
    whitePanel(inside(), 201, 137);
    m_text = styledText(new QLabel(inside()), 8, 8, 185, 121, QStringLiteral("ね、早く答えてよ！"));
    for (int i = 0; i < 3; ++i) {
        auto *b = new QPushButton(inside());
        b->setGeometry(8, 144 + 32 * i, 185, 25);
        b->setFont(SpeechWindow::textFont());
        // Answers are given with the mouse: a key typed elsewhere must never answer.
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, i] { m_pet.questions().btnans_Click(i + 1); });
        m_answers[i] = b;
    }
    reportOuterSize(size());
    connect(&pet.scene(), &Scene::changed, this, [this](int parts) {
        if (parts & Scene::Question)
            refresh();
    });
}

void QuestionWindow::reportOuterSize(QSize outer)
{
    ScreenGeometry &g = m_pet.ctx().screen;
    g.questionWidth = outer.width() * 15;
    g.questionHeight = outer.height() * 15;
}

void QuestionWindow::refresh()
{
    const Scene &s = m_pet.scene();
    m_text->setText(displayText(s.questionText()));
    for (int i = 0; i < 3; ++i)
        m_answers[i]->setText(s.answer(i + 1));
    follow(s.questionOpen(), s.questionPlace(), s.questionBringUps());
}
