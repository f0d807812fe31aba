// The line sets the pet's routine opens by name (the click lines are found by activity instead).
// The numbers are the order of the set names in the catalogue.
#pragma once

#include <QtGlobal>

enum class Lines : qint16 {
    Shown = 0, // no new text: the speech window comes up with what it already holds
    AnswerReport,
    FirstMeeting,
    GoodNight,
    FortuneStart,
    FortuneResult,
    FlowerHope,
    GoodMorning,
    Music,
    Bath,
    ThanksDoll,
    ThanksCarKit,
    ThanksSeeds,
    ThanksSolitaire,
    ThanksViolin,
    ThanksComputer,
    Reading,
    SeeOff,
    WelcomeBack,
    FriendsVisit,
    RaceStart,
    RaceWon,
    GardoVisit,
};
