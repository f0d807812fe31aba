#include "simulation.h"

#include "common/paths.h"
#include "common/random.h"
#include "common/settingsstore.h"
#include "common/timers.h"
#include "pet.h"
#include "pet/dialogs/questions.h"

#include <array>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

// A text on one line: quoted, with its line breaks and quotes escaped.
QString quoted(const QString &text)
{
    QString s = text;
    s.replace(u'\\', QStringLiteral("\\\\"));
    s.replace(u'"', QStringLiteral("\\\""));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    s.replace(u'\n', QStringLiteral("\\n"));
    s.replace(u'\r', QStringLiteral("\\r"));
    s.replace(u'\t', QStringLiteral("\\t"));
    return u'"' + s + u'"';
}

QString place(QPoint p) { return QStringLiteral("%1,%2").arg(p.x()).arg(p.y()); }

const char *propName(Prop p)
{
    static const std::array<const char *, size_t(Prop::Count)> names = {
        "flower", "water", "tv", "comp", "mini4wd", "berg", "othermachine", "susuki", "awa1", "awa2"};
    return names[size_t(p)];
}

const char *buttonName(Button b)
{
    static const std::array<const char *, size_t(Button::Count)> names = {"about",  "hobby", "present",
                                                                          "option", "leave", "end"};
    return names[size_t(b)];
}

const char *labelName(Label l)
{
    static const std::array<const char *, size_t(Label::Count)> names = {"date", "time", "german", "total",
                                                                        "level"};
    return names[size_t(l)];
}

const char *lookName(const ButtonState &b)
{
    if (!b.enabled)
        return "unavailable";
    return b.look == ButtonLook::Pressed ? "pressed" : "available";
}

// The labels that move with the clock every minute.
bool clockLabel(Label l) { return l == Label::Time || l == Label::GermanTime || l == Label::TotalTime; }

// What the pet window and its two dialogs showed when the trace last looked.
using SceneShot = SceneContent;

class PrintingTrace : public Trace
{
public:
    PrintingTrace(const Clock &clock, QTextStream &out, TraceDetail detail)
        : m_clock(clock), m_out(out), m_detail(detail)
    {
    }
    void eventStarted(int n) override
    {
        printFrames();
        line(QStringLiteral("event %1").arg(n));
    }
    void speechShown(const QString &set) override { line(QStringLiteral("speech ") + set); }
    void questionShown(int kind) override
    {
        line(QStringLiteral("question %1").arg(kind));
        if (onQuestion)
            onQuestion();
    }
    std::function<void()> onQuestion;
    void presentDelivered(int k) override { line(QStringLiteral("present %1").arg(k)); }

    // Follows the scene: after each instant of virtual time, sceneSettled() prints what changed.
    void watch(const Scene &scene)
    {
        m_scene = &scene;
        QObject::connect(&scene, &Scene::changed, &scene, [this](int parts) { m_dirty |= parts; });
        m_dirty = ~0;
    }

    // Prints how the scene differs from what was printed last; the first time, all that is shown.
    // Changes that came and went within one instant were never on screen and are not printed.
    void sceneSettled()
    {
        if (!m_scene || !m_dirty)
            return;
        const int parts = m_dirty;
        m_dirty = 0;
        const bool first = !m_started;
        m_started = true;
        const Scene &s = *m_scene;
        SceneShot &was = m_last;
        if (parts & Scene::PetPicture)
            picture(s, first);
        if (parts & Scene::Props)
            props(s, first);
        if (parts & Scene::Buttons)
            buttons(s, first);
        if (parts & Scene::Labels)
            labels(s, first);
        if (parts & Scene::Speech) {
            if (first ? !s.speechText().isEmpty() : was.speechText != s.speechText())
                line(QStringLiteral("speech window text ") + quoted(s.speechText()));
            if (s.speechOpen() && (!was.speechOpen || was.speechPlace != s.speechPlace()))
                line(QStringLiteral("speech window shown at ") + place(s.speechPlace()));
            else if (!s.speechOpen() && was.speechOpen)
                line(QStringLiteral("speech window parked"));
            was.speechText = s.speechText();
            was.speechOpen = s.speechOpen();
            was.speechPlace = s.speechPlace();
        }
        if (parts & Scene::Question) {
            const std::array<QString, 4> answers = {QString(), s.answer(1), s.answer(2), s.answer(3)};
            if (first ? !s.questionText().isEmpty() : (was.questionText != s.questionText() || was.answers != answers))
                line(QStringLiteral("question window text ") + quoted(s.questionText()) + QStringLiteral(" answers ")
                     + quoted(answers[1]) + u' ' + quoted(answers[2]) + u' ' + quoted(answers[3]));
            if (s.questionOpen() && (!was.questionOpen || was.questionPlace != s.questionPlace()))
                line(QStringLiteral("question window shown at ") + place(s.questionPlace()));
            else if (!s.questionOpen() && was.questionOpen)
                line(QStringLiteral("question window parked"));
            was.questionText = s.questionText();
            was.answers = answers;
            was.questionOpen = s.questionOpen();
            was.questionPlace = s.questionPlace();
        }
        if ((parts & Scene::PetWindow) && (first || was.petShown != s.petShown())) {
            line(s.petShown() ? QStringLiteral("pet window shown") : QStringLiteral("pet window hidden"));
            was.petShown = s.petShown();
        }
    }

    // The end of the simulation: what is still owed.
    void finish() { printFrames(); }

private:
    // The plain trace stamps each line with the date and time. The scene trace has many lines
    // to an instant, at steps of a fraction of a second: it names each day once, on a line of its
    // own, and each instant's time of day, to the millisecond, on the first of its lines only.
    void line(const QString &what)
    {
        const QDateTime now = m_clock.now();
        if (m_detail == TraceDetail::Events) {
            m_out << now.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) << ' ' << what << '\n';
            return;
        }
        if (now.date() != m_day) {
            m_day = now.date();
            m_time = QTime();
            m_out << "day " << m_day.toString(Qt::ISODate) << '\n';
        }
        const QTime time = now.time();
        if (time != m_time) {
            m_time = time;
            m_out << time.toString(QStringLiteral("HH:mm:ss.zzz")) << ' ' << what << '\n';
        } else {
            m_out << QLatin1String("             ") << what << '\n';
        }
    }

    // The pet's picture. Its frames change several times a second; the scene trace names the strip
    // when it changes and, at the next event, how often each frame came up meanwhile.
    void picture(const Scene &s, bool first)
    {
        SceneShot &was = m_last;
        const bool newStrip = first || was.strip != s.strip();
        if (newStrip || was.frame != s.frame()) {
            if (newStrip || m_detail == TraceDetail::All)
                line(QStringLiteral("picture %1 frame %2").arg(s.strip()).arg(s.frame()));
            if (m_detail != TraceDetail::All)
                countFrame(s.strip(), s.frame());
        }
        was.strip = s.strip();
        was.frame = s.frame();
        if (first || was.petTip != s.petToolTip())
            line(QStringLiteral("pet tip ") + quoted(s.petToolTip()));
        was.petTip = s.petToolTip();
    }

    void countFrame(const QString &strip, int frame)
    {
        const QString key = strip + u':' + QString::number(frame);
        for (auto &[shown, times] : m_frames) {
            if (shown == key) {
                ++times;
                return;
            }
        }
        m_frames.emplace_back(key, 1);
    }

    void printFrames()
    {
        if (m_frames.empty())
            return;
        QString text = QStringLiteral("frames");
        for (const auto &[shown, times] : m_frames)
            text += QStringLiteral(" %1=%2").arg(shown).arg(times);
        m_frames.clear();
        line(text);
    }

    // Props appear and go with their activity; the scene trace leaves out their animation steps.
    void props(const Scene &s, bool first)
    {
        for (size_t i = 0; i < m_last.props.size(); ++i) {
            const PropState &p = s.prop(Prop(i));
            PropState &b = m_last.props[i];
            const QString what = QStringLiteral("prop %1 ").arg(QLatin1String(propName(Prop(i))));
            const QString look = QStringLiteral("%1 at %2,%3").arg(propPictureName(Prop(i), p.picture)).arg(p.x).arg(p.y);
            if (p.visible && (first || !b.visible))
                line(what + QStringLiteral("shown ") + look);
            else if (!p.visible && !first && b.visible)
                line(what + QStringLiteral("hidden"));
            else if (m_detail == TraceDetail::All && p.visible && (b.picture != p.picture || b.x != p.x || b.y != p.y))
                line(what + look);
            b = p;
        }
    }

    void buttons(const Scene &s, bool first)
    {
        for (size_t i = 0; i < m_last.buttons.size(); ++i) {
            const ButtonState &n = s.button(Button(i));
            ButtonState &b = m_last.buttons[i];
            const QString what = QStringLiteral("button %1 ").arg(QLatin1String(buttonName(Button(i))));
            if (first || b.enabled != n.enabled || b.look != n.look)
                line(what + QLatin1String(lookName(n)));
            if (first || b.toolTip != n.toolTip)
                line(what + QStringLiteral("tip ") + quoted(n.toolTip));
            b = n;
        }
    }

    void labels(const Scene &s, bool first)
    {
        const bool all = m_detail == TraceDetail::All;
        for (size_t i = 0; i < m_last.labels.size(); ++i) {
            const QString text = s.label(Label(i));
            if ((all || !clockLabel(Label(i))) && (first || m_last.labels[i] != text))
                line(QStringLiteral("label %1 ").arg(QLatin1String(labelName(Label(i)))) + quoted(text));
            m_last.labels[i] = text;
        }
        if (!all)
            clockOnTheHour();
        if (first || m_last.germanTip != s.germanTimeToolTip())
            line(QStringLiteral("label german tip ") + quoted(s.germanTimeToolTip()));
        m_last.germanTip = s.germanTimeToolTip();
        if (first || m_last.stVisible != s.summerMarkVisible())
            line(s.summerMarkVisible() ? QStringLiteral("summer mark shown") : QStringLiteral("summer mark hidden"));
        m_last.stVisible = s.summerMarkVisible();
    }

    // The clock labels change every minute; in the scene trace they are shown once an hour, which
    // still tells a wrong German hour or a stopped running time.
    void clockOnTheHour()
    {
        const auto &l = m_last.labels;
        const QString &time = l[size_t(Label::Time)];
        const QString hour = time.section(u':', 0, 0);
        if (hour == m_clockHour && l[size_t(Label::Date)] == m_clockDate)
            return;
        m_clockHour = hour;
        m_clockDate = l[size_t(Label::Date)];
        line(QStringLiteral("clock ") + quoted(time) + QStringLiteral(" german ") + quoted(l[size_t(Label::GermanTime)])
             + QStringLiteral(" total ") + quoted(l[size_t(Label::TotalTime)]));
    }

    const Clock &m_clock;
    QTextStream &m_out;
    TraceDetail m_detail;
    const Scene *m_scene = nullptr;
    int m_dirty = 0;
    bool m_started = false;
    SceneShot m_last;
    std::vector<std::pair<QString, int>> m_frames; // strip:frame and how often it came up, in order
    QString m_clockHour;
    QString m_clockDate;
    QDate m_day;
    QTime m_time;
};
// The user of an answering simulation: answers each question after a while, in turn 1, 2, 3, and
// stands in for the game pack, whose game takes a few minutes of virtual time.
class SimulatedUser : public GameLauncher
{
public:
    static constexpr int kThinkMs = 20000;
    static constexpr int kGameMs = 4 * 60000;

    SimulatedUser(Pet &pet, Timers &timers) : m_pet(pet), m_timers(timers)
    {
        m_answer = timers.create([this] { answer(); });
        timers.setSingleShot(m_answer, true);
        m_game = timers.create([this] { gameOver(); });
        timers.setSingleShot(m_game, true);
    }
    void questionAsked() { m_timers.start(m_answer, kThinkMs); }
    bool start(const QString &, const QStringList &, std::function<void()> finished) override
    {
        m_finished = std::move(finished);
        m_timers.start(m_game, kGameMs);
        return true;
    }

private:
    void answer()
    {
        if (!m_pet.scene().questionOpen())
            return;
        m_pet.questions().answer(1 + m_answered % 3);
        ++m_answered;
    }
    void gameOver()
    {
        if (auto finished = std::exchange(m_finished, {}))
            finished();
    }
    Pet &m_pet;
    Timers &m_timers;
    int m_answer = -1;
    int m_game = -1;
    int m_answered = 0;
    std::function<void()> m_finished;
};
} // namespace

std::optional<TraceDetail> traceDetailFromName(const QString &name)
{
    if (name == u"events")
        return TraceDetail::Events;
    if (name == u"scene")
        return TraceDetail::Scene;
    if (name == u"all")
        return TraceDetail::All;
    return std::nullopt;
}

int runSimulation(const SimulationOptions &opt, SettingsStore &store, const QString &programDir,
                  const QString &desktopDir, QTextStream &out)
{
    // The life runs on a copy of the store; what changed is written back at the end, so a month
    // takes a moment instead of thousands of file writes.
    MemorySettingsStore copy;
    for (const QString &k : store.keys())
        copy.write(k, store.read(k, QString()));
    VirtualTime time(opt.start);
    SeededRandom rnd(opt.seed);
    Pet::Setup setup;
    setup.programDir = programDir;
    setup.datDir = paths::dataRootFor(programDir) + QStringLiteral("/dat"); // beside it, or installed
    setup.desktopDir = desktopDir;
    Pet pet(copy, time, rnd, time, setup);
    PrintingTrace trace(time, out, opt.detail);
    pet.ctx().trace = &trace;
    std::unique_ptr<SimulatedUser> user;
    if (opt.answering) {
        user = std::make_unique<SimulatedUser>(pet, time);
        pet.ctx().launcher = user.get();
        trace.onQuestion = [&user] { user->questionAsked(); };
    }
    const qint64 end = opt.minutes * 60000;
    if (opt.detail == TraceDetail::Events) {
        pet.start();
        time.advance(end);
    } else {
        // One instant at a time, so that what the scene shows is printed once the instant is over.
        trace.watch(pet.scene());
        pet.start();
        trace.sceneSettled();
        for (qint64 due = time.nextDue(); due >= 0 && time.elapsedMs() + due <= end; due = time.nextDue()) {
            time.advance(due);
            trace.sceneSettled();
        }
        time.advance(end - time.elapsedMs());
        trace.finish();
    }
    const Memory &m = pet.ctx().mem();
    pet.exitSave(m.mleft, m.mtop);
    out.flush();
    const SettingsStore::Batch batch(store);
    for (auto it = copy.values().cbegin(); it != copy.values().cend(); ++it)
        if (!store.contains(it.key()) || store.read(it.key(), QString()) != it.value())
            store.write(it.key(), it.value());
    return 0;
}
