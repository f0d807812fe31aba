// What the pet does at each hour of the day: the hour table, as data. Each hour has rows tried
// top to bottom (a condition on the meal being over, the minute or a festival day); a row names
// one action or draws 1..N and maps ranges of the draw to actions.
#pragma once

#include "pet/model/activity.h"

#include <QtGlobal>

#include <functional>

// The pickers that choose one activity of a kind by chance, friendship and presents.
enum class Picker { Sleep, Wakeup, Meal, Rest, Bath, Bedtime, Hobby, Talk };

struct HourAction {
    enum Kind { Night, RestToHour, Start, RestAndStart, Pick };
    static constexpr qint32 kShort = -1; // a few minutes: (draw 1..5) x 60 seconds
    Kind kind = Start;
    Activity event = Activity::FirstMeeting; // what Start and RestAndStart begin
    Picker picker = Picker::Rest;
    qint32 limit = 0; // 0: the event sets its own length
};

HourAction chooseHourAction(int hour, int minute, bool mealOver, bool festday,
                            const std::function<int(int)> &draw);
