// The per-user settings store both programs share: strings under application "Tobberly",
// section "setting". The pet and the game pack only ever read with a default, write one key,
// or (the pet's reset) remove the whole application. Typed reading lives in values.h.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

class QSettings;
class QTemporaryDir;

class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // The stored text of key, or def when the key is absent.
    virtual QString read(const QString &key, const QString &def) const = 0;
    virtual bool contains(const QString &key) const = 0;
    // Writes one key and makes it durable at once (the other program may read it next).
    virtual void write(const QString &key, const QString &value) = 0;
    // Deletes every key of the application, the other program's keys included.
    virtual void removeApplication() = 0;
    virtual QStringList keys() const = 0;
    // Picks up what another process wrote meanwhile.
    virtual void reload() {}
    // False when the last write could not be made durable (full disk, read-only folder).
    virtual bool lastWriteOk() const { return true; }
    // While the pet works a moment out ahead of its time nothing of it may reach the store: every
    // write and removal is refused then, and refused() tells that one was asked for.
    void setRefusing(bool on)
    {
        m_refusing = on;
        if (on)
            m_refused = false;
    }
    bool refused() const { return m_refused; }

    // Writes made while a Batch lives reach the file together when the last Batch ends: one lock
    // and one replace of the file instead of one per key, and a killed program leaves all of them
    // or none. Reads see them at once.
    class Batch
    {
    public:
        explicit Batch(SettingsStore &store) : m_store(store) { m_store.holdWrites(); }
        ~Batch() { m_store.releaseWrites(); }
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        SettingsStore &m_store;
    };

protected:
    // Whether a write asked for now is refused.
    bool refuse()
    {
        m_refused = m_refused || m_refusing;
        return m_refusing;
    }
    // A store that writes each key at once has nothing to gather.
    virtual void holdWrites() {}
    virtual void releaseWrites() {}

private:
    bool m_refusing = false;
    bool m_refused = false;
};

// The real store: QSettings, organisation and application "Tobberly", group "setting".
// On Linux an INI file under $XDG_CONFIG_HOME/Tobberly/Tobberly.conf, which both programs write.
//
// Every write reads the file afresh under the lock file QSettings itself uses, changes the one
// key and replaces the file whole, so a value the other program wrote a moment ago is never
// written over with an old copy, and each write is judged on its own outcome. (A long-lived
// QSettings object reports the first error it ever met after every later write, and notices
// another program's change only when the file's size or time stamp differs.) Reads come from
// what the last load, reload or write found in the file.
class QtSettingsStore : public SettingsStore
{
public:
    QtSettingsStore();
    ~QtSettingsStore() override;
    QString read(const QString &key, const QString &def) const override;
    bool contains(const QString &key) const override;
    void write(const QString &key, const QString &value) override;
    void removeApplication() override;
    QStringList keys() const override;
    void reload() override;
    bool lastWriteOk() const override { return m_lastWriteOk; }
    QString fileName() const { return m_path; }

protected:
    void holdWrites() override;
    void releaseWrites() override;

private:
    enum class Change { Set, Clear, Flush };
    bool change(Change what, const QString &key, const QString &value);
    // The file's new bytes and section from QSettings, which reads `before` and makes the change.
    bool rewrite(Change what, const QString &key, const QString &value, const QByteArray &before,
                 QByteArray &bytes, QHash<QString, QString> &after);
    void noteWrite(bool ok);
    struct PrivateCopy;
    std::unique_ptr<PrivateCopy> privateCopy(const QByteArray &bytes);
    int m_held = 0;

    QString m_path;
    QString m_folder;
    QByteArray m_written; // the file as our last write left it; empty when unknown
    QByteArray m_lockContents; // what QLockFile writes into the lock file; empty until learned
    QHash<QString, QString> m_values; // the section as last read or written
    QHash<QString, QString> m_unsaved; // written but not yet in the file
    bool m_lastWriteOk = true;
    bool m_warnedFormat = false;
    // Where the private copies are parsed and written: one folder for the store's life.
    std::unique_ptr<QTemporaryDir> m_scratch;
    quint64 m_copies = 0;
#ifdef Q_OS_WIN
    std::unique_ptr<QSettings> m_native; // the registry: no file to read afresh
#endif
};

// A store in memory, for tests and the headless simulation's scratch runs.
class MemorySettingsStore : public SettingsStore
{
public:
    QString read(const QString &key, const QString &def) const override;
    bool contains(const QString &key) const override { return m_values.contains(key); }
    void write(const QString &key, const QString &value) override;
    void removeApplication() override
    {
        if (!refuse())
            m_values.clear();
    }
    QStringList keys() const override { return m_values.keys(); }
    int writeCount() const { return m_writes; }
    QHash<QString, QString> &values() { return m_values; }

private:
    QHash<QString, QString> m_values;
    int m_writes = 0;
};
