#pragma once

// The Kalachakra characteristics of a date: the principles (1..60, each a
// colour and an animal) of century, year, month, week and day, the decade of
// the year (1..36) with its energy (1..7), and the figure points with which
// one principle is linked to others.
//
// Pure functions on TDateRec values; nothing throws. 0 means "no principle"
// (year 0, or an invalid date where stated).

#include "engine/date.h"

#include <cstdint>
#include <string>

namespace orvenda {

// Repeated sum of decimal digits down to one digit; n >= 0 (a negative n counts as |n|).
int DigitRoot(std::int64_t n) noexcept;

// Animal 1..12 of a principle (p mod 12, 0 counting as 12); 0 outside 1..60.
int PrincipleAnimal(int p) noexcept;
// Colour 1..9 of a principle from its last digit: 0,1 red(1); 2,3 yellow(3);
// 4,5 white(8); 6,7 black(9); 8,9 blue(6). 0 outside 1..60.
int PrincipleColour(int p) noexcept;
// Animal name, index 1..12; "" otherwise.
std::string AnimalName(int animal);
// True for the animals whose name is feminine (the colour word agrees with it).
bool AnimalIsFeminine(int animal) noexcept;
// Colour word 1..9 in its masculine or feminine form; "" otherwise.
std::string ColourName(int colour, bool feminine);
// "Красный Заяц" for 1 .. "Красный Тигр" for 60; "" outside 1..60.
std::string PrincipleName(int p);

int CenturyPrinciple(std::int32_t year) noexcept;
int YearPrinciple(std::int32_t year) noexcept;
// 0 for an invalid date. Before year 1 the signed remainder is kept, so the
// result may lie outside 1..60 there.
int MonthPrinciple(TDateRec date) noexcept;

// Start of decade i (1..36, 37 is 1 again) or week i (1..60, 61 is 1 again)
// in the given year, time 0; any other i gives 1 January of that year.
TDateRec DecadeStart(std::int32_t year, int i) noexcept;
TDateRec WeekStart(std::int32_t year, int i) noexcept;

// 1..36; 1 for an invalid date. Decade 28 runs over the year end. Only day
// and month count: the time of day (set or unset) does not move a date out of
// the period that starts on its day.
int DecadeOfDate(TDateRec date) noexcept;
// Energy 1..7 of decade i.
int DecadeEnergy(int i) noexcept;
// Feminine colour word of energy e (1..7); "" otherwise.
std::string EnergyName(int e);
// 1..60; 1 for an invalid date. Week 47 runs over the year end. Only day and
// month count, as for DecadeOfDate.
int WeekPrinciple(TDateRec date) noexcept;
// One of 3..10, 23..30, 43..50; 0 for an invalid date. The 32-year cycle is
// counted from 1889 by (Year - 1889) mod 32 for negative years too, without a
// year 0 between -1 and 1, so the cycle breaks there.
int DayPrinciple(TDateRec date) noexcept;

// The start of decade k (1..36, 37 is 1 again) computed from the zodiac
// boundaries: the sign's first day plus 0, 1 or 2 thirds of the days from its
// first to its last day in a common year. Only day and month are meaningful
// (Year 0); any other k gives 1 January.
TDateRec ComputedDecadeStart(int k) noexcept;

// The date shifted by round(k * f) days, f = DaysInYear / n taken as a 32-bit
// float and the product in double; the time of day is kept. n >= 1 (a smaller
// n leaves the date as it is).
TDateRec FigurePointDate(TDateRec date, int n, int k) noexcept;
// (p + round(k * g)) mod 60 with g = 60 / n as a 32-bit float; 0 becomes 60,
// so the result is 1..60 for any p and k. n >= 1 (a smaller n adds nothing).
int LinkedPrinciple(int p, int n, int k) noexcept;

// "d.m - d.m": from `start` to the day before `nextStart`, as the windows show
// the periods of decades, weeks and zodiac signs.
std::string PeriodText(TDateRec start, TDateRec nextStart);

} // namespace orvenda
