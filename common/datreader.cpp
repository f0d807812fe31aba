#include "datreader.h"

#include "cp932.h"
#include "logging.h"
#include "values.h"

#include <QFile>

DatReader DatReader::fromFile(const QString &path, bool *found)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        qCWarning(lcData) << "data file missing or unreadable:" << path;
        if (found)
            *found = false;
        return DatReader(QString());
    }
    // Our data files are small; a runaway file is read only as far as any of them could go. The
    // buffer is the file's size: a buffer of the cap would cost megabytes at every start.
    const qint64 cap = 4 * 1024 * 1024;
    const qint64 size = f.size();
    const QByteArray bytes = f.read(size > 0 && size < cap ? size : cap);
    bool ok = true;
    QString text = cp932::decode(bytes, &ok);
    if (!ok)
        qCWarning(lcData) << "data file holds bytes that are not Shift_JIS:" << path;
    if (found)
        *found = true;
    return DatReader(std::move(text));
}

bool DatReader::atEnd() const
{
    qsizetype p = m_pos;
    while (p < m_text.size() && (m_text[p] == u' ' || m_text[p] == u'\t' || m_text[p] == u'\r'
                                 || m_text[p] == u'\n'))
        ++p;
    return p >= m_text.size();
}

QString DatReader::nextText()
{
    const qsizetype n = m_text.size();
    // Skip leading blanks, and the line breaks that end a previous record.
    while (m_pos < n && (m_text[m_pos] == u' ' || m_text[m_pos] == u'\t' || m_text[m_pos] == u'\r'
                         || m_text[m_pos] == u'\n'))
        ++m_pos;
    if (m_pos >= n)
        return QString();

    QString value;
    if (m_text[m_pos] == u'"') {
        const qsizetype close = m_text.indexOf(u'"', m_pos + 1);
        const qsizetype end = close < 0 ? n : close;
        value = m_text.mid(m_pos + 1, end - m_pos - 1);
        m_pos = close < 0 ? n : close + 1;
        // Whatever stands between the closing quote and the delimiter is dropped.
        while (m_pos < n && m_text[m_pos] != u',' && m_text[m_pos] != u'\n' && m_text[m_pos] != u'\r')
            ++m_pos;
    } else {
        qsizetype end = m_pos;
        while (end < n && m_text[end] != u',' && m_text[end] != u'\n' && m_text[end] != u'\r')
            ++end;
        value = m_text.mid(m_pos, end - m_pos);
        // Trailing blanks of an unquoted field are not part of it.
        while (!value.isEmpty() && (value.back() == u' ' || value.back() == u'\t'))
            value.chop(1);
        m_pos = end;
    }
    // Consume the delimiter: a comma, or one line break (CR LF, LF or CR).
    if (m_pos < n) {
        if (m_text[m_pos] == u',') {
            ++m_pos;
        } else if (m_text[m_pos] == u'\r') {
            ++m_pos;
            if (m_pos < n && m_text[m_pos] == u'\n')
                ++m_pos;
        } else if (m_text[m_pos] == u'\n') {
            ++m_pos;
        }
    }
    return value;
}

qint16 DatReader::nextInt()
{
    return values::toInt16(nextText()).value_or(0);
}
