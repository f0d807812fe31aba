// The one source of chance of each program: draw(n) gives 1..n with equal weight, the same
// as taking the integer part of a uniform [0, 1) number times n, plus one.
#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <random>

class Random
{
public:
    virtual ~Random() = default;
    virtual int draw(int n) = 0;
    // Where the draws stand, to be put back (draws made for a moment worked out ahead of its
    // time are made again when it comes); nothing where they cannot be put back.
    using Saved = std::shared_ptr<const void>;
    virtual Saved save() const { return nullptr; }
    virtual void restore(const Saved &) {}
};

class SeededRandom : public Random
{
public:
    explicit SeededRandom(quint64 seed) : m_engine(seed) {}
    int draw(int n) override;
    Saved save() const override { return std::make_shared<std::mt19937_64>(m_engine); }
    void restore(const Saved &s) override
    {
        if (s)
            m_engine = *static_cast<const std::mt19937_64 *>(s.get());
    }

private:
    std::mt19937_64 m_engine;
};

// Hands out the draws a test scripts, in order; running dry or a draw out of range is a test
// failure (reported through failed()), after which it falls back to 1.
class ScriptedRandom : public Random
{
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<int> draws) : m_draws(draws) {}
    void push(std::initializer_list<int> draws) { m_draws.append(QList<int>(draws)); }
    void push(int d) { m_draws.append(d); }
    int draw(int n) override;
    bool failed() const { return !m_error.isEmpty(); }
    QString error() const { return m_error; }
    int remaining() const { return int(m_draws.size()); }
    // The n of every draw asked for, in order (tests check which draws a rule made).
    const QList<int> &asked() const { return m_asked; }

private:
    QList<int> m_draws;
    QList<int> m_asked;
    QString m_error;
};
