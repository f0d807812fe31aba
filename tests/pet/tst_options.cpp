// The options window (German time and the full reset) and the about window: what they say, and
// what closing, resetting and ticking the box do to the pet and its store.
#include "petfixture.h"

#include "common/paths.h"
#include "desktop/autostart.h"
#include "pet/model/memory.h"
#include "pet/windows/optionswindow.h"
#include "pet/windows/petwindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {
QPushButton *buttonNamed(const QWidget &w, const QString &text)
{
    for (QPushButton *b : w.findChildren<QPushButton *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

QLabel *labelNamed(const QWidget &w, const QString &text)
{
    for (QLabel *l : w.findChildren<QLabel *>())
        if (l->text() == text)
            return l;
    return nullptr;
}

// Every text of a window must fit the place it was given, or the user reads half of it.
void verifyTextsFit(const QWidget &w)
{
    for (const QLabel *l : w.findChildren<QLabel *>())
        if (!l->text().isEmpty())
            QVERIFY2(l->sizeHint().width() <= l->width(), qPrintable(l->text()));
    for (const QAbstractButton *b : w.findChildren<QAbstractButton *>())
        QVERIFY2(b->sizeHint().width() <= b->width() + 12, qPrintable(b->text()));
    for (const QWidget *c : w.findChildren<QWidget *>())
        if (c->parentWidget() == &w && c->isVisibleTo(&w))
            QVERIFY2(w.rect().contains(c->geometry()), qPrintable(c->objectName() + c->metaObject()->className()));
}

// A pet that has lived a while: the first meeting is over and it is 12:30 in Tokyo, a meal.
// In Germany it is 4:30 in the night.
struct LivedPet {
    explicit LivedPet(bool germanTime = false)
        : f(ordinaryDay(12, 30), PetFixture::Seeded, 7)
    {
        f.returning();
        f.store.write(QStringLiteral("Loveval"), QStringLiteral("85"));
        f.store.write(QStringLiteral("Item1"), QStringLiteral("3"));
        f.store.write(QStringLiteral("Totaltime"), QStringLiteral("1234"));
        f.store.write(QStringLiteral("mleft"), QStringLiteral("1500"));
        f.store.write(QStringLiteral("mtop"), QStringLiteral("3000"));
        f.store.write(QStringLiteral("winno11"), QStringLiteral("4"));
        f.store.write(QStringLiteral("mno"), QStringLiteral("2"));
        if (germanTime)
            f.store.write(QStringLiteral("option1"), QStringLiteral("True"));
        f.pet->start();
        f.ticks(5);
    }
    PetFixture f;
};
} // namespace

class TestOptions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        paths::setProgramDirOverride(QStringLiteral(TOBBERLY_BIN_DIR));
        // The autostart entry goes to the config folder: a scratch one, never the user's.
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    }

    // The window keeps the width it was designed with; the third control sits below the other
    // two and every text fits.
    void optionsWindowKeepsItsWidth()
    {
        LivedPet p;
        OptionsWindow w(*p.f.pet);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.width(), 153);
        QCOMPARE(w.startAtLogin()->text().remove(u'\n'), QStringLiteral("ログインしたらピモも起きる"));
        QVERIFY(w.startAtLogin()->y() > buttonNamed(w, QStringLiteral("リセット"))->geometry().bottom());
        QVERIFY(w.startAtLogin()->sizeHint().width() <= w.startAtLogin()->width());
        verifyTextsFit(w);
    }

    // Ticking the box makes the session start this pet, unticking stops it; the box shows what
    // is on disk when the window opens, and the reset (which forgets the store) leaves it alone.
    void startAtLoginBoxWritesTheAutostartEntry()
    {
        LivedPet p;
        const QString entry = desktop::autostartFile();
        QVERIFY(entry.startsWith(m_config.path()));
        QFile::remove(entry);
        {
            OptionsWindow w(*p.f.pet);
            QVERIFY(!w.startAtLogin()->isChecked());
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QTest::mouseClick(w.startAtLogin(), Qt::LeftButton, {}, QPoint(6, w.startAtLogin()->height() / 2));
            QVERIFY(w.startAtLogin()->isChecked());
            QVERIFY(QFile::exists(entry));
            QFile f(entry);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY(f.readAll().contains("Exec=" + QFile::encodeName(QCoreApplication::applicationFilePath())));
            w.confirmReset = [] { return true; };
            QTest::mouseClick(buttonNamed(w, QStringLiteral("リセット")), Qt::LeftButton);
        }
        QVERIFY(QFile::exists(entry));
        OptionsWindow again(*p.f.pet);
        QVERIFY(again.startAtLogin()->isChecked());
        again.startAtLogin()->click();
        QVERIFY(!QFile::exists(entry));
        QVERIFY(!again.startAtLogin()->isChecked());
    }

    // The user reads these words; a changed caption or tool tip is a changed program.
    void optionsWindowSaysWhatItDoes()
    {
        LivedPet p;
        OptionsWindow w(*p.f.pet);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("設定"));
        QCOMPARE(w.germanTime()->text(), QStringLiteral("ドイツの時間で暮らす"));
        QCOMPARE(w.germanTime()->toolTip(), QStringLiteral("-8時間(サマータイムの間は-7時間)の時差で生活するよ"));
        QPushButton *reset = buttonNamed(w, QStringLiteral("リセット"));
        QPushButton *close = buttonNamed(w, QStringLiteral("閉じる"));
        QVERIFY(reset && close);
        QCOMPARE(reset->toolTip(), QStringLiteral("最初の状態に戻すよ"));
        QCOMPARE(close->toolTip(), QStringLiteral("閉じるよ"));
        verifyTextsFit(w);

        // The question before the reset: "no" is what Return answers, and no icon alarms the user.
        const std::unique_ptr<QMessageBox> q = OptionsWindow::resetQuestion(&w);
        QCOMPARE(q->windowTitle(), QStringLiteral("ピモ"));
        QCOMPARE(q->text(), QStringLiteral("本当に初期化しちゃうの？"));
        QCOMPARE(q->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(q->defaultButton(), q->button(QMessageBox::No));
        QCOMPARE(q->icon(), QMessageBox::NoIcon);
    }

    // The box shows the setting as it is when the window opens.
    void checkBoxShowsTheSetting()
    {
        LivedPet off(false);
        QVERIFY(!OptionsWindow(*off.f.pet).germanTime()->isChecked());
        LivedPet on(true);
        QVERIFY(OptionsWindow(*on.f.pet).germanTime()->isChecked());
    }

    // A confirmed reset forgets everything, the game pack's counters too, except that the first
    // meeting is starting now: the store holds only Firstflag, the window is back in the centre,
    // friendship is 50 and the pet meets the user again.
    void confirmedResetStartsAfresh()
    {
        LivedPet p;
        PetFixture &f = p.f;
        PetWindow petWindow(*f.pet);
        petWindow.show();
        f.pet->petMoved(20 * 15, 40 * 15);
        OptionsWindow w(*f.pet, &petWindow);
        int asked = 0;
        w.confirmReset = [&] {
            ++asked;
            return true;
        };
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(buttonNamed(w, QStringLiteral("リセット")), Qt::LeftButton);
        QCOMPARE(asked, 1);
        QCOMPARE(f.store.keys(), QStringList{QStringLiteral("Firstflag")});
        QCOMPARE(f.stored(QStringLiteral("Firstflag")), QStringLiteral("1"));
        // Centred on the (primary) screen the pet window found.
        const placement::Area screen = f.ctx().screen.areas().front();
        const qint32 left = placement::centred(screen.left, screen.width, f.ctx().screen.petWidth);
        const qint32 top = placement::centred(screen.top, screen.height, f.ctx().screen.petHeight);
        QCOMPARE(f.mem().mleft, left);
        QCOMPARE(f.mem().mtop, top);
        QCOMPARE(f.ctx().screen.petLeft, left);
        QCOMPARE(f.ctx().screen.petTop, top);
        QCOMPARE(petWindow.pos(), QPoint(left / 15, top / 15));
        QCOMPARE(f.mem().Loveval, qint16(50));
        QCOMPARE(f.mem().Item[1], qint16(0));
        QCOMPARE(f.mem().Totaltime, 0);
        QCOMPARE(f.rt().activity, qint16(0));
        QCOMPARE(f.trace.events.last(), 0);
        QCOMPARE(f.scene().label(Label::TotalTime), QStringLiteral("0000000"));
        QCOMPARE(f.scene().label(Label::Level), QStringLiteral("普通"));
        QVERIFY(!w.isVisible());
    }

    // "No" to the question changes nothing at all and leaves the window open.
    void resetAnsweredNoChangesNothing()
    {
        LivedPet p;
        PetFixture &f = p.f;
        const QHash<QString, QString> before = f.store.values();
        const int writes = f.store.writeCount();
        const qint16 event = f.rt().activity;
        const qint32 count = f.rt().activitySeconds;
        OptionsWindow w(*f.pet);
        w.confirmReset = [] { return false; };
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(buttonNamed(w, QStringLiteral("リセット")), Qt::LeftButton);
        QCOMPARE(f.store.values(), before);
        QCOMPARE(f.store.writeCount(), writes);
        QCOMPARE(f.rt().activity, event);
        QCOMPARE(f.rt().activitySeconds, count);
        QCOMPARE(f.mem().Loveval, qint16(85));
        QVERIFY(w.isVisible());
    }

    // Closing without touching the box keeps the running activity where it was (its count of
    // seconds too) and writes the setting again.
    void closingUntouchedKeepsTheActivity()
    {
        LivedPet p(true);
        PetFixture &f = p.f;
        const qint16 event = f.rt().activity;
        const qint32 count = f.rt().activitySeconds;
        const qsizetype started = f.trace.events.size();
        QVERIFY(count > 0);
        f.store.values().remove(QStringLiteral("option1"));
        OptionsWindow w(*f.pet);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(buttonNamed(w, QStringLiteral("閉じる")), Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QCOMPARE(f.stored(QStringLiteral("option1")), QStringLiteral("True"));
        QVERIFY(f.mem().option1);
        QCOMPARE(f.rt().activity, event);
        QCOMPARE(f.rt().activitySeconds, count);
        QCOMPARE(f.trace.events.size(), started);
    }

    // Ticking the box moves the pet to German time at once: at 12:30 in Tokyo it stops its meal
    // and goes to bed, for it is the middle of the night in Germany.
    void tickingTheBoxChoosesByTheGermanHour()
    {
        LivedPet p(false);
        PetFixture &f = p.f;
        QVERIFY2(f.rt().activity >= 18 && f.rt().activity <= 20, qPrintable(QString::number(f.rt().activity)));
        OptionsWindow w(*f.pet);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(w.germanTime(), Qt::LeftButton, {}, QPoint(6, w.germanTime()->height() / 2));
        QVERIFY(w.germanTime()->isChecked());
        QTest::mouseClick(buttonNamed(w, QStringLiteral("閉じる")), Qt::LeftButton);
        QCOMPARE(f.stored(QStringLiteral("option1")), QStringLiteral("True"));
        QVERIFY2(f.rt().activity >= 7 && f.rt().activity <= 10, qPrintable(QString::number(f.rt().activity)));
        QCOMPARE(f.rt().activitySeconds, 0);
        QCOMPARE(f.rt().hour, qint16(4));
        QVERIFY(!w.isVisible());
    }

    // The about window: the pet's profile card, beside the pet rather than in its way.
    void aboutWindowShowsTheProfile()
    {
        QPointer<AboutWindow> w = new AboutWindow;
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->windowTitle(), QStringLiteral("ピモといっしょ Ver.1.81"));
        QVERIFY(!w->isModal());
        bool picture = false;
        for (const QLabel *l : w->findChildren<QLabel *>())
            picture = picture || !l->pixmap().isNull();
        QVERIFY(picture);
        const struct {
            const char *heading, *value, *tip;
        } rows[] = {{"名前", "ピモでいいよ", ""},
                    {"国籍", "ドイツ", "機会があったら遊びにおいでよ！"},
                    {"血液型", "AB", "ちょっと変わってる？"},
                    {"誕生日", "2月14日", "バレンタインデーだね"}};
        for (const auto &r : rows) {
            QLabel *h = labelNamed(*w, QString::fromUtf8(r.heading));
            QLabel *v = labelNamed(*w, QString::fromUtf8(r.value));
            QVERIFY2(h && v, r.heading);
            QCOMPARE(v->toolTip(), QString::fromUtf8(r.tip));
            QCOMPARE(v->y(), h->y());
            QVERIFY(v->x() > h->x());
        }
        // Four rows, two free lines.
        int texts = 0;
        for (const QLabel *l : w->findChildren<QLabel *>())
            texts += l->text().isEmpty() ? 0 : 1;
        QCOMPARE(texts, 10);
        verifyTextsFit(*w);
        QPushButton *close = buttonNamed(*w, QStringLiteral("閉じる"));
        QVERIFY(close);
        QCOMPARE(close->toolTip(), QStringLiteral("閉じるよ"));
        QTest::mouseClick(close, Qt::LeftButton);
        QTRY_VERIFY(w.isNull());
    }

    // A second click on About brings the open card forward instead of opening another; once
    // closed, the next click opens a fresh one.
    void aboutOpensOnce()
    {
        QWidget pet;
        QPointer<AboutWindow> about;
        AboutWindow *first = AboutWindow::showOne(about, &pet);
        QVERIFY(QTest::qWaitForWindowExposed(first));
        first->showMinimized();
        QCOMPARE(AboutWindow::showOne(about, &pet), first);
        QCOMPARE(pet.findChildren<AboutWindow *>().size(), 1);
        QVERIFY(!first->isMinimized());
        first->close();
        QTRY_VERIFY(about.isNull());
        QVERIFY(AboutWindow::showOne(about, &pet) != nullptr);
        QCOMPARE(pet.findChildren<AboutWindow *>().size(), 1);
    }

private:
    QTemporaryDir m_config;
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
