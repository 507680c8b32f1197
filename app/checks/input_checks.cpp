#include "app/checks/input_checks.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "app/checks/amount_format.h"
#include "app/checks/check_conditions.h"
#include "app/checks/check_table.h"
#include "app/checks/field_text.h"

namespace pekto {
namespace {

using F = MaskField;

constexpr std::string_view kErrorCaption = "Eingabe Fehler !";
constexpr std::string_view kErrorIntroduction = "Berechnung kann nicht durchgeführt werden.";
constexpr std::string_view kWarningCaption = "Kontrolle";

constexpr std::string_view kEnergyAllowanceFlatTax = "EG-Pauschale (Pauschsteuer)";
constexpr std::string_view kEnergyAllowanceTaxClass = "EG-Pauschale (Steuerklasse)";
constexpr Cents kEnergyAllowanceAmount{30000};

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  for (;;) {
    const auto end = text.find("\r\n");
    lines.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) return lines;
    text.remove_prefix(end + 2);
  }
}

void ReplaceAll(std::string& text, std::string_view placeholder, std::string_view value) {
  for (auto at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at + value.size())) {
    text.replace(at, placeholder.size(), value);
  }
}

std::string FilledMessage(const InputCheck& check, const CheckContext& context, const ProgramIdentity& program) {
  std::string text(check.message);
  ReplaceAll(text, kYearPlaceholder, std::to_string(context.year));
  ReplaceAll(text, kYearRangePlaceholder, SupportedYearsText(program.version));
  ReplaceAll(text, kTelephonePlaceholder, program.vendor_telephone);
  ReplaceAll(text, kKeyPlaceholder, context[F::SvAttributeKey]);
  ReplaceAll(text, kOtherPayLimitPlaceholder, FormatAmount(check::OtherEmployerPayLimit(context.params)));
  return text;
}

CheckFailure FailureOf(const InputCheck& check, const CheckContext& context, const ProgramIdentity& program) {
  DialogMessage message{std::string(kErrorCaption), {std::string(kErrorIntroduction), ""}, MessageKind::Exclamation};
  for (std::string& line : SplitLines(FilledMessage(check, context, program))) message.lines.push_back(std::move(line));
  return {check.number, check.field, std::move(message)};
}

// Warnings.

struct WarningContext {
  const CheckContext& check;
  const std::optional<std::vector<BookedWageType>>& bookings;

  [[nodiscard]] const std::string& operator[](MaskField field) const { return check[field]; }
  [[nodiscard]] bool Booked(std::string_view name) const {
    return bookings && std::any_of(bookings->begin(), bookings->end(),
                                   [&](const BookedWageType& line) { return line.name == name; });
  }
  [[nodiscard]] Cents BookedTotal(std::string_view name) const {
    Cents total;
    if (!bookings) return total;
    for (const BookedWageType& line : *bookings) {
      if (line.name == name) total += line.total;
    }
    return total;
  }
};

bool IsOneOf(std::string_view text, std::initializer_list<std::string_view> keys) {
  return std::find(keys.begin(), keys.end(), text) != keys.end();
}

bool TaxedByClassOneToFive(const WarningContext& w) {
  return IsOneOf(w[F::TaxClass], {"1", "2", "3", "4", "5"}) && w[F::FlatTaxKind].empty();
}

// The flat tax of § 40a Abs. 2 and 2a EStG (kind 1) is for pay from a
// mini-job (§ 8 Abs. 1 Nr. 1 SGB IV): the month's current pay must not
// exceed the mini-job limit of the period. The other kinds have limits per
// day or hour (§ 40a Abs. 1, 3 EStG) that the mask does not hold.
bool FlatTaxLimitExceeded(const WarningContext& w) {
  const auto pay = ParseMaskAmount(w[F::TaxableGross], kAmountDecimals);
  const YearParameters& params = w.check.params;
  return w[F::FlatTaxKind] == "1" && params.year != 0 && pay && Cents(*pay) > params.marginal_employment.MiniJobLimit;
}

// Flat-taxed pay is normally free of contributions (a mini-job or a
// short-term job). An employee share in KV, AV, PV, or in RV outside a
// mini-job, means the job is liable.
bool FlatTaxWithSocialInsurance(const WarningContext& w) {
  if (w[F::FlatTaxKind].empty()) return false;
  const bool mini_job = w[F::SvAttributeKey] == "2";
  return IsOneOf(w[F::KvKey], {"1", "3", "5"}) || IsOneOf(w[F::AvKey], {"1", "2"}) ||
         IsOneOf(w[F::PvKey], {"1", "2"}) || (!mini_job && IsOneOf(w[F::RvKey], {"1", "3"}));
}

bool EnergyAllowanceFlatTaxWithoutFlatTax(const WarningContext& w) {
  return w.Booked(kEnergyAllowanceFlatTax) && w[F::FlatTaxKind].empty();
}

bool EnergyAllowanceTaxClassWithoutTaxClass(const WarningContext& w) {
  return w.Booked(kEnergyAllowanceTaxClass) && !TaxedByClassOneToFive(w);
}

// The energy-price allowance is 300 Euro (§ 112 Abs. 2 EStG).
bool EnergyAllowanceTaxClassAmount(const WarningContext& w) {
  return w.Booked(kEnergyAllowanceTaxClass) && w.BookedTotal(kEnergyAllowanceTaxClass) != kEnergyAllowanceAmount;
}

// The employer pays the allowance with the September 2022 pay (§ 117
// EStG) to employees in their first employment (classes 1 to 5) or in a
// mini-job taxed at the flat rate of § 40a Abs. 2 EStG (§ 113 EStG).
bool EnergyAllowanceNotBooked(const WarningContext& w) {
  const bool entitled = TaxedByClassOneToFive(w) || w[F::FlatTaxKind] == "1";
  return w.bookings && w[F::Period] == "0922" && entitled && !w.Booked(kEnergyAllowanceFlatTax) &&
         !w.Booked(kEnergyAllowanceTaxClass);
}

// § 117 Abs. 1 EStG: September 2022, or October 2022 for employers who
// file their wage-tax returns quarterly.
bool EnergyAllowanceOutsidePeriod(const WarningContext& w) {
  const bool booked = w.Booked(kEnergyAllowanceFlatTax) || w.Booked(kEnergyAllowanceTaxClass);
  return booked && !IsOneOf(w[F::Period], {"0922", "1022"});
}

struct WarningRow {
  InputWarningId id;
  bool (*applies)(const WarningContext&);
  std::string_view message;
  WarningStop stop;
  std::optional<MaskField> focus;
};

// In the order they are asked. The questions stop on No, except the
// question whether the allowance is still to be booked: its Yes stops the
// run so that the user can book it. The boxes without a question ask to
// change a booking; they stop the run.
const std::array<WarningRow, 7> kWarnings = {{
    {InputWarningId::FlatTaxLimitExceeded, &FlatTaxLimitExceeded,
     "Die Pauschalierungsgrenze für\r\n"
     "geringfügig Beschäftigte wur-\r\n"
     "de überschritten.\r\n"
     "\r\n"
     "Sind Sie sicher, daß es sich\r\n"
     "hier um einen geringfügig\r\n"
     "Beschäftigten handelt....",
     WarningStop::OnNo, F::FlatTaxKind},
    {InputWarningId::FlatTaxWithSocialInsurance, &FlatTaxWithSocialInsurance,
     "Sind Sie sicher, daß der Ar-\r\n"
     "beitnehmer bei Lohnsteuerpau-\r\n"
     "schalierung sozialversicher-\r\n"
     "ungspflichtig ist.....",
     WarningStop::OnNo, std::nullopt},
    {InputWarningId::EnergyAllowanceFlatTaxWithoutFlatTax, &EnergyAllowanceFlatTaxWithoutFlatTax,
     "Die gebuchte Lohnart EG-Pauschale (Pauschsteuer)\r\n"
     "ist nur bei Pauschalierung der Lohnsteuer zulässig.\r\n"
     "\r\n"
     "Bitte ändern Sie die Buchung oder die Besteuerungs-\r\n"
     "art des Arbeitnehmer.",
     WarningStop::Always, std::nullopt},
    {InputWarningId::EnergyAllowanceTaxClassWithoutTaxClass, &EnergyAllowanceTaxClassWithoutTaxClass,
     "Die gebuchte Lohnart EG-Pauschale (Steuerklasse)\r\n"
     "ist nur für Arbeitneher zulässig, die nach den Lohn-\r\n"
     "steuerklassen 1 bis 5 besteuert werden.\r\n"
     "\r\n"
     "Bitte ändern Sie die Buchung oder die Besteuerungs-\r\n"
     "art des Arbeitnehmer.",
     WarningStop::Always, std::nullopt},
    {InputWarningId::EnergyAllowanceTaxClassAmount, &EnergyAllowanceTaxClassAmount,
     "Die EG-Pauschale Steuerklasse muss 300,00 Euro\r\n"
     "betragen.\r\n"
     "\r\n"
     "Bitte ändern Sie den Buchungsbetrsg.",
     WarningStop::Always, std::nullopt},
    {InputWarningId::EnergyAllowanceNotBooked, &EnergyAllowanceNotBooked,
     "Im Abrechnungszeitraum September 2022 muss für den Mitarbeiter die Energiepauschale gezahlt werden.\r\n"
     "\r\n"
     "Falls Sie weniger als 5000 Euro Lohnsteuer im Jahr überweisen und die Steuer nur vierteljährlich abführen, kann "
     "die EG-Pauschale auch im Abrechnungszeitraum Oktober 2022 gezahlt werden.\r\n"
     "\r\n"
     "Führen Sie weniger als 1080 Euro Lohnsteuer im Jahr an das Finanzamt ab, kann auf die Auszahlung der "
     "Energiepauschale verzichtet werden.\r\n"
     "\r\n"
     "Möchten Sie die Energiepauschale noch buchen ?",
     WarningStop::OnYes, std::nullopt},
    {InputWarningId::EnergyAllowanceOutsidePeriod, &EnergyAllowanceOutsidePeriod,
     "Die Zahlung der Energiepauschale ist ausschliesslich im Abrechnungszeitraum September 2022 oder im "
     "Abrechnungszeitraum Oktober 2022 zulässig.\r\n"
     "\r\n"
     "Bitte entfernen Sie die entsprechende Buchung.",
     WarningStop::Always, F::Period},
}};

InputWarning WarningOf(const WarningRow& row) {
  const MessageKind kind = row.stop == WarningStop::Always ? MessageKind::Exclamation : MessageKind::Question;
  return {row.id, DialogMessage{std::string(kWarningCaption), SplitLines(row.message), kind}, row.stop, row.focus};
}

// Versions "3.98" to "4.17", each 0.01 one year later than the one before.
constexpr int kFirstVersion = 398;
constexpr int kLastVersion = 417;
constexpr int kFirstYearOfFirstVersion = 2017;
constexpr int kYearsPerVersion = 5;

std::optional<int> VersionInHundredths(std::string_view version) {
  if (version.size() != 4 || version[1] != '.') return std::nullopt;
  int value = 0;
  for (const char c : {version[0], version[2], version[3]}) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace

YearParameterInputs YearParameterInputsOf(const MaskFields& mask) {
  return {mask[F::Period],          mask[F::BirthDate],   mask[F::PvChildren],
          mask[F::ChildAllowances], mask[F::StateCode],   mask[F::ChurchEmployee],
          mask[F::SvAttributeKey],  mask[F::FlatTaxKind], mask[F::RvKey]};
}

bool InputWarning::StopsAfter(bool answered_yes) const {
  switch (stop) {
    case WarningStop::OnNo:
      return !answered_yes;
    case WarningStop::OnYes:
      return answered_yes;
    case WarningStop::Always:
      break;
  }
  return true;
}

bool ContinuingAnswer(const InputWarning& warning) { return warning.stop != WarningStop::OnYes; }

DialogMessage UntypeableFieldMessage(MaskField field) {
  const MaskFieldSpec& spec = SpecOf(field);
  return {std::string(kErrorCaption),
          {std::string(kErrorIntroduction), "", "Der Eintrag im Eingabefeld \"" + std::string(spec.label) + "\"",
           "enthält Zeichen, die dort nicht eingegeben", "werden können, oder ist länger als " +
               std::to_string(spec.max_length) + " Zeichen.",
           "Bitte den Eintrag korrigieren."},
          MessageKind::Exclamation};
}

std::optional<CheckFailure> FirstFailingCheck(const CheckInputs& inputs) {
  const CheckContext context(inputs.mask, inputs.params);
  for (const InputCheck& check : InputCheckTable()) {
    if (check.fails(context, check.field)) return FailureOf(check, context, inputs.program);
  }
  // Each field's own check speaks first (a misplaced minus in an amount is
  // that amount's format error); what is left that no typing could
  // produce came from a file.
  if (const auto field = FirstUntypeableField(inputs.mask)) {
    return CheckFailure{kUntypeableFieldCheck, *field, UntypeableFieldMessage(*field)};
  }
  return std::nullopt;
}

std::vector<int> FailingCheckNumbers(const CheckInputs& inputs) {
  const CheckContext context(inputs.mask, inputs.params);
  std::vector<int> numbers;
  for (const InputCheck& check : InputCheckTable()) {
    if (check.fails(context, check.field)) numbers.push_back(check.number);
  }
  return numbers;
}

std::vector<InputWarning> ApplicableWarnings(const CheckInputs& inputs) {
  const CheckContext context(inputs.mask, inputs.params);
  const WarningContext warning_context{context, inputs.bookings};
  std::vector<InputWarning> warnings;
  for (const WarningRow& row : kWarnings) {
    if (row.applies(warning_context)) warnings.push_back(WarningOf(row));
  }
  return warnings;
}

CheckOutcome RunInputChecks(const CheckInputs& inputs, const WarningResponder& respond) {
  CheckOutcome outcome;
  outcome.failure = FirstFailingCheck(inputs);
  if (outcome.failure) return outcome;
  for (InputWarning& warning : ApplicableWarnings(inputs)) {
    if (warning.StopsAfter(respond(warning))) {
      outcome.stopped_by = std::move(warning);
      return outcome;
    }
    outcome.passed.push_back(std::move(warning));
  }
  return outcome;
}

std::string SupportedYearsText(std::string_view version) {
  // Release 4.03 (2026) keeps the years from 2020 and adds 2025 and 2026.
  if (version == "4.03") return std::to_string(kFirstParameterYear) + " - " + std::to_string(kLastParameterYear);
  const auto hundredths = VersionInHundredths(version);
  if (!hundredths || *hundredths < kFirstVersion || *hundredths > kLastVersion) return {};
  const int first = kFirstYearOfFirstVersion + (*hundredths - kFirstVersion);
  return std::to_string(first) + " - " + std::to_string(first + kYearsPerVersion - 1);
}

std::vector<InputCheckInfo> InputCheckList() {
  std::vector<InputCheckInfo> list;
  for (const InputCheck& check : InputCheckTable()) list.push_back({check.number, check.field});
  return list;
}

}  // namespace pekto
