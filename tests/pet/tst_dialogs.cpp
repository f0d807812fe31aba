// The dialogs' rules against recording stand-ins for the stage and the activities, with none of
// the pet's windows linked in: what an answer or a present asks of the pet's activities and of
// its windows, and that closing the speech window is reported back.
#include "common/random.h"
#include "common/settingsstore.h"
#include "common/timers.h"
#include "pet/dialogs/presents.h"
#include "pet/dialogs/questions.h"
#include "pet/dialogs/speech.h"
#include "pet/model/activity.h"
#include "recordingstage.h"

#include <QTest>
#include <QTimeZone>

namespace {

// The stage and the activities in one, writing down both in one list.
class Recorder : public RecordingStage, public Activities
{
public:
    void startActivity(Activity a) override { calls << QStringLiteral("start %1").arg(number(a)); }
    void playStep() override { calls << QStringLiteral("step"); }
    bool disturbSleep() override { return true; }
    void restartCountdown() override { calls << QStringLiteral("restart"); }
    void setActivityLength(qint32 seconds) override { length = seconds; }
    void stopAnimations() override { calls << QStringLiteral("stop animations"); }
    void chooseForTheHour() override { calls << QStringLiteral("choose"); }
    void setClockRunning(bool on) override { running = on; }
    bool clockRunning() const override { return running; }

    bool running = true;
    qint32 length = 0;
};

// The dialogs' rules alone at half past the given hour in Tokyo, on seeded chance.
struct DialogRig {
    explicit DialogRig(int hour, bool germanTime = false)
        : time(QDateTime(QDate(2025, 6, 11), QTime(hour, 30), QTimeZone("Asia/Tokyo"))), rnd(5),
          ctx(store, time, rnd, time), speech(ctx, [this] { ++closed; }),
          questions(ctx, rec, rec, speech, [this](qint16 game) { games << game; }), presents(ctx, rec, rec)
    {
        ctx.mem().option1 = germanTime;
    }
    MemorySettingsStore store;
    VirtualTime time;
    SeededRandom rnd;
    PetContext ctx;
    Recorder rec;
    int closed = 0;
    QList<qint16> games;
    Speech speech;
    Questions questions;
    Presents presents;
};

} // namespace

class DialogsTest : public QObject
{
    Q_OBJECT
private slots:
    // Guards against the pet picking the wrong activity after a music or book answer: at the
    // hours 9, 10, 13, 17, 19 and 20 on the local clock (German time or not) it listens to music
    // or reads, at the others it does so lying down; for five minutes, from the first step, with
    // the reply shown and no other lines.
    void tasteAnswerChoosesTheActivityByTheHour_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("hour");
        QTest::addColumn<bool>("german");
        QTest::addColumn<int>("activity");
        QTest::newRow("music at 11") << 2 << 11 << false << int(Activity::ListeningLyingDown);
        QTest::newRow("music at 13") << 2 << 13 << false << int(Activity::ListeningToMusic);
        QTest::newRow("music at 16") << 2 << 16 << false << int(Activity::ListeningLyingDown);
        QTest::newRow("music at 20") << 2 << 20 << false << int(Activity::ListeningToMusic);
        QTest::newRow("book at 11") << 3 << 11 << false << int(Activity::ReadingLyingDown);
        QTest::newRow("book at 13") << 3 << 13 << false << int(Activity::Reading);
        QTest::newRow("book at 9") << 3 << 9 << false << int(Activity::Reading);
        QTest::newRow("book at 13, German time") << 3 << 13 << true << int(Activity::Reading);
    }
    void tasteAnswerChoosesTheActivityByTheHour()
    {
        QFETCH(int, kind);
        QFETCH(int, hour);
        QFETCH(bool, german);
        QFETCH(int, activity);
        DialogRig d(hour, german);
        d.questions.fill(Question(kind));
        TasteRecord &rec = (kind == 2 ? d.ctx.tables.music : d.ctx.tables.book)[size_t(
            kind == 2 ? d.ctx.rt.musicQuestion : d.ctx.rt.bookQuestion)];
        rec.reply1[1] = QStringLiteral("いいね！");
        rec.reply2[1] = QStringLiteral("ぼくも好き");
        d.questions.answer(1);
        QCOMPARE(d.rec.calls, (QStringList{QStringLiteral("lines 0"), QStringLiteral("start %1").arg(activity),
                                           QStringLiteral("friendship")}));
        QCOMPARE(d.ctx.scene.speechText(), QStringLiteral("いいね！\r\nぼくも好き"));
        QCOMPARE(d.ctx.rt.replyShown, 1);
        QCOMPARE(d.rec.length, 300);
        QVERIFY(d.games.isEmpty());
    }

    // Guards against a gift half done on the pet's side: the countdown restarts, the props stop,
    // the thanks are said, then the present's activity starts; the game pack is not involved.
    void givingAPresentStartsItsActivityAfterTheThanks()
    {
        DialogRig d(14);
        d.ctx.mem().Totaltime = 40000;
        d.presents.refreshStates();
        QVERIFY(d.presents.give(4));
        QCOMPARE(d.rec.calls, (QStringList{QStringLiteral("friendship"), QStringLiteral("restart"),
                                           QStringLiteral("stop animations"),
                                           QStringLiteral("lines %1").arg(int(Lines::ThanksSeeds)),
                                           QStringLiteral("start %1").arg(number(Activity::WateringFlower))}));
        QVERIFY(d.games.isEmpty());
    }

    // Guards against a speech window whose closing goes unnoticed (the buttons would stay greyed):
    // a click and the thirty-second timer each report the close once.
    void closingTheSpeechIsReportedOnce()
    {
        DialogRig d(10);
        d.speech.showGivenText(QStringLiteral("またね"));
        d.time.advance(Speech::kCloseMs);
        QCOMPARE(d.closed, 1);
        d.time.advance(Speech::kCloseMs);
        QCOMPARE(d.closed, 1);
        d.speech.run(QStringLiteral("Intoform0"));
        d.speech.close();
        QCOMPARE(d.closed, 2);
    }
};

QTEST_GUILESS_MAIN(DialogsTest)
#include "tst_dialogs.moc"
