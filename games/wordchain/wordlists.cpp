#include "wordlists.h"

#include "common/cp932.h"
#include "common/logging.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <array>

namespace kana {
namespace {

// Runs of kana that take consecutive index numbers, starting at `first`.
struct KanaRun {
    const char16_t *kana;
    int first;
};
constexpr std::array<KanaRun, 7> kKanaRuns{{
    {u"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめも", 1},
    {u"やゆよ", 36},
    {u"らりるれろ", 41},
    {u"わ", 46},
    {u"がぎぐげござじずぜぞだぢづでど", 106},
    {u"ばびぶべぼ", 126},
    {u"ぱぴぷぺぽ", 226},
}};

// A long-vowel mark after any kana of `after` stands for `vowel`.
struct VowelRow {
    char16_t vowel;
    const char16_t *after;
};
constexpr std::array<VowelRow, 5> kVowelRows{{
    {u'あ', u"あぁかがさざただなはばぱまやゃらわ"},
    {u'い', u"いぃきぎしじちぢにひびぴみり"},
    {u'う', u"うぅくぐすずつづぬふぶぷむゆゅる"},
    {u'え', u"えぇけげせぜてでねへべぺめれ"},
    {u'お', u"おぉこごそぞとどのほぼぽもよょろ"},
}};

// Small kana and the full-size kana they continue as.
constexpr std::u16string_view kSmall = u"ぁぃぅぇぉゃゅょっ";
constexpr std::u16string_view kFull = u"あいうえおやゆよつ";

// Every character a word may end on: the 69 starting kana, ん, the small kana and ー.
constexpr std::u16string_view kUsableEnds =
    u"あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわん"
    u"がぎぐげござじずぜぞだぢづでどばびぶべぼぱぴぷぺぽぁぃぅぇぉっゃゅょー";

} // namespace

int indexOf(QChar c)
{
    for (const KanaRun &run : kKanaRuns) {
        const std::u16string_view s(run.kana);
        const auto pos = s.find(c.unicode());
        if (pos != std::u16string_view::npos)
            return run.first + int(pos);
    }
    return 0;
}

const QList<int> &allIndices()
{
    static const QList<int> indices = [] {
        QList<int> out;
        for (const KanaRun &run : kKanaRuns)
            for (int i = 0; run.kana[i]; ++i)
                out << run.first + i;
        return out;
    }();
    return indices;
}

QString fileName(int index)
{
    const int n = index % 100;
    const char *suffix = index >= 200 ? "b" : index >= 100 ? "a" : "";
    return QStringLiteral("word%1%2.dat").arg(n).arg(QLatin1String(suffix));
}

QString Lastkana(const QString &word)
{
    if (word.isEmpty())
        return word;
    const char16_t last = word.back().unicode();
    QString out = word;
    if (last == u'ー') {
        if (word.size() < 2)
            return word;
        const char16_t before = word.at(word.size() - 2).unicode();
        for (const VowelRow &row : kVowelRows) {
            if (std::u16string_view(row.after).find(before) != std::u16string_view::npos) {
                out.back() = QChar(row.vowel);
                return out;
            }
        }
        return word;
    }
    const auto small = kSmall.find(last);
    if (small != std::u16string_view::npos)
        out.back() = QChar(kFull[small]);
    return out;
}

bool endsUsably(const QString &word)
{
    return !word.isEmpty() && kUsableEnds.find(word.back().unicode()) != std::u16string_view::npos;
}

} // namespace kana

WordLists::WordLists(QString shippedDir, QString userDir)
    : m_shippedDir(std::move(shippedDir)), m_userDir(std::move(userDir))
{
    for (int index : kana::allIndices())
        m_lists[index];
}

QString WordLists::shippedPath(int index) const { return m_shippedDir + u'/' + kana::fileName(index); }
QString WordLists::userPath(int index) const { return m_userDir + u'/' + kana::fileName(index); }

void WordLists::load()
{
    for (int index : kana::allIndices()) {
        QStringList &words = m_lists[index];
        words.clear();
        const QString path = QFile::exists(userPath(index)) ? userPath(index) : shippedPath(index);
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            qCWarning(lcGames) << "word list missing or unreadable, the pet knows no words for it:"
                               << path;
            continue;
        }
        bool ok = true;
        const QString text = cp932::decode(f.readAll(), &ok);
        if (!ok)
            qCWarning(lcGames) << "word list holds bytes that are not Shift_JIS:" << path;
        // Blank lines (a trailing line break, a hand-edited gap) are not words.
        for (QStringView line : QStringView(text).split(u'\n', Qt::SkipEmptyParts)) {
            if (line.endsWith(u'\r'))
                line.chop(1);
            if (!line.isEmpty())
                words << line.toString();
        }
    }
}

bool WordLists::save() const
{
    if (!QDir().mkpath(m_userDir)) {
        qCWarning(lcGames) << "cannot create the folder for the word lists:" << m_userDir;
        return false;
    }
    bool all = true;
    for (const auto &[index, words] : m_lists) {
        QByteArray bytes;
        for (const QString &w : words)
            bytes += cp932::encode(w) + "\r\n";
        QSaveFile f(userPath(index));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
            qCWarning(lcGames) << "cannot write the word list:" << f.fileName() << f.errorString();
            all = false;
        }
    }
    return all;
}

const QStringList &WordLists::list(int index) const
{
    static const QStringList none;
    const auto it = m_lists.find(index);
    return it == m_lists.end() ? none : it->second;
}

bool WordLists::Learnword(const QString &word)
{
    if (word.isEmpty())
        return false;
    const auto it = m_lists.find(kana::indexOf(word.front()));
    if (it == m_lists.end())
        return false;
    // A line break would split the word into two entries of the file; a character the code page
    // lacks would come back as '?'. Such words are played but not kept.
    for (QChar c : word)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            return false;
    if (!cp932::canEncode(word))
        return false;
    if (it->second.contains(word))
        return false;
    it->second << word;
    return true;
}
