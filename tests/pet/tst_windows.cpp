// The pet's windows show what the scene says: the pet window's title, size and labels, and the
// speech window, which a click on its text closes and a click on its margin does not.
#include "petfixture.h"

#include "common/paths.h"
#include "pet/core/petwindow.h"
#include "pet/core/presentation.h"
#include "pet/dialogs/speechwindow.h"

#include <QLabel>
#include <QtTest>

namespace {
QStringList labelTexts(const QWidget &w)
{
    QStringList texts;
    for (const QLabel *l : w.findChildren<QLabel *>())
        if (l->isVisibleTo(&w))
            texts << l->text();
    return texts;
}
} // namespace

class TestWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { paths::setProgramDirOverride(QStringLiteral(TOBBERLY_BIN_DIR)); }

    // The pet window must carry its title and fixed inside size, and its labels must follow the
    // scene as the clock ticks and friendship changes.
    void petWindowShowsTheScene()
    {
        PetFixture f(tokyo(2026, 7, 15, 10, 15), PetFixture::Seeded);
        f.returning();
        f.store.write(QStringLiteral("Totaltime"), QStringLiteral("42"));
        PetWindow w(*f.pet);
        f.pet->Form_Load();
        f.time.advance(1000);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("ピモといっしょ"));
        QCOMPARE(w.size(), QSize(292, 224));
        const QStringList texts = labelTexts(w);
        for (Label l : {Label::Date, Label::Time, Label::GermanTime, Label::TotalTime, Label::Level})
            QVERIFY2(texts.contains(f.scene().label(l)), qPrintable(f.scene().label(l)));
        QVERIFY(texts.contains(QStringLiteral("7月15日 (水)")));
        QVERIFY(texts.contains(QStringLiteral("10:15")));
        QVERIFY(texts.contains(QStringLiteral("3:15")));
        QVERIFY(texts.contains(QStringLiteral("0000042")));
        f.mem().Loveval = 100;
        f.pet->presentation().Intolovavalfun();
        QVERIFY(labelTexts(w).contains(QStringLiteral("大の仲良し")));
        QCOMPARE(w.view()->toolTip(), QStringLiteral("たまにクリックしてね！"));
    }

    // A click on the white margin of the speech window leaves it open; a click on the text
    // closes it.
    void speechWindowClosesOnlyOnItsText()
    {
        PetFixture f(ordinaryDay(12, 30), PetFixture::Seeded);
        SpeechWindow speech(*f.pet);
        f.pet->presentation().Callfun3(18);
        QVERIFY(QTest::qWaitForWindowExposed(&speech));
        QCOMPARE(speech.textLabel()->text(), displayText(f.scene().speechText()));
        QWidget *margin = speech.childAt(QPoint(2, 2));
        QVERIFY(margin && margin != speech.textLabel());
        QTest::mouseClick(margin, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(f.scene().speechOpen());
        QVERIFY(speech.isVisible());
        QTest::mouseClick(speech.textLabel(), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!f.scene().speechOpen());
        QVERIFY(!speech.isVisible());
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
