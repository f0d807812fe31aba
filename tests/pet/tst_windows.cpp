// The pet's windows show what the scene says: the pet window's title, size, labels and picture
// buttons, and the speech window, which a click on its text closes and a click on its margin does
// not.
#include "petfixture.h"

#include "common/paths.h"
#include "pet/core/buttons.h"
#include "pet/windows/petwindow.h"
#include "pet/core/presentation.h"
#include "pet/dialogs/presents.h"
#include "pet/windows/presentwindow.h"
#include "pet/windows/speechwindow.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {
QStringList labelTexts(const QWidget &w)
{
    QStringList texts;
    for (const QLabel *l : w.findChildren<QLabel *>())
        if (l->isVisibleTo(&w))
            texts << l->text();
    return texts;
}
} // namespace

class TestWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { paths::setProgramDirOverride(QStringLiteral(TOBBERLY_BIN_DIR)); }

    // The pet window must carry its title and fixed inside size, and its labels must follow the
    // scene as the clock ticks and friendship changes.
    void petWindowShowsTheScene()
    {
        PetFixture f(tokyo(2026, 7, 15, 10, 15), PetFixture::Seeded);
        f.returning();
        f.store.write(QStringLiteral("Totaltime"), QStringLiteral("42"));
        PetWindow w(*f.pet);
        f.pet->start();
        f.time.advance(1000);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("ピモといっしょ"));
        QCOMPARE(w.size(), QSize(292, 224));
        const QStringList texts = labelTexts(w);
        for (Label l : {Label::Date, Label::Time, Label::GermanTime, Label::TotalTime, Label::Level})
            QVERIFY2(texts.contains(f.scene().label(l)), qPrintable(f.scene().label(l)));
        QVERIFY(texts.contains(QStringLiteral("7月15日 (水)")));
        QVERIFY(texts.contains(QStringLiteral("10:15")));
        QVERIFY(texts.contains(QStringLiteral("3:15")));
        QVERIFY(texts.contains(QStringLiteral("0000042")));
        f.mem().Loveval = 100;
        f.pet->presentation().refreshFriendshipLabel();
        QVERIFY(labelTexts(w).contains(QStringLiteral("大の仲良し")));
        QCOMPARE(w.view()->toolTip(), QStringLiteral("たまにクリックしてね！"));
    }

    // The clocks and the minutes skip the font's shaping while they hold digits alone. Guards
    // that no label looks otherwise for it: each label as the window draws it, at a time when
    // Germany's clock says "Gestern" and one when it does not, is pixel for pixel a label drawn
    // with the font shaped.
    void labelsLookAsShaped()
    {
        for (const QDateTime &at : {tokyo(2026, 7, 15, 10, 15), tokyo(2026, 7, 15, 1, 59), tokyo(2026, 12, 31, 23, 7)}) {
            PetFixture f(at, PetFixture::Seeded);
            f.returning();
            f.store.write(QStringLiteral("Totaltime"), QStringLiteral("1234567"));
            PetWindow w(*f.pet);
            f.pet->start();
            f.time.advance(1000);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            // Shaped until the first picture is up.
            QLabel *clock = nullptr;
            for (QLabel *l : w.findChildren<QLabel *>())
                if (l->text() == f.scene().label(Label::Time))
                    clock = l;
            QVERIFY(clock);
            QTRY_VERIFY(clock->font().styleStrategy() & QFont::PreferNoShaping);
            int digitsOnly = 0;
            for (QLabel *l : w.findChildren<QLabel *>()) {
                if (!l->isVisibleTo(&w) || l->text().isEmpty())
                    continue;
                QLabel shaped(l->text(), &w);
                QFont font = w.font();
                font.setStyleStrategy(QFont::PreferDefault);
                shaped.setFont(font);
                shaped.setGeometry(l->geometry());
                shaped.setAlignment(l->alignment());
                shaped.setPalette(l->palette());
                shaped.setAutoFillBackground(l->autoFillBackground());
                shaped.setFrameShape(l->frameShape());
                QCOMPARE(l->grab().toImage(), shaped.grab().toImage());
                if (l->font().styleStrategy() & QFont::PreferNoShaping)
                    ++digitsOnly;
            }
            QCOMPARE(digitsOnly, f.scene().label(Label::GermanTime).startsWith(u'G') ? 2 : 3);
        }
    }

    // A click on the white margin of the speech window leaves it open; a click on the text
    // closes it.
    void speechWindowClosesOnlyOnItsText()
    {
        PetFixture f(ordinaryDay(12, 30), PetFixture::Seeded);
        SpeechWindow speech(*f.pet, nullptr);
        f.pet->presentation().showClickLines(18);
        QVERIFY(QTest::qWaitForWindowExposed(&speech));
        QCOMPARE(speech.textLabel()->text(), displayText(f.scene().speechText()));
        QWidget *margin = speech.childAt(QPoint(2, 2));
        QVERIFY(margin && margin != speech.textLabel());
        QTest::mouseClick(margin, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(f.scene().speechOpen());
        QVERIFY(speech.isVisible());
        QTest::mouseClick(speech.textLabel(), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!f.scene().speechOpen());
        QVERIFY(!speech.isVisible());
    }

    // The dialogs belong to the pet window and never take the keyboard: they hide while the pet
    // is minimised or away for a game and come back with it, and no key can reach an answer.
    void dialogsBelongToThePetAndTakeNoKeys()
    {
        PetFixture f(ordinaryDay(10, 15), PetFixture::Seeded);
        f.returning();
        PetWindow w(*f.pet);
        SpeechWindow speech(*f.pet, &w);
        QuestionWindow question(*f.pet, &w);
        f.pet->start();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(speech.parentWidget(), &w);
        for (QWidget *d : {static_cast<QWidget *>(&speech), static_cast<QWidget *>(&question)}) {
            QVERIFY(d->windowFlags() & Qt::WindowDoesNotAcceptFocus);
            QVERIFY(d->testAttribute(Qt::WA_ShowWithoutActivating));
        }
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
        f.pet->presentation().askQuestion(Question::Play);
        QVERIFY(question.isVisible());
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(question.answerButton(i)->focusPolicy(), Qt::NoFocus);
        // Space and Return typed at the window answer nothing.
        QTest::keyClick(&question, Qt::Key_Space);
        QTest::keyClick(&question, Qt::Key_Return);
        QVERIFY(f.scene().questionOpen());

        w.showMinimized();
        QVERIFY(!question.isVisible());
        // An activity speaks meanwhile: the pet comes back, and both dialogs with it.
        f.scripted.push({1});
        f.pet->presentation().showClickLines(18);
        QVERIFY(!w.isMinimized());
        QVERIFY(question.isVisible());
        QVERIFY(speech.isVisible());
        f.scene().setPetShown(false);
        QVERIFY(!speech.isVisible());
        f.scene().setPetShown(true);
        QVERIFY(speech.isVisible());
        // The speech window's outer frame lies on the pet window's bottom edge.
        QCOMPARE(speech.frameGeometry().bottom(), w.frameGeometry().bottom());
    }

    // The six buttons carry their tool tips, look pressed while the mouse is down on them and
    // normal again on release, and an unavailable one ignores the mouse altogether.
    void buttonsPressReleaseAndIgnoreWhenUnavailable()
    {
        PetFixture f(ordinaryDay(10, 15), PetFixture::Seeded);
        f.returning();
        PetWindow w(*f.pet);
        f.pet->start();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const std::pair<Button, const char *> tips[] = {
            {Button::About, "ぼくの事だよ"},
            {Button::Hobby, "何して遊ぼうか？"},
            {Button::Present, "何をプレゼントしてくれるの？"},
            {Button::Option, "いろいろ設定できるよ"},
            {Button::Leave, "どこかに行く時はぼくに言ってからね"},
            {Button::End, "終わっちゃうの？"}};
        QList<QPoint> places;
        for (auto [b, tip] : tips) {
            PictureButton *btn = w.button(b);
            QCOMPARE(btn->toolTip(), QString::fromUtf8(tip));
            QCOMPARE(btn->size(), QSize(36, 36));
            QVERIFY(w.rect().contains(btn->geometry()));
            QVERIFY(!places.contains(btn->pos()));
            places << btn->pos();
        }
        QCOMPARE(places.size(), 6);

        // The Option button: pressed on mouse down, normal on release (which opens the window).
        PictureButton *option = w.button(Button::Option);
        int optionsAsked = 0;
        connect(&w, &PetWindow::optionsRequested, this, [&] { ++optionsAsked; });
        QTest::mousePress(option, Qt::LeftButton);
        QCOMPARE(option->look(), ButtonLook::Pressed);
        QTest::mouseRelease(option, Qt::LeftButton);
        QCOMPARE(option->look(), ButtonLook::Normal);
        QCOMPARE(optionsAsked, 1);
        // Another mouse button presses and releases it too, but only the left one clicks.
        QTest::mousePress(option, Qt::RightButton);
        QCOMPARE(option->look(), ButtonLook::Pressed);
        QTest::mouseRelease(option, Qt::RightButton);
        QCOMPARE(option->look(), ButtonLook::Normal);
        QCOMPARE(optionsAsked, 1);

        // Unavailable: the look stays and the click reaches nothing.
        f.pet->buttons().setAvailable(Button::Option, false);
        QCOMPARE(option->look(), ButtonLook::Unavailable);
        QVERIFY(!option->isEnabled());
        QTest::mouseClick(option, Qt::LeftButton);
        QCOMPARE(option->look(), ButtonLook::Unavailable);
        QCOMPARE(optionsAsked, 1);
        QCOMPARE(f.scene().button(Button::Option).look, ButtonLook::Unavailable);
    }

    // The Hobby button asks the pet to play: the question of which game opens.
    // While the user is away the pet says so when the mouse rests on it.
    void hobbyButtonAsksToPlayAndAwayPetSaysSo()
    {
        PetFixture f(ordinaryDay(10, 15), PetFixture::Seeded);
        f.returning();
        PetWindow w(*f.pet);
        f.pet->start();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        f.pet->buttons().setAvailable(Button::Hobby, true);
        QTest::mouseClick(w.button(Button::Hobby), Qt::LeftButton);
        QCOMPARE(f.rt().activity, qint16(60));
        QCOMPARE(f.rt().userAskedToPlay, qint16(1));
        QVERIFY(f.scene().questionOpen());

        QTest::mouseClick(w.button(Button::Leave), Qt::LeftButton);
        QVERIFY(f.rt().userAway());
        QCOMPARE(w.view()->toolTip(), QStringLiteral("お留守番中だよ"));
        QCOMPARE(w.button(Button::Leave)->toolTip(), QStringLiteral("早く帰ってこないかなぁ"));
        QVERIFY(!w.button(Button::Hobby)->isEnabled());
        QTest::mouseClick(w.button(Button::Leave), Qt::LeftButton);
        QCOMPARE(w.view()->toolTip(), QStringLiteral("たまにクリックしてね！"));
    }

    // The Present button opens the present window with the program's own wiring, and the busy
    // pointer shown meanwhile is gone afterwards.
    void presentButtonOpensPresentsAndRestoresThePointer()
    {
        PetFixture f(ordinaryDay(10, 15), PetFixture::Seeded);
        f.returning();
        f.store.write(QStringLiteral("Totaltime"), QStringLiteral("200"));
        PetWindow w(*f.pet);
        PresentWindow presents(*f.pet);
        connect(&w, &PetWindow::presentRequested, &presents, &PresentWindow::open);
        f.pet->start();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTest::mouseClick(w.button(Button::Present), Qt::LeftButton);
        QVERIFY(presents.isVisible());
        QVERIFY(f.pet->presents().windowOpen());
        QCOMPARE(f.pet->presents().state(1), qint16(1));
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
