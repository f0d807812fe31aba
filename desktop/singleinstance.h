// One pet at a time on one settings store: the first start holds a lock in the user's runtime
// folder and listens on a local socket beside it; a later start on the same store tells the
// running pet to come to the front and ends. A lock left by a killed pet belongs to a process
// that no longer runs and is taken over. Pets on different stores (tests, other users) never
// meet: the name carries the user and a hash of the store's folder.
#pragma once

#include <QLockFile>
#include <QObject>
#include <memory>

class QLocalServer;

namespace desktop {

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // key: what makes two starts the same pet (the settings file's path).
    explicit SingleInstance(const QString &key, QObject *parent = nullptr);
    ~SingleInstance() override;

    enum class Outcome { First, AlreadyRunning, Unguarded };
    // Claims the place of the running pet, or (when another holds it) asks that one to come to
    // the front. Unguarded: no runtime folder could be used; the start goes on unguarded.
    Outcome claim();

    // The folder of the lock and the socket, and their common base name.
    QString runtimeDir() const { return m_dir; }
    QString baseName() const { return m_base; }

    // $XDG_RUNTIME_DIR, or else a folder of this user's own in the temporary folder.
    static QString userRuntimeDir();
    static QString baseNameFor(const QString &key);

signals:
    // A later start asked the running pet to come to the front.
    void activationRequested();

private:
    bool listen();
    bool askRunning();
    QString m_dir;
    QString m_base;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};

} // namespace desktop
