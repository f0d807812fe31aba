#include "autostart.h"

#include "desktoplog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace desktop {

QString autostartFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/autostart/lunetta.desktop");
}

bool autostartEnabled()
{
    QFile f(autostartFile());
    if (!f.open(QIODevice::ReadOnly))
        return false;
    // An entry the user's desktop switched off (Hidden=true) does not start anything.
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.trimmed().replace(' ', "") == "Hidden=true")
            return false;
    return true;
}

QString execLine(const QString &program)
{
    // Plain paths stand as they are; others are quoted, with the characters the quoting
    // reserves escaped, and then escaped once more as any string value of an entry is.
    bool plain = !program.isEmpty();
    for (QChar c : program)
        if (!(c.isLetterOrNumber() || QStringLiteral("/._+-,:@").contains(c)))
            plain = false;
    QString exec;
    if (plain) {
        exec = program;
    } else {
        exec = QStringLiteral("\"");
        for (QChar c : program) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                exec += u'\\';
            exec += c;
        }
        exec += u'"';
        exec.replace(u'\\', QStringLiteral("\\\\"));
    }
    exec.replace(u'%', QStringLiteral("%%"));
    return exec;
}

bool setAutostart(bool enabled, const QString &program)
{
    const QString file = autostartFile();
    if (!enabled) {
        if (!QFileInfo::exists(file) || QFile::remove(file))
            return true;
        qCWarning(lcDesktop) << "cannot remove the autostart entry" << file;
        return false;
    }
    if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
        qCWarning(lcDesktop) << "cannot make the autostart folder for" << file;
        return false;
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        qCWarning(lcDesktop) << "cannot write the autostart entry" << file << out.errorString();
        return false;
    }
    const QString entry = QStringLiteral("[Desktop Entry]\n"
                                         "Type=Application\n"
                                         "Name=ピモといっしょ\n"
                                         "Comment=ログインしたらピモも起きる\n"
                                         "Exec=%1\n"
                                         "Icon=lunetta\n"
                                         "Terminal=false\n"
                                         "X-GNOME-Autostart-enabled=true\n")
                              .arg(execLine(program));
    out.write(entry.toUtf8());
    if (!out.commit()) {
        qCWarning(lcDesktop) << "cannot write the autostart entry" << file << out.errorString();
        return false;
    }
    return true;
}

} // namespace desktop
