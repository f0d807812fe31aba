#include "settingsstore.h"

#include "logging.h"

#include <QSettings>

namespace {
const QString kGroup = QStringLiteral("setting");
}

QtSettingsStore::QtSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Tobberly"), QStringLiteral("Tobberly")))
{
    if (m_settings->status() != QSettings::NoError)
        qCWarning(lcStore) << "settings file could not be read, starting from defaults:"
                           << m_settings->fileName();
}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::fileName() const { return m_settings->fileName(); }

QString QtSettingsStore::read(const QString &key, const QString &def) const
{
    const QVariant v = m_settings->value(kGroup + u'/' + key);
    if (!v.isValid())
        return def;
    // A hand-edited file may hold a list ("a, b") where we expect text; take it whole.
    if (v.userType() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

bool QtSettingsStore::contains(const QString &key) const
{
    return m_settings->contains(kGroup + u'/' + key);
}

void QtSettingsStore::write(const QString &key, const QString &value)
{
    m_settings->setValue(kGroup + u'/' + key, value);
    m_settings->sync();
    const bool ok = m_settings->status() == QSettings::NoError;
    if (!ok && m_lastWriteOk)
        qCWarning(lcStore) << "settings could not be written to" << m_settings->fileName();
    m_lastWriteOk = ok;
}

void QtSettingsStore::removeApplication()
{
    m_settings->clear();
    m_settings->sync();
    m_lastWriteOk = m_settings->status() == QSettings::NoError;
}

QStringList QtSettingsStore::keys() const
{
    m_settings->beginGroup(kGroup);
    QStringList k = m_settings->childKeys();
    m_settings->endGroup();
    return k;
}

void QtSettingsStore::reload() { m_settings->sync(); }

QString MemorySettingsStore::read(const QString &key, const QString &def) const
{
    auto it = m_values.constFind(key);
    return it == m_values.constEnd() ? def : *it;
}

void MemorySettingsStore::write(const QString &key, const QString &value)
{
    m_values.insert(key, value);
    ++m_writes;
}
