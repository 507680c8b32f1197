#include "calendar/holidays.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>

namespace pekto::calendar {
namespace {

// Easter Sunday by Gauss's rule with the Gregorian corrections (Lichtenberg's
// form), written apart from the program's computus to check both.
DayOfYear GaussEaster(int year) {
  const int k = year / 100;
  const int m = 15 + (3 * k + 3) / 4 - (8 * k + 13) / 25;
  const int s = 2 - (3 * k + 3) / 4;
  const int a = year % 19;
  const int d = (19 * a + m) % 30;
  const int r = (d + a / 11) / 29;
  const int og = 21 + d - r;
  const int sz = 7 - (year + year / 4 + s) % 7;
  const int oe = 7 - (og - sz) % 7;
  const int os = og + oe;  // day of March, may run into April
  return os > 31 ? DayOfYear{os - 31, 4} : DayOfYear{os, 3};
}

std::string DdMm(DayOfYear date) {
  const auto two = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  return two(date.day) + two(date.month);
}

std::string MmDd(DayOfYear date) { return DdMm({date.month, date.day}); }

DayOfYear TwoDaysBefore(DayOfYear date) {
  if (date.day > 2) return {date.day - 2, date.month};
  return {31 + date.day - 2, 3};  // Easter on 1 or 2 April
}

TEST(GoodFridayTable, EveryYearFollowsTheGregorianEasterRule) {
  for (int year = kFirstGoodFridayYear; year <= kLastGoodFridayYear; ++year) {
    const DayOfYear easter = GaussEaster(year);
    EXPECT_EQ(EasterSunday(year), easter) << year;
    EXPECT_EQ(GoodFridayEntry(year), DdMm(TwoDaysBefore(easter))) << year;
  }
}

TEST(GoodFridayTable, HoldsTheKnownDatesAndNothingOutsideItsYears) {
  EXPECT_EQ(GoodFridayEntry(1950), "0704");
  EXPECT_EQ(GoodFridayEntry(1951), "2303");
  EXPECT_EQ(GoodFridayEntry(2025), "1804");
  EXPECT_EQ(GoodFridayEntry(2053), "0404");
  EXPECT_EQ(GoodFridayEntry(1949), "");
  EXPECT_EQ(GoodFridayEntry(2054), "");
  EXPECT_EQ(EasterSunday(2008), (DayOfYear{23, 3}));
  EXPECT_EQ(EasterSunday(2038), (DayOfYear{25, 4}));  // the latest possible
}

TEST(HolidaysOfYear, YearsWithoutTheTableHaveNoEasterHolidays) {
  for (const int year : {1940, 2060}) {
    for (const Holiday& holiday : HolidaysOfYear(year, State::All)) {
      EXPECT_TRUE(std::set<std::string_view>({"KF", "OS", "OM", "CH", "PS", "PM", "FL"}).count(holiday.code) == 0)
          << year << " " << holiday.code;
    }
  }
}

TEST(HolidaysOfYear, AllStatesListEveryHolidayWithItsCodeAndName2025) {
  const std::vector<Holiday> expected = {
      {{1, 1}, "N", " Neujahr"},
      {{6, 1}, "HK", " Heilige 3 Könige (lokal)"},
      {{8, 3}, "FT", " Frauentag (lokal)"},
      {{18, 4}, "KF", " Karfreitag"},
      {{20, 4}, "OS", " Ostersonntag"},
      {{21, 4}, "OM", " Ostermontag"},
      {{1, 5}, "1M", " 1. Mai"},
      {{29, 5}, "CH", " Christi Himmelfahrt"},
      {{8, 6}, "PS", " Pfingstsonntag"},
      {{9, 6}, "PM", " Pfingstmontag"},
      {{19, 6}, "FL", " Fronleichnam (lokal)"},
      {{8, 8}, "FR", " Friedensfest (lokal)"},
      {{15, 8}, "MA", " Mariä Himmelf. (lokal)"},
      {{20, 9}, "WK", " Weltkindertag (lokal)"},
      {{3, 10}, "TD", " Tag der deutschen Einh."},
      {{31, 10}, "RF", " Reformationstag (lokal)"},
      {{1, 11}, "A", " Allerheiligen (lokal)"},
      {{19, 11}, "BB", " Buß und Bettag"},
      {{25, 12}, "1W", " 1. Weihnachtsfeiertag"},
      {{26, 12}, "2W", " 2. Weihnachtsfeiertag"},
  };
  EXPECT_EQ(HolidaysOfYear(2025, State::All), expected);
}

TEST(HolidaysOfYear, TheNewerHolidaysStartIn2019) {
  const auto codes = [](int year, State state) {
    std::set<std::string_view> found;
    for (const Holiday& holiday : HolidaysOfYear(year, state)) found.insert(holiday.code);
    return found;
  };
  EXPECT_FALSE(codes(2018, State::All).contains("FT"));
  EXPECT_FALSE(codes(2018, State::All).contains("WK"));
  EXPECT_TRUE(codes(2019, State::All).contains("FT"));
  EXPECT_TRUE(codes(2019, State::All).contains("WK"));
  EXPECT_FALSE(codes(2022, State::MV).contains("FT"));
  EXPECT_TRUE(codes(2023, State::MV).contains("FT"));
  EXPECT_FALSE(codes(2017, State::NI).contains("BB"));
  EXPECT_TRUE(codes(2017, State::BW).contains("RF"));  // the 500th year of the Reformation
  EXPECT_FALSE(codes(2016, State::HH).contains("RF"));
  EXPECT_TRUE(codes(1994, State::BY).contains("BB"));
  EXPECT_FALSE(codes(1995, State::BY).contains("BB"));
  EXPECT_FALSE(codes(2025, State::All).contains("TB"));
  EXPECT_FALSE(codes(2024, State::BE).contains("TB"));
}

// The statutory holidays of each state after its holiday law (see the
// rule table), as the states' official lists give them for 2024 to 2026.
// Sundays that a law names (Easter and Whit Sunday in Brandenburg and
// Hessen) are in the list; communities' local holidays in Bayern (Mariä
// Himmelfahrt, the Augsburg Friedensfest), Sachsen and Thüringen
// (Fronleichnam) are included as local ones.
// clang-format off
const std::map<int, std::map<std::string, std::string>> kDatesByYear = {
    {2024,
     {{"Neujahr", "01.01"}, {"Heilige Drei Könige", "06.01"}, {"Frauentag", "08.03"}, {"Karfreitag", "29.03"},
      {"Ostersonntag", "31.03"}, {"Ostermontag", "01.04"}, {"Tag der Arbeit", "01.05"},
      {"Christi Himmelfahrt", "09.05"}, {"Pfingstsonntag", "19.05"}, {"Pfingstmontag", "20.05"},
      {"Fronleichnam", "30.05"}, {"Augsburger Friedensfest", "08.08"}, {"Mariä Himmelfahrt", "15.08"},
      {"Weltkindertag", "20.09"}, {"Tag der Deutschen Einheit", "03.10"}, {"Reformationstag", "31.10"},
      {"Allerheiligen", "01.11"}, {"Buß- und Bettag", "20.11"}, {"1. Weihnachtstag", "25.12"},
      {"2. Weihnachtstag", "26.12"}}},
    {2025,
     {{"Neujahr", "01.01"}, {"Heilige Drei Könige", "06.01"}, {"Frauentag", "08.03"}, {"Karfreitag", "18.04"},
      {"Ostersonntag", "20.04"}, {"Ostermontag", "21.04"}, {"Tag der Arbeit", "01.05"},
      {"Tag der Befreiung", "08.05"}, {"Christi Himmelfahrt", "29.05"}, {"Pfingstsonntag", "08.06"},
      {"Pfingstmontag", "09.06"}, {"Fronleichnam", "19.06"}, {"Augsburger Friedensfest", "08.08"},
      {"Mariä Himmelfahrt", "15.08"}, {"Weltkindertag", "20.09"}, {"Tag der Deutschen Einheit", "03.10"},
      {"Reformationstag", "31.10"}, {"Allerheiligen", "01.11"}, {"Buß- und Bettag", "19.11"},
      {"1. Weihnachtstag", "25.12"}, {"2. Weihnachtstag", "26.12"}}},
    {2026,
     {{"Neujahr", "01.01"}, {"Heilige Drei Könige", "06.01"}, {"Frauentag", "08.03"}, {"Karfreitag", "03.04"},
      {"Ostersonntag", "05.04"}, {"Ostermontag", "06.04"}, {"Tag der Arbeit", "01.05"},
      {"Christi Himmelfahrt", "14.05"}, {"Pfingstsonntag", "24.05"}, {"Pfingstmontag", "25.05"},
      {"Fronleichnam", "04.06"}, {"Augsburger Friedensfest", "08.08"}, {"Mariä Himmelfahrt", "15.08"},
      {"Weltkindertag", "20.09"}, {"Tag der Deutschen Einheit", "03.10"}, {"Reformationstag", "31.10"},
      {"Allerheiligen", "01.11"}, {"Buß- und Bettag", "18.11"}, {"1. Weihnachtstag", "25.12"},
      {"2. Weihnachtstag", "26.12"}}},
};

const std::vector<std::string> kEverywhere = {"Neujahr",       "Karfreitag",          "Ostermontag",
                                              "Tag der Arbeit", "Christi Himmelfahrt", "Pfingstmontag",
                                              "Tag der Deutschen Einheit", "1. Weihnachtstag", "2. Weihnachtstag"};

const std::map<std::string, std::vector<std::string>> kStateExtras = {
    {"BW", {"Heilige Drei Könige", "Fronleichnam", "Allerheiligen"}},
    {"BY", {"Heilige Drei Könige", "Fronleichnam", "Augsburger Friedensfest", "Mariä Himmelfahrt", "Allerheiligen"}},
    {"BE", {"Frauentag"}},
    {"BB", {"Ostersonntag", "Pfingstsonntag", "Reformationstag"}},
    {"HB", {"Reformationstag"}},
    {"HH", {"Reformationstag"}},
    {"HE", {"Ostersonntag", "Pfingstsonntag", "Fronleichnam"}},
    {"MV", {"Frauentag", "Reformationstag"}},
    {"NI", {"Reformationstag"}},
    {"NW", {"Fronleichnam", "Allerheiligen"}},
    {"RP", {"Fronleichnam", "Allerheiligen"}},
    {"SL", {"Fronleichnam", "Mariä Himmelfahrt", "Allerheiligen"}},
    {"SN", {"Fronleichnam", "Reformationstag", "Buß- und Bettag"}},
    {"ST", {"Heilige Drei Könige", "Reformationstag"}},
    {"SH", {"Reformationstag"}},
    {"TH", {"Fronleichnam", "Weltkindertag", "Reformationstag"}},
};
// clang-format on

using StateYear = std::tuple<StateInfo, int>;

}  // namespace

void PrintTo(const StateInfo& info, std::ostream* out) { *out << info.name; }

namespace {

class StateHolidays : public ::testing::TestWithParam<StateYear> {};

TEST_P(StateHolidays, AreTheStatesOfficialList) {
  const auto& [info, year] = GetParam();
  std::vector<std::string> names = kEverywhere;
  const auto& extras = kStateExtras.at(std::string(info.abbreviation));
  names.insert(names.end(), extras.begin(), extras.end());
  if (info.state == State::BE && year == 2025) names.push_back("Tag der Befreiung");
  std::vector<std::string> expected;
  for (const std::string& name : names) {
    const std::string& date = kDatesByYear.at(year).at(name);
    expected.push_back(date.substr(3, 2) + date.substr(0, 2));  // MMDD sorts by date
  }
  std::sort(expected.begin(), expected.end());
  std::vector<std::string> found;
  for (const Holiday& holiday : HolidaysOfYear(year, info.state)) {
    found.push_back(MmDd(holiday.date));
  }
  EXPECT_EQ(found, expected);
}

std::vector<StateInfo> EveryState() {
  std::vector<StateInfo> states(States().begin() + 1, States().end());
  return states;
}

INSTANTIATE_TEST_SUITE_P(Years2024To2026, StateHolidays,
                         ::testing::Combine(::testing::ValuesIn(EveryState()), ::testing::Values(2024, 2025, 2026)),
                         [](const ::testing::TestParamInfo<StateYear>& info) {
                           return std::string(std::get<0>(info.param).abbreviation) + "_" +
                                  std::to_string(std::get<1>(info.param));
                         });

TEST(HolidaysOfYear, AStateNamesItsOwnHolidaysWithoutTheLocalMark) {
  const auto name_of = [](State state, std::string_view code) {
    for (const Holiday& holiday : HolidaysOfYear(2025, state)) {
      if (holiday.code == code) return std::string(holiday.name);
    }
    return std::string("-");
  };
  EXPECT_EQ(name_of(State::BW, "HK"), " Heilige 3 Könige");
  EXPECT_EQ(name_of(State::SL, "MA"), " Mariä Himmelf.");
  EXPECT_EQ(name_of(State::BY, "MA"), " Mariä Himmelf. (lokal)");
  EXPECT_EQ(name_of(State::SN, "FL"), " Fronleichnam (lokal)");
  EXPECT_EQ(name_of(State::BE, "FT"), " Frauentag");
  EXPECT_EQ(name_of(State::TH, "WK"), " Weltkindertag");
  EXPECT_EQ(name_of(State::NI, "RF"), " Reformationstag");
  EXPECT_EQ(name_of(State::BE, "TB"), " Tag der Befreiung");
}

}  // namespace
}  // namespace pekto::calendar
