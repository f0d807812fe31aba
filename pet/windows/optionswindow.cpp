#include "pet/windows/optionswindow.h"

#include "pet/core/pet.h"
#include "desktop/desktopwindow.h"
#include "desktop/autostart.h"
#include "pet/windows/picturestore.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

std::unique_ptr<QMessageBox> OptionsWindow::resetQuestion(QWidget *parent)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, QStringLiteral("ピモ"),
                                             QStringLiteral("本当に初期化しちゃうの？"),
                                             QMessageBox::Yes | QMessageBox::No, parent);
    box->setDefaultButton(QMessageBox::No);
    desktop::keepOffTaskbar(box.get());
    return box;
}

OptionsWindow::OptionsWindow(Pet &pet, QWidget *parent)
    : QDialog(parent, desktop::fixedSizeFlags(Qt::Dialog, false)), m_pet(pet)
{
    // A window of the pet's, not one of its own in the taskbar.
    desktop::keepOffTaskbar(this);
    setWindowTitle(QStringLiteral("設定"));
    m_check = new QCheckBox(QStringLiteral("ドイツの時間で暮らす"), this);
    m_check->setToolTip(QStringLiteral("-8時間(サマータイムの間は-7時間)の時差で生活するよ"));
    m_check->setChecked(pet.ctx().mem().option1);
    auto *reset = new QPushButton(QStringLiteral("リセット"), this);
    reset->setToolTip(QStringLiteral("最初の状態に戻すよ"));
    auto *close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setToolTip(QStringLiteral("閉じるよ"));
    // Below the two: starting with the session, in two short lines so the window keeps its
    // width of 153 pixels.
    m_login = new QCheckBox(QStringLiteral("ログインしたら\nピモも起きる"), this);
    m_login->setToolTip(QStringLiteral("ログインしたらピモも起きる"));
    m_login->setChecked(desktop::autostartEnabled());

    const int width = 2295 / 15, margin = 5, gap = 4;
    const int buttonWidth = (width - 2 * margin - gap) / 2;
    m_check->setGeometry(margin, 8, width - 2 * margin, m_check->sizeHint().height());
    const int buttonsTop = m_check->geometry().bottom() + 14;
    reset->setGeometry(margin, buttonsTop, buttonWidth, 26);
    close->setGeometry(width - margin - buttonWidth, buttonsTop, buttonWidth, 26);
    const int loginTop = buttonsTop + 26 + 12;
    m_login->setGeometry(margin, loginTop, width - 2 * margin, m_login->sizeHint().height());
    setFixedSize(width, m_login->geometry().bottom() + 9);

    connect(m_login, &QCheckBox::toggled, this, [this](bool on) {
        desktop::setAutostart(on, QCoreApplication::applicationFilePath());
        // The box always tells the truth about the entry, also when it could not be written.
        const QSignalBlocker block(m_login);
        m_login->setChecked(desktop::autostartEnabled());
    });
    confirmReset = [this] { return resetQuestion(this)->exec() == QMessageBox::Yes; };
    connect(reset, &QPushButton::clicked, this, [this] {
        if (!confirmReset())
            return;
        done(QDialog::Rejected);
        m_pet.reset();
    });
    connect(close, &QPushButton::clicked, this, [this] {
        m_pet.applyOptions(m_check->isChecked());
        done(QDialog::Accepted);
    });
}

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent, desktop::fixedSizeFlags(Qt::Dialog, false))
{
    desktop::keepOffTaskbar(this);
    setWindowTitle(QStringLiteral("ピモといっしょ Ver.1.81"));
    setFixedSize(310, 221);
    setAttribute(Qt::WA_DeleteOnClose);
    auto *picture = new QLabel(this);
    picture->setGeometry(8, 8, 110, 160);
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(
        PictureStore::instance().picture(QStringLiteral("about"), devicePixelRatio()));
    struct Row {
        const char *heading, *value, *tip;
    };
    const Row rows[] = {{"名前", "ピモでいいよ", nullptr},
                        {"国籍", "ドイツ", "機会があったら遊びにおいでよ！"},
                        {"血液型", "AB", "ちょっと変わってる？"},
                        {"誕生日", "2月14日", "バレンタインデーだね"}};
    int y = 12;
    for (const Row &r : rows) {
        auto *h = new QLabel(QString::fromUtf8(r.heading), this);
        h->setGeometry(128, y, 56, 18);
        auto *v = new QLabel(QString::fromUtf8(r.value), this);
        v->setGeometry(186, y, 116, 18);
        if (r.tip)
            v->setToolTip(QString::fromUtf8(r.tip));
        y += 22;
    }
    auto *free1 = new QLabel(QStringLiteral("動物と遊ぶのが大好き！"), this);
    free1->setGeometry(128, y + 6, 178, 18);
    auto *free2 = new QLabel(QStringLiteral("モータースポーツも好きなんだ"), this);
    free2->setGeometry(128, y + 26, 178, 18);
    auto *close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setGeometry(226, 186, 76, 26);
    close->setToolTip(QStringLiteral("閉じるよ"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

AboutWindow *AboutWindow::showOne(QPointer<AboutWindow> &open, QWidget *parent)
{
    if (!open) {
        open = new AboutWindow(parent);
        open->show();
        return open;
    }
    if (open->isMinimized())
        open->showNormal();
    open->raise();
    open->activateWindow();
    return open;
}
