// Reads the fields of a .dat file the way the data files are written: a field ends at a comma
// or a line break; leading blanks are skipped; a field that opens with a double quote runs to
// the next double quote (commas and line breaks inside it belong to it) and the quotes are not
// part of the value; numbers are read as 16-bit integers. Records need not start on a new line.
#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

class DatReader
{
public:
    explicit DatReader(QString text) : m_text(std::move(text)) {}
    // Reads a whole CP932 file; a missing or unreadable file reads as empty (one warning).
    static DatReader fromFile(const QString &path, bool *found = nullptr);

    bool atEnd() const;
    // The next field as text; an empty string past the end.
    QString nextText();
    // The next field as a 16-bit integer; 0 when it is missing or not a number in range.
    qint16 nextInt();

private:
    QString m_text;
    qsizetype m_pos = 0;
};
