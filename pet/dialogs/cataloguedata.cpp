// Placeholder texts until the written catalogue lands.
#include "catalogue.h"

const QList<LineSet> &catalogue()
{
    static const QList<LineSet> sets;
    return sets;
}

const LineSet *findLineSet(const QString &name)
{
    for (const LineSet &s : catalogue())
        if (s.name == name)
            return &s;
    return nullptr;
}

QString callfun2LineSet(int) { return QString(); }
QString callfun3LineSet(int) { return QString(); }
