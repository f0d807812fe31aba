// The pet's vocabulary for the word-chain game: the 69 kana a word may start with and their
// index numbers, the file of each kana's list, the rule that finds the kana a word continues
// from, and the lists themselves with their reading, learning and saving. No window code here.
//
// The lists ship beside the program and are rewritten into the user's own data folder after
// every game, so what the pet learns survives a read-only installation: each list is read from
// the user's folder when it has a copy, otherwise from the shipped folder.
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

    // Reads all 69 lists; a missing or unreadable file reads as an empty list (with a warning).
    void load();
    // Savedict: writes all 69 lists into the user's folder, each file whole or not at all.
    // False when any file could not be written (each failure is logged).
    bool save() const;

    // The words of one kana in list order; an empty list for an index that is not a kana's.
    const QStringList &list(int index) const;
    // Learnword: appends a user's word to the list of its first kana unless the list holds it.
    // Words that could not be stored faithfully (no starting kana, a character the file's code
    // page lacks, a line break) are not learned. True when the word was added.
    bool Learnword(const QString &word);

    QString shippedPath(int index) const;
    QString userPath(int index) const;

private:
    QString m_shippedDir;
    QString m_userDir;
    std::map<int, QStringList> m_lists;
};
