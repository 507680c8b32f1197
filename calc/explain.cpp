#include "calc/explain.h"

#include <algorithm>

#include "calc/wage_tax.h"

namespace pekto {

std::string EuroText(const Decimal& euros) {
  std::string text = euros.ToFixed(2);
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

void Explainer::Section(std::string_view title) {
  if (lines_ != nullptr) lines_->push_back("[" + std::string(title) + "]");
}

void Explainer::Note(std::string_view text) {
  if (lines_ != nullptr) lines_->push_back("  " + std::string(text));
}

void Explainer::Amount(std::string_view label, Cents amount) {
  if (lines_ != nullptr) Value(label, FormatAmount(amount) + " EUR");
}

void Explainer::Euros(std::string_view label, const Decimal& euros) {
  if (lines_ != nullptr) Value(label, EuroText(euros) + " EUR");
}

void Explainer::Value(std::string_view label, std::string_view value) {
  if (lines_ != nullptr) lines_->push_back("  " + std::string(label) + ": " + std::string(value));
}

void ExplainWageTax(Explainer& explain, const MonthlyWageTax& tax, const MonthlyWageTaxInput& input) {
  if (!explain.Active()) return;
  const AnnualTaxWorking& w = tax.working;
  explain.Section("Lohnsteuer");
  explain.Value("Steuertage", std::to_string(input.tax_days) + (tax.per_day_mode ? " (Tagesberechnung)" : ""));
  if (tax.year_end_revision) {
    explain.Note("Dezember 2024: Jahreswerte nach dem Steuerfortentwicklungsgesetz; einbehalten wird der Anteil "
                 "der Jahressteuer danach abzüglich des Elffachen der Differenz zur Jahressteuer davor");
  }
  explain.Euros("Jahresarbeitslohn", w.annual_wage);
  explain.Euros("Versorgungsfreibetrag", w.pension.allowance);
  explain.Euros("Zuschlag zum Versorgungsfreibetrag", w.pension.supplement);
  explain.Euros("Altersentlastungsbetrag", w.pension.age_relief);
  explain.Amount("Freibetrag/Hinzurechnung des Zeitraums", input.card_allowance - input.card_addback);
  explain.Euros("Jahresarbeitslohn nach Freibeträgen", w.wage_after_allowances);
  explain.Euros("Arbeitnehmer-Pauschbetrag", w.employee_allowance);
  explain.Euros("Tabellenfreibeträge", w.table_allowances);
  explain.Euros("Kinderfreibeträge", w.child_allowance_amount);
  explain.Euros("Vorsorgepauschale", w.vorsorgepauschale);
  explain.Euros("Zu versteuerndes Einkommen", w.taxable_income);
  explain.Euros("Jahreslohnsteuer", tax.annual_tax);
  explain.Euros("Jahreslohnsteuer mit Kinderfreibeträgen", tax.annual_tax_base);
  explain.Euros("Solidaritätszuschlag des Jahres", tax.annual_soli);
  explain.Amount("Lohnsteuer des Zeitraums", tax.wage_tax);
  explain.Amount("Solidaritätszuschlag des Zeitraums", tax.soli);
  explain.Amount("Bemessungsgrundlage Kirchensteuer", tax.tax_base);
}

}  // namespace pekto
