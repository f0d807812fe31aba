// lunetta: the pet program. Assembles the rules, the windows and the outside world.
#include "common/clock.h"
#include "common/logging.h"
#include "common/paths.h"
#include "common/random.h"
#include "common/settingsstore.h"
#include "common/timers.h"
#include "launcherwidget.h"
#include "pet/events/engine.h"
#include "optionswindow.h"
#include "pet.h"
#include "pet/dialogs/presentwindow.h"
#include "pet/dialogs/speechwindow.h"
#include "petwindow.h"
#include "simulation.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QScreen>
#include <cstdio>
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
} // namespace

int main(int argc, char **argv)
{
    // The headless simulation needs no display: look for it before a window system is touched.
    bool headless = false;
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--simulate") == 0 || qstrcmp(argv[i], "--help") == 0 || qstrcmp(argv[i], "-h") == 0
            || qstrcmp(argv[i], "--version") == 0 || qstrcmp(argv[i], "-v") == 0)
            headless = true;
    std::unique_ptr<QCoreApplication> app(headless ? new QCoreApplication(argc, argv)
                                                   : new QApplication(argc, argv));
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
    QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Seed of chance for the simulation."),
                            QStringLiteral("S"));
    QCommandLineOption event(QStringLiteral("event"),
                             QStringLiteral("After start-up, let the pet begin activity N (a demo of one activity)."),
                             QStringLiteral("N"));
    parser.addOptions({at, speed, simulate, minutes, seed, event});
    parser.process(*app);

    QtSettingsStore store;

    if (parser.isSet(simulate)) {
        SimulationOptions opt;
        opt.start = parseStart(parser.value(simulate));
        if (!opt.start.isValid())
            return fail(QStringLiteral("--simulate needs a time like 2026-12-06T08:22"));
        bool ok = false;
        opt.minutes = parser.value(minutes).toLongLong(&ok);
        if (!ok || opt.minutes < 0)
            return fail(QStringLiteral("--minutes needs a whole number"));
        opt.seed = parser.isSet(seed) ? parser.value(seed).toULongLong()
                                      : quint64(QDateTime::currentMSecsSinceEpoch());
        QTextStream out(stdout);
        return runSimulation(opt, store, paths::programDir(), paths::desktopDir(), out);
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
    SeededRandom rnd(quint64(QDateTime::currentMSecsSinceEpoch()));

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
    window.setWindowIcon(QIcon(paths::programDir() + QStringLiteral("/icon.png")));
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
    QObject::connect(&window, &PetWindow::aboutRequested, &window, [&] {
        auto *about = new AboutWindow(&window);
        about->show();
    });

    pet.Form_Load();
    if (parser.isSet(event)) {
        const int n = parser.value(event).toInt(&ok);
        if (!ok || n < 0 || n > 1006)
            return fail(QStringLiteral("--event needs an activity number"));
        pet.engine().CReset();
        pet.engine().Clearfun();
        pet.engine().Setibent(qint16(n));
    }
    return app->exec();
}
