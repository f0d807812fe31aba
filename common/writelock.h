// The lock around a write of the settings file: the file QSettings and QLockFile make beside it
// ("Tobberly.conf.lock"), so that the other program, QSettings anywhere and this store wait for one
// another. QLockFile flushes its lock file to the disk each time it makes one: a disk flush every
// minute for a file that lives a millisecond. So once a lock has been taken through QLockFile, and
// what QLockFile writes into it read back, later locks make the same file with the same bytes
// themselves, without the flush. Whenever the file is there already (another program writing, a
// lock left by a program that was killed), QLockFile decides, with its own waiting and its own
// judgement of a lock left behind.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QLockFile>
#include <QString>
#include <memory>

class WriteLock
{
public:
    // `contents`: what QLockFile writes into its file in this process, learned by the first lock
    // taken through it and kept by the caller for the next locks (empty: not known yet).
    WriteLock(const QString &path, QByteArray &contents);
    ~WriteLock(); // lets go of the lock
    WriteLock(const WriteLock &) = delete;
    WriteLock &operator=(const WriteLock &) = delete;

    // Takes the lock, waiting up to `waitMs` for another holder; false when it could not.
    bool take(int waitMs);
    // Whether this lock was made without QLockFile (for tests).
    bool madeDirectly() const { return m_direct != nullptr; }

private:
    bool makeDirectly();

    QString m_path;
    QByteArray &m_contents;
    std::unique_ptr<QFile> m_direct;
    std::unique_ptr<QLockFile> m_lockFile;
};
