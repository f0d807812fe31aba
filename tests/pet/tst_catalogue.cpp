// The pet's line sets and question data: every set has the shape, friendship changes and close
// behaviour the pet window relies on, the opening numbers lead to the right sets, the quiz is
// fair, and every text the user can be shown fits its panel and breaks only where it was written.
#include "pet/model/datatables.h"
#include "pet/model/scene.h"
#include "pet/dialogs/catalogue.h"
#include "pet/dialogs/showntexts.h"

#include "common/cp932.h"
#include "common/datreader.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QTextLayout>
#include <QtTest>

#include <optional>
#include <utility>

namespace {

using Pairs = QList<std::pair<int, int>>; // alternative k (1-based) → value

// One row per set, as the catalogue table lists it. header: nullptr none, "*" any, else exact.
// lines: lines per alternative, 0 for a conversation of minTalk..maxTalk utterances.
struct Row {
    const char *name;
    Close close = Close::Auto;
    int fixedChange = 0;
    const char *header = nullptr;
    QList<int> draws;
    int lines = 2;
    Pairs lineExceptions = {};
    Pairs changes = {};
    int minTalk = 2;
    int maxTalk = 4;
};

const char *const kThanks = "Danke shoen!";
const char *const kTwo = "ロウェルとフェンが\r\n遊びにきました";
const char *const kOne = "ガルドが遊びにきました";
constexpr Close Click = Close::Click;

const QList<Row> &expectedRows()
{
    static const QList<Row> rows = {
        {.name = "Intoform", .close = Click, .draws = {3, 3}, .lines = 1},
        {.name = "Intoform0", .close = Click, .draws = {1}, .lines = 3},
        {.name = "Intoform2", .close = Click, .header = "*", .draws = {6}, .lines = 1},
        {.name = "Intoform3a", .close = Click, .draws = {1}, .lines = 3},
        {.name = "Intoform3b", .close = Click, .header = "*", .draws = {6}, .lines = 1},
        {.name = "Intoform4", .draws = {1}, .lines = 2},
        {.name = "Intoform5", .header = "*", .draws = {6}, .lines = 1},
        {.name = "Intoform6", .draws = {4, 6}, .lines = 1},
        {.name = "Intoform7", .header = "*", .draws = {6}, .lines = 1},
        {.name = "IntoformB1", .header = kThanks, .draws = {1}},
        {.name = "IntoformB2", .header = kThanks, .draws = {1}},
        {.name = "IntoformB3", .header = kThanks, .draws = {1}},
        {.name = "IntoformB4", .header = kThanks, .draws = {1}},
        {.name = "IntoformB5", .header = kThanks, .draws = {1}},
        {.name = "IntoformB6", .header = kThanks, .draws = {1}},
        {.name = "Intoform8", .draws = {4}},
        {.name = "Intoform9", .fixedChange = -3, .draws = {4}},
        {.name = "Intoform10", .draws = {4}},
        {.name = "IntoformB7", .header = kTwo, .draws = {1}, .lines = 0, .maxTalk = 2},
        {.name = "IntoformB8", .draws = {1}, .lines = 3},
        {.name = "IntoformB9", .draws = {1}, .lines = 2},
        {.name = "IntoformB10", .header = kOne, .draws = {1}, .lines = 0, .minTalk = 1,
         .maxTalk = 1},
        {.name = "IntoformD1", .draws = {6}, .changes = {{2, -2}, {3, 2}}},
        {.name = "IntoformD14", .draws = {4}},
        {.name = "IntoformD17", .draws = {4}, .lineExceptions = {{1, 1}},
         .changes = {{1, -2}, {4, 2}}},
        {.name = "IntoformD18", .draws = {4}, .changes = {{1, -2}, {3, 2}}},
        {.name = "IntoformD21", .draws = {4}},
        {.name = "IntoformD22", .draws = {3}, .lines = 1},
        {.name = "IntoformD23", .draws = {4}},
        {.name = "IntoformD26", .draws = {4}, .changes = {{1, -2}}},
        {.name = "IntoformD27", .draws = {4}, .changes = {{2, 2}, {4, -2}}},
        {.name = "IntoformD29", .draws = {4}, .changes = {{1, -2}}},
        {.name = "IntoformD31", .draws = {4}},
        {.name = "IntoformD34", .draws = {4}, .changes = {{2, 2}}},
        {.name = "IntoformD35", .draws = {4}},
        {.name = "IntoformD36", .draws = {3}, .changes = {{1, 1}}},
        {.name = "IntoformD37", .draws = {3}, .changes = {{2, 1}}},
        {.name = "IntoformD38", .draws = {4}, .changes = {{1, 1}, {3, 1}}},
        {.name = "IntoformD40", .draws = {4}},
        {.name = "IntoformD42", .draws = {4}, .changes = {{1, 2}, {3, -2}, {4, -2}}},
        {.name = "IntoformD43", .draws = {4}, .changes = {{4, 2}}},
        {.name = "IntoformD44", .draws = {4}, .changes = {{1, 1}}},
        {.name = "IntoformD45", .draws = {4}, .changes = {{2, -2}, {3, 2}}},
        {.name = "IntoformD46", .draws = {4}, .changes = {{1, -2}, {2, -2}, {3, 2}}},
        {.name = "IntoformD47", .draws = {4}, .changes = {{3, 2}}},
        {.name = "IntoformD48", .draws = {4}, .changes = {{3, 1}}},
        {.name = "IntoformD491", .draws = {4}, .changes = {{2, 1}}},
        {.name = "IntoformD495", .draws = {4}, .changes = {{3, 1}}},
        {.name = "IntoformD50", .draws = {4}, .lineExceptions = {{4, 1}},
         .changes = {{1, -1}, {2, -1}}},
        {.name = "IntoformD53", .draws = {4}, .changes = {{3, 2}}},
        {.name = "IntoformD54", .draws = {4}, .lineExceptions = {{2, 1}}},
        {.name = "IntoformD55", .header = "*", .draws = {4}, .lines = 1},
        {.name = "IntoformD631", .header = kTwo, .draws = {5}, .lines = 0},
        {.name = "IntoformD632", .draws = {3}, .lines = 0},
        {.name = "IntoformD643", .draws = {3}, .lines = 1},
        // The visitor's own words only: one or two utterances.
        {.name = "IntoformD651", .header = kOne, .draws = {5}, .lines = 0, .minTalk = 1,
         .maxTalk = 2},
        {.name = "IntoformD652", .draws = {3}, .lines = 0, .minTalk = 1, .maxTalk = 1},
        {.name = "IntoformD653", .draws = {3}, .lines = 0},
        {.name = "IntoformD654", .draws = {3}, .lines = 0},
        {.name = "IntoformE1", .header = "*", .draws = {4}, .lines = 1},
        {.name = "IntoformE2", .header = "*", .draws = {4}, .lines = 1},
        {.name = "IntoformE3", .header = "*", .draws = {4}, .lines = 1},
        {.name = "IntoformE4", .header = "*", .draws = {4}, .lines = 1, .changes = {{2, 2}}},
        {.name = "IntoformE5", .header = "*", .draws = {4}, .lines = 1},
        {.name = "IntoformE6", .header = "*", .draws = {4}, .lines = 1, .changes = {{3, 2}}},
    };
    return rows;
}

std::optional<int> lookup(const Pairs &pairs, int k)
{
    for (const auto &[key, value] : pairs)
        if (key == k)
            return value;
    return std::nullopt;
}

const QString crlf = QStringLiteral("\r\n");

QFont speechFont()
{
    QFont f(QStringLiteral("Noto Sans CJK JP"));
    f.setPixelSize(12);
    return f;
}

bool speechFontInstalled()
{
    return QFontDatabase::families().contains(QStringLiteral("Noto Sans CJK JP"))
        && QFontInfo(speechFont()).family() == QStringLiteral("Noto Sans CJK JP");
}

// The pet's text areas: the speech panel's label, the question panel's label, and an answer
// button less the room its frame takes.
QSize boxOf(ShownText::Place place)
{
    switch (place) {
    case ShownText::SpeechPanel: return {185, 145};
    case ShownText::QuestionPanel: return {185, 121};
    case ShownText::AnswerButton: return {185 - 16, 25};
    }
    return {};
}

// Where the label would wrap one line of the text by itself: the pieces it would show, or a
// single piece when the line fits.
QStringList wrappedPieces(const QString &line, int width)
{
    QTextLayout layout(line, speechFont());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList pieces;
    layout.beginLayout();
    for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
        l.setLineWidth(width);
        pieces << line.mid(l.textStart(), l.textLength());
    }
    layout.endLayout();
    return pieces;
}

// Characters a Japanese line never starts with (closing marks, small kana, the long-vowel mark)
// and never ends with (opening brackets).
const QString kNoLineStart = QStringLiteral("、。，．」』）！？ー〜ぁぃぅぇぉっゃゅょゎァィゥェォッャュョ");
const QString kNoLineEnd = QStringLiteral("「『（");

DataTables shippedTables()
{
    DataTables t;
    t.load(QStringLiteral(TOBBERLY_BIN_DIR "/dat"));
    return t;
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT
private slots:
    // A set missing, doubled or extra would leave a situation silent or speak the wrong text.
    void catalogueHoldsExactlyTheListedSets()
    {
        QStringList names;
        for (const LineSet &s : catalogue())
            names << s.name;
        QCOMPARE(names.size(), expectedRows().size());
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        for (const Row &r : expectedRows())
            QVERIFY2(findLineSet(QString::fromUtf8(r.name)), r.name);
        QVERIFY(!findLineSet(QStringLiteral("IntoformC")));
        QVERIFY(!findLineSet(QStringLiteral("IntoformD2")));
    }

    // Shape, close behaviour and friendship changes are what the events and the pet window
    // count on: a change on the wrong alternative shifts the pet's friendship unfairly.
    void everySetHasItsShapeAndChanges_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < expectedRows().size(); ++i)
            QTest::newRow(expectedRows()[i].name) << i;
    }
    void everySetHasItsShapeAndChanges()
    {
        QFETCH(int, row);
        const Row &r = expectedRows()[row];
        const LineSet *s = findLineSet(QString::fromUtf8(r.name));
        QVERIFY(s);
        QCOMPARE(s->close, r.close);
        QCOMPARE(int(s->fixedChange), r.fixedChange);
        if (!r.header)
            QVERIFY2(s->header.isEmpty(), qPrintable(s->header));
        else if (QByteArray(r.header) == "*")
            QVERIFY(!s->header.isEmpty());
        else
            QCOMPARE(s->header, QString::fromUtf8(r.header));

        QCOMPARE(s->draws.size(), r.draws.size());
        for (int d = 0; d < r.draws.size(); ++d) {
            QCOMPARE(s->draws[d].size(), r.draws[d]);
            for (int k = 1; k <= r.draws[d]; ++k) {
                const Alternative &a = s->draws[d][k - 1];
                const QByteArray where = QByteArray(r.name) + " draw " + QByteArray::number(d + 1)
                    + " alternative " + QByteArray::number(k);
                QVERIFY2(a.change == lookup(r.changes, k).value_or(0), where);
                if (r.lines > 0) {
                    const int lines = lookup(r.lineExceptions, k).value_or(r.lines);
                    QVERIFY2(a.lines.size() == lines, where);
                    for (const QString &l : a.lines)
                        QVERIFY2(!l.trimmed().isEmpty(), where + " has an empty line");
                } else {
                    const int talk = int(a.lines.size() + 1) / 2;
                    QVERIFY2(a.lines.size() % 2 == 1, where);
                    QVERIFY2(talk >= r.minTalk && talk <= r.maxTalk, where);
                }
            }
        }
    }

    // A conversation is only readable when each utterance names its speaker and stands apart.
    void conversationsUseTheSpeakerFormat()
    {
        static const QRegularExpression utterance(
            QStringLiteral("^(ピモ|ガルド|ロウェル|フェン)「[^「」]+」$"));
        int conversations = 0;
        for (const Row &r : expectedRows()) {
            if (r.lines != 0)
                continue;
            const LineSet *s = findLineSet(QString::fromUtf8(r.name));
            QVERIFY(s);
            for (int k = 0; k < s->draws[0].size(); ++k) {
                const QStringList &lines = s->draws[0][k].lines;
                for (int i = 0; i < lines.size(); ++i) {
                    const QByteArray where = QByteArray(r.name) + " alternative "
                        + QByteArray::number(k + 1) + " line " + QByteArray::number(i + 1);
                    if (i % 2 == 1)
                        QVERIFY2(lines[i].isEmpty(), where);
                    else
                        QVERIFY2(utterance.match(lines[i]).hasMatch(), where);
                }
                ++conversations;
            }
        }
        QCOMPARE(conversations, 1 + 1 + 5 + 3 + 5 + 3 + 3 + 3);
        // The visitor's own sets let only him speak.
        for (const char *name : {"IntoformB10", "IntoformD651", "IntoformD652"})
            for (const Alternative &a : findLineSet(QString::fromUtf8(name))->draws[0])
                for (const QString &l : a.lines)
                    QVERIFY2(l.isEmpty() || l.startsWith(QStringLiteral("ガルド「")), name);
    }

    // Texts the composer or the user relies on word for word.
    void functionalTextsAreInPlace()
    {
        const LineSet *d50 = findLineSet(QStringLiteral("IntoformD50"));
        const QString ellipsis = d50->draws[0][3].lines.value(0);
        QVERIFY2(ellipsis == QStringLiteral("・・・") || ellipsis == QStringLiteral("……"),
                 qPrintable(ellipsis));

        const QString d1 = [] {
            QStringList all;
            for (const Alternative &a : findLineSet(QStringLiteral("IntoformD1"))->draws[0])
                all << a.lines;
            return all.join(u'\n');
        }();
        QVERIFY(d1.contains(QStringLiteral(TOBBERLY_VERSION)));
        QVERIFY(d1.contains(QStringLiteral("トベリー工房")));

        QVERIFY(findLineSet(QStringLiteral("Intoform5"))->header.startsWith(
            QStringLiteral("Guten Morgen!")));
        QVERIFY(findLineSet(QStringLiteral("Intoform2"))->header.startsWith(
            QStringLiteral("Gute Nacht!")));
    }

    // The named line sets keep their order by the events that open them; a shift shows the wrong scene.
    void namedLineSetsOpenTheirSets()
    {
        const char *const expected[] = {
            "Intoform",   "Intoform0",  "Intoform2",  "Intoform3a", "Intoform3b", "Intoform4",
            "Intoform5",  "Intoform6",  "Intoform7",  "IntoformB1", "IntoformB2", "IntoformB3",
            "IntoformB4", "IntoformB5", "IntoformB6", "Intoform8",  "Intoform9",  "Intoform10",
            "IntoformB7", "IntoformB8", "IntoformB9", "IntoformB10"};
        for (int n = 1; n <= 22; ++n) {
            QCOMPARE(lineSetName(Lines(n)), QString::fromLatin1(expected[n - 1]));
            QVERIFY(findLineSet(lineSetName(Lines(n))));
        }
        for (int n : {0, -1, 23, 1001})
            QVERIFY(lineSetName(Lines(n)).isEmpty());
    }

    // Every clicked event in the list must speak, and no other number may open a set.
    void callfun3NumbersOpenTheirSets()
    {
        const QList<int> dNumbers = {1,  14, 17, 18, 21, 22, 23, 26, 27, 29, 31, 34, 35,
                                     36, 37, 38, 40, 42, 43, 44, 45, 46, 47, 48, 50, 53,
                                     54, 55, 491, 495, 631, 632, 643, 651, 652, 653, 654};
        for (int n : dNumbers) {
            QCOMPARE(clickLineSetName(n), QStringLiteral("IntoformD%1").arg(n));
            QVERIFY(findLineSet(clickLineSetName(n)));
        }
        for (int n = 1001; n <= 1006; ++n)
            QCOMPARE(clickLineSetName(n), QStringLiteral("IntoformE%1").arg(n - 1000));
        for (int n : {0, 2, 15, 19, 49, 56, 63, 492, 641, 1000, 1007})
            QVERIFY2(clickLineSetName(n).isEmpty(), qPrintable(QString::number(n)));
    }

    // Every text is laid out as the windows lay it out. A line the label wraps by itself breaks
    // wherever the edge falls, mid-word or leaving a scrap of one to three characters, so no line
    // may be wider than its box: the writer chooses every break. Explicit breaks follow the rules
    // of Japanese typesetting, and the whole text fits its panel, whose label cuts off the rest.
    void everyTextBreaksOnlyWhereItWasWritten()
    {
        if (!speechFontInstalled())
            QSKIP("Noto Sans CJK JP is not installed: the windows' layout cannot be judged");
        const QFontMetrics fm(speechFont());
        const QList<ShownText> texts = everyShownText(shippedTables());
        QVERIFY2(texts.size() > 450, qPrintable(QString::number(texts.size())));
        QStringList failures;
        QSet<QString> lines;
        for (const ShownText &t : texts) {
            const QSize box = boxOf(t.place);
            const QString where = t.where + QStringLiteral(": ");
            if (t.text.trimmed().isEmpty()) {
                failures << where + QStringLiteral("empty");
                continue;
            }
            const QStringList own = t.text.split(crlf);
            for (int i = 0; i < own.size(); ++i) {
                const QString &line = own[i];
                lines.insert(line);
                const QStringList pieces = wrappedPieces(line, box.width());
                if (pieces.size() > 1)
                    failures << where + pieces.join(u'/') + QStringLiteral(" (%1 px)").arg(fm.horizontalAdvance(line));
                if (i > 0 && !line.isEmpty() && kNoLineStart.contains(line.front()))
                    failures << where + QStringLiteral("a line starts with ") + line.front();
                if (!line.isEmpty() && kNoLineEnd.contains(line.back()))
                    failures << where + QStringLiteral("a line ends with ") + line.back();
            }
            if (t.place == ShownText::AnswerButton && own.size() != 1)
                failures << where + QStringLiteral("a button holds one line");
            const int h = fm.boundingRect(QRect(QPoint(), box), Qt::TextWordWrap, displayText(t.text)).height();
            if (h > box.height())
                failures << where + QStringLiteral("%1 px high, %2 px fit").arg(h).arg(box.height());
        }
        for (const QString &f : failures)
            qWarning().noquote() << f;
        QVERIFY2(failures.isEmpty(), qPrintable(QStringLiteral("%1 faults, listed above").arg(failures.size())));
        QVERIFY(lines.size() > 250);
    }

    // The shipped files hold exactly their records, each with its field count: a stray quote or
    // comma would shift every later field. A quoted text may hold its own line breaks.
    void dataFilesHoldTheirRecordsWhole_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("texts");
        QTest::addColumn<int>("numbers");
        QTest::newRow("study") << "Study.dat" << 16 << 4 << 1;
        QTest::newRow("music") << "Music.dat" << 5 << 10 << 3;
        QTest::newRow("book") << "Book.dat" << 5 << 10 << 3;
    }
    void dataFilesHoldTheirRecordsWhole()
    {
        QFETCH(QString, file);
        QFETCH(int, records);
        QFETCH(int, texts);
        QFETCH(int, numbers);
        QFile f(QStringLiteral(TOBBERLY_BIN_DIR "/dat/") + file);
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
        bool ok = false;
        const QString text = cp932::decode(f.readAll(), &ok);
        QVERIFY(ok);
        QVERIFY(text.endsWith(crlf));
        QVERIFY(!text.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
        DatReader r(text);
        for (int i = 1; i <= records; ++i) {
            const QByteArray where = "record " + QByteArray::number(i);
            for (int k = 0; k < texts; ++k) {
                const QString field = r.nextText();
                QVERIFY2(!field.isEmpty() && !field.contains(u'"'), where);
                field.toInt(&ok);
                QVERIFY2(!ok, where + " has a number where a text belongs");
            }
            for (int k = 0; k < numbers; ++k) {
                const QString field = r.nextText();
                field.toInt(&ok);
                QVERIFY2(ok, where + " lacks a number");
            }
        }
        QVERIFY(r.atEnd());
    }

    // Quiz answers are numbered 1..3, no question is asked twice and no answer offered twice.
    void studyQuestionsAreSound()
    {
        const DataTables t = shippedTables();
        QSet<QString> questions;
        for (int i = 1; i <= 16; ++i) {
            const StudyRecord &s = t.study[i];
            const QByteArray where = "study " + QByteArray::number(i);
            QVERIFY2(s.right >= 1 && s.right <= 3, where);
            questions.insert(s.question);
            QSet<QString> answers;
            for (int a = 1; a <= 3; ++a) {
                QVERIFY2(!s.answer[a].isEmpty(), where);
                answers.insert(s.answer[a]);
            }
            QVERIFY2(answers.size() == 3, where + " repeats an answer");
        }
        QCOMPARE(questions.size(), 16);
    }

    // The pet asks only the records a product of two draws 1..4 can name. Among those, each of
    // the three places must hold the right answer at least twice, or always pressing one button
    // would win the quiz.
    void askedQuestionsSpreadTheirRightAnswers()
    {
        const DataTables t = shippedTables();
        QSet<int> asked;
        for (int a = 1; a <= 4; ++a)
            for (int b = 1; b <= 4; ++b)
                asked.insert(a * b);
        QCOMPARE(asked, QSet<int>({1, 2, 3, 4, 6, 8, 9, 12, 16}));
        int atPlace[4] = {};
        for (int r : asked)
            if (t.study[r].right >= 1 && t.study[r].right <= 3)
                ++atPlace[t.study[r].right];
        for (int place = 1; place <= 3; ++place)
            QVERIFY2(atPlace[place] >= 2, qPrintable(QStringLiteral("place %1 holds %2").arg(place).arg(atPlace[place])));
    }

    // Music and book questions offer three answers, each with a reply of two lines and a
    // friendship amount of a sensible size.
    void musicAndBookQuestionsAreSound()
    {
        const DataTables t = shippedTables();
        for (const auto &[kind, table] : {std::pair{"music", &t.music}, std::pair{"book", &t.book}})
            for (int i = 1; i <= 5; ++i) {
                const TasteRecord &q = (*table)[i];
                const QByteArray where = QByteArray(kind) + ' ' + QByteArray::number(i);
                QVERIFY2(!q.question.isEmpty(), where);
                for (int a = 1; a <= 3; ++a) {
                    QVERIFY2(!q.answer[a].isEmpty(), where);
                    QVERIFY2(!q.reply1[a].isEmpty() && !q.reply2[a].isEmpty(), where);
                    QVERIFY2(q.change[a] >= -10 && q.change[a] <= 10, where);
                }
            }
    }
};

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
