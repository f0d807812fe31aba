#include "wordchainwindow.h"

#include "gamepicturewidget.h"

#include "desktop/desktopwindow.h"
#include "common/paths.h"
#include "common/settingsstore.h"
#include "common/timers.h"
#include "gamepack.h"
#include "gamewindowparts.h"
#include "wordchain.h"

#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {
constexpr QSize kPetSize(120, 176);
constexpr int kSquare = 14;
constexpr int kSquareGap = 4;
} // namespace

// Ten squares in a row; those at and right of the time left are gone.
class TimeBar : public QWidget
{
public:
    explicit TimeBar(QWidget *parent) : QWidget(parent)
    {
        setFixedSize(WordChainGame::kTurnTicks * (kSquare + kSquareGap), kSquare + 2);
    }
    void setLeft(int n)
    {
        if (n != m_left) {
            m_left = n;
            update();
        }
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(QColor(0x30, 0x50, 0x90));
        p.setBrush(QColor(0x4f, 0x86, 0xe0));
        for (int i = 0; i < m_left; ++i)
            p.drawRect(i * (kSquare + kSquareGap), 1, kSquare - 1, kSquare - 1);
    }

private:
    int m_left = WordChainGame::kTurnTicks;
};

WordChainWindow::WordChainWindow(WordChainGame &game, QWidget *parent)
    : QDialog(parent, desktop::fixedSizeFlags(Qt::Window, true)),
      m_game(game)
{
    setWindowTitle(u"しりとり"_s);

    m_pet = new GamePictureWidget(kPetSize, this);
    m_msg = new QLabel(this);
    m_msg->setWordWrap(true);
    m_msg->setMinimumSize(330, 76);
    m_msg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_msg->setStyleSheet(u"QLabel { background: white; border: 2px solid #8a6a5a;"
                         " border-radius: 8px; padding: 6px; }"_s);

    m_petWord = new QLabel(this);
    m_petWord->setMinimumWidth(220);
    m_petWord->setFrameShape(QFrame::Panel);
    m_petWord->setFrameShadow(QFrame::Sunken);
    m_entry = new QLineEdit(this);
    m_entry->setAttribute(Qt::WA_InputMethodEnabled);
    QFont big = m_entry->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    m_entry->setFont(big);
    m_petWord->setFont(big);

    auto *words = new QGridLayout;
    words->addWidget(new QLabel(u"Pimo"_s, this), 0, 0);
    words->addWidget(m_petWord, 0, 1);
    words->addWidget(new QLabel(u"You"_s, this), 1, 0);
    words->addWidget(m_entry, 1, 1);
    words->addWidget(new QLabel(u"残り時間"_s, this), 2, 0);
    m_timeBar = new TimeBar(this);
    words->addWidget(m_timeBar, 2, 1, Qt::AlignLeft | Qt::AlignVCenter);

    auto *right = new QVBoxLayout;
    right->addWidget(m_msg, 1);
    right->addLayout(words);

    auto *top = new QHBoxLayout;
    top->addWidget(m_pet, 0, Qt::AlignTop);
    top->addLayout(right, 1);

    auto *score = new QGridLayout;
    score->addWidget(new QLabel(u"対戦成績"_s, this), 0, 0, 2, 1, Qt::AlignVCenter);
    const QString captions[] = {u"Pim"_s, u"You"_s, u"Draw"_s};
    for (int c = 1; c <= 3; ++c) {
        auto *caption = new QLabel(captions[c - 1], this);
        caption->setAlignment(Qt::AlignCenter);
        m_winbox[c] = new QLabel(this);
        m_winbox[c]->setAlignment(Qt::AlignCenter);
        m_winbox[c]->setMinimumWidth(48);
        score->addWidget(caption, 0, c);
        score->addWidget(m_winbox[c], 1, c);
    }
    score->setHorizontalSpacing(12);

    m_quit = new QPushButton(u"終了"_s, this);
    // Return belongs to the entry box: it must never press "終了".
    m_quit->setAutoDefault(false);
    m_quit->setDefault(false);

    auto *bottom = new QHBoxLayout;
    bottom->addLayout(score);
    bottom->addStretch(1);
    bottom->addWidget(m_quit, 0, Qt::AlignBottom);

    auto *all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addLayout(bottom);
    all->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_entry, &QLineEdit::returnPressed, this, [this] { m_game.submit(m_entry->text()); });
    connect(m_quit, &QPushButton::clicked, this, [this] { m_game.giveUp(); });
    connect(&m_game, &WordChainGame::changed, this, &WordChainWindow::render);
    connect(&m_game, &WordChainGame::entryReset, this, &WordChainWindow::beginUserTurn);
    connect(&m_game, &WordChainGame::programEnds, this, &QDialog::accept);
    render();
    m_entry->setFocus();
}

void WordChainWindow::render()
{
    m_pet->showPicture(QStringLiteral("chain%1").arg(m_game.frame()), QString::number(m_game.frame()));
    m_msg->setText(m_game.message());
    m_petWord->setText(m_game.petWord());
    const bool wasEnabled = m_entry->isEnabled();
    m_entry->setEnabled(m_game.entryEnabled());
    if (!wasEnabled && m_entry->isEnabled())
        m_entry->setFocus(); // a refused word can be mended at once
    m_timeBar->setLeft(m_game.timeLeft());
    for (auto c : {WordChainGame::PetWins, WordChainGame::UserWins, WordChainGame::Draws})
        m_winbox[c]->setText(QString::number(m_game.wins(c)));
}

void WordChainWindow::beginUserTurn()
{
    m_entry->clear();
    m_entry->setEnabled(true);
    m_entry->setFocus();
}

void WordChainWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape would close the game without a word of farewell; the user has "終了" for that.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void WordChainWindow::done(int result)
{
    m_game.windowClosing();
    QDialog::done(result);
}

int playWordChain()
{
    QtSettingsStore store;
    QtTimers timers;
    SeededRandom random(quint64(QDateTime::currentMSecsSinceEpoch()));
    WordLists lists(paths::datDir(), paths::userDataDir() + u"/dat"_s);
    WordChainGame game(random, timers, store, lists);
    WordChainWindow window(game);
    gamewindow::placeGameWindow(&window);
    game.start();
    // The word lists are read once the window is on the screen, before the user can have typed.
    desktop::afterFirstPaint(&window, [&lists] { lists.ensureLoaded(); });
    window.exec();
    return 0;
}
