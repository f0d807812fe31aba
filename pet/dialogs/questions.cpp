#include "questions.h"

#include "pet/model/activity.h"
#include "speech.h"

QString Questions::gameName(int n)
{
    switch (n) {
    case 1: return QStringLiteral("パネルめくり");
    case 2: return QStringLiteral("あっち向いてほい");
    case 3: return QStringLiteral("しりとり");
    default: return QString();
    }
}

QString Questions::playQuestion(int proposedGame)
{
    if (proposedGame == 0)
        return QStringLiteral("ねっ、ね、一緒に遊ぼうよ！\r\n何して遊ぶ？");
    // The game's name opens its own line, so the longest one still reads in one piece.
    return QStringLiteral("遊びたいの？いいよ！\r\nあのねー、ぼくは\r\n") + gameName(proposedGame)
           + QStringLiteral("で遊びたいなぁ");
}

void Questions::fill(Question kind)
{
    Runtime &rt = m_ctx.rt;
    Scene &s = m_ctx.scene;
    const DataTables &t = m_ctx.tables;
    m_kind = kind;
    switch (kind) {
    case Question::Study: {
        const int a = m_ctx.draw(4);
        const int b = m_ctx.draw(4);
        rt.studyQuestion = qint16(a * b);
        const StudyRecord &r = t.study[size_t(rt.studyQuestion)];
        s.setQuestion(r.question, r.answer[1], r.answer[2], r.answer[3]);
        break;
    }
    case Question::Music:
    case Question::Book: {
        const bool music = kind == Question::Music;
        const qint16 no = qint16(m_ctx.draw(5));
        (music ? rt.musicQuestion : rt.bookQuestion) = no;
        const TasteRecord &r = (music ? t.music : t.book)[size_t(no)];
        s.setQuestion(r.question, r.answer[1], r.answer[2], r.answer[3]);
        break;
    }
    case Question::Play: {
        if (rt.userAskedToPlay == 1)
            rt.proposedGame = qint16(m_ctx.draw(3));
        s.setQuestion(playQuestion(rt.userAskedToPlay == 1 ? rt.proposedGame : 0), gameName(1), gameName(2), gameName(3));
        break;
    }
    }
}

void Questions::tasteAnswer(int index, const TasteRecord &rec, Activity atFreeHour, Activity otherwise)
{
    Runtime &rt = m_ctx.rt;
    Memory &m = m_ctx.mem();
    rt.replyShown = 1;
    m_ctx.memory.addFriendship(12);
    const QString text = rec.reply1[size_t(index)] + QStringLiteral("\r\n") + rec.reply2[size_t(index)];
    // The answer's own amount goes straight onto the value; the zero change then clamps and saves.
    m.Loveval = qint16(qBound<qint32>(-32768, qint32(m.Loveval) + rec.change[size_t(index)], 32767));
    m_ctx.memory.addFriendship(0);
    m_speech.showGivenText(text);
    m_stage.sayLines(Lines::Shown);
    m_activities.setActivityLength(300);
    // The reply's activity goes by the hour on the local clock, German time or not.
    switch (m_ctx.clock.now().time().hour()) {
    case 9: case 10: case 13: case 17: case 19: case 20:
        m_activities.startActivity(atFreeHour);
        break;
    default:
        m_activities.startActivity(otherwise);
        break;
    }
}

void Questions::answer(int index)
{
    if (index < 1 || index > 3)
        return;
    Runtime &rt = m_ctx.rt;
    m_ctx.scene.parkQuestion();
    // An answer with no question asked yet only refreshes the friendship label.
    switch (m_kind.value_or(Question(0))) {
    case Question::Study: {
        const StudyRecord &r = m_ctx.tables.study[size_t(qBound<int>(0, rt.studyQuestion, 20))];
        if (index == r.right) {
            m_ctx.memory.addFriendship(12);
            rt.talkState = Talk::AnsweredRight;
        } else {
            m_ctx.memory.addFriendship(5);
            rt.talkState = Talk::AnsweredWrong;
        }
        m_activities.setActivityLength(60);
        m_activities.startActivity(Activity::Studying);
        break;
    }
    case Question::Music:
        tasteAnswer(index, m_ctx.tables.music[size_t(qBound<int>(0, rt.musicQuestion, 10))], Activity::ListeningToMusic, Activity::ListeningLyingDown);
        break;
    case Question::Book:
        tasteAnswer(index, m_ctx.tables.book[size_t(qBound<int>(0, rt.bookQuestion, 10))], Activity::Reading, Activity::ReadingLyingDown);
        break;
    case Question::Play:
        rt.talkState = Talk::Playing;
        if (rt.userAskedToPlay == 1)
            m_ctx.memory.addFriendship(index == rt.proposedGame ? 13 : 9);
        else
            m_ctx.memory.addFriendship(12);
        if (m_playGame)
            m_playGame(qint16(index));
        rt.userAskedToPlay = 0;
        break;
    default:
        break;
    }
    m_stage.friendshipChanged();
}
