#include "random.h"

int SeededRandom::draw(int n)
{
    if (n <= 1)
        return 1;
    std::uniform_real_distribution<double> u(0.0, 1.0);
    const int k = int(u(m_engine) * n) + 1;
    return k > n ? n : k;
}

int ScriptedRandom::draw(int n)
{
    m_asked.append(n);
    if (m_draws.isEmpty()) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("scripted draws ran dry at a draw of 1..%1").arg(n);
        return 1;
    }
    const int d = m_draws.takeFirst();
    if (d < 1 || d > n) {
        if (m_error.isEmpty())
            m_error = QStringLiteral("scripted draw %1 is outside 1..%2").arg(d).arg(n);
        return 1;
    }
    return d;
}
