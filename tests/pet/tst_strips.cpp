// The pictures the pet program loads from beside itself: every strip name is installed, and the
// props, buttons and presents have the sizes the windows lay out.
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
    // Every strip name the program may load is installed, one or more whole 150 x 220 frames.
    // How many frames each must hold follows from the events and is checked where they are played.
    void everyStripNameIsInstalled()
    {
        QStringList names;
        for (int i = 1; i <= 53; ++i)
            names << QString::number(i);
        for (int i = 60; i <= 69; ++i)
            names << QString::number(i);
        for (int i = 1; i <= 6; ++i)
            names << QStringLiteral("s%1").arg(i);
        for (const QString &name : names) {
            QImageReader reader(gif(QStringLiteral("pimmo%1.gif").arg(name)));
            const QSize size = reader.size();
            QVERIFY2(size.isValid(), qPrintable(name + u' ' + reader.errorString()));
            QCOMPARE(size.height(), 220);
            QVERIFY2(size.width() >= 150 && size.width() % 150 == 0, qPrintable(name));
        }
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
