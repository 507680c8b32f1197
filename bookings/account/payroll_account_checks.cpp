#include "bookings/account/payroll_account_checks.h"

#include <algorithm>
#include <array>

#include "bookings/account/sv_number.h"

namespace pekto {

namespace {

using F = AccountField;

constexpr std::string_view kErrorCaption = "Eingabe Fehler !";
constexpr std::string_view kNotClosed = "Das Lohnkonto kann nicht geschlossen werden.";
// Insurance days of a year: twelve months of 30 days.
constexpr int kMaxYearDays = 360;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view text) { return std::all_of(text.begin(), text.end(), IsDigit); }

int TwoDigits(std::string_view text, std::size_t at) { return (text[at] - '0') * 10 + (text[at + 1] - '0'); }

using Failure = std::optional<AccountCheckFailure>;

Failure Fail(F focus, std::vector<std::string> lines) {
  return AccountCheckFailure{focus, AccountNotClosedMessage(std::move(lines))};
}

// A figure counts as given when its text is not empty and not zero; a text
// that is no amount at all counts as given, the amount check names it.
bool Given(const AccountEntries& e, F field) {
  const std::string& text = e[field];
  if (text.empty()) return false;
  if (SpecOf(field).kind == AccountFieldKind::Days) {
    return !AllDigits(text) || text.size() > 3 || std::stoi(text) != 0;
  }
  const auto cents = AccountAmountCents(text);
  return !cents || *cents != 0;
}

Failure CheckDates(const AccountEntries& e) {
  if (!IsAccountDate(e[F::EntryDate])) {
    return Fail(F::EntryDate, {"Es wurde ein unlogisches Eintritts-", "datum angegeben..."});
  }
  if (!IsAccountDate(e[F::ExitDate])) {
    return Fail(F::ExitDate, {"Es wurde ein unlogisches Austritts-", "datum angegeben..."});
  }
  return std::nullopt;
}

Failure CheckSvNumberEntry(const AccountEntries& e) {
  if (CompactSvNumber(e[F::SvNumber]).empty() || CheckSvNumber(e[F::SvNumber]) == SvNumberFault::None) {
    return std::nullopt;
  }
  return Fail(F::SvNumber, {"Bitte die korrekte Versicherungs-", "nummer angeben..."});
}

Failure CheckHoliday(const AccountEntries& e) {
  if (!IsHolidayDays(e[F::HolidayEntitlement])) {
    return Fail(F::HolidayEntitlement, {"Bitte den Jahresurlaubsanspruch", "im Format xx,x angeben..."});
  }
  if (!IsHolidayDays(e[F::HolidayRemaining])) {
    return Fail(F::HolidayRemaining, {"Bitte den Resturlaubsanspruch", "im Format xx,x angeben..."});
  }
  return std::nullopt;
}

Failure CheckPeriod(const AccountEntries& e) {
  const std::string& period = e[F::LastPeriod];
  if (period.empty()) return std::nullopt;
  if (period.size() != 4 || !AllDigits(period)) {
    return Fail(F::LastPeriod, {"Bitte den zuletzt abgerechneten Zeitraum", "im Format MMJJ (Monat Jahr) angeben..."});
  }
  const int month = TwoDigits(period, 0);
  if (month < 1 || month > 12) {
    return Fail(F::LastPeriod, {"Bitte einen logischen Abrechnungs-", "monat (Zeitraum) angeben..."});
  }
  return std::nullopt;
}

struct Branch {
  std::string_view name;  // KV, RV, AV
  F pay, days, employer, employee;
};

constexpr std::array<Branch, 3> kBranches{{
    {"KV", F::KvPay, F::KvDays, F::KvEmployer, F::KvEmployee},
    {"RV", F::RvPay, F::RvDays, F::RvEmployer, F::RvEmployee},
    {"AV", F::AvPay, F::AvDays, F::AvEmployer, F::AvEmployee},
}};

Failure CheckBranch(const AccountEntries& e, const Branch& b) {
  const std::string name(b.name);
  const bool pay = Given(e, b.pay);
  const bool days = Given(e, b.days);
  const bool contributions = Given(e, b.employer) || Given(e, b.employee);
  if (pay && !days) return Fail(b.days, {"Bitte die " + name + "-Sozialversicher-", "ungstage angeben...."});
  if ((days || pay) && !contributions) {
    return Fail(b.employer, {"Bitte den " + name + "-Beitrag Arbeitnehmer", "und/oder Arbeitgeber angeben..."});
  }
  if (contributions && !pay) {
    return Fail(b.pay, {"Bitte den " + name + "-Pflichtigen Betrag", "im Format xxxx,xx angeben...."});
  }
  return std::nullopt;
}

Failure CheckTransitionZone(const AccountEntries& e) {
  if (!Given(e, F::TransitionReduction)) return std::nullopt;
  if (!Given(e, F::RvPay)) return Fail(F::RvPay, {"Bitte das rentenversicherungspflichtige", "Entgelt angeben..."});
  const auto reduction = AccountAmountCents(e[F::TransitionReduction]);
  const auto rv_pay = AccountAmountCents(e[F::RvPay]);
  if (reduction && rv_pay && *reduction >= *rv_pay) {
    return Fail(F::TransitionReduction,
                {"Der Unterschiedsbetrag zwischen dem sozialversicherungsrechtlichen",
                 "Übergangsbereich und verbeitragtem rentenversicherungspflichtigten",
                 "Entgelt muss kleiner sein, als das rentenversicherungspflichtige", "Entgelt."});
  }
  return std::nullopt;
}

Failure CheckBranches(const AccountEntries& e) {
  for (const Branch& branch : kBranches) {
    if (auto failure = CheckBranch(e, branch)) return failure;
  }
  if (auto failure = CheckTransitionZone(e)) return failure;
  if (Given(e, F::LevyPay) && !Given(e, F::LevyDays)) {
    return Fail(F::LevyDays, {"Bitte die Umlageversicherungs- bzw. Kam-", "merbeitragspflichtigen SV-Tage angeben..."});
  }
  return std::nullopt;
}

Failure CheckFlatRate(const AccountEntries& e) {
  const bool pay = Given(e, F::FlatTaxedPay);
  const bool tax = Given(e, F::FlatWageTax) || Given(e, F::UniformFlatTax);
  if (pay && !tax) return Fail(F::FlatWageTax, {"Bitte die pauschale Lohnsteuer oder", "die Pauschsteuer angeben......."});
  if (tax && !pay) return Fail(F::FlatTaxedPay, {"Bitte die pauschal besteuerten", "Bezüge angeben..."});
  return std::nullopt;
}

// Amounts, and the day counts and the count of interruptions, which the
// filter keeps to digits on the screen but a pasted text need not.
Failure CheckForms(const AccountEntries& e, bool unlocked) {
  for (const AccountFieldSpec& spec : AccountFieldTable()) {
    if (spec.locked && !unlocked) continue;
    const std::string& text = e[spec.field];
    if (spec.kind == AccountFieldKind::Amount && !AccountAmountCents(text)) {
      return Fail(spec.field, {"Bitte den Betrag im anschließend angezeigten", "Eingabefeld im Format xxxx,xx angeben..."});
    }
    const bool days = spec.kind == AccountFieldKind::Days;
    if ((days || spec.kind == AccountFieldKind::Count) && !text.empty() &&
        (!AllDigits(text) || text.size() > 3 || (days && std::stoi(text) > kMaxYearDays))) {
      return Fail(spec.field, days ? std::vector<std::string>{"Bitte die Anzahl der SV-Tage (0 bis 360) im",
                                                              "anschließend angezeigten Eingabefeld angeben..."}
                                   : std::vector<std::string>{"Bitte die Anzahl der Unterbrechungen",
                                                              "als ganze Zahl angeben..."});
    }
  }
  return std::nullopt;
}

}  // namespace

bool IsAccountDate(std::string_view ttmmjj) {
  if (ttmmjj.empty()) return true;
  if (ttmmjj.size() != 6 || !AllDigits(ttmmjj)) return false;
  const int day = TwoDigits(ttmmjj, 0);
  const int month = TwoDigits(ttmmjj, 2);
  const int year = TwoDigits(ttmmjj, 4);
  if (month < 1 || month > 12 || day < 1) return false;
  constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  // JJ from 00 to 99 lies in 2000..2099 for an entry or exit date.
  const int last = month == 2 && year % 4 == 0 ? 29 : kDays[static_cast<std::size_t>(month - 1)];
  return day <= last;
}

bool IsHolidayDays(std::string_view text) {
  if (text.empty()) return true;
  const auto comma = text.find(',');
  if (comma == std::string_view::npos || comma == 0 || comma > 2 || text.size() != comma + 2) return false;
  return AllDigits(text.substr(0, comma)) && AllDigits(text.substr(comma + 1));
}

std::optional<std::int64_t> AccountAmountCents(std::string_view text) {
  if (text.empty()) return 0;
  const auto comma = text.find(',');
  if (comma == std::string_view::npos || comma == 0 || comma > 8 || text.size() != comma + 3) return std::nullopt;
  const std::string_view euros = text.substr(0, comma);
  const std::string_view cents = text.substr(comma + 1);
  if (!AllDigits(euros) || !AllDigits(cents)) return std::nullopt;
  std::int64_t value = 0;
  for (const char c : euros) value = value * 10 + (c - '0');
  return value * 100 + TwoDigits(cents, 0);
}

bool CarryForwardQuestionDue(const AccountEntries& opened, const AccountEntries& now,
                             const std::optional<std::string>& confirmed) {
  const std::string& period = now[F::LastPeriod];
  if (period.empty() || period == opened[F::LastPeriod]) return false;
  return !confirmed || *confirmed != period;
}

DialogMessage CarryForwardQuestion() {
  return {"Kontrolle",
          {"Das Eingabefeld \"Zuletzt abgerechneter Zeitraum\" wird grundsätzlich",
           "programmgesteuert verwaltet. Die Ausnahme bildet ein Summenvortrag",
           "bei erstmaliger Abrechnung dieses Arbeitnehmer.",
           "Ein Summenvortrag ist nur dann vorzunehmen, falls der Arbeitnehmer",
           "vor der Erstabrechnug mit diesem Programm bei Ihnen beschäftigt war.", "Beispiel:",
           "Erstabrechnung Juli 2013 und Mitarbeiter war bereits im Juni 2013 bei",
           "Ihnen beschäftigt. Als Zeitraum müsste 0613, mit den bis dahin aufge-", "laufenen Summen erfasst werden.",
           "Trifft das o.g. Beispiel zu, so bestätigen Sie diese Abfrage mit \"JA\".",
           "Ansonsten klicken Sie bitte auf \"NEIN\" und entfernen den Eintrag."},
          MessageKind::Question};
}

DialogMessage AccountNotClosedMessage(std::vector<std::string> lines) {
  if (!lines.empty()) lines.emplace_back();
  lines.emplace_back(kNotClosed);
  return {std::string(kErrorCaption), std::move(lines), MessageKind::Exclamation};
}

std::optional<AccountCheckFailure> CheckPayrollAccount(const AccountEntries& entries,
                                                       const AccountCheckContext& context,
                                                       const std::function<bool(const DialogMessage&)>& ask) {
  if (auto failure = CheckDates(entries)) return failure;
  if (auto failure = CheckSvNumberEntry(entries)) return failure;
  if (auto failure = CheckHoliday(entries)) return failure;
  if (auto failure = CheckPeriod(entries)) return failure;
  if (context.carry_forward_due && !ask(CarryForwardQuestion())) {
    return AccountCheckFailure{F::LastPeriod, AccountNotClosedMessage({})};
  }
  if (!context.unlocked) return CheckForms(entries, false);
  if (auto failure = CheckBranches(entries)) return failure;
  if (auto failure = CheckFlatRate(entries)) return failure;
  return CheckForms(entries, true);
}

}  // namespace pekto
