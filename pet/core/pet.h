// The pet program's rules assembled: owns the shared context and every part (engine, buttons,
// presentation, interaction, speech, questions, presents), hands each part only the narrow
// interfaces it needs, and runs the start-up, the reset, the options and the exit save. It is the
// activities' stage: each request goes to the part that owns that window. Windows and the
// headless simulation drive the pet through this.
#pragma once

#include "pet/model/context.h"
#include "pet/model/stage.h"

#include <memory>
#include <vector>

class Buttons;
class Engine;
class Interaction;
class Presentation;
class Presents;
class Questions;
class Speech;

class Pet : public Stage
{
public:
    struct Setup {
        ScreenGeometry screen;
        QString programDir;
        QString datDir;
        QString desktopDir;
    };

    Pet(SettingsStore &store, Clock &clock, Random &rnd, Timers &timers, const Setup &setup);
    ~Pet() override;

    PetContext &ctx() { return m_ctx; }
    Scene &scene() { return m_ctx.scene; }
    Engine &engine() { return *m_engine; }
    Buttons &buttons() { return *m_buttons; }
    Presentation &presentation() { return *m_presentation; }
    Interaction &interaction() { return *m_interaction; }
    Speech &speech() { return *m_speech; }
    Questions &questions() { return *m_questions; }
    Presents &presents() { return *m_presents; }

    // Start-up: settings, the flower catch-up, the return bonus, the data files, the first event
    // (the first meeting on the very first run), one present check; then the clock starts.
    void start();
    // The start-up's writes need not hold up the pet's first picture: from holdStartWrites() until
    // releaseStartWrites() (or an exit save, whichever comes first) every write is gathered and
    // reaches the store in one. A pet killed in between has written none of them, as if killed
    // before its start-up reckoned anything, and earns the same again next time.
    void holdStartWrites();
    void releaseStartWrites();
    // Reads every key, places the window, shows the running time and the friendship level.
    void load();
    // The options window's reset, after the user said yes: everything back to the first day.
    void reset();
    // The options window closed with the German-time box ticked or not.
    void applyOptions(bool germanTime);
    // The exit save, with the window's place at that moment (twips).
    void exitSave(qint32 left, qint32 top);
    // Begins activity n at once, as the demo option asks, with the buttons set for it and the
    // hour straight away rather than at the next minute.
    void startActivity(qint16 n);
    // Starts game n of the game pack with the pet (the play question's answer).
    void playGame(qint16 n);
    // The exit save with the window's last known place, for endings that come from outside
    // (a signal, the session's end, the display gone) and may not ask the window system.
    void exitSave();
    bool exitSaved() const { return m_exitSaved; }
    // The pet window moved (twips); open dialogs follow it. Once it has stood still for placeSettleMs the place is
    // written, so even a killed pet comes back where the user left it.
    void petMoved(qint32 left, qint32 top);
    static constexpr int placeSettleMs = 1500;
    // The window manager framed the pet window, or its frame changed: the outer size in twips.
    // The first frame corrects the place load gave, so the whole frame lies on the screen.
    void petFrameChanged(qint32 width, qint32 height);

    // The pet's next moments worked out ahead of their time, so that the window system can show
    // its pictures on time while the program sleeps. The calls of the steps and the props'
    // animations that come before any other work (the clock's, a dialog's) are made one by one
    // as at their moments, each picture that changes noted with when it comes (ms from now),
    // until a call that would do more than change the picture and make draws (say lines, write
    // the store, start a game...), or `mostMs`; `until` says how far the pictures hold (ms from
    // now). Then everything is put back as it was: the calls are made for real when their time
    // comes, with the same draws. Not possible (nothing worked out) where the timers or the draws
    // cannot be put back.
    struct Moment {
        qint64 in;
        ScenePicture picture;
    };
    struct Foresight {
        bool possible = false;
        std::vector<Moment> moments;
        qint64 until = 0;
    };
    Foresight foresee(qint64 mostMs);
    // Makes the calls of the steps and the props' animations that have fallen due, each as at its
    // moment (the timers held them back while the pictures came from the window system).
    void catchUp();

    // The stage the activities play on.
    void sayLines(Lines lines) override;
    void sayClickLines() override;
    void askQuestion(Question kind) override;
    void closeSpeech() override;
    void closeQuestion() override;
    void conversationOver() override;
    void refreshButtons() override;
    void lockPresentAndHobby() override;
    void unlockPresentAndHobby() override;
    void greyHobby() override;
    void friendshipChanged() override;

private:
    // A request of the stage made while working ahead is refused, and the moment not worked out.
    bool refusedAhead();
    struct AheadGuard;

    PetContext m_ctx;
    bool m_ahead = false;
    bool m_aheadRefused = false;
    bool m_framed = false;
    std::unique_ptr<Engine> m_engine;
    std::unique_ptr<Buttons> m_buttons;
    std::unique_ptr<Presentation> m_presentation;
    std::unique_ptr<Interaction> m_interaction;
    std::unique_ptr<Speech> m_speech;
    std::unique_ptr<Questions> m_questions;
    std::unique_ptr<Presents> m_presents;
    int m_placeTimer = -1;
    bool m_exitSaved = false;
    std::unique_ptr<SettingsStore::Batch> m_startWrites;
};
