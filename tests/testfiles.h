// Small file helpers the tests share: write a file whole, read one back (empty when missing), and
// the bytes of a word list as the game pack stores it (Shift_JIS, one word a line, CR LF).
#pragma once

#include "common/cp932.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QtTest>

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QByteArray wordListBytes(const QStringList &words)
{
    QByteArray out;
    for (const QString &w : words)
        out += cp932::encode(w) + "\r\n";
    return out;
}
