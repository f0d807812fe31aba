// The per-user settings store both programs share: strings under application "Tobberly",
// section "setting". The pet and the game pack only ever read with a default, write one key,
// or (the pet's reset) remove the whole application. Typed reading lives in values.h.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

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
};

// The real store: QSettings, organisation and application "Tobberly", group "setting".
// On Linux an INI file under $XDG_CONFIG_HOME/Tobberly/Tobberly.conf.
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
    QString fileName() const;

private:
    std::unique_ptr<QSettings> m_settings;
    bool m_lastWriteOk = true;
    mutable bool m_warnedRead = false;
};

// A store in memory, for tests and the headless simulation's scratch runs.
class MemorySettingsStore : public SettingsStore
{
public:
    QString read(const QString &key, const QString &def) const override;
    bool contains(const QString &key) const override { return m_values.contains(key); }
    void write(const QString &key, const QString &value) override;
    void removeApplication() override { m_values.clear(); }
    QStringList keys() const override { return m_values.keys(); }
    int writeCount() const { return m_writes; }
    QHash<QString, QString> &values() { return m_values; }

private:
    QHash<QString, QString> m_values;
    int m_writes = 0;
};
