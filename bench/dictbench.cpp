// dictbench SHIPPED_DIR: loads the pet's word lists with 100 000 learned words spread over the 69
// kana, saves them all, loads them again, and prints the times in milliseconds.
#include "games/wordchain/wordlists.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dictbench SHIPPED_DIR\n");
        return 2;
    }
    QTemporaryDir user;
    WordLists lists(QString::fromLocal8Bit(argv[1]), user.path());
    lists.load();
    const QList<int> &kanas = kana::allIndices();
    // Learned words: each a real starting kana followed by a few more hiragana.
    int learned = 0;
    for (int i = 0; learned < 100000; ++i) {
        const int index = kanas[i % kanas.size()];
        QString first;
        for (QChar c = QChar(0x3041); c <= QChar(0x3096); c = QChar(c.unicode() + 1))
            if (kana::indexOf(c) == index) {
                first = c;
                break;
            }
        QString w = first;
        for (int n = i; n > 0 || w.size() < 3; n /= 60)
            w += QChar(0x3042 + (n % 60));
        if (lists.Learnword(w))
            ++learned;
    }
    QElapsedTimer t;
    t.start();
    if (!lists.save())
        return 1;
    const qint64 save = t.elapsed();
    WordLists again(QString::fromLocal8Bit(argv[1]), user.path());
    t.restart();
    again.load();
    const qint64 load = t.elapsed();
    int total = 0;
    for (int k : kanas)
        total += int(again.list(k).size());
    std::printf("%d words: save %lld ms, load %lld ms\n", total, (long long)save, (long long)load);
    return 0;
}
