// Small file helpers the tests share: write a file whole, read one back (empty when missing).
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
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
