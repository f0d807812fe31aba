// The four data files read once at start-up: study, music and book questions and the list of
// present files. A missing or short file leaves its records empty.
#pragma once

#include <QString>
#include <array>

struct StudyRecord {
    QString question;
    std::array<QString, 4> answer; // 1..3
    qint16 right = 0;
};

struct TasteRecord { // a music or book question
    QString question;
    std::array<QString, 4> answer;        // 1..3
    std::array<QString, 4> reply1, reply2; // two reply lines for answer 1..3
    std::array<qint16, 4> change{};       // friendship change for answer 1..3
};

struct PresentFile {
    QString stored;    // name in dat/
    QString delivered; // name on the desktop
};

struct DataTables {
    std::array<StudyRecord, 21> study;  // 1..16 read
    std::array<TasteRecord, 11> music;  // 1..5 read
    std::array<TasteRecord, 11> book;   // 1..5 read
    std::array<PresentFile, 21> present; // 1..15 read

    // Reads Study.dat, Music.dat, Book.dat and Present.dat from dir, in that order.
    void load(const QString &dir);
};
