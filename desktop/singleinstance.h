// One pet at a time on one settings store: the first start holds a lock in the user's runtime
// folder; a later start on the same store finds the lock held by a live pet, leaves it a request
// to come to the front in a small file beside the lock, and ends. The running pet watches that
// file (from listen() on) and reads a request that came while it was still starting once it
// listens. A lock left by a killed pet belongs to a process that no longer runs and is taken over.
// Pets on different stores (tests, other users) never meet: the name carries the user and a hash
// of the store's folder. Plain files and Qt Core only, so the claim loads no network library.
#pragma once

#include <QLockFile>
#include <QObject>
#include <memory>

class QFileSystemWatcher;

namespace desktop {

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // key: what makes two starts the same pet (the settings file's path).
    explicit SingleInstance(const QString &key, QObject *parent = nullptr);
    ~SingleInstance() override;

    enum class Outcome { First, AlreadyRunning, Unguarded };
    // Claims the place of the running pet, or (when a live pet holds it) asks that one to come to
    // the front. Unguarded: no runtime folder could be used; the start goes on unguarded.
    Outcome claim();
    // The pet that claimed its place hears later starts from now on, and one that asked while it
    // was starting at once. Until then requests wait in the file; none is lost.
    void listen();

    // The folder of the lock and the request file, and their common base name.
    QString runtimeDir() const { return m_dir; }
    QString baseName() const { return m_base; }
    QString requestFile() const;

    // $XDG_RUNTIME_DIR, or else a folder of this user's own in the temporary folder.
    static QString userRuntimeDir();
    static QString baseNameFor(const QString &key);

    // A lock whose holder cannot be read (a pet killed while it was writing it, a power cut) is
    // taken over once it is this old: a live pet writes its name within a moment of taking it.
    static constexpr int unreadableLockStaleMs = 5000;

signals:
    // A later start asked the running pet to come to the front.
    void activationRequested();

private:
    bool askRunning();
    void readRequests();
    QString m_dir;
    QString m_base;
    std::unique_ptr<QLockFile> m_lock;
    QFileSystemWatcher *m_watcher = nullptr;
    qint64 m_read = 0; // how much of the request file has been answered
};

} // namespace desktop
