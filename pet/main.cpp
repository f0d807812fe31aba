// lunetta: the pet program. Assembles the rules, the windows and the outside world.
#include "common/clock.h"
#include "common/logging.h"
#include "common/paths.h"
#include "common/random.h"
#include "common/settingsstore.h"
#include "common/timers.h"
#include "desktop/appearance.h"
#include "desktop/desktopwindow.h"
#include "desktop/platform.h"
#include "desktop/quitsignals.h"
#include "desktop/singleinstance.h"
#include "pet/windows/outsideeffects.h"
#include "pet/windows/optionswindow.h"
#include "pet/core/pet.h"
#include "pet/windows/presentwindow.h"
#include "pet/windows/speechwindow.h"
#include "pet/windows/foresight.h"
#include "pet/windows/petwindow.h"
#include "pet/core/simulation.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QPointer>
#include <QScreen>
#include <QSessionManager>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {
QDateTime parseStart(const QString &text)
{
    for (const char *fmt : {"yyyy-MM-ddTHH:mm:ss", "yyyy-MM-ddTHH:mm"}) {
        const QDateTime t = QDateTime::fromString(text, QString::fromLatin1(fmt));
        if (t.isValid())
            return t;
    }
    return QDateTime();
}

int fail(const QString &message)
{
    std::fprintf(stderr, "lunetta: %s\n", message.toLocal8Bit().constData());
    return 2;
}

// The save of last resort: when the window system goes away, Qt ends the program with exit()
// from inside the event loop, past every quit signal. Armed only while the pet lives.
std::function<void()> &lastWords()
{
    static std::function<void()> f;
    return f;
}
void sayLastWords()
{
    if (auto f = std::exchange(lastWords(), nullptr))
        f();
}
} // namespace

int main(int argc, char **argv)
{
    // The headless simulation needs no display: look for it before a window system is touched.
    bool headless = false;
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--simulate") == 0 || qstrcmp(argv[i], "--help") == 0 || qstrcmp(argv[i], "-h") == 0
            || qstrcmp(argv[i], "--version") == 0 || qstrcmp(argv[i], "-v") == 0)
            headless = true;
    if (!headless)
        desktop::preparePlatform();
    std::unique_ptr<QCoreApplication> app(headless ? new QCoreApplication(argc, argv)
                                                   : new QApplication(argc, argv));
    // The icon is read while the rest starts; it is needed only when the pet window is shown.
    std::future<QList<QImage>> iconPictures;
    if (!headless)
        iconPictures = desktop::readPetIconLater();
    QCoreApplication::setOrganizationName(QStringLiteral("Tobberly"));
    QCoreApplication::setApplicationName(QStringLiteral("Tobberly"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOBBERLY_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("ピモといっしょ — a pet that lives through your day."));
    parser.addHelpOption();
    parser.addVersionOption();
    QCommandLineOption at(QStringLiteral("at"), QStringLiteral("Start the clock at this local time and let it run on."),
                          QStringLiteral("YYYY-MM-DDTHH:MM[:SS]"));
    QCommandLineOption speed(QStringLiteral("speed"), QStringLiteral("Run every timer N times faster."),
                             QStringLiteral("N"), QStringLiteral("1"));
    QCommandLineOption simulate(QStringLiteral("simulate"),
                                QStringLiteral("Live the pet's life without a window from START in virtual time."),
                                QStringLiteral("START"));
    QCommandLineOption minutes(QStringLiteral("minutes"), QStringLiteral("Minutes to simulate."),
                               QStringLiteral("M"), QStringLiteral("60"));
    QCommandLineOption seed(QStringLiteral("seed"),
                            QStringLiteral("Seed of chance (else the clock's): with the same start the pet draws "
                                           "the same, as the benchmark needs."),
                            QStringLiteral("S"));
    QCommandLineOption event(QStringLiteral("event"),
                             QStringLiteral("After start-up, let the pet begin activity N (a demo of one activity)."),
                             QStringLiteral("N"));
    QCommandLineOption trace(QStringLiteral("trace"),
                             QStringLiteral("What the simulation prints: events (the default), scene (also what the "
                                            "windows show) or all (also every minute's clock and animation step)."),
                             QStringLiteral("WHAT"), QStringLiteral("events"));
    QCommandLineOption answer(QStringLiteral("answer"),
                              QStringLiteral("In the simulation, answer each question after twenty seconds "
                                             "(1, 2, 3 in turn) and play each game for four minutes."));
    parser.addOptions({at, speed, simulate, minutes, seed, event, trace, answer});
    parser.process(*app);

    QtSettingsStore store;

    quint64 seedOfChance = quint64(QDateTime::currentMSecsSinceEpoch());
    if (parser.isSet(seed)) {
        bool whole = false;
        seedOfChance = parser.value(seed).toULongLong(&whole);
        if (!whole)
            return fail(QStringLiteral("--seed needs a whole number"));
    }

    if (parser.isSet(simulate)) {
        SimulationOptions opt;
        opt.start = parseStart(parser.value(simulate));
        if (!opt.start.isValid())
            return fail(QStringLiteral("--simulate needs a time like 2026-12-06T08:22"));
        bool ok = false;
        opt.minutes = parser.value(minutes).toLongLong(&ok);
        if (!ok || opt.minutes < 0)
            return fail(QStringLiteral("--minutes needs a whole number"));
        const std::optional<TraceDetail> detail = traceDetailFromName(parser.value(trace));
        if (!detail)
            return fail(QStringLiteral("--trace needs events, scene or all"));
        opt.detail = *detail;
        opt.answering = parser.isSet(answer);
        opt.seed = seedOfChance;
        QTextStream out(stdout);
        return runSimulation(opt, store, paths::programDir(), paths::desktopDir(), out);
    }

    // One pet at a time on a store: a second start brings the running pet forward and ends.
    // (The simulation above is a tool, not a pet: it neither takes this place nor waits for it.)
    desktop::SingleInstance instance(store.fileName());
    if (instance.claim() == desktop::SingleInstance::Outcome::AlreadyRunning) {
        std::fprintf(stderr, "lunetta: the pet is already running; it has been brought to the front\n");
        return 0;
    }

    bool ok = false;
    const double speedFactor = parser.value(speed).toDouble(&ok);
    if (!ok || speedFactor <= 0)
        return fail(QStringLiteral("--speed needs a positive number"));
    std::unique_ptr<Clock> clock;
    if (parser.isSet(at)) {
        const QDateTime start = parseStart(parser.value(at));
        if (!start.isValid())
            return fail(QStringLiteral("--at needs a time like 2026-12-06T08:22"));
        clock = std::make_unique<StartedClock>(start, speedFactor);
    } else if (speedFactor != 1.0) {
        clock = std::make_unique<StartedClock>(QDateTime::currentDateTime(), speedFactor);
    } else {
        clock = std::make_unique<SystemClock>();
    }
    QtTimers timers(speedFactor);
    timers.setClock(clock.get());
    SeededRandom rnd(seedOfChance);

    Pet::Setup setup;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    setup.screen.width = screen.width() * 15;
    setup.screen.height = screen.height() * 15;
    setup.programDir = paths::programDir();
    setup.datDir = paths::datDir();
    setup.desktopDir = paths::desktopDir();
    Pet pet(store, *clock, rnd, timers, setup);
    ProcessLauncher launcher;
    SystemEffects effects;
    pet.ctx().launcher = &launcher;
    pet.ctx().effects = &effects;

    PetWindow window(pet);
    Foresight foresight(pet, timers, *window.view(), speedFactor);
    SpeechWindow speech(pet, &window);
    QuestionWindow question(pet, &window);
    // The present window is made the first time it is asked for, and kept.
    std::unique_ptr<PresentWindow> presents;
    QObject::connect(&window, &PetWindow::presentRequested, &window, [&] {
        if (!presents)
            presents = std::make_unique<PresentWindow>(pet, &window);
        presents->open();
    });
    QObject::connect(&window, &PetWindow::optionsRequested, &window, [&] {
        OptionsWindow options(pet, &window);
        options.germanTime()->setChecked(pet.ctx().mem().option1);
        options.exec();
    });
    // One profile card: a second click brings the open one to the front.
    QPointer<AboutWindow> about;
    QObject::connect(&window, &PetWindow::aboutRequested, &window,
                     [&] { AboutWindow::showOne(about, &window); });
    QObject::connect(&instance, &desktop::SingleInstance::activationRequested, &window, [&] {
        // While a game runs the pet is away from its window; the game window is in front.
        if (!window.isVisible())
            return;
        if (window.isMinimized())
            window.showNormal();
        window.raise();
        window.activateWindow();
    });

    // Every way of ending saves as a close does. A signal (shutdown, logout, a closed terminal,
    // Ctrl+C) cannot be refused as the close box can while the pet minds the house: it saves
    // and ends at once. The session's end saves when the session asks for the user's data.
    desktop::QuitSignals quitSignals;
    QObject::connect(&quitSignals, &desktop::QuitSignals::quitRequested, &window, [&] {
        pet.exitSave();
        QCoreApplication::exit(0);
    });
    auto *gui = static_cast<QGuiApplication *>(app.get());
    QObject::connect(gui, &QGuiApplication::commitDataRequest, &window,
                     [&](QSessionManager &) { pet.exitSave(); });
    QObject::connect(gui, &QCoreApplication::aboutToQuit, &window, [&] {
        if (!pet.exitSaved())
            pet.exitSave();
    });

    // What the first picture does not need waits until it is on the screen: the start-up's
    // writes to the store, and listening for later starts (which wait for it meanwhile).
    desktop::applyLook(*static_cast<QApplication *>(app.get()), iconPictures.get());
    pet.holdStartWrites();
    desktop::afterFirstPaint(&window, [&] {
        pet.releaseStartWrites();
        instance.listen();
    });
    pet.start();
    if (parser.isSet(event)) {
        const int n = parser.value(event).toInt(&ok);
        if (!ok || n < 0 || n > 1006)
            return fail(QStringLiteral("--event needs an activity number"));
        pet.startActivity(qint16(n));
    }

    // Armed only now: before the start-up has read the store, a save would write defaults over it.
    lastWords() = [&] {
        if (!pet.exitSaved())
            pet.exitSave();
    };
    std::atexit(sayLastWords);
    const int code = app->exec();
    lastWords() = nullptr;
    return code;
}
