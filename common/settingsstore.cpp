#include "settingsstore.h"

#include "logging.h"
#include "writelock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {
const QString kGroup = QStringLiteral("setting");
// Another program holds the file for a few milliseconds per write; a lock held longer than this
// belongs to a program that hangs, and the write is reported as failed rather than waited for
// without end.
constexpr int kLockWaitMs = 20000;

QString textOf(const QVariant &v)
{
    // A hand-edited file may hold a list ("a, b") where we expect text; take it whole.
    if (v.userType() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

QHash<QString, QString> sectionOf(QSettings &s)
{
    QHash<QString, QString> values;
    s.beginGroup(kGroup);
    for (const QString &k : s.childKeys())
        values.insert(k, textOf(s.value(k)));
    s.endGroup();
    return values;
}

// The copies are scratch: nothing is lost with them. A desktop session's runtime folder lives in
// memory, where writing a copy costs no disk flush; elsewhere the temporary folder serves.
std::unique_ptr<QTemporaryDir> newScratch()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) {
        auto dir = std::make_unique<QTemporaryDir>(runtime + QStringLiteral("/Tobberly-XXXXXX"));
        if (dir->isValid())
            return dir;
    }
    return std::make_unique<QTemporaryDir>();
}

QString defaultPath()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tobberly"),
                     QStringLiteral("Tobberly"))
        .fileName();
}

#ifndef Q_OS_WIN
// Text QSettings writes as it stands, with neither quotes nor escapes: letters, digits and '-'.
bool plain(const QString &text, bool dash)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (!((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || (dash && u == '-')))
            return false;
    }
    return true;
}

// The file QSettings would write with these values changed, worked out on bytes QSettings
// itself wrote: it writes each key on a line of its own, so a key already in the section keeps
// its line and only the value after '=' changes. Empty when a key is not in the section yet or a
// value would need quotes or escapes: then QSettings writes the file.
QByteArray withValuesReplaced(QByteArray file, const QHash<QString, QString> &changes)
{
    const QByteArray head = '[' + kGroup.toLatin1() + "]\n";
    qsizetype begin = file.startsWith(head) ? 0 : file.indexOf('\n' + head);
    if (begin < 0)
        return {};
    begin = file.indexOf('\n', begin + 1) + 1;
    qsizetype end = file.indexOf("\n[", begin - 1);
    end = end < 0 ? file.size() : end + 1;
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
        if (!plain(it.key(), false) || !plain(it.value(), true))
            return {};
        const QByteArray line = it.key().toLatin1() + '=';
        qsizetype at = begin;
        for (;;) {
            if (at >= end)
                return {};
            if (QByteArrayView(file).sliced(at).startsWith(line))
                break;
            at = file.indexOf('\n', at) + 1;
            if (at == 0)
                return {};
        }
        const qsizetype from = at + line.size();
        const qsizetype to = file.indexOf('\n', from);
        if (to < 0 || to >= end)
            return {};
        const QByteArray value = it.value().toLatin1();
        file.replace(from, to - from, value);
        end += value.size() - (to - from);
    }
    return file;
}
#endif
} // namespace

// The file's bytes parsed and changed by Qt's own INI reader and writer, on a private copy, so
// that no cached view of the real file (QSettings shares one per file within a process) can
// stand in for what is on disk now. Each copy has a name of its own, so no cached view of an
// earlier copy can stand in for it either.
struct QtSettingsStore::PrivateCopy {
    PrivateCopy(const QString &folder, quint64 n, const QByteArray &bytes)
        : path(folder + QStringLiteral("/copy-%1.conf").arg(n))
    {
        QFile f(path);
        valid = f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    ~PrivateCopy() { QFile::remove(path); }
    PrivateCopy(const PrivateCopy &) = delete;
    PrivateCopy &operator=(const PrivateCopy &) = delete;
    // False when the copy cannot be read back: an empty file would stand for it otherwise.
    bool readBack(QByteArray &bytes) const
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return false;
        bytes = f.readAll();
        return f.error() == QFileDevice::NoError;
    }
    QString path;
    bool valid = false;
};

#ifndef Q_OS_WIN

QtSettingsStore::QtSettingsStore() : m_path(defaultPath()), m_folder(QFileInfo(m_path).path())
{
    QFile f(m_path);
    if (f.exists() && !f.open(QIODevice::ReadOnly)) {
        qCWarning(lcStore) << "settings file could not be read, starting from defaults:" << m_path;
        return;
    }
    reload();
}

QtSettingsStore::~QtSettingsStore() = default;

void QtSettingsStore::reload()
{
    QFile f(m_path);
    if (!f.exists()) {
        m_values.clear();
        m_written.clear();
        return;
    }
    if (!f.open(QIODevice::ReadOnly))
        return; // keep what we have; the warning was given when it first failed
    const QByteArray bytes = f.readAll();
    if (bytes != m_written)
        m_written.clear();
    const std::unique_ptr<PrivateCopy> copy = privateCopy(bytes);
    if (!copy)
        return;
    QSettings s(copy->path, QSettings::IniFormat);
    m_values = sectionOf(s);
    if (s.status() == QSettings::FormatError && !m_warnedFormat) {
        m_warnedFormat = true;
        qCWarning(lcStore) << "settings file holds lines that cannot be read; they are skipped:" << m_path;
    }
    for (auto it = m_unsaved.cbegin(); it != m_unsaved.cend(); ++it)
        m_values.insert(it.key(), it.value());
}

bool QtSettingsStore::change(Change what, const QString &key, const QString &value)
{
    if (!QFileInfo::exists(m_folder) && !QDir().mkpath(m_folder))
        return false;
    // The lock QSettings takes around its own writes: the other program waits for ours, we for its.
    WriteLock lock(m_path + QStringLiteral(".lock"), m_lockContents);
    if (!lock.take(kLockWaitMs))
        return false;
    QByteArray before;
    QFile f(m_path);
    if (f.exists()) {
        // A file we may not read is still the user's: never replace it with what little we know.
        if (!f.open(QIODevice::ReadOnly))
            return false;
        before = f.readAll();
        f.close();
    }
    // Unchanged since our last write, the file's bytes are QSettings's own: a value of a key it
    // holds already is changed in place.
    QByteArray bytes;
    QHash<QString, QString> after;
    if (what != Change::Clear && !m_written.isEmpty() && before == m_written) {
        QHash<QString, QString> changes = m_unsaved;
        if (what == Change::Set)
            changes.insert(key, value);
        bytes = withValuesReplaced(before, changes);
        if (!bytes.isEmpty()) {
            after = m_values;
            after.insert(changes);
        }
    }
    m_written.clear();
    if (bytes.isEmpty() && !rewrite(what, key, value, before, bytes, after))
        return false;
    QSaveFile out(m_path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return false;
    m_values = after;
    m_written = bytes;
    return true;
}

bool QtSettingsStore::rewrite(Change what, const QString &key, const QString &value, const QByteArray &before,
                              QByteArray &bytes, QHash<QString, QString> &after)
{
    const std::unique_ptr<PrivateCopy> copy = privateCopy(before);
    if (!copy)
        return false;
    {
        QSettings s(copy->path, QSettings::IniFormat);
        if (what == Change::Clear) {
            s.clear();
        } else {
            for (auto it = m_unsaved.cbegin(); it != m_unsaved.cend(); ++it)
                s.setValue(kGroup + u'/' + it.key(), it.value());
            if (what == Change::Set)
                s.setValue(kGroup + u'/' + key, value);
        }
        s.sync();
        if (s.status() == QSettings::AccessError)
            return false;
        if (s.status() == QSettings::FormatError && !m_warnedFormat) {
            m_warnedFormat = true;
            qCWarning(lcStore) << "settings file held lines that cannot be read; they are dropped:" << m_path;
        }
        after = sectionOf(s);
    }
    return copy->readBack(bytes);
}

QString QtSettingsStore::read(const QString &key, const QString &def) const
{
    const auto it = m_values.constFind(key);
    return it == m_values.constEnd() ? def : *it;
}

bool QtSettingsStore::contains(const QString &key) const { return m_values.contains(key); }

QStringList QtSettingsStore::keys() const { return m_values.keys(); }

std::unique_ptr<QtSettingsStore::PrivateCopy> QtSettingsStore::privateCopy(const QByteArray &bytes)
{
    // Once more in a new folder should the old one have been swept away meanwhile.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!m_scratch || !m_scratch->isValid() || attempt > 0)
            m_scratch = newScratch();
        if (!m_scratch->isValid())
            continue;
        auto copy = std::make_unique<PrivateCopy>(m_scratch->path(), ++m_copies, bytes);
        if (copy->valid)
            return copy;
    }
    return nullptr;
}

void QtSettingsStore::write(const QString &key, const QString &value)
{
    if (refuse())
        return;
    if (m_held > 0) {
        m_unsaved.insert(key, value);
        m_values.insert(key, value);
        return;
    }
    const bool ok = change(Change::Set, key, value);
    m_unsaved.remove(key);
    if (ok) {
        m_unsaved.clear();
    } else {
        // Kept in memory and written with the next write that succeeds.
        m_unsaved.insert(key, value);
        m_values.insert(key, value);
    }
    noteWrite(ok);
}

void QtSettingsStore::holdWrites() { ++m_held; }

void QtSettingsStore::releaseWrites()
{
    if (m_held == 0 || --m_held > 0 || m_unsaved.isEmpty())
        return;
    const bool ok = change(Change::Flush, QString(), QString());
    if (ok)
        m_unsaved.clear();
    noteWrite(ok);
}

void QtSettingsStore::removeApplication()
{
    if (refuse())
        return;
    m_unsaved.clear();
    const bool ok = change(Change::Clear, QString(), QString());
    m_values.clear();
    noteWrite(ok);
}

#else // the registry

QtSettingsStore::QtSettingsStore()
    : m_native(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("Tobberly"), QStringLiteral("Tobberly")))
{
    m_path = m_native->fileName();
}

QtSettingsStore::~QtSettingsStore() = default;

void QtSettingsStore::reload() { m_native->sync(); }

bool QtSettingsStore::change(Change what, const QString &key, const QString &value)
{
    // The status of a QSettings object keeps its first error for ever: judge each write afresh.
    if (m_native->status() != QSettings::NoError)
        m_native = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                               QStringLiteral("Tobberly"), QStringLiteral("Tobberly"));
    if (what == Change::Clear)
        m_native->clear();
    else
        m_native->setValue(kGroup + u'/' + key, value);
    m_native->sync();
    return m_native->status() != QSettings::AccessError;
}

QString QtSettingsStore::read(const QString &key, const QString &def) const
{
    const QVariant v = m_native->value(kGroup + u'/' + key);
    return v.isValid() ? textOf(v) : def;
}

bool QtSettingsStore::contains(const QString &key) const { return m_native->contains(kGroup + u'/' + key); }

QStringList QtSettingsStore::keys() const { return sectionOf(*m_native).keys(); }

void QtSettingsStore::write(const QString &key, const QString &value)
{
    if (!refuse())
        noteWrite(change(Change::Set, key, value));
}

void QtSettingsStore::removeApplication()
{
    if (!refuse())
        noteWrite(change(Change::Clear, QString(), QString()));
}

// The registry writes each key on its own.
void QtSettingsStore::holdWrites() {}
void QtSettingsStore::releaseWrites() {}

#endif

void QtSettingsStore::noteWrite(bool ok)
{
    if (!ok && m_lastWriteOk)
        qCWarning(lcStore) << "settings could not be written to" << m_path;
    else if (ok && !m_lastWriteOk)
        qCInfo(lcStore) << "settings can be written again:" << m_path;
    m_lastWriteOk = ok;
}

QString MemorySettingsStore::read(const QString &key, const QString &def) const
{
    auto it = m_values.constFind(key);
    return it == m_values.constEnd() ? def : *it;
}

void MemorySettingsStore::write(const QString &key, const QString &value)
{
    if (refuse())
        return;
    m_values.insert(key, value);
    ++m_writes;
}
