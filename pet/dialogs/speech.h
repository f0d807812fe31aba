// The speech window's rules: composing a line set's text (fixed change, header, draw, the
// alternative's change, text, close timer), the three sets whose text follows a rule (the answer
// report, the welcome back, a caller's text), and closing on a click or after 30 seconds.
#pragma once

#include "pet/model/context.h"

#include <functional>

class Speech
{
public:
    // onClosed runs when the window closes, by a click or by its timer.
    Speech(PetContext &ctx, std::function<void()> onClosed);

    // Runs the named line set into the speech window's text. Unknown names do nothing.
    void run(const QString &name);
    void composeAnswerReport();
    void composeWelcomeBack();
    void showGivenText(const QString &text);
    // The first lines of the answer report: whether the answer was right, and the right one.
    static QString reportOpening(const QString &rightAnswer, bool wasRight);

    // A click on the text (not the margin), or the close timer.
    void close();
    bool closeTimerOn() const;
    QString lastSet() const { return m_last; }

    static constexpr int kCloseMs = 30000;

private:
    void compose(const struct LineSet &set);
    void finish(const QString &text, bool autoClose);
    PetContext &m_ctx;
    std::function<void()> m_onClosed;
    int m_closeTimer;
    QString m_last;
};
