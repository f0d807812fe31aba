// On a screen scaled 2x (here by QT_SCALE_FACTOR=2) the games show their pictures drawn at twice
// the size, in the 1x sizes of their windows.
#include "games/gamepicturewidget.h"
#include "games/panelflip/panelflip.h"
#include "games/panelflip/panelflipwindow.h"

#include "common/gui/scaledpicture.h"
#include "common/random.h"
#include "common/settingsstore.h"
#include "common/timers.h"

#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QtTest>

class TestSharpGames : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    // Every picture compiled into the game pack has its 2x copy at exactly twice the size.
    void everyGamePictureHasATwiceSizeCopy()
    {
        const QDir art(QStringLiteral(":/gameart"));
        int pictures = 0;
        for (const QString &name : art.entryList(QDir::Files)) {
            if (name.contains(u'@'))
                continue;
            ++pictures;
            const QSize single = QImageReader(art.filePath(name)).size();
            QImageReader reader(art.filePath(scaledpicture::pathAt(name, 2)));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(name + u' ' + reader.errorString()));
            QVERIFY2(image.size() == single * 2, qPrintable(name));
        }
        QCOMPARE(pictures, 7 + 6 + 16 + 6); // panels, and the pet in each game
    }

    // The panels and the pet are the 2x pictures, shown in the 1x places of the board; a name
    // without a picture still gets a card drawn at the screen's ratio.
    void boardShowsTheTwiceSizePictures()
    {
        ScriptedRandom random;
        VirtualTime time{QDateTime(QDate(2024, 5, 1), QTime(10, 0))};
        MemorySettingsStore store;
        PanelFlip game{random, time, store};
        for (int p = 1; p <= 12; ++p)
            random.push(p);
        game.Newgame();
        PanelFlipWindow w(game);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.panelWidget(6)->geometry(), QRect(48, 48, 32, 32));
        const QPixmap panel = w.panelWidget(6)->pixmap();
        QCOMPARE(panel.devicePixelRatio(), 2.0);
        QCOMPARE(panel.size(), QSize(64, 64));
        const QImage back(QStringLiteral(":/gameart/panel0@2x.png"));
        QCOMPARE(panel.toImage().convertToFormat(QImage::Format_RGB32),
                 back.convertToFormat(QImage::Format_RGB32));
        const QPixmap pet = w.petWidget()->pixmap();
        QCOMPARE(pet.devicePixelRatio(), 2.0);
        QCOMPARE(pet.deviceIndependentSize(), QSizeF(w.petWidget()->size()));

        GamePictureWidget missing(QSize(40, 30));
        missing.showPicture(QStringLiteral("no-such-picture"), QStringLiteral("?"));
        QVERIFY(missing.showsFallback());
        QCOMPARE(missing.pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(missing.pixmap().size(), QSize(80, 60));
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestSharpGames test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_sharpgames.moc"
