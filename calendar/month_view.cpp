#include "calendar/month_view.h"

#include <chrono>

namespace pekto::calendar {

namespace {

namespace chr = std::chrono;

constexpr std::array<std::string_view, 12> kMonthNames = {"Januar",    "Februar", "März",     "April",
                                                          "Mai",       "Juni",    "Juli",     "August",
                                                          "September", "Oktober", "November", "Dezember"};

constexpr std::array<std::string_view, 3> kBussUndBettagNote = {"      Entfällt in allen Bun-",
                                                                "      desländern mit Ausnahme", "      Sachsens."};

chr::sys_days DaysOf(int year, int month, int day) {
  return chr::sys_days{chr::year{year} / static_cast<unsigned>(month) / static_cast<unsigned>(day)};
}

// Monday 0 .. Sunday 6.
int MondayFirst(chr::sys_days days) { return static_cast<int>(chr::weekday{days}.iso_encoding()) - 1; }

Step Limited(YearMonth next, YearMonth shown) {
  if (next.year > kLastYear) return {shown, std::string(kMaximumNotice)};
  if (next.year < kFirstYear) return {shown, std::string(kMinimumNotice)};
  return {next, std::nullopt};
}

}  // namespace

std::string DayCell::Text() const {
  if (day == 0) return "  ";
  std::string text = day < 10 ? " " + std::to_string(day) : std::to_string(day);
  if (IsHoliday()) text += "**" + std::string(code);
  return text;
}

std::string_view MonthName(int month) {
  return month >= 1 && month <= 12 ? kMonthNames[static_cast<std::size_t>(month - 1)] : std::string_view{};
}

std::string CountText(int count) { return count < 10 ? "0" + std::to_string(count) : std::to_string(count); }

int IsoWeek(int year, int month, int day) {
  const chr::sys_days date = DaysOf(year, month, day);
  // The week belongs to the year of its Thursday.
  const chr::sys_days thursday = date + chr::days{3 - MondayFirst(date)};
  const int thursday_year = static_cast<int>(chr::year_month_day{thursday}.year());
  const chr::sys_days first = DaysOf(thursday_year, 1, 1);
  return static_cast<int>((thursday - first).count() / 7) + 1;
}

MonthView BuildMonthView(YearMonth shown, State state) {
  MonthView view;
  view.shown = shown;
  view.month_name = std::string(MonthName(shown.month));
  view.year_text = std::to_string(shown.year);
  const auto holidays = HolidaysOfYear(shown.year, state);
  const chr::year_month ym{chr::year{shown.year}, chr::month{static_cast<unsigned>(shown.month)}};
  const int last_day = static_cast<int>(static_cast<unsigned>(chr::year_month_day_last{ym / chr::last}.day()));
  int column = MondayFirst(DaysOf(shown.year, shown.month, 1));
  for (int day = 1; day <= last_day; ++day) {
    if (day == 1 || column == 0) view.weeks.push_back({IsoWeek(shown.year, shown.month, day), {}});
    DayCell& cell = view.weeks.back().days[static_cast<std::size_t>(column)];
    cell.day = day;
    for (const Holiday& holiday : holidays) {
      if (holiday.date.month != shown.month || holiday.date.day != day) continue;
      if (!cell.IsHoliday()) cell.code = holiday.code;
      view.holiday_lines.emplace_back(holiday.name);
      if (holiday.code == "BB" && state == State::All) {
        view.holiday_lines.insert(view.holiday_lines.end(), kBussUndBettagNote.begin(), kBussUndBettagNote.end());
      }
    }
    if (cell.IsHoliday()) ++view.holidays;
    if (column == 5) ++view.saturdays;
    if (column == 6) ++view.sundays;
    if (column < 5 && !cell.IsHoliday()) ++view.working_days;
    column = (column + 1) % 7;
  }
  return view;
}

Step StepMonth(YearMonth shown, int delta) {
  const int index = shown.year * 12 + (shown.month - 1) + delta;
  return Limited({index / 12, index % 12 + 1}, shown);
}

Step StepYear(YearMonth shown, int delta) { return Limited({shown.year + delta, shown.month}, shown); }

}  // namespace pekto::calendar
