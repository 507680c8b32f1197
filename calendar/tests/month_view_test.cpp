#include "calendar/month_view.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pekto::calendar {
namespace {

// The grid as text lines: week number, then the seven cells.
std::vector<std::string> GridLines(const MonthView& view) {
  std::vector<std::string> lines;
  for (const Week& week : view.weeks) {
    std::string line = (week.number < 10 ? " " : "") + std::to_string(week.number) + ":";
    for (const DayCell& cell : week.days) line += " " + cell.Text();
    lines.push_back(line);
  }
  return lines;
}

TEST(MonthView, April2025MarksEaster) {
  const MonthView view = BuildMonthView({2025, 4});
  EXPECT_EQ(view.month_name, "April");
  EXPECT_EQ(view.year_text, "2025");
  const std::vector<std::string> expected = {
      "14:     1  2  3  4  5  6",     "15:  7  8  9 10 11 12 13", "16: 14 15 16 17 18**KF 19 20**OS",
      "17: 21**OM 22 23 24 25 26 27", "18: 28 29 30            ",
  };
  EXPECT_EQ(GridLines(view), expected);
  EXPECT_EQ(view.holiday_lines, (std::vector<std::string>{" Karfreitag", " Ostersonntag", " Ostermontag"}));
  EXPECT_EQ(view.holidays, 3);
  EXPECT_EQ(view.sundays, 4);
  EXPECT_EQ(view.saturdays, 4);
  EXPECT_EQ(view.working_days, 20);  // 22 weekdays less Karfreitag and Ostermontag
}

TEST(MonthView, May2025Counts20WorkingDays) {
  const MonthView view = BuildMonthView({2025, 5});
  EXPECT_EQ(view.weeks.front().number, 18);
  EXPECT_EQ(view.weeks.front().days[3].Text(), " 1**1M");  // a Thursday
  EXPECT_EQ(view.weeks.back().days[3].Text(), "29**CH");
  EXPECT_EQ(view.holiday_lines, (std::vector<std::string>{" 1. Mai", " Christi Himmelfahrt"}));
  EXPECT_EQ(CountText(view.holidays), "02");
  EXPECT_EQ(CountText(view.saturdays), "05");
  EXPECT_EQ(CountText(view.sundays), "04");
  EXPECT_EQ(CountText(view.working_days), "20");
}

class NovemberOfYear : public ::testing::TestWithParam<int> {};

TEST_P(NovemberOfYear, MarksOneWednesdayAsBussUndBettagWithTheNote) {
  const MonthView view = BuildMonthView({GetParam(), 11});
  int marked = 0;
  for (const Week& week : view.weeks) {
    for (std::size_t column = 0; column < 7; ++column) {
      const DayCell& cell = week.days[column];
      if (cell.code != "BB") continue;
      ++marked;
      EXPECT_EQ(column, 2u);
      EXPECT_GE(cell.day, 16);
      EXPECT_LE(cell.day, 22);
    }
  }
  EXPECT_EQ(marked, 1);
  const std::vector<std::string> expected = {" Allerheiligen (lokal)", " Buß und Bettag",
                                             "      Entfällt in allen Bun-", "      desländern mit Ausnahme",
                                             "      Sachsens."};
  EXPECT_EQ(view.holiday_lines, expected);
}

INSTANTIATE_TEST_SUITE_P(Years, NovemberOfYear, ::testing::Values(1900, 1940, 1995, 2024, 2025, 2026, 2060, 2099),
                         [](const ::testing::TestParamInfo<int>& info) { return "Year" + std::to_string(info.param); });

TEST(MonthView, November2024InSaxonyAndInBavaria) {
  const MonthView saxony = BuildMonthView({2024, 11}, State::SN);
  EXPECT_EQ(saxony.holiday_lines, std::vector<std::string>{" Buß und Bettag"});
  EXPECT_EQ(saxony.working_days, 20);
  const MonthView bavaria = BuildMonthView({2024, 11}, State::BY);
  EXPECT_EQ(bavaria.holiday_lines, std::vector<std::string>{" Allerheiligen"});
  EXPECT_EQ(bavaria.working_days, 20);
  const MonthView hamburg = BuildMonthView({2024, 11}, State::HH);
  EXPECT_EQ(hamburg.holidays, 0);
  EXPECT_EQ(hamburg.working_days, 21);
  const MonthView all = BuildMonthView({2024, 11});
  EXPECT_EQ(all.working_days, 19);  // Allerheiligen (Friday) and Buß- und Bettag
}

TEST(MonthView, YearsWithoutTheTableShowNoEasterHolidays) {
  for (const int year : {1940, 2060}) {
    for (int month = 3; month <= 6; ++month) {
      for (const Week& week : BuildMonthView({year, month}).weeks) {
        for (const DayCell& cell : week.days) {
          EXPECT_TRUE(cell.code.empty() || cell.code == "1M" || cell.code == "FT") << year << "/" << month;
        }
      }
    }
  }
}

TEST(MonthView, AHolidayOnASundayIsNoWorkingDayLess) {
  const MonthView view = BuildMonthView({2025, 6}, State::HE);  // Pfingstsonntag 8 June
  EXPECT_EQ(view.holidays, 3);                                  // Pfingstsonntag, -montag, Fronleichnam
  EXPECT_EQ(view.working_days, 19);                             // 21 weekdays less two
}

TEST(MonthView, TwoHolidaysOnOneDayAreOneDayBothListed) {
  const MonthView view = BuildMonthView({2008, 5});  // Christi Himmelfahrt on 1 May
  EXPECT_EQ(view.weeks.front().days[3].Text(), " 1**1M");
  EXPECT_EQ(view.holiday_lines.front(), " 1. Mai");
  EXPECT_EQ(view.holiday_lines[1], " Christi Himmelfahrt");
  EXPECT_EQ(view.holidays, 4);  // 1 May, Whit Sunday and Monday, Fronleichnam
}

struct IsoWeekCase {
  const char* name;
  int year, month, day, week;
};

void PrintTo(const IsoWeekCase& row, std::ostream* out) { *out << row.name; }

class IsoWeekNumbers : public ::testing::TestWithParam<IsoWeekCase> {};

TEST_P(IsoWeekNumbers, FollowIso8601) {
  const IsoWeekCase& row = GetParam();
  EXPECT_EQ(IsoWeek(row.year, row.month, row.day), row.week);
}

INSTANTIATE_TEST_SUITE_P(
    KnownDates, IsoWeekNumbers,
    ::testing::Values(
        IsoWeekCase{"Jan1st2021IsWeek53", 2021, 1, 1, 53}, IsoWeekCase{"Jan4th2021IsWeek1", 2021, 1, 4, 1},
        IsoWeekCase{"Dec30th2024IsWeek1Of2025", 2024, 12, 30, 1}, IsoWeekCase{"Dec31st2026IsWeek53", 2026, 12, 31, 53},
        IsoWeekCase{"Jan1st2026IsWeek1", 2026, 1, 1, 1}, IsoWeekCase{"May1st2025IsWeek18", 2025, 5, 1, 18},
        IsoWeekCase{"Jan1st1900IsWeek1", 1900, 1, 1, 1}, IsoWeekCase{"Dec31st2099IsWeek53", 2099, 12, 31, 53},
        IsoWeekCase{"Dec29th2025IsWeek1Of2026", 2025, 12, 29, 1}, IsoWeekCase{"Jan2nd2000IsWeek52", 2000, 1, 2, 52}),
    [](const ::testing::TestParamInfo<IsoWeekCase>& info) { return std::string(info.param.name); });

TEST(Steps, MonthsRollOverTheYear) {
  EXPECT_EQ(StepMonth({2025, 12}, 1).shown, (YearMonth{2026, 1}));
  EXPECT_EQ(StepMonth({2025, 1}, -1).shown, (YearMonth{2024, 12}));
  EXPECT_EQ(StepYear({2025, 5}, -1).shown, (YearMonth{2024, 5}));
  EXPECT_FALSE(StepMonth({2025, 5}, 1).notice);
}

TEST(Steps, TheLimitsPutUpTheirNoticeAndKeepTheMonth) {
  const Step up = StepYear({2099, 3}, 1);
  EXPECT_EQ(up.notice, std::string(kMaximumNotice));
  EXPECT_EQ(up.shown, (YearMonth{2099, 3}));
  EXPECT_EQ(StepMonth({2099, 12}, 1).notice, "Datum bis maximal 31.12.2099");
  const Step back = StepMonth({1900, 1}, -1);
  EXPECT_EQ(back.notice, "Datum bis minimal 01.01.1900");
  EXPECT_EQ(back.shown, (YearMonth{1900, 1}));
  EXPECT_EQ(StepYear({1900, 7}, -1).notice, std::string(kMinimumNotice));
  EXPECT_FALSE(StepMonth({2099, 11}, 1).notice);
}

}  // namespace
}  // namespace pekto::calendar
