#include "wordlists.h"

#include "common/cp932.h"
#include "common/logging.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSet>
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

namespace {

// The lines of a list file without their line ends; blank lines are not words and are dropped.
QList<QByteArray> fileLines(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

// A word the pet can say and the user can answer: clean Shift_JIS, no control characters.
bool playable(const QString &word, bool decodedCleanly)
{
    if (!decodedCleanly || word.isEmpty())
        return false;
    for (QChar c : word)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            return false;
    return true;
}

} // namespace

WordLists::WordLists(QString shippedDir, QString userDir)
    : m_shippedDir(std::move(shippedDir)), m_userDir(std::move(userDir))
{
    for (int index : kana::allIndices())
        m_lists[index];
}

QString WordLists::shippedPath(int index) const { return m_shippedDir + u'/' + kana::fileName(index); }
QString WordLists::userPath(int index) const { return m_userDir + u'/' + kana::fileName(index); }

void WordLists::ensureLoaded() const
{
    // The lists are this object's own (never made const), so the deferred read may fill them.
    if (m_loadPending)
        const_cast<WordLists *>(this)->load();
}

void WordLists::load()
{
    m_loadPending = false;
    for (auto &[index, kl] : m_lists) {
        kl = KanaList();
        loadShipped(index, kl);
        loadLearned(index, kl);
    }
}

void WordLists::loadShipped(int index, KanaList &kl)
{
    QFile f(shippedPath(index));
    if (!f.open(QIODevice::ReadOnly)) {
        qCWarning(lcGames) << "word list missing or unreadable, the pet knows no shipped words for it:"
                           << f.fileName();
        return;
    }
    bool allClean = true;
    for (const QByteArray &line : fileLines(f.readAll())) {
        bool ok = true;
        const QString word = cp932::decode(line, &ok);
        allClean = allClean && ok;
        if (playable(word, ok))
            kl.words << word;
    }
    if (!allClean)
        qCWarning(lcGames) << "word list holds bytes that are not Shift_JIS, those lines are not played:"
                           << f.fileName();
    kl.shippedCount = kl.words.size();
}

void WordLists::loadLearned(int index, KanaList &kl)
{
    QFile f(userPath(index));
    if (!f.exists())
        return;
    if (!f.open(QIODevice::ReadOnly)) {
        kl.userUnreadable = true;
        qCWarning(lcGames) << "learned words cannot be read, the file is left as it is:" << f.fileName()
                           << f.errorString();
        return;
    }
    kl.userFile = f.readAll();
    const QSet<QString> shipped(kl.words.cbegin(), kl.words.cend());
    bool allClean = true;
    for (const QByteArray &line : fileLines(kl.userFile)) {
        bool ok = true;
        const QString word = cp932::decode(line, &ok);
        allClean = allClean && ok;
        // Earlier versions kept a whole copy of the shipped list here: its shipped words are
        // played from the shipped list and dropped from this file at the next save.
        if (ok && shipped.contains(word))
            continue;
        kl.learned << line;
        if (playable(word, ok) && !kl.words.contains(word))
            kl.words << word;
    }
    if (!allClean)
        qCWarning(lcGames) << "learned words hold bytes that are not Shift_JIS, those lines are kept "
                              "but not played:" << f.fileName();
}

bool WordLists::save()
{
    ensureLoaded();
    bool all = true;
    bool folderReady = false;
    for (auto &[index, kl] : m_lists) {
        QByteArray bytes;
        for (const QByteArray &line : kl.learned)
            bytes += line + "\r\n";
        if (bytes == kl.userFile)
            continue;
        if (kl.userUnreadable) {
            qCWarning(lcGames) << "cannot keep the newly learned words, their file could not be read:"
                               << userPath(index);
            all = false;
            continue;
        }
        if (bytes.isEmpty()) {
            // A whole copy of the shipped list with nothing learned: the shipped list says it all.
            if (!QFile::remove(userPath(index))) {
                qCWarning(lcGames) << "cannot remove the old copy of a shipped word list:" << userPath(index);
                all = false;
                continue;
            }
            kl.userFile.clear();
            continue;
        }
        if (!folderReady && !QDir().mkpath(m_userDir)) {
            qCWarning(lcGames) << "cannot create the folder for the word lists:" << m_userDir;
            return false;
        }
        folderReady = true;
        QSaveFile f(userPath(index));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
            qCWarning(lcGames) << "cannot write the word list of learned words:" << f.fileName() << f.errorString();
            all = false;
            continue;
        }
        kl.userFile = bytes;
    }
    return all;
}

const QStringList &WordLists::list(int index) const
{
    ensureLoaded();
    static const QStringList none;
    const auto it = m_lists.find(index);
    return it == m_lists.end() ? none : it->second.words;
}

const QList<QByteArray> &WordLists::learnedLines(int index) const
{
    ensureLoaded();
    static const QList<QByteArray> none;
    const auto it = m_lists.find(index);
    return it == m_lists.end() ? none : it->second.learned;
}

bool WordLists::Learnword(const QString &word)
{
    ensureLoaded();
    if (word.isEmpty())
        return false;
    const auto it = m_lists.find(kana::indexOf(word.front()));
    if (it == m_lists.end())
        return false;
    // A line break would split the word into two entries of the file; a character the code page
    // lacks would come back as '?'. Such words are played but not kept.
    if (!playable(word, true) || !cp932::canEncode(word))
        return false;
    KanaList &kl = it->second;
    if (kl.words.contains(word))
        return false;
    kl.words << word;
    kl.learned << cp932::encode(word);
    return true;
}
