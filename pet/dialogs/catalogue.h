// The pet's line sets as data: for each set its name, whether it closes by itself after 30 s or
// waits for a click, a friendship change made every time, an optional header line, and one or
// more independent draws, each a list of alternatives (lines and the friendship change made when
// that alternative is picked). A draw with a single alternative is fixed text and takes no chance.
// The composer (speech.h) walks this data; the texts themselves live in cataloguedata.cpp.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "pet/model/lines.h"

struct Alternative {
    QStringList lines; // joined with CR LF; a conversation has empty lines between utterances
    qint16 change = 0;
};

enum class Close { Auto, Click };

struct LineSet {
    QString name;            // "Intoform0", "IntoformD18", ...
    Close close = Close::Auto;
    qint16 fixedChange = 0;  // made before anything else, whatever is drawn
    QString header;          // first line when not empty
    QList<QList<Alternative>> draws;
};

// Every line set, IntoformC excepted (its text comes from the caller).
// Two sets carry texts chosen by rule rather than by chance:
//  - "Intoform" (the answer report): draws[0] = the three pleased lines after a right answer,
//    draws[1] = the three sulky lines after a wrong one; only one of the two is drawn from.
//  - "Intoform10" (welcome back): draws[0] = four two-line texts for under 5, 5-29, 30-59 and
//    60 or more minutes away; the composer picks by minutes and makes the friendship change.
const QList<LineSet> &catalogue();
const LineSet *findLineSet(const QString &name);

// The catalogue name of a named line set; empty for Lines::Shown and unknown values.
QString lineSetName(Lines lines);
// The line set a showClickLines number opens ("IntoformD" + n, or IntoformE1..E6 for 1001..1006);
// empty for a number without a set.
QString clickLineSetName(int n);
