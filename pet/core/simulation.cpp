#include "simulation.h"

#include "common/random.h"
#include "common/settingsstore.h"
#include "common/timers.h"
#include "pet.h"

namespace {
class PrintingTrace : public Trace
{
public:
    PrintingTrace(const Clock &clock, QTextStream &out) : m_clock(clock), m_out(out) {}
    void eventStarted(int n) override { line(QStringLiteral("event %1").arg(n)); }
    void speechShown(const QString &set) override { line(QStringLiteral("speech ") + set); }
    void questionShown(int kind) override { line(QStringLiteral("question %1").arg(kind)); }
    void presentDelivered(int k) override { line(QStringLiteral("present %1").arg(k)); }

private:
    void line(const QString &what)
    {
        m_out << m_clock.now().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) << ' ' << what << '\n';
    }
    const Clock &m_clock;
    QTextStream &m_out;
};
} // namespace

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
    setup.datDir = programDir + QStringLiteral("/dat");
    setup.desktopDir = desktopDir;
    Pet pet(copy, time, rnd, time, setup);
    PrintingTrace trace(time, out);
    pet.ctx().trace = &trace;
    pet.Form_Load();
    time.advance(opt.minutes * 60000);
    const Memory &m = pet.ctx().mem();
    pet.exitSave(m.mleft, m.mtop);
    out.flush();
    for (auto it = copy.values().cbegin(); it != copy.values().cend(); ++it)
        if (!store.contains(it.key()) || store.read(it.key(), QString()) != it.value())
            store.write(it.key(), it.value());
    return 0;
}
