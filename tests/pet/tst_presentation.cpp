// How the speech and question windows come up beside the pet window and go away: who may open
// them while the user is away, where they are placed, and what closing restores.
#include "petfixture.h"

#include "pet/core/buttons.h"
#include "pet/core/interaction.h"
#include "pet/core/presentation.h"
#include "pet/dialogs/speech.h"

#include <QSignalSpy>
#include <QtTest>

class TestPresentation : public QObject
{
    Q_OBJECT
private slots:
    // While the user is away the routine's lines must not open: no line set runs, friendship is
    // untouched and the running animation goes on. Seeing the user off is the exception: the
    // pet's goodbye opens over the watering it was doing, and stops it.
    void routineLinesWaitWhileTheUserIsAway()
    {
        PetFixture f(ordinaryDay(14, 0));
        f.pet->startActivity(40); // watering the flower
        QVERIFY(f.engine().animationRunning(Anim::Water));
        f.scripted.push({1});
        f.pet->interaction().clickLeave();
        QCOMPARE(f.mem().Loveval, qint16(47));
        QVERIFY(f.scene().speechOpen());
        QVERIFY(!f.engine().animationRunning(Anim::Water));
        QVERIFY(!f.scene().button(Button::Present).enabled);
        QCOMPARE(f.trace.speeches, QStringList{QStringLiteral("Intoform9")});
        f.pet->speech().close();

        f.pet->startActivity(40);
        f.pet->buttons().setAvailable(Button::Present, true);
        const qsizetype draws = f.scripted.asked().size();
        f.pet->presentation().showLines(Lines::FlowerHope);
        QCOMPARE(f.mem().Loveval, qint16(47));
        QVERIFY(!f.scene().speechOpen());
        QVERIFY(f.engine().animationRunning(Anim::Water));
        QVERIFY(f.scene().prop(Prop::Water).visible);
        QVERIFY(f.scene().button(Button::Present).enabled);
        QCOMPARE(f.scripted.asked().size(), draws);
        QCOMPARE(f.trace.speeches, QStringList{QStringLiteral("Intoform9")});
    }

    // A click's or an event's own lines open whether or not the user is here.
    void clickLinesOpenAlways()
    {
        PetFixture f(ordinaryDay(2, 0), PetFixture::Seeded);
        f.pet->interaction().clickLeave(); // the user is away
        f.trace.speeches.clear();
        QSignalSpy raised(&f.scene(), &Scene::raisePet);
        f.pet->presentation().showClickLines(54);
        QVERIFY(f.scene().speechOpen());
        QCOMPARE(f.trace.speeches, QStringList{QStringLiteral("IntoformD54")});
        QCOMPARE(raised.size(), 1);
        QCOMPARE(raised.first().first().toBool(), true);
    }

    // The dialog sits right of the pet picture at +2350 twips, or left of the pet window touching
    // it when it would run off the right edge; the speech window's bottom is level with the pet
    // window's, the question window is centred on it. Sizes are those of the outer frames.
    void dialogPlacement_data()
    {
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("petLeft");
        QTest::addColumn<int>("left");
        const int w = 3075; // the dialogs' outer width
        QTest::newRow("room on the right") << 28800 << 1000 << 3350;
        QTest::newRow("just fits") << 28800 << 28800 - 4380 - w << 28800 - 4380 - w + 2350;
        QTest::newRow("one twip too far") << 28800 << 28800 - 4380 - w + 1 << 28800 - 4380 - w + 1 - w;
        QTest::newRow("at the right edge") << 28800 << 24420 << 24420 - w;
        QTest::newRow("no room anywhere") << 5000 << 0 << -w;
    }
    void dialogPlacement()
    {
        QFETCH(int, screenWidth);
        QFETCH(int, petLeft);
        QFETCH(int, left);
        PetFixture f(ordinaryDay(10, 0));
        ScreenGeometry &g = f.ctx().screen;
        g.width = screenWidth;
        g.petLeft = petLeft;
        g.petTop = 2000;
        f.scripted.push({1});
        f.pet->presentation().showClickLines(18);
        const QPoint speech = f.scene().speechPlace();
        QCOMPARE(speech.x(), left);
        QCOMPARE(speech.y() + g.speechHeight, 2000 + 3360);
        const QPoint question = Presentation::dialogPlace(g, Presentation::Dialog::Question);
        QCOMPARE(question.x(), left);
        QVERIFY(qAbs((question.y() + g.questionHeight / 2.0) - (2000 + 3360 / 2.0)) <= 1.0);
    }

    // Under a window manager the pet's frame is taller than its inside: once the frame is known
    // the speech window's bottom is level with the frame's bottom, and open dialogs follow the pet
    // when it moves, without being brought up again.
    void openDialogsFollowThePetsFrame()
    {
        PetFixture f(ordinaryDay(10, 0));
        ScreenGeometry &g = f.ctx().screen;
        f.pet->petMoved(3000, 3000);
        f.scripted.push({1});
        f.pet->presentation().showClickLines(18);
        f.pet->presentation().askQuestion(Question::Play);
        const int bringUps = f.scene().speechBringUps();
        f.pet->petFrameChanged(4380 + 30, 3360 + 315);
        QCOMPARE(f.scene().speechPlace().y() + g.speechHeight, g.petTop + 3360 + 315);
        f.pet->petMoved(9000, 6000);
        QCOMPARE(f.scene().speechPlace(), QPoint(9000 + 2350, 6000 + 3360 + 315 - g.speechHeight));
        QCOMPARE(f.scene().questionPlace().x(), 9000 + 2350);
        QCOMPARE(f.scene().speechBringUps(), bringUps);
        // Pushed against the right edge, they move over to the pet's left.
        f.pet->petMoved(g.width - 4410, 6000);
        QCOMPARE(f.scene().speechPlace().x(), g.width - 4410 - g.speechWidth);
        // A parked window stays parked.
        f.pet->presentation().closeSpeech();
        f.pet->petMoved(1500, 1500);
        QVERIFY(!f.scene().speechOpen());
        QCOMPARE(f.scene().questionPlace().x(), 1500 + 2350);
    }

    // Closing parks the speech window and gives the buttons back what the hour allows; the
    // routine's opener takes the pet window out of focus, a click's opener brings it forward.
    void closingParksAndRestoresTheButtons()
    {
        PetFixture f(ordinaryDay(10, 0));
        f.ticks(1);
        QSignalSpy raised(&f.scene(), &Scene::raisePet);
        f.pet->presentation().showLines(Lines::FirstMeeting);
        QCOMPARE(raised.first().first().toBool(), false);
        QVERIFY(!f.scene().button(Button::Present).enabled);
        QVERIFY(!f.scene().button(Button::Hobby).enabled);
        f.pet->presentation().closeSpeech();
        QVERIFY(!f.scene().speechOpen());
        QVERIFY(f.scene().button(Button::Present).enabled);
        QVERIFY(f.scene().button(Button::Hobby).enabled);
        QVERIFY(f.scene().button(Button::Leave).enabled);

        // At lunch the buttons stay unavailable after the close.
        PetFixture lunch(ordinaryDay(12, 30), PetFixture::Seeded);
        lunch.ticks(1);
        lunch.engine().startActivity(Activity::MealFirst);
        lunch.pet->presentation().showClickLines(18);
        lunch.pet->speech().close();
        QVERIFY(!lunch.scene().speechOpen());
        QVERIFY(!lunch.scene().button(Button::Present).enabled);
    }

    // A number without a line set still brings the window up with what it already holds.
    void unknownNumberShowsTheHeldText()
    {
        PetFixture f(ordinaryDay(10, 0));
        f.pet->speech().showGivenText(QStringLiteral("いいね！"));
        f.pet->presentation().showLines(Lines(99));
        QVERIFY(f.scene().speechOpen());
        QCOMPARE(f.scene().speechText(), QStringLiteral("いいね！"));
        QVERIFY(f.scripted.asked().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPresentation)
#include "tst_presentation.moc"
