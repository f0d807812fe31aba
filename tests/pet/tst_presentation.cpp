// How the speech and question windows come up beside the pet window and go away: who may open
// them while the user is away, where they are placed, and what closing restores.
#include "petfixture.h"

#include "pet/core/buttons.h"
#include "pet/core/presentation.h"
#include "pet/dialogs/speech.h"

#include <QSignalSpy>
#include <QtTest>

class TestPresentation : public QObject
{
    Q_OBJECT
private slots:
    // While the user is away the routine's lines must not open: no line set runs, friendship is
    // untouched and the running animation goes on. Seeing the user off (event 61) is the exception.
    void routineLinesWaitWhileTheUserIsAway()
    {
        PetFixture f(ordinaryDay(14, 0));
        f.rt().leaveTag = kAway;
        f.rt().Ibentno = 40;
        f.scene().setPropVisible(Prop::Water, true);
        f.engine().startAnimation(Anim::Water);
        f.pet->buttons().setAvailable(Button::Present, true);
        f.pet->presentation().Callfun2(17);
        QCOMPARE(f.mem().Loveval, qint16(50));
        QCOMPARE(f.stored("Loveval"), QStringLiteral("<absent>"));
        QVERIFY(!f.scene().speechOpen());
        QVERIFY(f.scene().speechText().isEmpty());
        QVERIFY(f.engine().animationRunning(Anim::Water));
        QVERIFY(f.scene().prop(Prop::Water).visible);
        QVERIFY(f.scene().button(Button::Present).enabled);
        QVERIFY(f.scripted.asked().isEmpty());
        QVERIFY(f.trace.speeches.isEmpty());

        f.rt().Ibentno = 61;
        f.scripted.push({1});
        f.pet->presentation().Callfun2(17);
        QCOMPARE(f.mem().Loveval, qint16(47));
        QVERIFY(f.scene().speechOpen());
        QVERIFY(!f.engine().animationRunning(Anim::Water));
        QVERIFY(!f.scene().button(Button::Present).enabled);
        QCOMPARE(f.trace.speeches, QStringList{QStringLiteral("Intoform9")});
    }

    // A click's or an event's own lines open whether or not the user is here.
    void clickLinesOpenAlways()
    {
        PetFixture f(ordinaryDay(2, 0));
        f.rt().leaveTag = kAway;
        f.scripted.push({2});
        QSignalSpy raised(&f.scene(), &Scene::raisePet);
        f.pet->presentation().Callfun3(54);
        QVERIFY(f.scene().speechOpen());
        QCOMPARE(f.trace.speeches, QStringList{QStringLiteral("IntoformD54")});
        QCOMPARE(raised.size(), 1);
        QCOMPARE(raised.first().first().toBool(), true);
    }

    // The dialog sits right of the pet picture at +2350 twips, or left of the pet window touching
    // it when it would run off the right edge; the speech window's bottom is level with the pet
    // window's, the question window is centred on it.
    void dialogPlacement_data()
    {
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("petLeft");
        QTest::addColumn<int>("left");
        QTest::newRow("room on the right") << 28800 << 1000 << 3350;
        QTest::newRow("just fits") << 28800 << 28800 - 4380 - 3015 << 28800 - 4380 - 3015 + 2350;
        QTest::newRow("one twip too far") << 28800 << 28800 - 4380 - 3014 << 28800 - 4380 - 3014 - 3015;
        QTest::newRow("at the right edge") << 28800 << 24420 << 24420 - 3015;
        QTest::newRow("no room anywhere") << 5000 << 0 << -3015;
    }
    void dialogPlacement()
    {
        QFETCH(int, screenWidth);
        QFETCH(int, petLeft);
        QFETCH(int, left);
        PetFixture f(ordinaryDay(10, 0));
        f.ctx().screen.width = screenWidth;
        f.ctx().screen.petLeft = petLeft;
        f.ctx().screen.petTop = 2000;
        f.scripted.push({1});
        f.pet->presentation().Callfun3(18);
        const QPoint speech = f.scene().speechPlace();
        QCOMPARE(speech.x(), left);
        QCOMPARE(speech.y() + kSpeechHeight, 2000 + 3360);
        const QPoint question = Presentation::dialogPlace(f.ctx().screen, kQuestionHeight, true);
        QCOMPARE(question.x(), left);
        QVERIFY(qAbs((question.y() + kQuestionHeight / 2.0) - (2000 + 3360 / 2.0)) <= 1.0);
    }

    // Closing parks the speech window and gives the buttons back what the hour allows; the
    // routine's opener takes the pet window out of focus, a click's opener brings it forward.
    void closingParksAndRestoresTheButtons()
    {
        PetFixture f(ordinaryDay(10, 0));
        f.ticks(1);
        QSignalSpy raised(&f.scene(), &Scene::raisePet);
        f.pet->presentation().Callfun2(2);
        QCOMPARE(raised.first().first().toBool(), false);
        QVERIFY(!f.scene().button(Button::Present).enabled);
        QVERIFY(!f.scene().button(Button::Hobby).enabled);
        f.pet->presentation().Form4closefun();
        QVERIFY(!f.scene().speechOpen());
        QVERIFY(f.scene().button(Button::Present).enabled);
        QVERIFY(f.scene().button(Button::Hobby).enabled);
        QVERIFY(f.scene().button(Button::Leave).enabled);

        // At lunch the buttons stay unavailable after the close.
        PetFixture lunch(ordinaryDay(12, 30));
        lunch.ticks(1);
        lunch.rt().Ibentno = 18;
        lunch.scripted.push({2});
        lunch.pet->presentation().Callfun3(18);
        lunch.pet->speech().close();
        QVERIFY(!lunch.scene().speechOpen());
        QVERIFY(!lunch.scene().button(Button::Present).enabled);
    }

    // A number without a line set still brings the window up with what it already holds.
    void unknownNumberShowsTheHeldText()
    {
        PetFixture f(ordinaryDay(10, 0));
        f.pet->speech().IntoformC(QStringLiteral("いいね！"));
        f.pet->presentation().Callfun2(99);
        QVERIFY(f.scene().speechOpen());
        QCOMPARE(f.scene().speechText(), QStringLiteral("いいね！"));
        QVERIFY(f.scripted.asked().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPresentation)
#include "tst_presentation.moc"
