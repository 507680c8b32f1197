// The holidays of the calendar accessory: the Good Friday table, the
// holiday codes and names, and which holidays a federal state keeps.
// Pure functions of the year; no Qt.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pekto::calendar {

inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2099;
inline constexpr int kFirstGoodFridayYear = 1950;
inline constexpr int kLastGoodFridayYear = 2053;

// The Good Friday table as four digits DDMM ("0704" for 1950); empty for
// a year outside 1950..2053, where no Easter-dependent holiday is marked.
[[nodiscard]] std::string_view GoodFridayEntry(int year);

struct DayOfYear {
  int day = 0;
  int month = 0;
  bool operator==(const DayOfYear&) const = default;
};

// Easter Sunday by the Gregorian computus (the anonymous algorithm of
// Meeus, "Astronomical Algorithms", ch. 8), for any year from 1583.
[[nodiscard]] DayOfYear EasterSunday(int year);

// The federal states; All is the calendar's "alle Länder": every holiday of
// any state is marked, the local ones named "(lokal)".
enum class State { All, BW, BY, BE, BB, HB, HH, HE, MV, NI, NW, RP, SL, SN, ST, SH, TH };

struct StateInfo {
  State state;
  std::string_view abbreviation;  // "BW"
  std::string_view name;          // "Baden-Württemberg"
};
// "alle Länder" first, then the states in alphabetical order.
[[nodiscard]] std::span<const StateInfo> States();
[[nodiscard]] const StateInfo& InfoOf(State state);

struct Holiday {
  DayOfYear date;
  std::string_view code;  // "KF"
  std::string_view name;  // " Karfreitag" (the names begin with a blank)
  bool operator==(const Holiday&) const = default;
};

// The holidays of a year for the state, in date order.
[[nodiscard]] std::vector<Holiday> HolidaysOfYear(int year, State state);

}  // namespace pekto::calendar
