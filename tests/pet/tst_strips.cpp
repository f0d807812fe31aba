// The pictures the pet program loads from beside itself: every strip must hold the frames its
// events show, and the props, buttons and presents must have the sizes the windows lay out.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>

#include "common/cp932.h"

class StripsTest : public QObject
{
    Q_OBJECT

private:
    static QString gif(const QString &name) { return QStringLiteral(TOBBERLY_BIN_DIR "/gif/") + name; }

private slots:
    // A strip that is missing, the wrong height or too short shows a torn or empty pet.
    void everyStripHoldsItsFrames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("frames");
        const std::pair<const char *, int> strips[] = {
            {"1", 4},  {"2", 4},  {"3", 4},  {"4", 3},  {"5", 4},  {"6", 2},  {"7", 3},
            {"8", 3},  {"9", 3},  {"10", 3}, {"11", 3}, {"12", 2}, {"13", 4}, {"14", 4},
            {"15", 2}, {"16", 6}, {"17", 4}, {"18", 4}, {"19", 4}, {"20", 3}, {"21", 3},
            {"22", 6}, {"23", 2}, {"24", 2}, {"25", 2}, {"26", 3}, {"27", 6}, {"28", 6},
            {"29", 4}, {"30", 2}, {"31", 2}, {"32", 2}, {"33", 2}, {"34", 2}, {"35", 2},
            {"36", 2}, {"37", 2}, {"38", 2}, {"39", 3}, {"40", 3}, {"41", 2}, {"42", 2},
            {"43", 2}, {"44", 3}, {"45", 3}, {"46", 2}, {"47", 3}, {"48", 4}, {"49", 10},
            {"50", 5}, {"51", 3}, {"52", 3}, {"53", 3}, {"60", 2}, {"61", 6}, {"62", 2},
            {"63", 2}, {"64", 4}, {"65", 2}, {"66", 2}, {"67", 2}, {"68", 2}, {"69", 2},
            {"s1", 4}, {"s2", 4}, {"s3", 2}, {"s4", 4}, {"s5", 1}, {"s6", 2}};
        for (auto [name, frames] : strips)
            QTest::newRow(name) << QString::fromLatin1(name) << frames;
    }
    void everyStripHoldsItsFrames()
    {
        QFETCH(QString, name);
        QFETCH(int, frames);
        QImageReader reader(gif(QStringLiteral("pimmo%1.gif").arg(name)));
        const QSize size = reader.size();
        QVERIFY2(size.isValid(), qPrintable(reader.errorString()));
        QCOMPARE(size.height(), 220);
        QVERIFY2(size.width() >= 150 * frames, qPrintable(QString::number(size.width())));
        // Frames that the events alternate between must not be copies of each other, or the
        // pet would freeze.
        const QImage strip = reader.read();
        QVERIFY(!strip.isNull());
        QVERIFY(!strip.hasAlphaChannel() || strip.pixelColor(0, 0).alpha() == 255);
        for (int f = 1; f < frames; ++f)
            QVERIFY2(strip.copy(150 * f, 0, 150, 220) != strip.copy(150 * (f - 1), 0, 150, 220),
                     qPrintable(QStringLiteral("frame %1 repeats").arg(f)));
    }

    // Props lie over the pet picture: a wrong size misplaces them, an opaque corner hides the pet.
    void propsHaveTheirSizesAndSeeThroughCorners_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size");
        for (int i = 1; i <= 8; ++i)
            QTest::newRow(qPrintable(QStringLiteral("flower%1").arg(i)))
                << QStringLiteral("flower%1.gif").arg(i) << QSize(27, 52);
        QTest::newRow("water") << QStringLiteral("water.gif") << QSize(25, 29);
        QTest::newRow("mini4wd") << QStringLiteral("mini4wd.gif") << QSize(55, 25);
        QTest::newRow("berg") << QStringLiteral("berg.gif") << QSize(38, 46);
        QTest::newRow("othermachine") << QStringLiteral("othermachine.gif") << QSize(39, 45);
        QTest::newRow("susuki1") << QStringLiteral("susuki1.gif") << QSize(45, 50);
        QTest::newRow("susuki2") << QStringLiteral("susuki2.gif") << QSize(45, 50);
        QTest::newRow("awa1") << QStringLiteral("awa1.gif") << QSize(24, 23);
        QTest::newRow("awa2") << QStringLiteral("awa2.gif") << QSize(15, 14);
        QTest::newRow("stamp") << QStringLiteral("stamp.gif") << QSize(33, 33);
    }
    void propsHaveTheirSizesAndSeeThroughCorners()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        const QImage image(gif(file));
        QVERIFY2(!image.isNull(), qPrintable(file));
        QCOMPARE(image.size(), size);
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
    }

    // The screens are shown whole in their frames, so they are opaque and sized exactly.
    void screensAndButtonsHaveTheirSizes()
    {
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(QImage(gif(QStringLiteral("tv%1.gif").arg(i))).size(), QSize(92, 48));
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(QImage(gif(QStringLiteral("comp%1.gif").arg(i))).size(), QSize(66, 39));
        for (const char *button : {"about", "hobby", "present", "option", "leave", "end"}) {
            QImage states[3];
            int i = 0;
            for (const char *state : {"normal", "pressed", "off"}) {
                states[i] = QImage(gif(QStringLiteral("btn_%1_%2.gif").arg(QLatin1String(button),
                                                                         QLatin1String(state))));
                QCOMPARE(states[i++].size(), QSize(36, 36));
            }
            // pressed and unavailable must look different from the normal button
            QVERIFY(states[0] != states[1]);
            QVERIFY(states[0] != states[2]);
        }
    }

    // Each present has a colour and a grey picture of the size its window position expects.
    void presentsComeInColourAndGrey()
    {
        const QSize sizes[] = {{32, 69}, {50, 44}, {80, 60}, {43, 41}, {32, 77},
                               {66, 43}, {32, 32}, {32, 32}, {32, 32}};
        for (int p = 1; p <= 9; ++p) {
            const QImage colour(gif(QStringLiteral("present%1_color.gif").arg(p)));
            const QImage grey(gif(QStringLiteral("present%1_grey.gif").arg(p)));
            QCOMPARE(colour.size(), sizes[p - 1]);
            QCOMPARE(grey.size(), sizes[p - 1]);
            QVERIFY(colour != grey);
            const QImage g = grey.convertToFormat(QImage::Format_RGB32);
            for (int y = 0; y < g.height(); ++y)
                for (int x = 0; x < g.width(); ++x) {
                    const QColor c = g.pixelColor(x, y);
                    QVERIFY(c.red() == c.green() && c.green() == c.blue());
                }
        }
        QVERIFY(!QImage(gif(QStringLiteral("about.gif"))).isNull());
        QCOMPARE(QImage(QStringLiteral(TOBBERLY_BIN_DIR "/icon.png")).size(), QSize(64, 64));
    }

    // Every present file named in Present.dat must exist, or the pet would hand over nothing;
    // the delivered names must be plain file names that cannot leave the desktop folder.
    void presentFilesExistUnderSafeNames()
    {
        QFile list(QStringLiteral(TOBBERLY_BIN_DIR "/dat/Present.dat"));
        QVERIFY(list.open(QIODevice::ReadOnly));
        const QString text = cp932::decode(list.readAll());
        const QStringList lines = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 15);
        QSet<QString> delivered;
        for (const QString &line : lines) {
            const QStringList fields = line.split(QLatin1Char(','));
            QCOMPARE(fields.size(), 2);
            const QString stored = fields[0].mid(1, fields[0].size() - 2);
            const QString name = fields[1].mid(1, fields[1].size() - 2);
            QVERIFY2(QFile::exists(QStringLiteral(TOBBERLY_BIN_DIR "/dat/") + stored),
                     qPrintable(stored));
            QVERIFY(!name.isEmpty());
            QVERIFY(!name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
                    && !name.startsWith(QLatin1Char('.')) && !name.contains(QLatin1Char(':')));
            QVERIFY2(!delivered.contains(name), qPrintable(name));
            delivered.insert(name);
        }
        QFile letter(QStringLiteral(TOBBERLY_BIN_DIR "/dat/pre13.txt"));
        QVERIFY(letter.open(QIODevice::ReadOnly));
        const QByteArray bytes = letter.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(bytes.contains("\r\n"));
        QVERIFY(!bytes.contains("\n\n"));
        QVERIFY(QString::fromUtf8(bytes).contains(QStringLiteral("ピモ")));
    }
};

QTEST_GUILESS_MAIN(StripsTest)
#include "tst_strips.moc"
