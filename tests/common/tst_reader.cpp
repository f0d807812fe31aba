// The data files' encoding and field reader: Shift_JIS both ways, broken bytes, and the way
// fields, quotes, blanks, line ends and numbers are read.
#include "common/cp932.h"
#include "common/datreader.h"

#include <QTemporaryDir>
#include <QtTest>

class TestReader : public QObject
{
    Q_OBJECT
private slots:
    // Text must survive the trip through CP932 unchanged, including the vendor characters of the
    // code page and half-width kana, and come out as the bytes Windows writes.
    void shiftJisRoundTrip()
    {
        const QString text = QStringLiteral("ピモといっしょ、漢字ＡＢＣ①ｱ abc\r\n");
        bool ok = false;
        const QByteArray bytes = cp932::encode(text, &ok);
        QVERIFY(ok);
        QVERIFY(bytes.startsWith(QByteArray("\x83\x73\x83\x82", 4))); // ピモ
        QCOMPARE(cp932::decode(bytes, &ok), text);
        QVERIFY(ok);
    }

    // Broken input must be marked and replaced, never dropped silently or stop the rest.
    void brokenBytesAreReplacedAndReported()
    {
        bool ok = true;
        QCOMPARE(cp932::decode(QByteArray("A\x81 B", 4), &ok), QStringLiteral("A\uFFFD B"));
        QVERIFY(!ok);
        ok = true;
        QCOMPARE(cp932::decode(QByteArray("AB\x82", 3), &ok), QStringLiteral("AB\uFFFD"));
        QVERIFY(!ok);
        ok = true;
        const QByteArray out = cp932::encode(QStringLiteral("a😀b"), &ok);
        QVERIFY(!ok);
        QVERIFY(out.startsWith('a') && out.endsWith('b') && out.contains('?'));
        QVERIFY(!cp932::canEncode(QStringLiteral("€")));
        QVERIFY(cp932::canEncode(QStringLiteral("ぼく")));
    }

    // Fields end at commas and line breaks; quotes hold commas and line breaks; leading blanks
    // are skipped; a record may continue on the same line as the one before.
    void fieldsQuotesBlanksAndRecords()
    {
        DatReader r(QStringLiteral("\"一, 二\",  三 ,\"四\r\n五\"\r\n  六,7,八,\"九\"\r\n\r\n十"));
        QCOMPARE(r.nextText(), QStringLiteral("一, 二"));
        QCOMPARE(r.nextText(), QStringLiteral("三"));
        QCOMPARE(r.nextText(), QStringLiteral("四\r\n五"));
        QCOMPARE(r.nextText(), QStringLiteral("六"));
        QCOMPARE(r.nextInt(), qint16(7));
        QCOMPARE(r.nextText(), QStringLiteral("八"));
        QCOMPARE(r.nextText(), QStringLiteral("九"));
        QVERIFY(!r.atEnd());
        QCOMPARE(r.nextText(), QStringLiteral("十"));
        QVERIFY(r.atEnd());
        QCOMPARE(r.nextText(), QString());
        QCOMPARE(r.nextInt(), qint16(0));
    }

    // Numbers are 16-bit: in range they read as written (fractions to even), anything else as 0.
    void numbersAreSixteenBit()
    {
        DatReader r(QStringLiteral("-3, 32767,32768,2.5,abc,\"12\",-32768"));
        QCOMPARE(r.nextInt(), qint16(-3));
        QCOMPARE(r.nextInt(), qint16(32767));
        QCOMPARE(r.nextInt(), qint16(0));
        QCOMPARE(r.nextInt(), qint16(2));
        QCOMPARE(r.nextInt(), qint16(0));
        QCOMPARE(r.nextInt(), qint16(12));
        QCOMPARE(r.nextInt(), qint16(-32768));
    }

    // A file is read as CP932; a missing file reads as empty with one warning.
    void filesAndMissingFiles()
    {
        QTemporaryDir dir;
        QFile f(dir.filePath(QStringLiteral("Study.dat")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(cp932::encode(QStringLiteral("\"ドイツの首都は？\",ベルリン\r\n")));
        f.close();
        bool found = false;
        DatReader r = DatReader::fromFile(f.fileName(), &found);
        QVERIFY(found);
        QCOMPARE(r.nextText(), QStringLiteral("ドイツの首都は？"));
        QCOMPARE(r.nextText(), QStringLiteral("ベルリン"));

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Nothing.dat"));
        DatReader missing = DatReader::fromFile(dir.filePath(QStringLiteral("Nothing.dat")), &found);
        QVERIFY(!found);
        QVERIFY(missing.atEnd());
        QCOMPARE(missing.nextText(), QString());
    }
};

QTEST_GUILESS_MAIN(TestReader)
#include "tst_reader.moc"
