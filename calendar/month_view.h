// One month of the calendar accessory as the dialog shows it: the week
// grid with ISO 8601 week numbers, the holidays marked and listed, the four
// counts, and the steps of the month and year scroll bars with their limits.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/holidays.h"

namespace pekto::calendar {

struct YearMonth {
  int year = 2025;
  int month = 1;  // 1..12
  bool operator==(const YearMonth&) const = default;
};

struct DayCell {
  int day = 0;            // 0: the cell lies outside the month
  std::string_view code;  // the holiday's code; empty for an ordinary day
  [[nodiscard]] bool IsHoliday() const { return !code.empty(); }
  // The cell as the grid's text: the day in two characters, "**" + code
  // for a holiday (" 1**1M").
  [[nodiscard]] std::string Text() const;
};

struct Week {
  int number = 0;               // ISO 8601: the week of the year's first Thursday is week 1
  std::array<DayCell, 7> days;  // Monday first
};

struct MonthView {
  YearMonth shown;
  std::string month_name;                  // "Mai"
  std::string year_text;                   // "2025"
  std::vector<Week> weeks;                 // 4 to 6
  std::vector<std::string> holiday_lines;  // names, with the Buß- und Bettag note
  int holidays = 0;
  int sundays = 0;
  int saturdays = 0;
  int working_days = 0;
};

// "Januar".."Dezember" for 1..12.
[[nodiscard]] std::string_view MonthName(int month);
// A count as the dialog shows it: two digits ("05").
[[nodiscard]] std::string CountText(int count);
// ISO 8601 week number of a date.
[[nodiscard]] int IsoWeek(int year, int month, int day);

[[nodiscard]] MonthView BuildMonthView(YearMonth shown, State state = State::All);

// A step of a scroll bar: the month shown after it, or the notice when the
// step would leave 01.01.1900 .. 31.12.2099 (the month then stays).
struct Step {
  YearMonth shown;
  std::optional<std::string> notice;
};
[[nodiscard]] Step StepMonth(YearMonth shown, int delta);
[[nodiscard]] Step StepYear(YearMonth shown, int delta);

inline constexpr std::string_view kMaximumNotice = "Datum bis maximal 31.12.2099";
inline constexpr std::string_view kMinimumNotice = "Datum bis minimal 01.01.1900";

}  // namespace pekto::calendar
