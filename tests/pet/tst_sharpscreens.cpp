// On a screen scaled 2x (here by QT_SCALE_FACTOR=2) the pet's windows show the pictures drawn
// at twice the size, in the same places and sizes as at 1x; a 2x picture that is missing or
// broken gives way to the 1x one and is reported once; for an ordinary screen no 2x file is read.
#include "paintcheck.h"
#include "petfixture.h"
#include "robust/warnings.h"

#include "common/gui/scaledpicture.h"
#include "common/paths.h"
#include "pet/windows/optionswindow.h"
#include "pet/windows/petwindow.h"
#include "pet/windows/picturestore.h"
#include "pet/windows/presentwindow.h"

#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QtTest>

namespace {
QString gifDir() { return QStringLiteral(TOBBERLY_BIN_DIR "/gif"); }
QString installed(const QString &name) { return gifDir() + u'/' + name; }
QString twice(const QString &name) { return scaledpicture::pathAt(name, 2); }

QImage rgb(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }

// The part r (in device pixels) of a, compared pixel by pixel with all of b.
bool samePixels(const QImage &a, const QRect &r, const QImage &b)
{
    return rgb(a.copy(r)) == rgb(b).copy(QRect(QPoint(0, 0), r.size()));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// A copy of the installed pictures in a temporary folder, which the programs then read.
struct Install {
    Install()
    {
        QDir().mkpath(dir.filePath(QStringLiteral("gif")));
        for (const QString &name : QDir(gifDir()).entryList(QDir::Files))
            QFile::copy(gifDir() + u'/' + name, gif(name));
        paths::setProgramDirOverride(dir.path());
        PictureStore::instance().clear();
    }
    ~Install()
    {
        paths::setProgramDirOverride(QStringLiteral(TOBBERLY_BIN_DIR));
        PictureStore::instance().clear();
    }
    QString gif(const QString &name) const { return dir.filePath(QStringLiteral("gif/") + name); }
    QTemporaryDir dir;
};

// A pet at breakfast with its window on the screen.
struct ShownPet {
    ShownPet() : f(ordinaryDay(8, 35), PetFixture::Seeded)
    {
        f.returning();
        w = std::make_unique<PetWindow>(*f.pet);
        f.pet->start();
        w->show();
        for (int i = 0; i < int(Prop::Count); ++i)
            f.scene().setPropVisible(Prop(i), false);
    }
    QImage petPicture(const QString &strip, int frame)
    {
        f.scene().setStrip(strip);
        f.scene().setFrame(frame);
        return w->view()->grab().toImage();
    }
    PetFixture f;
    std::unique_ptr<PetWindow> w;
};
} // namespace

class TestSharpScreens : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        paths::setProgramDirOverride(QStringLiteral(TOBBERLY_BIN_DIR));
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
    }

    // Every picture the pet program may load has its 2x copy at exactly twice the size: one
    // pixel off and every frame of a strip and every prop would stand in the wrong place.
    void everyPictureHasATwiceSizeCopy()
    {
        int pictures = 0;
        const QStringList all = QDir(gifDir()).entryList({QStringLiteral("*.gif")}, QDir::Files);
        for (const QString &name : all) {
            if (name.contains(u'@'))
                continue;
            ++pictures;
            const QSize single = QImageReader(installed(name)).size();
            QImageReader reader(installed(twice(name)));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(name + u' ' + reader.errorString()));
            QVERIFY2(image.size() == single * 2, qPrintable(name));
        }
        // strips, props, buttons, presents, the stamp and the portrait
        QVERIFY(pictures >= 69 + 25 + 18 + 19 + 1);
    }

    // The pet, its props and its buttons are the 2x pictures shown pixel for pixel, in the 1x
    // places and sizes of the window: an enlarged 1x picture would differ in every outline.
    void petWindowShowsTheTwiceSizePictures()
    {
        ShownPet pet;
        QVERIFY(QTest::qWaitForWindowExposed(pet.w.get()));
        QCOMPARE(pet.w->devicePixelRatio(), 2.0);
        QCOMPARE(pet.w->size(), QSize(292, 224));
        QCOMPARE(pet.w->view()->geometry(), QRect(0, 0, 154, 224));

        const QImage shown = pet.petPicture(QStringLiteral("12"), 1);
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        const QImage strip(installed(QStringLiteral("pimmo12@2x.gif")));
        QVERIFY(samePixels(shown, QRect(0, 0, 300, 440), strip.copy(300, 0, 300, 440)));

        const QPixmap &water =
            PictureStore::instance().picture(QStringLiteral("water"), pet.w->devicePixelRatio());
        QCOMPARE(water.devicePixelRatio(), 2.0);
        QCOMPARE(water.deviceIndependentSize(), QSizeF(25, 29));

        PictureButton *about = pet.w->button(Button::About);
        QCOMPARE(about->size(), QSize(36, 36));
        const QImage button = about->grab().toImage();
        const QString look = about->look() == ButtonLook::Unavailable ? QStringLiteral("off")
                                                                       : QStringLiteral("normal");
        const QImage drawn(installed(QStringLiteral("btn_about_%1@2x.gif").arg(look)));
        QVERIFY(samePixels(button, QRect(0, 0, 72, 72), drawn));
    }

    // The present and about windows hold the 2x pictures at their 1x sizes.
    void dialogsHoldTheTwiceSizePictures()
    {
        PetFixture f(ordinaryDay(10, 15), PetFixture::Seeded);
        f.returning();
        f.store.write(QStringLiteral("Totaltime"), QStringLiteral("16000"));
        f.store.write(QStringLiteral("Item1"), QStringLiteral("3"));
        f.pet->start();
        PresentWindow presents(*f.pet);
        presents.open();
        for (int p = 1; p <= 9; ++p) {
            const QPixmap pic = presents.presentPicture(p)->pixmap();
            QVERIFY2(pic.devicePixelRatio() == 2.0, qPrintable(QString::number(p)));
            QVERIFY(pic.width() >= 64);
            QVERIFY(pic.deviceIndependentSize().width() <= presents.presentPicture(p)->width());
        }
        QCOMPARE(presents.stamp(1)->pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(presents.stamp(1)->pixmap().deviceIndependentSize(), QSizeF(33, 33));

        AboutWindow about;
        int portraits = 0;
        for (const QLabel *l : about.findChildren<QLabel *>()) {
            if (l->pixmap().isNull())
                continue;
            ++portraits;
            QCOMPARE(l->pixmap().devicePixelRatio(), 2.0);
            QCOMPARE(l->pixmap().deviceIndependentSize(), QSizeF(100, 146));
        }
        QCOMPARE(portraits, 1);
    }

    // At twice the size a new frame is repainted in the squares where its 2x picture differs,
    // reckoned in window units. Guards that no square is halved or shifted by the ratio: after
    // each frame of the night's breathing and of lunch's gestures the screen holds what a full
    // paint draws, pixel for pixel.
    void newFramesRepaintTheirChangedSquaresSharply()
    {
        PictureStore::instance().clear();
        ShownPicture shown;
        QVERIFY(shown.exposed());
        QCOMPARE(shown.view.devicePixelRatio(), 2.0);
        shown.show(QStringLiteral("7"), 0);
        QCOMPARE(shown.onScreen().size(), QSize(308, 448));
        shown.repainted();
        for (int frame : {1, 0, 2, 1, 2, 0}) {
            shown.show(QStringLiteral("7"), frame);
            QVERIFY(shown.repainted() < 150 * 220 / 2);
            QVERIFY2(shown.onScreen() == shown.fullPaint(), qPrintable(QStringLiteral("asleep, frame %1").arg(frame)));
        }
        for (int frame : {0, 1, 2, 3, 0, 2, 1, 3}) {
            shown.show(QStringLiteral("18"), frame);
            QVERIFY2(shown.onScreen() == shown.fullPaint(), qPrintable(QStringLiteral("lunch, frame %1").arg(frame)));
        }
    }

    // A 2x strip that is missing, unreadable or of the wrong size must not leave the pet blank
    // or misplace its frames: the 1x strip is shown instead, enlarged, and the file named once.
    void brokenTwiceSizePicturesGiveWayToTheOrdinaryOnes()
    {
        Install install;
        QVERIFY(QFile::remove(install.gif(QStringLiteral("pimmo4@2x.gif"))));
        writeFile(install.gif(QStringLiteral("pimmo5@2x.gif")), QByteArray("GIF89a no picture"));
        // a 1x strip under the 2x name: it would show frame 1 where frame 0 belongs
        QVERIFY(QFile::remove(install.gif(QStringLiteral("pimmo6@2x.gif"))));
        QVERIFY(QFile::copy(install.gif(QStringLiteral("pimmo6.gif")),
                            install.gif(QStringLiteral("pimmo6@2x.gif"))));

        WarningLog log;
        ShownPet pet;
        for (const char *strip : {"4", "5", "6"}) {
            const QString file = QStringLiteral("pimmo%1.gif").arg(QLatin1String(strip));
            const QImage single = QImage(install.gif(file)).copy(0, 0, 150, 220);
            for (int paint = 0; paint < 3; ++paint) {
                const QImage shown = pet.petPicture(QString::fromLatin1(strip), 0);
                const QImage enlarged = single.scaled(300, 440);
                QVERIFY2(samePixels(shown, QRect(0, 0, 300, 440), enlarged), strip);
                pet.petPicture(QStringLiteral("7"), 0);
            }
            QVERIFY2(log.count(twice(file)) == 1, strip);
        }
        // The intact 2x strip beside them is still the sharp one.
        QVERIFY(samePixels(pet.petPicture(QStringLiteral("7"), 0), QRect(0, 0, 300, 440),
                           QImage(install.gif(QStringLiteral("pimmo7@2x.gif")))));
    }

    // An ordinary screen never reads a 2x file: with every 2x picture broken nothing is
    // reported, and the pictures handed out are the 1x ones.
    void ordinaryScreensReadNoTwiceSizePicture()
    {
        Install install;
        const QDir gif(install.dir.filePath(QStringLiteral("gif")));
        for (const QString &name : gif.entryList({QStringLiteral("*@2x.gif")}))
            writeFile(install.gif(name), QByteArray("broken"));
        WarningLog log;
        PictureStore &store = PictureStore::instance();
        for (const char *name : {"water", "stamp", "about", "btn_hobby_pressed", "present3_grey"}) {
            const QPixmap &pic = store.picture(QString::fromLatin1(name), 1.0);
            QVERIFY2(!pic.isNull() && pic.devicePixelRatio() == 1.0, name);
        }
        const QPixmap frame = store.frame(QStringLiteral("12"), 1, 1.0);
        QCOMPARE(frame.size(), QSize(150, 220));
        QCOMPARE(frame.devicePixelRatio(), 1.0);
        QCOMPARE(log.messages(), QStringList());
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestSharpScreens test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_sharpscreens.moc"
