#include "calendar/holidays.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <optional>

namespace pekto::calendar {

namespace {

namespace chr = std::chrono;

// Good Friday, DDMM, for 1950..2053 (Easter Sunday less two days).
constexpr std::array<std::string_view, kLastGoodFridayYear - kFirstGoodFridayYear + 1> kGoodFriday = {
    "0704", "2303", "1104", "0304", "1604", "0804", "3003", "1904", "0404", "2703",  // 1950-
    "1504", "3103", "2004", "1204", "2703", "1604", "0804", "2403", "1204", "0404",  // 1960-
    "2703", "0904", "3103", "2004", "1204", "2803", "1604", "0804", "2403", "1304",  // 1970-
    "0404", "1704", "0904", "0104", "2004", "0504", "2803", "1704", "0104", "2403",  // 1980-
    "1304", "2903", "1704", "0904", "0104", "1404", "0504", "2803", "1004", "0204",  // 1990-
    "2104", "1304", "2903", "1804", "0904", "2503", "1404", "0604", "2103", "1004",  // 2000-
    "0204", "2204", "0604", "2903", "1804", "0304", "2503", "1404", "3003", "1904",  // 2010-
    "1004", "0204", "1504", "0704", "2903", "1804", "0304", "2603", "1404", "3003",  // 2020-
    "1904", "1104", "2603", "1504", "0704", "2303", "1104", "0304", "2304", "0804",  // 2030-
    "3003", "1904", "0404", "2703", "1504", "0704", "2303", "1204", "0304", "1604",  // 2040-
    "0804", "3103", "1904", "0404",                                                  // 2050-
};

constexpr std::array<StateInfo, 17> kStates = {{
    {State::All, "", "alle Länder"},
    {State::BW, "BW", "Baden-Württemberg"},
    {State::BY, "BY", "Bayern"},
    {State::BE, "BE", "Berlin"},
    {State::BB, "BB", "Brandenburg"},
    {State::HB, "HB", "Bremen"},
    {State::HH, "HH", "Hamburg"},
    {State::HE, "HE", "Hessen"},
    {State::MV, "MV", "Mecklenburg-Vorpommern"},
    {State::NI, "NI", "Niedersachsen"},
    {State::NW, "NW", "Nordrhein-Westfalen"},
    {State::RP, "RP", "Rheinland-Pfalz"},
    {State::SL, "SL", "Saarland"},
    {State::SN, "SN", "Sachsen"},
    {State::ST, "ST", "Sachsen-Anhalt"},
    {State::SH, "SH", "Schleswig-Holstein"},
    {State::TH, "TH", "Thüringen"},
}};

constexpr unsigned Bit(State state) { return 1u << static_cast<unsigned>(state); }
template <typename... S>
constexpr unsigned In(S... states) {
  return (Bit(states) | ...);
}
constexpr unsigned kEveryState = ((1u << kStates.size()) - 1u) & ~Bit(State::All);

enum class DateKind { Fixed, AfterGoodFriday, BussUndBettag };

// Where and when a holiday is kept: the states, local (only in some
// communities) or statewide, and the years (inclusive).
struct Validity {
  unsigned states = 0;
  bool local = false;
  int from = kFirstYear;
  int to = kLastYear;
};

struct HolidayRule {
  std::string_view code;
  std::string_view name;        // in "alle Länder" and where kept locally
  std::string_view state_name;  // where kept statewide
  DateKind kind;
  int day_or_offset = 0;
  int month = 0;
  int all_from = kFirstYear;  // first year "alle Länder" marks it; 0 never
  std::array<Validity, 3> validity{};
};

constexpr int kNever = 0;

// The state rules follow the holiday laws of the states as in force in
// 2026 (Baden-Württemberg FTG § 1, Bayern FTG Art. 1, Berlin FeiertagsG
// § 1, Brandenburg FTG § 2, Bremen FeiertagsG § 1, Hamburg FeiertagsG § 1,
// Hessen HFeiertagsG § 1, Mecklenburg-Vorpommern FTG § 2, Niedersachsen
// NFeiertagsG § 2, Nordrhein-Westfalen FTG § 2, Rheinland-Pfalz LFtG § 2,
// Saarland SFG § 2, Sachsen SächsSFG § 1, Sachsen-Anhalt FeiertG § 2,
// Schleswig-Holstein SFTG § 2, Thüringen ThürFtG § 2), with the changes
// since 1990 that the table names by year: Reformationstag in the four
// northern states from 2018 and in every state in 2017, Buß- und Bettag in
// every state up to 1994, the Frauentag in Berlin from 2019 and in
// Mecklenburg-Vorpommern from 2023, the Weltkindertag in Thüringen from
// 2019, and Berlin's single "Tag der Befreiung" in 2020 and 2025.
// clang-format off
constexpr std::array<HolidayRule, 21> kRules = {{
    {"N", " Neujahr", " Neujahr", DateKind::Fixed, 1, 1, kFirstYear, {{{kEveryState}}}},
    {"HK", " Heilige 3 Könige (lokal)", " Heilige 3 Könige", DateKind::Fixed, 6, 1, kFirstYear,
     {{{In(State::BW, State::BY, State::ST)}}}},
    {"FT", " Frauentag (lokal)", " Frauentag", DateKind::Fixed, 8, 3, 2019,
     {{{In(State::BE), false, 2019}, {In(State::MV), false, 2023}}}},
    {"KF", " Karfreitag", " Karfreitag", DateKind::AfterGoodFriday, 0, 0, kFirstYear, {{{kEveryState}}}},
    {"OS", " Ostersonntag", " Ostersonntag", DateKind::AfterGoodFriday, 2, 0, kFirstYear,
     {{{In(State::BB, State::HE)}}}},
    {"OM", " Ostermontag", " Ostermontag", DateKind::AfterGoodFriday, 3, 0, kFirstYear, {{{kEveryState}}}},
    {"1M", " 1. Mai", " 1. Mai", DateKind::Fixed, 1, 5, kFirstYear, {{{kEveryState}}}},
    {"TB", " Tag der Befreiung", " Tag der Befreiung", DateKind::Fixed, 8, 5, kNever,
     {{{In(State::BE), false, 2020, 2020}, {In(State::BE), false, 2025, 2025}}}},
    {"CH", " Christi Himmelfahrt", " Christi Himmelfahrt", DateKind::AfterGoodFriday, 41, 0, kFirstYear,
     {{{kEveryState}}}},
    {"PS", " Pfingstsonntag", " Pfingstsonntag", DateKind::AfterGoodFriday, 51, 0, kFirstYear,
     {{{In(State::BB, State::HE)}}}},
    {"PM", " Pfingstmontag", " Pfingstmontag", DateKind::AfterGoodFriday, 52, 0, kFirstYear, {{{kEveryState}}}},
    {"FL", " Fronleichnam (lokal)", " Fronleichnam", DateKind::AfterGoodFriday, 62, 0, kFirstYear,
     {{{In(State::BW, State::BY, State::HE, State::NW, State::RP, State::SL)},
       {In(State::SN, State::TH), true}}}},
    {"FR", " Friedensfest (lokal)", " Friedensfest (lokal)", DateKind::Fixed, 8, 8, kFirstYear,
     {{{In(State::BY), true}}}},
    {"MA", " Mariä Himmelf. (lokal)", " Mariä Himmelf.", DateKind::Fixed, 15, 8, kFirstYear,
     {{{In(State::SL)}, {In(State::BY), true}}}},
    {"WK", " Weltkindertag (lokal)", " Weltkindertag", DateKind::Fixed, 20, 9, 2019,
     {{{In(State::TH), false, 2019}}}},
    {"TD", " Tag der deutschen Einh.", " Tag der deutschen Einh.", DateKind::Fixed, 3, 10, kFirstYear,
     {{{kEveryState, false, 1990}}}},
    {"RF", " Reformationstag (lokal)", " Reformationstag", DateKind::Fixed, 31, 10, kFirstYear,
     {{{In(State::BB, State::MV, State::SN, State::ST, State::TH)},
       {In(State::HB, State::HH, State::NI, State::SH), false, 2018},
       {kEveryState, false, 2017, 2017}}}},
    {"A", " Allerheiligen (lokal)", " Allerheiligen", DateKind::Fixed, 1, 11, kFirstYear,
     {{{In(State::BW, State::BY, State::NW, State::RP, State::SL)}}}},
    {"BB", " Buß und Bettag", " Buß und Bettag", DateKind::BussUndBettag, 0, 11, kFirstYear,
     {{{In(State::SN)}, {kEveryState, false, kFirstYear, 1994}}}},
    {"1W", " 1. Weihnachtsfeiertag", " 1. Weihnachtsfeiertag", DateKind::Fixed, 25, 12, kFirstYear,
     {{{kEveryState}}}},
    {"2W", " 2. Weihnachtsfeiertag", " 2. Weihnachtsfeiertag", DateKind::Fixed, 26, 12, kFirstYear,
     {{{kEveryState}}}},
}};
// clang-format on

DayOfYear FromDays(chr::sys_days days) {
  const chr::year_month_day date{days};
  return {static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(static_cast<unsigned>(date.month()))};
}

chr::sys_days ToDays(int year, DayOfYear date) { return chr::sys_days{chr::year{year} / date.month / date.day}; }

std::optional<DayOfYear> GoodFriday(int year) {
  const std::string_view entry = GoodFridayEntry(year);
  if (entry.size() != 4) return std::nullopt;
  return DayOfYear{(entry[0] - '0') * 10 + (entry[1] - '0'), (entry[2] - '0') * 10 + (entry[3] - '0')};
}

// The Wednesday from 16 to 22 November.
DayOfYear BussUndBettag(int year) {
  const chr::sys_days first = ToDays(year, {16, 11});
  const unsigned weekday = chr::weekday{first}.c_encoding();  // 0 = Sunday, 3 = Wednesday
  return FromDays(first + chr::days{(3 + 7 - static_cast<int>(weekday)) % 7});
}

std::optional<DayOfYear> DateOf(const HolidayRule& rule, int year) {
  switch (rule.kind) {
    case DateKind::Fixed:
      return DayOfYear{rule.day_or_offset, rule.month};
    case DateKind::AfterGoodFriday:
      if (const auto friday = GoodFriday(year)) {
        return FromDays(ToDays(year, *friday) + chr::days{rule.day_or_offset});
      }
      return std::nullopt;
    case DateKind::BussUndBettag:
      return BussUndBettag(year);
  }
  return std::nullopt;
}

// The validity that makes the holiday one of the state's in the year.
const Validity* KeptIn(const HolidayRule& rule, State state, int year) {
  for (const Validity& validity : rule.validity) {
    if ((validity.states & Bit(state)) != 0 && year >= validity.from && year <= validity.to) return &validity;
  }
  return nullptr;
}

}  // namespace

std::string_view GoodFridayEntry(int year) {
  if (year < kFirstGoodFridayYear || year > kLastGoodFridayYear) return {};
  return kGoodFriday[static_cast<std::size_t>(year - kFirstGoodFridayYear)];
}

DayOfYear EasterSunday(int year) {
  const int a = year % 19;
  const int b = year / 100;
  const int c = year % 100;
  const int d = b / 4;
  const int e = b % 4;
  const int f = (b + 8) / 25;
  const int g = (b - f + 1) / 3;
  const int h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4;
  const int k = c % 4;
  const int l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  const int month = (h + l - 7 * m + 114) / 31;
  const int day = (h + l - 7 * m + 114) % 31 + 1;
  return {day, month};
}

std::span<const StateInfo> States() { return kStates; }

const StateInfo& InfoOf(State state) { return kStates[static_cast<std::size_t>(state)]; }

std::vector<Holiday> HolidaysOfYear(int year, State state) {
  std::vector<Holiday> holidays;
  for (const HolidayRule& rule : kRules) {
    std::string_view name = rule.name;
    if (state == State::All) {
      if (rule.all_from == kNever || year < rule.all_from) continue;
    } else {
      const Validity* kept = KeptIn(rule, state, year);
      if (kept == nullptr) continue;
      if (!kept->local) name = rule.state_name;
    }
    if (const auto date = DateOf(rule, year)) holidays.push_back({*date, rule.code, name});
  }
  std::stable_sort(holidays.begin(), holidays.end(), [](const Holiday& a, const Holiday& b) {
    return a.date.month != b.date.month ? a.date.month < b.date.month : a.date.day < b.date.day;
  });
  return holidays;
}

}  // namespace pekto::calendar
