// The question window's rules: which question is asked, what each answer is worth, which
// activity follows it, and how the play question proposes a game.
#include "lifefixture.h"

#include <QSet>

using namespace life;

class QuestionsTest : public QObject
{
    Q_OBJECT

private slots:
    void studyAnswerIsRewardedRightOrWrong_data();
    void studyAnswerIsRewardedRightOrWrong();
    void studyQuestionNumberIsAProductOfTwoDraws();
    void tasteAnswerClampsBeforeItsOwnAmount();
    void playAnswerRewardsTakingTheProposal_data();
    void playAnswerRewardsTakingTheProposal();
    void unansweredPlayQuestionProposesAgainNextTime();
};

// Guards against a wrong answer going unrewarded or the report getting the wrong verdict: right
// gives +12 and reads as answered right, wrong still +5 and reads as answered wrong; both send
// the pet to study for 60 s.
void QuestionsTest::studyAnswerIsRewardedRightOrWrong_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("love");
    QTest::addColumn<int>("talk");
    QTest::newRow("right") << 2 << 52 << 1;
    QTest::newRow("wrong 1") << 1 << 45 << 2;
    QTest::newRow("wrong 3") << 3 << 45 << 2;
}

void QuestionsTest::studyAnswerIsRewardedRightOrWrong()
{
    QFETCH(int, answer);
    QFETCH(int, love);
    QFETCH(int, talk);
    Life l(on(10), {{"Loveval", "50"}});
    l.rnd.script({2, 3});
    l.start(51);
    QCOMPARE(l.rt().studyQuestion, 6);
    l.ctx().tables.study[6].right = 2;
    QCOMPARE(l.mem().Loveval, 40);
    l.questions().answer(answer);
    QCOMPARE(l.mem().Loveval, love);
    QCOMPARE(l.stored("Loveval"), QString::number(love));
    QCOMPARE(int(l.rt().talkState), talk);
    QCOMPARE(l.rt().activity, 26);
    QCOMPARE(l.rt().activityLength, 60);
    QVERIFY(!l.scene().questionOpen());
    QCOMPARE(l.scene().label(Label::Level), Presentation::levelName(qint16(love)));

    // Once the study is over the pet reports: 56 after a right answer, 57 after a wrong one.
    l.rnd.seed(7);
    l.engine().setClockRunning(true);
    for (int s = 0; s < 62 && l.rt().activity == 26; ++s)
        l.time.advance(1000);
    QCOMPARE(l.rt().activity, talk == 1 ? 56 : 57);
    QCOMPARE(l.trace.speeches.last(), "Intoform");
    QVERIFY(l.scene().speechText().contains(l.ctx().tables.study[6].answer[2]));
}

// Guards against the question number being drawn in one go: it is the product of two draws
// 1..4, so only nine records are ever asked and record 5 never.
void QuestionsTest::studyQuestionNumberIsAProductOfTwoDraws()
{
    Life l(on(10));
    QSet<int> asked;
    for (int a = 1; a <= 4; ++a)
        for (int b = 1; b <= 4; ++b) {
            l.rnd.script({a, b});
            l.questions().fill(Question::Study);
            asked << l.rt().studyQuestion;
            const StudyRecord &r = l.ctx().tables.study[size_t(l.rt().studyQuestion)];
            QCOMPARE(l.scene().questionText(), r.question);
            QCOMPARE(l.scene().answer(3), r.answer[3]);
        }
    QCOMPARE(asked, (QSet<int>{1, 2, 3, 4, 6, 8, 9, 12, 16}));
    QVERIFY(l.drawsAsScripted());
}

// Guards against the answer's own amount being lost in the clamp: at 115 a music answer adds 12
// (clamped to 120) and then its -8, leaving 112, and the reply shows for 30 seconds.
void QuestionsTest::tasteAnswerClampsBeforeItsOwnAmount()
{
    Life l(on(11), {{"Loveval", "115"}});
    l.rnd.script({3});
    l.questions().fill(Question::Music);
    QCOMPARE(l.rt().musicQuestion, 3);
    TasteRecord &rec = l.ctx().tables.music[3];
    rec.change[2] = -8;
    rec.reply1[2] = QStringLiteral("いいね！");
    rec.reply2[2] = QStringLiteral("ぼくも好き");
    l.questions().answer(2);
    QCOMPARE(l.mem().Loveval, 112);
    QCOMPARE(l.stored("Loveval"), "112");
    QCOMPARE(l.scene().speechText(), QStringLiteral("いいね！\r\nぼくも好き"));
    QVERIFY(l.scene().speechOpen());
    QVERIFY(l.speech().closeTimerOn());
    l.time.advance(30000);
    QVERIFY(!l.scene().speechOpen());
}

// Guards against the play rewards being mixed up: taking the pet's own proposal gives +13, any
// other game +9, and when the pet invited the user any game gives +12; the game starts.
void QuestionsTest::playAnswerRewardsTakingTheProposal_data()
{
    QTest::addColumn<int>("playflag");
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("gain");
    QTest::newRow("proposal taken") << 1 << 2 << 13;
    QTest::newRow("other game 1") << 1 << 1 << 9;
    QTest::newRow("other game 3") << 1 << 3 << 9;
    QTest::newRow("invited, game 1") << 0 << 1 << 12;
    QTest::newRow("invited, game 2") << 0 << 2 << 12;
}

void QuestionsTest::playAnswerRewardsTakingTheProposal()
{
    QFETCH(int, playflag);
    QFETCH(int, choice);
    QFETCH(int, gain);
    Life l(on(10), {{"Loveval", "60"}});
    if (playflag) {
        l.rnd.script({2});
        l.interaction().clickHobby(); // the user asks to play
    } else {
        l.start(60); // the pet asks by itself
    }
    if (playflag) {
        QCOMPARE(l.rt().proposedGame, 2);
        QVERIFY(l.scene().questionText().contains(QStringLiteral("ぼくは\r\nあっち向いてほいで遊びたいなぁ")));
    } else {
        QVERIFY(l.scene().questionText().startsWith(QStringLiteral("ねっ、ね、一緒に遊ぼうよ！")));
    }
    QCOMPARE(l.scene().answer(3), QStringLiteral("しりとり"));
    const int asked = playflag ? 51 : 50; // the Hobby button's +1, the question's -10
    QCOMPARE(l.mem().Loveval, asked);
    l.questions().answer(choice);
    QCOMPARE(l.mem().Loveval, asked + gain);
    QCOMPARE(l.rt().userAskedToPlay, 0);
    QCOMPARE(l.rt().talkState, Talk::Playing);
    QVERIFY(l.launcher.running());
    QCOMPARE(l.launcher.args, QStringList{QStringLiteral("-") + QChar(u'a' + choice - 1)});
    QVERIFY(!l.scene().petShown());
    QVERIFY(l.drawsAsScripted());
}

// Guards against a lost wish: when the play question the user asked for runs out unanswered,
// userAskedToPlay stays set, and the next play
// question (even one the pet starts itself) proposes a game again.
void QuestionsTest::unansweredPlayQuestionProposesAgainNextTime()
{
    Life l(on(10), {{"Loveval", "60"}});
    l.rnd.script({3});
    l.rnd.seed(11);
    l.interaction().clickHobby();
    QCOMPARE(l.rt().proposedGame, 3);
    QVERIFY(l.scene().questionOpen());
    l.engine().setClockRunning(true);
    for (int s = 0; s < 62 && l.rt().activity == 60; ++s)
        l.time.advance(1000);
    QVERIFY(l.rt().activity != 60);
    QVERIFY(!l.scene().questionOpen());
    QCOMPARE(l.rt().talkState, Talk::None);
    QCOMPARE(l.rt().userAskedToPlay, 1);
    QCOMPARE(l.trace.questions.size(), 1);

    // The pet chats, and one time in a while asks to play by itself.
    l.engine().setClockRunning(false);
    l.start(1);
    for (int s = 0; s < 20000 && l.rt().activity == 1; ++s)
        l.step();
    QCOMPARE(l.rt().activity, 60);
    QCOMPARE(l.trace.questions.size(), 2);
    QVERIFY(l.rt().proposedGame >= 1 && l.rt().proposedGame <= 3);
    QVERIFY(l.scene().questionText().startsWith(QStringLiteral("遊びたいの？いいよ！")));
}

QTEST_GUILESS_MAIN(QuestionsTest)
#include "tst_questions.moc"
