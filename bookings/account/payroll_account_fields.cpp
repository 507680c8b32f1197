#include "bookings/account/payroll_account_fields.h"

#include <algorithm>

#include "bookings/account/sv_number.h"
#include "record/amount_normalisation.h"

namespace pekto {

namespace {

using F = AccountField;
using G = AccountGroup;
using K = AccountFieldKind;
namespace s = annual_slot;
namespace t = account_topic;

constexpr std::array<AccountFieldSpec, kAccountFieldCount> kTable{{
    {F::EntryDate, s::kEntryDate, G::General, K::Date, false, " Eintrittsdatum im Format TTMMJJ", t::kGeneral},
    {F::ExitDate, s::kExitDate, G::General, K::Date, false, " Austrittsdatum im Format TTMMJJ", t::kGeneral},
    {F::SvNumber, s::kSvNumber, G::General, K::SvNumber, false, " Sozialversicherungsnummer", t::kSvNumber},
    {F::HealthFund, s::kHealthFund, G::General, K::FundName, false,
     " Zuständige Krankenkasse bei Pflichversicherung (Abkürzung z.B. AOK)", t::kGeneral},
    {F::VoluntaryHealthFund, s::kVoluntaryHealthFund, G::General, K::FundName, false,
     " Zuständige Krankenkasse bei freiwilliger Versicherung (Abkürzung z.B. DAK)", t::kGeneral},
    {F::HolidayEntitlement, s::kHolidayEntitlement, G::General, K::Holiday, false,
     " Jahresurlaubsanspruch (Tage im Format xx,x)", t::kGeneral},
    {F::HolidayRemaining, s::kHolidayRemaining, G::General, K::Holiday, false,
     " Resturlaubsanspruch (Tage im Format xx,x)", t::kGeneral},
    {F::LastPeriod, s::kLastSummation, G::LastPeriod, K::Period, true,
     " Zuletzt abgerechneter Zeitraum im Format MMJJ", t::kLastPeriod},

    {F::GrossTotal, s::kGrossTotal, G::TaxFigures, K::Amount, true, " Gesamter Bruttobetrag", t::kTaxFigures},
    {F::TaxableOneOff, s::kTaxableOneOff, G::TaxFigures, K::Amount, true, " Steuerpflichtige sonstige Bezüge",
     t::kTaxFigures},
    {F::TaxableCurrent, s::kTaxablePay, G::TaxFigures, K::Amount, true, " Steuerpflichtige laufende Bezüge",
     t::kTaxFigures},
    {F::PensionIncluded, s::kPensionIncluded, G::TaxFigures, K::Amount, true,
     " Im steuerpflichtigen Einkommen enthaltene Versorgungsbezüge", t::kTaxFigures},
    {F::TaxableTotal, s::kTaxableTotal, G::TaxFigures, K::Amount, true, " Steuerpflichtiger Gesamtbetrag",
     t::kTaxFigures},
    {F::WageTaxOneOff, s::kWageTaxOneOff, G::TaxFigures, K::Amount, true,
     " Einbehaltene Lohnsteuer für sonstige Bezüge", t::kTaxFigures},
    {F::WageTaxCurrent, s::kWageTaxCurrent, G::TaxFigures, K::Amount, true,
     " Einbehaltene Lohnsteuer für laufende Bezüge", t::kTaxFigures},
    {F::ChurchTax, s::kChurchTax, G::TaxFigures, K::Amount, true, " Einbehaltene Kirchensteuer", t::kTaxFigures},
    {F::Soli, s::kSoli, G::TaxFigures, K::Amount, true, " Einbehaltener Solidaritätszuschlag", t::kTaxFigures},
    {F::Chamber, s::kChamber, G::TaxFigures, K::Amount, true, " Einbehaltener Kammerbeitrag", t::kTaxFigures},
    // Typed by the user only; the summation leaves it alone.
    {F::Interruptions, s::kInterruptions, G::TaxFigures, K::Count, false, " Anzahl eventueller Unterbrechnungen ",
     t::kTaxFigures},

    {F::KvPay, s::kKvPay, G::SvFigures, K::Amount, true, " Krankenversicherungspflichtige Bezüge bis zur BBG",
     t::kSvFigures},
    {F::KvDays, s::kKvDays, G::SvFigures, K::Days, true,
     " Angefallene Sozialversicherungstage in der Krankenversicherung", t::kSvFigures},
    {F::KvEmployer, s::kKvEmployer, G::SvFigures, K::Amount, true, " Arbeitgeberbeiträge zur Krankenversicherung",
     t::kSvFigures},
    {F::KvEmployee, s::kKvEmployee, G::SvFigures, K::Amount, true, " Arbeitnehmerbeiträge zur Krankenversicherung",
     t::kSvFigures},
    {F::RvPay, s::kRvPay, G::SvFigures, K::Amount, true, " Rentenversicherungspflichtige Bezüge bis zur BBG",
     t::kSvFigures},
    {F::RvDays, s::kRvDays, G::SvFigures, K::Days, true,
     " Angefallene Sozialversicherungstage in der Rentenversicherung", t::kSvFigures},
    {F::RvEmployer, s::kRvEmployer, G::SvFigures, K::Amount, true, " Arbeitgeberbeiträge zur Rentenversicherung",
     t::kSvFigures},
    {F::RvEmployee, s::kRvEmployee, G::SvFigures, K::Amount, true, " Arbeitnehmerbeiträge zur Rentenversicherung",
     t::kSvFigures},
    {F::AvPay, s::kAvPay, G::SvFigures, K::Amount, true, " Arbeitlosenversicherungspflichtige Bezüge bis zur BBG",
     t::kSvFigures},
    {F::AvDays, s::kAvDays, G::SvFigures, K::Days, true,
     " Angefallene Sozialversicherungstage in der Arbeitslosenversicherung", t::kSvFigures},
    {F::AvEmployer, s::kAvEmployer, G::SvFigures, K::Amount, true,
     " Arbeitgeberbeiträge zur Arbeitslosenversicherung", t::kSvFigures},
    {F::AvEmployee, s::kAvEmployee, G::SvFigures, K::Amount, true,
     " Arbeitnehmerbeiträge zur Arbeitslosenversicherung", t::kSvFigures},
    {F::PvEmployer, s::kPvEmployer, G::SvFigures, K::Amount, true, " Arbeitgeberbeiträge zur Pflegeversicherung",
     t::kSvFigures},
    {F::PvEmployee, s::kPvEmployee, G::SvFigures, K::Amount, true, " Arbeitnehmerbeiträge zur Pflegeversicherung",
     t::kSvFigures},
    {F::LevyPay, s::kLevyPay, G::SvFigures, K::Amount, true,
     " Kammerbeitrags- oder Insolvenzgeldumlagepflichtige Bezüge bis zur BBG.", t::kSvFigures},
    {F::LevyDays, s::kLevyDays, G::SvFigures, K::Days, true,
     " Angefallene SV-Tage in der Umlageversicherung, Kammerbeitrag oder Insolvenzgeldumlage", t::kSvFigures},
    {F::SvEmployeeTotal, s::kSvEmployeeTotal, G::SvFigures, K::Amount, true,
     " Gesamter Arbeitnehmerbeitrag zur Sozialversicherung", t::kSvFigures},
    {F::MiniJobRvEmployer, s::kMiniJobRvEmployer, G::SvFigures, K::Amount, true,
     " Arbeitgeberanteil zur Rentenversicherung", t::kSvFigures},
    {F::VoluntaryKvSubsidy, s::kVoluntaryKvSubsidy, G::SvFigures, K::Amount, true,
     " Freiwilliger Krankenversicherungszuschuß des Arbeigeber", t::kSvFigures},
    {F::VoluntaryPvSubsidy, s::kVoluntaryPvSubsidy, G::SvFigures, K::Amount, true,
     " Freiwilliger Pflegeversicherungszuschuß des Arbeigeber", t::kSvFigures},
    {F::U1, s::kU1, G::SvFigures, K::Amount, true,
     " Beitrag zur Umlageversicherung für Krankheitsaufwendungen (UV1)", t::kSvFigures},
    {F::U2, s::kU2, G::SvFigures, K::Amount, true,
     " Beitrag zur Umlageversicherung für Mutterschaftsaufwendungen (UV2)", t::kSvFigures},
    {F::InsolvencyLevy, s::kInsolvencyLevy, G::SvFigures, K::Amount, true, " Beitrag zur Insolvenzgeldumlage",
     t::kSvFigures},
    {F::U1U2Pay, s::kU1U2Pay, G::SvFigures, K::Amount, true,
     " Umlageversicherungspflichtiges Entgelt. Beiträge aus Einmalzahlungen zur UV1/UV2 werden nicht erhoben.",
     t::kSvFigures},
    {F::TransitionReduction, s::kTransitionReduction, G::SvFigures, K::Amount, true,
     " Minderungsbetrag im sozialversicherungsrechtlichen Übergangsbereich. Anzugeben ist das nicht verbeitragte "
     "Entgelt.",
     t::kSvFigures},

    {F::FlatTaxedPay, s::kFlatTaxedPay, G::FlatRateFigures, K::Amount, true, " Pauschalbesteuerter Bruttolohn",
     t::kFlatRateFigures},
    {F::FlatWageTax, s::kFlatWageTax, G::FlatRateFigures, K::Amount, true, " Einbehaltene pauschale Lohnsteuer",
     t::kFlatRateFigures},
    {F::FlatChurchTax, s::kFlatChurchTax, G::FlatRateFigures, K::Amount, true,
     " Einbehaltene Kirchensteuer bei Lohnsteuerpauschalierung", t::kFlatRateFigures},
    {F::FlatSoli, s::kFlatSoli, G::FlatRateFigures, K::Amount, true,
     " Einbehaltener Solidaritätszuschlag bei Lohnsteuerpauschalierung", t::kFlatRateFigures},
    {F::UniformFlatTax, s::kUniformFlatTax, G::FlatRateFigures, K::Amount, true,
     " Einbehaltene einheitliche Pauschsteuer", t::kFlatRateFigures},
}};

constexpr bool TableInFieldOrder() {
  for (std::size_t i = 0; i < kTable.size(); ++i) {
    if (static_cast<std::size_t>(kTable[i].field) != i) return false;
  }
  return true;
}
static_assert(TableInFieldOrder(), "the table lists the fields in their order");

std::string& SlotText(AnnualBlock& annual, int slot) { return annual[static_cast<std::size_t>(slot)]; }
const std::string& SlotText(const AnnualBlock& annual, int slot) { return annual[static_cast<std::size_t>(slot)]; }

// The closed period is written MMJJJJ; the account shows and takes MMJJ.
std::string PeriodShown(const std::string& stored) {
  if (stored.size() == 6) return stored.substr(0, 2) + stored.substr(4, 2);
  return stored;
}

bool IsZeroAmount(std::string_view cents) {
  const std::string_view digits = !cents.empty() && cents.front() == '-' ? cents.substr(1) : cents;
  return !digits.empty() && std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

std::string StoredText(const AccountFieldSpec& spec, const std::string& shown) {
  switch (spec.kind) {
    case K::Amount: {
      std::string cents = AmountTextToCents(shown);
      return IsZeroAmount(cents) ? std::string() : cents;
    }
    case K::SvNumber:
      return CompactSvNumber(shown);
    default:
      return shown;
  }
}

bool IsAnnualFigure(const AccountFieldSpec& spec) { return spec.group != G::General; }

}  // namespace

const std::array<AccountFieldSpec, kAccountFieldCount>& AccountFieldTable() { return kTable; }

const AccountFieldSpec& SpecOf(AccountField field) { return kTable[static_cast<std::size_t>(field)]; }

int ControlIdOf(AccountField field) { return kAccountFieldIdBase + SpecOf(field).slot; }

std::optional<AccountField> AccountFieldOfControl(int id) {
  for (const AccountFieldSpec& spec : kTable) {
    if (kAccountFieldIdBase + spec.slot == id) return spec.field;
  }
  return std::nullopt;
}

std::u32string_view AllowedCharactersOf(AccountFieldKind kind) {
  switch (kind) {
    case K::Date:
    case K::Period:
    case K::Days:
    case K::Count:
      return U"0123456789";
    case K::Holiday:
    case K::Amount:
      return U"0123456789,";
    case K::SvNumber:
      return U"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz ";
    case K::FundName:
      return U"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyzÄÖÜäöüß -.&/";
  }
  return {};
}

int MaxLengthOf(AccountFieldKind kind) {
  switch (kind) {
    case K::Date:
      return 6;
    case K::Period:
    case K::Holiday:
      return 4;
    case K::Days:
      return 3;
    case K::Count:
      return 2;
    case K::Amount:
      return 10;
    case K::SvNumber:
      return 15;
    case K::FundName:
      return 20;
  }
  return 0;
}

AccountEntries AccountEntriesOf(const AnnualBlock& annual) {
  AccountEntries entries;
  for (const AccountFieldSpec& spec : kTable) {
    const std::string& stored = SlotText(annual, spec.slot);
    std::string& shown = entries[spec.field];
    if (spec.kind == K::Amount) {
      shown = CentsTextToAmount(stored);
    } else if (spec.kind == K::Period) {
      shown = PeriodShown(stored);
    } else {
      shown = stored;
    }
  }
  return entries;
}

void StoreAccountEntries(const AccountEntries& opened, const AccountEntries& now, bool annual_figures_cleared,
                         AnnualBlock& annual) {
  for (const AccountFieldSpec& spec : kTable) {
    if (now[spec.field] == opened[spec.field]) continue;
    SlotText(annual, spec.slot) = StoredText(spec, now[spec.field]);
  }
  if (annual_figures_cleared) SlotText(annual, annual_slot::kSummationDate).clear();
}

void ClearAnnualFigures(AccountEntries& entries) {
  for (const AccountFieldSpec& spec : kTable) {
    if (IsAnnualFigure(spec)) entries[spec.field].clear();
  }
}

void ClearAllEntries(AccountEntries& entries) { entries = AccountEntries{}; }

bool AccountEntriesChanged(const AccountEntries& opened, const AccountEntries& now) { return !(opened == now); }

std::string PayrollAccountTitle(std::string_view name, std::string_view first_name) {
  std::string title = "Lohnkonto für ";
  title += name;
  if (!first_name.empty()) {
    title += ", ";
    title += first_name;
  }
  return title;
}

}  // namespace pekto
