// The speech window's rules: how a line set is composed, the answer report, the welcome back,
// a caller's own text, and when the window closes.
#include "petfixture.h"

#include "pet/core/presentation.h"
#include "pet/dialogs/catalogue.h"
#include "pet/dialogs/questions.h"
#include "pet/dialogs/speech.h"

#include <QtTest>

namespace {
const QString kCrLf = QStringLiteral("\r\n");

// A game pack that starts and is still being played when the test ends.
class GameThatRunsOn : public GameLauncher
{
public:
    bool start(const QString &, const QStringList &, std::function<void()>) override { return true; }
};

QString alternative(const QString &set, int draw, int k)
{
    return findLineSet(set)->draws[draw][k - 1].lines.join(kCrLf);
}
} // namespace

class TestSpeech : public QObject
{
    Q_OBJECT
private slots:
    // Friendship changes are made before the text appears: the fixed change of going out, and
    // the change of the alternative drawn; the text is the drawn alternative itself.
    void changesComeBeforeTheText()
    {
        PetFixture f(ordinaryDay(10, 0));
        QStringList storedWhenShown;
        QObject::connect(&f.scene(), &Scene::changed, &f.scene(), [&](int parts) {
            if (parts & Scene::Speech)
                storedWhenShown << f.stored("Loveval");
        });
        f.scripted.push({2});
        f.pet->presentation().showLines(Lines::SeeOff);
        QCOMPARE(storedWhenShown.value(0), QStringLiteral("47"));
        QCOMPARE(f.scene().speechText(), alternative(QStringLiteral("Intoform9"), 0, 2));

        storedWhenShown.clear();
        f.scripted.push({1});
        f.pet->presentation().showClickLines(18);
        QCOMPARE(storedWhenShown.value(0), QStringLiteral("45"));
        QCOMPARE(f.scene().speechText(), alternative(QStringLiteral("IntoformD18"), 0, 1));
    }

    // A header line comes first, then the drawn alternative on the next line.
    void headerPrecedesTheAlternative()
    {
        PetFixture f(ordinaryDay(22, 0));
        f.scripted.push({4});
        f.pet->presentation().showLines(Lines::GoodNight);
        QCOMPARE(f.scene().speechText(), QStringLiteral("Gute Nacht! おやすみなさい") + kCrLf
                                             + alternative(QStringLiteral("Intoform2"), 0, 4));
    }

    // An alternative's friendship change is made only when that alternative is drawn.
    void alternativeChangeOnlyWhenDrawn_data()
    {
        QTest::addColumn<int>("draw");
        QTest::addColumn<int>("love");
        QTest::newRow("1 sulks") << 1 << 48;
        QTest::newRow("2 plain") << 2 << 50;
        QTest::newRow("3 pleased") << 3 << 52;
        QTest::newRow("4 plain") << 4 << 50;
    }
    void alternativeChangeOnlyWhenDrawn()
    {
        QFETCH(int, draw);
        QFETCH(int, love);
        PetFixture f(ordinaryDay(12, 30));
        f.scripted.push(draw);
        f.pet->presentation().showClickLines(18);
        QCOMPARE(int(f.mem().Loveval), love);
        QCOMPARE(f.scripted.asked(), QList<int>{4});
    }

    // The report names the right answer; only a right answer to the study question reads as
    // right: a wrong one, none at all, or a game begun since all read as wrong. It changes no
    // friendship and waits for a click.
    void answerReport_data()
    {
        QTest::addColumn<int>("answer"); // 0: none; 4: a game was begun instead
        QTest::addColumn<bool>("right");
        QTest::newRow("right") << 2 << true;
        QTest::newRow("wrong") << 1 << false;
        QTest::newRow("no answer") << 0 << false;
        QTest::newRow("playing") << 4 << false;
    }
    void answerReport()
    {
        QFETCH(int, answer);
        QFETCH(bool, right);
        PetFixture f(ordinaryDay(10, 0));
        GameThatRunsOn game;
        f.ctx().launcher = &game;
        StudyRecord &rec = f.ctx().tables.study[4];
        rec.question = QStringLiteral("ドイツの首都は？");
        rec.answer = {QString(), QStringLiteral("ミュンヘン"), QStringLiteral("ベルリン"), QStringLiteral("ボン")};
        rec.right = 2;
        f.scripted.push({2, 2}); // the question 2 x 2 = 4
        f.pet->questions().fill(Question::Study);
        if (answer == 4) {
            f.pet->questions().fill(Question::Play);
            f.pet->questions().answer(1);
        } else if (answer > 0) {
            f.pet->questions().answer(answer);
        }
        const qint16 love = f.mem().Loveval;
        f.scripted.push({3});
        f.pet->presentation().showLines(Lines::AnswerReport);
        const QString first = right ? QStringLiteral("さっきの答え、\r\n「ベルリン」で合ってたよ！")
                                    : QStringLiteral("さっきの答え、違ったよ！\r\n「ベルリン」だったよぉ・・・");
        QCOMPARE(f.scene().speechText(), first + kCrLf + alternative(QStringLiteral("Intoform"), right ? 0 : 1, 3));
        QCOMPARE(f.mem().Loveval, love);
        QVERIFY(!f.pet->speech().closeTimerOn());
        QVERIFY(f.scene().speechOpen());
        QVERIFY2(!f.scripted.failed(), qPrintable(f.scripted.error()));
    }

    // A caller's text, even an empty one, is shown and closes by itself after 30 seconds; a set
    // that waits for a click stays until clicked.
    void callersTextClosesAfterThirtySeconds()
    {
        PetFixture f(ordinaryDay(10, 0));
        f.pet->speech().showGivenText(QString());
        f.pet->presentation().showLines(Lines::Shown);
        QVERIFY(f.scene().speechOpen());
        QCOMPARE(f.scene().speechText(), QString());
        f.time.advance(29999);
        QVERIFY(f.scene().speechOpen());
        f.time.advance(1);
        QVERIFY(!f.scene().speechOpen());
        QVERIFY(!f.pet->speech().closeTimerOn());

        f.pet->presentation().showLines(Lines::FirstMeeting); // the first greeting waits for a click
        f.time.advance(120000);
        QVERIFY(f.scene().speechOpen());
        f.pet->speech().close();
        QVERIFY(!f.scene().speechOpen());
    }
};

QTEST_GUILESS_MAIN(TestSpeech)
#include "tst_speech.moc"
