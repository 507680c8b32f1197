#include "calc/result_slots.h"

#include <array>
#include <string>

namespace pekto {
namespace {

constexpr std::array<ResultSlot, 22> kResultSlots = {{
    {18, "Lohnsteuer laufende Bezüge"},
    {36, "Kirchensteuer Arbeitnehmer laufende Bezüge"},
    {37, "Kirchensteuer Ehegatte laufende Bezüge"},
    {38, "Solidaritätszuschlag laufende Bezüge"},
    {39, "KV-Beitrag Arbeitnehmer laufende Bezüge"},
    {58, "RV-Beitrag Arbeitnehmer laufende Bezüge"},
    {59, "AV-Beitrag Arbeitnehmer laufende Bezüge"},
    {60, "PV-Beitrag Arbeitnehmer laufende Bezüge"},
    {61, "KV-Beitrag Arbeitgeber laufende Bezüge"},
    {62, "RV-Beitrag Arbeitgeber laufende Bezüge"},
    {63, "AV-Beitrag Arbeitgeber laufende Bezüge"},
    {64, "PV-Beitrag Arbeitgeber laufende Bezüge"},
    {84, "Lohnsteuer sonstige Bezüge"},
    {92, "Kirchensteuer sonstige Bezüge"},
    {93, "Solidaritätszuschlag sonstige Bezüge"},
    {94, "SV-Beiträge Arbeitnehmer sonstige Bezüge"},
    {95, "SV-Beiträge Arbeitgeber sonstige Bezüge"},
    {96, "Kammerbeitrag"},
    {97, "Netto"},
    {98, "Pfändung"},
    {99, "Ausbezahlt"},
    {100, "Arbeitgeber gesamt"},
}};

Cents Sum(const std::array<OneOffTaxPart, 2>& parts, Cents OneOffTaxPart::*member) {
  return parts[0].*member + parts[1].*member;
}

}  // namespace

std::span<const ResultSlot> ResultSlots() { return kResultSlots; }

std::string CentsText(Cents amount) { return amount.IsZero() ? std::string() : std::to_string(amount.Value()); }

void WriteResultSlots(const PayrollResult& r, MonthRecord& record) {
  const auto& cur = r.current_employee;
  const auto& ag = r.current_employer;
  const auto& parts = r.one_off_tax;
  const std::array<Cents, 22> values = {
      cur.wage_tax,
      cur.church_tax,
      cur.church_spouse,
      cur.soli,
      cur.kv,
      cur.rv,
      cur.av,
      cur.pv,
      ag.kv,
      ag.rv,
      ag.av,
      ag.pv,
      Sum(parts, &OneOffTaxPart::wage_tax),
      Sum(parts, &OneOffTaxPart::church_tax) + Sum(parts, &OneOffTaxPart::church_spouse),
      Sum(parts, &OneOffTaxPart::soli),
      r.one_off_employee.kv + r.one_off_employee.rv + r.one_off_employee.av + r.one_off_employee.pv,
      r.one_off_employer.Total(),
      r.employee.chamber,
      r.employee.net,
      r.employee.garnishment,
      r.employee.payout,
      r.employer.total,
  };
  for (std::size_t i = 0; i < values.size(); ++i) {
    record[static_cast<std::size_t>(kResultSlots[i].slot)] = CentsText(values[i]);
  }
}

}  // namespace pekto
