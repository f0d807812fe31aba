// Every text the pet's dialog windows can show, composed as the speech and question windows
// compose them: each alternative of each line set under its header (the two draws of the music
// set crossed), the answer report for every study record, each welcome back, the questions of
// the data files and of the play invitation, their answers, and the music and book replies.
// The layout tests measure them in the windows' font, and the screenshot sheet shows them.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct DataTables;

struct ShownText {
    enum Place { SpeechPanel, QuestionPanel, AnswerButton };
    Place place;
    QString where; // e.g. "IntoformD18 alternative 3", "study 4 answer 2"
    QString text;  // lines joined by CR LF
    QStringList answers = {}; // a question's three answers, which also come as buttons' texts
};

QList<ShownText> everyShownText(const DataTables &tables);
