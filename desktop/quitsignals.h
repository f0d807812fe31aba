// Turns the signals that ask a program to end (SIGTERM at shutdown and logout, SIGHUP when its
// terminal or session goes, SIGINT from Ctrl+C) into a Qt signal on the main thread, so the
// program ends through its ordinary path and saves on the way. The handler only writes one byte
// into a socket pair; a QSocketNotifier reads it in the event loop.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace desktop {

class QuitSignals : public QObject
{
    Q_OBJECT
public:
    explicit QuitSignals(QObject *parent = nullptr);
    ~QuitSignals() override;
    // False where the signals could not be caught (no socket pair, or not a Unix system).
    bool isWatching() const { return m_notifier != nullptr; }

signals:
    void quitRequested(int signalNumber);

private:
    void readSignal();
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace desktop
