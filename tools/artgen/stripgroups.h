// The strips by activity group, each group in its own strips_*.cpp, and the poses and props they
// share. strips() puts the groups together in this order: chat, sleep, routine, meals, rest,
// pastimes, bath, presents, friendship, question, bedtime, visitors, festivals.
#pragma once

#include "figure.h"
#include "strips.h"

#include <QPainter>

constexpr double kSeatY = 78; // head centre of a figure sitting behind a table
constexpr double kTableTop = 156;

Pose standing(Outfit outfit = Outfit::Day);
Pose seated(Outfit outfit = Outfit::Day);
Pose kneeling(Outfit outfit = Outfit::Day);
Pose withArms(Pose pose, Arm (*both)(Side));
Pose blink(Pose pose);
// A book held open in both hands, the hands drawn over it.
void readingBook(QPainter &p, const Pose &pose, QRgb cover, double dy = 0);

void addChatStrips(QList<Strip> &t);       // "1".."6"
void addSleepStrips(QList<Strip> &t);      // "7".."13"
void addRoutineStrips(QList<Strip> &t);    // "14".."17"
void addMealStrips(QList<Strip> &t);       // "18".."22"
void addRestStrips(QList<Strip> &t);       // "23".."25"
void addPastimeStrips(QList<Strip> &t);    // "26".."30"
void addBathStrips(QList<Strip> &t);       // "31".."35"
void addPresentStrips(QList<Strip> &t);    // "36".."48"
void addFriendshipStrips(QList<Strip> &t); // "49", "50"
void addQuestionStrips(QList<Strip> &t);   // "51"
void addBedtimeStrips(QList<Strip> &t);    // "52", "53"
void addVisitorStrips(QList<Strip> &t);    // "60".."69"
void addFestivalStrips(QList<Strip> &t);   // "s1".."s6"
