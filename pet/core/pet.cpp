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

void Pet::sayLines(Lines lines) { m_presentation->showLines(lines); }
void Pet::sayClickLines() { m_interaction->clickPet(); }
void Pet::askQuestion(Question kind) { m_presentation->askQuestion(kind); }
void Pet::closeSpeech() { m_presentation->closeSpeech(); }
void Pet::closeQuestion() { m_presentation->closeQuestion(); }
void Pet::conversationOver() { m_questions->conversationOver(); }
void Pet::refreshButtons() { m_buttons->refreshButtons(); }
void Pet::lockPresentAndHobby() { m_buttons->lockPresentAndHobby(); }
void Pet::unlockPresentAndHobby() { m_buttons->unlockPresentAndHobby(); }
void Pet::greyHobby() { m_buttons->setAvailable(Button::Hobby, false); }
void Pet::friendshipChanged() { m_presentation->refreshFriendshipLabel(); }
