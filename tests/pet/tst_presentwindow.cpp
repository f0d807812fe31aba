// The present window: its layout as the user sees it, the red stamps on given presents, and what a
// click on a present or on "閉じる" does.
#include "petfixture.h"

#include "common/paths.h"
#include "pet/windows/picturestore.h"
#include "pet/dialogs/presents.h"
#include "pet/windows/presentwindow.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

namespace {
QImage shownImage(const QLabel *l) { return l->pixmap().toImage().convertToFormat(QImage::Format_RGB32); }

QImage presentImage(int p, bool colour)
{
    return PictureStore::instance()
        .picture(QStringLiteral("present%1_%2").arg(p).arg(colour ? QStringLiteral("color") : QStringLiteral("grey")), 1)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// A pet that has spent 16000 minutes with the user and already has the doll (position 1) and the
// solitaire (position 2, stored under Item4), and its present window, just opened.
struct GivingPet {
    GivingPet() : f(ordinaryDay(10, 15), PetFixture::Seeded, 3)
    {
        f.returning();
        f.store.write(QStringLiteral("Totaltime"), QStringLiteral("16000"));
        f.store.write(QStringLiteral("Item1"), QStringLiteral("3"));
        f.store.write(QStringLiteral("Item4"), QStringLiteral("3"));
        f.pet->start();
        w = std::make_unique<PresentWindow>(*f.pet);
        w->open();
    }
    PetFixture f;
    std::unique_ptr<PresentWindow> w;
};
} // namespace

class TestPresentWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { paths::setProgramDirOverride(QStringLiteral(TOBBERLY_BIN_DIR)); }

    // The window's size, heading, the nine presents at their places with their tool tips, and the
    // six names under the pictures; a misplaced present overlaps its neighbour or its stamp.
    void windowShowsTheNinePresentsInPlace()
    {
        GivingPet g;
        PresentWindow &w = *g.w;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("プレゼント"));
        QCOMPARE(w.size(), QSize(294, 231));
        QLabel *heading = nullptr;
        for (QLabel *l : w.findChildren<QLabel *>())
            if (l->text() == QStringLiteral("プレゼントする品物をクリックしてください"))
                heading = l;
        QVERIFY(heading);
        QVERIFY(heading->font().bold());
        QCOMPARE(heading->pos(), QPoint(8, 0));
        QVERIFY(heading->sizeHint().width() <= heading->width());

        const QRect places[] = {{16, 16, 32, 69}, {80, 32, 50, 44},  {152, 24, 80, 60},
                                {248, 24, 43, 41}, {16, 104, 32, 77}, {72, 128, 66, 43},
                                {168, 136, 32, 32}, {208, 136, 32, 32}, {248, 136, 32, 32}};
        const char *tips[] = {"イタリア人のガルドの人形", "イギリスで作られた一人用パズルゲーム", nullptr,
                              "色々な花の種ミックス", "子供用の小さなバイオリン", "最新式のノートパソコン",
                              "何だろう？楽しみだなぁ", "何だろう？楽しみだなぁ", "何だろう？楽しみだなぁ"};
        for (int p = 1; p <= 9; ++p) {
            QLabel *pic = w.presentPicture(p);
            QCOMPARE(pic->geometry(), places[p - 1]);
            if (tips[p - 1])
                QCOMPARE(pic->toolTip(), QString::fromUtf8(tips[p - 1]));
            else
                QVERIFY(!pic->toolTip().isEmpty());
            // The picture fits its place, so nothing of it is cut off.
            QVERIFY(pic->pixmap().width() <= pic->width() && pic->pixmap().height() <= pic->height());
            QVERIFY(w.rect().contains(pic->geometry()));
            QCOMPARE(w.stamp(p)->size(), QSize(33, 33));
            QCOMPARE(w.stamp(p)->toolTip(), QStringLiteral("もう持ってるよ！"));
        }

        const char *names[] = {"ガルド人形", "ソリティア", "ミニ四駆", "花の種", "バイオリン", "パソコン"};
        for (int p = 1; p <= 6; ++p) {
            QLabel *name = nullptr;
            for (QLabel *l : w.findChildren<QLabel *>())
                if (l->text() == QString::fromUtf8(names[p - 1]))
                    name = l;
            QVERIFY2(name, names[p - 1]);
            QCOMPARE(name->y(), p <= 4 ? 88 : 184);
            // The name stands under its own picture and is read whole inside the window.
            const QRect pic = places[p - 1];
            QVERIFY(name->geometry().intersects(QRect(pic.x(), name->y(), pic.width(), name->height())));
            QVERIFY(name->y() >= pic.bottom() - 2);
            QVERIFY(w.rect().contains(name->geometry()));
            QVERIFY(name->sizeHint().width() <= name->width());
        }
        QPushButton *close = w.findChild<QPushButton *>();
        QVERIFY(close);
        QCOMPARE(close->text(), QStringLiteral("閉じる"));
        QCOMPARE(close->toolTip(), QStringLiteral("閉じるよ"));
        QCOMPARE(close->geometry(), QRect(216, 200, 73, 25));
    }

    // Colour for what can be given, grey for what cannot, and the stamp only on what was given.
    void stampsMarkOnlyGivenPresents()
    {
        GivingPet g;
        PresentWindow &w = *g.w;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (int p = 1; p <= 9; ++p) {
            const bool given = p <= 2;
            const bool available = !given && p <= 7;
            QCOMPARE(w.stamp(p)->isVisible(), given);
            QVERIFY2(shownImage(w.presentPicture(p)) == presentImage(p, available), qPrintable(QString::number(p)));
        }
        // The stamp lies over its present, not under it.
        QVERIFY(w.presentPicture(1)->geometry().intersects(w.stamp(1)->geometry()));
        QCOMPARE(w.childAt(w.stamp(1)->geometry().center()), w.stamp(1));
    }

    // A click on a colour present gives it: stored under its own key, rewarded, the window gone
    // and the present's activity started. A second look shows it stamped.
    void clickOnColourPresentGivesIt()
    {
        GivingPet g;
        PetFixture &f = g.f;
        PresentWindow &w = *g.w;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const qint16 love = f.mem().Loveval;
        QTest::mouseClick(w.presentPicture(3), Qt::LeftButton); // the car kit, stored as Item2
        QCOMPARE(f.stored(QStringLiteral("Item2")), QStringLiteral("3"));
        QCOMPARE(f.mem().Loveval, qint16(love + 10));
        QCOMPARE(f.rt().activity, qint16(38));
        QVERIFY(!w.isVisible());
        w.open();
        QVERIFY(w.stamp(3)->isVisible());
        QVERIFY(shownImage(w.presentPicture(3)) == presentImage(3, false));
    }

    // Giving is final, so only the left button pressed and released over the same present gives
    // it. The right or the middle button, or a press dragged off the present (onto the window or
    // onto another present) before release, gives nothing and leaves the window open.
    void onlyALeftClickOnThePresentGivesIt()
    {
        GivingPet g;
        PetFixture &f = g.f;
        PresentWindow &w = *g.w;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QLabel *car = w.presentPicture(3);
        QLabel *violin = w.presentPicture(5);
        const QHash<QString, QString> before = f.store.values();
        const qint16 event = f.rt().activity;
        auto nothingGiven = [&](const char *how) {
            QVERIFY2(f.store.values() == before, how);
            QVERIFY2(f.rt().activity == event, how);
            QVERIFY2(w.isVisible(), how);
        };
        QTest::mouseClick(car, Qt::RightButton);
        nothingGiven("right click");
        QTest::mouseClick(car, Qt::MiddleButton);
        nothingGiven("middle click");
        QTest::mousePress(car, Qt::LeftButton);
        QTest::mouseRelease(car, Qt::LeftButton, {}, QPoint(car->width() + 12, car->height() / 2));
        nothingGiven("dragged off onto the window");
        QTest::mousePress(car, Qt::LeftButton);
        QTest::mouseRelease(violin, Qt::LeftButton);
        nothingGiven("dragged onto another present");
        QCOMPARE(f.pet->presents().state(5), qint16(1));

        // The same present clicked properly is given after all that.
        QTest::mouseClick(car, Qt::LeftButton);
        QCOMPARE(f.stored(QStringLiteral("Item2")), QStringLiteral("3"));
        QCOMPARE(f.rt().activity, qint16(38));
    }

    // A click on a grey present, locked or already given, changes nothing and the window stays.
    void clickOnGreyPresentChangesNothing()
    {
        GivingPet g;
        PetFixture &f = g.f;
        PresentWindow &w = *g.w;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QHash<QString, QString> before = f.store.values();
        const qint16 event = f.rt().activity;
        for (int p : {1, 8, 9}) {
            QTest::mouseClick(w.presentPicture(p), Qt::LeftButton);
            QCOMPARE(f.store.values(), before);
            QCOMPARE(f.rt().activity, event);
            QVERIFY(w.isVisible());
        }
    }

    // "閉じる" hides the window without saving what opening it worked out.
    void closeHidesWithoutSaving()
    {
        GivingPet g;
        PetFixture &f = g.f;
        PresentWindow &w = *g.w;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(f.pet->presents().state(5), qint16(1));
        QTest::mouseClick(w.findChild<QPushButton *>(), Qt::LeftButton);
        QVERIFY(!w.isVisible());
        QVERIFY(!f.store.contains(QStringLiteral("Item5")));
        QCOMPARE(f.stored(QStringLiteral("Item1")), QStringLiteral("3"));
    }

    // The first time the window opens in the middle of the screen; later where the user left it.
    // While it is being brought up the pointer is busy, and it is itself again afterwards.
    void opensCentredAndRestoresThePointer()
    {
        GivingPet g;
        PresentWindow &w = *g.w;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!QApplication::overrideCursor());
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        // Centred to within the frame the window system adds around it.
        const QPoint off = w.geometry().center() - screen.center();
        const int margin = qMax(w.frameGeometry().width() - w.width(), w.frameGeometry().height() - w.height());
        QVERIFY2(qAbs(off.x()) <= margin + 1 && qAbs(off.y()) <= margin + 1, qPrintable(QStringLiteral("%1,%2").arg(off.x()).arg(off.y())));
        w.move(10, 20);
        w.hide();
        w.open();
        QCOMPARE(w.pos(), QPoint(10, 20));
    }
};

QTEST_MAIN(TestPresentWindow)
#include "tst_presentwindow.moc"
