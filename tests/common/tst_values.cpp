// Values as the store holds them: rounding ties to even, 16-bit ranges, Booleans, saturation.
#include "common/daynumber.h"
#include "common/values.h"

#include <QTimeZone>
#include <limits>

#include <QtTest>

class TestValues : public QObject
{
    Q_OBJECT
private slots:
    // A fractional text must round to the even neighbour, as the original's conversion does.
    void fractionsRoundTiesToEven_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("4567.5") << "4567.5" << 4568;
        QTest::newRow("2.5") << "2.5" << 2;
        QTest::newRow("3.5") << "3.5" << 4;
        QTest::newRow("-2.5") << "-2.5" << -2;
        QTest::newRow("padded") << "  12 " << 12;
    }
    void fractionsRoundTiesToEven()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(values::toInt32(text).value(), expected);
    }
    // Anything that is not a plain decimal number in range must be refused, not guessed at.
    void garbageAndOutOfRangeAreRefused()
    {
        for (const char *t : {"", "abc", "12abc", "1e5", "0x10", "--1", ".", "nan", "inf", "ピモ"})
            QVERIFY2(!values::toInt16(QString::fromUtf8(t)).has_value(), t);
        QVERIFY(!values::toInt16(QStringLiteral("32768")).has_value());
        QCOMPARE(values::toInt16(QStringLiteral("-32768")).value(), qint16(-32768));
        QVERIFY(!values::toInt32(QStringLiteral("2147483648")).has_value());
    }
    void booleansReadTrueFalseAndNumbers()
    {
        QCOMPARE(values::toBool(QStringLiteral("True")).value(), true);
        QCOMPARE(values::toBool(QStringLiteral("false")).value(), false);
        QCOMPARE(values::toBool(QStringLiteral("-1")).value(), true);
        QVERIFY(!values::toBool(QStringLiteral("yes")).has_value());
        QCOMPARE(values::fromBool(true), QStringLiteral("True"));
    }
    // Counters that could run past 16 bits must stop at the top, never wrap or crash.
    // The minutes-together label: seven digits at least, the sign before the filling.
    void numbersFilledWithZeros()
    {
        QCOMPARE(values::zeroFilled(0, 7), QStringLiteral("0000000"));
        QCOMPARE(values::zeroFilled(42, 7), QStringLiteral("0000042"));
        QCOMPARE(values::zeroFilled(-12, 7), QStringLiteral("-0000012"));
        QCOMPARE(values::zeroFilled(123456789, 7), QStringLiteral("123456789"));
        QCOMPARE(values::zeroFilled(std::numeric_limits<qint64>::min(), 7), QStringLiteral("-9223372036854775808"));
    }

    void sixteenBitSumsSaturate()
    {
        QCOMPARE(values::add16(32767, 1), qint16(32767));
        QCOMPARE(values::add16(-32768, -5), qint16(-32768));
        QCOMPARE(values::add16(118, 5), qint16(123));
    }

    // Day numbers count from 30 December 1899 with the time as a fraction; the stored form
    // rounds half days to the even day, so an exit at noon may count as today or tomorrow.
    void dayNumbers()
    {
        const QTimeZone tokyo("Asia/Tokyo");
        QCOMPARE(daynumber::fromDateTime(QDateTime(QDate(2026, 12, 6), QTime(0, 0), tokyo)), 46362.0);
        QCOMPARE(daynumber::fromDateTime(QDateTime(QDate(2026, 12, 6), QTime(18, 0), tokyo)), 46362.75);
        QCOMPARE(daynumber::fromDateTime(QDateTime(QDate(1899, 12, 30), QTime(6, 0), tokyo)), 0.25);
        QCOMPARE(daynumber::rounded(QDateTime(QDate(2026, 12, 6), QTime(11, 59), tokyo)), 46362);
        QCOMPARE(daynumber::rounded(QDateTime(QDate(2026, 12, 6), QTime(12, 0), tokyo)), 46362);
        QCOMPARE(daynumber::rounded(QDateTime(QDate(2026, 12, 7), QTime(12, 0), tokyo)), 46364);
        QCOMPARE(daynumber::rounded(QDateTime(QDate(2026, 12, 6), QTime(12, 1), tokyo)), 46363);
    }
};

QTEST_APPLESS_MAIN(TestValues)
#include "tst_values.moc"
