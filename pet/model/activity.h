// The activities other parts start or ask about, by name. An activity is known by its number
// (the trace prints it, the click lines are found by it); the names say which one is meant.
#pragma once

#include <QtGlobal>

namespace act {
constexpr qint16 FirstMeeting = 0;
constexpr qint16 FirstSleep = 7; // the four ways of sleeping are 7..10
constexpr qint16 LastSleep = 10;
constexpr qint16 Studying = 26;
constexpr qint16 Reading = 27;
constexpr qint16 ReadingLyingDown = 28;
constexpr qint16 ListeningToMusic = 29;
constexpr qint16 ListeningLyingDown = 30;
constexpr qint16 PlayingWithDoll = 37;
constexpr qint16 BuildingToyCar = 38;
constexpr qint16 WateringFlower = 40;
constexpr qint16 PlayingSolitaire = 42;
constexpr qint16 PlayingViolin = 43;
constexpr qint16 UsingComputer = 44;
constexpr qint16 AskStudyQuestion = 51;
constexpr qint16 WokenAtNight = 54;
constexpr qint16 AskToPlay = 60;
constexpr qint16 SeeUserOff = 61;
constexpr qint16 WelcomeUserBack = 62;
constexpr qint16 FriendsArrive = 631;
constexpr qint16 RaceDay = 641;
constexpr qint16 GardoArrives = 651;
} // namespace act
