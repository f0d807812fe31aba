#include "hourtable.h"

#include <vector>

namespace {

using enum Activity;

enum class When { Always, MealOver, Fest, Minutes };

struct Choice {
    int lo, hi; // draw values (or 0, 0 for a row without a draw)
    HourAction action;
};

struct Row {
    When when;
    int from = 0, to = 59; // minutes, for When::Minutes
    int drawN = 0;         // 0: no draw, the single choice applies
    std::vector<Choice> choices;
};

HourAction start(Activity a, qint32 limit = 0) { return {.kind = HourAction::Start, .event = a, .limit = limit}; }
HourAction study() { return start(Activity::Studying, 1200); }
HourAction talk() { return {.kind = HourAction::Pick, .picker = Picker::Talk, .limit = 600}; }
HourAction hobby() { return {.kind = HourAction::Pick, .picker = Picker::Hobby, .limit = 0}; }
HourAction shortly(Picker p) { return {.kind = HourAction::Pick, .picker = p, .limit = HourAction::kShort}; }
HourAction picker(Picker p) { return {.kind = HourAction::Pick, .picker = p, .limit = 0}; }
HourAction restToHour() { return {.kind = HourAction::RestToHour, .picker = Picker::Rest, .limit = 0}; }
HourAction restThen(Activity a) { return {.kind = HourAction::RestAndStart, .event = a}; }
HourAction night() { return {.kind = HourAction::Night, .picker = Picker::Sleep, .limit = 0}; }

Row once(When w, HourAction a) { return Row{w, 0, 59, 0, {{0, 0, a}}}; }
Row minutes(int from, int to, HourAction a) { return Row{When::Minutes, from, to, 0, {{0, 0, a}}}; }
Row minutesDraw(int from, int to, int n, std::vector<Choice> c) { return Row{When::Minutes, from, to, n, std::move(c)}; }
Row drawRow(When w, int n, std::vector<Choice> c) { return Row{w, 0, 59, n, std::move(c)}; }

// The hours with a meal or sweets share one shape: before it, a few minutes of chat or rest or the
// meal itself; the meal; the after-meal rest; then rest until the next hour.
std::vector<Row> mealHour(int beforeEnd, int mealEnd, int afterEnd, HourAction meal)
{
    return {once(When::MealOver, restToHour()),
            minutesDraw(0, beforeEnd, 5, {{1, 1, shortly(Picker::Talk)}, {2, 2, shortly(Picker::Rest)}, {3, 5, meal}}),
            minutes(beforeEnd + 1, mealEnd, meal),
            minutes(mealEnd + 1, afterEnd, restThen(AfterMealSnack)),
            minutes(afterEnd + 1, 59, restToHour())};
}

const std::vector<std::vector<Row>> &hourTable()
{
    static const std::vector<std::vector<Row>> table = [] {
        std::vector<std::vector<Row>> h(24);
        for (int hour : {0, 1, 2, 3, 4, 5, 6, 7, 22, 23})
            h[hour] = {once(When::Always, night())};
        h[8] = {once(When::MealOver, restToHour()),
                minutesDraw(0, 15, 3, {{1, 1, shortly(Picker::Sleep)}, {2, 3, picker(Picker::Wakeup)}}),
                minutes(16, 20, picker(Picker::Wakeup)),
                minutes(21, 21, start(ChangeClothes)),
                minutes(22, 22, start(WashFace)),
                minutes(23, 23, start(GroomingFirst)),
                minutes(24, 28, start(MorningChoreFirst)),
                minutes(29, 29, start(MorningChoreSecond)),
                minutes(30, 49, picker(Picker::Meal)),
                minutes(50, 54, restThen(AfterMealSnack)),
                minutes(55, 59, restToHour())};
        h[9] = {drawRow(When::Fest, 15, {{1, 2, study()}, {3, 6, start(Reading)}, {7, 9, start(ListeningToMusic)}, {10, 15, talk()}}),
                drawRow(When::Always, 10, {{1, 2, study()}, {3, 6, start(Reading)}, {7, 9, start(ListeningToMusic)}, {10, 10, talk()}})};
        h[10] = {drawRow(When::Always, 10, {{1, 2, study()}, {3, 5, start(Reading)}, {6, 9, start(ListeningToMusic)}, {10, 10, talk()}})};
        h[11] = {drawRow(When::Fest, 15, {{1, 5, study()}, {6, 7, start(ReadingLyingDown)}, {8, 9, start(ListeningLyingDown)}, {10, 15, talk()}}),
                 drawRow(When::Always, 10, {{1, 5, study()}, {6, 7, start(ReadingLyingDown)}, {8, 9, start(ListeningLyingDown)}, {10, 10, talk()}})};
        h[12] = mealHour(20, 40, 45, picker(Picker::Meal));
        h[13] = {drawRow(When::Always, 10, {{1, 1, study()}, {2, 4, start(Reading)}, {5, 7, start(ListeningToMusic)}, {8, 9, hobby()}, {10, 10, talk()}})};
        h[14] = {drawRow(When::Fest, 15, {{1, 3, study()}, {4, 4, start(ReadingLyingDown)}, {5, 5, start(ListeningLyingDown)}, {6, 11, hobby()}, {12, 15, talk()}}),
                 drawRow(When::Always, 10, {{1, 3, study()}, {4, 4, start(ReadingLyingDown)}, {5, 5, start(ListeningLyingDown)}, {6, 9, hobby()}, {10, 10, talk()}})};
        h[15] = mealHour(10, 30, 35, start(AfternoonSweets));
        h[16] = {drawRow(When::Always, 10, {{1, 3, start(ReadingLyingDown)}, {4, 7, start(ListeningLyingDown)}, {8, 9, hobby()}, {10, 10, talk()}})};
        h[17] = {drawRow(When::Always, 12, {{1, 2, start(Reading)}, {3, 4, start(ListeningToMusic)}, {5, 11, hobby()}, {12, 12, talk()}})};
        h[18] = mealHour(30, 50, 55, picker(Picker::Meal));
        h[19] = {drawRow(When::Fest, 15, {{1, 1, study()}, {2, 4, start(Reading)}, {5, 7, start(ListeningToMusic)}, {8, 11, hobby()}, {12, 15, talk()}}),
                 drawRow(When::Always, 10, {{1, 1, study()}, {2, 4, start(Reading)}, {5, 7, start(ListeningToMusic)}, {8, 9, hobby()}, {10, 10, talk()}})};
        h[20] = {drawRow(When::Always, 10, {{1, 1, study()}, {2, 3, start(Reading)}, {4, 5, start(ListeningToMusic)}, {6, 9, hobby()}, {10, 10, talk()}})};
        h[21] = {minutesDraw(0, 10, 5, {{1, 1, shortly(Picker::Talk)}, {2, 2, shortly(Picker::Rest)}, {3, 5, start(GroomingFirst)}}),
                 minutes(11, 11, start(GroomingFirst)),
                 minutes(12, 12, start(WashFace)),
                 minutes(13, 13, start(UndressForBath)),
                 minutes(14, 43, picker(Picker::Bath)),
                 minutes(44, 53, start(AfterBath)),
                 minutes(54, 59, picker(Picker::Bedtime))};
        return h;
    }();
    return table;
}

} // namespace

HourAction chooseHourAction(int hour, int minute, bool mealOver, bool festday,
                            const std::function<int(int)> &draw)
{
    if (hour < 0 || hour > 23)
        return night();
    for (const Row &row : hourTable()[size_t(hour)]) {
        bool fits = false;
        switch (row.when) {
        case When::Always: fits = true; break;
        case When::MealOver: fits = mealOver; break;
        case When::Fest: fits = festday; break;
        case When::Minutes: fits = minute >= row.from && minute <= row.to; break;
        }
        if (!fits)
            continue;
        if (row.drawN == 0)
            return row.choices.front().action;
        const int r = draw(row.drawN);
        for (const Choice &c : row.choices)
            if (r >= c.lo && r <= c.hi)
                return c.action;
        return row.choices.back().action;
    }
    return night();
}
