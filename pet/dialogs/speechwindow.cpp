#include "speechwindow.h"

#include "pet/core/pet.h"
#include "questions.h"
#include "speech.h"

#include <QMouseEvent>
#include <QPushButton>

namespace {
Qt::WindowFlags dialogFlags()
{
    return Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus;
}

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
} // namespace

QFont SpeechWindow::textFont()
{
    QFont f(QStringLiteral("Noto Sans CJK JP"));
    f.setPixelSize(12);
    return f;
}

SpeechWindow::SpeechWindow(Pet &pet) : QWidget(nullptr, dialogFlags()), m_pet(pet)
{
    setWindowTitle(QStringLiteral("ピモのおしゃべり"));
    setFixedSize(201, 162);
    whitePanel(this, 201, 161);
    m_text = new ClickLabel(this, [this] { m_pet.speech().close(); });
    m_text->setGeometry(8, 8, 185, 145);
    m_text->setFont(textFont());
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setToolTip(QStringLiteral("クリックすると閉じるよ"));
    m_text->setCursor(Qt::PointingHandCursor);
    connect(&pet.scene(), &Scene::changed, this, [this](int parts) {
        if (parts & Scene::Speech)
            refresh();
    });
}

void SpeechWindow::refresh()
{
    const Scene &s = m_pet.scene();
    m_text->setText(displayText(s.speechText()));
    if (s.speechOpen()) {
        move(s.speechPlace().x() / 15, s.speechPlace().y() / 15);
        if (!isVisible())
            show();
        raise();
    } else if (isVisible()) {
        hide();
    }
}

QuestionWindow::QuestionWindow(Pet &pet) : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_pet(pet)
{
    setWindowTitle(QStringLiteral("ピモの質問"));
    setFixedSize(201, 241);
    whitePanel(this, 201, 137);
    m_text = new QLabel(this);
    m_text->setGeometry(8, 8, 185, 121);
    m_text->setFont(SpeechWindow::textFont());
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setToolTip(QStringLiteral("ね、早く答えてよ！"));
    for (int i = 0; i < 3; ++i) {
        auto *b = new QPushButton(this);
        b->setGeometry(8, 144 + 32 * i, 185, 25);
        b->setFont(SpeechWindow::textFont());
        connect(b, &QPushButton::clicked, this, [this, i] { m_pet.questions().btnans_Click(i + 1); });
        m_answers[i] = b;
    }
    connect(&pet.scene(), &Scene::changed, this, [this](int parts) {
        if (parts & Scene::Question)
            refresh();
    });
}

void QuestionWindow::refresh()
{
    const Scene &s = m_pet.scene();
    m_text->setText(displayText(s.questionText()));
    for (int i = 0; i < 3; ++i)
        m_answers[i]->setText(s.answer(i + 1));
    if (s.questionOpen()) {
        move(s.questionPlace().x() / 15, s.questionPlace().y() / 15);
        if (!isVisible())
            show();
        raise();
    } else if (isVisible()) {
        hide();
    }
}
