#include "presentation.h"

#include "buttons.h"
#include "pet/dialogs/catalogue.h"
#include "pet/dialogs/questions.h"
#include "pet/dialogs/speech.h"
#include "pet/events/engine.h"

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

void Presentation::Intolovavalfun()
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

void Presentation::Callfun2(qint16 n)
{
    if (m_ctx.rt.userAway() && m_ctx.rt.Ibentno != 61)
        return;
    m_ctx.engine->Clearfun();
    m_ctx.buttons->Btnofffun();
    const QString name = callfun2LineSet(n);
    if (!name.isEmpty())
        m_ctx.speech->run(name);
    bringUpSpeech(false, name.isEmpty() ? m_ctx.speech->lastSet() : name);
}

void Presentation::Callfun3(qint16 n)
{
    m_ctx.buttons->Btnofffun();
    const QString name = callfun3LineSet(n);
    if (!name.isEmpty())
        m_ctx.speech->run(name);
    bringUpSpeech(true, name);
}

void Presentation::Callquestfun(qint16 n)
{
    m_ctx.buttons->Btnofffun();
    m_ctx.questions->fill(n);
    Scene &s = m_ctx.scene;
    emit s.raisePet(false);
    s.showQuestion(dialogPlace(m_ctx.screen, Dialog::Question));
    if (m_ctx.trace)
        m_ctx.trace->questionShown(n);
}

void Presentation::Form3closefun()
{
    m_ctx.buttons->Btncheckfun();
    m_ctx.scene.parkQuestion();
}

void Presentation::Form4closefun()
{
    m_ctx.buttons->Btncheckfun();
    m_ctx.scene.parkSpeech();
}
