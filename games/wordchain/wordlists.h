// The pet's vocabulary for the word-chain game: the 69 kana a word may start with and their
// index numbers, the file of each kana's list, the rule that finds the kana a word continues
// from, and the lists themselves with their reading, learning and saving. No window code here.
//
// The lists ship beside the program; the user's data folder holds, under the same file names and
// in the same form, only the words the pet learned. The pet plays from the shipped list followed
// by the learned words, so words a later release ships reach every player. A user file that is a
// whole copy of an older shipped list (as earlier versions kept them) reads the same way: its
// words that are not shipped count as learned, and the next save leaves only those. Lines of a
// user file are rewritten byte for byte, even those that are not Shift_JIS.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <map>

namespace kana {
// The index of a starting kana: あ..わ 1..46 (39 and 40 unused), voiced +100, half-voiced +200;
// 0 for every other character (ん, を, small kana, ー, anything not hiragana).
int indexOf(QChar c);
// All 69 indices in file order (plain, then voiced, then half-voiced).
const QList<int> &allIndices();
// The list file of an index: word<n>.dat, word<n>a.dat (voiced), word<n>b.dat (half-voiced).
QString fileName(int index);
// Rewrites the end of a word so that its last character is the kana the next word starts with:
// a long-vowel mark becomes the vowel of the kana before it, a small kana becomes its full size.
QString Lastkana(const QString &word);
// Whether a word may end a turn: its last character is one the chain can go on from (or ん).
bool endsUsably(const QString &word);
} // namespace kana

class WordLists
{
public:
    WordLists(QString shippedDir, QString userDir);

    // Reads all 69 shipped lists and the user's learned words. A missing or unreadable shipped
    // file reads as an empty list (with a warning); a user file that cannot be read is left alone.
    void load();
    // The same read, put off until the lists are first used or ensureLoaded() is called: a game's
    // window can be on the screen before 69 files are read. What is read is the files as they
    // are then.
    void loadWhenNeeded() { m_loadPending = true; }
    void ensureLoaded() const;
    // Savedict: writes the learned words of every kana whose file changed into the user's folder,
    // each file whole or not at all. False when any learned word could not be kept (each failure
    // is logged).
    bool save();

    // The words the pet plays for one kana, shipped ones first; empty for an index that is not a
    // kana's.
    const QStringList &list(int index) const;
    // The lines the user's file of one kana keeps: learned words, and lines the pet cannot read,
    // as they stand in the file.
    const QList<QByteArray> &learnedLines(int index) const;
    // Learnword: appends a user's word to the list of its first kana unless the list holds it.
    // Words that could not be stored faithfully (no starting kana, a character the file's code
    // page lacks, a line break) are not learned. True when the word was added.
    bool Learnword(const QString &word);

    QString shippedPath(int index) const;
    QString userPath(int index) const;

private:
    struct KanaList {
        QStringList words;          // what the pet plays: shipped, then learned
        qsizetype shippedCount = 0; // how many of `words` come from the shipped list
        QList<QByteArray> learned;  // the user file's lines, byte for byte, then new words
        QByteArray userFile;        // the user's file as it was last read or written
        bool userUnreadable = false;
    };
    void loadShipped(int index, KanaList &kl);
    void loadLearned(int index, KanaList &kl);
    bool saveOne(int index, KanaList &kl);

    QString m_shippedDir;
    QString m_userDir;
    std::map<int, KanaList> m_lists;
    bool m_loadPending = false;
};
