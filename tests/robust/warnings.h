// Collects the warnings a piece of code logs, so a test can check that a damaged file is reported
// once by name and not once per use, and keeps the test's own output readable.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class WarningLog
{
public:
    WarningLog() { m_previous = qInstallMessageHandler(&WarningLog::handler); current() = this; }
    ~WarningLog()
    {
        qInstallMessageHandler(m_previous);
        current() = nullptr;
    }
    WarningLog(const WarningLog &) = delete;
    WarningLog &operator=(const WarningLog &) = delete;

    const QStringList &messages() const { return m_messages; }
    int count(const QString &part) const
    {
        int n = 0;
        for (const QString &m : m_messages)
            n += m.contains(part) ? 1 : 0;
        return n;
    }
    void clear() { m_messages.clear(); }

private:
    static WarningLog *&current()
    {
        static WarningLog *log = nullptr;
        return log;
    }
    static void handler(QtMsgType type, const QMessageLogContext &ctx, const QString &msg)
    {
        WarningLog *log = current();
        if (log && type == QtWarningMsg) {
            log->m_messages << msg;
            return;
        }
        if (log && log->m_previous)
            log->m_previous(type, ctx, msg);
    }
    QtMessageHandler m_previous = nullptr;
    QStringList m_messages;
};
