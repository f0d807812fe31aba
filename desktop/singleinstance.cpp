#include "singleinstance.h"

#include "desktoplog.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace desktop {
namespace {
const QByteArray kRaise = "raise\n";
}

SingleInstance::SingleInstance(const QString &key, QObject *parent)
    : QObject(parent), m_dir(userRuntimeDir()), m_base(baseNameFor(key))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::baseNameFor(const QString &key)
{
    const QByteArray hash = QCryptographicHash::hash(QDir::cleanPath(key).toUtf8(), QCryptographicHash::Sha1).toHex();
    QString user;
#ifdef Q_OS_UNIX
    user = QString::number(::getuid());
#else
    user = qEnvironmentVariable("USERNAME");
#endif
    return QStringLiteral("lunetta-%1-%2").arg(user, QString::fromLatin1(hash.left(16)));
}

QString SingleInstance::requestFile() const { return m_dir + u'/' + m_base + QStringLiteral(".raise"); }

QString SingleInstance::userRuntimeDir()
{
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty() && QFileInfo(xdg).isDir() && QFileInfo(xdg).isWritable())
        return xdg;
#ifdef Q_OS_UNIX
    // Without a runtime folder: one of our own under /tmp, which nobody else may own or enter.
    const QString dir = QDir::tempPath() + QStringLiteral("/tobberly-") + QString::number(::getuid());
    const QByteArray path = QFile::encodeName(dir);
    ::mkdir(path.constData(), 0700);
    struct stat st = {};
    if (::lstat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid()
        || (st.st_mode & 077) != 0) {
        qCWarning(lcDesktop) << "no private runtime folder (XDG_RUNTIME_DIR unset and" << dir
                             << "unusable): a second pet is not kept out";
        return QString();
    }
    return dir;
#else
    return QDir::tempPath();
#endif
}

SingleInstance::Outcome SingleInstance::claim()
{
    if (m_dir.isEmpty())
        return Outcome::Unguarded;
    const QString lockName = m_dir + u'/' + m_base + QStringLiteral(".lock");
    m_lock = std::make_unique<QLockFile>(lockName);
    // Only a lock whose process has gone is stale, however old it is.
    m_lock->setStaleLockTime(0);
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (m_lock->tryLock(0)) {
            // What is in the request file was asked of a pet that has gone since.
            QFile::remove(requestFile());
            return Outcome::First;
        }
        if (m_lock->error() != QLockFile::LockFailedError) {
            qCWarning(lcDesktop) << "cannot make the lock in" << m_dir << ": a second pet is not kept out";
            return Outcome::Unguarded;
        }
        // Held by a process that runs: a pet, which is asked below.
        qint64 pid = 0;
        QString host, app;
        if (m_lock->getLockInfo(&pid, &host, &app))
            break;
        const QFileInfo lock(lockName);
        if (!lock.exists())
            continue; // its pet ended this moment: the place is free
        if (lock.lastModified().msecsTo(QDateTime::currentDateTime()) < unreadableLockStaleMs)
            break; // a pet is taking it this very moment
        qCWarning(lcDesktop) << "taking over a lock that names no pet:" << lockName;
        m_lock->removeStaleLockFile();
    }
    if (!askRunning())
        qCWarning(lcDesktop) << "a pet runs on this store, but it could not be asked to come forward:"
                             << requestFile();
    return Outcome::AlreadyRunning;
}

bool SingleInstance::askRunning()
{
    QFile f(requestFile());
    return f.open(QIODevice::WriteOnly | QIODevice::Append) && f.write(kRaise) == kRaise.size() && f.flush();
}

void SingleInstance::listen()
{
    if (m_watcher || !m_lock || !m_lock->isLocked())
        return;
    m_watcher = new QFileSystemWatcher(this);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &SingleInstance::readRequests);
    readRequests();
}

void SingleInstance::readRequests()
{
    const QString name = requestFile();
    QFile f(name);
    // The file is made here, so that it can be watched; should it be swept away, it is made and
    // watched again (a later start makes it too, and what it wrote is read just below).
    if (!f.open(QIODevice::ReadWrite)) {
        qCWarning(lcDesktop) << "cannot listen for later starts in" << name;
        return;
    }
    if (!m_watcher->files().contains(name))
        m_watcher->addPath(name);
    // Requests are only ever appended; the answered part is skipped rather than cut off, so a
    // request written while this one is read is never lost.
    if (f.size() < m_read)
        m_read = 0; // a new file
    if (f.size() == m_read)
        return;
    f.seek(m_read);
    const QByteArray pending = f.readAll();
    m_read += pending.size();
    if (pending.contains(kRaise.trimmed()))
        emit activationRequested();
}

} // namespace desktop
