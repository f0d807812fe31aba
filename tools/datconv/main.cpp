// datconv IN OUT: turns a UTF-8 data source into the shipped form, CP932 with CR LF line ends.
// Fails the build when a character cannot be written in CP932.
#include "common/cp932.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: datconv IN OUT\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "datconv: cannot read %s\n", argv[1]);
        return 1;
    }
    QString text = QString::fromUtf8(in.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QString out;
    for (const QString &l : lines)
        out += l + QStringLiteral("\r\n");
    bool ok = true;
    const QByteArray bytes = cp932::encode(out, &ok);
    if (!ok) {
        for (int i = 0; i < lines.size(); ++i)
            if (!cp932::canEncode(lines[i]))
                std::fprintf(stderr, "%s:%d: not representable in CP932: %s\n", argv[1], i + 1,
                             lines[i].toUtf8().constData());
        return 1;
    }
    QSaveFile f(QString::fromLocal8Bit(argv[2]));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        std::fprintf(stderr, "datconv: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
