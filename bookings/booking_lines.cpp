#include "bookings/booking_lines.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace pekto {
namespace {

namespace col = booking_column;
using F = BookingField;

constexpr std::string_view kInputError = "Eingabe Fehler";

DialogMessage InputError(std::vector<std::string> lines) {
  return {std::string(kInputError), std::move(lines), MessageKind::Exclamation};
}

BookingConfirmation Refuse(BookingField focus, DialogMessage message) {
  return {EditLineOutcome::Refused, std::move(message), focus, -1};
}

const std::string& Cell(const BookingRow& row, BookingField field) {
  return row[static_cast<std::size_t>(field)];
}

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int TwoDigits(std::string_view text) { return (text[0] - '0') * 10 + (text[1] - '0'); }

// "0124" as 2401, so that periods compare in time.
int PeriodOrder(std::string_view mmjj) { return TwoDigits(mmjj.substr(2, 2)) * 100 + TwoDigits(mmjj.substr(0, 2)); }

bool IsPeriodText(std::string_view text) {
  if (text.size() != 4 || !AllDigits(text)) return false;
  const int month = TwoDigits(text.substr(0, 2));
  return month >= 1 && month <= 12;
}

bool OnlyRunningNumber(const BookingRow& line) {
  for (std::size_t i = 1; i < line.size(); ++i) {
    if (!line[i].empty()) return false;
  }
  return true;
}

std::string TwoDigitNumber(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

void Renumber(BookingTable& table) {
  for (int i = 0; i < kMaxBookingLines; ++i) {
    auto& row = table[static_cast<std::size_t>(i)];
    if (row[col::kRunningNumber].empty()) break;
    row[col::kRunningNumber] = TwoDigitNumber(i + 1);
  }
}

void DeleteLine(BookingTable& table, int line) {
  const int count = BookingLineCount(table);
  for (int i = line; i + 1 < count; ++i) {
    table[static_cast<std::size_t>(i)] = table[static_cast<std::size_t>(i + 1)];
  }
  table[static_cast<std::size_t>(count - 1)].fill({});
  Renumber(table);
}

std::optional<BookingConfirmation> CheckPeriod(const BookingPeriod& period) {
  if (!IsPeriodText(period.period)) {
    return Refuse(F::WageType, InputError({"Buchungen sind nicht möglich, da kein",
                                           "Abrechnungszeitraum auf der Hauptmaske", "angegeben wurde."}));
  }
  if (IsPeriodClosed(period)) {
    return Refuse(F::WageType, InputError({"Buchungen sind nicht möglich,", "da der Zeitraum " + period.period +
                                                                              " bereits",
                                           "abgeschlossen wurde."}));
  }
  return std::nullopt;
}

std::optional<BookingConfirmation> CheckDays(const BookingRow& line) {
  const std::string_view category = Cell(line, F::Category);
  if (!Cell(line, F::Amount).empty() || !Cell(line, F::Total).empty()) {
    return Refuse(!Cell(line, F::Amount).empty() ? F::Amount : F::Total,
                  InputError({"Handelt es sich um Tagesangaben, so ist kein Eintrag in den",
                              "Eingabefeldern Betrag je Mengeneinheit und Bruttobetrag", "vorzunehmen.",
                              "Bitte entfernen Sie die entsprechenden Einträge."}));
  }
  const bool whole_days = category == "9" || category == "0";
  if (!ParseDecimalText(Cell(line, F::Quantity), whole_days ? 0 : 1)) {
    return Refuse(F::Quantity, whole_days ? InputError({"Bitte die Tagesanzahl ohne Komma", "im Format (xx) angeben."})
                                          : InputError({"Bitte die Tage mit korrekter", "Kommastellung (xx,x) angeben."}));
  }
  return std::nullopt;
}

std::optional<BookingConfirmation> CheckMoney(const BookingRow& line) {
  if (!ParseDecimalText(Cell(line, F::Quantity), 2)) {
    return Refuse(F::Quantity, InputError({"Bitte die Menge mit korrekter", "Kommastellung (xxx,xx) angeben."}));
  }
  if (!ParseBookingAmount(Cell(line, F::Amount))) {
    return Refuse(F::Amount, InputError({"Bitte den EURO Betrag je Mengenein-", "heit mit korrekter Kommastellung",
                                         "(xxx,xx) angeben."}));
  }
  if (!ParseBookingAmount(Cell(line, F::Total))) {
    return Refuse(F::Total,
                  InputError({"Bitte den Bruttobetrag mit kor-", "rekter Kommastellung (xxx,xx)", "angeben."}));
  }
  return std::nullopt;
}

std::optional<BookingConfirmation> CheckDeviatingAmounts(const BookingRow& line) {
  struct Rule {
    BookingField field;
    std::vector<std::string> lines;
  };
  const Rule rules[] = {
      {F::SvLiable,
       {"Bitte den sozialversicherungspflichtigen", "Betrag mit korrekter Kommastellung (xxx,xx)", "angeben."}},
      {F::Taxable, {"Bitte den steuerpflichtigen Betrag mit", "korrekter Kommastellung (xxx,xx) ange-", "ben."}},
      {F::Garnishable, {"Bitte den pfändbaren Betrag mit", "korrekter Kommastellung (xxx,xx)", "angeben."}},
      {F::Base, {"Bitte den Basisbetrag mit kor-", "rekter Kommastellung (xxx,xx)", "angeben."}},
  };
  for (const Rule& rule : rules) {
    if (!ParseBookingAmount(Cell(line, rule.field))) return Refuse(rule.field, InputError(rule.lines));
  }
  return std::nullopt;
}

std::optional<BookingConfirmation> CheckCorrectionPeriod(const BookingRow& line, const BookingPeriod& period) {
  const std::string& correction = Cell(line, F::Period);
  if (correction.empty()) return std::nullopt;
  if (!IsPeriodText(correction)) {
    return Refuse(F::Period, InputError({"Bitte den Berichtigungszeitraum", "im Format MMJJ angeben.",
                                         "(z.B. Januar 2002 als 0102)"}));
  }
  if (PeriodOrder(correction) >= PeriodOrder(period.period)) {
    return Refuse(F::Period,
                  InputError({"Der Berichtigungszeitraum muss kleiner", "als der aktuelle Abrechnungszeitraum",
                              "sein. Falls es sich nicht um eine Be-", "richtigung handelt ist kein Zeitraum",
                              "anzugeben."}));
  }
  return std::nullopt;
}

std::optional<BookingConfirmation> CheckRequired(const BookingRow& line) {
  const std::string_view category = Cell(line, F::Category);
  if (!IsMoneyCategory(category)) return std::nullopt;
  if (Cell(line, F::Amount).empty()) {
    return Refuse(F::Amount, InputError({"Bitte den Euro Betrag je", "Mengeneinheit angeben."}));
  }
  if (category == "1" && Cell(line, F::TaxKey).empty()) {
    return Refuse(F::TaxKey, InputError({"Der Steuerschlüssel ist", "angeben...."}));
  }
  if (category == "1" && Cell(line, F::SvKey).empty()) {
    return Refuse(F::SvKey, InputError({"Der Sozialversicherungs-", "schlüssel ist angeben."}));
  }
  if (Cell(line, F::Quantity).empty()) return Refuse(F::Quantity, InputError({"Bitte die Menge angeben."}));
  return std::nullopt;
}

// Amounts as the line stores them; the total as quantity times amount.
void CompleteLine(BookingRow& line) {
  for (const int column : {col::kAmount, col::kSvLiable, col::kTaxable, col::kGarnishable, col::kBase}) {
    line[static_cast<std::size_t>(column)] = NormaliseBookingAmount(line[static_cast<std::size_t>(column)]);
  }
  if (IsMoneyCategory(line[col::kCategory])) {
    const auto quantity = ParseDecimalText(line[col::kQuantity], 2);
    const auto amount = ParseBookingAmount(line[col::kAmount]);
    line[col::kTotal] = FormatAmount(LineTotal(quantity.value_or(0), amount.value_or(Cents(0))));
  }
}

}  // namespace

bool IsDayCategory(std::string_view category) {
  return category.size() == 1 && std::string_view("567890").find(category[0]) != std::string_view::npos;
}

bool IsMoneyCategory(std::string_view category) {
  return category.size() == 1 && category[0] >= '1' && category[0] <= '4';
}

int BookingLineCount(const BookingTable& table) {
  int count = 0;
  while (count < kMaxBookingLines && !table[static_cast<std::size_t>(count)][col::kRunningNumber].empty()) ++count;
  return count;
}

std::optional<std::int64_t> ParseDecimalText(std::string_view text, int decimals) {
  if (text.empty()) return 0;
  const bool negative = text.front() == '-';
  if (negative) text.remove_prefix(1);
  const auto comma = text.find(',');
  const std::string_view whole = text.substr(0, comma);
  const std::string_view fraction = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
  if (!AllDigits(whole) || whole.size() > 12) return std::nullopt;
  if (comma != std::string_view::npos &&
      (decimals == 0 || fraction.empty() || static_cast<int>(fraction.size()) > decimals || !AllDigits(fraction))) {
    return std::nullopt;
  }
  std::int64_t value = 0;
  std::from_chars(whole.data(), whole.data() + whole.size(), value);
  for (int i = 0; i < decimals; ++i) {
    value = value * 10 + (static_cast<std::size_t>(i) < fraction.size() ? fraction[static_cast<std::size_t>(i)] - '0' : 0);
  }
  return negative ? -value : value;
}

std::optional<Cents> ParseBookingAmount(std::string_view text) {
  const auto comma = text.find(',');
  if (comma != std::string_view::npos && text.size() - comma - 1 != 2) return std::nullopt;
  const auto cents = ParseDecimalText(text, 2);
  if (!cents) return std::nullopt;
  return Cents(*cents);
}

std::string NormaliseBookingAmount(std::string_view text) {
  if (text.empty()) return {};
  const auto amount = ParseBookingAmount(text);
  return amount ? FormatAmount(*amount) : std::string(text);
}

Cents LineTotal(std::int64_t quantity_hundredths, Cents amount) {
  const Decimal product = Decimal::FromScaled(quantity_hundredths, 2) * amount.ToDecimal();
  return RoundHalfAwayFromZero(product);
}

bool IsPeriodClosed(const BookingPeriod& period) {
  const std::string& last = period.last_summation;
  if (last.size() < 4 || period.period.size() != 4) return false;
  return last.substr(0, 2) + last.substr(last.size() - 2) == period.period;
}

std::optional<BookingConfirmation> CheckBookingLine(const BookingRow& line, const BookingPeriod& period,
                                                    const WageTypeTable& wage_types) {
  if (auto failure = CheckPeriod(period)) return failure;
  if (Cell(line, F::WageType).empty()) return Refuse(F::WageType, InputError({"Die Lohnartennummer ist", "einzutragen."}));
  if (LookUpWageType(wage_types, Cell(line, F::WageType)) == nullptr) {
    return Refuse(F::WageType, UnknownWageTypeMessage());
  }
  const std::string_view category = Cell(line, F::Category);
  if (!IsDayCategory(category) && !IsMoneyCategory(category)) {
    return Refuse(F::WageType, InputError({"Der Eigenschaftenschlüssel für die Lohnart", "ist einzutragen."}));
  }
  if (auto failure = IsDayCategory(category) ? CheckDays(line) : CheckMoney(line)) return failure;
  if (auto failure = CheckDeviatingAmounts(line)) return failure;
  if (auto failure = CheckCorrectionPeriod(line, period)) return failure;
  if (auto failure = CheckRequired(line)) return failure;
  return std::nullopt;
}

BookingConfirmation ConfirmBookingLine(BookingTable& table, BookingRow& edit_line, const BookingPeriod& period,
                                       const WageTypeTable& wage_types) {
  const std::string& running = edit_line[col::kRunningNumber];
  std::optional<int> line;
  if (!running.empty()) {
    line = LineOfRunningNumber(table, running);
    if (!line) return Refuse(F::RunningNumber, RecordNotFoundMessage());
    if (OnlyRunningNumber(edit_line)) {
      edit_line = table[static_cast<std::size_t>(*line)];
      return {EditLineOutcome::TakenIntoEditLine, std::nullopt, F::WageType, *line};
    }
  }
  if (line && edit_line[col::kWageType].empty()) {
    if (auto failure = CheckPeriod(period)) return *failure;
    DeleteLine(table, *line);
    edit_line.fill({});
    return {EditLineOutcome::Deleted, std::nullopt, F::RunningNumber, *line};
  }
  if (auto failure = CheckBookingLine(edit_line, period, wage_types)) return *failure;
  const int count = BookingLineCount(table);
  if (!line && count >= kMaxBookingLines) return Refuse(F::WageType, TooManyBookingsMessage());
  BookingRow stored = edit_line;
  CompleteLine(stored);
  const int target = line.value_or(count);
  stored[col::kRunningNumber] = TwoDigitNumber(target + 1);
  table[static_cast<std::size_t>(target)] = std::move(stored);
  edit_line.fill({});
  return {line ? EditLineOutcome::Replaced : EditLineOutcome::Appended, std::nullopt, F::WageType, target};
}

const WageTypeRow* LookUpWageType(const WageTypeTable& table, std::string_view number) {
  const auto wanted = ParseDecimalText(number, 0);
  if (number.empty() || !wanted || *wanted < 0) return nullptr;
  for (int i = 0; i < table.count && i < kWageTypeRows; ++i) {
    const WageTypeRow& row = table.rows[static_cast<std::size_t>(i)];
    const auto own = ParseDecimalText(row[wage_column::kNumber], 0);
    if (!row[wage_column::kNumber].empty() && own && *own == *wanted) return &row;
  }
  return nullptr;
}

DialogMessage UnknownWageTypeMessage() {
  return InputError({"Die angegebene Lohnart ist nicht", "vorhanden.", "Richten Sie die Lohnart (falls er-",
                     "forderlich) zuerst über die Lohn-", "artendatei ein."});
}

DialogMessage WageTypeTakeOverQuestion() {
  return {"Kontrolle",
          {"Beachten Sie bitte, daß bei Übernahme der", "Lohnart eventuell individuell eingetrage-",
           "ne Schlüssel (Steuerschlüssel usw.), durch", "die der Lohnart zugeordneten Schlüssel",
           "(Lohnartendatei), ersetzt werden.", "Lohnart auf die Buchungsmaske übernehmen?"},
          MessageKind::Question};
}

bool TakeOverReplacesEntries(const BookingRow& edit_line, const WageTypeRow& wage_type) {
  const std::pair<int, int> keys[] = {{col::kCategory, wage_column::kCategory},
                                      {col::kTaxKey, wage_column::kTaxKey},
                                      {col::kSvKey, wage_column::kSvKey}};
  return std::any_of(std::begin(keys), std::end(keys), [&](const std::pair<int, int>& k) {
    const std::string& held = edit_line[static_cast<std::size_t>(k.first)];
    return !held.empty() && held != wage_type[static_cast<std::size_t>(k.second)];
  });
}

void TakeOverWageType(BookingRow& edit_line, const WageTypeRow& wage_type) {
  edit_line[col::kWageType] = wage_type[wage_column::kNumber];
  edit_line[col::kCategory] = wage_type[wage_column::kCategory];
  edit_line[col::kTaxKey] = wage_type[wage_column::kTaxKey];
  edit_line[col::kSvKey] = wage_type[wage_column::kSvKey];
}

DialogMessage RecordNotFoundMessage() {
  return {"Eingabe Fehler !",
          {"Der angegebene Datensatz wurde nicht gefunden.", "Möchten Sie einen Datensatz ändern, so muss",
           "dieser am Bildschirm angezeigt werden !", "Möchten Sie einen Datensatz neu erfassen, so",
           "ist keine laufende Nummer anzugeben !"},
          MessageKind::Exclamation};
}

DialogMessage TooManyBookingsMessage() {
  return {"Kontrolle !", {"Mehr als 30 Buchungen können nicht erfaßt", "werden."}, MessageKind::Information};
}

std::optional<int> LineOfRunningNumber(const BookingTable& table, std::string_view running) {
  const auto wanted = ParseDecimalText(running, 0);
  if (!wanted || *wanted < 1 || *wanted > BookingLineCount(table)) return std::nullopt;
  return static_cast<int>(*wanted) - 1;
}

}  // namespace pekto
