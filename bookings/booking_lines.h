// The booking lines of the booking mask ("Buchungsmaske"): at most 30
// lines of 13 texts in the employee's booking table, the edit line that
// adds, changes or deletes one, its checks in their fixed order with the
// mask's messages, quantity times amount to the exact cent, and taking a
// wage type's keys into the edit line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "bookings/wage_type_file.h"
#include "calc/money.h"
#include "record/dialog_message.h"
#include "record/employee_record.h"

namespace pekto {

inline constexpr int kMaxBookingLines = 30;

namespace booking_column {
inline constexpr int kRunningNumber = 0;
inline constexpr int kWageType = 1;
inline constexpr int kCategory = 2;
inline constexpr int kPeriod = 3;  // correction period MMJJ
inline constexpr int kQuantity = 4;
inline constexpr int kAmount = 5;  // per unit
inline constexpr int kTotal = 6;
inline constexpr int kTaxKey = 7;
inline constexpr int kSvKey = 8;
// The mask heads column 9 "Soz.-Vers. pflichtig" and column 10 "Steuer-
// pflichtig"; the columns hold exactly these kinds.
inline constexpr int kSvLiable = 9;
inline constexpr int kTaxable = 10;
inline constexpr int kGarnishable = 11;
inline constexpr int kBase = 12;
}  // namespace booking_column

// The day categories: 5 attendance, 6 holidays, 7 sick with pay, 8 other
// absence, 9 tax days, 0 SV days.
[[nodiscard]] bool IsDayCategory(std::string_view category);
[[nodiscard]] bool IsMoneyCategory(std::string_view category);  // 1 to 4

// Number of lines in use: the first line with an empty running number ends
// them (never more than 30 are counted).
[[nodiscard]] int BookingLineCount(const BookingTable& table);

// Quantities and amounts as the edit line accepts them: an optional "-",
// digits, and a comma with at most `decimals` decimals (a quantity of
// money lines has two, of days 5 to 8 one, of tax and SV days none). The
// value in units of the last of `decimals` decimals; empty is 0.
[[nodiscard]] std::optional<std::int64_t> ParseDecimalText(std::string_view text, int decimals);
// An amount of the edit line: an optional "-", digits and either no comma
// or a comma with exactly two decimals.
[[nodiscard]] std::optional<Cents> ParseBookingAmount(std::string_view text);
// The amount as the lines show and store it: "1.234,5" never, always
// "1234,50"; empty for an empty text.
[[nodiscard]] std::string NormaliseBookingAmount(std::string_view text);

// Quantity (hundredths) times amount per unit (cents), rounded half away
// from zero to the cent.
[[nodiscard]] Cents LineTotal(std::int64_t quantity_hundredths, Cents amount);

// What the main mask tells the booking mask about the month.
struct BookingPeriod {
  std::string period;          // the main mask's "MMJJ"
  std::string last_summation;  // annual block slot 49 (MMJJJJ), empty before the first
};
// The month is closed when the last summation was for the mask's period.
[[nodiscard]] bool IsPeriodClosed(const BookingPeriod& period);

enum class BookingField {
  RunningNumber = booking_column::kRunningNumber,
  WageType = booking_column::kWageType,
  Category = booking_column::kCategory,
  Period = booking_column::kPeriod,
  Quantity = booking_column::kQuantity,
  Amount = booking_column::kAmount,
  Total = booking_column::kTotal,
  TaxKey = booking_column::kTaxKey,
  SvKey = booking_column::kSvKey,
  SvLiable = booking_column::kSvLiable,
  Taxable = booking_column::kTaxable,
  Garnishable = booking_column::kGarnishable,
  Base = booking_column::kBase,
};

enum class EditLineOutcome {
  Appended,
  Replaced,
  Deleted,
  TakenIntoEditLine,  // the line of the running number is now in the edit line
  Refused,            // message shown, focus on `focus`, nothing changed
};

struct BookingConfirmation {
  EditLineOutcome outcome = EditLineOutcome::Refused;
  std::optional<DialogMessage> message;
  BookingField focus = BookingField::WageType;
  int line = -1;  // the line appended, replaced, deleted or taken (0-based)
};

// "Eingabezeile bestätigen": takes a line into the edit line, or checks the
// edit line and appends, replaces or deletes. On success the edit line is
// cleared (or holds the line taken) and the lines are renumbered "01"..;
// on refusal table and edit line are as they were, except that the total
// is not touched either.
BookingConfirmation ConfirmBookingLine(BookingTable& table, BookingRow& edit_line, const BookingPeriod& period,
                                       const WageTypeTable& wage_types);

// The checks alone, in their order, on a line to be stored; nothing when
// it may be stored. Writes nothing.
[[nodiscard]] std::optional<BookingConfirmation> CheckBookingLine(const BookingRow& line, const BookingPeriod& period,
                                                                  const WageTypeTable& wage_types);

// The wage type of a number ("7" and "07" are the same number).
[[nodiscard]] const WageTypeRow* LookUpWageType(const WageTypeTable& table, std::string_view number);
[[nodiscard]] DialogMessage UnknownWageTypeMessage();
[[nodiscard]] DialogMessage WageTypeTakeOverQuestion();
// Whether taking the wage type over would replace keys the edit line
// already holds (a category, tax or SV key that differs from the wage
// type's): then the take-over question is asked first.
[[nodiscard]] bool TakeOverReplacesEntries(const BookingRow& edit_line, const WageTypeRow& wage_type);
// Writes the number and the category, tax and SV keys of the wage type
// into the edit line; its garnishment key is not copied.
void TakeOverWageType(BookingRow& edit_line, const WageTypeRow& wage_type);

[[nodiscard]] DialogMessage RecordNotFoundMessage();  // also used by the wage-type editor
[[nodiscard]] DialogMessage TooManyBookingsMessage();

// The booking line numbered n (01..30) when it exists.
[[nodiscard]] std::optional<int> LineOfRunningNumber(const BookingTable& table, std::string_view running);

}  // namespace pekto
