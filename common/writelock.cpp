#include "writelock.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#ifdef Q_OS_UNIX
#include <sys/file.h>
#endif

WriteLock::WriteLock(const QString &path, QByteArray &contents) : m_path(path), m_contents(contents) {}

WriteLock::~WriteLock()
{
    if (m_direct) {
        // Gone before it is let go: no one can take a lock file that is about to disappear.
        QFile::remove(m_path);
        m_direct->close();
    }
}

bool WriteLock::makeDirectly()
{
    // QLockFile's own test of a lock file it finds reads its first line as the holder's process.
    if (!m_contents.startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'))
        return false;
    auto file = std::make_unique<QFile>(m_path);
    // Made only where there is none, as QLockFile makes it.
    if (!file->open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return false;
#ifdef Q_OS_UNIX
    // As QLockFile does: held so, the file is not taken away by a program that judges it left behind.
    flock(file->handle(), LOCK_EX | LOCK_NB);
#endif
    if (file->write(m_contents) != m_contents.size()) {
        // A full disk: no half-written lock is left for others to puzzle over.
        file->close();
        QFile::remove(m_path);
        return false;
    }
    m_direct = std::move(file);
    return true;
}

bool WriteLock::take(int waitMs)
{
    // Tried every few milliseconds: the lock file's own back-off (a tenth of a second, doubling)
    // lets a program that writes often take the lock again and again before us.
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (makeDirectly())
            return true;
        if (!m_lockFile)
            m_lockFile = std::make_unique<QLockFile>(m_path);
        if (m_lockFile->tryLock(0))
            break;
        if (m_lockFile->error() != QLockFile::LockFailedError || waited.elapsed() > waitMs)
            return false;
        QThread::msleep(2);
    }
    if (m_contents.isEmpty()) {
        QFile made(m_path);
        if (made.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = made.readAll();
            if (bytes.endsWith('\n'))
                m_contents = bytes;
        }
    }
    return true;
}
