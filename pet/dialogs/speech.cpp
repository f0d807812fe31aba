#include "speech.h"

#include "catalogue.h"
#include "common/logging.h"

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}

Speech::Speech(PetContext &ctx, std::function<void()> onClosed) : m_ctx(ctx), m_onClosed(std::move(onClosed))
{
    m_closeTimer = ctx.timers.create([this] { close(); });
    ctx.timers.setInterval(m_closeTimer, kCloseMs);
}

bool Speech::closeTimerOn() const { return m_ctx.timers.isEnabled(m_closeTimer); }

void Speech::close()
{
    m_ctx.timers.stop(m_closeTimer);
    if (m_onClosed)
        m_onClosed();
}

void Speech::finish(const QString &text, bool autoClose)
{
    m_ctx.scene.setSpeechText(text);
    // A new self-closing text gets its full 30 seconds, even over an earlier countdown.
    if (autoClose)
        m_ctx.timers.start(m_closeTimer, kCloseMs);
}

void Speech::run(const QString &name)
{
    m_last = name;
    if (name == u"Intoform")
        return composeAnswerReport();
    if (name == u"Intoform10")
        return composeWelcomeBack();
    const LineSet *set = findLineSet(name);
    if (!set) {
        qCWarning(lcDialogs) << "no line set named" << name;
        return;
    }
    compose(*set);
}

void Speech::compose(const LineSet &set)
{
    if (set.fixedChange != 0)
        m_ctx.memory.addFriendship(set.fixedChange);
    QStringList lines;
    if (!set.header.isEmpty())
        lines << set.header;
    for (const QList<Alternative> &alts : set.draws) {
        if (alts.isEmpty())
            continue;
        const int k = alts.size() > 1 ? m_ctx.draw(int(alts.size())) : 1;
        const Alternative &a = alts[k - 1];
        lines << a.lines;
        if (a.change != 0)
            m_ctx.memory.addFriendship(a.change);
    }
    finish(lines.join(kCrLf), set.close == Close::Auto);
}

void Speech::composeAnswerReport()
{
    m_last = QStringLiteral("Intoform");
    const StudyRecord &rec = m_ctx.tables.study[size_t(qBound<int>(0, m_ctx.rt.studyQuestion, 20))];
    const QString a = (rec.right >= 1 && rec.right <= 3) ? rec.answer[size_t(rec.right)] : QString();
    const LineSet *set = findLineSet(QStringLiteral("Intoform"));
    const bool right = m_ctx.rt.talkState == Talk::AnsweredRight;
    QString text = reportOpening(a, right);
    if (set && set->draws.size() >= 2) {
        const QList<Alternative> &alts = set->draws[right ? 0 : 1];
        if (!alts.isEmpty())
            text += kCrLf + alts[m_ctx.draw(int(alts.size())) - 1].lines.join(kCrLf);
    }
    finish(text, false);
}

QString Speech::reportOpening(const QString &rightAnswer, bool wasRight)
{
    // The named answer starts a line of its own: the sentence breaks after its comma, not
    // wherever the panel's edge happens to fall.
    return wasRight ? QStringLiteral("さっきの答え、\r\n「") + rightAnswer + QStringLiteral("」で合ってたよ！")
                    : QStringLiteral("さっきの答え、違ったよ！\r\n「") + rightAnswer + QStringLiteral("」だったよぉ・・・");
}

void Speech::composeWelcomeBack()
{
    m_last = QStringLiteral("Intoform10");
    const qint32 m = m_ctx.rt.minutesAway;
    int which;
    qint16 change;
    if (m < 5) {
        which = 0;
        change = 3;
    } else if (m < 30) {
        which = 1;
        change = 3;
    } else if (m < 60) {
        which = 2;
        change = -1;
    } else {
        which = 3;
        change = qint16(-qMin<qint32>(m / 30 + 3, 32767));
    }
    m_ctx.memory.addFriendship(change);
    const LineSet *set = findLineSet(QStringLiteral("Intoform10"));
    QString text;
    if (set && !set->draws.isEmpty() && set->draws[0].size() > which)
        text = set->draws[0][which].lines.join(kCrLf);
    finish(text, true);
}

void Speech::showGivenText(const QString &text)
{
    m_last = QStringLiteral("IntoformC");
    finish(text, true);
}
