#include "singleinstance.h"

#include "desktoplog.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

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

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

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
    m_lock = std::make_unique<QLockFile>(m_dir + u'/' + m_base + QStringLiteral(".lock"));
    // Only a lock whose process has gone is stale, however old it is.
    m_lock->setStaleLockTime(0);
    // Two starts at the same moment: the loser may find the winner not yet listening, so it
    // waits a little on the lock between its questions.
    for (int attempt = 0; attempt < 15; ++attempt) {
        if (m_lock->tryLock(attempt == 0 ? 0 : 200))
            return listen() ? Outcome::First : Outcome::Unguarded;
        if (m_lock->error() != QLockFile::LockFailedError) {
            qCWarning(lcDesktop) << "cannot make the lock in" << m_dir << ": a second pet is not kept out";
            return Outcome::Unguarded;
        }
        if (askRunning())
            return Outcome::AlreadyRunning;
    }
    qCWarning(lcDesktop, "a pet on this store holds the lock but does not answer");
    return Outcome::AlreadyRunning;
}

bool SingleInstance::listen()
{
    QString name = m_base;
#ifdef Q_OS_UNIX
    name = m_dir + u'/' + m_base + QStringLiteral(".socket");
#endif
    // We hold the lock, so a socket left here belongs to a pet that is gone.
    QLocalServer::removeServer(name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(name)) {
        qCWarning(lcDesktop) << "cannot listen for later starts on" << name << ":" << m_server->errorString();
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *s = m_server->nextPendingConnection()) {
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (s->readAll().contains(kRaise.trimmed()))
                    emit activationRequested();
                s->disconnectFromServer();
            });
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        }
    });
    return true;
}

bool SingleInstance::askRunning()
{
    QString name = m_base;
#ifdef Q_OS_UNIX
    name = m_dir + u'/' + m_base + QStringLiteral(".socket");
#endif
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write(kRaise);
    socket.waitForBytesWritten(1000);
    // Wait until the running pet has read it and hung up, so the request is not lost.
    if (socket.state() == QLocalSocket::ConnectedState)
        socket.waitForDisconnected(1000);
    return true;
}

} // namespace desktop
