#include "datatables.h"

#include "common/datreader.h"

namespace {
void readTaste(DatReader &r, TasteRecord &t)
{
    t.question = r.nextText();
    for (int i = 1; i <= 3; ++i)
        t.answer[i] = r.nextText();
    for (int i = 1; i <= 3; ++i) {
        t.reply1[i] = r.nextText();
        t.reply2[i] = r.nextText();
    }
    for (int i = 1; i <= 3; ++i)
        t.change[i] = r.nextInt();
}
} // namespace

void DataTables::load(const QString &dir)
{
    *this = DataTables{};
    {
        DatReader r = DatReader::fromFile(dir + QStringLiteral("/Study.dat"));
        for (int i = 1; i <= 16; ++i) {
            StudyRecord &s = study[i];
            s.question = r.nextText();
            for (int a = 1; a <= 3; ++a)
                s.answer[a] = r.nextText();
            s.right = r.nextInt();
        }
    }
    {
        DatReader r = DatReader::fromFile(dir + QStringLiteral("/Music.dat"));
        for (int i = 1; i <= 5; ++i)
            readTaste(r, music[i]);
    }
    {
        DatReader r = DatReader::fromFile(dir + QStringLiteral("/Book.dat"));
        for (int i = 1; i <= 5; ++i)
            readTaste(r, book[i]);
    }
    {
        DatReader r = DatReader::fromFile(dir + QStringLiteral("/Present.dat"));
        for (int i = 1; i <= 15; ++i) {
            present[i].stored = r.nextText();
            present[i].delivered = r.nextText();
        }
    }
}
