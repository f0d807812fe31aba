#include "presentation.h"

#include "buttons.h"
#include "pet/dialogs/catalogue.h"
#include "pet/dialogs/questions.h"
#include "pet/dialogs/speech.h"
#include "pet/model/activity.h"

QString Presentation::levelName(qint16 v)
{
    if (v >= -200 && v <= -1) return QStringLiteral("全然駄目！");
    if (v >= 0 && v <= 19) return QStringLiteral("かなり気まずい");
    if (v >= 20 && v <= 39) return QStringLiteral("ちょっと気まずい");
    if (v >= 40 && v <= 59) return QStringLiteral("普通");
    if (v >= 60 && v <= 79) return QStringLiteral("ちょっと仲良し");
    if (v >= 80 && v <= 99) return QStringLiteral("割と仲良し");
    if (v >= 100 && v <= 200) return QStringLiteral("大の仲良し");
    return QString();
}

void Presentation::refreshFriendshipLabel()
{
    m_ctx.scene.setLabel(Label::Level, levelName(m_ctx.mem().Loveval));
}

QPoint Presentation::dialogPlace(const ScreenGeometry &g, Dialog dialog)
{
    if (dialog == Dialog::Speech)
        return placement::besidePet(g.petScreen(), g.pet(), g.speechWidth, g.speechHeight, kDialogOffset,
                                    placement::Level::Bottom);
    return placement::besidePet(g.petScreen(), g.pet(), g.questionWidth, g.questionHeight, kDialogOffset,
                                placement::Level::Centre);
}

void Presentation::followPet()
{
    m_ctx.scene.moveSpeech(dialogPlace(m_ctx.screen, Dialog::Speech));
    m_ctx.scene.moveQuestion(dialogPlace(m_ctx.screen, Dialog::Question));
}

void Presentation::bringUpSpeech(bool activate, const QString &lineSet)
{
    Scene &s = m_ctx.scene;
    emit s.raisePet(activate);
    s.showSpeech(dialogPlace(m_ctx.screen, Dialog::Speech));
    if (m_ctx.trace && !lineSet.isEmpty())
        m_ctx.trace->speechShown(lineSet);
}

void Presentation::showLines(Lines lines)
{
    if (m_ctx.rt.userAway() && m_ctx.rt.activity != number(Activity::SeeUserOff))
        return;
    m_activities.stopAnimations();
    m_buttons.lockPresentAndHobby();
    const QString name = lineSetName(lines);
    if (!name.isEmpty())
        m_speech.run(name);
    bringUpSpeech(false, name.isEmpty() ? m_speech.lastSet() : name);
}

void Presentation::showClickLines(qint16 n)
{
    m_buttons.lockPresentAndHobby();
    const QString name = clickLineSetName(n);
    if (!name.isEmpty())
        m_speech.run(name);
    bringUpSpeech(true, name);
}

void Presentation::askQuestion(Question n)
{
    m_buttons.lockPresentAndHobby();
    m_questions.fill(n);
    Scene &s = m_ctx.scene;
    emit s.raisePet(false);
    s.showQuestion(dialogPlace(m_ctx.screen, Dialog::Question));
    if (m_ctx.trace)
        m_ctx.trace->questionShown(int(n));
}

void Presentation::closeQuestion()
{
    m_buttons.refreshButtons();
    m_ctx.scene.parkQuestion();
}

void Presentation::closeSpeech()
{
    m_buttons.refreshButtons();
    m_ctx.scene.parkSpeech();
}
