#include "pet.h"

#include "buttons.h"
#include "common/values.h"
#include "gamelaunch.h"
#include "interaction.h"
#include "pet/dialogs/presents.h"
#include "pet/dialogs/questions.h"
#include "pet/dialogs/speech.h"
#include "pet/events/engine.h"
#include "presentation.h"

Pet::Pet(SettingsStore &store, Clock &clock, Random &rnd, Timers &timers, const Setup &setup)
    : m_ctx(store, clock, rnd, timers)
{
    m_ctx.screen = setup.screen;
    m_ctx.programDir = setup.programDir;
    m_ctx.datDir = setup.datDir;
    m_ctx.desktopDir = setup.desktopDir;
    // The engine's timers are made first, the speech window's after them: timers due at the
    // same instant fire in that order.
    m_engine = std::make_unique<Engine>(m_ctx, *this);
    m_speech = std::make_unique<Speech>(m_ctx, [this] { m_presentation->closeSpeech(); });
    m_questions = std::make_unique<Questions>(m_ctx, *this, *m_engine, *m_speech,
                                              [this](qint16 game) { playGame(game); });
    m_buttons = std::make_unique<Buttons>(m_ctx);
    m_presentation = std::make_unique<Presentation>(m_ctx, *m_engine, *m_buttons, *m_speech, *m_questions);
    m_interaction = std::make_unique<Interaction>(m_ctx, *m_engine, *m_presentation, *m_buttons, *m_speech,
                                                  *m_questions);
    m_presents = std::make_unique<Presents>(m_ctx, *this, *m_engine);
    m_placeTimer = m_ctx.timers.create([this] {
        m_ctx.timers.stop(m_placeTimer);
        m_ctx.memory.keepPlaceCurrent(m_ctx.screen.petLeft, m_ctx.screen.petTop);
    });
    m_ctx.timers.setSingleShot(m_placeTimer, true);
}

Pet::~Pet() = default;

void Pet::load()
{
    m_ctx.memory.load(m_ctx.screen);
    const Memory &m = m_ctx.mem();
    m_ctx.screen.petLeft = m.mleft;
    m_ctx.screen.petTop = m.mtop;
    m_ctx.scene.emitChanged(Scene::PetWindow);
    m_ctx.scene.setLabel(Label::TotalTime, values::zeroFilled(m.Totaltime, 7));
    m_presentation->refreshFriendshipLabel();
}

void Pet::start()
{
    load();
    const QDateTime now = m_ctx.clock.now();
    {
        // The bonus (or penalty) and the day it was reckoned on are written together: a pet
        // killed now earns it again next time only if neither reached the store.
        const SettingsStore::Batch batch(m_ctx.store);
        m_ctx.memory.flowerCatchUp(now);
        m_ctx.memory.returnBonus(now);
        m_ctx.memory.keepDaysCurrent(now);
    }
    m_presentation->refreshFriendshipLabel();
    m_ctx.tables.load(m_ctx.datDir);
    m_ctx.scene.setPetShown(true);
    if (m_ctx.mem().Firstflag == 0) {
        m_ctx.mem().Firstflag = 1;
        m_ctx.memory.saveKey(QStringLiteral("Firstflag"));
        m_engine->startActivity(Activity::FirstMeeting);
    } else {
        m_engine->chooseForTheHour();
    }
    m_engine->maybeDeliverPresent();
    m_ctx.day.refreshLabels();
    m_engine->setClockRunning(true);
}

void Pet::holdStartWrites()
{
    if (!m_startWrites)
        m_startWrites = std::make_unique<SettingsStore::Batch>(m_ctx.store);
}

void Pet::releaseStartWrites() { m_startWrites.reset(); }

void Pet::startActivity(qint16 n)
{
    m_engine->restartCountdown();
    m_engine->stopAnimations();
    m_engine->startActivity(Activity(n));
    m_buttons->refreshButtons();
}

void Pet::playGame(qint16 n)
{
    m_questions->gameBegun();
    ::playGame(m_ctx, *m_engine, *this, n);
}

void Pet::reset()
{
    m_ctx.store.removeApplication();
    load();
    m_ctx.mem().Firstflag = 1;
    m_ctx.memory.saveKey(QStringLiteral("Firstflag"));
    m_engine->restartCountdown();
    m_engine->startActivity(Activity::FirstMeeting);
}

void Pet::applyOptions(bool germanTime)
{
    const bool changed = germanTime != m_ctx.mem().option1;
    m_ctx.mem().option1 = germanTime;
    m_ctx.memory.saveKey(QStringLiteral("option1"));
    if (changed) {
        m_engine->restartCountdown();
        m_engine->stopAnimations();
        m_engine->chooseForTheHour();
    }
}

void Pet::exitSave(qint32 left, qint32 top)
{
    m_ctx.timers.stop(m_placeTimer);
    m_ctx.memory.exitSave(m_ctx.clock.now(), left, top);
    releaseStartWrites();
    m_exitSaved = true;
}

void Pet::exitSave() { exitSave(m_ctx.screen.petLeft, m_ctx.screen.petTop); }

void Pet::petMoved(qint32 left, qint32 top)
{
    m_ctx.screen.petLeft = left;
    m_ctx.screen.petTop = top;
    m_presentation->followPet();
    // A drag moves the window many times a second: only the place it comes to rest is written.
    m_ctx.timers.start(m_placeTimer, placeSettleMs);
}

void Pet::petFrameChanged(qint32 width, qint32 height)
{
    ScreenGeometry &g = m_ctx.screen;
    if (g.petWidth == width && g.petHeight == height)
        return;
    g.petWidth = width;
    g.petHeight = height;
    if (!m_framed) {
        m_framed = true;
        m_ctx.memory.placeWindow(g);
        g.petLeft = m_ctx.mem().mleft;
        g.petTop = m_ctx.mem().mtop;
        m_ctx.scene.emitChanged(Scene::PetWindow);
    }
    m_presentation->followPet();
}

void Pet::sayLines(Lines lines)
{
    if (!refusedAhead())
        m_presentation->showLines(lines);
}
void Pet::sayClickLines()
{
    if (!refusedAhead())
        m_interaction->clickPet();
}
void Pet::askQuestion(Question kind)
{
    if (!refusedAhead())
        m_presentation->askQuestion(kind);
}
void Pet::closeSpeech()
{
    if (!refusedAhead())
        m_presentation->closeSpeech();
}
void Pet::closeQuestion()
{
    if (!refusedAhead())
        m_presentation->closeQuestion();
}
void Pet::conversationOver()
{
    if (!refusedAhead())
        m_questions->conversationOver();
}
void Pet::refreshButtons()
{
    if (!refusedAhead())
        m_buttons->refreshButtons();
}
void Pet::lockPresentAndHobby()
{
    if (!refusedAhead())
        m_buttons->lockPresentAndHobby();
}
void Pet::unlockPresentAndHobby()
{
    if (!refusedAhead())
        m_buttons->unlockPresentAndHobby();
}
void Pet::greyHobby()
{
    if (!refusedAhead())
        m_buttons->setAvailable(Button::Hobby, false);
}
void Pet::friendshipChanged()
{
    if (!refusedAhead())
        m_presentation->refreshFriendshipLabel();
}

bool Pet::refusedAhead()
{
    m_aheadRefused = m_aheadRefused || m_ahead;
    return m_ahead;
}

// While working ahead: the stage, the store, the trace, the sounds and the game pack refuse
// every request, and the scene keeps its changes to itself.
struct Pet::AheadGuard : Trace, Effects, GameLauncher {
    explicit AheadGuard(Pet &p) : pet(p), trace(p.m_ctx.trace), effects(p.m_ctx.effects), launcher(p.m_ctx.launcher)
    {
        pet.m_ahead = true;
        pet.m_aheadRefused = false;
        pet.m_ctx.store.setRefusing(true);
        pet.m_ctx.scene.holdChanges(true);
        pet.m_ctx.trace = this;
        pet.m_ctx.effects = this;
        pet.m_ctx.launcher = this;
    }
    ~AheadGuard()
    {
        pet.m_ctx.trace = trace;
        pet.m_ctx.effects = effects;
        pet.m_ctx.launcher = launcher;
        pet.m_ctx.scene.holdChanges(false);
        pet.m_ctx.store.setRefusing(false);
        pet.m_ahead = false;
    }
    // Whether the last call did only what may be worked out ahead.
    bool plain()
    {
        const int parts = pet.m_ctx.scene.holdChanges(true);
        return !pet.m_aheadRefused && !refused && !pet.m_ctx.store.refused()
               && (parts & ~(Scene::PetPicture | Scene::Props)) == 0;
    }
    void eventStarted(int) override { refused = true; }
    void speechShown(const QString &) override { refused = true; }
    void questionShown(int) override { refused = true; }
    void presentDelivered(int) override { refused = true; }
    void beep() override { refused = true; }
    bool start(const QString &, const QStringList &, std::function<void()>) override
    {
        refused = true;
        return false;
    }

    Pet &pet;
    Trace *trace;
    Effects *effects;
    GameLauncher *launcher;
    bool refused = false;
};

Pet::Foresight Pet::foresee(qint64 mostMs)
{
    Foresight f;
    Timers &t = m_ctx.timers;
    const Timers::Saved timers = t.save();
    const Random::Saved draws = m_ctx.rnd.save();
    if (!timers || !draws || m_ahead)
        return f;
    f.possible = true;
    const Runtime rt = m_ctx.rt;
    const Memory memory = m_ctx.mem();
    const ScenePicture shown = m_ctx.scene.picture();
    const auto scene = m_ctx.scene.save();
    const qint64 labelMinute = m_ctx.day.labelMinute();
    const Engine::Saved engine = m_engine->save();
    {
        AheadGuard guard(*this);
        ScenePicture last = shown;
        // A bound, should the steps never come to other work.
        constexpr int kMostCalls = 400;
        f.until = -1;
        for (int n = 0; n < kMostCalls && f.until < 0; ++n) {
            const Timers::Call c = t.nextCall();
            if (c.id < 0 || c.in >= mostMs) {
                f.until = mostMs;
            } else if (!m_engine->callsAhead(c.id)) {
                f.until = c.in;
            } else {
                t.callNext();
                if (!guard.plain()) {
                    f.until = c.in;
                } else if (ScenePicture now = m_ctx.scene.picture(); now != last) {
                    // Calls due together show their last picture.
                    if (!f.moments.empty() && f.moments.back().in == c.in)
                        f.moments.back().picture = now;
                    else
                        f.moments.push_back({c.in, now});
                    last = std::move(now);
                }
            }
        }
        if (f.until < 0) {
            const Timers::Call c = t.nextCall();
            f.until = c.id < 0 ? mostMs : std::min(mostMs, c.in);
        }
        // What comes at the moment the pictures stop holding is the program's to show.
        while (!f.moments.empty() && f.moments.back().in >= f.until)
            f.moments.pop_back();
        m_ctx.scene.restore(scene);
        m_ctx.day.setLabelMinute(labelMinute);
        m_engine->restore(engine);
        m_ctx.mem() = memory;
        m_ctx.rt = rt;
        m_ctx.rnd.restore(draws);
        t.restore(timers);
    }
    return f;
}

void Pet::catchUp()
{
    Timers &t = m_ctx.timers;
    for (;;) {
        const Timers::Call c = t.nextCall();
        if (c.id < 0 || c.in > 0 || !m_engine->callsAhead(c.id))
            break;
        t.callNext();
    }
}
