#include "showntexts.h"

#include "catalogue.h"
#include "pet/model/datatables.h"
#include "questions.h"
#include "speech.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

void addLineSet(QList<ShownText> &out, const LineSet &s, const DataTables &tables)
{
    auto add = [&out, &s](const QString &label, QStringList lines) {
        if (!s.header.isEmpty())
            lines.prepend(s.header);
        out.append({ShownText::SpeechPanel, s.name + u' ' + label, lines.join(kCrLf)});
    };
    if (s.name == u"Intoform") {
        // The report opens with the right answer of the question asked; every record may be.
        for (int r = 1; r <= 16; ++r) {
            const StudyRecord &rec = tables.study[size_t(r)];
            const QString answer = (rec.right >= 1 && rec.right <= 3) ? rec.answer[size_t(rec.right)] : QString();
            for (int d = 0; d < 2 && d < s.draws.size(); ++d)
                for (int k = 0; k < s.draws[d].size(); ++k)
                    add(QStringLiteral("study %1 %2 %3").arg(r).arg(d == 0 ? QStringLiteral("right") : QStringLiteral("wrong")).arg(k + 1),
                        QStringList{Speech::reportOpening(answer, d == 0)} + s.draws[d][k].lines);
        }
        return;
    }
    if (s.draws.size() == 2) { // two independent draws shown one after the other
        for (int p = 0; p < s.draws[0].size(); ++p)
            for (int c = 0; c < s.draws[1].size(); ++c)
                add(QStringLiteral("%1+%2").arg(p + 1).arg(c + 1), s.draws[0][p].lines + s.draws[1][c].lines);
        return;
    }
    for (const QList<Alternative> &alts : s.draws)
        for (int k = 0; k < alts.size(); ++k)
            add(QString::number(k + 1), alts[k].lines);
}

void addTaste(QList<ShownText> &out, const char *kind, const std::array<TasteRecord, 11> &table)
{
    for (int r = 1; r <= 5; ++r) {
        const TasteRecord &rec = table[size_t(r)];
        const QString where = QStringLiteral("%1 %2").arg(QLatin1String(kind)).arg(r);
        out.append({ShownText::QuestionPanel, where, rec.question, {rec.answer[1], rec.answer[2], rec.answer[3]}});
        for (int a = 1; a <= 3; ++a) {
            out.append({ShownText::AnswerButton, where + QStringLiteral(" answer %1").arg(a), rec.answer[size_t(a)]});
            out.append({ShownText::SpeechPanel, where + QStringLiteral(" reply %1").arg(a),
                        rec.reply1[size_t(a)] + kCrLf + rec.reply2[size_t(a)]});
        }
    }
}

} // namespace

QList<ShownText> everyShownText(const DataTables &tables)
{
    QList<ShownText> out;
    for (const LineSet &s : catalogue())
        addLineSet(out, s, tables);
    addTaste(out, "music", tables.music);
    addTaste(out, "book", tables.book);
    for (int r = 1; r <= 16; ++r) {
        const StudyRecord &rec = tables.study[size_t(r)];
        const QString where = QStringLiteral("study %1").arg(r);
        out.append({ShownText::QuestionPanel, where, rec.question, {rec.answer[1], rec.answer[2], rec.answer[3]}});
        for (int a = 1; a <= 3; ++a)
            out.append({ShownText::AnswerButton, where + QStringLiteral(" answer %1").arg(a), rec.answer[size_t(a)]});
    }
    for (int g = 0; g <= 3; ++g)
        out.append({ShownText::QuestionPanel, QStringLiteral("play %1").arg(g), Questions::playQuestion(g),
                    {Questions::gameName(1), Questions::gameName(2), Questions::gameName(3)}});
    for (int g = 1; g <= 3; ++g)
        out.append({ShownText::AnswerButton, QStringLiteral("play answer %1").arg(g), Questions::gameName(g)});
    return out;
}
